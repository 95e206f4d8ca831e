// The default skin as the build made it: the generator's members, their
// sizes and frames, the INI values the loader and the painters rely on, and
// the packed archive read back through the skin core.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/core/stream.h"
#include "framework/core/string_list.h"
#include "skin/core/quick_ini.h"
#include "skin/core/skin_reader.h"
#include "tools/skingen/generator.h"
#include "tools/skingen/look.h"

namespace hm {
namespace {

namespace fs = std::filesystem;
using skingen::TSkinFile;

const fs::path kSource = KOLVANE_SOURCE_DIR;

struct TBmpInfo {
  int width = 0, height = 0, bits = 0;
  std::uint32_t compression = 0, dataOffset = 0;
};

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TBmpInfo Info(const std::vector<std::uint8_t>& b) {
  EXPECT_GE(b.size(), 54u);
  if (b.size() < 54) return {};
  return {static_cast<int>(U32(b, 18)), static_cast<int>(U32(b, 22)), b[28] | b[29] << 8, U32(b, 30), U32(b, 10)};
}

// Pixel (x, y) counted from the top of a bottom-up 24-bit file.
std::uint32_t Pixel(const std::vector<std::uint8_t>& b, int x, int y) {
  const TBmpInfo i = Info(b);
  const std::size_t row = (static_cast<std::size_t>(i.width) * 3 + 3) & ~std::size_t{3};
  const std::size_t at = i.dataOffset + row * static_cast<std::size_t>(i.height - 1 - y) + static_cast<std::size_t>(x) * 3;
  return static_cast<std::uint32_t>(b[at + 2]) << 16 | b[at + 1] << 8 | b[at];
}

constexpr std::uint32_t kMagenta = 0xFF00FF;

class KolvaneSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    files_ = skingen::BuildSkinFiles(kSource);
    for (const TSkinFile& f : files_) byName_[f.name] = &f;
    const TSkinFile& ini = *byName_.at("kolvane.ini");
    ini_.LoadFromText(std::string_view(reinterpret_cast<const char*>(ini.data.data()), ini.data.size()));
  }
  static const std::vector<std::uint8_t>& Member(const std::string& name) {
    const auto it = byName_.find(name);
    if (it == byName_.end()) throw std::runtime_error("no member " + name);
    return it->second->data;
  }
  static std::string Str(const char* section, const char* key) { return ini_.ReadString(section, key, "<absent>"); }
  static int Int(const char* section, const char* key) { return ini_.ReadInteger(section, key, -12345); }

  static std::vector<TSkinFile> files_;
  static std::map<std::string, const TSkinFile*> byName_;
  static TQuickIni ini_;
};

std::vector<TSkinFile> KolvaneSkin::files_;
std::map<std::string, const TSkinFile*> KolvaneSkin::byName_;
TQuickIni KolvaneSkin::ini_;

TEST_F(KolvaneSkin, ThirtyBitmapsAndOneIni) {
  int bitmaps = 0, inis = 0;
  for (const TSkinFile& f : files_) {
    if (f.name.ends_with(".bmp")) ++bitmaps;
    if (f.name.find(".ini") != std::string::npos) ++inis;
  }
  EXPECT_EQ(bitmaps, 30);
  EXPECT_EQ(inis, 1);
  EXPECT_EQ(files_.size(), 31u);
}

