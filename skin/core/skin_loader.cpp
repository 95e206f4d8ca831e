#include "skin/core/skin_loader.h"

#include <optional>
#include <string>

#include "framework/core/exception.h"
#include "framework/core/string_list.h"
#include "skin/core/skin_values.h"

namespace hm {

namespace {

constexpr std::string_view kPersonality = "Personality";

}  // namespace

void TSkinLoader::Run() {
  skin_.SkinName = ini_.ReadString("TitlebarSkin", "SkinName", "");
  ReadBorders();
  // Before every definition whose direct colours default to ButtonTextColor.
  ReadColours();
  ReadCaptionButtons();
  ReadMdiButtons();
  ReadButtons();
  ReadTitle();
  ReadSection(ssProgress);
  ReadMenuBar();
  for (int section = ssProgress + 1; section < kSkinSectionCount; ++section)
    ReadSection(static_cast<TSkinSection>(section));
  SetFrameCounts();
}

TColor TSkinLoader::Colour(std::string_view section, std::string_view key, TColor defaultValue) const {
  return ParseSkinColour(ini_.ReadString(section, key, ""), defaultValue);
}

bool TSkinLoader::HasValue(std::string_view section, std::string_view key) const {
  return !ini_.ReadString(section, key, "").empty();
}

void TSkinLoader::LoadBitmap(std::string_view section, std::string_view key, TBitmap& bitmap) {
  bitmap.SetSize(0, 0);
  const std::optional<std::string> member = SkinBitmapMember(ini_.ReadString(section, key, ""));
  if (!member) return;
  reader_.FindMember(*member, work_);
  if (work_.Size() == 0) return;
  try {
    bitmap.LoadFromMemory(reinterpret_cast<const std::uint8_t*>(work_.Memory()),
                          static_cast<std::size_t>(work_.Size()));
  } catch (const Exception&) {
    // A member that is no bitmap counts as a missing one.
    bitmap.SetSize(0, 0);
  }
}

void TSkinLoader::ReadColourKeys(std::string_view section, TDataSkinObject& definition) {
  definition.NormalColour = Int(section, "NormalColour", -1);
  definition.MouseOverColour = Int(section, "MouseOverColour", -1);
  definition.PressedColour = Int(section, "PressedColour", -1);
  const TColor text = skin_.Colours.ButtonTextColor;
  definition.NormalColour2 = Colour(section, "NormalColour2", text);
  definition.MouseOverColour2 = Colour(section, "MouseOverColour2", text);
  definition.PressedColour2 = Colour(section, "PressedColour2", text);
}

void TSkinLoader::ReadBorders() {
  for (TDataSkinBorder& border : skin_.Borders) {
    const std::string& name = border.Name;
    border.Reset();
    LoadBitmap(kPersonality, name, border.Bitmap);
    // "TopHeight" and "BotHeight" are the fixed ends along the border:
    // top and bottom of a side border, left and right of the top and bottom.
    const std::int32_t start = Int(kPersonality, name + "TopHeight", 0);
    const std::int32_t end = Int(kPersonality, name + "BotHeight", 0);
    if (&border == &skin_.Borders[sbLeft] || &border == &skin_.Borders[sbRight]) {
      border.TopHeight = start;
      border.BottomHeight = end;
    } else {
      border.LeftWidth = start;
      border.RightWidth = end;
    }
    border.FrameCount = Int(kPersonality, name + "Frame", 1);
    border.Tile = Int(kPersonality, name + "Stretch", 1);
    border.Trans = Int(kPersonality, name + "Trans", 1);
  }
}

void TSkinLoader::ReadColours() {
  constexpr std::string_view s = "Colours";
  TSkinColours& c = skin_.Colours;
  c.WindowTextColor = Colour(s, "WindowText", clWindowText);
  c.ButtonFaceColor = Colour(s, "ButtonFace", clBtnFace);
  c.ScrollbarColor = Colour(s, "Scrollbar", clScrollBar);
  c.HilightTextColor = Colour(s, "HilightText", clHighlightText);
  c.HilightColor = Colour(s, "Hilight", clHighlight);
  c.MenubarColor = Colour(s, "Menubar", c.ButtonFaceColor);
  c.MenuColor = Colour(s, "Menu", clMenu);
  c.MenuTextColor = Colour(s, "MenuText", clMenuText);
  c.ButtonTextColor = Colour(s, "ButtonText", clBtnText);
  c.ButtonHilightColor = Colour(s, "ButtonHilight", clBtnHighlight);
  c.ButtonLightColor = Colour(s, "Buttonlight", clBtnHighlight);
  c.ButtonShadowColor = Colour(s, "ButtonShadow", clBtnShadow);
  c.ButtonDkShadowColor = Colour(s, "ButtonDkShadow", cl3DDkShadow);
  c.MenuBarTextColor = Colour(s, "MenuBarText", clMenuText);
  c.TitleTextActiveColor = Colour(s, "TitleTextActive", clCaptionText);
  c.TitleTextNoActiveColor = Colour(s, "TitleTextNoActive", clInactiveCaptionText);

  // The position among the [Colour...] sections is the index, whatever
  // digits the name carries.
  skin_.ColourTable.clear();
  TStringList sections;
  ini_.ReadSections(sections);
  for (int i = 0; i < sections.Count(); ++i) {
    const std::string name = sections.Get(i);
    if (IsColourTableSection(name)) skin_.ColourTable.push_back(Colour(name, "color", clWindowText));
  }
}

void TSkinLoader::ReadTitle() {
  TDataSkinTitle& title = skin_.Title;
  title.Reset();
  LoadBitmap(kPersonality, "TextBack", title.Bitmap);
  title.LeftWidth = Int(kPersonality, "TextShift", 0);
  title.TopHeight = Int(kPersonality, "TextShiftVert", 0);
  title.RightWidth = Int(kPersonality, "TextRightClip", 0);
  title.TextAlignment = Int(kPersonality, "TextAlignment", 0);
  title.TextBackground = Int(kPersonality, "Textbackground", 0);
  title.TxtBackLeft = Int(kPersonality, "TXTBackleft", 0);
  title.TxtBackRight = Int(kPersonality, "TXTBackRight", 0);
  title.ActiveTextColor = SkinRgb(Int(kPersonality, "ActiveTextR", -1), Int(kPersonality, "ActiveTextG", -1),
                                  Int(kPersonality, "ActiveTextB", -1));
  title.InactiveTextColor = SkinRgb(Int(kPersonality, "InActiveTextR", -1), Int(kPersonality, "InActiveTextG", -1),
                                    Int(kPersonality, "InActiveTextB", -1));
  title.FontHeight = Int("Fonts", "FontHeight", 14);
}

void TSkinLoader::ReadMenuBar() {
  skin_.MenuBar.reset();
  if (!HasValue(kPersonality, "menuBar")) return;
  auto bar = std::make_unique<TDataSkinObject>(std::string(kPersonality));
  LoadBitmap(kPersonality, "menuBar", bar->Bitmap);
  bar->Tile = Int(kPersonality, "TileMenu", 0);
  bar->LeftWidth = Int(kPersonality, "TileLeftMenu", 1);
  bar->RightWidth = Int(kPersonality, "TileRightMenu", 1);
  skin_.MenuBar = std::move(bar);
}

void TSkinLoader::SetFrameCounts() {
  // The image sections got their fixed counts as they were read.
  TDataSkinButton& buttons = skin_.Buttons;
  buttons.FrameCount = 5;
  if (buttons.RadioFrameCount == 0)
    buttons.RadioFrameCount = CheckFrameCount(buttons.RadioBitmap.Width(), buttons.RadioBitmap.Height());
  if (buttons.CheckFrameCount == 0)
    buttons.CheckFrameCount = CheckFrameCount(buttons.CheckBitmap.Width(), buttons.CheckBitmap.Height());
  skin_.Title.FrameCount = 2;
  if (skin_.MenuBar) skin_.MenuBar->FrameCount = 2;
}

}  // namespace hm
