#include "skin/core/skin_manage.h"

#include <algorithm>
#include <cstdio>

#include "framework/core/text.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "skin/core/skin_messages.h"
#include "skin/core/win_skin_data.h"

namespace hm {

namespace {

// The process's manager. A plain pointer, so frame skins that outlive it
// (their forms go last at exit) can still ask whether it exists.
TSkinManage* g_manager = nullptr;

struct ManagerHolder {
  ~ManagerHolder() { DestroySkinManager(); }
};

// The diagnostic texts of the manager go nowhere in this program.
void Trace(const std::string&) {}

std::string Hex(unsigned long value) {
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%lx", value);
  return buffer;
}

bool AnswersSkinQuery(HWND window) { return SendMessageW(window, WM_SKINQUERY, 0, 0) == 1; }

// The application's forms, in creation order.
std::vector<TCustomForm*> ApplicationForms() {
  std::vector<TCustomForm*> forms;
  TApplication& application = Application();
  for (int i = 0; i < application.ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(application.Components(i));
    if (TCustomForm* form = control ? control->AsForm() : nullptr) forms.push_back(form);
  }
  return forms;
}

void Repaint(HWND window) {
  if (!IsWindow(window)) return;
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

}  // namespace

std::string WindowClassName(HWND window) {
  wchar_t buffer[100] = {};
  GetClassNameW(window, buffer, 100);
  return Narrow(buffer);
}

TSkinManage& SkinManager() {
  static ManagerHolder holder;
  if (!g_manager) g_manager = new TSkinManage;  // freed by the holder or DestroySkinManager
  return *g_manager;
}

TSkinManage* ExistingSkinManager() { return g_manager; }

void DestroySkinManager() {
  TSkinManage* manager = g_manager;
  g_manager = nullptr;
  delete manager;
}

TSkinManage::TSkinManage() = default;

TSkinManage::~TSkinManage() {
  StopTimer();
  hook_.reset();
  for (auto& menu : menus_) menu->Detach();
  menus_.clear();
  // Frame skins of bare windows are ours; those of forms go with the forms.
  for (ISkinFrame* frame : std::vector<ISkinFrame*>(frames_)) {
    if (!frame->Component().Owner()) Release(frame);
  }
  frames_.clear();
  datas_.clear();
}

// ---- The window hook

void TSkinManage::InstallHook() {
  if (hook_) return;
  Trace("Windows Version " + Hex(GetVersion()));
  Trace("ThreadId " + Hex(GetCurrentThreadId()));
  hook_.reset(SetWindowsHookExW(WH_CBT, &TSkinManage::HookProc, nullptr, GetCurrentThreadId()));
  Trace("HookCallback " + Hex(static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(&TSkinManage::HookProc))));
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wparam, LPARAM lparam) {
  TSkinManage* manager = g_manager;
  HHOOK hook = manager ? manager->hook_.get() : nullptr;
  if (code >= 0 && manager) {
    const auto window = reinterpret_cast<HWND>(wparam);
    try {
      switch (code) {
        case HCBT_CREATEWND:
          if (WindowClassName(window) == "#32768") manager->SkinMenuWindow(window);
          break;
        case HCBT_DESTROYWND: manager->ReleaseMenuWindow(window); break;
        case HCBT_ACTIVATE:
          if (manager->activation_count_ == 0) manager->activation_count_ = 1;
          manager->SkinForm(window);
          break;
        default: break;
      }
    } catch (...) {
      // A window the skins cannot take keeps its own look.
    }
  }
  return CallNextHookEx(hook, code, wparam, lparam);
}

// ---- Frame skins

TCustomForm* TSkinManage::FindForm(HWND window) {
  TWinControl* control = FindControl(window);
  return control ? control->AsForm() : nullptr;
}

bool TSkinManage::SkinForm(HWND window) {
  if (!enabled_) return false;
  if (AnswersSkinQuery(window)) return false;
  PurgeFormSkins();
  if (FindFormSkin(window)) return false;
  TCustomForm* form = FindForm(window);
  if (!activating_all_ && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
    if (LowerCase(WindowClassName(GetParent(window))) != "mdiclient") return false;
  }
  RECT r{};
  GetWindowRect(window, &r);
  if (r.right - r.left == 0 || r.bottom - r.top == 0) return false;
  if (form && form->Tag() == 99) return false;  // fixed: not DisableTag
  const std::string cls = WindowClassName(window);
  if (cls == "TApplication" || !MayBeSkinned(cls)) return false;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinNotLoaded()) return false;
  if (!factories_.attach_frame) return false;
  ISkinFrame* frame = factories_.attach_frame(form, window, *data);
  if (!frame) return false;
  frames_.push_back(frame);
  PostMessageW(window, WM_SKINSTART, 0, 1000);
  return true;
}

