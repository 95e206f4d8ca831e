#include "framework/ui/forms/timer.h"

#include <unordered_map>

#include "framework/core/typinfo.h"
#include "framework/ui/platform/error_sink.h"
#include "framework/ui/platform/win32_error.h"

namespace hm {

namespace {
// Running timers by system id; user-interface thread only.
std::unordered_map<UINT_PTR, TTimer*>& Running() {
  static std::unordered_map<UINT_PTR, TTimer*> running;
  return running;
}
}  // namespace

HM_PUBLISH(TTimer) {
  p.Prop("Enabled", &TTimer::Enabled, &TTimer::SetEnabled);
  p.Prop("Interval", &TTimer::Interval, &TTimer::SetInterval);
  p.Event("OnTimer", &TTimer::OnTimer);
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Update(); }

TTimer::~TTimer() { Stop(); }

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Update();
}

void TTimer::SetInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Update();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Update();
}

void TTimer::Stop() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  Running().erase(id_);
  id_ = 0;
}

void TTimer::Update() {
  Stop();
  if (!enabled_ || interval_ <= 0 || ComponentState().Contains(csLoading)) return;
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(interval_), &TTimer::TimerProc);
  if (!id_) RaiseLastWin32Error("SetTimer");
  Running()[id_] = this;
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Running().find(id);
  if (found == Running().end()) return;
  try {
    found->second->OnTimer(found->second);
  } catch (...) {
    HandleWindowProcException();
  }
}

}  // namespace hm
