// Group boxes: a framed container with a caption in the frame's top edge,
// and the radio group, a group box whose radio buttons come from Items.
#pragma once

#include <memory>
#include <vector>

#include "framework/ui/controls/check_box.h"
#include "framework/ui/controls/item_strings.h"
#include "framework/ui/base/win_control.h"

namespace hm {

class TCustomGroupBox : public TCustomControl {
  HM_CLASS(TCustomGroupBox, TCustomControl)

 public:
  explicit TCustomGroupBox(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void Paint() override;
  // Inside the frame and below the caption.
  void AdjustClientRect(RECT& rect) const override;
  int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
  HM_CLASS(TGroupBox, TCustomGroupBox)

 public:
  explicit TGroupBox(TComponent* owner);
};

class TRadioGroup : public TCustomGroupBox {
  HM_CLASS(TRadioGroup, TCustomGroupBox)

 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStrings* Items() const { return items_.get(); }
  // The checked item, -1 for none.
  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The radio button of item i (made by the group, owned by it).
  TRadioButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

  void Loaded() override;

 protected:
  void BoundsChanged() override;
  void WMWindowPosChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;

 private:
  void SyncButtons();
  void ArrangeButtons();
  void ButtonClicked(TRadioButton& button);

  std::unique_ptr<TItemStrings> items_;
  std::vector<TRadioButton*> buttons_;  // owned as components of the group
  int item_index_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

}  // namespace hm
