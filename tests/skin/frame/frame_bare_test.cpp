// A frame skin on a bare window: a dialog of the system's class that no
// framework form stands behind, as message boxes are.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/graphics/colors.h"
#include "skin/core/skin_messages.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

// A modeless "#32770" dialog with two static texts (ids 100, 101), owned by
// `owner`.
class Dialog {
 public:
  Dialog(HWND owner, const wchar_t* caption, short width) {
    std::vector<WORD> t(512, 0);
    auto* dlg = reinterpret_cast<DLGTEMPLATE*>(t.data());
    dlg->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    dlg->cdit = 2;
    dlg->cx = width;
    dlg->cy = 60;
    WORD* p = reinterpret_cast<WORD*>(dlg + 1);
    *p++ = 0;  // no menu
    *p++ = 0;  // the dialog class
    p = Text(p, caption);
    for (WORD id = 100; id <= 101; ++id) {
      p = reinterpret_cast<WORD*>((reinterpret_cast<UINT_PTR>(p) + 3) & ~UINT_PTR{3});
      auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(p);
      item->style = WS_CHILD | WS_VISIBLE | SS_LEFT;
      item->x = 4;
      item->y = static_cast<short>(4 + (id - 100) * 14);
      item->cx = 30;
      item->cy = 10;
      item->id = id;
      p = reinterpret_cast<WORD*>(item + 1);
      *p++ = 0xFFFF;
      *p++ = 0x0082;  // static
      p = Text(p, L"Text");
      *p++ = 0;  // no creation data
    }
    window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dlg, owner, &Proc, 0);
  }
  ~Dialog() {
    if (IsWindow(window)) DestroyWindow(window);
  }
  HWND Item(int id) const { return GetDlgItem(window, id); }
  static INT_PTR CALLBACK Proc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }
  HWND window = nullptr;

 private:
  static WORD* Text(WORD* p, const wchar_t* text) {
    for (const wchar_t* c = text; *c; ++c) *p++ = static_cast<WORD>(*c);
    *p++ = 0;
    return p;
  }
};

std::uint32_t PixelOf(HDC dc, int x, int y) { return GetPixel(dc, x, y) & 0xFFFFFF; }

int ClientXOf(HWND child, HWND parent) {
  POINT p{WindowRectOf(child).left, 0};
  ScreenToClient(parent, &p);
  return p.x;
}

TEST_F(FrameTest, ABareDialogIsPaintedInTheSkinsFaceAndKeepsItsCaptionStyleAsAnOwnedWindow) {
  auto* form = ShowForm();
  TSkinData& data = DataOf(*form);
  Dialog dialog(form->Handle(), L"Box", 200);
  ASSERT_NE(dialog.window, nullptr);
  Owned<TWinSkinForm> skin = MakeRoot<TWinSkinForm>();
  skin->SetHandle(dialog.window);
  skin->Attach(data);
  EXPECT_EQ(skin->Form(), nullptr);
  EXPECT_EQ(skin->WindowClass(), "#32770");
  EXPECT_EQ(skin->BorderKind(), kBorderDialog);
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog.window, GWL_STYLE));
  EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION)) << "an owned window keeps its caption style";
  EXPECT_EQ(style & WS_SYSMENU, 0u);

  // The background and the static texts take the skin's face colour.
  TBitmap canvas(20, 20);
  HDC dc = canvas.Canvas().Handle();
  EXPECT_EQ(SendMessageW(dialog.window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(PixelOf(dc, 5, 5), ColorToRGB(data.Colours().ButtonFaceColor));
  const LRESULT brush =
      SendMessageW(dialog.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog.Item(100)));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), data.ButtonFaceBrush());
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);

  SendMessageW(dialog.window, WM_SKINSTART, 0, 1000);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  skin->Detach();
  EXPECT_NE(GetWindowLongPtrW(dialog.window, GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(FrameTest, AMessageBoxNarrowerThanItsCaptionIsWidenedAndItsControlsMoveAlong) {
  auto* form = ShowForm();
  TSkinData& data = DataOf(*form);
  Dialog dialog(form->Handle(), L"A caption much longer than this little box is wide", 40);
  const int text_x = ClientXOf(dialog.Item(100), dialog.window);
  const int text_width = Width(WindowRectOf(dialog.Item(100)));
  const int width_before = Width(WindowRectOf(dialog.window));
  Owned<TWinSkinForm> skin = MakeRoot<TWinSkinForm>();
  skin->SetHandle(dialog.window);
  skin->Attach(data);
  SendMessageW(dialog.window, WM_SKINSTART, 0, 1000);
  const int width = Width(WindowRectOf(dialog.window));
  EXPECT_GT(width, width_before);
  EXPECT_EQ(Width(ClientRectOf(dialog.window)) + 5 + 5, width) << "the skinned frame around the wider client";
  const int unwidened = Width(skin->ClientRectAtAttach()) + 5 + 5;
  EXPECT_EQ(ClientXOf(dialog.Item(100), dialog.window), text_x + (width - unwidened) / 2)
      << "moved right by half the widening";
  EXPECT_EQ(Width(WindowRectOf(dialog.Item(100))), text_width);
  EXPECT_EQ(ClientXOf(dialog.Item(101), dialog.window), text_x + (width - unwidened) / 2);
  EXPECT_EQ(GetWindow(dialog.window, GW_CHILD), dialog.Item(100)) << "the tab order stays";
}

TEST_F(FrameTest, ABareWindowsSkinDiesWithItsWindow) {
  auto* form = ShowForm();
  Dialog dialog(form->Handle(), L"Box", 120);
  Owned<TWinSkinForm> skin = MakeRoot<TWinSkinForm>();
  skin->SetHandle(dialog.window);
  skin->Attach(DataOf(*form));
  SendMessageW(dialog.window, WM_SKINSTART, 0, 1000);
  DestroyWindow(dialog.window);
  EXPECT_EQ(skin->LifeState(), kLifeDead);
  EXPECT_FALSE(skin->Subclassed());
}

}  // namespace
}  // namespace hm::test
