// One column of a data grid and its title. A column remembers which of its
// values were assigned; an unassigned value follows its default (the
// grid's fonts and colours, the field's alignment and width, the field's
// name as caption). The field a column shows is looked up lazily by name.
#pragma once

#include <memory>
#include <string>

#include "framework/core/collection.h"
#include "framework/data/alignment.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "grid/column_owner.h"
#include "grid/portable/text_placement.h"

namespace hm {

class TColumnEh;
class TDataSet;
class TField;

// The width of a column that has neither an assigned width nor a field.
constexpr int kDefaultColumnWidth = 64;

class TColumnTitleEh : public TPersistent {
  HM_CLASS(TColumnTitleEh, TPersistent)

 public:
  explicit TColumnTitleEh(TColumnEh* column = nullptr);
  ~TColumnTitleEh() override;

  TColumnEh* Column() const { return column_; }

  // The caption shown: the assigned one, else the field's display name
  // when bound, else the column's FieldName.
  std::string Caption() const;
  void SetCaption(const std::string& caption);
  bool CaptionAssigned() const { return caption_assigned_; }
  // What a description stores: the assigned caption, or nothing.
  const std::string& StoredCaption() const { return caption_; }

  bool TitleButton() const { return title_button_; }
  void SetTitleButton(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

  // By default the grid's FixedColor and TitleFont.
  TColor Color() const;
  void SetColor(TColor color);
  bool ColorAssigned() const { return color_assigned_; }
  // The title's own font; while unassigned a copy of the grid's title font.
  // Changing it assigns it.
  TFont* Font();
  bool FontAssigned() const { return font_assigned_; }
  // The font to draw with (no copy).
  TFont& DrawFont() const;
  // Forgets every assigned value.
  void RestoreDefaults();

  void Assign(const TPersistent& source) override;

 private:
  friend class TColumnEh;
  void Changed();
  TColumnsOwnerEh* Owner() const;

  TColumnEh* column_;
  std::string caption_;
  bool caption_assigned_ = false;
  bool title_button_ = false;
  TAlignment alignment_ = taLeftJustify;
  TColor color_ = clBtnFace;
  bool color_assigned_ = false;
  std::unique_ptr<TFont> font_;
  bool font_assigned_ = false;
  bool syncing_font_ = false;
};

class TColumnEh : public TCollectionItem {
  HM_CLASS(TColumnEh, TCollectionItem)

 public:
  TColumnEh();
  ~TColumnEh() override;

  const std::string& FieldName() const { return field_name_; }
  void SetFieldName(const std::string& name);
  // The field shown, looked up in the grid's open dataset without regard
  // to case the first time it is asked for; null when the dataset has no
  // such field (the column then shows empty cells).
  TField* Field() const;
  // Binds a field directly (generated columns); takes over its name.
  void SetField(TField* field);
  // Forgets the field so the next Field() looks it up again.
  void ClearField();

  TColumnTitleEh* Title() const { return title_.get(); }

  // Width: the assigned width within the bounds, else the width the grid
  // gives the column from its field. Setting -1 changes nothing.
  int Width() const;
  void SetWidth(int width);
  bool WidthAssigned() const { return width_assigned_; }
  // The assigned width, or the default a description need not store.
  int StoredWidth() const { return width_assigned_ ? width_ : kDefaultColumnWidth; }
  int MinWidth() const { return min_width_; }
  void SetMinWidth(int width);
  int MaxWidth() const { return max_width_; }
  void SetMaxWidth(int width);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Takes part in fitting when the grid fits its columns.
  bool AutoFitColWidth() const { return auto_fit_; }
  void SetAutoFitColWidth(bool value);
  // The proportion fitting uses; -1 until fitting first needs it. Not stored.
  int InitialWidth() const { return initial_width_; }
  void SetInitialWidth(int width) { initial_width_ = width; }

  // By default the grid's Color and Font.
  TColor Color() const;
  void SetColor(TColor color);
  TFont* Font();
  bool FontAssigned() const { return font_assigned_; }
  TFont& DrawFont() const;
  // By default the field's alignment (left for text, right for numbers).
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout layout);
  bool EndEllipsis() const { return end_ellipsis_; }
  void SetEndEllipsis(bool value);

  // The field's display text of the dataset's active record; empty
  // without a field.
  std::string DisplayText() const;

  // The grid that owns the column, seen through what columns need of it.
  TColumnsOwnerEh* Owner() const { return owner_; }

  void Assign(const TPersistent& source) override;

 protected:
  void ColumnChanged();

 private:
  friend class TDBGridColumnsEh;
  friend class TColumnTitleEh;

  TColumnsOwnerEh* owner_ = nullptr;  // set when the grid's collection adds the column
  mutable std::string field_name_;  // takes the dataset's spelling when bound
  mutable TField* field_ = nullptr;     // not owned; the dataset's
  mutable TDataSet* bound_to_ = nullptr;  // where field_ came from; compared, never used
  std::unique_ptr<TColumnTitleEh> title_;
  int width_ = kDefaultColumnWidth;
  bool width_assigned_ = false;
  int min_width_ = 0;
  int max_width_ = 0;
  bool visible_ = true;
  bool auto_fit_ = true;
  int initial_width_ = -1;
  TColor color_ = clWindow;
  bool color_assigned_ = false;
  std::unique_ptr<TFont> font_;
  bool font_assigned_ = false;
  bool syncing_font_ = false;
  TAlignment alignment_ = taLeftJustify;
  bool alignment_assigned_ = false;
  TTextLayout layout_ = tlTop;
  bool end_ellipsis_ = false;
};

// The column class of TDBGridEh's collection.
class TDBGridColumnEh : public TColumnEh {
  HM_CLASS(TDBGridColumnEh, TColumnEh)

 public:
  TDBGridColumnEh();
};

}  // namespace hm
