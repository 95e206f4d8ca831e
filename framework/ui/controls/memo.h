// Multi-line text over the native edit control. Lines are the text's hard
// lines (separated by CR LF); a line wrapped only by WordWrap stays one.
#pragma once

#include <memory>
#include <vector>

#include "framework/core/string_list.h"

#include "framework/ui/controls/edits.h"
#include "framework/ui/controls/std_controls.h"

namespace hm {

HM_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

class TCustomMemo;

// The lines of a memo, read from and written to its text.
class TMemoStrings : public TStrings {
  HM_CLASS(TMemoStrings, TStrings)

 public:
  explicit TMemoStrings(TCustomMemo* memo = nullptr) : memo_(memo) {}
  int Count() const override;
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  std::vector<std::string> Lines() const;
  void Store(const std::vector<std::string>& lines);
  TCustomMemo* memo_;  // not owned: the memo owns us
};

class TCustomMemo : public TCustomEdit {
  HM_CLASS(TCustomMemo, TCustomEdit)

 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return lines_.get(); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool value);
  // Enter and Tab typed into the memo rather than left to the form.
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool value) { want_returns_ = value; }
  bool WantTabs() const { return want_tabs_; }
  void SetWantTabs(bool value) { want_tabs_ = value; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WMGetDlgCode(TMessage& message) override;

 private:
  std::unique_ptr<TMemoStrings> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scroll_bars_ = ssNone;
  bool word_wrap_ = true;
  bool want_returns_ = true;
  bool want_tabs_ = false;
};

class TMemo : public TCustomMemo {
  HM_CLASS(TMemo, TCustomMemo)

 public:
  explicit TMemo(TComponent* owner);
};

}  // namespace hm
