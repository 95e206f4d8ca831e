// A kolvane form with the containers the tab, group-box and panel skins
// serve, skinned through the engine, for screenshots of their looks:
//
//   container_skins_showcase.exe SECONDS
//
// Page controls with tabs at the top (more than fit: scroll buttons), the
// bottom, the left and the right, a group box with a caption and one
// without, a white panel.
#include "framework/ui/platform/win32.h"

#include <cstdlib>
#include <initializer_list>
#include <string>

#include "framework/ui/controls/group_box.h"
#include "framework/ui/controls/page_control.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/colors.h"
#include "skin/frame/skin_engine.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace {

using namespace hm;

void CALLBACK EndShowcase(HWND, UINT, UINT_PTR, DWORD) { ExitProcess(0); }

template <class C>
C* Add(TForm& form, TWinControl& parent, int x, int y, int w, int h) {
  auto* c = MakeOwned<C>(form);
  c->SetParent(&parent);
  c->SetBounds(x, y, w, h);
  return c;
}

TPageControl* Pages(TForm& form, int x, int y, int w, int h, TTabPosition position,
                    std::initializer_list<const char*> captions) {
  auto* pages = Add<TPageControl>(form, form, x, y, w, h);
  pages->SetTabPosition(position);
  for (const char* caption : captions) {
    auto* sheet = MakeOwned<TTabSheet>(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
  }
  pages->SetActivePageIndex(0);
  return pages;
}

}  // namespace

int main(int argc, char** argv) {
  Application().Initialize();
  InstallSkinEngine();
  Application().SetTitle("容器皮肤");
  auto* form = Application().CreateForm<TForm>();
  form->SetCaption("容器皮肤");
  form->SetBorderStyle(bsSingle);
  form->SetBounds(100, 60, 560, 420);
  auto* data = MakeOwned<TSkinData>(*form);
  test::LoadKolvaneSkin(*data);

  Pages(*form, 12, 12, 250, 120, tpTop, {"邮政编码", "手机", "身份证", "区号", "更多"});
  auto* bottom = Pages(*form, 276, 12, 262, 120, tpBottom, {"邮政编码", "手机", "身份证"});
  bottom->SetActivePageIndex(1);
  Pages(*form, 12, 146, 250, 120, tpLeft, {"一", "二"});
  Pages(*form, 276, 146, 262, 120, tpRight, {"甲", "乙"});

  auto* group = Add<TGroupBox>(*form, *form, 12, 280, 160, 90);
  group->SetCaption("查找方式(&M)");
  Add<TGroupBox>(*form, *form, 184, 280, 160, 90)->SetCaption("");
  auto* panel = Add<TPanel>(*form, *form, 356, 280, 182, 90);
  panel->SetColor(clWhite);
  Add<TLabel>(*form, *panel, 10, 10, 150, 16)->SetCaption("白色面板");

  data->SetActive(true);
  data->Loaded();
  form->Show();
  Application().ProcessMessages();
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndShowcase);
  Application().Run();
  return 0;
}
