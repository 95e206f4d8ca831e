#include "framework/ui/platform/shortcut.h"

#include <array>
#include <cctype>

namespace hm {

namespace {

struct KeyName {
  WORD key;
  const char* name;
};

// Names of the keys that have no printable character of their own.
constexpr std::array<KeyName, 15> kKeyNames{{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_ESCAPE, "Esc"},
    {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
}};

struct Modifier {
  TShortCut flag;
  const char* prefix;
};
constexpr std::array<Modifier, 3> kModifiers{{{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}}};

std::string KeyText(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const KeyName& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  return {};
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != std::toupper(static_cast<unsigned char>(prefix[i])))
      return false;
  }
  return true;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00) return scNone;  // not a virtual key
  TShortCut result = key;
  if (shift.Contains(ssShift)) result |= scShift;
  if (shift.Contains(ssCtrl)) result |= scCtrl;
  if (shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortcut, WORD& key, TShiftState& shift) {
  key = shortcut & 0xFF;
  shift = {};
  if (shortcut & scShift) shift.Include(ssShift);
  if (shortcut & scCtrl) shift.Include(ssCtrl);
  if (shortcut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortcut) {
  const std::string key = KeyText(shortcut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (const Modifier& m : kModifiers) {
    if (shortcut & m.flag) text += m.prefix;
  }
  return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const Modifier& m : kModifiers) {
      const std::string_view prefix = m.prefix;
      if (StartsWithNoCase(text, prefix)) {
        modifiers |= m.flag;
        text.remove_prefix(prefix.size());
        found = true;
      }
    }
  }
  if (text.empty()) return scNone;
  for (WORD key = 8; key <= 255; ++key) {
    const std::string name = KeyText(key);
    if (!name.empty() && name.size() == text.size() && StartsWithNoCase(text, name)) return key | modifiers;
  }
  return scNone;
}

TShiftState KeyboardShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState MouseShiftState(WPARAM flags) {
  TShiftState shift;
  if (flags & MK_SHIFT) shift.Include(ssShift);
  if (flags & MK_CONTROL) shift.Include(ssCtrl);
  if (flags & MK_LBUTTON) shift.Include(ssLeft);
  if (flags & MK_RBUTTON) shift.Include(ssRight);
  if (flags & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

}  // namespace hm
