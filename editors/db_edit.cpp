// The data-aware edit: settings, the data link, focus and keys.
#include "editors/db_edit.h"

#include "editors/db_edit_publish.h"

#include "framework/core/typinfo.h"
#include "framework/data/data_source.h"
#include "framework/data/field.h"

namespace hm {

HM_PUBLISH(TCustomDBEditEh) {}

HM_PUBLISH(TDBEditEh) {
  PublishEditSettings(p);
  // Last: Items, masks and the rest decide how a stored text is read.
  p.Prop("Text", &TDBEditEh::GetText, &TDBEditEh::SetText);
}

TCustomDBEditEh::TCustomDBEditEh(TComponent* owner)
    : TCustomDBEditEh(owner, std::make_unique<TEditButtonEh>()) {}

TCustomDBEditEh::TCustomDBEditEh(TComponent* owner, std::unique_ptr<TEditButtonEh> edit_button)
    : TCustomMaskEdit(owner),
      edit_button_(std::move(edit_button)),
      edit_buttons_(std::make_unique<TEditButtonsEh>(this)),
      edit_image_(std::make_unique<TEditImageEh>()),
      mru_list_(std::make_unique<TMRUListEh>()) {
  TFieldDataLinkEh::Client client;
  client.DataChange = [this] { DataChanged(); };
  client.EditingChange = [this] { Invalidate(); };
  client.UpdateData = [this] { UpdateData(); };
  link_ = std::make_unique<TFieldDataLinkEh>(std::move(client));
  // The height rule is this control's own (the flat border needs less room).
  TCustomMaskEdit::SetAutoSize(false);
  edit_button_->OnChanged = [this] { ButtonsChanged(); };
  edit_buttons_->OnChanged = [this] { ButtonsChanged(); };
  edit_image_->OnChanged = [this] {
    ButtonsChanged();
    AdjustHeight();
  };
}

TCustomDBEditEh::~TCustomDBEditEh() {
  // The companions go after this body: they must not call back into it.
  edit_button_->OnChanged = nullptr;
  edit_buttons_->OnChanged = nullptr;
  edit_image_->OnChanged = nullptr;
}

TDBEditEh::TDBEditEh(TComponent* owner) : TCustomDBEditEh(owner) {}

void TCustomDBEditEh::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  if (word_wrap_) params.style = (params.style & ~static_cast<DWORD>(ES_AUTOHSCROLL)) | ES_MULTILINE | ES_AUTOVSCROLL;
  if (alignment_ == taRightJustify) params.style |= ES_RIGHT;
  if (alignment_ == taCenter) params.style |= ES_CENTER;
}

void TCustomDBEditEh::CreateHandleDone() {
  TCustomMaskEdit::CreateHandleDone();
  // A new window tracks nothing yet (RecreateWnd).
  tracking_mouse_ = false;
  mouse_in_control_ = false;
  AdjustHeight();
  LayoutButtons();
  UpdateBorderState();
}

void TCustomDBEditEh::Loaded() {
  TCustomMaskEdit::Loaded();
  ButtonsChanged();
  UpdateBorderState();
}

// ---- Settings

void TCustomDBEditEh::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  AdjustHeight();
  ButtonsChanged();
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomDBEditEh::SetAlwaysShowBorder(bool value) {
  if (value == always_show_border_) return;
  always_show_border_ = value;
  UpdateBorderState();
}

void TCustomDBEditEh::SetAutoSize(bool value) {
  if (value == auto_size_) return;
  auto_size_ = value;
  AdjustHeight();
}

void TCustomDBEditEh::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  RecreateWnd();
}

void TCustomDBEditEh::SetWordWrap(bool value) {
  if (value == word_wrap_) return;
  word_wrap_ = value;
  RecreateWnd();
}

void TCustomDBEditEh::SetDataSource(TDataSource* source) {
  if (TDataSource* old = link_->DataSource()) RemoveFreeNotification(old);
  link_->SetDataSource(source);
  if (source) FreeNotification(source);
}

