// The frame skin's life: attaching to a form and to a bare window, the
// caption styles, the frame it answers, the first activation, the states
// it tracks, the control skins it makes and purges, and everything it
// gives back.
#include "skin/frame/win_skin_form.h"

#include <gtest/gtest.h>

#include "framework/ui/controls/std_controls.h"
#include "framework/ui/menus/menus.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_control.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/skin_engine.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/frame/frame_test_util.h"

namespace hm::test {
namespace {

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

TEST_F(FrameTest, AFormRefusingEveryResizeGetsTheSkinnedFrameAroundTheSameClientAndStaysFixed) {
  auto* form = ShowForm<TFixedForm>();
  HWND h = form->Handle();
  const RECT client_before = ClientRectOf(h);
  TWinSkinForm* skin = Skin(*form);
  EXPECT_EQ(skin->CaptionHeight(), 25);
  EXPECT_EQ(skin->BorderLeft(), 5);
  EXPECT_EQ(skin->BorderRight(), 5);
  EXPECT_EQ(skin->BorderBottom(), 13);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  RECT window = WindowRectOf(h);
  RECT client = ClientRectOf(h);
  EXPECT_EQ(Width(client), Width(client_before));
  EXPECT_EQ(Height(client), Height(client_before));
  EXPECT_EQ(Width(window), 5 + Width(client) + 5);
  EXPECT_EQ(Height(window), 25 + Height(client) + 13);
  EXPECT_EQ(form->Width(), Width(window)) << "the form knows its new size";

  // The user still cannot resize it: neither the drag outline nor the end
  // of a drag gets another size.
  const int asked = form->resize_asked;
  RECT dragged = window;
  dragged.right += 40;
  SendMessageW(h, WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&dragged));
  EXPECT_EQ(Width(dragged), Width(window));
  SetWindowPos(h, nullptr, 0, 0, Width(window) + 40, Height(window) + 30, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(Width(WindowRectOf(h)), Width(window));
  EXPECT_GT(form->resize_asked, asked);

  // A skin change keeps the client as well.
  form->Perform(WM_SKINCHANGED);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  EXPECT_EQ(Width(ClientRectOf(h)), Width(client_before));
  EXPECT_EQ(Height(ClientRectOf(h)), Height(client_before));
}

TEST_F(FrameTest, AttachingReadsTheWindowRemovesItsCaptionAndWaitsForTheFirstActivation) {
  auto* form = ShowForm();
  form->SetCaption("Frame test");
  HWND h = form->Handle();
  const RECT window_before = WindowRectOf(h);
  const RECT client_before = ClientRectOf(h);
  const int layers = form->WindowProc().LayerCount();
  TWinSkinForm* skin = Skin(*form, false);
  EXPECT_EQ(skin->LifeState(), kLifeCreated);
  EXPECT_TRUE(skin->FrameSkinned());
  EXPECT_TRUE(skin->Subclassed());
  EXPECT_EQ(form->WindowProc().LayerCount(), layers + 1) << "the form hook";
  EXPECT_EQ(skin->CaptionText(), "Frame test");
  EXPECT_EQ(skin->Features(), kFeatureSystemMenu | kFeatureMinimize | kFeatureMaximize | kFeatureCaptionRemoved);
  EXPECT_EQ(skin->BorderKind(), kBorderSizable);
  EXPECT_EQ(skin->FormKind(), kFormOrdinary);
  EXPECT_EQ(skin->WindowState(), kWindowNormal);
  EXPECT_EQ(Width(skin->StandardFrameSize()), Width(window_before) - Width(client_before));
  EXPECT_EQ(Height(skin->StandardFrameSize()), Height(window_before) - Height(client_before));
  EXPECT_EQ(StyleOf(h) & WS_CAPTION, 0u);
  EXPECT_EQ(form->Color(), DataOf(*form).Colours().ButtonFaceColor);
  EXPECT_EQ(skin->FormColorBackup(), clBtnFace);
  EXPECT_EQ(SendMessageW(h, WM_SKINQUERY, 0, 0), 1);
  EXPECT_EQ(Width(WindowRectOf(h)), Width(window_before)) << "no resize before the first activation";

  // A second request changes nothing.
  skin->AttachForm(DataOf(*form), *form);
  EXPECT_EQ(form->WindowProc().LayerCount(), layers + 1);
  EXPECT_EQ(skin->FormColorBackup(), clBtnFace);

  PostMessageW(h, WM_SKINSTART, 0, 1000);
  Pump();
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  EXPECT_TRUE(skin->RegionSet());
  EXPECT_EQ(Width(ClientRectOf(h)), Width(client_before));
}

TEST_F(FrameTest, BorderKindsFollowTheStylesAndAPopupWithoutCaptionKeepsTheSystemFrame) {
  EXPECT_EQ(Skin(*ShowForm(bsSingle))->BorderKind(), kBorderFixed);
  EXPECT_EQ(Skin(*ShowForm(bsDialog))->BorderKind(), kBorderDialog);
  auto* popup = ShowForm(bsNone);
  const RECT before = WindowRectOf(popup->Handle());
  TWinSkinForm* skin = Skin(*popup);
  EXPECT_EQ(skin->BorderKind(), kBorderNone);
  EXPECT_EQ(skin->CaptionHeight() + skin->BorderLeft() + skin->BorderBottom(), 0);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  EXPECT_EQ(Width(WindowRectOf(popup->Handle())), Width(before));
  EXPECT_EQ(Width(ClientRectOf(popup->Handle())), Width(before)) << "no frame at all";

  // The non-client size and painting are the system's: the client is the
  // whole proposed window, and no frame is painted, not even on activation.
  HWND h = popup->Handle();
  NCCALCSIZE_PARAMS params{};
  WINDOWPOS pos{h, nullptr, 40, 40, 300, 200, 0};
  params.rgrc[0] = params.rgrc[1] = params.rgrc[2] = RECT{40, 40, 340, 240};
  params.lppos = &pos;
  EXPECT_EQ(SendMessageW(h, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)), WVR_VALIDRECTS);
  EXPECT_EQ(params.rgrc[0].left, 40);
  EXPECT_EQ(params.rgrc[0].top, 40);
  EXPECT_EQ(params.rgrc[0].right, 340);
  EXPECT_EQ(params.rgrc[0].bottom, 240);
  EXPECT_TRUE(EqualRect(&params.rgrc[1], &params.rgrc[0]));
  const int paints = skin->FramePaints();
  SendMessageW(h, WM_NCPAINT, 1, 0);
  SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(skin->FramePaints(), paints);
  EXPECT_TRUE(skin->CaptionCache().Empty());

