#include "editors/edit_button.h"

#include "framework/core/typinfo.h"

namespace hm {

HM_PUBLISH(TEditButtonEh) {
  p.Prop("DropdownMenu", &TEditButtonEh::DropdownMenu, &TEditButtonEh::SetDropdownMenu);
  p.Prop("Glyph", &TEditButtonEh::Glyph);
  p.Prop("Hint", &TEditButtonEh::Hint, &TEditButtonEh::SetHint);
  p.Prop("NumGlyphs", &TEditButtonEh::NumGlyphs, &TEditButtonEh::SetNumGlyphs);
  p.Prop("ShortCut", &TEditButtonEh::ShortCut, &TEditButtonEh::SetShortCut);
  p.Prop("Style", &TEditButtonEh::Style, &TEditButtonEh::SetStyle);
  p.Prop("Visible", &TEditButtonEh::Visible, &TEditButtonEh::SetVisible);
  p.Prop("Width", &TEditButtonEh::Width, &TEditButtonEh::SetWidth);
  p.Event("OnClick", &TEditButtonEh::OnClick);
  p.Event("OnDown", &TEditButtonEh::OnDown);
}

HM_PUBLISH(TVisibleEditButtonEh) {}

HM_PUBLISH(TEditButtonsEh) {}

TEditButtonEh::TEditButtonEh() : glyph_(std::make_unique<TGlyph>()) {
  glyph_->OnChange = [this] { Changed(); };
}

TEditButtonEh::~TEditButtonEh() = default;

TVisibleEditButtonEh::TVisibleEditButtonEh() {
  SetVisible(true);
  SetShortCut(hm::ShortCut(VK_DOWN, {ssAlt}));
}

void TEditButtonEh::Changed() {
  if (Collection()) TCollectionItem::Changed();
  else if (OnChanged) OnChanged();
}

void TEditButtonEh::SetStyle(TEditButtonStyleEh value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TEditButtonEh::SetWidth(int value) {
  if (value == width_) return;
  width_ = value < 0 ? 0 : value;
  Changed();
}

void TEditButtonEh::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TEditButtonEh::SetNumGlyphs(int value) {
  value = value < 1 ? 1 : value;
  if (value == num_glyphs_) return;
  num_glyphs_ = value;
  Changed();
}

void TEditButtonEh::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TEditButtonEh*>(&source);
  if (!other) return TCollectionItem::Assign(source);
  style_ = other->style_;
  width_ = other->width_;
  visible_ = other->visible_;
  shortcut_ = other->shortcut_;
  glyph_->Assign(*other->glyph_);
  num_glyphs_ = other->num_glyphs_;
  hint_ = other->hint_;
  dropdown_menu_ = other->dropdown_menu_;
  Changed();
}

TEditButtonsEh::TEditButtonsEh(TPersistent* owner) : TCollection(ItemsOf<TVisibleEditButtonEh>(), owner) {}

void TEditButtonsEh::Update(TCollectionItem* item) {
  TCollection::Update(item);
  if (OnChanged) OnChanged();
}

}  // namespace hm
