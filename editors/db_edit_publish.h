// The published settings shared by the edit and the combo box, which derive
// from the same unpublished base.
#pragma once

#include "editors/edit_button.h"
#include "framework/core/typinfo.h"

namespace hm {

template <class T>
void PublishEditSettings(Published<T>& p) {
  p.Prop("Alignment", &T::Alignment, &T::SetAlignment);
  p.Prop("AlwaysShowBorder", &T::AlwaysShowBorder, &T::SetAlwaysShowBorder);
  p.Prop("AutoSelect", &T::AutoSelect, &T::SetAutoSelect);
  p.Prop("AutoSize", &T::AutoSize, &T::SetAutoSize);
  p.Prop("BorderStyle", &T::BorderStyle, &T::SetBorderStyle);
  p.Prop("CharCase", &T::CharCase, &T::SetCharCase);
  p.Prop("DataField", &T::DataField, &T::SetDataField);
  p.Prop("DataSource", &T::DataSource, &T::SetDataSource);
  p.Prop("EditButtons", &T::EditButtons);
  p.Prop("EditImage", &T::EditImage);
  // Before Text: the mask decides how a stored text is read.
  p.Prop("EditMask", &T::EditMask, &T::SetEditMask);
  p.Prop("Flat", &T::Flat, &T::SetFlat);
  p.Prop("HideSelection", &T::HideSelection, &T::SetHideSelection);
  p.Prop("MaxLength", &T::MaxLength, &T::SetMaxLength);
  p.Prop("MRUList", &T::MRUList);
  p.Prop("PasswordChar", &T::PasswordChar, &T::SetPasswordChar);
  p.Prop("ReadOnly", &T::ReadOnly, &T::SetReadOnly);
  p.Prop("WantReturns", &T::WantReturns, &T::SetWantReturns);
  p.Prop("WantTabs", &T::WantTabs, &T::SetWantTabs);
  p.Prop("WordWrap", &T::WordWrap, &T::SetWordWrap);
  p.Event("OnButtonClick", static_cast<TButtonClickEventEh T::*>(&T::OnButtonClick));
  p.Event("OnButtonDown", static_cast<TButtonDownEventEh T::*>(&T::OnButtonDown));
  p.Event("OnChange", static_cast<TNotifyEvent T::*>(&T::OnChange));
}

}  // namespace hm
