// A form with every control the button, box, spin, bar, edit, combo and
// scroll-bar skins serve, skinned with kolvane through the engine, for
// screenshots of their looks:
//
//   control_skins_showcase.exe SECONDS [normal|hot|pressed|focus|msgbox]
//
// "hot", "pressed" and "focus" put the search button in that state (the
// cursor is moved onto it); "msgbox" shows a skinned Yes/No/Cancel box.
#include "framework/ui/platform/win32.h"

#include <cstdlib>
#include <string>

#include "framework/ui/controls/buttons.h"
#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/edits.h"
#include "framework/ui/controls/list_controls.h"
#include "framework/ui/controls/memo.h"
#include "framework/ui/controls/range_controls.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/graphics/glyph.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/core/skin_manage.h"
#include "skin/frame/skin_engine.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/control_skins_test_util.h"

namespace {

using namespace hm;

std::string g_state;
TBitBtn* g_search = nullptr;

void CALLBACK EndShowcase(HWND, UINT, UINT_PTR, DWORD) { ExitProcess(0); }

void CALLBACK ShowBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  MessageBoxW(Application().MainFormHandle(), L"要保存对所选号码的修改吗？", L"工具箱",
              MB_YESNOCANCEL | MB_ICONQUESTION);
}

void CALLBACK SetState(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND h = g_search->Handle();
  RECT r{};
  GetWindowRect(h, &r);
  if (g_state == "hot" || g_state == "pressed") {
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  }
  if (g_state == "pressed") SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  if (g_state == "focus") g_search->SetFocus();
  if (g_state == "msgbox") SetTimer(nullptr, 0, 100, ShowBox);
}

template <class C>
C* Add(TForm& form, int x, int y, int w, int h, const char* caption = nullptr) {
  auto* c = MakeOwned<C>(form);
  c->SetParent(&form);
  c->SetBounds(x, y, w, h);
  if (caption) c->SetCaption(caption);
  return c;
}

// A small tick, drawn here so the demo needs no files.
void TickGlyph(TBitBtn& button) {
  TGlyph glyph;
  TBitmap& b = glyph.Bitmap();
  b.SetSize(16, 16);
  b.Canvas().Brush().SetColor(static_cast<TColor>(RGB(255, 0, 255)));
  b.Canvas().FillRect(RECT{0, 0, 16, 16});
  const POINT tick[] = {{3, 8}, {6, 11}, {12, 4}};
  for (int w = 0; w < 2; ++w) {
    for (int i = 0; i + 1 < 3; ++i) {
      b.Canvas().Pen().SetColor(static_cast<TColor>(RGB(40, 120, 110)));
      b.Canvas().MoveTo(tick[i].x, tick[i].y + w);
      b.Canvas().LineTo(tick[i + 1].x, tick[i + 1].y + w);
    }
  }
  button.Face().SetGlyph(&glyph);
}

}  // namespace

int main(int argc, char** argv) {
  Application().Initialize();
  InstallSkinEngine();
  Application().SetTitle("控件皮肤");
  g_state = argc > 2 ? argv[2] : "normal";
  auto* form = Application().CreateForm<TForm>();
  form->SetCaption("控件皮肤");
  form->SetBorderStyle(bsSingle);
  form->SetBounds(120, 80, 470, 430);
  auto* data = MakeOwned<TSkinData>(*form);
  test::LoadKolvaneSkin(*data);
  data->Skin3rd()->Add("TCheckBox=checkbox");
  data->Skin3rd()->Add("TRadioButton=radiobutton");
  data->Skin3rd()->Add("TProgressBar=progress");
  data->Skin3rd()->Add("TComboBox=combobox");

  auto* ok = Add<TButton>(*form, 16, 16, 75, 25, "确定");
  ok->SetDefault(true);
  Add<TButton>(*form, 100, 16, 75, 25, "取消(&C)");
  Add<TButton>(*form, 184, 16, 75, 25, "停用")->SetEnabled(false);
  g_search = Add<TBitBtn>(*form, 276, 16, 54, 42, "查找(&S)");
  auto* tick = Add<TBitBtn>(*form, 340, 16, 90, 25, "应用(&A)");
  TickGlyph(*tick);
  auto* speed = Add<TSpeedButton>(*form, 340, 50, 44, 24, "速查");
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  Add<TSpeedButton>(*form, 386, 50, 44, 24, "常用")->SetGroupIndex(1);

  Add<TCheckBox>(*form, 16, 80, 110, 20, "记住查找方式")->SetChecked(true);
  auto* grey = Add<TCheckBox>(*form, 136, 80, 90, 20, "部分选中");
  grey->SetAllowGrayed(true);
  grey->SetState(cbGrayed);
  Add<TCheckBox>(*form, 236, 80, 90, 20, "不可用")->SetEnabled(false);
  Add<TRadioButton>(*form, 16, 110, 90, 20, "按区号")->SetChecked(true);
  Add<TRadioButton>(*form, 136, 110, 90, 20, "按邮编");

  Add<TLabel>(*form, 16, 150, 60, 16, "查询次数:");
  auto* spin = Add<TUpDown>(*form, 90, 144, 17, 28);
  spin->SetPosition(3);
  Add<TLabel>(*form, 136, 150, 40, 16, "进度:");
  auto* bar = Add<TProgressBar>(*form, 180, 152, 250, 14);
  bar->SetPosition(60);
  auto* track = Add<TTrackBar>(*form, 16, 190, 414, 32);
  track->SetPosition(4);

  Add<TEdit>(*form, 16, 236, 120, 21)->SetText("0755");
  auto* combo = Add<TComboBox>(*form, 16, 266, 120, 21);
  combo->Items()->Add("区号");
  combo->SetItemIndex(0);
  auto* both = Add<TMemo>(*form, 150, 236, 150, 100);
  both->SetWordWrap(false);
  both->SetScrollBars(ssBoth);
  auto* tall = Add<TMemo>(*form, 310, 236, 120, 100);
  tall->SetScrollBars(ssVertical);
  std::string text;
  for (int i = 1; i <= 40; ++i) text += std::to_string(i) + " 北京市东城区 100010 010 河北省石家庄市\r\n";
  both->SetText(text);
  tall->SetText(text);

  data->SetActive(true);
  data->Loaded();
  form->Show();
  Application().ProcessMessages();
  // The frame skin has no attach for windowless buttons yet: attach them here.
  if (auto* frame = dynamic_cast<TWinSkinForm*>(SkinManager().FindFormSkin(form->Handle()))) {
    for (int i = 0; i < form->ComponentCount(); ++i) {
      auto* sb = dynamic_cast<TSpeedButton*>(form->Components(i));
      if (sb) MakeOwned<TSkinSpeedButton>(*sb)->AttachGraphic(frame, *data, &frame->ControlCanvas());
    }
  }
  SetTimer(nullptr, 0, 400, SetState);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 0;
  if (seconds > 0) SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, EndShowcase);
  Application().Run();
  return 0;
}
