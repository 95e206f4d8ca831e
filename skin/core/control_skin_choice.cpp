#include "skin/core/control_skin_choice.h"

#include <algorithm>
#include <array>

#include "framework/core/text.h"
#include "framework/core/typinfo.h"
#include "framework/ui/base/win_control.h"
#include "skin/core/win_skin_data.h"

namespace hm {

namespace {

constexpr std::size_t kMaxKindLength = 50;

struct Decide {
  TControlSkinChoice choice;
  explicit Decide(int step) { choice.step = step; }
  Decide& Skin(const char* cls, TSkinAttach attach = TSkinAttach::InitSkin) {
    choice.skin_class = cls;
    choice.attach = attach;
    return *this;
  }
  Decide& Recolor() {
    choice.recolor = true;
    return *this;
  }
  Decide& WalkOwned() {
    choice.skin_owned_components = true;
    return *this;
  }
  Decide& NcButtons() {
    choice.handle_nc_buttons = true;
    return *this;
  }
  Decide& SetTrue(const char* property) {
    choice.set_true.emplace_back(property);
    return *this;
  }
  operator TControlSkinChoice() const { return choice; }
};

// The window scroll bar skin, as framework controls get it.
Decide ScrollbarSkin(int step, bool nc_buttons) {
  Decide d(step);
  d.Skin("TSkinScrollbar", TSkinAttach::InitScrollbarSkin);
  if (nc_buttons) d.NcButtons();
  return d;
}

// The Skin3rd table: a kind decides even when its requirement fails.
TControlSkinChoice FromSkin3rdKind(const std::string& kind, const TSkinData& data) {
  const TSkinControlTypes s = data.SkinControls();
  const bool tabs = data.Section(ssTabs) != nullptr;
  Decide d(6);
  if (kind == "combobox") {
    if (s.Contains(xcCombo)) d.Skin("TSkinComBox");
  } else if (kind == "edit") {
    if (s.Contains(xcEdit)) d.Skin("TSkinEdit", TSkinAttach::InitSkinHandle);
  } else if (kind == "radiobutton") {
    if (s.Contains(xcRadioButton)) d.Skin("TSkinRadioButton");
  } else if (kind == "panel") {
    if (s.Contains(xcPanel)) d.SetTrue("Transparent").Skin("TSkinBox").Recolor();
  } else if (kind == "trackbar") {
    if (s.Contains(xcButton)) d.SetTrue("Transparent").Skin("TSkinTrackBar");
  } else if (kind == "button") {
    if (s.Contains(xcButton)) d.Skin("TSkinButton");
  } else if (kind == "bitbtn") {
    if (s.Contains(xcButton)) d.Skin("TSkinBitButton");
  } else if (kind == "tab") {
    if (s.Contains(xcTab) && tabs) d.Skin("TSkinTab", TSkinAttach::InitSkinHandle);
  } else if (kind == "progress") {
    if (s.Contains(xcProgress)) d.Skin("TSkinProgress");
  } else if (kind == "scrollbar") {
    if (s.Contains(xcScrollbar)) return ScrollbarSkin(6, true);
  } else if (kind == "groupbox") {
    if (s.Contains(xcGroupBox)) d.Skin("TSkinGroupBox").Recolor();
  } else if (kind == "radiogroup" || kind == "checkgroup") {
    if (s.Contains(xcPanel)) {
      const bool radio = kind == "radiogroup";
      if (s.Contains(radio ? xcRadioButton : xcCheckBox))
        d.choice.child_skin_class = radio ? "TSkinRadioButton" : "TSkinCheckBox";
      d.Skin("TSkinGroupBox").Recolor();
    }
  } else if (kind == "checkbox") {
    if (s.Contains(xcCheckBox)) d.Skin("TSkinCheckBox");
  }
  // "nil" and kinds of no row: no skin.
  return d;
}

bool ShowsScrollBar(TWinControl& control) {
  const LONG_PTR style = GetWindowLongPtrW(control.Handle(), GWL_STYLE);
  return (style & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

}  // namespace

std::string Skin3rdKind(const TSkinData& data, const std::string& class_name) {
  const std::string wanted = LowerCase(class_name) + "=";
  const TStrings& lines = *data.Skin3rd();
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = LowerCase(lines.Get(i));
    if (line.rfind(wanted, 0) != 0) continue;
    const std::string text = lines.Get(i);
    return LowerCase(text.substr(text.find('=') + 1, kMaxKindLength));
  }
  return {};
}

TControlSkinChoice ChooseControlSkin(TComponent& component, const TControlSkinContext& context) {
  const TSkinData& data = context.data;
  const TSkinControlTypes s = data.SkinControls();
  const bool tabs = data.Section(ssTabs) != nullptr;
  const std::string c = UpperCase(component.ClassName());
  auto* control = dynamic_cast<TControl*>(&component);
  TWinControl* windowed = control ? control->AsWinControl() : nullptr;

  // 1. The tag that switches skinning off (remainder with the sign of Tag).
  if (component.Tag() % 100 == data.DisableTag()) return Decide(1);

  // 2. Skinned already, or bound to its window by another way.
  for (const TExistingControlSkin& skin : context.existing) {
    if (skin.component == &component) return Decide(2);
    if (skin.component || !windowed) continue;
    if (windowed->HandleAllocated()) {
      if (skin.handle == windowed->Handle()) return Decide(2);
      continue;
    }
    if (LowerCase(context.form_name).find("preview") != std::string::npos) return Decide(2);
    break;
  }

  // 3. The skins work on windows.
  if (windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return Decide(3);
    }
  }

