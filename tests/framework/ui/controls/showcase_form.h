// The form that holds one or more of every standard control class, made
// from TControlsShowcase.dfm.
#pragma once

#include <string_view>

#include "framework/ui/forms/form.h"

namespace hm::test {

class TControlsShowcase : public TForm {
  HM_CLASS(TControlsShowcase, TForm)

 public:
  explicit TControlsShowcase(TComponent* owner) : TForm(owner) {}
};

// Every control class this folder covers, registered so descriptions can
// name them.
void RegisterControlClasses();

// The description text as compiled into the executable.
std::string_view ShowcaseDescription();

}  // namespace hm::test