  // A framed window answers with its skinned borders instead.
  auto* framed = ShowForm(bsSingle);
  Skin(*framed);
  NCCALCSIZE_PARAMS framed_params = params;
  framed_params.rgrc[0] = framed_params.rgrc[1] = framed_params.rgrc[2] = RECT{40, 40, 340, 240};
  pos.hwnd = framed->Handle();
  framed_params.lppos = &pos;
  SendMessageW(framed->Handle(), WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&framed_params));
  EXPECT_EQ(framed_params.rgrc[0].left, 45);
  EXPECT_EQ(framed_params.rgrc[0].top, 65);
  EXPECT_EQ(framed_params.rgrc[0].right, 335);
  EXPECT_EQ(framed_params.rgrc[0].bottom, 227);
}

TEST_F(FrameTest, WithoutMainMenuInTheSkinOnlyColoursAndControlSkinsChange) {
  auto* form = ShowForm();
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form);
  panel->SetColor(clWhite);
  TSkinData& data = DataOf(*form);
  TSkinControlTypes controls = data.SkinControls();
  controls.Exclude(xcMainMenu);
  data.SetSkinControls(controls);
  HWND h = form->Handle();
  const RECT window = WindowRectOf(h);
  const DWORD style = StyleOf(h);
  const int layers = form->WindowProc().LayerCount();
  TWinSkinForm* skin = Skin(*form);
  EXPECT_FALSE(skin->FrameSkinned());
  EXPECT_EQ(StyleOf(h), style);
  EXPECT_EQ(form->WindowProc().LayerCount(), layers) << "no form hook";
  EXPECT_EQ(WindowRectOf(h).right, window.right);
  EXPECT_EQ(Width(ClientRectOf(h)), Width(window) - Width(skin->StandardFrameSize()));
  EXPECT_FALSE(skin->RegionSet());
  EXPECT_EQ(form->Color(), data.Colours().ButtonFaceColor);
  EXPECT_EQ(panel->Color(), data.Colours().ButtonFaceColor);
  ASSERT_EQ(skin->ControlSkins().Count(), 1);
  EXPECT_TRUE(skin->ControlSkins().Items()[0]->InheritsFrom("TSkinBox"));
  // The system still answers the frame.
  const POINT title{window.left + 60, window.top + 8};
  EXPECT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(title.x, title.y)), HTCAPTION);

  skin->Detach();
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(panel->Color(), clWhite);
  EXPECT_EQ(panel->ComponentCount(), 0) << "its skin was freed";
  EXPECT_FALSE(skin->Subclassed());
}

