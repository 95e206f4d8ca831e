// Modal dialogs. ShowModal shows a form, disables every other window of the
// thread, and runs the message loop until the form gets a modal result (a
// button with a ModalResult was clicked, or code set one) or is closed
// (which counts as mrCancel). Enter clicks the default button and Esc the
// cancel button, as on any form; the dialog's buttons carry the results.
#pragma once

#include "framework/ui/form.h"

namespace hm {

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Raises EInvalidOperation for a form that is already visible or modal.
TModalResult ShowModal(TCustomForm& form);

// Whether the form is being shown by ShowModal right now.
bool IsModal(const TCustomForm& form);
// The result the form's modal loop ends with; mrNone while it runs or when
// the form is not modal.
TModalResult ModalResult(const TCustomForm& form);
// Ends the form's modal loop with `result` (mrNone keeps it running). A form
// that is not modal is left as it is.
void SetModalResult(TCustomForm& form, TModalResult result);

}  // namespace hm
