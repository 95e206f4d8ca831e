// The application object: the title shown on message boxes, the forms it
// owns (the first one created is the main form), the message loop, and the
// default error report for every error that escapes an event handler.
#pragma once

#include "framework/ui/platform/win32.h"

#include <string>
#include <string_view>
#include <vector>

#include "framework/core/component.h"
#include "framework/ui/platform/handles.h"

namespace hm {

class TCustomForm;

class TApplication : public TComponent {
  HM_CLASS(TApplication, TComponent)

 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Registers the common control classes.
  void Initialize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Creates a form owned by the application from its stored description;
  // the first form created becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = MakeOwned<T>(*this);
    AdoptForm(*form);
    return form;
  }
  TCustomForm* MainForm() const { return main_form_; }
  HWND MainFormHandle() const;

  // Shows the main form (unless termination was already asked for) and
  // dispatches messages until a quit request arrives.
  void Run();
  // Posts the quit request.
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Dispatches what is queued now, then returns.
  void ProcessMessages();
  // Waits for one message and dispatches it (for modal loops).
  void HandleMessage();

  // Frees an owned form on the next turn of the loop, never inside one of
  // its own messages.
  void ReleaseForm(TCustomForm& form);

  // The default error report; call it inside a catch block. A silent abort
  // (EAbort) shows nothing; any other error shows its message, with "."
  // appended under ErrorReportText's rule, captioned with the title, style
  // MB_ICONERROR | MB_OK (16).
  void HandleException();
  void ShowException(std::string_view message);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void AdoptForm(TCustomForm& form);
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);

  void FreeReleasedForms();
  HWND ReleaseWindow();
  static LRESULT CALLBACK ReleaseWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam);

  std::string title_;
  UniqueWindow release_window_;  // message-only: CM_RELEASE frees released forms

  TCustomForm* main_form_ = nullptr;  // owned as a component, not here
  std::vector<TCustomForm*> releasing_;  // not owned; free notification keeps it current
  bool terminated_ = false;
  bool terminate_requested_ = false;
};

// The process's application object, made on first use.
TApplication& Application();

// The text of the default error report: the message, plus "." when it is not
// empty and its last character is greater than "." in byte order. Bytes are
// counted in GBK, where a double-byte character is one character.
std::string ErrorReportText(std::string_view message);

}  // namespace hm
