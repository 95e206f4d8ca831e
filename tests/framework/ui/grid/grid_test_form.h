// A shown form with one generic grid of known geometry: columns 20, 30,
// 40, 50, 60 pixels wide, a title row of 19 and data rows of 18 pixels,
// 1-pixel lines, a client of 150 x 99 without border or scroll bars.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/ui/forms/form.h"
#include "framework/ui/grid/grids.h"

namespace hm::testing {

struct GridFixture {
  Owned<TForm> form = MakeRoot<TForm>();
  TCustomGrid* grid = MakeOwned<TCustomGrid>(*form);

  GridFixture() {
    form->SetBounds(40, 40, 300, 200);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetParent(form.get());
    grid->SetColCount(5);
    grid->SetRowCount(6);
    const int widths[] = {20, 30, 40, 50, 60};
    for (int c = 0; c < 5; ++c) grid->SetColWidths(c, widths[c]);
    grid->SetRowHeights(0, 19);
    for (int r = 1; r < 6; ++r) grid->SetRowHeights(r, 18);
    grid->SetBounds(0, 0, 150, 99);
    form->Show();
    UpdateWindow(form->Handle());
  }

  HWND Grid() { return grid->Handle(); }
  void Send(UINT msg, WPARAM wparam, int x, int y) { SendMessageW(Grid(), msg, wparam, MAKELPARAM(x, y)); }

  // A pixel of the grid as painted now.
  COLORREF Pixel(int x, int y) {
    UpdateWindow(Grid());
    HDC dc = GetDC(Grid());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(Grid(), dc);
    return c;
  }
};

}  // namespace hm::testing
