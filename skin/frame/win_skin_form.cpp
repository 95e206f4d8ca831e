#include "skin/frame/win_skin_form.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "framework/ui/forms/form.h"
#include "framework/ui/platform/rect.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_speed_button.h"
#include "skin/core/control_skin_choice.h"
#include "skin/core/skin_manage.h"
#include "skin/core/win_skin_data.h"
#include "skin/frame/nc_objects.h"

namespace hm {

HM_PUBLISH(TWinSkinForm) {}

namespace {

constexpr std::size_t kMaxCaptionText = 1000;

std::string TextOf(HWND window, std::size_t limit) {
  std::wstring text(limit + 1, L'\0');
  const auto got = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(got, 0, static_cast<LRESULT>(limit))));
  return Narrow(text);
}

}  // namespace

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner) {
  double_click_time_ = GetDoubleClickTime();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    caption_font_.AssignLogFont(metrics.lfCaptionFont);
}

TWinSkinForm::~TWinSkinForm() { GiveBack(); }

void TWinSkinForm::Destroying() {
  GiveBack();
  TComponent::Destroying();
}

bool TWinSkinForm::DeferFree() {
  if (depth_ == 0) return false;
  free_pending_ = true;
  return true;
}

// Whatever is still hooked goes; the window keeps its styles (Detach gives
// those back). Runs once, at the teardown.
void TWinSkinForm::GiveBack() noexcept {
  if (timer_) timer_->SetEnabled(false);
  form_layer_.Remove();
  subclass_.Remove();
  client_subclass_.Remove();
  try {
    controls_.RemoveAll();
  } catch (...) {
    // A control that cannot take its colour back still loses its skin.
  }
  hot_native_button_ = nullptr;
  // Our draw and measure handlers point at this object: they go with it
  // (a form that is going takes its popup menus along).
  try {
    if (form_ && !form_->ComponentState().Contains(csDestroying)) RestorePopupMenus();
  } catch (...) {
    // A menu that cannot rebuild keeps its items; the handlers are cleared first.
  }
  hot_object_ = nullptr;
  menu_bar_.reset();
  if (handle_) {
    if (TSkinManage* manager = ExistingSkinManager()) manager->RemoveFormSkin(handle_);
  }
}

void TWinSkinForm::UnlistControlSkin(TSkinControl& skin) {
  controls_.Remove(skin);
  if (hot_native_button_ == &skin) hot_native_button_ = nullptr;
}

bool TWinSkinForm::MdiMaximizedMode() const {
  const TSkinManage* manager = ExistingSkinManager();
  return manager && manager->MdiMaximized();
}

void TWinSkinForm::ReadCaptionText() { caption_text_ = TextOf(handle_, kMaxCaptionText); }

// ---- Attaching

void TWinSkinForm::AttachForm(TSkinData& data, TCustomForm& form) {
  // A second request changes nothing: no second hook, no colour taken twice.
  if (subclass_.Installed()) return;
  form_ = &form;
  if (data.SkinControls().Contains(xcMainMenu)) {
    form_layer_ = form.WindowProc().Insert([this](TMessage& m, const TCallNext& next) { FormHook(m, next); });
  }
  Attach(data);
  form_color_backup_ = form.Color();
  form.SetColor(data.Colours().ButtonFaceColor);
  if (data.SkinControls().Contains(xcMainMenu)) EquipPopupMenus();
}

