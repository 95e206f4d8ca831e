// A form laid out like the first page of the main window: the result grid
// with its stored settings and four columns (TGridTestForm.dfm), a button
// to take the focus, and the data source; plus a dataset made in code.
#pragma once

#include "framework/ui/platform/win32.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/data/data_source.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/form.h"
#include "grid/db_grid.h"
#include "tests/grid/sql_dataset.h"

namespace hm::test {

class TGridTestForm : public TForm {
  HM_CLASS(TGridTestForm, TForm)

 public:
  explicit TGridTestForm(TComponent* owner);

  TDBGridEh* DBGridEh1 = nullptr;
  TButton* Button1 = nullptr;
  TDataSource* DataSource1 = nullptr;
};

struct GridForm {
  Owned<TGridTestForm> form = MakeForm<TGridTestForm>();
  TDBGridEh& grid = *form->DBGridEh1;
  TSqlDataSet* data = MakeOwned<TSqlDataSet>(*form);

  GridForm();
  // Shows `rows` area rows in the grid.
  void Show(int rows);
  void Show(const std::string& sql);
  HWND Window() { return grid.Handle(); }
  // A pixel of the grid as painted now.
  COLORREF Pixel(int x, int y);
  // The grid's client rectangle of a cell.
  RECT Cell(int col, int row) { return grid.CellRect(col, row); }
  // Widths of the grid's columns, the indicator's left out.
  std::vector<int> Widths();
};

// What a window shows now, read back once: Pixel(x, y) as a COLORREF.
class TCapture {
 public:
  explicit TCapture(HWND window);
  COLORREF Pixel(int x, int y) const;
  int Width() const { return width_; }
  // Writes the capture as a 32-bit BMP (for looking at a failing test).
  void Save(const std::string& path) const;
  int Height() const { return height_; }
  // Pixels in r (clipped to the capture) that satisfy `pred`.
  template <class Pred>
  int Count(RECT r, Pred pred) const {
    int n = 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, height_); ++y)
      for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, width_); ++x) n += pred(Pixel(x, y)) ? 1 : 0;
    return n;
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::uint32_t> bits_;  // top-down 0x00RRGGBB
};

// Lets posted and sent messages arrive.
void Pump(int rounds = 5);
COLORREF SysColor(int index);

}  // namespace hm::test
