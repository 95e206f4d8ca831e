// A timer whose OnTimer runs on the user-interface thread from the message
// loop, every Interval milliseconds while Enabled.
#pragma once

#include "framework/ui/platform/win32.h"

#include "framework/core/component.h"
#include "framework/core/events.h"

namespace hm {

class TTimer : public TComponent {
  HM_CLASS(TTimer, TComponent)

 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);

  TNotifyEvent OnTimer;

  void Loaded() override;

 private:
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void Update();
  void Stop();

  bool enabled_ = true;
  int interval_ = 1000;
  UINT_PTR id_ = 0;  // the system timer while running
};

}  // namespace hm