void TSkinManage::SkinFormIfShown(TCustomForm& form) {
  if (!form.HandleAllocated() || !IsWindowVisible(form.Handle())) return;
  HWND window = form.Handle();
  const bool child = GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD;
  const bool mdi_child = GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD;
  if (!child || mdi_child) SkinForm(window);
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
  TSkinData* chosen = nullptr;
  for (TSkinData* data : datas_) {
    if (data->SkinFormtype() != sfOnlyThisForm) continue;
    auto* owner = dynamic_cast<TControl*>(data->Owner());
    TWinControl* windowed = owner ? owner->AsWinControl() : nullptr;
    if (windowed && windowed->HandleAllocated() && windowed->Handle() == window) chosen = data;
  }
  if (chosen) return chosen;
  const std::string cls = LowerCase(WindowClassName(window));
  auto last_of = [this](TSkinFormType type) -> TSkinData* {
    for (auto it = datas_.rbegin(); it != datas_.rend(); ++it) {
      if ((*it)->SkinFormtype() == type) return *it;
    }
    return nullptr;
  };
  if (cls == "tmessageform" || cls == "#32770") {
    if (TSkinData* dialog = last_of(sfDialog)) return dialog;
  }
  if (TSkinData* main = last_of(sfMainform)) return main;
  return datas_.empty() ? nullptr : datas_.front();
}

bool TSkinManage::MayBeSkinned(const std::string& class_name) const {
  const auto first = std::find_if(datas_.begin(), datas_.end(),
                                  [](const TSkinData* d) { return d->SkinFormtype() == sfMainform; });
  if (first == datas_.end()) return true;
  TSkinData& data = **first;
  if (data.OnFormSkin) {
    bool skin = true;
    data.OnFormSkin(&data, class_name, skin);
    return skin;
  }
  if (class_name == "SysMonthCal32") return false;
  if (class_name.rfind("Tfr", 0) == 0 && data.SkinControls().Contains(xcFastReport)) return false;
  return true;
}

ISkinFrame* TSkinManage::FindFormSkin(HWND window) const {
  const auto found = std::find_if(frames_.begin(), frames_.end(), [window](ISkinFrame* f) { return f->Handle() == window; });
  return found == frames_.end() ? nullptr : *found;
}

void TSkinManage::RemoveFormSkin(HWND window) {
  std::erase_if(frames_, [window](ISkinFrame* f) { return f->Handle() == window; });
}

void TSkinManage::Release(ISkinFrame* frame) {
  TComponent& component = frame->Component();
  if (TComponent* owner = component.Owner()) {
    owner->FreeComponent(component);
  } else {
    TComponent::Destroy(&component);
  }
}

void TSkinManage::PurgeFormSkins() {
  for (std::size_t i = frames_.size(); i-- > 0;) {
    if (i >= frames_.size() || frames_[i]->LifeState() != 6) continue;
    ISkinFrame* frame = frames_[i];
    frames_.erase(frames_.begin() + static_cast<std::ptrdiff_t>(i));
    Release(frame);
  }
}

void TSkinManage::DetachAndRelease(ISkinFrame* frame) {
  const HWND window = frame->Handle();
  frame->Detach();
  Repaint(window);
  std::erase(frames_, frame);
  Release(frame);
}

void TSkinManage::ReleaseAllCaptionButtons() {
  for (ISkinFrame* frame : frames_) frame->ReleaseCaptionButtons();
}

void TSkinManage::SetMdiMaximized(bool maximized) {
  if (maximized == mdi_maximized_) return;
  mdi_maximized_ = maximized;
  Trace(maximized ? "***** SetMdiMax True" : "***** SetMdiMax Flase");
  for (ISkinFrame* frame : frames_) {
    if (frame->IsMdiChild()) frame->MdiMaximizedChanged(maximized);
  }
}

int TSkinManage::CountMdiChildSkins() const {
  return static_cast<int>(std::count_if(frames_.begin(), frames_.end(), [](ISkinFrame* f) { return f->IsMdiChild(); }));
}

// ---- Menu windows

void TSkinManage::SkinMenuWindow(HWND window) {
  if (!enabled_ || AnswersSkinQuery(window)) return;
  if (std::any_of(menus_.begin(), menus_.end(), [window](const auto& m) { return m->Handle() == window; })) return;
  TSkinData* data = ChooseSkinData(window);
  if (!data || data->SkinNotLoaded()) return;
  // Every menu of the process follows this one member.
  if (!data->SkinControls().Contains(xcMainMenu)) return;
  if (!factories_.attach_popup_menu) return;
  std::unique_ptr<ISkinPopupMenu> menu = factories_.attach_popup_menu(window, *data);
  if (!menu) return;
  if (menu_bar_drop_down_) menu->SetMenuBarDropDown(true);
  menus_.push_back(std::move(menu));
}

