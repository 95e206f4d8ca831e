// The control-skin base on real controls and windows: one hook however
// often it is attached, messages it keeps from the control, the dead state
// after the window goes and the purge that frees it, giving the colour
// back, layers removed in either order, painting that never fails outward,
// a control freed inside its own message, and properties by name.
#include "skin/controls/skin_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/typinfo.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/error_sink.h"
#include "framework/ui/platform/handles.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_skin_list.h"
#include "skin/controls/skin_box.h"
#include "skin/core/win_skin_data.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm::test {
namespace {

constexpr UINT kKept = WM_APP + 5;  // the recording skin keeps it from the control
constexpr UINT kProbe = WM_APP + 6;

// What a frame skin is to its control skins.
class TFakeHost : public IControlSkinHost {
 public:
  TCanvas& ControlCanvas() override { return canvas_; }
  TSkinControl* HotNativeButton() const override { return hot; }
  void SetHotNativeButton(TSkinControl* button) override { hot = button; }
  void ListControlSkin(TSkinControl& skin) override { list.Add(skin); }
  void UnlistControlSkin(TSkinControl& skin) override {
    list.Remove(skin);
    if (hot == &skin) hot = nullptr;
  }
  ~TFakeHost() { list.RemoveAll(); }

  TControlSkinList list;
  TSkinControl* hot = nullptr;

 private:
  TCanvas canvas_;
};

class TRecordingSkin : public TSkinControl {
 public:
  explicit TRecordingSkin(TComponent* owner) : TSkinControl(owner) {}
  ~TRecordingSkin() override {
    if (alive) *alive = false;
  }
  bool BeforeMessage(TMessage& m) override {
    if (log) log->push_back("before " + std::to_string(m.Msg));
    if (m.Msg == kKept) {
      m.Result = 42;
      return false;
    }
    return TSkinControl::BeforeMessage(m);
  }
  void AfterMessage(TMessage& m) override {
    if (log) log->push_back("after " + std::to_string(m.Msg));
    TSkinControl::AfterMessage(m);
  }
  void DrawSkin(HDC, const RECT& rect) override {
    ++draws;
    last_rect = rect;
    if (throw_in_draw) throw std::runtime_error("no paint");
  }
  void UnSkin() override {
    ++unskins;
    if (log) log->push_back("unskin");
    TSkinControl::UnSkin();
  }

  std::vector<std::string>* log = nullptr;
  bool* alive = nullptr;
  int draws = 0;
  int unskins = 0;
  RECT last_rect{};
  bool throw_in_draw = false;
};

struct ControlSkinTest : ::testing::Test {
  static void SetUpTestSuite() { Application().Initialize(); }
  void SetUp() override {
    form = MakeRoot<TForm>();
    form->SetBounds(30, 30, 300, 200);
    data = MakeOwned<TSkinData>(*form);  // not loaded: the default colours
    panel = MakeOwned<TPanel>(*form);
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 120, 80);
    button = MakeOwned<TButton>(*form);
    button->SetParent(form.get());
    button->SetBounds(150, 10, 80, 25);
    button->SetCaption("&Go");
    form->Show();
    Pump();
  }
  void TearDown() override {
    host.list.RemoveAll();
    form.reset();
  }
  TRecordingSkin* SkinOn(TControl& control) {
    auto* skin = MakeOwned<TRecordingSkin>(control);
    skin->log = &log;
    return skin;
  }
  int CountOf(const std::string& entry) const {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
  }

  TFakeHost host;
  Owned<TForm> form;
  TSkinData* data = nullptr;
  TPanel* panel = nullptr;
  TButton* button = nullptr;
  std::vector<std::string> log;
};

TEST_F(ControlSkinTest, AttachingTwiceLeavesOneLayerAndOneListEntry) {
  const int layers = button->WindowProc().LayerCount();
  TRecordingSkin* skin = SkinOn(*button);
  EXPECT_EQ(skin->State(), kControlSkinCreated);
  skin->InitSkin(&host, *data, false, &host.ControlCanvas());
  skin->InitSkin(&host, *data, true, &host.ControlCanvas());
  EXPECT_EQ(button->WindowProc().LayerCount(), layers + 1);
  EXPECT_EQ(host.list.Count(), 1);
  EXPECT_FALSE(skin->Recolor()) << "the second request was ignored";
  EXPECT_EQ(skin->State(), kControlSkinAttached);
  EXPECT_EQ(skin->Handle(), button->Handle());
  EXPECT_EQ(skin->Control(), button);
  EXPECT_EQ(skin->Caption(), "&Go");
  EXPECT_TRUE(skin->Enabled());
  EXPECT_TRUE(button->DoubleBuffered());
  // Listing it again by hand keeps one entry too.
  host.ListControlSkin(*skin);
  EXPECT_EQ(host.list.Count(), 1);

  // Freed: unhooked, unlisted, double buffering as it was, no stale hot button.
  host.SetHotNativeButton(skin);
  button->FreeComponent(*skin);
  EXPECT_EQ(button->WindowProc().LayerCount(), layers);
  EXPECT_EQ(host.list.Count(), 0);
  EXPECT_EQ(host.hot, nullptr);
  EXPECT_FALSE(button->DoubleBuffered());
}

