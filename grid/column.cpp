#include "grid/column.h"

#include "framework/core/typinfo.h"
#include "framework/data/dataset.h"
#include "framework/data/field.h"
#include "grid/portable/width_fitting.h"

namespace hm {

// Published values are the stored ones: an unassigned value reads as what
// a fresh column holds, so descriptions keep only what was assigned.
HM_PUBLISH(TColumnEh) {
  p.Prop("Alignment", &TColumnEh::alignment_, &TColumnEh::SetAlignment);
  p.Prop("AutoFitColWidth", &TColumnEh::AutoFitColWidth, &TColumnEh::SetAutoFitColWidth);
  p.Prop("Color", &TColumnEh::color_, &TColumnEh::SetColor);
  p.Prop("EndEllipsis", &TColumnEh::EndEllipsis, &TColumnEh::SetEndEllipsis);
  p.Prop("FieldName", &TColumnEh::FieldName, &TColumnEh::SetFieldName);
  p.Prop("Font", [](const TColumnEh& c) { return c.font_.get(); });
  p.Prop("Layout", &TColumnEh::Layout, &TColumnEh::SetLayout);
  p.Prop("MaxWidth", &TColumnEh::MaxWidth, &TColumnEh::SetMaxWidth);
  p.Prop("MinWidth", &TColumnEh::MinWidth, &TColumnEh::SetMinWidth);
  p.Prop("Title", &TColumnEh::Title);
  p.Prop("Visible", &TColumnEh::Visible, &TColumnEh::SetVisible);
  p.Prop("Width", &TColumnEh::StoredWidth, &TColumnEh::SetWidth);
}

HM_PUBLISH(TDBGridColumnEh) {}

TColumnEh::TColumnEh()
    : title_(std::make_unique<TColumnTitleEh>(this)), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TGraphicsObject&) {
    if (syncing_font_) return;
    font_assigned_ = true;
    ColumnChanged();
  };
}

TColumnEh::~TColumnEh() = default;

TDBGridColumnEh::TDBGridColumnEh() = default;

void TColumnEh::ColumnChanged() {
  Changed();
}

void TColumnEh::SetFieldName(const std::string& name) {
  if (name == field_name_) return;
  field_name_ = name;
  ClearField();
  ColumnChanged();
}

TField* TColumnEh::Field() const {
  TDataSet* dataset = owner_ ? owner_->ColumnsDataSet() : nullptr;
  // A field of another dataset (the source was switched) is not ours any more.
  if (field_ && bound_to_ != dataset) {
    field_ = nullptr;
    bound_to_ = nullptr;
  }
  if (!field_ && !field_name_.empty() && dataset && dataset->Active()) {
    if (TField* found = dataset->FindField(field_name_)) {
      field_ = found;
      bound_to_ = dataset;
      field_name_ = found->FieldName();
    }
  }
  return field_;
}

void TColumnEh::SetField(TField* field) {
  field_ = field;
  bound_to_ = field ? &field->DataSet() : nullptr;
  if (field) field_name_ = field->FieldName();
}

void TColumnEh::ClearField() {
  field_ = nullptr;
  bound_to_ = nullptr;
}

int TColumnEh::Width() const {
  if (width_assigned_) return width_;
  const int width = owner_ ? owner_->ColumnDefaultWidth(*this) : kDefaultColumnWidth;
  return ClampColumnWidth(width, min_width_, max_width_);
}

void TColumnEh::SetWidth(int width) {
  if (width == -1) return;
  width_ = ClampColumnWidth(width, min_width_, max_width_);
  width_assigned_ = true;
  ColumnChanged();
}

void TColumnEh::SetMinWidth(int width) {
  if (width == min_width_) return;
  min_width_ = width;
  if (width_assigned_) width_ = ClampColumnWidth(width_, min_width_, max_width_);
  ColumnChanged();
}

void TColumnEh::SetMaxWidth(int width) {
  if (width == max_width_) return;
  max_width_ = width;
  if (width_assigned_) width_ = ClampColumnWidth(width_, min_width_, max_width_);
  ColumnChanged();
}

void TColumnEh::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  ColumnChanged();
}

void TColumnEh::SetAutoFitColWidth(bool value) {
  if (value == auto_fit_) return;
  auto_fit_ = value;
  if (owner_ && owner_->ColumnsAutoFitting() && initial_width_ >= 0) {
    SetWidth(initial_width_);
    return;
  }
  ColumnChanged();
}

TColor TColumnEh::Color() const {
  if (color_assigned_ || !owner_) return color_;
  return owner_->ColumnsColor();
}

void TColumnEh::SetColor(TColor color) {
  color_ = color;
  color_assigned_ = true;
  ColumnChanged();
}

TFont* TColumnEh::Font() {
  if (!font_assigned_ && owner_) {
    syncing_font_ = true;
    font_->Assign(owner_->ColumnsFont());
    syncing_font_ = false;
  }
  return font_.get();
}

TFont& TColumnEh::DrawFont() const {
  if (font_assigned_ || !owner_) return *font_;
  return owner_->ColumnsFont();
}

TAlignment TColumnEh::Alignment() const {
  if (alignment_assigned_) return alignment_;
  if (TField* field = Field()) return field->Alignment();
  return taLeftJustify;
}

void TColumnEh::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  alignment_assigned_ = true;
  ColumnChanged();
}

void TColumnEh::SetLayout(TTextLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  ColumnChanged();
}

void TColumnEh::SetEndEllipsis(bool value) {
  if (value == end_ellipsis_) return;
  end_ellipsis_ = value;
  ColumnChanged();
}

std::string TColumnEh::DisplayText() const {
  TField* field = Field();
  return field ? field->DisplayText() : std::string();
}

void TColumnEh::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TColumnEh*>(&source);
  if (!other) return TCollectionItem::Assign(source);
  if (other == this) return;
  field_name_ = other->field_name_;
  ClearField();
  width_ = other->width_;
  width_assigned_ = other->width_assigned_;
  min_width_ = other->min_width_;
  max_width_ = other->max_width_;
  visible_ = other->visible_;
  auto_fit_ = other->auto_fit_;
  initial_width_ = other->initial_width_;
  color_ = other->color_;
  color_assigned_ = other->color_assigned_;
  syncing_font_ = true;
  font_->Assign(*other->font_);
  syncing_font_ = false;
  font_assigned_ = other->font_assigned_;
  alignment_ = other->alignment_;
  alignment_assigned_ = other->alignment_assigned_;
  layout_ = other->layout_;
  end_ellipsis_ = other->end_ellipsis_;
  title_->Assign(*other->title_);
  ColumnChanged();
}

}  // namespace hm
