#include "framework/ui/controls/group_box.h"

#include <algorithm>

#include "framework/core/typinfo.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/forms/form.h"

namespace hm {

namespace {
constexpr int kCaptionIndent = 8;  // caption's distance from the left edge
}

// ---- TCustomGroupBox

HM_PUBLISH(TCustomGroupBox) {}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) { SetBounds(0, 0, 185, 105); }

int TCustomGroupBox::CaptionHeight() const {
  TFont* font = Font();
  return font ? FontTextHeight(*font) : 13;
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) const {
  rect.top += CaptionHeight();
  InflateRect(&rect, -2, -2);
  rect.top -= 2;
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  canvas.FillRect(r);
  const int h = CaptionHeight();
  // Half the caption height up less one: where a skin's own frame goes too.
  RECT frame{r.left, r.top + h / 2 - 1, r.right, r.bottom};
  DrawEdge(canvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  RECT text{kCaptionIndent, 0, 0, 0};
  canvas.DrawText(Caption(), text, DT_CALCRECT | DT_SINGLELINE);
  // The caption hides the frame line behind it, with a space either side.
  RECT back{text.left - 2, text.top, text.right + 2, text.bottom};
  canvas.FillRect(back);
  canvas.Brush().SetStyle(bsClear);
  if (!Enabled()) canvas.Font().SetColor(clGrayText);
  canvas.DrawText(Caption(), text, DT_SINGLELINE);
}

// Alt + the caption's "&" character focuses the first control inside.
void TCustomGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(message.WParam, Caption()) && CanFocus()) {
    SelectNext(nullptr, true, true);
    message.Result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

// ---- TGroupBox

HM_PUBLISH(TGroupBox) { p.Prop("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption); }

TGroupBox::TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}

// ---- TRadioGroup

HM_PUBLISH(TRadioGroup) {
  p.Prop("Caption", &TRadioGroup::Caption, &TRadioGroup::SetCaption);
  p.Prop("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns);
  p.Prop("Items", &TRadioGroup::Items);
  p.Prop("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex);
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  TItemStrings::Listener listener;
  listener.Inserted = [this](int, const std::string&) { SyncButtons(); };
  listener.Deleted = [this](int) { SyncButtons(); };
  listener.Cleared = [this] { SyncButtons(); };
  listener.Changed = [this](int, const std::string&) { SyncButtons(); };
  items_ = std::make_unique<TItemStrings>(std::move(listener));
}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::SetItemIndex(int value) {
  if (Loading()) {
    item_index_ = value;  // the items may not be read yet
    return;
  }
  if (value < -1 || value >= items_->Count()) value = -1;
  if (value == item_index_) return;
  item_index_ = value;
  updating_ = true;
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == value);
  updating_ = false;
}

void TRadioGroup::SetColumns(int value) {
  columns_ = std::clamp(value, 1, 16);
  ArrangeButtons();
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  const int stored = item_index_;
  item_index_ = -1;
  SyncButtons();
  SetItemIndex(stored);
}

// One button per item, in item order; surplus buttons are freed.
void TRadioGroup::SyncButtons() {
  if (Loading()) return;
  while (buttons_.size() > static_cast<std::size_t>(items_->Count())) {
    TRadioButton* last = buttons_.back();
    buttons_.pop_back();
    FreeComponent(*last);
  }
  while (buttons_.size() < static_cast<std::size_t>(items_->Count())) {
    auto* button = MakeOwned<TRadioButton>(*this);
    button->OnClick = [this, button](TObject*) { ButtonClicked(*button); };
    button->SetParent(this);
    buttons_.push_back(button);
  }
  updating_ = true;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetCaption(items_->Get(static_cast<int>(i)));
    buttons_[i]->SetChecked(static_cast<int>(i) == item_index_);
  }
  updating_ = false;
  if (item_index_ >= items_->Count()) item_index_ = -1;
  ArrangeButtons();
}

void TRadioGroup::ButtonClicked(TRadioButton& button) {
  if (updating_ || !button.Checked()) return;
  const auto found = std::find(buttons_.begin(), buttons_.end(), &button);
  if (found == buttons_.end()) return;
  item_index_ = static_cast<int>(found - buttons_.begin());
  Click();
}

// Columns filled top to bottom, left to right, each row as high as the
// room allows.
void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  RECT area = ClientRect();
  AdjustClientRect(area);
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int column_width = std::max(static_cast<int>(area.right - area.left - 8) / columns_, 1);
  const int row_height = std::max(static_cast<int>(area.bottom - area.top) / std::max(rows, 1), 1);
  const int button_height = std::min(row_height, FontTextHeight(*Font()) + 4);
  for (int i = 0; i < count; ++i) {
    const int col = i / rows, row = i % rows;
    buttons_[static_cast<std::size_t>(i)]->SetBounds(area.left + 6 + col * column_width,
                                                     area.top + row * row_height + (row_height - button_height) / 2,
                                                     column_width - 2, button_height);
  }
}

void TRadioGroup::BoundsChanged() {
  TCustomGroupBox::BoundsChanged();
  ArrangeButtons();
}

void TRadioGroup::WMWindowPosChanged(TMessage& message) {
  TCustomGroupBox::WMWindowPosChanged(message);
  ArrangeButtons();
}

void TRadioGroup::CMFontChanged(TMessage& message) {
  TCustomGroupBox::CMFontChanged(message);
  ArrangeButtons();
}

}  // namespace hm
