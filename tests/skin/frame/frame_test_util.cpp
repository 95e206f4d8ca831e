#include "tests/skin/frame/frame_test_util.h"

#include "framework/core/stream.h"
#include "framework/core/typinfo.h"
#include "skin/core/skin_messages.h"
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