void TWinSkinForm::Attach(TSkinData& data) {
  if (subclass_.Installed()) return;
  // 1. The skin, the hover timer, whether the frame itself is skinned.
  skin_data_ = &data;
  if (!timer_) {
    timer_ = MakeRoot<TTimer>();
    timer_->SetEnabled(false);
    timer_->SetInterval(250);
    timer_->OnTimer = [this](TObject*) { HoverCheck(); };
  }
  frame_skinned_ = data.SkinControls().Contains(xcMainMenu);
  // 2. Styles and the system menu.
  style_ = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_EXSTYLE));
  right_to_left_ = (ex_style & WS_EX_LEFTSCROLLBAR) != 0;
  system_menu_ = GetSystemMenu(handle_, FALSE);
  // 3. The icon.
  BuildIconBitmap();
  // 4. Texts and owner.
  ReadCaptionText();
  window_class_ = WindowClassName(handle_);
  owner_window_ = GetWindow(handle_, GW_OWNER);
  // 5. The client area and the system's own frame around it.
  RECT window{}, client{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  client_rect_ = client;
  standard_frame_size_ = RECT{0, 0, Width(window) - Width(client), Height(window) - Height(client)};
  // 6. Features.
  features_ = 0;
  if ((style_ & WS_SYSMENU) || system_menu_) features_ |= kFeatureSystemMenu;
  if (style_ & WS_MINIMIZEBOX) features_ |= kFeatureMinimize;
  if (style_ & WS_MAXIMIZEBOX) features_ |= kFeatureMaximize;
  // 7. The skinned system menu.
  BuildSystemMenuPopup();
  // 8. Window state.
  window_state_ = PlacementState();
  // 9. Form kind.
  form_kind_ = kFormOrdinary;
  mdi_client_ = nullptr;
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (LowerCase(WindowClassName(child)) == "mdiclient") {
      mdi_client_ = child;
      form_kind_ = kFormMdiFrame;
      break;
    }
  }
  if (form_kind_ == kFormOrdinary && (ex_style & WS_EX_MDICHILD)) form_kind_ = kFormMdiChild;
  // 10. Border kind.
  border_kind_ = kBorderFixed;
  if ((style_ & WS_POPUP) && (style_ & WS_CAPTION) != WS_CAPTION) {
    border_kind_ = kBorderNone;
  } else if (style_ & WS_THICKFRAME) {
    border_kind_ = kBorderSizable;
  } else if (style_ & DS_MODALFRAME) {
    border_kind_ = kBorderDialog;
  }
  // 11. An MDI frame's client window: its menu messages.
  if (form_kind_ == kFormMdiFrame) {
    menu_update_backup_ = data.MenuUpdate();
    client_subclass_ = TSubclass(mdi_client_, [this](TMessage& m, TSubclass& self) { MdiClientMessage(m, self); });
  }
  // 12. The frame: the native menu, the caption styles, the metrics.
  if (frame_skinned_) {
    native_menu_ = GetMenu(handle_);
    if (native_menu_ && form_kind_ != kFormMdiChild) CreateMenuBar();
    if (!((form_kind_ == kFormMdiChild && MdiMaximizedMode()) || window_state_ == kWindowMinimized))
      SetCaptionStyles(false);
    BuildFrameMetrics();
  }
  // 13. The window's messages.
  subclass_ = TSubclass(handle_, [this](TMessage& m, TSubclass&) { WindowProc(m); });
  // 14. The controls.
  SkinControls();
  // 15. Everything shows the skin.
  InvalidateRect(handle_, nullptr, TRUE);
}

void TWinSkinForm::SetCaptionStyles(bool standard) {
  if (form_kind_ == kFormMdiChild && MdiMaximizedMode() && !standard) return;
  auto style = static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE));
  if (standard) {
    if (features_ & kFeatureSystemMenu) style |= WS_SYSMENU;
    if (features_ & kFeatureMinimize) style |= WS_MINIMIZEBOX;
    if (features_ & kFeatureMaximize) style |= WS_MAXIMIZEBOX;
    if (features_ & kFeatureCaptionRemoved) style |= WS_CAPTION;
  } else if (owner_window_ || form_kind_ == kFormMdiChild) {
    style &= ~static_cast<DWORD>(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  } else {
    features_ |= kFeatureCaptionRemoved;
    style &= ~static_cast<DWORD>(WS_CAPTION);
  }
  SetWindowLongPtrW(handle_, GWL_STYLE, static_cast<LONG_PTR>(style));
}

// ---- Control skins

void TWinSkinForm::SkinControls() {
  if (!skin_data_) return;
  controls_.PurgeDead();
  if (form_) {
    SkinComponents(*form_);
  } else {
    SkinNativeChildren();
  }
}

void TWinSkinForm::SkinComponents(TComponent& container) {
  // By index: skins made meanwhile may join the container's components.
  for (int i = 0; i < container.ComponentCount(); ++i) {
    try {
      SkinComponent(*container.Components(i), container);
    } catch (...) {
      // A control the skins cannot take (its window cannot be made, a
      // handler failed) keeps its own look; the others are still skinned.
    }
  }
}

void TWinSkinForm::SkinComponent(TComponent& component, TComponent& container) {
  if (component.InheritsFrom(TSkinControl::StaticClass())) return;
  TSkinData& data = *skin_data_;
  TControlSkinContext context{data, this, &container, form_ ? form_->Name() : std::string(), controls_.Existing()};
  const TControlSkinChoice choice = ChooseControlSkin(component, context);

  if (choice.from_handler) {
    auto* skin = dynamic_cast<TSkinControl*>(choice.from_handler);
    if (skin && !controls_.Contains(*skin)) skin->InitSkin(this, data, skin->Recolor(), &control_canvas_);
    if (choice.skin_owned_components) SkinComponents(component);
    return;
  }
  auto* control = dynamic_cast<TControl*>(&component);
  TWinControl* windowed = control ? control->AsWinControl() : nullptr;
  if (!choice.child_skin_class.empty() && windowed) {
    for (int i = 0; i < windowed->ControlCount(); ++i) {
      TControl* child = windowed->Controls(i);
      const auto existing = controls_.Existing();
      const bool skinned = std::any_of(existing.begin(), existing.end(),
                                       [child](const TExistingControlSkin& e) { return e.component == child; });
      if (skinned) continue;
      auto* skin = dynamic_cast<TSkinControl*>(CreateComponent(choice.child_skin_class, *child));
      if (skin) skin->InitSkin(this, data, false, &control_canvas_);
    }
  }
  if (!choice.skin_class.empty()) {
    PrepareControlForSkin(component, choice, data);
    TComponent* made = CreateComponent(choice.skin_class, component);
    auto* skin = dynamic_cast<TSkinControl*>(made);
    if (!skin) {
      // A class of that name is not (yet) a control skin: the control keeps its look.
      if (made) component.FreeComponent(*made);
    } else {
      try {
        switch (choice.attach) {
          case TSkinAttach::InitSkin: skin->InitSkin(this, data, choice.recolor, &control_canvas_); break;
          case TSkinAttach::InitSkinHandle:
            if (windowed) skin->InitSkinHandle(windowed->Handle(), data, this, &control_canvas_);
            break;
          case TSkinAttach::AttachGraphic:
            if (auto* speed = dynamic_cast<TSkinSpeedButton*>(skin)) speed->AttachGraphic(this, data, &control_canvas_);
            break;
          case TSkinAttach::InitScrollbarSkin:
            if (auto* bars = dynamic_cast<TSkinScrollbar*>(skin))
              bars->InitScrollbarSkin(control, data, choice.handle_nc_buttons, this, &control_canvas_);
            break;
        }
      } catch (...) {
        // Not attached: freed below.
      }
      if (!skin->Attached()) FreeControlSkin(*skin);
    }
  }
  if (choice.skin_owned_components) SkinComponents(component);
}