// A child window of our own that records what reaches its procedure.
struct ChildWindow {
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_SKINSTART) ++starts;
    if (msg == WM_NCHITTEST) return HTBORDER;
    return DefWindowProcW(h, msg, w, l);
  }
  explicit ChildWindow(HWND parent) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FrameTestChild";
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, L"FrameTestChild", L"child", WS_CHILD | WS_VISIBLE | WS_CAPTION, 10, 10, 150, 100,
                             parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~ChildWindow() { DestroyWindow(window); }
  static inline int starts = 0;
  HWND window;
};

TEST_F(FrameTest, AChildWindowThatIsNoMdiChildKeepsEverythingAfterTheFirstStage) {
  auto* form = ShowForm();
  ChildWindow child(form->Handle());
  ChildWindow::starts = 0;
  const RECT window = WindowRectOf(child.window);
  const RECT client = ClientRectOf(child.window);
  Owned<TWinSkinForm> skin = MakeRoot<TWinSkinForm>();
  skin->SetHandle(child.window);
  skin->Attach(DataOf(*form));
  SendMessageW(child.window, WM_SKINSTART, 0, 1000);
  EXPECT_EQ(ChildWindow::starts, 1) << "the first activation is the window's own message here";
  EXPECT_EQ(skin->LifeState(), kLifeCreated);
  EXPECT_EQ(SendMessageW(child.window, WM_NCHITTEST, 0, MAKELPARAM(window.left + 20, window.top + 10)), HTBORDER);
  SetWindowPos(child.window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(Width(WindowRectOf(child.window)), Width(window));
  EXPECT_GT(Height(ClientRectOf(child.window)), Height(client));
  EXPECT_EQ(Height(ClientRectOf(child.window)), Height(window))
      << "the system's frame (nothing, once the caption is removed), not the skin's";
  EXPECT_EQ(SendMessageW(child.window, WM_SKINQUERY, 0, 0), 1) << "the first stage answers still";
  skin.reset();
  EXPECT_EQ(SendMessageW(child.window, WM_SKINQUERY, 0, 0), 0);
}

TEST_F(FrameTest, EverySizeNotificationReachesTheReplacedProcedureOnce) {
  auto* form = ShowForm();
  int below = 0, above = 0;
  TLayerToken counting = form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_SIZE) ++below;
    next(m);
  });
  TWinSkinForm* skin = Skin(*form);
  TSubclass outer(form->Handle(), [&](TMessage& m, TSubclass& self) {
    if (m.Msg == WM_SIZE) ++above;
    self.CallPrevious(m);
  });
  below = above = 0;
  for (int i = 1; i <= 3; ++i)
    SetWindowPos(form->Handle(), nullptr, 0, 0, 300 + 10 * i, 220 + 7 * i, SWP_NOMOVE | SWP_NOZORDER);
  ShowWindow(form->Handle(), SW_MAXIMIZE);
  EXPECT_EQ(skin->WindowState(), kWindowMaximized);
  ShowWindow(form->Handle(), SW_RESTORE);
  EXPECT_EQ(skin->WindowState(), kWindowNormal);
  Pump();
  EXPECT_GE(above, 5);
  EXPECT_EQ(below, above);
}