TEST_F(KolvaneSkin, EveryBitmapIsAnUncompressed24BitBmpOfItsSize) {
  // name, width, height, frames, frames stacked (else side by side)
  struct TExpected {
    const char* name;
    int w, h, frames;
    bool stacked;
  };
  const TExpected expected[] = {
      {"kol_body_top.bmp", 100, 50, 2, true},    {"kol_body_left.bmp", 10, 174, 2, false},
      {"kol_body_right.bmp", 10, 174, 2, false}, {"kol_body_bottom.bmp", 130, 26, 2, true},
      {"kol_textback.bmp", 32, 50, 2, true},     {"kol_menu.bmp", 24, 40, 2, true},
      {"kol_icon_close.bmp", 84, 12, 6, false},  {"kol_icon_max1.bmp", 84, 12, 6, false},
      {"kol_icon_min.bmp", 84, 12, 6, false},    {"kol_icon_max2.bmp", 84, 12, 6, false},
      {"kol_buttons.bmp", 375, 20, 5, false},    {"kol_checkbox.bmp", 56, 14, 4, false},
      {"kol_radio.bmp", 56, 14, 4, false},       {"kol_arrows.bmp", 368, 16, 23, false},
      {"kol_mdicontrols.bmp", 180, 14, 12, false}, {"kol_combobutton.bmp", 72, 21, 4, false},
      {"kol_scrolltrack.bmp", 64, 16, 4, false}, {"kol_hthumb.bmp", 60, 16, 3, false},
      {"kol_vthumb.bmp", 48, 20, 3, false},      {"kol_tabs.bmp", 200, 22, 5, false},
      {"kol_tabborder.bmp", 16, 16, 1, false},   {"kol_sunkedge.bmp", 64, 16, 4, false},
      {"kol_progress.bmp", 40, 14, 2, false},    {"kol_menubackground.bmp", 16, 16, 1, false},
      {"kol_menuitem.bmp", 120, 20, 5, false},   {"kol_toolbars.bmp", 110, 22, 5, false},
      {"kol_headerbar.bmp", 120, 20, 5, false},  {"kol_groupboxedge.bmp", 32, 16, 2, false},
      {"kol_groupbox.bmp", 32, 16, 1, false},    {"kol_statusbar.bmp", 60, 20, 3, false},
  };
  ASSERT_EQ(std::size(expected), 30u);
  for (const TExpected& e : expected) {
    SCOPED_TRACE(e.name);
    const std::vector<std::uint8_t>& b = Member(e.name);
    const TBmpInfo i = Info(b);
    EXPECT_EQ(i.width, e.w);
    EXPECT_EQ(i.height, e.h);
    EXPECT_EQ(i.bits, 24);
    EXPECT_EQ(i.compression, 0u);
    const std::size_t row = (static_cast<std::size_t>(e.w) * 3 + 3) & ~std::size_t{3};
    EXPECT_EQ(b.size(), i.dataOffset + row * e.h);
    EXPECT_EQ((e.stacked ? e.h : e.w) % e.frames, 0) << "frames of unequal size";
  }
  // Frame counts the loader derives from the sizes alone:
  // caption buttons without a frame key: width / height > 3.8 gives 6.
  for (const char* name : {"kol_icon_close.bmp", "kol_icon_max1.bmp", "kol_icon_min.bmp", "kol_icon_max2.bmp"}) {
    const TBmpInfo i = Info(Member(name));
    EXPECT_GT(static_cast<double>(i.width) / i.height, 3.8) << name;
  }
  // Check and radio images: height below 16, so frames of 13 are counted:
  // 56 div 13 = 4, and the painters cut 56 div 4 = 14.
  EXPECT_EQ(56 / 13, 4);
  // The MDI strip: 12 frames of 15, three buttons of 60.
  EXPECT_EQ(Info(Member("kol_mdicontrols.bmp")).width / 12 * 4, 60);
}

TEST_F(KolvaneSkin, TwoRunsGiveTheSameBytes) {
  const std::vector<TSkinFile> again = skingen::BuildSkinFiles(kSource);
  ASSERT_EQ(again.size(), files_.size());
  for (std::size_t i = 0; i < again.size(); ++i) {
    EXPECT_EQ(again[i].name, files_[i].name);
    EXPECT_TRUE(again[i].data == files_[i].data) << again[i].name;
  }
}