void TSkinManage::ReleaseMenuWindow(HWND window) {
  const auto found =
      std::find_if(menus_.begin(), menus_.end(), [window](const auto& m) { return m->Handle() == window; });
  if (found == menus_.end()) return;
  std::unique_ptr<ISkinPopupMenu> menu = std::move(*found);
  menus_.erase(found);
  menu->Detach();
  if (menus_.empty()) menu_bar_drop_down_ = false;
}

void TSkinManage::MarkMenuBarDropDowns() {
  for (auto& menu : menus_) menu->SetMenuBarDropDown(true);
}

TBitmap* TSkinManage::MenuSkinBitmap(HMENU menu) const {
  for (const auto& skin : menus_) {
    if (skin->MenuHandle() == menu) return skin->Background();
  }
  return nullptr;
}

// ---- Skin components

void TSkinManage::RegisterSkinData(TSkinData& data) {
  if (std::find(datas_.begin(), datas_.end(), &data) == datas_.end()) datas_.push_back(&data);
}

void TSkinManage::UnregisterSkinData(TSkinData& data) {
  std::erase(datas_, &data);
  if (current_ == &data) current_ = nullptr;
}

// ---- Commands

void TSkinManage::PostSkinCommand(TSkinCommand command, UINT delay) {
  pending_ = command;
  if (activation_count_ != 0) {
    StartTimer(delay);
    return;
  }
  // Before the first activation there is nothing to attach to: switch at once.
  if (command == TSkinCommand::Activate) enabled_ = true;
  if (command == TSkinCommand::Deactivate) enabled_ = false;
  pending_ = TSkinCommand::None;
}

void CALLBACK TSkinManage::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_manager) return;
  try {
    g_manager->RunPendingCommand();
  } catch (...) {
    // A command that fails leaves the windows as they are.
  }
}

void TSkinManage::StartTimer(UINT delay) {
  StopTimer();
  timer_ = SetTimer(nullptr, 0, delay, &TSkinManage::TimerProc);
}

void TSkinManage::StopTimer() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
}

void TSkinManage::RunPendingCommand() {
  if (!current_) return;  // the timer keeps running until a component is set
  StopTimer();
  TSkinData& data = *current_;
  const TSkinCommand command = pending_;
  pending_ = TSkinCommand::None;
  if (command == TSkinCommand::Purge) {
    PurgeFormSkins();
  } else if (data.SkinFormtype() == sfOnlyThisForm) {
    RunForOneForm(data, command);
  } else {
    RunForAllForms(data, command);
  }
  data.DoSkinChanged();
  current_ = nullptr;
}

void TSkinManage::RunForOneForm(TSkinData& data, TSkinCommand command) {
  switch (command) {
    case TSkinCommand::Activate: {
      enabled_ = true;
      activating_all_ = true;
      const std::vector<TCustomForm*> forms = ApplicationForms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if (*it == data.Owner()) {
          SkinFormIfShown(**it);
          break;
        }
      }
      activating_all_ = false;
      break;
    }
    case TSkinCommand::Deactivate: {
      enabled_ = false;
      PurgeFormSkins();
      for (auto it = frames_.rbegin(); it != frames_.rend(); ++it) {
        if ((*it)->Data() != &data) continue;
        DetachAndRelease(*it);
        break;
      }
      break;
    }
    case TSkinCommand::Refresh: {
      PurgeFormSkins();
      for (ISkinFrame* frame : frames_) {
        if (frame->Data() != &data) continue;
        frame->ReleaseCaptionButtons();
        frame->BuildFrameMetrics();
        frame->SkinChanged();
        break;
      }
      break;
    }
    default: break;
  }
}

void TSkinManage::RunForAllForms(TSkinData& data, TSkinCommand command) {
  switch (command) {
    case TSkinCommand::Activate: {
      enabled_ = true;
      activating_all_ = true;
      PurgeFormSkins();
      const std::vector<TCustomForm*> forms = ApplicationForms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) SkinFormIfShown(**it);
      activating_all_ = false;
      break;
    }
    case TSkinCommand::Deactivate: {
      enabled_ = false;
      PurgeFormSkins();
      // Every frame skin of the process, whichever component it came from.
      while (!frames_.empty()) DetachAndRelease(frames_.back());
      break;
    }
    case TSkinCommand::Refresh: {
      PurgeFormSkins();
      std::vector<ISkinFrame*> mine;
      for (ISkinFrame* frame : frames_) {
        if (frame->Data() == &data) mine.push_back(frame);
      }
      for (ISkinFrame* frame : mine) {
        frame->ReleaseCaptionButtons();
        frame->BuildFrameMetrics();
      }
      for (ISkinFrame* frame : mine) frame->SkinChanged();
      break;
    }
    default: break;
  }
}

}  // namespace hm
