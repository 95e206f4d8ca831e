// Page controls, tab controls, tab sets, group boxes and panels with their
// skins, read back by their pixels. The tab image (red 0x40) and the page
// border (red 0x80) have blue = x and green = y, so a pixel tells which
// frame and which row of which image it came from.
#include "framework/ui/platform/win32.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/core/string_list.h"
#include "framework/core/typinfo.h"
#include "framework/ui/controls/group_box.h"
#include "framework/ui/controls/page_control.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/colors.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_tab.h"
#include "skin/controls/skin_tab_set.h"
#include "skin/controls/skin_up_down.h"
#include "tests/framework/ui/gui_objects.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/controls/control_skins_test_util.h"
#include "tests/skin/core/test_skin.h"

namespace hm::test {

// A tab set as the tab-set skin reads it: by its published properties.
class TTestTabSet : public TCustomControl {
  HM_CLASS(TTestTabSet, TCustomControl)

 public:
  explicit TTestTabSet(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 200, 21); }
  TStrings* Tabs() const { return tabs_.get(); }
  int TabIndex() const { return tab_index_; }
  void SetTabIndex(int index) {
    tab_index_ = index;
    Invalidate();
  }
  int FirstIndex() const { return first_index_; }
  void SetFirstIndex(int index) { first_index_ = index; }
  int StartMargin() const { return 5; }
  int EndMargin() const { return 5; }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(clLime);  // its own look: never left showing
    Canvas().FillRect(ClientRect());
  }

 private:
  std::unique_ptr<TStringList> tabs_ = std::make_unique<TStringList>();
  int tab_index_ = 0;
  int first_index_ = 0;
};

HM_PUBLISH(TTestTabSet) {
  p.Prop("Tabs", &TTestTabSet::Tabs);
  p.Prop("TabIndex", &TTestTabSet::TabIndex, &TTestTabSet::SetTabIndex);
  p.Prop("FirstIndex", &TTestTabSet::FirstIndex, &TTestTabSet::SetFirstIndex);
  p.Prop("StartMargin", &TTestTabSet::StartMargin);
  p.Prop("EndMargin", &TTestTabSet::EndMargin);
}

namespace {

constexpr int kTabRed = 0x40;
constexpr int kBorderRed = 0x80;
constexpr int kTabWidth = 20;  // [Tabs] 5 x 20 by 20
constexpr COLORREF kShadow = RGB(90, 90, 90);
constexpr COLORREF kDkShadow = RGB(10, 20, 30);

void LoadTabSkin(TSkinData& data, bool border = true) {
  std::string ini =
      "[Colours]\nButtonFace=200 200 200\nButtonShadow=90 90 90\nButtonDkShadow=10 20 30\nButtonText=0 0 0\n"
      "[Tabs]\nImage=tabs.bmp\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=3\nTrans=0\nTile=0\n"
      "NormalColour2=255 0 0\nMouseOverColour2=0 0 255\n";
  if (border) ini += "Border=border.bmp\n";
  Load(data, TTestSkin().Ini(ini).Bitmap("tabs.bmp", 5 * kTabWidth, 20, kTabRed).Bitmap("border.bmp", 16, 16,
                                                                                           kBorderRed));
}

int CountNearIn(HWND window, const TPieceRect& r, COLORREF colour, int* min_x = nullptr, int* max_x = nullptr) {
  WindowDC dc(window);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      if (!Near(GetPixel(dc.get(), x, y), colour)) continue;
      ++n;
      if (min_x) *min_x = n == 1 ? x : std::min(*min_x, x);
      if (max_x) *max_x = n == 1 ? x : std::max(*max_x, x);
    }
  return n;
}

struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// One icon of that width, 16 high, all pure green.
UniqueImageList GreenIcons(int width) {
  UniqueImageList list(ImageList_Create(width, 16, ILC_COLOR24, 1, 1));
  std::vector<DWORD> green(static_cast<std::size_t>(width) * 16, 0x00FF00);
  UniqueGdi<HBITMAP> icon(CreateBitmap(width, 16, 1, 32, green.data()));
  if (list) ImageList_Add(list.get(), icon.get(), nullptr);
  return list;
}