TEST_F(KolvaneSkin, IniHoldsTheValuesOfTheEmbeddedSkin) {
  EXPECT_EQ(Str("TitlebarSkin", "SkinName"), "kolvane");
  EXPECT_EQ(Str("Personality", "Top"), "kol_body_top.bmp");
  EXPECT_EQ(Str("Personality", "Left"), "kol_body_left.bmp");
  EXPECT_EQ(Str("Personality", "Right"), "kol_body_right.bmp");
  EXPECT_EQ(Str("Personality", "Bottom"), "kol_body_bottom.bmp");
  EXPECT_EQ(Int("Personality", "LeftTopHeight"), 24);
  EXPECT_EQ(Int("Personality", "LeftBotHeight"), 13);
  EXPECT_EQ(Int("Personality", "RightTopHeight"), 24);
  EXPECT_EQ(Int("Personality", "RightBotHeight"), 13);
  for (const char* key : {"TopTopHeight", "TopBotHeight", "BottomTopHeight", "BottomBotHeight"})
    EXPECT_EQ(Int("Personality", key), 1) << key;
  for (const char* b : {"Top", "Left", "Right", "Bottom"}) {
    EXPECT_EQ(Int("Personality", (std::string(b) + "Frame").c_str()), 2) << b;
    EXPECT_EQ(Int("Personality", (std::string(b) + "Stretch").c_str()), 0) << b;
  }
  // Left and Right are see-through so their magenta corners cut the window
  // outline round; Top and Bottom stay opaque.
  EXPECT_EQ(Int("Personality", "LeftTrans"), 1);
  EXPECT_EQ(Int("Personality", "RightTrans"), 1);
  EXPECT_EQ(Int("Personality", "TopTrans"), 0);
  EXPECT_EQ(Int("Personality", "BottomTrans"), 0);

  EXPECT_EQ(Str("Personality", "TextBack"), "kol_textback.bmp");
  EXPECT_EQ(Int("Personality", "TXTBackLeft"), 12);
  EXPECT_EQ(Int("Personality", "TXTBackRight"), 12);
  EXPECT_EQ(Int("Personality", "TextAlignment"), 1);
  EXPECT_EQ(Int("Personality", "TextShift"), 60);
  EXPECT_EQ(Int("Personality", "TextShiftVert"), -2);
  EXPECT_EQ(Int("Personality", "TextRightClip"), 60);
  EXPECT_EQ(Int("Personality", "Textbackground"), 1);
  EXPECT_EQ(Int("Personality", "ActiveTextR"), 220);
  EXPECT_EQ(Int("Personality", "ActiveTextG"), 220);
  EXPECT_EQ(Int("Personality", "ActiveTextB"), 191);
  for (const char* key : {"InActiveTextR", "InActiveTextG", "InActiveTextB"}) EXPECT_EQ(Int("Personality", key), 90);
  EXPECT_EQ(Str("Personality", "MenuBar"), "kol_menu.bmp");
  EXPECT_EQ(Int("Personality", "TileMenu"), 1);
  EXPECT_EQ(Int("Personality", "TileLeftMenu"), 2);
  EXPECT_EQ(Int("Personality", "TileRightMenu"), 2);
  EXPECT_EQ(Int("Fonts", "FontHeight"), 12);

  // [Colours]: all keys but Menubar.
  const std::map<std::string, std::string> colours = {
      {"WindowText", ""}, {"ButtonFace", "223 223 219"}, {"Scrollbar", "102 102 102"}, {"HilightText", ""},
      {"Hilight", ""}, {"Menu", ""}, {"MenuText", ""}, {"ButtonText", "0 0 0"}, {"ButtonHilight", ""},
      {"Buttonlight", ""}, {"ButtonShadow", ""}, {"ButtonDkShadow", ""}, {"MenuBarText", ""},
      {"TitleTextActive", "220 220 191"}, {"TitleTextNoActive", "90 90 90"}};
  for (const auto& [key, value] : colours) {
    const std::string got = Str("Colours", key.c_str());
    EXPECT_NE(got, "<absent>") << key;
    if (!value.empty()) {
      EXPECT_EQ(got, value) << key;
    }
  }
  EXPECT_EQ(Str("Colours", "Menubar"), "<absent>");

  // The colour table: three sections, in this order.
  TStringList sections;
  ini_.ReadSections(sections);
  std::vector<std::string> table;
  for (int i = 0; i < sections.Count(); ++i) {
    std::string upper = sections[i];
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.starts_with("COLOUR") && upper != "COLOURS") table.push_back(Str(sections[i].c_str(), "color"));
  }
  EXPECT_EQ(table, (std::vector<std::string>{"51 51 51", "0 0 0", "191 220 220"}));

  // [Buttons]
  EXPECT_EQ(Str("Buttons", "Bitmap"), "kol_buttons.bmp");
  EXPECT_EQ(Str("Buttons", "CheckButton"), "kol_checkbox.bmp");
  EXPECT_EQ(Str("Buttons", "RadioButton"), "kol_radio.bmp");
  for (const char* key : {"LeftWidth", "RightWidth", "TopHeight", "BottomHeight"}) EXPECT_EQ(Int("Buttons", key), 4);
  EXPECT_EQ(Str("Buttons", "CheckButtonFrame"), "<absent>");  // derived from the size
  EXPECT_EQ(Str("Buttons", "RadioButtonFrame"), "<absent>");
  EXPECT_EQ(Str("Buttons", "NormalColour2"), "51 51 51");
  EXPECT_EQ(Str("Buttons", "MouseOverColour2"), "0 0 0");
  EXPECT_EQ(Str("Buttons", "PressedColour2"), "0 0 0");

  EXPECT_EQ(Str("Scrollbar", "Image"), "kol_arrows.bmp");
  EXPECT_EQ(Str("MdiControls", "Image"), "kol_mdicontrols.bmp");
  EXPECT_EQ(Str("ComboButton", "Image"), "kol_combobutton.bmp");
  EXPECT_EQ(Str("Tabs", "Border"), "kol_tabborder.bmp");
  EXPECT_EQ(Str("Progress", "Chunk"), "<absent>");
  for (const char* s : {"MenuBackground", "MenuItem", "ToolBars", "Tabs", "Headerbar", "GroupBoxEdge", "GroupBox",
                        "StatusBarEdges", "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb", "SunkEdge"})
    EXPECT_NE(Str(s, "Image"), "<absent>") << s;
  EXPECT_NE(Str("Progress", "Bitmap"), "<absent>");
  for (const char* s : {"ExtraImages", "Trackbar.ThumbHorz", "UpDown.Horz", "UpDown.Vert"})
    EXPECT_EQ(ini_.FindSection(s), -1) << s;
}

