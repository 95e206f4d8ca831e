// The caption buttons (with the three of a maximized MDI child) and the
// push, check and radio button images of [Buttons].
#include <cstring>
#include <string>

#include "framework/core/string_list.h"
#include "framework/core/text.h"
#include "skin/core/skin_loader.h"
#include "skin/core/skin_values.h"

namespace hm {

namespace {

constexpr int kMdiButtonCount = 3;
constexpr std::int32_t kFirstMdiAction = 7;

// Columns left .. left + width of `source`, all rows, into `part`.
void CopyColumns(const TBitmap& source, int left, int width, TBitmap& part) {
  part.SetSize(0, 0);
  part.SetPixelFormat(source.PixelFormat());
  part.SetSize(width, source.Height());
  if (part.Empty()) return;
  const std::size_t bytes = static_cast<std::size_t>(source.BitsPerPixel() / 8);
  for (int y = 0; y < source.Height(); ++y)
    std::memcpy(part.Row(y), source.Row(y) + bytes * static_cast<std::size_t>(left),
                bytes * static_cast<std::size_t>(width));
}

}  // namespace

void TSkinLoader::ReadCaptionButtons() {
  skin_.CaptionButtons.clear();
  TStringList sections;
  ini_.ReadSections(sections);
  for (int i = 0; i < sections.Count(); ++i) {
    const std::string name = sections.Get(i);
    if (!IsCaptionButtonSection(name)) continue;
    const std::int32_t action = Int(name, "Action", 0);
    if (IsHiddenCaptionButton(action, Int(name, "Visibility", -1))) continue;

    auto button = std::make_unique<TDataSkinSysButton>(UpperCase(name));
    button->Action = action;
    button->Align = Int(name, "Align", 0);
    button->XCoord = Int(name, "Xcoord", 0);
    button->YCoord = Int(name, "Ycoord", 0);
    button->Visibility = Int(name, "Visibility", 0);
    button->Visibility1 = Int(name, "Visibility1", action == -1 ? -1 : 0);
    button->CombineOp = Int(name, "CombineOp", -1);
    button->FrameCount = Int(name, "frame", 0);
    LoadBitmap(name, "ButtonImage", button->Bitmap);
    // A frame key of its own is taken as it is, image and all.
    if (button->FrameCount == 0) {
      button->FrameCount = CaptionButtonFrameCount(button->Bitmap.Width(), button->Bitmap.Height(), action);
      if (IsImagelessAction(action)) button->Bitmap.SetSize(0, 0);
    }
    skin_.CaptionButtons.push_back(std::move(button));
  }
}

void TSkinLoader::ReadMdiButtons() {
  const std::size_t first = skin_.CaptionButtons.size();
  for (int i = 0; i < kMdiButtonCount; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>();
    button->Action = kFirstMdiAction + i;
    button->Align = 100;
    button->Visibility = 100;
    button->Visibility1 = 100;
    button->FrameCount = 4;
    skin_.CaptionButtons.push_back(std::move(button));
  }
  TBitmap image;
  LoadBitmap("MdiControls", "Image", image);
  if (image.Empty()) return;
  for (int i = 0; i < kMdiButtonCount; ++i) {
    const TMdiButtonCut cut = MdiButtonCut(image.Width(), i);
    TDataSkinSysButton& button = *skin_.CaptionButtons[first + static_cast<std::size_t>(i)];
    CopyColumns(image, cut.left, cut.width, button.Bitmap);
    button.XCoord = cut.xcoord;
  }
}

void TSkinLoader::ReadButtons() {
  constexpr std::string_view s = "Buttons";
  TDataSkinButton& buttons = skin_.Buttons;
  buttons.Reset();
  buttons.LeftWidth = Int(s, "LeftWidth", 0);
  buttons.RightWidth = Int(s, "RightWidth", 0);
  buttons.TopHeight = Int(s, "TopHeight", 0);
  buttons.BottomHeight = Int(s, "BottomHeight", 0);
  buttons.Trans = Int(s, "Trans", 0);
  LoadBitmap(s, "Bitmap", buttons.Bitmap);
  buttons.Tile = Int(s, "Tile", 0);
  LoadBitmap(s, "CheckButton", buttons.CheckBitmap);
  LoadBitmap(s, "RadioButton", buttons.RadioBitmap);
  ReadColourKeys(s, buttons);
  buttons.RadioFrameCount = Int(s, "RadioButtonFrame", 0);
  buttons.CheckFrameCount = Int(s, "CheckButtonFrame", 0);
  buttons.HasNormalColour2 = HasValue(s, "NormalColour2");
  buttons.HasMouseOverColour2 = HasValue(s, "MouseOverColour2");
  buttons.HasPressedColour2 = HasValue(s, "PressedColour2");
}

}  // namespace hm