TEST_F(ControlSkinTest, AMessageBeforeMessageKeepsNeverReachesTheControl) {
  int below = 0;
  TLayerToken probe = button->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
    if (m.Msg == kKept || m.Msg == kProbe) ++below;
    next(m);
  });
  TRecordingSkin* skin = SkinOn(*button);
  skin->InitSkin(&host, *data, false, nullptr);
  EXPECT_EQ(SendMessageW(button->Handle(), kKept, 0, 0), 42);
  EXPECT_EQ(button->Perform(kKept), 42);
  EXPECT_EQ(below, 0);
  EXPECT_EQ(CountOf("after " + std::to_string(kKept)), 0);
  SendMessageW(button->Handle(), kProbe, 0, 0);
  EXPECT_EQ(below, 1);
  EXPECT_EQ(CountOf("after " + std::to_string(kProbe)), 1);
}

// A native window that counts what reaches its own procedure.
struct NativeWindow {
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    if (msg == kKept || msg == kProbe) ++reached;
    return DefWindowProcW(h, msg, w, l);
  }
  NativeWindow(HWND parent) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinControlTestNative";
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, L"SkinControlTestNative", L"native", WS_CHILD | WS_VISIBLE, 5, 120, 60, 30, parent,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~NativeWindow() {
    if (IsWindow(window)) DestroyWindow(window);
  }
  static inline int reached = 0;
  HWND window;
};

// Paints the whole window itself: WM_PAINT never reaches the window.
class TSelfPaintingSkin : public TRecordingSkin {
 public:
  using TRecordingSkin::TRecordingSkin;
  bool BeforeMessage(TMessage& m) override {
    if (m.Msg != WM_PAINT) return TRecordingSkin::BeforeMessage(m);
    PaintOnWmPaint(m);
    return false;
  }
};

TEST_F(ControlSkinTest, ASkinThatPaintsEverythingEndsThePaintItBegan) {
  NativeWindow native(form->Handle());
  auto* skin = MakeOwned<TSelfPaintingSkin>(*form);
  skin->InitSkinHandle(native.window, *data, &host, nullptr);
  InvalidateRect(native.window, nullptr, TRUE);
  UpdateWindow(native.window);
  EXPECT_EQ(skin->draws, 1);
  EXPECT_EQ(skin->last_rect.right, 60);
  EXPECT_FALSE(GetUpdateRect(native.window, nullptr, FALSE)) << "the paint was ended: nothing left to paint";
  UpdateWindow(native.window);
  EXPECT_EQ(skin->draws, 1);
}

TEST_F(ControlSkinTest, ABareWindowIsSubclassedAndKeptMessagesNeverReachIt) {
  NativeWindow native(form->Handle());
  NativeWindow::reached = 0;
  auto* skin = MakeOwned<TRecordingSkin>(*form);
  skin->log = &log;
  skin->InitSkinHandle(native.window, *data, &host, nullptr);
  skin->InitSkinHandle(native.window, *data, &host, nullptr);
  EXPECT_EQ(GetWindowTextLengthW(native.window), 6) << "messages pass while it attaches";
  EXPECT_EQ(host.list.Count(), 1);
  EXPECT_EQ(skin->Caption(), "native");
  EXPECT_EQ(skin->Control(), nullptr);
  EXPECT_EQ(SendMessageW(native.window, kKept, 0, 0), 42);
  EXPECT_EQ(NativeWindow::reached, 0);
  SendMessageW(native.window, kProbe, 0, 0);
  EXPECT_EQ(NativeWindow::reached, 1);
  SetWindowTextW(native.window, L"renamed");
  EXPECT_EQ(skin->Caption(), "renamed");
  // A paint draws the whole window at 0,0.
  InvalidateRect(native.window, nullptr, TRUE);
  UpdateWindow(native.window);
  EXPECT_GE(skin->draws, 1);
  EXPECT_EQ(skin->last_rect.left, 0);
  EXPECT_EQ(skin->last_rect.right, 60);
  EXPECT_EQ(skin->last_rect.bottom, 30);
}

