#include "framework/ui/controls/memo.h"

#include "framework/core/exception.h"
#include "framework/core/typinfo.h"

namespace hm {

// ---- TMemoStrings

HM_PUBLISH(TMemoStrings) {}

std::vector<std::string> TMemoStrings::Lines() const { return SplitLines(memo_->GetText()); }

void TMemoStrings::Store(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += "\r\n";
    text += lines[i];
  }
  memo_->SetText(text);
}

int TMemoStrings::Count() const { return static_cast<int>(Lines().size()); }

std::string TMemoStrings::Get(int index) const {
  const auto lines = Lines();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return lines[static_cast<std::size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& s) {
  auto lines = Lines();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  lines[static_cast<std::size_t>(index)] = s;
  Store(lines);
}

void TMemoStrings::Insert(int index, const std::string& s) {
  auto lines = Lines();
  if (index < 0 || index > static_cast<int>(lines.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  lines.insert(lines.begin() + index, s);
  Store(lines);
}

void TMemoStrings::Delete(int index) {
  auto lines = Lines();
  if (index < 0 || index >= static_cast<int>(lines.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  lines.erase(lines.begin() + index);
  Store(lines);
}

void TMemoStrings::Clear() { memo_->SetText(""); }

// ---- TCustomMemo

HM_PUBLISH(TCustomMemo) {}

HM_PUBLISH(TMemo) {
  p.Prop("Alignment", &TMemo::Alignment, &TMemo::SetAlignment);
  p.Prop("BorderStyle", &TMemo::BorderStyle, &TMemo::SetBorderStyle);
  p.Prop("HideSelection", &TMemo::HideSelection, &TMemo::SetHideSelection);
  p.Prop("Lines", &TMemo::Lines);
  p.Prop("MaxLength", &TMemo::MaxLength, &TMemo::SetMaxLength);
  p.Prop("ReadOnly", &TMemo::ReadOnly, &TMemo::SetReadOnly);
  p.Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars);
  p.Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns);
  p.Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs);
  p.Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap);
  p.Event("OnChange", static_cast<TNotifyEvent TMemo::*>(&TMemo::OnChange));
}

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetBounds(0, 0, 185, 89);
  SetAutoSize(false);
}

TCustomMemo::~TCustomMemo() = default;

TMemo::TMemo(TComponent* owner) : TCustomMemo(owner) {}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (word_wrap_) params.style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (scroll_bars_ == ssHorizontal || scroll_bars_ == ssBoth) params.style |= WS_HSCROLL;
  if (scroll_bars_ == ssVertical || scroll_bars_ == ssBoth) params.style |= WS_VSCROLL;
  if (alignment_ == taRightJustify) params.style |= ES_RIGHT;
  if (alignment_ == taCenter) params.style |= ES_CENTER;
}

void TCustomMemo::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == scroll_bars_) return;
  scroll_bars_ = value;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == word_wrap_) return;
  word_wrap_ = value;
  RecreateWnd();
}

void TCustomMemo::WMGetDlgCode(TMessage& message) {
  TCustomEdit::WMGetDlgCode(message);
  if (want_tabs_) message.Result |= DLGC_WANTTAB;
  else message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
  if (!want_returns_) message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

}  // namespace hm
