// The frame skin's message stream: the three stages every message of the
// window passes, the hook in a framework form's chain, the first
// activation and the window-state tracking.
#include <optional>

#include "framework/core/typinfo.h"
#include "framework/ui/forms/form.h"
#include "skin/controls/skin_control.h"
#include "skin/core/skin_manage.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "skin/frame/win_skin_menu.h"

namespace hm {

// One message of ours: remembers the procedure below us for it, and frees
// an object that was freed inside the message once the message is over.
class TFrameMessageScope {
 public:
  explicit TFrameMessageScope(TWinSkinForm& skin) noexcept : skin_(skin), outer_(skin.running_previous_) {
    ++skin_.depth_;
    if (skin_.subclass_.Installed()) skin_.running_previous_ = skin_.subclass_.PreviousProc();
  }
  ~TFrameMessageScope() {
    skin_.running_previous_ = outer_;
    if (--skin_.depth_ == 0 && skin_.free_pending_) delete &skin_;
  }
  TFrameMessageScope(const TFrameMessageScope&) = delete;
  TFrameMessageScope& operator=(const TFrameMessageScope&) = delete;

 private:
  TWinSkinForm& skin_;
  WNDPROC outer_;
};

namespace {

bool Gone(const TComponent& component) { return component.ComponentState().Contains(csDestroying); }

}  // namespace

int TWinSkinForm::PlacementState() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(handle_, &placement)) return window_state_;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: return kWindowMinimized;
    case SW_SHOWMAXIMIZED: return kWindowMaximized;
    default: return kWindowNormal;
  }
}

void TWinSkinForm::Default(TMessage& message) {
  if (subclass_.Installed()) {
    subclass_.CallPrevious(message);
  } else if (running_previous_) {
    // Given back while this message was running: it still reaches the
    // procedure it was meant for.
    message.Result = CallWindowProcW(running_previous_, handle_, message.Msg, message.WParam, message.LParam);
  }
}

void TWinSkinForm::WindowProc(TMessage& message) {
  TFrameMessageScope scope(*this);
  if (Stage1(message)) return;
  if (!frame_skinned_) {
    Default(message);
    return;
  }
  // A child window that is not an MDI child keeps everything else.
  if (form_kind_ != kFormMdiChild && (style_ & WS_CHILD)) {
    Default(message);
    return;
  }
  const TPassOn pass_on = Stage2(message);
  if (pass_on == TPassOn::Finished || Gone(*this)) return;
  const bool stage3 = life_state_ != kLifeCreated && window_state_ != kWindowMinimized &&
                      !(form_kind_ == kFormMdiChild && window_state_ != kWindowNormal);
  if (stage3) {
    Stage3(message, pass_on);
  } else if (pass_on == TPassOn::WithDefault) {
    Default(message);
  }
}

// True when the message is finished.
bool TWinSkinForm::Stage1(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      Default(message);
      if (!form_ && skin_data_ && skin_data_->ButtonFaceBrush()) {
        RECT client{};
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, skin_data_->ButtonFaceBrush());
        message.Result = 1;
      }
      return true;
    case WM_STYLECHANGED:
      if (static_cast<int>(message.WParam) == GWL_STYLE && message.LParam)
        style_ = reinterpret_cast<const STYLESTRUCT*>(message.LParam)->styleNew;
      Default(message);
      return true;
    case WM_NCDESTROY:
      life_state_ = kLifeDestroying;
      DetachOnDestroy();
      Default(message);
      subclass_.Remove();
      life_state_ = kLifeDead;
      return true;
    case WM_CTLCOLORBTN:
      Default(message);
      if (!form_) SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      Default(message);
      if (!form_ && skin_data_) {
        SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
        message.Result = reinterpret_cast<LRESULT>(skin_data_->ButtonFaceBrush());
      }
      return true;
    case WM_SKINQUERY: message.Result = 1; return true;
    default: return false;
  }
}

TWinSkinForm::TPassOn TWinSkinForm::Stage2(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE: WMSize(message); return TPassOn::Finished;
    case WM_ACTIVATE: active_ = LOBYTE(message.WParam) != 0; return TPassOn::WithDefault;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(message); return TPassOn::WithoutDefault;
    case WM_WINDOWPOSCHANGED:
      window_state_ = PlacementState();
      Default(message);
      return TPassOn::WithoutDefault;
    case WM_NCACTIVATE: active_ = LOBYTE(message.WParam) != 0; return TPassOn::WithDefault;
    case WM_COMMAND:
    case WM_SYSCOMMAND:
      if (!SystemMenuCommand(message)) Default(message);
      return TPassOn::WithoutDefault;
    case WM_SKINSTART: FirstActivation(); return TPassOn::WithoutDefault;
    case CM_MENUCHANGED: MenuChanged(message, nullptr); return TPassOn::WithoutDefault;
    case WM_MENUSELECT:
      // A drop-down of the bar tells its owner what is selected.
      if (menu_tracking_ && menu_bar_) menu_bar_->MenuSelect(message.WParam, message.LParam);
      return TPassOn::WithDefault;
    default: return TPassOn::WithDefault;
  }
}

