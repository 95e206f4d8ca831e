// A form with a menu bar and a generic grid, shown for a few seconds: for
// looking at (screenshots), not a test.
#include <string>

#include "framework/ui/forms/application.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/grid/grids.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/forms/timer.h"

using namespace hm;

namespace {

TMenuItem* AddItem(TComponent& owner, TMenuItem& parent, const std::string& caption, TShortCut shortcut = scNone) {
  auto* item = MakeOwned<TMenuItem>(owner);
  item->SetCaption(caption);
  item->SetShortCut(shortcut);
  parent.Add(item);
  return item;
}

const char* const kTitles[] = {"", "区号", "邮编", "省份", "地区"};
const char* const kRows[][4] = {{"010", "100000", "北京", "北京"},
                                {"021", "200000", "上海", "上海"},
                                {"0571", "310000", "浙江", "杭州"},
                                {"020", "510000", "广东", "广州"}};

}  // namespace

int main() {
  Application().Initialize();
  Application().SetTitle("工具箱");
  auto form = MakeRoot<TForm>();
  form->SetCaption("Menus and grid");
  form->SetBounds(40, 40, 420, 260);

  auto* menu = MakeOwned<TMainMenu>(*form);
  TMenuItem* file = AddItem(*form, *menu->Items(), "文件(&F)");
  AddItem(*form, *file, "打开(&O)", ShortCut('O', TShiftState{ssCtrl}));
  AddItem(*form, *file, "-");
  AddItem(*form, *file, "退出(&X)", ShortCut(VK_F4, TShiftState{ssAlt}));
  AddItem(*form, *menu->Items(), "查询(&Q)");
  AddItem(*form, *menu->Items(), "帮助(&H)");
  form->SetMenu(menu);

  auto* grid = MakeOwned<TCustomGrid>(*form);
  grid->SetParent(form.get());
  grid->SetAlign(alClient);
  grid->SetRowCount(12);
  grid->SetDefaultRowHeight(18);
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing, goColMoving, goRowSelect});
  grid->SetColWidths(0, 12);
  grid->OnDrawCell = [grid](TObject*, int col, int row, RECT r, TGridDrawState state) {
    std::string text;
    if (row == 0) text = kTitles[col];
    else if (col > 0 && row <= 4) text = kRows[row - 1][col - 1];
    TCanvas& canvas = grid->Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(state.Contains(gdSelected) ? clHighlightText : clWindowText);
    canvas.TextRect(r, r.left + 2, r.top + 2, text);
  };
  grid->FocusCell(1, 2, true);

  auto* timer = MakeOwned<TTimer>(*form);
  timer->SetInterval(8000);
  timer->OnTimer = [](TObject*) { Application().Terminate(); };
  form->Show();
  grid->SetFocus();
  Application().Run();
  return 0;
}
