// RAII owners for the Win32 handles the framework holds. Each owner frees its
// handle with the one call that matches how it was obtained.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <type_traits>
#include <utility>

namespace hm {

namespace detail {
struct WindowDeleter {
  void operator()(HWND h) const noexcept { DestroyWindow(h); }
};
struct GdiDeleter {
  void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
struct MemoryDCDeleter {
  void operator()(HDC h) const noexcept { DeleteDC(h); }
};
struct HookDeleter {
  void operator()(HHOOK h) const noexcept { UnhookWindowsHookEx(h); }
};
struct IconDeleter {
  void operator()(HICON h) const noexcept { DestroyIcon(h); }
};
}  // namespace detail

using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, detail::WindowDeleter>;
using UniqueMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, detail::MemoryDCDeleter>;
using UniqueHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, detail::HookDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, detail::IconDeleter>;

// A GDI object of a given handle type (HFONT, HBRUSH, HPEN, HBITMAP, HRGN).
template <typename Handle>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<Handle>, detail::GdiDeleter>;

// A DC from GetDC / GetWindowDC, given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window, bool whole_window = false) noexcept
      : window_(window), dc_(whole_window ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) noexcept : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintScope() { EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const noexcept { return dc_; }
  const RECT& area() const noexcept { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectScope() {
    if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC around a piece of drawing.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) noexcept : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDCState() {
    if (id_) RestoreDC(dc_, id_);
  }
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;

 private:
  HDC dc_;
  int id_;
};

}  // namespace hm