// The painter's shortest thumb is 8 pixels, and the nine-part cut drops both
// caps of a thumb shorter than the two together; the middle is stretched over
// long thumbs, so it must not hold any part of a rounded end.
TEST_F(KolvaneSkin, ThumbCapsFitTheShortestThumbAndTheMiddleIsFlat) {
  struct TThumb {
    const char* section;
    const char* first;
    const char* second;
    bool vertical;
  };
  for (const TThumb t : {TThumb{"HorzScrollThumb", "LeftWidth", "RightWidth", false},
                         TThumb{"VertScrollThumb", "TopHeight", "BottomHeight", true}}) {
    SCOPED_TRACE(t.section);
    const int a = Int(t.section, t.first), b = Int(t.section, t.second);
    EXPECT_GE(a, 3);
    EXPECT_GE(b, 3);
    EXPECT_LE(a + b, 8);
    const std::vector<std::uint8_t>& bmp = Member(Str(t.section, "Image"));
    const TBmpInfo i = Info(bmp);
    const int frames = Int(t.section, "FrameCount");
    ASSERT_GT(frames, 0);
    const int fw = i.width / frames;
    const int length = t.vertical ? i.height : fw, across = t.vertical ? fw : i.height;
    ASSERT_GT(length, a + b);
    for (int f = 0; f < frames; ++f) {
      // (along, across) inside frame f
      auto at = [&](int u, int v) { return t.vertical ? Pixel(bmp, f * fw + v, u) : Pixel(bmp, f * fw + u, v); };
      // The thumb reaches both ends, so the 8-pixel thumb is 8 pixels of thumb.
      EXPECT_NE(at(0, across / 2), kMagenta) << "frame " << f + 1;
      EXPECT_NE(at(length - 1, across / 2), kMagenta) << "frame " << f + 1;
      for (int u = a; u < length - b; ++u)
        for (int v = 0; v < across; ++v) ASSERT_EQ(at(u, v), at(a, v)) << "frame " << f + 1 << " at " << u << "," << v;
    }
  }
}

