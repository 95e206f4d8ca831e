#include "tests/skin/frame/frame_test_util.h"

#include "framework/core/stream.h"
#include "framework/core/typinfo.h"
#include "skin/core/skin_messages.h"
#include "skin/frame/nc_objects.h"
#include "skin/frame/skin_engine.h"
#include "tests/framework/ui/ui_test_util.h"
#include "tests/skin/core/test_skin.h"

namespace hm::test {

HM_PUBLISH(TFixedForm) {}

TFixedForm::TFixedForm(TComponent* owner) : TForm(owner) {
  OnCanResize = [this](TObject*, int&, int&, bool& resize) {
    ++resize_asked;
    resize = allow_resize;
  };
}

void LoadKolvane(TSkinData& data) {
  TMemoryStream archive;
  archive.LoadFromFile(KOLVANE_ARCHIVE);
  const std::string_view bytes = archive.Bytes();
  ReadStream(data, StreamValue(Bytes(bytes.begin(), bytes.end())));
}

Owned<TFixedForm> ShowFormSkinnedByTheManager() {
  Owned<TFixedForm> form = MakeRoot<TFixedForm>();
  form->SetBounds(40, 40, 300, 200);
  auto* data = MakeOwned<TSkinData>(*form);
  LoadKolvane(*data);
  data->SetActive(true);
  data->Loaded();
  form->Show();
  Pump();
  return form;
}

void FrameTest::SetUpTestSuite() {
  Application().Initialize();
  InstallSkinEngine();
}

void FrameTest::TearDown() {
  forms.clear();
  Pump(2);
}

void FrameTest::Prepare(TCustomForm& form, TFormBorderStyle border) {
  form.SetBorderStyle(border);
  form.SetBounds(40, 40, 300, 200);
  auto* data = MakeOwned<TSkinData>(form);
  LoadKolvane(*data);
  form.Show();
  Pump();
}

TSkinData& FrameTest::DataOf(TCustomForm& form) {
  for (int i = 0; i < form.ComponentCount(); ++i)
    if (auto* data = dynamic_cast<TSkinData*>(form.Components(i))) return *data;
  throw std::logic_error("no skin component");
}

TWinSkinForm* FrameTest::Skin(TCustomForm& form, bool start) {
  auto* skin = MakeOwned<TWinSkinForm>(form);
  skin->SetHandle(form.Handle());
  skin->AttachForm(DataOf(form), form);
  if (start) {
    SendMessageW(form.Handle(), WM_SKINSTART, 0, 1000);
    Pump(2);
  }
  return skin;
}

TFixedForm* FrameTest::ShowMainWindow(const std::string& caption) {
  Owned<TFixedForm> made = MakeRoot<TFixedForm>();
  TFixedForm* form = made.get();
  // Before the window is shown: new border icons make it again.
  form->SetBorderIcons(TBorderIcons{biSystemMenu});
  form->SetCaption(caption);
  Prepare(*form, bsSizeable);
  forms.push_back(Owned<TCustomForm>(made.release()));
  SendMessageW(form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
  return form;
}

TWinSysButton* ButtonOf(const TWinSkinForm& skin, int action, int visibility) {
  for (const auto& b : skin.CaptionButtons())
    if (b->Definition().Action == action && (visibility < 0 || b->Definition().Visibility == visibility))
      return b.get();
  return nullptr;
}

LPARAM ScreenLParam(HWND window, int x, int y) {
  const RECT r = WindowRectOf(window);
  return MAKELPARAM(static_cast<WORD>(r.left + x), static_cast<WORD>(r.top + y));
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return c;
}

COLORREF BitmapPixel(const TBitmap& bitmap, int x, int y) { return const_cast<TBitmap&>(bitmap).Canvas().Pixel(x, y); }

void PumpFor(int ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(ms)) {
    Pump(1);
    Sleep(10);
  }
}

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientRectOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return r;
}

}  // namespace hm::test
