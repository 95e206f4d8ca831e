// A form holding the main window's search inputs as stored (a flat edit
// and the search-column combo), a plain edit to take the focus away, and
// helpers that drive them as the keyboard and the mouse would.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "editors/db_combo_box.h"
#include "editors/db_edit.h"
#include "framework/core/form_description.h"
#include "framework/ui/controls/std_controls.h"
#include "framework/ui/forms/application.h"
#include "framework/ui/forms/form.h"
#include "tests/framework/ui/ui_test_util.h"

namespace hm::test {

inline constexpr char kSearchForm[] = R"(object SearchForm: TForm
  Left = 200
  Top = 150
  Width = 303
  Height = 335
  Caption = 'Search'
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  object DBEditEh2: TDBEditEh
    Left = 87
    Top = 245
    Width = 116
    Height = 19
    AlwaysShowBorder = True
    Ctl3D = True
    EditButtons = <>
    Flat = True
    ParentCtl3D = False
    TabOrder = 0
    Visible = True
  end
  object DBComboBoxEh1: TDBComboBoxEh
    Left = 87
    Top = 218
    Width = 117
    Height = 19
    AlwaysShowBorder = True
    EditButton.Width = 14
    EditButtons = <>
    Flat = True
    Items.Strings = (
      '区号'
      '邮编'
      '省份'
      '县/市名')
    TabOrder = 1
    Text = '区号'
    Visible = True
  end
  object Other: TDBEditEh
    Left = 8
    Top = 8
    Width = 100
    Height = 21
    EditButtons = <>
    TabOrder = 2
  end
end
)";

class EditorsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterClasses<TDBEditEh, TDBComboBoxEh, TForm>();
    Application().Initialize();
  }
  void SetUp() override {
    form_ = MakeRoot<TForm>();
    ReadComponent(*form_, kSearchForm);
    edit_ = &Get<TDBEditEh>("DBEditEh2");
    combo_ = &Get<TDBComboBoxEh>("DBComboBoxEh1");
    other_ = &Get<TDBEditEh>("Other");
  }
  void TearDown() override {
    if (GetCapture()) ReleaseCapture();
    form_.reset();
    Pump(2);
  }

  template <class T>
  T& Get(const std::string& name) {
    auto* c = dynamic_cast<T*>(form_->FindComponent(name));
    if (!c) throw std::runtime_error("no component " + name);
    return *c;
  }

  void ShowForm() {
    form_->Show();
    SetForegroundWindow(form_->Handle());
    Pump();
  }

  // Characters as the keyboard's translation delivers them.
  static void Type(const std::wstring& text) {
    for (wchar_t c : text) {
      PostMessageW(GetFocus(), WM_CHAR, c, 1);
      Pump(1);
    }
    Pump(2);
  }

  // A key with Alt held, as a system key.
  static void PressAltKey(WPARAM key) {
    PostMessageW(GetFocus(), WM_SYSKEYDOWN, key, (1 << 29) | 1);
    Pump();
  }

  // Moves the real cursor and sends a real press or release at a point of
  // the screen (the system decides which window it reaches).
  static void MouseTo(POINT screen) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((screen.x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1));
    in.mi.dy = static_cast<LONG>((screen.y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1));
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    // The system applies the move in its own time; wait for it.
    PumpUntil([&] {
      POINT now;
      GetCursorPos(&now);
      return now.x == screen.x && now.y == screen.y;
    });
    Pump();
  }
  static void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(in));
    Pump();
  }
  static void ClickAt(POINT screen) {
    MouseTo(screen);
    MouseButton(true);
    MouseButton(false);
  }

  // Pumps until `done` holds or about two seconds passed.
  static bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200; ++i) {
      if (done()) return true;
      Pump(1);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  }

  static POINT CenterOf(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  // A mouse message in a window's client coordinates.
  static void SendMouse(HWND window, UINT msg, POINT client, WPARAM keys = 0) {
    SendMessageW(window, msg, keys, MAKELPARAM(client.x, client.y));
  }

  Owned<TForm> form_;
  TDBEditEh* edit_ = nullptr;
  TDBComboBoxEh* combo_ = nullptr;
  TDBEditEh* other_ = nullptr;
};

}  // namespace hm::test
