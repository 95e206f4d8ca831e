// The demo form of the window-framework tests: labels with accelerators,
// buttons on two panels (the second hidden), read from TDemoForm.dfm.
#pragma once

#include <string>
#include <vector>

#include "framework/ui/forms/form.h"
#include "framework/ui/controls/std_controls.h"

namespace hm::test {

class TDemoForm : public TForm {
  HM_CLASS(TDemoForm, TForm)

 public:
  explicit TDemoForm(TComponent* owner) : TForm(owner) {}

  TLabel* Label1 = nullptr;
  TPanel* Panel1 = nullptr;
  TLabel* Label2 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TPanel* Panel2 = nullptr;
  TLabel* Label3 = nullptr;
  TButton* Button3 = nullptr;
  TButton* Button4 = nullptr;
  TButton* Button5 = nullptr;

  // What the handlers saw.
  int components_at_create = -1;
  std::string button5_caption_at_create;
  bool label1_focus_resolved_at_create = false;
  std::vector<std::string> clicks;
  bool allow_resize = true;
  int resize_asked = 0;

  void FormCreate(TObject* sender);
  void FormCanResize(TObject* sender, int& width, int& height, bool& resize);
  void Button1Click(TObject* sender) { (void)sender; clicks.push_back("Button1"); }
  void Button3Click(TObject* sender) { (void)sender; clicks.push_back("Button3"); }
};

}  // namespace hm::test