void TCustomDBEditEh::SetReadOnly(bool value) {
  TCustomMaskEdit::SetReadOnly(value);
  link_->SetReadOnly(value);
}

void TCustomDBEditEh::Notification(TComponent* component, TOperation operation) {
  TCustomMaskEdit::Notification(component, operation);
  if (operation != opRemove) return;
  if (link_ && component == link_->DataSource()) link_->SetDataSource(nullptr);
  if (link_) link_->CheckBinding();
  auto forget = [component](TEditButtonEh& b) {
    if (b.DropdownMenu() == component) b.SetDropdownMenu(nullptr);
  };
  if (edit_button_) forget(*edit_button_);
  if (edit_buttons_) {
    for (int i = 0; i < edit_buttons_->Count(); ++i) forget(*edit_buttons_->Items(i));
  }
  if (edit_image_ && edit_image_->Images() == component) edit_image_->SetImages(nullptr);
}

// ---- Value and posting

void TCustomDBEditEh::SetTextQuietly(const std::string& text) {
  const bool was = from_link_;
  from_link_ = true;
  try {
    TCustomMaskEdit::SetText(text);
  } catch (...) {
    from_link_ = was;
    throw;
  }
  from_link_ = was;
}

void TCustomDBEditEh::SetText(const std::string& text) {
  if (!link_->DataIndependent() && !Loading()) link_->Edit();
  TCustomMaskEdit::SetText(text);
  if (!link_->LinkActive()) return;
  try {
    UpdateData();
  } catch (...) {
    // The text stays; the link forgets the change it could not take.
    link_->Reset();
    throw;
  }
}

void TCustomDBEditEh::UpdateData() {
  if (focused_ && IsMasked()) ValidateEdit();
  PostData();
  SetModified(false);
  if (mru_list_->Active() && mru_list_->AutoAdd() && Showing()) mru_list_->Add(GetText());
}

void TCustomDBEditEh::PostData() { link_->PostText(GetText()); }

void TCustomDBEditEh::DataChanged() {
  std::string text;
  if (link_->DataIndependent()) text = ValueToText(link_->IndependentValue());
  else if (TField* field = link_->Field()) text = field->AsString();
  SetTextQuietly(text);
  SetModified(false);
}

void TCustomDBEditEh::Change() {
  if (!from_link_) link_->Modify();
  TCustomMaskEdit::Change();
}

bool TCustomDBEditEh::EditCanModify() { return link_->Edit(); }

// ---- Focus