void TWinSkinForm::SkinNativeChildren() {
  for (HWND child = GetTopWindow(handle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD)) continue;
    const TNativeSkinChoice choice = ChooseNativeChildSkin(child);
    if (choice.skin_class.empty()) continue;
    const auto existing = controls_.Existing();
    const bool skinned = std::any_of(existing.begin(), existing.end(), [&](const TExistingControlSkin& e) {
      return e.handle == child || e.handle == choice.attach_window;
    });
    if (skinned) continue;
    auto* skin = dynamic_cast<TSkinControl*>(CreateComponent(choice.skin_class, *this));
    if (!skin) continue;
    try {
      skin->InitSkinHandle(choice.attach_window, *skin_data_, this, &control_canvas_);
    } catch (...) {
      // Not attached: freed below.
    }
    if (!skin->Attached()) FreeControlSkin(*skin);
  }
}

// ---- Giving back

void TWinSkinForm::Detach() {
  if (!frame_skinned_) {
    DetachShort(false);
    return;
  }
  system_menu_popup_.reset();
  if (timer_) timer_->SetEnabled(false);
  if (!subclass_.Installed()) return;
  form_layer_.Remove();
  subclass_.Remove();
  controls_.RemoveAll();
  if (form_) {
    RestorePopupMenus();
    if (life_state_ != kLifeDestroying) form_->SetColor(form_color_backup_);
  }
  SetCaptionStyles(true);
  GiveMenuBack();
  client_subclass_.Remove();
  caption_cache_.SetSize(0, 0);
  if (life_state_ != kLifeDestroying && (form_kind_ == kFormMdiChild || !(style_ & WS_CHILD))) {
    if (life_state_ == kLifeCreated) {
      // The skinned frame was never applied: only the styles changed.
      FrameChanged();
    } else {
      RECT window{};
      GetWindowRect(handle_, &window);
      const int width = Width(window) + Width(standard_frame_size_) - border_left_ - border_right_;
      const int height =
          Height(window) + Height(standard_frame_size_) - caption_height_ - menu_bar_height_ - border_bottom_;
      POINT at{window.left, window.top};
      if (form_kind_ == kFormMdiChild) ScreenToClient(GetParent(handle_), &at);
      ResizeForFrame(at.x, at.y, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    }
  }
  SetWindowRgn(handle_, nullptr, TRUE);
  region_ = nullptr;
  region_set_ = false;
}

void TWinSkinForm::DetachShort(bool keep_subclass) {
  if (timer_) timer_->SetEnabled(false);
  controls_.RemoveAll();
  if (form_) {
    RestorePopupMenus();
    if (life_state_ != kLifeDestroying) form_->SetColor(form_color_backup_);
  }
  if (!keep_subclass) subclass_.Remove();
  client_subclass_.Remove();
  if (form_ && life_state_ != kLifeDestroying) {
    for (int i = 0; i < form_->ComponentCount(); ++i) {
      if (auto* control = dynamic_cast<TControl*>(form_->Components(i))) control->Invalidate();
    }
  }
}

// The window's own subclass stays until the destroy message has reached
// the procedure below it (the caller removes it then).
void TWinSkinForm::DetachOnDestroy() {
  if (!frame_skinned_) {
    DetachShort(true);
    return;
  }
  system_menu_popup_.reset();
  if (timer_) timer_->SetEnabled(false);
  if (!subclass_.Installed()) return;
  form_layer_.Remove();
  controls_.RemoveAll();
  // The window goes with its menu: nothing to give back.
  hot_object_ = nullptr;
  menu_bar_.reset();
  client_subclass_.Remove();
  caption_cache_.SetSize(0, 0);
}

void TWinSkinForm::MdiMaximizedChanged(bool maximized) {
  if (!frame_skinned_ || !subclass_.Installed()) return;
  if (maximized) {
    SetCaptionStyles(true);
    ClearRegion();
    FrameChanged();
  } else {
    SetCaptionStyles(false);
    FrameChanged();
    UpdateRegion();
  }
}

}  // namespace hm
