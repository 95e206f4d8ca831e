#include "grid/font_metrics.h"

#include "framework/core/text.h"
#include "framework/ui/graphics/graphics_objects.h"
#include "framework/ui/platform/handles.h"

namespace hm {

namespace {

// A DC of the screen with the font selected, for one measure.
class ScreenFontDC {
 public:
  explicit ScreenFontDC(TFont& font) : screen_(nullptr), select_(screen_.get(), font.Handle()) {}
  HDC get() const { return screen_.get(); }

 private:
  WindowDC screen_;
  SelectScope select_;
};

SIZE Extent(HDC dc, std::string_view text) {
  const std::wstring wide = Widen(text);
  SIZE size{0, 0};
  if (dc) GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

}  // namespace

TFontMetrics MeasureFont(TFont& font) {
  ScreenFontDC dc(font);
  TFontMetrics m;
  TEXTMETRICW tm{};
  if (dc.get() && GetTextMetricsW(dc.get(), &tm)) {
    m.text_height = tm.tmHeight;
    m.external_leading = tm.tmExternalLeading;
  }
  m.wg_height = Extent(dc.get(), "Wg").cy;
  return m;
}

int MeasureTextWidth(TFont& font, std::string_view text) {
  ScreenFontDC dc(font);
  return Extent(dc.get(), text).cx;
}

TDigitWidth MeasureDigitWidth(TFont& font) {
  ScreenFontDC dc(font);
  TEXTMETRICW tm{};
  TDigitWidth w;
  if (dc.get() && GetTextMetricsW(dc.get(), &tm)) w.overhang = tm.tmOverhang;
  w.digit = Extent(dc.get(), "0").cx - w.overhang;
  return w;
}

}  // namespace hm
