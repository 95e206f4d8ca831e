#include "framework/core/typinfo.h"
#include "framework/data/field.h"
#include "grid/column.h"

namespace hm {

HM_PUBLISH(TColumnTitleEh) {
  p.Prop("Alignment", &TColumnTitleEh::Alignment, &TColumnTitleEh::SetAlignment);
  p.Prop("Caption", &TColumnTitleEh::StoredCaption, &TColumnTitleEh::SetCaption);
  p.Prop("Color", &TColumnTitleEh::color_, &TColumnTitleEh::SetColor);
  p.Prop("Font", [](const TColumnTitleEh& t) { return t.font_.get(); });
  p.Prop("TitleButton", &TColumnTitleEh::TitleButton, &TColumnTitleEh::SetTitleButton);
}

TColumnTitleEh::TColumnTitleEh(TColumnEh* column) : column_(column), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TGraphicsObject&) {
    if (syncing_font_) return;
    font_assigned_ = true;
    Changed();
  };
}

TColumnTitleEh::~TColumnTitleEh() = default;

TColumnsOwnerEh* TColumnTitleEh::Owner() const { return column_ ? column_->Owner() : nullptr; }

void TColumnTitleEh::Changed() {
  if (column_) column_->ColumnChanged();
}

std::string TColumnTitleEh::Caption() const {
  if (caption_assigned_ || !column_) return caption_;
  if (TField* field = column_->Field()) return field->DisplayLabel();
  return column_->FieldName();
}

void TColumnTitleEh::SetCaption(const std::string& caption) {
  caption_ = caption;
  caption_assigned_ = true;
  Changed();
}

void TColumnTitleEh::SetTitleButton(bool value) {
  if (value == title_button_) return;
  title_button_ = value;
  Changed();
}

void TColumnTitleEh::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Changed();
}

TColor TColumnTitleEh::Color() const {
  if (color_assigned_) return color_;
  TColumnsOwnerEh* owner = Owner();
  return owner ? owner->ColumnsTitleColor() : color_;
}

void TColumnTitleEh::SetColor(TColor color) {
  color_ = color;
  color_assigned_ = true;
  Changed();
}

TFont* TColumnTitleEh::Font() {
  TColumnsOwnerEh* owner = Owner();
  if (!font_assigned_ && owner) {
    syncing_font_ = true;
    font_->Assign(owner->ColumnsTitleFont());
    syncing_font_ = false;
  }
  return font_.get();
}

TFont& TColumnTitleEh::DrawFont() const {
  TColumnsOwnerEh* owner = Owner();
  if (font_assigned_ || !owner) return *font_;
  return owner->ColumnsTitleFont();
}

void TColumnTitleEh::RestoreDefaults() {
  caption_.clear();
  caption_assigned_ = false;
  color_ = clBtnFace;
  color_assigned_ = false;
  font_assigned_ = false;
  alignment_ = taLeftJustify;
  title_button_ = false;
  Changed();
}

void TColumnTitleEh::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TColumnTitleEh*>(&source);
  if (!other) return TPersistent::Assign(source);
  if (other == this) return;
  caption_ = other->caption_;
  caption_assigned_ = other->caption_assigned_;
  title_button_ = other->title_button_;
  alignment_ = other->alignment_;
  color_ = other->color_;
  color_assigned_ = other->color_assigned_;
  syncing_font_ = true;
  font_->Assign(*other->font_);
  syncing_font_ = false;
  font_assigned_ = other->font_assigned_;
  Changed();
}

}  // namespace hm
