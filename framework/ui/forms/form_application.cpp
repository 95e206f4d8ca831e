// What a form does as one of the application's forms: closing the main form
// ends the program, a released form is freed by the application, and a form
// may centre on the main form.
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"

namespace hm {

void TCustomForm::Close() {
  if (Application().MainForm() == this) Application().Terminate();
  Hide();
}

void TCustomForm::Release() { Application().ReleaseForm(*this); }

RECT TCustomForm::CenteringArea() const {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const TCustomForm* main = Application().MainForm();
  if (position_ == poMainFormCenter && main && main != this) area = main->BoundsRect();
  return area;
}

}  // namespace hm
