// What the skin manager needs of the skins it attaches to windows. The frame
// skin (TWinSkinForm) and the popup-menu skin (TWinSkinPopMenu) live in a
// higher layer (skin/frame); they implement these interfaces and register
// the factories that make them, so the manager never names their classes.
#pragma once

#include "framework/ui/platform/win32.h"

#include <functional>
#include <memory>

namespace hm {

class TBitmap;
class TComponent;
class TCustomForm;
class TSkinData;

// One skinned top-level window.
class ISkinFrame {
 public:
  virtual ~ISkinFrame() = default;
  // The component behind it: owned by the form for a framework form, by
  // nobody (the manager frees it) for a bare window.
  virtual TComponent& Component() = 0;
  virtual HWND Handle() const = 0;
  virtual TSkinData* Data() const = 0;
  // 6 once the window has received its final non-client destroy message.
  virtual int LifeState() const = 0;
  virtual bool IsMdiChild() const = 0;
  // Gives the window its own frame back.
  virtual void Detach() = 0;
  virtual void ReleaseCaptionButtons() = 0;
  virtual void BuildFrameMetrics() = 0;
  virtual void SkinChanged() = 0;
  // Switches an MDI child into or out of its maximized presentation.
  virtual void MdiMaximizedChanged(bool maximized) = 0;
};

// One skinned menu window ("#32768").
class ISkinPopupMenu {
 public:
  virtual ~ISkinPopupMenu() = default;
  virtual HWND Handle() const = 0;
  virtual void Detach() = 0;
  virtual void SetMenuBarDropDown(bool value) = 0;
  // Null until the skin learns which menu it shows.
  virtual HMENU MenuHandle() const = 0;
  virtual TBitmap* Background() = 0;
};

struct TSkinFactories {
  // Makes a frame skin for `window` (a framework form's when `form` is set;
  // the form then owns it), attaches it with `data` and answers it.
  std::function<ISkinFrame*(TCustomForm* form, HWND window, TSkinData& data)> attach_frame;
  // Makes and attaches the skin of a menu window.
  std::function<std::unique_ptr<ISkinPopupMenu>(HWND window, TSkinData& data)> attach_popup_menu;
};

}  // namespace hm