TEST_F(ControlSkinTest, ADestroyedWindowLeavesTheSkinDeadUntilThePurgeFreesIt) {
  bool alive = true;
  TRecordingSkin* skin = SkinOn(*button);
  skin->alive = &alive;
  button->SetColor(clWhite);
  skin->InitSkin(&host, *data, true, nullptr);
  EXPECT_EQ(button->Color(), data->Colours().ButtonFaceColor);
  const int layers = button->WindowProc().LayerCount();
  button->RecreateWnd();  // the old window is destroyed, a new one made
  EXPECT_EQ(skin->State(), kControlSkinDead);
  EXPECT_TRUE(alive) << "not freed at once";
  EXPECT_EQ(host.list.Count(), 1);
  EXPECT_EQ(button->Color(), clWhite) << "the colour went back with the window";
  EXPECT_EQ(button->WindowProc().LayerCount(), layers - 1) << "a dead skin hooks nothing";
  const int draws = skin->draws;
  InvalidateRect(button->Handle(), nullptr, TRUE);
  UpdateWindow(button->Handle());
  EXPECT_EQ(skin->draws, draws) << "the new window is not painted by the dead skin";

  host.list.PurgeDead();
  EXPECT_FALSE(alive);
  EXPECT_EQ(host.list.Count(), 0);
}

TEST_F(ControlSkinTest, RemovingAllGivesBackWhatLiveSkinsChangedAndFreesEveryOne) {
  bool first_alive = true, second_alive = true;
  TRecordingSkin* first = SkinOn(*button);
  first->alive = &first_alive;
  first->InitSkin(&host, *data, false, nullptr);
  TRecordingSkin* second = SkinOn(*panel);
  second->alive = &second_alive;
  second->InitSkin(&host, *data, false, nullptr);
  button->RecreateWnd();  // the first is dead now
  EXPECT_EQ(first->unskins, 1) << "its colour went back with the window";
  host.list.RemoveAll();
  EXPECT_FALSE(first_alive);
  EXPECT_FALSE(second_alive);
  EXPECT_EQ(host.list.Count(), 0);
  EXPECT_EQ(CountOf("unskin"), 2) << "once at the window's end, once for the live one";
}

TEST_F(ControlSkinTest, APanelBoxTakesTheFaceColourWithoutAHookAndGivesItBack) {
  const int layers = panel->WindowProc().LayerCount();
  form->SetColor(clWhite);
  panel->SetParentColor(true);
  ASSERT_EQ(panel->Color(), clWhite);
  auto* box = MakeOwned<TSkinBox>(*panel);
  box->InitSkin(&host, *data, true, nullptr);
  EXPECT_EQ(panel->WindowProc().LayerCount(), layers);
  EXPECT_EQ(box->Handle(), panel->Handle());
  EXPECT_EQ(panel->Color(), data->Colours().ButtonFaceColor);
  panel->SetColor(clRed);
  box->SkinChanged();  // a new skin: its face colour again
  EXPECT_EQ(panel->Color(), data->Colours().ButtonFaceColor);
  box->UnSkin();
  EXPECT_EQ(box->State(), kControlSkinColourGiven);
  EXPECT_TRUE(panel->ParentColor()) << "it follows its parent again";
  form->SetColor(clYellow);
  EXPECT_EQ(panel->Color(), clYellow);
}

TEST_F(ControlSkinTest, TheSkinAndAnotherLayerGoInEitherOrder) {
  for (int order = 0; order < 2; ++order) {
    const int layers = button->WindowProc().LayerCount();
    int seen_above = 0;
    TRecordingSkin* skin = SkinOn(*button);
    skin->InitSkin(&host, *data, false, nullptr);
    TLayerToken above = button->WindowProc().Insert([&](TMessage& m, const TCallNext& next) {
      if (m.Msg == kProbe) ++seen_above;
      next(m);
    });
    log.clear();
    if (order == 0) {
      button->FreeComponent(*skin);
      SendMessageW(button->Handle(), kProbe, 0, 0);
      EXPECT_EQ(seen_above, 1);
      above.Remove();
    } else {
      above.Remove();
      SendMessageW(button->Handle(), kProbe, 0, 0);
      EXPECT_EQ(CountOf("after " + std::to_string(kProbe)), 1);
      button->FreeComponent(*skin);
    }
    EXPECT_EQ(button->WindowProc().LayerCount(), layers) << order;
    EXPECT_EQ(SendMessageW(button->Handle(), WM_GETTEXTLENGTH, 0, 0), 3) << "the button still answers";
  }
}

