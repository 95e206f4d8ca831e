// TWinSkinForm (module WinSkinForm): the frame skin of one top-level window.
// It takes over the window's messages (a subclass of the native window and,
// for a framework form, a layer in the form's window-procedure chain),
// removes the window's own caption styles, answers the non-client area with
// the skin's frame, skins the window's controls and gives all of it back
// when it is detached. Owned by its framework form, or by nobody for a bare
// window such as a message box (the skin manager frees those).
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/core/color.h"
#include "framework/core/component.h"
#include "framework/ui/graphics/bitmap.h"
#include "framework/ui/graphics/canvas.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "framework/ui/forms/timer.h"
#include "framework/ui/menus/menus.h"
#include "framework/ui/platform/message_chain.h"
#include "framework/ui/platform/subclass.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_skin_list.h"
#include "skin/core/skin_attachments.h"

namespace hm {

class TCustomForm;
class TNCObject;
class TSkinData;
class TWinSysButton;
class TWinSkinMenu;
class TMenuItem;

// LifeState values.
constexpr int kLifeCreated = 0;     // not yet activated
constexpr int kLifeActive = 1;      // frame painted, regions kept
constexpr int kLifeSkinChange = 3;  // the skin is being replaced
constexpr int kLifeDestroying = 4;  // inside WM_NCDESTROY
constexpr int kLifeResizing = 5;    // the first activation's resize
constexpr int kLifeDead = 6;        // the window is gone; the manager frees us

// WindowState values.
constexpr int kWindowNormal = 0;
constexpr int kWindowMaximized = 1;
constexpr int kWindowMinimized = 2;

// FormKind values.
constexpr int kFormOrdinary = 0;
constexpr int kFormMdiFrame = 1;
constexpr int kFormMdiChild = 2;

// BorderKind values.
constexpr int kBorderSizable = 0;
constexpr int kBorderFixed = 1;
constexpr int kBorderNone = 2;
constexpr int kBorderDialog = 3;

// Features bits.
constexpr int kFeatureMaximize = 1;
constexpr int kFeatureMinimize = 2;
constexpr int kFeatureSystemMenu = 8;
constexpr int kFeatureCaptionRemoved = 0x10;

class TWinSkinForm : public TComponent, public ISkinFrame, public IControlSkinHost {
  HM_CLASS(TWinSkinForm, TComponent)

 public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // The window to skin; set before AttachForm or Attach.
  void SetHandle(HWND window) { handle_ = window; }

  // ---- Life cycle.
  void AttachForm(TSkinData& data, TCustomForm& form);
  void Attach(TSkinData& data);
  void Detach() override;
  void DetachOnDestroy();
  void SkinChanged() override;

  // ---- Frame.
  void BuildFrameMetrics() override;
  void ReleaseCaptionButtons() override;
  void SetCaptionStyles(bool standard);
  void KeepClientSize(bool from_current_client);
  void UpdateRegion();
  void ClearRegion();
  void PaintFrame(HDC dc);

  // ---- Control skins: purges the dead ones, then offers every component
  // of the form (or every child window of a bare window) to the choice.
  void SkinControls();
  const TControlSkinList& ControlSkins() const { return controls_; }

  // ---- ISkinFrame.
  TComponent& Component() override { return *this; }
  HWND Handle() const override { return handle_; }
  TSkinData* Data() const override { return skin_data_; }
  int LifeState() const override { return life_state_; }
  bool IsMdiChild() const override { return form_kind_ == kFormMdiChild; }
  void MdiMaximizedChanged(bool maximized) override;

  // ---- IControlSkinHost.
  TCanvas& ControlCanvas() override { return control_canvas_; }
  TSkinControl* HotNativeButton() const override { return hot_native_button_; }
  void SetHotNativeButton(TSkinControl* button) override { hot_native_button_ = button; }
  void ListControlSkin(TSkinControl& skin) override { controls_.Add(skin); }
  void UnlistControlSkin(TSkinControl& skin) override;