TEST_F(FrameTest, ASizableWindowTracksUpToTheMaximizedSizeAndAMinimizedOneGetsItsCaptionBack) {
  auto* form = ShowForm();
  TWinSkinForm* skin = Skin(*form);
  MINMAXINFO info{};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXMAXIMIZED));
  EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYMAXIMIZED));
  auto* fixed = ShowForm(bsSingle);
  Skin(*fixed);
  MINMAXINFO fixed_info{};
  SendMessageW(fixed->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&fixed_info));
  EXPECT_NE(fixed_info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXMAXIMIZED)) << "only sizable windows";

  ShowWindow(form->Handle(), SW_MINIMIZE);
  Pump();
  EXPECT_EQ(skin->WindowState(), kWindowMinimized);
  EXPECT_EQ(StyleOf(form->Handle()) & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  EXPECT_EQ(skin->WindowState(), kWindowNormal);
  EXPECT_EQ(StyleOf(form->Handle()) & WS_CAPTION, 0u);
}

TEST_F(FrameTest, DestroyingTheWindowIsState4DuringItsLastMessageAnd6AfterwardsTouchingNothing) {
  auto* form = ShowForm();
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form);
  panel->SetColor(clWhite);
  TWinSkinForm* skin = Skin(*form);
  const TColor face = DataOf(*form).Colours().ButtonFaceColor;
  int state_inside = -1;
  DWORD style_inside = 0;
  TColor colour_inside = clNone, panel_inside = clNone;
  RECT rect_inside{};
  TLayerToken watch = form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_NCDESTROY) {
      state_inside = skin->LifeState();
      style_inside = StyleOf(form->Handle());
      colour_inside = form->Color();
      panel_inside = panel->Color();
      rect_inside = WindowRectOf(form->Handle());
    }
    next(m);
  });
  const RECT rect = WindowRectOf(form->Handle());
  form->RecreateWnd();
  EXPECT_EQ(state_inside, kLifeDestroying);
  EXPECT_EQ(style_inside & WS_CAPTION, 0u) << "the caption is not given back to a dying window";
  EXPECT_EQ(colour_inside, face);
  EXPECT_EQ(Width(rect_inside), Width(rect));
  EXPECT_EQ(panel_inside, clWhite) << "control skins go before the window's last message";
  EXPECT_EQ(skin->LifeState(), kLifeDead);
  EXPECT_FALSE(skin->Subclassed());
  EXPECT_FALSE(skin->FormHooked());
  EXPECT_EQ(skin->ControlSkins().Count(), 0);
  EXPECT_EQ(form->Color(), face) << "nor its colour";
  EXPECT_EQ(SendMessageW(form->Handle(), WM_SKINQUERY, 0, 0), 0) << "the new window is not skinned";
}

TEST_F(FrameTest, DetachGivesBackCaptionStylesNativeMenuColourStandardFrameSizeAndRegion) {
  auto* form = ShowForm<TFixedForm>();
  auto* menu = MakeOwned<TMainMenu>(*form);
  auto* item = MakeOwned<TMenuItem>(*form);
  item->SetCaption("&File");
  menu->Items()->Add(item);
  form->SetMenu(menu);
  Pump();
  HWND h = form->Handle();
  const DWORD style = StyleOf(h);
  const HMENU native = GetMenu(h);
  ASSERT_NE(native, nullptr);
  const RECT window = WindowRectOf(h);
  const RECT client = ClientRectOf(h);
  TWinSkinForm* skin = Skin(*form);
  EXPECT_EQ(skin->NativeMenu(), native);
  EXPECT_NE(Height(WindowRectOf(h)), Height(window));
  EXPECT_TRUE(skin->RegionSet());

  skin->Detach();
  EXPECT_EQ(StyleOf(h), style);
  EXPECT_EQ(GetMenu(h), native);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(WindowRectOf(h).left, window.left);
  EXPECT_EQ(Width(WindowRectOf(h)), Width(window));
  EXPECT_EQ(Height(WindowRectOf(h)), Height(window));
  EXPECT_EQ(Height(ClientRectOf(h)), Height(client));
  UniqueGdi<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(h, region.get()), ERROR) << "no region any more";
  EXPECT_FALSE(skin->RegionSet());
  EXPECT_FALSE(skin->Subclassed());
  EXPECT_FALSE(skin->FormHooked());
  EXPECT_EQ(SendMessageW(h, WM_SKINQUERY, 0, 0), 0);
}

