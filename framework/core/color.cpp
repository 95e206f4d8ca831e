#include "framework/core/color.h"

#include <array>
#include <utility>

#include "framework/core/text.h"

namespace hm {
namespace {

struct NamedColor {
  TColor value;
  std::string_view name;
};

constexpr std::array kNames = {
    NamedColor{clBlack, "clBlack"},
    NamedColor{clMaroon, "clMaroon"},
    NamedColor{clGreen, "clGreen"},
    NamedColor{clOlive, "clOlive"},
    NamedColor{clNavy, "clNavy"},
    NamedColor{clPurple, "clPurple"},
    NamedColor{clTeal, "clTeal"},
    NamedColor{clGray, "clGray"},
    NamedColor{clSilver, "clSilver"},
    NamedColor{clRed, "clRed"},
    NamedColor{clLime, "clLime"},
    NamedColor{clYellow, "clYellow"},
    NamedColor{clBlue, "clBlue"},
    NamedColor{clFuchsia, "clFuchsia"},
    NamedColor{clAqua, "clAqua"},
    NamedColor{clWhite, "clWhite"},
    NamedColor{clMoneyGreen, "clMoneyGreen"},
    NamedColor{clSkyBlue, "clSkyBlue"},
    NamedColor{clCream, "clCream"},
    NamedColor{clMedGray, "clMedGray"},
    NamedColor{clScrollBar, "clScrollBar"},
    NamedColor{clBackground, "clBackground"},
    NamedColor{clActiveCaption, "clActiveCaption"},
    NamedColor{clInactiveCaption, "clInactiveCaption"},
    NamedColor{clMenu, "clMenu"},
    NamedColor{clWindow, "clWindow"},
    NamedColor{clWindowFrame, "clWindowFrame"},
    NamedColor{clMenuText, "clMenuText"},
    NamedColor{clWindowText, "clWindowText"},
    NamedColor{clCaptionText, "clCaptionText"},
    NamedColor{clActiveBorder, "clActiveBorder"},
    NamedColor{clInactiveBorder, "clInactiveBorder"},
    NamedColor{clAppWorkSpace, "clAppWorkSpace"},
    NamedColor{clHighlight, "clHighlight"},
    NamedColor{clHighlightText, "clHighlightText"},
    NamedColor{clBtnFace, "clBtnFace"},
    NamedColor{clBtnShadow, "clBtnShadow"},
    NamedColor{clGrayText, "clGrayText"},
    NamedColor{clBtnText, "clBtnText"},
    NamedColor{clInactiveCaptionText, "clInactiveCaptionText"},
    NamedColor{clBtnHighlight, "clBtnHighlight"},
    NamedColor{cl3DDkShadow, "cl3DDkShadow"},
    NamedColor{cl3DLight, "cl3DLight"},
    NamedColor{clInfoText, "clInfoText"},
    NamedColor{clInfoBk, "clInfoBk"},
    NamedColor{clHotLight, "clHotLight"},
    NamedColor{clGradientActiveCaption, "clGradientActiveCaption"},
    NamedColor{clGradientInactiveCaption, "clGradientInactiveCaption"},
    NamedColor{clMenuHighlight, "clMenuHighlight"},
    NamedColor{clMenuBar, "clMenuBar"},
    NamedColor{clNone, "clNone"},
    NamedColor{clDefault, "clDefault"},
};

}  // namespace

std::optional<std::string> ColorToIdent(TColor c) {
  for (const NamedColor& n : kNames) {
    if (n.value == c) return std::string(n.name);
  }
  return std::nullopt;
}

std::optional<TColor> IdentToColor(std::string_view ident) {
  for (const NamedColor& n : kNames) {
    if (SameText(n.name, ident)) return n.value;
  }
  return std::nullopt;
}

}  // namespace hm
