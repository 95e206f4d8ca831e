// The drawing routines every skin painter shares: nine-part cutting of skin
// images, strips of state frames, glyph frames, transparent copies with the
// key colour magenta, and the one text routine. Frame skins use them for
// their borders as well as control skins for their faces.
#pragma once

#include "framework/ui/platform/win32.h"

#include <memory>
#include <string_view>

#include "framework/core/color.h"
#include "framework/ui/graphics/bitmap.h"
#include "skin/controls/nine_part_layout.h"

namespace hm {

class TCanvas;
class TDataSkinObject;

// Pixels of this colour in skin images are see-through.
constexpr TColor kSkinKeyColour = static_cast<TColor>(0xFF00FF);

// The layouts' rectangles at the Win32 calls, and back.
inline RECT ToRect(const TPieceRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline TPieceRect ToPiece(const RECT& r) {
  return TPieceRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                    static_cast<int>(r.bottom)};
}

struct TSkinMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
TSkinMargins MarginsOf(const TDataSkinObject& definition);

// ---- The work bitmap all control skins share within one paint call; its
// canvas stretches colour-on-colour. Null until the skin modules start.
TBitmap* WorkBitmap();
void StartSkinDrawing();  // makes it (again nothing when it exists)
void EndSkinDrawing();    // frees it

// ---- Nine-part cutting. A new bitmap of dest's size (empty when dest has
// no area) with frame `frame` (1-based) of `frame_count` cut from source.
// Corners are copied as they are, edges stretched, the centre stretched or
// tiled; a tiled centre costs a few copies whatever the sizes.
std::unique_ptr<TBitmap> NinePartBitmap(const RECT& dest, const TBitmap& source, const TSkinMargins& margins,
                                        TFrameOrientation frames, bool tile, int frame_count, int frame);
// Only the four corners and four edges, stretched opaquely straight onto
// dc at dest; the centre of dest is not touched.
void DrawNinePartEdges(HDC dc, const RECT& dest, const TBitmap& source, const TSkinMargins& margins,
                       TFrameOrientation frames, int frame_count, int frame);

// ---- Skin images and strips.
// Frame `frame` of a definition's image, nine-part cut into rect; copied
// with magenta see-through when the definition's Trans is 1. Nothing for a
// rect of negative size or an empty image.
void DrawSkinImage(HDC dc, const RECT& rect, int frame_count, int frame, const TDataSkinObject& definition);
// The same from an image prepared out of the definition's (turned or
// flipped), with the definition's margins, Tile and Trans.
void DrawSkinImage(HDC dc, const RECT& rect, int frame_count, int frame, const TDataSkinObject& definition,
                   const TBitmap& image);
// The same into the work bitmap at 0,0, after filling rect there with the
// face colour; magenta see-through when `transparent`.
void DrawSkinImageOnWork(const RECT& rect, const TDataSkinObject& definition, bool transparent, int frame_count,
                         int frame, TColor face);
// Frame `frame` of `frame_count` side-by-side frames, stretched into rect
// with magenta see-through: onto a device context, onto a canvas, or onto
// a device context by one masked copy.
void DrawStripFrame(HDC dc, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap);
void DrawStripFrame(TCanvas& canvas, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap);
void DrawStripFrameMasked(HDC dc, const RECT& rect, int frame_count, int frame, const TBitmap& bitmap);
// One frame of a button glyph strip at rect's top-left, unstretched, with
// the colour of its bottom-left pixel see-through; the second frame is
// drawn grey. Frames other than the first are used only with 4 glyphs.
void DrawGlyphFrame(TCanvas& canvas, const RECT& rect, int num_glyphs, int frame, const TBitmap& glyph);
// The bitmap's top-left part, rect's size, copied 1:1 onto dc at rect
// leaving dc's pixels where the bitmap has the key colour.
void TransparentBlit(HDC dc, const RECT& rect, const TBitmap& bitmap, TColor key);

// ---- Text: always wide text; an "&" underlines the next character.
int SkinDrawText(HDC dc, std::string_view text, RECT& rect, UINT flags);
// Text centred vertically in rect (one pixel up), and horizontally too for
// DT_CENTER; `alignment` is DT_LEFT, DT_CENTER or DT_RIGHT. Disabled text
// is drawn in the button-shadow colour.
void DrawCenteredText(TCanvas& canvas, const RECT& rect, UINT alignment, bool enabled, std::string_view text);

}  // namespace hm
