// Controls that show or choose a number in a range, over the native scroll
// bar, progress bar, track bar and up-down controls. Each keeps its values
// itself, so they are there before the window is.
#pragma once

#include <memory>

#include "framework/ui/base/win_control.h"

namespace hm {

HM_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
HM_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
        scEndScroll)
HM_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)
HM_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
HM_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
HM_ENUM(TTickStyle, tsNone, tsAuto, tsManual)
HM_ENUM(TUDOrientation, udHorizontal, udVertical)
HM_ENUM(TUDAlignButton, udLeft, udRight)
HM_ENUM(TUDBtnType, btNext, btPrev)

// Sender, what happened, the new position (in/out).
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;
// Sender, which button was clicked.
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
// Sender, whether the position may change (in/out).
using TUDChangingEvent = TEvent<TObject*, bool&>;

class TScrollBar : public TWinControl {
  HM_CLASS(TScrollBar, TWinControl)

 public:
  explicit TScrollBar(TComponent* owner);
  ~TScrollBar() override;

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  int PageSize() const { return page_size_; }
  void SetPageSize(int value);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int value) { small_change_ = value; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int value) { large_change_ = value; }
  // Position kept within Min .. Max - PageSize + 1 (Max with no page).
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void CNScroll(TMessage& message);

 private:
  void Apply();
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, page_size_ = 0;
  int small_change_ = 1, large_change_ = 1;
};

class TProgressBar : public TWinControl {
  HM_CLASS(TProgressBar, TWinControl)

 public:
  explicit TProgressBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  int Step() const { return step_; }
  void SetStep(int value) { step_ = value; }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);
  TProgressBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TProgressBarOrientation value);
  void StepIt() { SetPosition(position_ + step_); }
  void StepBy(int delta) { SetPosition(position_ + delta); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;

 private:
  int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
  bool smooth_ = false;
  TProgressBarOrientation orientation_ = pbHorizontal;
};

class TTrackBar : public TWinControl {
  HM_CLASS(TTrackBar, TWinControl)

 public:
  explicit TTrackBar(TComponent* owner);
  ~TTrackBar() override;

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The thumb's place; read from the window, where the user moves it.
  int Position() const;
  void SetPosition(int value);
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  int LineSize() const { return line_size_; }
  void SetLineSize(int value);
  int PageSize() const { return page_size_; }
  void SetPageSize(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);
  TTickMark TickMarks() const { return tick_marks_; }
  void SetTickMarks(TTickMark value);
  TTickStyle TickStyle() const { return tick_style_; }
  void SetTickStyle(TTickStyle value);

  TNotifyEvent OnChange;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void SaveWindowState() override;

 private:
  void Apply();
  int min_ = 0, max_ = 10, frequency_ = 1, line_size_ = 1, page_size_ = 2;
  mutable int position_ = 0;
  TTrackBarOrientation orientation_ = trHorizontal;
  TTickMark tick_marks_ = tmBottomRight;
  TTickStyle tick_style_ = tsAuto;
};

class TUpDown : public TWinControl {
  HM_CLASS(TUpDown, TWinControl)

 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  // The control the up-down sits beside and whose text shows the position.
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);
  TUDAlignButton AlignButton() const { return align_button_; }
  void SetAlignButton(TUDAlignButton value);
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  bool ArrowKeys() const { return arrow_keys_; }
  void SetArrowKeys(bool value);
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void Notification(TComponent* component, TOperation operation) override;
  void SaveWindowState() override;

 public:
  void Loaded() override;

 private:
  // Beside the associate, as high as it; the associate keeps its size.
  void PlaceBesideAssociate();
  int min_ = 0, max_ = 100, increment_ = 1;
  mutable int position_ = 0;
  TWinControl* associate_ = nullptr;  // not owned; free notification clears it
  TUDAlignButton align_button_ = udRight;
  TUDOrientation orientation_ = udVertical;
  bool arrow_keys_ = true;
  bool thousands_ = true;
  bool wrap_ = false;
};

}  // namespace hm