struct TabSkinTest : ControlSkinsTest {
  void SetUp() override {
    ControlSkinsTest::SetUp();
    LoadTabSkin(*data);
  }
  TPageControl* Pages(TTabPosition position, int w, int h, std::vector<std::string> captions) {
    auto* pages = MakeOwned<TPageControl>(*form);
    pages->SetParent(form.get());
    pages->SetBounds(10, 10, w, h);
    pages->SetTabPosition(position);
    for (const std::string& caption : captions) {
      auto* sheet = MakeOwned<TTabSheet>(*form);
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    pages->SetActivePageIndex(0);
    form->Show();
    Pump();
    return pages;
  }
  TSkinTab* SkinOf(HWND window) {
    auto* skin = MakeOwned<TSkinTab>(*form);
    skin->InitSkinHandle(window, *data, &host, &host.ControlCanvas());
    Repaint(window);
    return skin;
  }
  static void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(2);
  }
};

TEST_F(TabSkinTest, ThePageControlsStripAndBorderComeFromTheSkinWithTheSelectedTabRaised) {
  TPageControl* pages = Pages(tpTop, 260, 160, {"邮政编码", "手机", "身份证"});
  HWND h = pages->Handle();
  TSkinTab* skin = SkinOf(h);
  ASSERT_EQ(skin->Orientation(), TTabSide::Top);
  const auto& tabs = skin->LastTabs();
  ASSERT_EQ(tabs.size(), 3u);
  EXPECT_EQ(tabs[0].frame, kTabSelected);
  EXPECT_EQ(tabs[1].frame, kTabNormal);
  EXPECT_EQ(tabs[2].frame, kTabNormal);
  for (int i = 0; i < 3; ++i) {
    // Two in and two down of the tab's top-left corner, one row lower in the strip.
    const TPieceRect& r = tabs[static_cast<std::size_t>(i)].rect;
    const COLORREF corner = PixelOf(h, r.left + 2, r.top + 1 + 2);
    EXPECT_EQ(GetRValue(corner), kTabRed) << i;
    EXPECT_EQ(GetGValue(corner), 2) << "the image as it is: row 2 at the top";
    EXPECT_EQ(GetBValue(corner), (tabs[static_cast<std::size_t>(i)].frame - 1) * kTabWidth + 2) << i;
  }
  // Texts: the selected one in MouseOverColour2, centred; the others in NormalColour2.
  int min_x = 0, max_x = 0;
  const TPieceRect first = tabs[0].rect;
  EXPECT_GT(CountNearIn(h, first, RGB(0, 0, 255), &min_x, &max_x), 10);
  EXPECT_EQ(CountNearIn(h, first, RGB(255, 0, 0)), 0);
  EXPECT_NEAR((min_x + max_x + 1) / 2.0, (first.left + first.right) / 2.0, 3.0);
  EXPECT_GT(CountNearIn(h, tabs[1].rect, RGB(255, 0, 0)), 10);
  EXPECT_EQ(CountNearIn(h, tabs[1].rect, RGB(0, 0, 255)), 0);
  // Beyond the last tab the strip is the face colour.
  EXPECT_EQ(PixelOf(h, 250, 3), kFace);
  // The page border: its left column, stretched down the page's side.
  const TPieceRect page = skin->LastPage();
  const COLORREF side = PixelOf(h, page.left + 1, (page.top + page.bottom) / 2);
  EXPECT_EQ(GetRValue(side), kBorderRed);
  EXPECT_EQ(GetBValue(side), 1);
  EXPECT_EQ(GetGValue(PixelOf(h, page.left + 8, page.top + 2)), 2) << "the border's top rows as they are";

  // Another page chosen: the frames follow the selection.
  pages->SetActivePageIndex(2);
  Repaint(h);
  EXPECT_EQ(skin->LastTabs()[0].frame, kTabNormal);
  EXPECT_EQ(skin->LastTabs()[2].frame, kTabSelected);
  EXPECT_EQ(GetBValue(PixelOf(h, tabs[2].rect.left + 2, tabs[2].rect.top + 3)), kTabWidth + 2);

  // Unskinned, the control paints its own tabs again.
  host.list.RemoveAll();
  Repaint(h);
  EXPECT_NE(GetRValue(PixelOf(h, tabs[2].rect.left + 2, tabs[2].rect.top + 3)), kTabRed);
}