  // 4. The application's own choice.
  if (data.OnSkinControl) {
    TComponent* skinned = nullptr;
    data.OnSkinControl(context.frame_skin, const_cast<TSkinData*>(&data), dynamic_cast<TControl*>(context.container),
                       control, c, skinned);
    if (skinned && skinned->InheritsFrom("TSkinControl")) {
      Decide d(4);
      d.choice.from_handler = skinned;
      if (component.InheritsFrom("TCustomPanel")) d.WalkOwned();
      return d;
    }
  }

  // 5. Classes that keep their own look.
  static constexpr std::array<const char*, 4> kOwnLook{"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"};
  if (std::find(kOwnLook.begin(), kOwnLook.end(), c) != kOwnLook.end()) return Decide(5);

  // 6. The skin component's class list.
  if (const std::string kind = Skin3rdKind(data, component.ClassName()); !kind.empty())
    return FromSkin3rdKind(kind, data);

  if (c == "TTABSET" && s.Contains(xcTab) && tabs) return Decide(7).Skin("TSkinTab31");
  if (c == "TTABBEDNOTEBOOK" && s.Contains(xcTab) && tabs)
    return Decide(8).Skin("TSkinTab", TSkinAttach::InitSkinHandle);
  if (c == "TMVCPANEL") return Decide(9).WalkOwned();
  if (component.InheritsFrom("TPageControl") && s.Contains(xcTab) && tabs)
    return Decide(10).Skin("TSkinTab", TSkinAttach::InitSkinHandle);
  if (c == "TTRACKBAR" && s.Contains(xcButton)) return Decide(11).Skin("TSkinTrackBar");
  if (c == "TUPDOWN" && s.Contains(xcButton)) return Decide(11).Skin("TSkinUpDown", TSkinAttach::InitSkinHandle);
  if (c == "TDBNAVIGATOR" && s.Contains(xcPanel)) return Decide(12).SetTrue("Flat").Skin("TSkinBox").Recolor();
  if (component.InheritsFrom("TCustomGroupBox") && s.Contains(xcPanel))
    return Decide(13).Skin("TSkinGroupBox").Recolor().WalkOwned();
  if (c == "TDATETIMEPICKER" && s.Contains(xcEdit)) {
    // Time mode is typed like an edit, date mode drops a calendar.
    const bool time_mode = GetPropEnumName(&component, "Kind") == "dtkTime";
    return time_mode ? Decide(14).Skin("TSkinEdit", TSkinAttach::InitSkinHandle) : Decide(14).Skin("TSkinComBox");
  }
  if (s.Contains(xcScrollbar) && (c == "TRICHEDIT" || c == "TWWDBRICHEDIT" || c == "TDXDBMEMO"))
    return ScrollbarSkin(15, true);
  if (component.InheritsFrom("TBitBtn")) {
    if (s.Contains(xcBitBtn)) return Decide(16).Skin("TSkinBitButton");
    return Decide(16);
  }
  if (component.InheritsFrom("TSpeedButton") && s.Contains(xcSpeedButton))
    return Decide(17).Skin("TSkinSpeedButton", TSkinAttach::AttachGraphic);
  if (component.InheritsFrom("TCustomPanel") && s.Contains(xcPanel))
    return Decide(18).Skin("TSkinBox").Recolor().WalkOwned();
  if (s.Contains(xcScrollbar) && (c == "TDXTREELIST" || c == "TDXDBTREELIST" || c == "TDXDBGRID"))
    return ScrollbarSkin(19, false);
  if (s.Contains(xcScrollbar) && component.InheritsFrom("TCustomMemo")) return ScrollbarSkin(20, true);
  if (s.Contains(xcScrollbar) && component.InheritsFrom("TCustomGrid")) {
    Decide d = ScrollbarSkin(21, true);
    d.choice.grid_fixed_color = true;
    return d;
  }
  if (s.Contains(xcScrollbar) && windowed &&
      (ShowsScrollBar(*windowed) || component.InheritsFrom("TMemo") || component.InheritsFrom("TCustomListBox") ||
       component.Tag() == 55))
    return ScrollbarSkin(22, true);
  if (component.InheritsFrom("TButton") && s.Contains(xcButton)) return Decide(23).Skin("TSkinButton");
  if (component.InheritsFrom("TCustomEdit") && s.Contains(xcEdit))
    return Decide(24).Skin("TSkinEdit", TSkinAttach::InitSkinHandle);
  if (component.InheritsFrom("TCustomForm") && control && control->Parent())
    return Decide(25).Skin("TSkinBox").Recolor().WalkOwned();
  return Decide(26);
}

void PrepareControlForSkin(TComponent& component, const TControlSkinChoice& choice, const TSkinData& data) {
  for (const std::string& property : choice.set_true) {
    // Only a published enumeration (Boolean included) of that name.
    if (PropKind(&component, property) == TTypeKind::Enumeration) SetPropEnumName(&component, property, "True");
  }
  if (choice.grid_fixed_color) SetOrdProp(&component, "FixedColor", data.Colours().ButtonFaceColor);
}

TNativeSkinChoice ChooseNativeChildSkin(HWND window) {
  wchar_t buffer[100] = {};
  GetClassNameW(window, buffer, 100);
  const std::string cls = LowerCase(Narrow(buffer));
  const auto t = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  auto has = [t](DWORD bits) { return (t & bits) == bits; };
  TNativeSkinChoice choice;
  if (cls == "button") {
    if (has(7)) return choice;  // a group box
    if (has(3) || has(2) || has(5)) choice.skin_class = "TSkinCheckBox";
    else if (has(9) || has(4)) choice.skin_class = "TSkinRadioButton";
    else choice.skin_class = "TSkinButton";
  } else if (cls == "combobox") {
    if ((t & 3) != 1) choice.skin_class = "TSkinComBox";  // not the simple style
  } else if (cls == "comboboxex32") {
    if (HWND inner = GetWindow(window, GW_CHILD)) {
      choice.skin_class = "TSkinComBox";
      choice.attach_window = inner;
    }
  } else if (cls == "scrollbar") {
    choice.skin_class = "TSkinSizer";
  } else if (cls == "systabcontrol32") {
    if ((t & 0x2000) == 0) choice.skin_class = "TSkinTab";
  } else if (cls == "edit") {
    choice.skin_class = "TSkinEdit";
  }
  if (!choice.skin_class.empty() && !choice.attach_window) choice.attach_window = window;
  return choice;
}

}  // namespace hm
