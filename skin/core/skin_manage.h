// TSkinManage: the one object of the process that connects skins to
// windows. A window hook of the user-interface thread watches windows being
// created, activated and destroyed: an activated top-level window gets a
// frame skin from the skin component that governs it, a new menu window a
// popup-menu skin. The skin components' commands (Activate, Deactivate,
// Refresh, Purge) run from a 250 ms timer once the first window has been
// activated, and switch skinning on or off at once before that.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string>
#include <vector>

#include "framework/ui/platform/handles.h"
#include "skin/core/skin_attachments.h"

namespace hm {

class TCustomForm;
class TSkinData;

enum class TSkinCommand { None = 0, Activate = 1, Deactivate = 2, Refresh = 3, Purge = 6 };

class TSkinManage {
 public:
  // Delay of every command, milliseconds.
  static constexpr UINT kCommandDelay = 250;

  TSkinManage();
  // Releases the timer, the hook, every popup-menu skin and the frame skins
  // of bare windows; frame skins of forms go with their forms.
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The skin/frame layer hands in how frame and menu skins are made.
  void SetFactories(TSkinFactories factories) { factories_ = std::move(factories); }

  void InstallHook();
  bool HookInstalled() const { return hook_ != nullptr; }

  bool SkinForm(HWND window);
  // SkinForm for a visible form that is not a child window (MDI children pass).
  void SkinFormIfShown(TCustomForm& form);
  TSkinData* ChooseSkinData(HWND window) const;
  bool MayBeSkinned(const std::string& class_name) const;
  void SkinMenuWindow(HWND window);
  void ReleaseMenuWindow(HWND window);

  void PostSkinCommand(TSkinCommand command, UINT delay = kCommandDelay);
  // The timer's work, also for tests that do not wait for it.
  void RunPendingCommand();
  TSkinCommand PendingCommand() const { return pending_; }
  void SetCurrentSkinData(TSkinData* data) { current_ = data; }
  TSkinData* CurrentSkinData() const { return current_; }

  void RegisterSkinData(TSkinData& data);
  void UnregisterSkinData(TSkinData& data);
  const std::vector<TSkinData*>& SkinDatas() const { return datas_; }

  ISkinFrame* FindFormSkin(HWND window) const;
  // Forgets a frame skin without releasing it (its window goes away).
  void RemoveFormSkin(HWND window);
  // Removes and releases every frame skin whose window has been destroyed.
  void PurgeFormSkins();
  void ReleaseAllCaptionButtons();
  int FormSkinCount() const { return static_cast<int>(frames_.size()); }
  int MenuSkinCount() const { return static_cast<int>(menus_.size()); }

  void MarkMenuBarDropDowns();
  TBitmap* MenuSkinBitmap(HMENU menu) const;
  void SetMenuBarDropDown(bool value) { menu_bar_drop_down_ = value; }
  bool MenuBarDropDown() const { return menu_bar_drop_down_; }

  void SetMdiMaximized(bool maximized);
  bool MdiMaximized() const { return mdi_maximized_; }
  int CountMdiChildSkins() const;

  // The application form whose window this is, or null.
  static TCustomForm* FindForm(HWND window);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  int ActivationCount() const { return activation_count_; }
  void RaiseActivationCount() { ++activation_count_; }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wparam, LPARAM lparam);
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR, DWORD);
  void StartTimer(UINT delay);
  void StopTimer();
  void RunForOneForm(TSkinData& data, TSkinCommand command);
  void RunForAllForms(TSkinData& data, TSkinCommand command);
  // Detaches a frame skin, repaints its window and releases it.
  void DetachAndRelease(ISkinFrame* frame);
  void Release(ISkinFrame* frame);

  TSkinFactories factories_;
  UniqueHook hook_;
  UINT_PTR timer_ = 0;  // the system timer while it runs
  std::vector<ISkinFrame*> frames_;  // forms' skins are owned by their forms, bare windows' by us
  std::vector<std::unique_ptr<ISkinPopupMenu>> menus_;
  std::vector<TSkinData*> datas_;    // not owned; each unregisters as it goes
  bool enabled_ = false;
  bool activating_all_ = false;
  int activation_count_ = 0;
  bool menu_bar_drop_down_ = false;
  bool mdi_maximized_ = false;
  TSkinCommand pending_ = TSkinCommand::None;
  TSkinData* current_ = nullptr;  // not owned; cleared when it unregisters
};

// The process's manager, made by the first skin component that loads.
TSkinManage& SkinManager();
// Null when none was made (or it is gone: the program is ending).
TSkinManage* ExistingSkinManager();
// Ends the manager before the program's other objects go.
void DestroySkinManager();

// The window's class name as the manager reads it (room for 99 characters).
std::string WindowClassName(HWND window);

}  // namespace hm