TEST_F(ControlSkinTest, DrawingFailuresStayInsideThePaint) {
  static int reported = 0;
  reported = 0;
  SetErrorSink([]() noexcept { ++reported; });
  TRecordingSkin* skin = SkinOn(*panel);
  skin->throw_in_draw = true;
  skin->InitSkin(&host, *data, false, nullptr);
  InvalidateRect(panel->Handle(), nullptr, TRUE);
  UpdateWindow(panel->Handle());
  skin->PaintSkin(nullptr);
  EXPECT_GE(skin->draws, 2);
  EXPECT_EQ(reported, 0);
  SetErrorSink(nullptr);
  Application().Initialize();
}

TEST_F(ControlSkinTest, AControlFreedInsideItsOwnClickTakesItsSkinWithoutAnAfterLook) {
  bool alive = true;
  TRecordingSkin* skin = SkinOn(*button);
  skin->alive = &alive;
  skin->InitSkin(&host, *data, false, nullptr);
  button->OnClick = [this](TObject*) { form->FreeComponent(*button); };
  log.clear();
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Pump(2);
  EXPECT_FALSE(alive);
  EXPECT_EQ(host.list.Count(), 0);
  EXPECT_EQ(CountOf("before " + std::to_string(CN_COMMAND)), 1);
  EXPECT_EQ(CountOf("after " + std::to_string(CN_COMMAND)), 0);
  button = nullptr;
}

TEST_F(ControlSkinTest, ImageAndTextSitSideBySideAndAnImageWiderThanTheRectangleIsLeftOut) {
  TRecordingSkin* skin = SkinOn(*button);
  skin->InitSkin(&host, *data, false, nullptr);
  HIMAGELIST images = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
  ASSERT_NE(images, nullptr);
  std::vector<DWORD> blue(64, 0x0000FF);  // 0x00RRGGBB in memory order
  UniqueGdi<HBITMAP> glyph(CreateBitmap(8, 8, 1, 32, blue.data()));
  ASSERT_EQ(ImageList_Add(images, glyph.get(), nullptr), 0);
  TBitmap target(100, 20);
  TCanvas& canvas = target.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(RECT{0, 0, 100, 20});
  RECT measured{0, 0, 0, 0};
  canvas.DrawText("Tab", measured, DT_CALCRECT | DT_SINGLELINE);
  skin->DrawImageText(canvas, RECT{0, 0, 100, 20}, 1, "Tab", 0, images);
  const int dx = (100 - 8 - (measured.right - measured.left)) / 2;
  EXPECT_EQ(canvas.Pixel(dx, 6) & 0xFFFFFF, 0xFF0000u) << "the image first, centred with the text";
  EXPECT_EQ(canvas.Pixel(dx - 1, 6) & 0xFFFFFF, 0xFFFFFFu);
  canvas.FillRect(RECT{0, 0, 100, 20});
  skin->DrawImageText(canvas, RECT{0, 0, 8, 20}, 0, "", 0, images);
  EXPECT_EQ(canvas.Pixel(3, 6) & 0xFFFFFF, 0xFFFFFFu) << "no room: no image";
  ImageList_Destroy(images);
}

TEST_F(ControlSkinTest, PropertiesByNameNeverRaise) {
  TRecordingSkin* skin = SkinOn(*button);
  EXPECT_EQ(skin->GetPropInt("Width"), 0) << "no control before attaching";
  skin->InitSkin(&host, *data, false, nullptr);
  EXPECT_EQ(skin->GetPropInt("Width"), 80);
  EXPECT_EQ(skin->GetPropInt("Visible"), 0) << "not of integer kind";
  EXPECT_EQ(skin->GetPropEnumName("Visible"), "True");
  EXPECT_EQ(skin->GetPropString("Caption"), "&Go");
  EXPECT_EQ(skin->GetPropObject("Font", "TBitmap"), nullptr);
  EXPECT_EQ(skin->GetPropObject("Glyph"), nullptr) << "a button without a glyph";
}

}  // namespace
}  // namespace hm::test