TEST_F(FrameTest, DetachBeforeTheFirstActivationOnlyGivesTheStylesBack) {
  auto* form = ShowForm();
  const RECT window = WindowRectOf(form->Handle());
  const DWORD style = StyleOf(form->Handle());
  TWinSkinForm* skin = Skin(*form, false);
  skin->Detach();
  EXPECT_EQ(StyleOf(form->Handle()), style);
  EXPECT_EQ(Width(WindowRectOf(form->Handle())), Width(window));
  EXPECT_EQ(Height(WindowRectOf(form->Handle())), Height(window));
}

// A control skin the application hands over through OnSkinControl.
class THandedSkin : public TSkinControl {
 public:
  explicit THandedSkin(TComponent* owner) : TSkinControl(owner) { ++made; }
  ~THandedSkin() override { ++freed; }
  static inline int made = 0;
  static inline int freed = 0;
};

TEST_F(FrameTest, ControlSkinsAreMadeByTheChoiceAndDeadOnesGoAtTheNextPurge) {
  auto* form = ShowForm();
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form);
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form);
  TSkinData& data = DataOf(*form);
  THandedSkin::made = THandedSkin::freed = 0;
  data.OnSkinControl = [button](TComponent*, TSkinData*, TControl*, TControl* control, const std::string&,
                                TComponent*& skinned) {
    if (control == button) skinned = new THandedSkin(button);  // the button frees it
  };
  TWinSkinForm* skin = Skin(*form);
  ASSERT_EQ(skin->ControlSkins().Count(), 2);
  EXPECT_EQ(THandedSkin::made, 1);
  auto* handed = dynamic_cast<THandedSkin*>(skin->ControlSkins().Items()[1]);
  ASSERT_NE(handed, nullptr);
  EXPECT_TRUE(handed->Hooked());
  EXPECT_EQ(handed->FormSkin(), skin);
  EXPECT_EQ(handed->Canvas(), &skin->ControlCanvas());

  button->RecreateWnd();
  EXPECT_EQ(handed->State(), kControlSkinDead);
  EXPECT_EQ(THandedSkin::freed, 0) << "not at once";
  EXPECT_EQ(skin->ControlSkins().Count(), 2);
  skin->SkinControls();  // purges, then offers the components again
  EXPECT_EQ(THandedSkin::freed, 1);
  EXPECT_EQ(THandedSkin::made, 2) << "the button's new window is skinned anew";
  ASSERT_EQ(skin->ControlSkins().Count(), 2);
  EXPECT_EQ(panel->ComponentCount(), 1) << "the panel keeps its one box";

  skin->Detach();
  EXPECT_EQ(THandedSkin::freed, 2);
  EXPECT_EQ(skin->ControlSkins().Count(), 0);
}

TEST_F(FrameTest, AControlTheSkinsCannotTakeKeepsItsLookAndTheOthersAreStillSkinned) {
  auto* form = ShowForm();
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form);
  auto* panel = MakeOwned<TPanel>(*form);
  panel->SetParent(form);
  DataOf(*form).OnSkinControl = [button](TComponent*, TSkinData*, TControl*, TControl* control, const std::string&,
                                         TComponent*&) {
    if (control == button) throw std::runtime_error("no skin for this one");
  };
  TWinSkinForm* skin = Skin(*form);
  EXPECT_EQ(skin->LifeState(), kLifeActive);
  ASSERT_EQ(skin->ControlSkins().Count(), 1);
  EXPECT_EQ(skin->ControlSkins().Items()[0]->Control(), panel);
}

