// What the columns of a data grid ask of the grid that owns them: the
// defaults of unassigned values, the dataset their fields come from, the
// width a column gets from its field, and the notice that a column changed.
#pragma once

#include "framework/core/color.h"

namespace hm {

class TColumnEh;
class TDataSet;
class TFont;

class TColumnsOwnerEh {
 public:
  virtual TFont& ColumnsFont() = 0;          // the grid's Font
  virtual TFont& ColumnsTitleFont() = 0;     // the grid's TitleFont
  virtual TColor ColumnsColor() const = 0;   // the grid's Color
  virtual TColor ColumnsTitleColor() const = 0;  // the grid's FixedColor
  // The linked dataset, open or not; null when none.
  virtual TDataSet* ColumnsDataSet() const = 0;
  // The width of a column whose Width was never assigned.
  virtual int ColumnDefaultWidth(const TColumnEh& column) = 0;
  // Fitting runs now: a column that joins the fit takes its proportion as width.
  virtual bool ColumnsAutoFitting() const = 0;
  // A stored value of `column` changed (null: the collection changed).
  virtual void ColumnsChanged(TColumnEh* column) = 0;

 protected:
  ~TColumnsOwnerEh() = default;
};

}  // namespace hm
