// The data grid's setting for its vertical scroll bar (stored as
// VertScrollBar.VisibleMode). The bar itself is the window's; this only
// says when it shows.
#pragma once

#include <functional>

#include "framework/core/persistent.h"
#include "grid/db_grid_options.h"

namespace hm {

class TDBGridEhScrollBar : public TPersistent {
  HM_CLASS(TDBGridEhScrollBar, TPersistent)

 public:
  explicit TDBGridEhScrollBar(std::function<void()> changed = {}) : changed_(std::move(changed)) {}

  TScrollBarVisibleModeEh VisibleMode() const { return visible_mode_; }
  void SetVisibleMode(TScrollBarVisibleModeEh mode);

  void Assign(const TPersistent& source) override;

 private:
  std::function<void()> changed_;
  TScrollBarVisibleModeEh visible_mode_ = sbAutoShowEh;
};

}  // namespace hm
