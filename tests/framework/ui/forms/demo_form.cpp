#include "tests/framework/ui/forms/demo_form.h"

#include "framework/core/typinfo.h"

namespace hm::test {

HM_PUBLISH(TDemoForm) {
  p.Field("Label1", &TDemoForm::Label1);
  p.Field("Panel1", &TDemoForm::Panel1);
  p.Field("Label2", &TDemoForm::Label2);
  p.Field("Button1", &TDemoForm::Button1);
  p.Field("Button2", &TDemoForm::Button2);
  p.Field("Panel2", &TDemoForm::Panel2);
  p.Field("Label3", &TDemoForm::Label3);
  p.Field("Button3", &TDemoForm::Button3);
  p.Field("Button4", &TDemoForm::Button4);
  p.Field("Button5", &TDemoForm::Button5);
  p.Method("FormCreate", &TDemoForm::FormCreate);
  p.Method("FormCanResize", &TDemoForm::FormCanResize);
  p.Method("Button1Click", &TDemoForm::Button1Click);
  p.Method("Button3Click", &TDemoForm::Button3Click);
}

void TDemoForm::FormCreate(TObject*) {
  components_at_create = ComponentCount();
  if (Button5) button5_caption_at_create = Button5->Caption();
  label1_focus_resolved_at_create = Label1 && Label1->FocusControl() == Button5;
}

void TDemoForm::FormCanResize(TObject*, int&, int&, bool& resize) {
  ++resize_asked;
  resize = allow_resize;
}

}  // namespace hm::test