void TCustomDBEditEh::WMSetFocus(TMessage& message) {
  // The edit's own rule selects on any focus; here a click into the
  // control places the caret instead.
  TWinControl::WMSetFocus(message);
  focused_ = true;
  if (AutoSelect() && !clicking_ && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
  UpdateBorderState();
  Invalidate();
}

void TCustomDBEditEh::WMKillFocus(TMessage& message) {
  TCustomMaskEdit::WMKillFocus(message);
  focused_ = false;
  UpdateBorderState();
  Invalidate();
  const HWND next = reinterpret_cast<HWND>(message.WParam);
  try {
    if (IsMasked()) ValidateEdit();
    link_->UpdateRecord();
  } catch (...) {
    // Data that cannot be posted keeps the focus here.
    SelectAll();
    if (next != Handle() && CanFocus()) ::SetFocus(Handle());
    throw;
  }
}

// ---- Keys

bool TCustomDBEditEh::WantsKey(WPARAM key) const {
  if (key == VK_TAB) return want_tabs_;
  if (key == VK_RETURN) return want_returns_;
  return false;
}

void TCustomDBEditEh::ClickButton(int index) {
  TEditButtonEh& button = ButtonOf(index);
  bool handled = false;
  button.OnClick(this, handled);
  if (!handled) OnButtonClick(this, handled);
  if (handled) return;
  if (TPopupMenu* menu = button.DropdownMenu()) {
    const TEditButtonControlEh* control = ButtonControl(index);
    POINT below{0, control->Height()};
    ::ClientToScreen(const_cast<TEditButtonControlEh*>(control)->Handle(), &below);
    menu->Popup(below.x, below.y);
    return;
  }
  if (index != 0) return;
  if (button.Style() == ebsUpDownEh) return UpDownStep(false);
  if (DroppedDown()) CloseUp(true);
  else DropDown();
}

bool TCustomDBEditEh::KeyDown(WORD key, TShiftState shift) {
  const TShortCut pressed = hm::ShortCut(key, shift);
  for (int i = 0; i < ButtonControlCount(); ++i) {
    const TEditButtonEh& button = ButtonOf(i);
    if (button.Visible() && button.ShortCut() != 0 && button.ShortCut() == pressed) {
      ClickButton(i);
      return true;
    }
  }
  if (key == 'A' && shift == TShiftState{ssCtrl}) {
    SelectAll();
    swallow_char_ = 1;  // the Ctrl+A character
    return true;
  }
  if (key == VK_DELETE || (key == VK_INSERT && shift.Contains(ssShift))) EditCanModify();
  return false;
}

bool TCustomDBEditEh::KeyPress(wchar_t& key) {
  if (key >= 32 || key == VK_BACK) {
    if (!EditCanModify() && !ReadOnly()) {
      MessageBeep(0);
      return true;
    }
  }
  return false;
}

void TCustomDBEditEh::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      TShiftState shift = KeyboardShiftState();
      // A posted system key carries Alt in its flags, not in the key state.
      if (message.Msg == WM_SYSKEYDOWN && (message.LParam & (1 << 29))) shift.Include(ssAlt);
      swallow_char_ = 0;
      if (KeyDown(static_cast<WORD>(message.WParam), shift)) {
        message.Result = 0;
        return;
      }
      break;
    }
    case WM_CHAR: {
      if (swallow_char_ != 0 && static_cast<wchar_t>(message.WParam) == swallow_char_) {
        swallow_char_ = 0;
        return;
      }
      swallow_char_ = 0;
      auto key = static_cast<wchar_t>(message.WParam);
      if (KeyPress(key)) return;
      message.WParam = key;
      TCustomMaskEdit::WndProc(message);
      if (key >= 32 || key == VK_BACK) KeyPressed(key);
      return;
    }
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      if (!EditCanModify()) return;
      break;
    case WM_GETDLGCODE:
      TCustomMaskEdit::WndProc(message);
      if (WantsKey(message.WParam)) message.Result |= DLGC_WANTALLKEYS;
      if (want_tabs_) message.Result |= DLGC_WANTTAB;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      clicking_ = !focused_;
      TCustomMaskEdit::WndProc(message);
      clicking_ = false;
      return;
    case WM_MOUSEMOVE:
      MouseEntered();
      break;
    case WM_MOUSELEAVE:
      tracking_mouse_ = false;
      CheckMouseLeft();
      return;
    case WM_TIMER:
      if (message.WParam == kMouseCheckTimer) {
        CheckMouseLeft();
        return;
      }
      break;
    case WM_NCPAINT:
      if (DrawsFlatBorder()) {
        DrawFlatBorder(nullptr);
        message.Result = 0;
        return;
      }
      break;
    case WM_PAINT:
      if (PaintsTextItself()) {
        if (message.WParam) {
          PaintAlignedText(reinterpret_cast<HDC>(message.WParam));
        } else {
          PaintScope scope(Handle());
          PaintAlignedText(scope.dc());
        }
        return;
      }
      if (edit_image_->Shown()) {
        TCustomMaskEdit::WndProc(message);
        WindowDC dc(Handle());
        PaintImage(dc.get());
        return;
      }
      break;
    case WM_SIZE:
      TCustomMaskEdit::WndProc(message);
      LayoutButtons();
      return;
    default: break;
  }
  TCustomMaskEdit::WndProc(message);
}

}  // namespace hm
