// Shared set-up: the control classes registered, the common controls
// initialised, and the showcase form made from its description.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/core/form_description.h"
#include "framework/ui/forms/application.h"
#include "showcase_form.h"

namespace hm::test {

class ShowcaseTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterControlClasses();
    Application().Initialize();
  }
  void SetUp() override {
    form_ = MakeRoot<TControlsShowcase>();
    ReadComponent(*form_, ShowcaseDescription());
  }
  void ShowForm() {
    form_->Show();
    Application().ProcessMessages();
  }
  template <class T>
  T& Get(const std::string& name) {
    auto* c = dynamic_cast<T*>(form_->FindComponent(name));
    if (!c) throw std::runtime_error("no component " + name);
    return *c;
  }

  Owned<TControlsShowcase> form_;
};

}  // namespace hm::test