TEST_F(KolvaneSkin, CaptionButtonSections) {
  struct TButton {
    const char* section;
    int action, align, x, y, visibility, visibility1;
    const char* image;
  };
  const TButton buttons[] = {
      {"Button0", 0, 1, 24, 5, -12345, -12345, "kol_icon_close.bmp"},
      {"Button1", 1, 1, 40, 5, 2, 6, "kol_icon_max1.bmp"},
      {"Button2", 2, 1, 56, 5, 8, -12345, "kol_icon_min.bmp"},
      {"Button3", 1, 1, 40, 5, 1, 6, "kol_icon_max2.bmp"},
      {"Button4", 3, 0, 14, 3, -12345, -12345, "0"},
  };
  for (const TButton& b : buttons) {
    SCOPED_TRACE(b.section);
    EXPECT_EQ(Int(b.section, "Action"), b.action);
    EXPECT_EQ(Int(b.section, "Align"), b.align);
    EXPECT_EQ(Int(b.section, "Xcoord"), b.x);
    EXPECT_EQ(Int(b.section, "Ycoord"), b.y);
    EXPECT_EQ(Int(b.section, "Visibility"), b.visibility);
    EXPECT_EQ(Int(b.section, "Visibility1"), b.visibility1);
    EXPECT_EQ(Str(b.section, "frame"), "<absent>");
    EXPECT_EQ(Str(b.section, "ButtonImage"), b.image);
  }
  // Exactly these five caption-button sections (the loader adds three MDI
  // buttons, making eight).
  TStringList sections;
  ini_.ReadSections(sections);
  int captionButtons = 0;
  for (int i = 0; i < sections.Count(); ++i) {
    std::string upper = sections[i];
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.starts_with("BUTTON") && upper != "BUTTON" && upper != "BUTTONS" && upper != "BUTTON.RADIO" &&
        upper != "BUTTON.CHECKBOX")
      ++captionButtons;
  }
  EXPECT_EQ(captionButtons, 5);
}

TEST_F(KolvaneSkin, MagentaOnlyWhereThePainterCutsIt) {
  // Sections drawn opaquely must hold no key colour (it would show as
  // magenta), and nothing may come within the key's tolerance without
  // being the key itself.
  std::map<std::string, bool> opaque;  // member -> drawn without transparency
  opaque["kol_body_top.bmp"] = Int("Personality", "TopTrans") == 0;
  opaque["kol_body_bottom.bmp"] = Int("Personality", "BottomTrans") == 0;
  opaque["kol_body_left.bmp"] = Int("Personality", "LeftTrans") == 0;
  opaque["kol_body_right.bmp"] = Int("Personality", "RightTrans") == 0;
  opaque["kol_menu.bmp"] = true;          // the menu bar is copied opaquely
  opaque["kol_menubackground.bmp"] = true;
  for (const char* s : {"SunkEdge", "Headerbar", "StatusBarEdges", "HorzScroll", "VertScroll"})
    opaque[Str(s, "Image")] = Int(s, "Trans") == 0;
  for (const TSkinFile& f : files_) {
    if (!f.name.ends_with(".bmp")) continue;
    const TBmpInfo i = Info(f.data);
    int keys = 0;
    for (int y = 0; y < i.height; ++y)
      for (int x = 0; x < i.width; ++x) {
        const std::uint32_t p = Pixel(f.data, x, y);
        if (p == kMagenta) ++keys;
        const bool near = (p >> 16) == 255 && ((p >> 8) & 0xFF) <= 1 && (p & 0xFF) == 255;
        EXPECT_FALSE(near && p != kMagenta) << f.name << " " << x << "," << y;
      }
    if (opaque[f.name]) {
      EXPECT_EQ(keys, 0) << f.name;
    }
  }
  // The rounded top corners: the outermost corner pixel of both side
  // borders is cut, in the active and the inactive frame.
  for (const char* name : {"kol_body_left.bmp", "kol_body_right.bmp"}) {
    const std::vector<std::uint8_t>& b = Member(name);
    const bool left = std::string(name) == "kol_body_left.bmp";
    EXPECT_EQ(Pixel(b, left ? 0 : 4, 0), kMagenta) << name;
    EXPECT_EQ(Pixel(b, left ? 5 : 9, 0), kMagenta) << name;
    EXPECT_NE(Pixel(b, left ? 0 : 4, 100), kMagenta) << name;
  }
}