TEST_F(TabSkinTest, TabsAtTheBottomUseTheUpsideDownTabsAndBorder) {
  TPageControl* pages = Pages(tpBottom, 260, 160, {"邮政编码", "手机"});
  HWND h = pages->Handle();
  TSkinTab* skin = SkinOf(h);
  ASSERT_EQ(skin->Orientation(), TTabSide::Bottom);
  ASSERT_EQ(skin->LastTabs().size(), 2u);
  const TPieceRect r = skin->LastTabs()[0].rect;
  // One pixel up in the strip; the tab's first rows are the image's last.
  const COLORREF near_page = PixelOf(h, r.left + 2, r.top - 1 + 2);
  EXPECT_EQ(GetRValue(near_page), kTabRed);
  EXPECT_EQ(GetGValue(near_page), 19 - 2);
  EXPECT_EQ(GetBValue(near_page), kTabWidth + 2) << "selected: frame 2, not mirrored";
  const TPieceRect page = skin->LastPage();
  EXPECT_LT(r.top, page.bottom + 4) << "the tabs lie below the page";
  const COLORREF page_top = PixelOf(h, page.left + 8, page.top);
  EXPECT_EQ(GetRValue(page_top), kBorderRed);
  EXPECT_EQ(GetGValue(page_top), 15) << "the border's last row on top";
  EXPECT_EQ(GetGValue(PixelOf(h, page.left + 8, page.bottom - 1)), 0);
}

TEST_F(TabSkinTest, TabsAtTheLeftAndRightLieInATurnedStripTheirTopsOutward) {
  for (TTabPosition position : {tpLeft, tpRight}) {
    TPageControl* pages = Pages(position, 200, 180, {"One", "Two"});
    HWND h = pages->Handle();
    TSkinTab* skin = SkinOf(h);
    ASSERT_EQ(skin->Orientation(), position == tpLeft ? TTabSide::Left : TTabSide::Right);
    ASSERT_FALSE(skin->LastTabs().empty());
    const TPieceRect r = skin->LastTabs()[0].rect;
    ASSERT_GT(r.Height(), r.Width()) << "the control lays its tabs down the side";
    // The tab image's second row runs down the tab's outer column.
    const int x = position == tpLeft ? r.left + 1 : r.right - 2;
    for (int y : {r.top + 8, r.top + 12}) {
      const COLORREF p = PixelOf(h, x, y);
      EXPECT_EQ(GetRValue(p), kTabRed) << static_cast<int>(position);
      EXPECT_EQ(GetGValue(p), 1) << static_cast<int>(position);
    }
    // The border is turned with them: the page's outer side shows its first rows.
    const TPieceRect page = skin->LastPage();
    const int bx = position == tpLeft ? page.left + 2 : page.right - 3;
    for (int y : {page.top + 20, page.bottom - 20}) {
      const COLORREF p = PixelOf(h, bx, y);
      EXPECT_EQ(GetRValue(p), kBorderRed) << static_cast<int>(position);
      EXPECT_EQ(GetGValue(p), 2) << static_cast<int>(position);
    }
    host.list.RemoveAll();
    form->FreeComponent(*pages);
  }
}