  // ---- What the painters and tests read.
  TCustomForm* Form() const { return form_; }
  bool FrameSkinned() const { return frame_skinned_; }
  bool Active() const { return active_; }
  int FormKind() const { return form_kind_; }
  int BorderKind() const { return border_kind_; }
  int Features() const { return features_; }
  int WindowState() const { return window_state_; }
  DWORD Style() const { return style_; }
  int BorderLeft() const { return border_left_; }
  int BorderRight() const { return border_right_; }
  int BorderBottom() const { return border_bottom_; }
  int CaptionHeight() const { return caption_height_; }
  int MenuBarHeight() const { return menu_bar_height_; }
  const RECT& StandardFrameSize() const { return standard_frame_size_; }
  const RECT& ClientRectAtAttach() const { return client_rect_; }
  const std::string& CaptionText() const { return caption_text_; }
  const std::string& WindowClass() const { return window_class_; }
  HMENU NativeMenu() const { return native_menu_; }
  bool RegionSet() const { return region_set_; }
  HRGN Region() const { return region_; }  // the window's, not ours
  bool Subclassed() const { return subclass_.Installed(); }
  bool FormHooked() const { return form_layer_.Active(); }
  TColor FormColorBackup() const { return form_color_backup_; }
  const TBitmap& IconBitmap() const { return *icon_bitmap_; }
  int SmallIconSize() const { return small_icon_size_; }
  HICON IconHandle() const { return icon_handle_; }
  const TBitmap& CaptionCache() const { return caption_cache_; }
  const RECT& TextRect() const { return text_rect_; }
  int RightButtonsLeft() const { return right_buttons_left_; }
  int RegionWidth() const { return region_width_; }
  int RegionHeight() const { return region_height_; }

  // ---- Caption buttons and the mouse over the frame.
  const std::vector<std::unique_ptr<TWinSysButton>>& CaptionButtons() const { return caption_buttons_; }
  TNCObject* HotObject() const { return hot_object_; }
  void SetHotObject(TNCObject* object) { hot_object_ = object; }
  void BuildCaptionButtons();
  void UpdateVisibility(std::size_t index);
  void LayoutCaptionButtons();
  // The caption button (or menu-bar item) at a point in window coordinates.
  TNCObject* FindNCObject(POINT window_point) const;
  // A screen point in window coordinates.
  POINT WindowToFrame(POINT screen_point) const;
  // The system menu at a screen point, or closing on a quick second request.
  void ShowSystemMenu(POINT screen_point);
  void MaximizeToggle();
  void MinimizeToggle();
  void Restore();
  void MDIChildCommand(WPARAM command);
  TPopupMenu* SystemMenuPopup() const { return system_menu_popup_.get(); }
  // Where the system menu was last opened (screen coordinates).
  POINT LastSystemMenuPoint() const { return last_menu_point_; }
  bool HoverTimerOn() const { return timer_ && timer_->Enabled(); }

  // ---- The skinned menu bar (null when the window had no menu).
  TWinSkinMenu* MenuBar() const { return menu_bar_.get(); }
  bool MenuTracking() const { return menu_tracking_; }
  void SetMenuTracking(bool tracking) { menu_tracking_ = tracking; }
  HMENU TrackedPopup() const { return tracked_popup_; }
  void SetTrackedPopup(HMENU menu) { tracked_popup_ = menu; }
  HWND MdiClient() const { return mdi_client_; }
  // Full frame paints so far (the benchmark counts them).
  int FramePaints() const { return frame_paints_; }

 protected:
  void Destroying() override;
  bool DeferFree() override;

 private:
  friend class TFrameMessageScope;
  // What stage 2 left for stage 3.
  enum class TPassOn { Finished, WithDefault, WithoutDefault };