TEST_F(FrameTest, TheFormsChainCarriesTitleChangesAndSkinChanges) {
  auto* form = ShowForm();
  int seen_below = 0;
  TLayerToken watch = form->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == WM_SKINCHANGED) ++seen_below;
    next(m);
  });
  TWinSkinForm* skin = Skin(*form);
  const RECT client = ClientRectOf(form->Handle());
  form->SetCaption("Another title");
  EXPECT_EQ(skin->CaptionText(), "Another title");
  EXPECT_EQ(Width(ClientRectOf(form->Handle())), Width(client));
  form->SetColor(clRed);
  form->Perform(WM_SKINCHANGED);
  EXPECT_EQ(seen_below, 0) << "the form itself never sees it";
  EXPECT_EQ(form->Color(), DataOf(*form).Colours().ButtonFaceColor);
}

// Records whether it was destroyed while a click handler still ran.
class TWatchedFrame : public TWinSkinForm {
 public:
  using TWinSkinForm::TWinSkinForm;
  ~TWatchedFrame() override { *destroyed = *inside_click ? 1 : 2; }
  int* destroyed = nullptr;
  bool* inside_click = nullptr;
};

TEST_F(FrameTest, AFormFreedByAClickGoesWithItsFrameSkinOnceTheClickIsOver) {
  auto* form = ShowForm();
  auto* button = MakeOwned<TButton>(*form);
  button->SetParent(form);
  int destroyed = 0;
  bool inside_click = false;
  auto* skin = MakeOwned<TWatchedFrame>(*form);
  skin->destroyed = &destroyed;
  skin->inside_click = &inside_click;
  skin->SetHandle(form->Handle());
  skin->AttachForm(DataOf(*form), *form);
  SendMessageW(form->Handle(), WM_SKINSTART, 0, 1000);
  button->OnClick = [&](TObject*) {
    inside_click = true;
    forms.back().reset();
    inside_click = false;
  };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(destroyed, 2) << "freed after the window's message returned, not inside it";
}

TSkinManage* g_seen_manager = nullptr;
int g_skinned_boxes = 0;

void CALLBACK CountTheSkinnedBoxAndCloseIt(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND box = FindWindowW(L"#32770", L"caption");
  if (SendMessageW(box, WM_SKINQUERY, 0, 0) == 1 && g_seen_manager->FindFormSkin(box)) ++g_skinned_boxes;
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(FrameTest, TheManagerSkinsItsFormsAndFreesBareWindowsSkinsOnceTheyAreGone) {
  Owned<TFixedForm> form = ShowFormSkinnedByTheManager();
  TSkinManage& manager = SkinManager();
  auto* skin = dynamic_cast<TWinSkinForm*>(manager.FindFormSkin(form->Handle()));
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Owner(), form.get());
  EXPECT_EQ(skin->LifeState(), kLifeActive) << "WM_SKINSTART arrived";
  EXPECT_EQ(Height(WindowRectOf(form->Handle())), 25 + Height(ClientRectOf(form->Handle())) + 13);

  // A message box the program shows: a bare window, skinned while it is up.
  g_seen_manager = &manager;
  g_skinned_boxes = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, &CountTheSkinnedBoxAndCloseIt);
  ASSERT_NE(timer, 0u);
  MessageBoxW(form->Handle(), L"text", L"caption", MB_OK);
  EXPECT_EQ(g_skinned_boxes, 1);
  EXPECT_EQ(manager.FormSkinCount(), 2) << "the box's skin waits for the purge";
  manager.PurgeFormSkins();
  EXPECT_EQ(manager.FormSkinCount(), 1);

  form.reset();
  EXPECT_EQ(manager.FormSkinCount(), 0) << "a form's skin goes with it";
  DestroySkinManager();
  RegisterFrameSkins(SkinManager());
}

}  // namespace
}  // namespace hm::test