TEST_F(TabSkinTest, ATabIconWiderThanItsTabIsLeftOutAndOneThatFitsIsDrawn) {
  UniqueWindow tab(CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_FIXEDWIDTH, 10, 10, 220, 100,
                                   form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_NE(tab.get(), nullptr);
  HWND h = tab.get();
  SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(30, 22));
  UniqueImageList icons = GreenIcons(16);
  ASSERT_TRUE(icons);
  SendMessageW(h, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons.get()));
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  wchar_t text[] = L"";
  item.pszText = text;
  item.iImage = 0;
  SendMessageW(h, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  form->Show();
  Pump();
  TSkinTab* skin = SkinOf(h);
  ASSERT_EQ(skin->LastTabs().size(), 1u);
  const TPieceRect r = skin->LastTabs()[0].rect;
  ASSERT_GT(r.Width(), 16);
  ASSERT_LT(r.Width(), 40);
  EXPECT_GT(CountNearIn(h, r, RGB(0, 255, 0)), 16 * 10) << "a 16-pixel icon fits";
  // The same list's icons made 40 wide behind the control's back: the tab
  // keeps its width, and the icon no longer fits.
  ASSERT_TRUE(ImageList_SetIconSize(icons.get(), 40, 16));
  std::vector<DWORD> green(40 * 16, 0x00FF00);
  UniqueGdi<HBITMAP> wide(CreateBitmap(40, 16, 1, 32, green.data()));
  ASSERT_EQ(ImageList_Add(icons.get(), wide.get(), nullptr), 0);
  Repaint(h);
  ASSERT_EQ(skin->LastTabs()[0].rect, r);
  EXPECT_EQ(CountNearIn(h, TPieceRect{0, 0, r.right + 20, skin->LastPage().top}, RGB(0, 255, 0)), 0);
  tab.reset();
  EXPECT_EQ(skin->State(), kControlSkinDead);
}