void TWinSkinForm::Stage3(TMessage& message, TPassOn pass_on) {
  switch (message.Msg) {
    case WM_DRAWITEM: WMDrawItem(message); return;
    case WM_MEASUREITEM: WMMeasureItem(message); return;
    case WM_WINDOWPOSCHANGING: Default(message); return;
    case WM_NCCALCSIZE: WMNcCalcSize(message); return;
    case WM_NCHITTEST: WMNcHitTest(message); return;
    case WM_NCPAINT: WMNcPaint(message); return;
    case WM_NCACTIVATE: WMNcActivate(message); return;
    case WM_NCMOUSEMOVE: WMNcMouseMove(message); return;
    case WM_NCLBUTTONDOWN: WMNcLButtonDown(message); return;
    case WM_NCLBUTTONUP: WMNcLButtonUp(message); return;
    case WM_NCLBUTTONDBLCLK: WMNcLButtonDblClk(message); return;
    case WM_NCRBUTTONDOWN: WMNcRButtonDown(message); return;
    case WM_SKINFRAMEPAINT: PaintFrame(nullptr); return;
    default:
      if (pass_on == TPassOn::WithDefault) Default(message);
      return;
  }
}

// ---- The framework form's chain

void TWinSkinForm::FormHook(TMessage& message, const TCallNext& next) {
  TFrameMessageScope scope(*this);
  switch (message.Msg) {
    case WM_SETTEXT:
      next(message);
      if (Gone(*this)) return;
      // The title shows the new text.
      ReadCaptionText();
      FrameChanged();
      return;
    case WM_SKINCHANGED: SkinChanged(); return;
    // Framework notifications travel only through the chain.
    case CM_DIALOGCHAR:
      if (!DialogChar(message)) next(message);
      return;
    case CM_MENUCHANGED: MenuChanged(message, &next); return;
    default: next(message); return;
  }
}

// ---- First activation and window state

void TWinSkinForm::FirstActivation() {
  if (life_state_ == kLifeCreated) {
    if (form_kind_ == kFormMdiChild && MdiMaximizedMode()) {
      SetCaptionStyles(true);
      FrameChanged();
    } else if (window_state_ != kWindowMinimized && border_kind_ != kBorderNone) {
      life_state_ = kLifeResizing;
      KeepClientSize(false);
      life_state_ = kLifeActive;
      UpdateRegion();
    }
  }
  life_state_ = kLifeActive;
  if (timer_) timer_->SetEnabled(true);
}

void TWinSkinForm::WMSize(TMessage& message) {
  Default(message);
  switch (message.WParam) {
    case SIZE_RESTORED: window_state_ = kWindowNormal; break;
    case SIZE_MINIMIZED: window_state_ = kWindowMinimized; break;
    case SIZE_MAXIMIZED: window_state_ = kWindowMaximized; break;
    default: break;
  }
  if (window_state_ == kWindowMinimized) return;
  if (form_kind_ == kFormMdiChild && (MdiMaximizedMode() || window_state_ != kWindowNormal)) return;
  if (life_state_ == kLifeActive || life_state_ == kLifeSkinChange) UpdateRegion();
}

void TWinSkinForm::WMGetMinMaxInfo(TMessage& message) {
  Default(message);
  window_state_ = PlacementState();
  if (window_state_ == kWindowMinimized) {
    SetCaptionStyles(true);
  } else if (form_kind_ != kFormMdiChild) {
    SetCaptionStyles(false);
  } else if (window_state_ == kWindowNormal) {
    if (TSkinManage* manager = ExistingSkinManager(); manager && manager->MdiMaximized())
      manager->SetMdiMaximized(false);
    SetCaptionStyles(false);
  } else {
    SetCaptionStyles(true);
  }
  if (border_kind_ == kBorderSizable && message.LParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
    info->ptMaxTrackSize.x = GetSystemMetrics(SM_CXMAXIMIZED);
    info->ptMaxTrackSize.y = GetSystemMetrics(SM_CYMAXIMIZED);
  }
}

void TWinSkinForm::FrameChanged() {
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::ResizeForFrame(int x, int y, int width, int height, UINT flags) {
  std::optional<TCustomForm::TFrameResize> own_size;
  if (form_) own_size.emplace(*form_, width, height);
  SetWindowPos(handle_, nullptr, x, y, width, height, flags);
}

// ---- The skin was replaced

void TWinSkinForm::SkinChanged() {
  if (!skin_data_) return;
  const TColor face = skin_data_->Colours().ButtonFaceColor;
  if (form_) {
    form_->SetColor(face);
    for (int i = 0; i < form_->ComponentCount(); ++i) {
      TComponent* component = form_->Components(i);
      if (auto* control = dynamic_cast<TControl*>(component); control && control->AsForm()) control->SetColor(face);
      if (component->InheritsFrom("TCustomGrid")) SetOrdProp(component, "FixedColor", face);
    }
  }
  for (TSkinControl* skin : std::vector<TSkinControl*>(controls_.Items())) {
    if (controls_.Contains(*skin)) skin->SkinChanged();
  }
  life_state_ = kLifeSkinChange;
  if (frame_skinned_) {
    EquipPopupMenus();
    KeepClientSize(true);
    life_state_ = kLifeActive;
    UpdateRegion();
  }
  life_state_ = kLifeActive;
}

}  // namespace hm