TEST_F(KolvaneSkin, TitleCarriesItsColours) {
  // Active title near charcoal 51, inactive light enough for 90 90 90 text.
  const std::vector<std::uint8_t>& top = Member("kol_body_top.bmp");
  auto grey = [](std::uint32_t p) { return static_cast<int>(((p >> 16) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3); };
  int active = 0, inactive = 0;
  for (int y = 2; y < 24; ++y) {
    active += grey(Pixel(top, 50, y));
    inactive += grey(Pixel(top, 50, 25 + y));
  }
  active /= 22;
  inactive /= 22;
  EXPECT_NEAR(active, 51, 8);
  EXPECT_GE(inactive - 90, 120);
}

TEST(KolvaneArchive, ReadsBackThroughTheSkinReaderWithEveryMember) {
  TMemoryStream archive;
  archive.LoadFromFile(KOLVANE_ARCHIVE);
  TSkinReader reader;
  int messages = 0;
  reader.OnMessage = [&messages](const std::string&) { ++messages; };
  ASSERT_TRUE(reader.Load(archive));
  EXPECT_EQ(messages, 0);
  EXPECT_EQ(reader.Version(), kSkinArchiveVersion);

  const std::vector<TSkinFile> files = skingen::BuildSkinFiles(kSource);
  EXPECT_EQ(reader.Count(), static_cast<int>(files.size()));
  for (const TSkinFile& f : files) {
    TMemoryStream member;
    reader.FindMember(f.name, member);
    EXPECT_EQ(member.Bytes(), std::string_view(reinterpret_cast<const char*>(f.data.data()), f.data.size()))
        << f.name;
  }
  TMemoryStream ini;
  std::string iniName;
  reader.FindMemberContaining(".ini", ini, iniName);
  EXPECT_EQ(iniName, "kolvane.ini");
  TQuickIni parsed;
  parsed.Load(ini);
  EXPECT_EQ(parsed.ReadInteger("Fonts", "FontHeight", 0), 12);
}

TEST(KolvaneGlyphs, ResourceBitmapIsTheGeneratedOne) {
  const std::vector<std::uint8_t> fresh = skingen::BuildSysMenuGlyphFile(kSource);
  TMemoryStream kept;
  kept.LoadFromFile((kSource / "sysmenuglyphs.bmp").string());
  EXPECT_EQ(kept.Bytes(), std::string_view(reinterpret_cast<const char*>(fresh.data()), fresh.size()))
      << "skins/kolvane/sysmenuglyphs.bmp is stale: regenerate it with skingen glyphs";

  const TBmpInfo i = Info(fresh);
  EXPECT_EQ(i.width, 64);
  EXPECT_EQ(i.height, 16);
  EXPECT_EQ(i.bits, 1);
  EXPECT_EQ(U32(fresh, 54), 0x000000u);  // index 0 black
  EXPECT_EQ(U32(fresh, 58), 0xFFFFFFu);  // index 1 white
  // Each 16×16 cell holds a glyph (some black) and keeps a white border.
  for (int cell = 0; cell < 4; ++cell) {
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const std::size_t row = 8, at = i.dataOffset + row * static_cast<std::size_t>(15 - y);
        const int px = cell * 16 + x;
        const bool white = fresh[at + static_cast<std::size_t>(px / 8)] & (0x80 >> (px % 8));
        if (!white) {
          ++black;
          EXPECT_TRUE(x > 0 && x < 15 && y > 0 && y < 15) << "cell " << cell;
        }
      }
    EXPECT_GT(black, 10) << "cell " << cell;
  }
}

}  // namespace
}  // namespace hm
