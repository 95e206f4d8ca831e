#include "framework/ui/controls/range_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/typinfo.h"

namespace hm {

// ---- TScrollBar

HM_PUBLISH(TScrollBar) {
  p.Prop("Kind", &TScrollBar::Kind, &TScrollBar::SetKind);
  p.Prop("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange);
  p.Prop("Max", &TScrollBar::Max, &TScrollBar::SetMax);
  p.Prop("Min", &TScrollBar::Min, &TScrollBar::SetMin);
  p.Prop("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize);
  p.Prop("Position", &TScrollBar::Position, &TScrollBar::SetPosition);
  p.Prop("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange);
  p.Event("OnChange", &TScrollBar::OnChange);
  p.Event("OnScroll", &TScrollBar::OnScroll);
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = L"SCROLLBAR";
  params.own_class = false;
  params.style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  Apply();
}

void TScrollBar::Apply() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMin = min_;
  info.nMax = max_;
  info.nPage = static_cast<UINT>(page_size_);
  info.nPos = position_;
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind value) {
  if (value == kind_) return;
  kind_ = value;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetPageSize(int value) {
  page_size_ = std::clamp(value, 0, std::max(max_ - min_ + 1, 0));
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (!Loading()) {
    if (max < min) max = min;
    const int last = page_size_ > 0 ? max - page_size_ + 1 : max;
    position = std::clamp(position, min, std::max(last, min));
  }
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  Apply();
  if (moved && !Loading()) OnChange(this);
}

void TScrollBar::CNScroll(TMessage& message) {
  int position = position_;
  TScrollCode code = scEndScroll;
  switch (LOWORD(message.WParam)) {
    case SB_LINEUP: code = scLineUp; position -= small_change_; break;
    case SB_LINEDOWN: code = scLineDown; position += small_change_; break;
    case SB_PAGEUP: code = scPageUp; position -= large_change_; break;
    case SB_PAGEDOWN: code = scPageDown; position += large_change_; break;
    case SB_THUMBPOSITION: code = scPosition; position = static_cast<short>(HIWORD(message.WParam)); break;
    case SB_THUMBTRACK: code = scTrack; position = static_cast<short>(HIWORD(message.WParam)); break;
    case SB_TOP: code = scTop; position = min_; break;
    case SB_BOTTOM: code = scBottom; position = max_; break;
    default: break;
  }
  if (code == scPosition || code == scTrack) {
    // The 16-bit position of the message is not enough for large ranges.
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    if (GetScrollInfo(Handle(), SB_CTL, &info)) position = info.nTrackPos;
  }
  OnScroll(this, code, position);
  SetPosition(position);
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) return CNScroll(message);
  TWinControl::WndProc(message);
}

// ---- TProgressBar

HM_PUBLISH(TProgressBar) {
  p.Prop("Max", &TProgressBar::Max, &TProgressBar::SetMax);
  p.Prop("Min", &TProgressBar::Min, &TProgressBar::SetMin);
  p.Prop("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation);
  p.Prop("Position", &TProgressBar::Position, &TProgressBar::SetPosition);
  p.Prop("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth);
  p.Prop("Step", &TProgressBar::Step, &TProgressBar::SetStep);
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = PROGRESS_CLASSW;
  params.own_class = false;
  if (smooth_) params.style |= PBS_SMOOTH;
  if (orientation_ == pbVertical) params.style |= PBS_VERTICAL;
}

void TProgressBar::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(position_);
}

void TProgressBar::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  SetPosition(position_);
}

void TProgressBar::SetPosition(int value) {
  position_ = Loading() ? value : std::clamp(value, min_, std::max(max_, min_));
  if (HandleAllocated()) SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetSmooth(bool value) {
  if (value == smooth_) return;
  smooth_ = value;
  RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

// ---- TTrackBar

HM_PUBLISH(TTrackBar) {
  p.Prop("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency);
  p.Prop("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize);
  p.Prop("Max", &TTrackBar::Max, &TTrackBar::SetMax);
  p.Prop("Min", &TTrackBar::Min, &TTrackBar::SetMin);
  p.Prop("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation);
  p.Prop("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize);
  p.Prop("Position", &TTrackBar::Position, &TTrackBar::SetPosition);
  p.Prop("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks);
  p.Prop("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle);
  p.Event("OnChange", &TTrackBar::OnChange);
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

TTrackBar::~TTrackBar() = default;

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = TRACKBAR_CLASSW;
  params.own_class = false;
  params.style |= orientation_ == trVertical ? TBS_VERT : TBS_HORZ;
  if (tick_style_ == tsNone) params.style |= TBS_NOTICKS;
  else if (tick_style_ == tsAuto) params.style |= TBS_AUTOTICKS;
  if (tick_marks_ == tmBoth) params.style |= TBS_BOTH;
  else if (tick_marks_ == tmTopLeft) params.style |= TBS_TOP;  // TBS_LEFT has the same value
}

void TTrackBar::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  Apply();
}

void TTrackBar::Apply() {
  if (!HandleAllocated()) return;
  HWND h = Handle();
  SendMessageW(h, TBM_SETRANGEMIN, FALSE, min_);
  SendMessageW(h, TBM_SETRANGEMAX, FALSE, max_);
  SendMessageW(h, TBM_SETLINESIZE, 0, line_size_);
  SendMessageW(h, TBM_SETPAGESIZE, 0, page_size_);
  SendMessageW(h, TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
  SendMessageW(h, TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SaveWindowState() {
  TWinControl::SaveWindowState();
  position_ = Position();
}

int TTrackBar::Position() const {
  if (HandleAllocated())
    position_ = static_cast<int>(SendMessageW(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
  return position_;
}

void TTrackBar::SetPosition(int value) {
  if (!Loading()) value = std::clamp(value, min_, std::max(max_, min_));
  const bool moved = value != Position();
  position_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), TBM_SETPOS, TRUE, value);
  if (moved && !Loading()) OnChange(this);
}

void TTrackBar::SetMin(int value) {
  min_ = value;
  Apply();
}

void TTrackBar::SetMax(int value) {
  max_ = value;
  Apply();
}

void TTrackBar::SetFrequency(int value) {
  frequency_ = value;
  Apply();
}

void TTrackBar::SetLineSize(int value) {
  line_size_ = value;
  Apply();
}

void TTrackBar::SetPageSize(int value) {
  page_size_ = value;
  Apply();
}

void TTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark value) {
  if (value == tick_marks_) return;
  tick_marks_ = value;
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle value) {
  if (value == tick_style_) return;
  tick_style_ = value;
  RecreateWnd();
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    const int before = position_;
    if (Position() != before) OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

// ---- TUpDown

HM_PUBLISH(TUpDown) {
  p.Prop("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton);
  p.Prop("ArrowKeys", &TUpDown::ArrowKeys, &TUpDown::SetArrowKeys);
  p.Prop("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
  p.Prop("Increment", &TUpDown::Increment, &TUpDown::SetIncrement);
  p.Prop("Max", &TUpDown::Max, &TUpDown::SetMax);
  p.Prop("Min", &TUpDown::Min, &TUpDown::SetMin);
  p.Prop("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation);
  p.Prop("Position", &TUpDown::Position, &TUpDown::SetPosition);
  p.Prop("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands);
  p.Prop("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap);
  p.Event("OnChanging", &TUpDown::OnChanging);
  p.Event("OnClick", &TUpDown::OnClick);
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 17, 25); }

TUpDown::~TUpDown() = default;

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = UPDOWN_CLASSW;
  params.own_class = false;
  if (orientation_ == udHorizontal) params.style |= UDS_HORZ;
  if (arrow_keys_) params.style |= UDS_ARROWKEYS;
  if (!thousands_) params.style |= UDS_NOTHOUSANDS;
  if (wrap_) params.style |= UDS_WRAP;
  if (associate_) params.style |= UDS_SETBUDDYINT;
}

void TUpDown::CreateHandleDone() {
  TWinControl::CreateHandleDone();
  HWND h = Handle();
  SendMessageW(h, UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  if (associate_) SendMessageW(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
  SendMessageW(h, UDM_SETPOS32, 0, position_);
  // The associate's window may have sized itself to its font just now.
  PlaceBesideAssociate();
}

// Placed by the control rather than by UDS_ALIGN*, which would narrow the
// associate each time a window is made and so change stored sizes.
void TUpDown::PlaceBesideAssociate() {
  if (!associate_ || Loading() || associate_->Parent() != Parent()) return;
  const int left = align_button_ == udLeft ? associate_->Left() - Width() : associate_->Left() + associate_->Width();
  SetBounds(left, associate_->Top(), Width(), associate_->Height());
}

void TUpDown::Loaded() {
  TWinControl::Loaded();
  PlaceBesideAssociate();
}

void TUpDown::SaveWindowState() {
  TWinControl::SaveWindowState();
  position_ = Position();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) associate_ = nullptr;
}

int TUpDown::Position() const {
  if (HandleAllocated()) {
    BOOL failed = FALSE;
    const auto pos = static_cast<int>(
        SendMessageW(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
    if (!failed) position_ = pos;
  }
  return position_;
}

void TUpDown::SetPosition(int value) {
  if (!Loading()) value = std::clamp(value, std::min(min_, max_), std::max(min_, max_));
  position_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, value);
}

void TUpDown::SetMin(int value) {
  min_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::SetMax(int value) {
  max_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
}

void TUpDown::SetIncrement(int value) {
  increment_ = value;
  if (!HandleAllocated()) return;
  UDACCEL accel{0, static_cast<UINT>(increment_)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == associate_) return;
  if (associate_) RemoveFreeNotification(associate_);
  associate_ = control;
  if (control) FreeNotification(control);
  PlaceBesideAssociate();
  RecreateWnd();
}

void TUpDown::SetAlignButton(TUDAlignButton value) {
  if (value == align_button_) return;
  align_button_ = value;
  PlaceBesideAssociate();
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  RecreateWnd();
}

void TUpDown::SetArrowKeys(bool value) {
  if (value == arrow_keys_) return;
  arrow_keys_ = value;
  RecreateWnd();
}

void TUpDown::SetThousands(bool value) {
  if (value == thousands_) return;
  thousands_ = value;
  RecreateWnd();
}

void TUpDown::SetWrap(bool value) {
  if (value == wrap_) return;
  wrap_ = value;
  RecreateWnd();
}

void TUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_NOTIFY: {
      const auto* change = reinterpret_cast<const NMUPDOWN*>(message.LParam);
      if (change->hdr.code == UDN_DELTAPOS) {
        bool allow = true;
        OnChanging(this, allow);
        message.Result = allow ? FALSE : TRUE;
      }
      return;
    }
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (LOWORD(message.WParam) == SB_THUMBPOSITION) {
        const int before = position_;
        const int now = Position();
        if (now != before) OnClick(this, now > before ? btNext : btPrev);
      }
      return;
    default: TWinControl::WndProc(message);
  }
}

}  // namespace hm