  // ---- The window procedure.
  void WindowProc(TMessage& message);
  void Default(TMessage& message);
  bool Stage1(TMessage& message);
  TPassOn Stage2(TMessage& message);
  void Stage3(TMessage& message, TPassOn pass_on);
  void FormHook(TMessage& message, const TCallNext& next);
  void FirstActivation();
  void WMSize(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMNcCalcSize(TMessage& message);
  void WMNcPaint(TMessage& message);
  void WMNcHitTest(TMessage& message);
  void WMNcActivate(TMessage& message);
  void WMNcMouseMove(TMessage& message);
  void WMNcLButtonDown(TMessage& message);
  void WMNcLButtonUp(TMessage& message);
  void WMNcLButtonDblClk(TMessage& message);
  void WMNcRButtonDown(TMessage& message);
  void ButtonAction(const TWinSysButton& button, POINT screen_point);
  void CloseWindow();
  int PlacementState() const;
  // SetWindowPos with SWP_FRAMECHANGED, nothing moved or sized.
  void FrameChanged();
  // SetWindowPos to a new size that the form's can-resize handler is not
  // asked about: it is the frame's own.
  void ResizeForFrame(int x, int y, int width, int height, UINT flags);
  bool MdiMaximizedMode() const;

  // ---- The hover timer, system commands; the popup menus' owner drawing
  // (which does the least until the popup-menu skin exists).
  void HoverCheck();
  bool SystemMenuCommand(TMessage& message);
  void EquipPopupMenus();
  void RestorePopupMenus();
  void EquipMenuItem(TMenuItem& item);
  void RestoreMenuItem(TMenuItem& item);
  // The menu bar, its messages and the owner-drawn items at the frame.
  void CreateMenuBar();
  void GiveMenuBack();
  void WMMeasureItem(TMessage& message);
  void WMDrawItem(TMessage& message);
  void MenuChanged(TMessage& message, const TCallNext* next);
  bool DialogChar(TMessage& message);
  bool MenuAccelerator(int key) const;
  void MdiClientMessage(TMessage& message, TSubclass& client);
  void BuildIconBitmap();
  void BuildSystemMenuPopup();
  void SystemMenuClick(int tag);

  // ---- Attaching and giving back.
  void DetachShort(bool keep_subclass);
  void GiveBack() noexcept;
  void SkinComponents(TComponent& container);
  void SkinComponent(TComponent& component, TComponent& container);
  void SkinNativeChildren();
  void ReadCaptionText();
  void PaintBorder(HDC dc, int side, const RECT& rect);
  void PaintTitleBar(HDC dc);
  void DrawCaptionText(TCanvas& canvas, const RECT& title);
  void DrawCaptionButtons(TCanvas& canvas);

  TLayerToken form_layer_;    // the form hook in the form's chain
  TSubclass subclass_;        // the window's messages
  TSubclass client_subclass_;  // an MDI frame's client window
  TFont caption_font_;
  Owned<TTimer> timer_;
  std::string caption_prefix_ = "  ";
  std::string caption_text_;
  std::string window_class_;
  bool menu_update_backup_ = false;
  bool frame_skinned_ = false;
  RECT client_rect_{};
  DWORD last_click_tick_ = 0;
  DWORD double_click_time_ = 0;
  int space_width_ = 0;
  HWND owner_window_ = nullptr;
  HICON icon_handle_ = nullptr;
  int small_icon_size_ = 0;
  int border_left_ = 0;
  int caption_height_ = 0;
  int border_right_ = 0;
  int border_bottom_ = 0;
  RECT window_rect_{};
  RECT text_rect_{};
  RECT standard_frame_size_{};
  int menu_bar_height_ = 0;
  bool menu_tracking_ = false;
  bool right_to_left_ = false;
  Owned<TPopupMenu> system_menu_popup_;
  HWND mdi_client_ = nullptr;
  HWND new_mdi_child_ = nullptr;
  HMENU native_menu_ = nullptr;
  HMENU system_menu_ = nullptr;
  HMENU tracked_popup_ = nullptr;
  TColor form_color_backup_ = clNone;
  DWORD style_ = 0;
  int right_buttons_left_ = 0;
  TNCObject* hot_object_ = nullptr;
  std::vector<std::unique_ptr<TWinSysButton>> caption_buttons_;
  // The bar is freed in the menus' file, where its class is known: the
  // frame's own files need not include the bar, which includes the frame.
  struct TMenuBarDeleter {
    void operator()(TWinSkinMenu* bar) const noexcept;
  };
  std::unique_ptr<TWinSkinMenu, TMenuBarDeleter> menu_bar_;
  // Items whose handlers are ours (compared, never followed, until found
  // again in a live menu).
  std::vector<const TMenuItem*> equipped_draw_;
  std::vector<const TMenuItem*> equipped_measure_;
  std::vector<const TPopupMenu*> equipped_popups_;
  POINT last_menu_point_{};
  bool region_set_ = false;
  HRGN region_ = nullptr;  // the window's once set: never ours to delete
  TCustomForm* form_ = nullptr;
  HWND handle_ = nullptr;
  TCanvas dc_canvas_;
  TCanvas control_canvas_;
  TSkinData* skin_data_ = nullptr;
  TBitmap icon_own_;                      // the window's icon at small-icon size
  const TBitmap* icon_bitmap_ = &icon_own_;  // that, or a skin component's shared bitmap
  TBitmap caption_cache_;
  TControlSkinList controls_;
  int window_width_ = 0;
  int window_height_ = 0;
  int region_width_ = 0;
  int region_height_ = 0;
  int frame_paints_ = 0;  // full frame paints so far
  bool active_ = true;
  int form_kind_ = kFormOrdinary;
  int border_kind_ = kBorderFixed;
  int features_ = 0;
  int window_state_ = kWindowNormal;
  int life_state_ = kLifeCreated;
  TSkinControl* hot_native_button_ = nullptr;

  WNDPROC running_previous_ = nullptr;  // the procedure below us for the message running now
  int depth_ = 0;               // messages of ours running now
  bool free_pending_ = false;   // freed inside one of them
};

}  // namespace hm