TEST_F(TabSkinTest, TheScrollButtonsGetTheirOwnSkinAndStayAboveTheStrip) {
  // No WS_CLIPCHILDREN: only the skin's clipping keeps the buttons.
  UniqueWindow tab(CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 80, form->Handle(),
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
  HWND h = tab.get();
  for (int i = 0; i < 8; ++i) {
    wchar_t text[] = L"Page";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    SendMessageW(h, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  form->Show();
  Pump();
  HWND buttons = FindWindowExW(h, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(buttons, nullptr) << "eight tabs do not fit in 120 pixels";
  ASSERT_TRUE(IsWindowVisible(buttons));
  TSkinTab* skin = SkinOf(h);
  ASSERT_NE(skin->UpDown(), nullptr);
  EXPECT_EQ(skin->UpDown()->Handle(), buttons);
  EXPECT_TRUE(host.list.Contains(*skin->UpDown()));
  EXPECT_EQ(PixelOf(buttons, 0, 0), kDkShadow) << "the plain skinned buttons";
  skin->PaintSkin(nullptr);  // the strip again, the buttons not
  EXPECT_EQ(PixelOf(buttons, 0, 0), kDkShadow);
  // The buttons' skin goes with the tab's.
  host.list.RemoveAll();
  EXPECT_EQ(host.list.Count(), 0);
}

TEST_F(TabSkinTest, WithoutABorderImageTheTabsAreStillDrawnAndThePageIsLeftAlone) {
  LoadTabSkin(*data, false);
  TPageControl* pages = Pages(tpTop, 200, 120, {"One", "Two"});
  TSkinTab* skin = SkinOf(pages->Handle());
  EXPECT_TRUE(skin->BorderBitmap().Empty());
  ASSERT_FALSE(skin->LastTabs().empty());
  const TPieceRect r = skin->LastTabs()[0].rect;
  EXPECT_EQ(GetRValue(PixelOf(pages->Handle(), r.left + 2, r.top + 3)), kTabRed);
  const TPieceRect page = skin->LastPage();
  EXPECT_NE(GetRValue(PixelOf(pages->Handle(), page.left + 1, (page.top + page.bottom) / 2)), kBorderRed);
}

TEST_F(TabSkinTest, ANewSkinIsPreparedAgainAndADisabledControlGreysItsTexts) {
  TPageControl* pages = Pages(tpTop, 200, 120, {"One", "Two"});
  HWND h = pages->Handle();
  TSkinTab* skin = SkinOf(h);
  const TPieceRect r = skin->LastTabs()[0].rect;
  ASSERT_EQ(GetRValue(PixelOf(h, r.left + 2, r.top + 3)), kTabRed);
  Load(*data, TTestSkin()
                  .Ini("[Colours]\nButtonFace=200 200 200\n[Tabs]\nImage=t.bmp\nBorder=b.bmp\nTrans=0\n"
                       "NormalColour2=255 0 0\nMouseOverColour2=0 0 255\n")
                  .Bitmap("t.bmp", 5 * kTabWidth, 20, 0x20)
                  .Bitmap("b.bmp", 16, 16, 0x30));
  skin->SkinChanged();
  Repaint(h);
  EXPECT_EQ(GetRValue(PixelOf(h, r.left + 2, r.top + 3)), 0x20) << "the copies follow the skin";
  const TPieceRect page = skin->LastPage();
  EXPECT_EQ(GetRValue(PixelOf(h, page.left + 1, (page.top + page.bottom) / 2)), 0x30);

  pages->SetEnabled(false);
  Repaint(h);
  const COLORREF grey = ColorToRGB(clBtnShadow);
  EXPECT_EQ(CountNearIn(h, r, RGB(0, 0, 255)), 0) << "no selected colour while disabled";
  EXPECT_GT(CountNearIn(h, r, grey), 5);
}

TEST_F(TabSkinTest, ATabSetHangsItsTabsFromTheTopAndDrawsOnlyThoseThatFit) {
  auto* set = MakeOwned<TTestTabSet>(*form);
  set->SetParent(form.get());
  set->SetBounds(10, 10, 200, 21);
  for (const char* t : {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta", "Eta", "Theta"}) set->Tabs()->Add(t);
  set->SetTabIndex(1);
  form->Show();
  Pump();
  auto* skin = MakeOwned<TSkinTab31>(*set);
  skin->InitSkin(&host, *data, false, &host.ControlCanvas());
  TabSkinTest::Repaint(set->Handle());
  HWND h = set->Handle();
  EXPECT_GT(skin->LastDrawnCount(), 1);
  EXPECT_LT(skin->LastDrawnCount(), 8) << "eight tabs do not fit in 200 pixels";
  EXPECT_EQ(CountNearIn(h, TPieceRect{0, 0, 200, 21}, RGB(0, 255, 0)), 0) << "its own look is covered";
  // The first tab from the start margin, upside down: its top row is the image's last.
  const COLORREF top = PixelOf(h, 5 + 1, 0);
  EXPECT_EQ(GetRValue(top), kTabRed);
  EXPECT_EQ(GetGValue(top), 19);
  EXPECT_EQ(GetBValue(top), 1) << "not selected: frame 1";
  EXPECT_GT(CountNearIn(h, TPieceRect{0, 0, 200, 21}, RGB(0, 0, 255)), 5) << "the selected text";
  host.list.RemoveAll();
}

// ---- Group boxes and panels

TEST_F(TabSkinTest, ACaptionlessGroupBoxIsStillFramedAtHalfTheHeightOfZeroLessOne) {
  auto* box = MakeOwned<TGroupBox>(*form);
  box->SetParent(form.get());
  box->SetBounds(10, 10, 150, 90);
  box->SetCaption("");
  form->Show();
  Pump();
  auto* skin = MakeOwned<TSkinGroupBox>(*box);
  skin->InitSkin(&host, *data, true, &host.ControlCanvas());
  TabSkinTest::Repaint(box->Handle());
  HWND h = box->Handle();
  const int y = FontTextHeight(*box->Font()) / 2 - 1;
  ASSERT_EQ(skin->LastFrameTop(), y);
  EXPECT_EQ(PixelOf(h, 75, y), kShadow) << "the frame's top";
  for (int dy : {-1, 1, 2, 3}) EXPECT_EQ(PixelOf(h, 75, y + dy), kFace) << dy << ": the control's own frame covered";
  EXPECT_EQ(PixelOf(h, 1, 45), kShadow);
  EXPECT_EQ(PixelOf(h, 0, 45), kFace);
  EXPECT_EQ(PixelOf(h, 2, 45), kFace);
  EXPECT_EQ(PixelOf(h, 148, 45), kShadow);
  EXPECT_EQ(PixelOf(h, 75, 88), kShadow);
  EXPECT_EQ(PixelOf(h, 1, y), kFace) << "the corners are rounded";
  EXPECT_EQ(box->Color(), data->Colours().ButtonFaceColor);

  // A caption hides the frame behind it.
  box->SetCaption("Group");
  TabSkinTest::Repaint(h);
  int min_x = 0, max_x = 0;
  ASSERT_GT(CountNearIn(h, TPieceRect{0, 0, 150, y + 4}, RGB(0, 0, 0), &min_x, &max_x), 10);
  EXPECT_GE(min_x, 9);
  int line = 0;
  for (int x = min_x; x <= max_x; ++x) line += PixelOf(h, x, y) == kShadow;
  EXPECT_EQ(line, 0);
  EXPECT_EQ(PixelOf(h, max_x + 10, y), kShadow);
}

TEST_F(TabSkinTest, AWhitePanelShowsTheFaceColourWhileSkinnedAndWhiteAgainAfter) {
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  panel->SetBounds(10, 10, 120, 80);
  panel->SetColor(clWhite);
  form->Show();
  Pump();
  HWND h = panel->Handle();
  ASSERT_EQ(PixelOf(h, 60, 40), RGB(255, 255, 255));
  auto* box = MakeOwned<TSkinBox>(*panel);
  box->InitSkin(&host, *data, true, &host.ControlCanvas());
  TabSkinTest::Repaint(h);
  EXPECT_EQ(PixelOf(h, 60, 40), kFace);
  box->UnSkin();
  TabSkinTest::Repaint(h);
  EXPECT_EQ(box->State(), kControlSkinColourGiven);
  EXPECT_EQ(panel->Color(), clWhite);
  EXPECT_EQ(PixelOf(h, 60, 40), RGB(255, 255, 255));
}

TEST_F(TabSkinTest, SkinningUnskinningAndRepaintingTheseControlsLeavesTheCountsFlat) {
  TPageControl* pages = Pages(tpTop, 120, 100, {"Page one", "Page two", "Page three", "Page four"});
  auto* box = MakeOwned<TGroupBox>(*form);
  box->SetParent(form.get());
  box->SetBounds(140, 10, 120, 80);
  box->SetCaption("Group");
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form.get());
  panel->SetBounds(140, 100, 120, 80);
  panel->SetColor(clWhite);
  Pump();
  auto cycle = [&] {
    MakeOwned<TSkinTab>(*pages)->InitSkinHandle(pages->Handle(), *data, &host, &host.ControlCanvas());
    MakeOwned<TSkinGroupBox>(*box)->InitSkin(&host, *data, true, &host.ControlCanvas());
    MakeOwned<TSkinBox>(*panel)->InitSkin(&host, *data, true, &host.ControlCanvas());
    for (HWND w : {pages->Handle(), box->Handle(), panel->Handle()}) {
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    pages->SetActivePageIndex((pages->ActivePageIndex() + 1) % 4);
    host.list.RemoveAll();
    RedrawWindow(pages->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  for (int i = 0; i < 20; ++i) cycle();
  Pump();
  ASSERT_NE(FindWindowExW(pages->Handle(), nullptr, UPDOWN_CLASSW, nullptr), nullptr) << "scroll buttons in play";
  const int gdi = CountGdiObjects(), user = CountUserObjects();
  for (int i = 0; i < 2000; ++i) cycle();
  Pump();
  EXPECT_EQ(CountGdiObjects(), gdi);
  EXPECT_EQ(CountUserObjects(), user);
  EXPECT_EQ(panel->Color(), clWhite);
}

}  // namespace
}  // namespace hm::test
