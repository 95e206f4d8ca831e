#include "grid/shared_text_bitmap.h"

#include <memory>

#include "framework/ui/graphics/canvas.h"
#include "grid/paint_buffer.h"

namespace hm {

namespace {

// The user interface runs on one thread; so do the grids.
struct SharedState {
  int users = 0;
  TPaintBuffer buffer;
  std::unique_ptr<TCanvas> canvas;
};

SharedState& State() {
  static SharedState state;
  return state;
}

}  // namespace

TSharedTextBitmapUse::TSharedTextBitmapUse() { ++State().users; }

TSharedTextBitmapUse::~TSharedTextBitmapUse() {
  SharedState& s = State();
  if (--s.users > 0) return;
  if (s.canvas) s.canvas->SetHandle(nullptr);  // give back what it selected first
  s.canvas.reset();
  s.buffer.Release();
}

TCanvas* SharedTextCanvas(HDC like, int width, int height) {
  SharedState& s = State();
  if (s.users <= 0) return nullptr;
  if (!s.canvas) s.canvas = std::make_unique<TCanvas>();
  // A new bitmap (or DC) must not keep the old one's selections.
  s.canvas->SetHandle(nullptr);
  HDC dc = s.buffer.Prepare(like, width, height);
  if (!dc) return nullptr;
  s.canvas->SetHandle(dc);
  return s.canvas.get();
}

HBITMAP SharedTextBitmapHandle() { return State().buffer.Bitmap(); }

}  // namespace hm
