#include "tools/skingen/preview.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "tools/skingen/kolvane_parts.h"
#include "tools/skingen/shapes.h"

namespace hm::skingen {

TImage FrameOf(const TImage& strip, int count, int index, bool stacked) {
  if (stacked) {
    const int h = strip.Height() / count;
    return strip.Crop(0, (index - 1) * h, strip.Width(), h);
  }
  const int w = strip.Width() / count;
  return strip.Crop((index - 1) * w, 0, w, strip.Height());
}

TImage NinePart(const TImage& f, int w, int h, int l, int t, int r, int b, bool tile) {
  TImage out(w, h);
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  const int fw = f.Width(), fh = f.Height();
  auto piece = [&](int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    out.Paste(f.Crop(sx, sy, sw, sh).Stretched(dw, dh), dx, dy);
  };
  piece(0, 0, l, t, 0, 0, l, t);
  piece(0, fh - b, l, b, 0, h - b, l, b);
  piece(fw - r, 0, r, t, w - r, 0, r, t);
  piece(0, t, l, fh - t - b, 0, t, l, h - t - b);
  piece(l, 0, fw - l - r, t, l, 0, w - l - r, t);
  const int cw = fw - l - r, ch = fh - t - b;
  if (cw > 0 && ch > 0) {
    if (tile) {
      const TImage centre = f.Crop(l, t, cw, ch);
      for (int y = t; y < h - b; y += ch)
        for (int x = l; x < w - r; x += cw) out.Paste(centre.Crop(0, 0, std::min(cw, w - r - x), std::min(ch, h - b - y)), x, y);
    } else {
      piece(l, t, cw, ch, l, t, w - l - r, h - t - b);
    }
  }
  piece(fw - r, fh - b, r, b, w - r, h - b, r, b);
  piece(fw - r, t, r, fh - t - b, w - r, t, r, h - t - b);
  piece(l, fh - b, fw - l - r, b, l, h - b, w - l - r, b);
  return out;
}

TImage ThreePartStrip(const TImage& f, int w, int h, int l, int r) {
  TImage out(w, h);
  const int mid = f.Width() - l - r;
  out.Paste(f.Crop(0, 0, l, f.Height()).Stretched(l, h), 0, 0);
  if (mid > 0) {
    const TImage piece = f.Crop(l, 0, mid, f.Height()).Stretched(mid, h);
    for (int x = l; x < w - r; x += mid) out.Paste(piece, x, 0);
  }
  out.Paste(f.Crop(f.Width() - r, 0, r, f.Height()).Stretched(r, h), w - r, 0);
  return out;
}

namespace {

using kolvane::kCaptionHeight;

class TMock {
 public:
  TMock(const std::vector<TSkinImage>& images, const TLook& look) : look_(look) {
    for (const TSkinImage& i : images) images_[i.name] = &i.image;
  }

  const TImage& Img(const std::string& name) const {
    const auto it = images_.find(name);
    if (it == images_.end()) throw std::runtime_error("mock-up needs " + name);
    return *it->second;
  }
  TRgb Col(const char* name) const { return look_.Colour(name); }

  TMockup out;

  void Label(int x, int y, int w, int h, char align, TRgb colour, const std::string& text, int size = 12,
             bool bold = false) {
    out.labels.push_back({x, y, w, h, align, colour, size, bold, text});
  }

  // Draws a whole skinned window at (x, y); returns the client origin.
  void Window(int x, int y, int w, int h, bool active, const std::string& caption, int captionWidth, bool allButtons) {
    TImage& d = out.image;
    const int fi = active ? 1 : 2;
    const TImage left = NinePart(FrameOf(Img("kol_body_left.bmp"), 2, fi, false), 5, h, 0, 24, 0, 13, true);
    const TImage right = NinePart(FrameOf(Img("kol_body_right.bmp"), 2, fi, false), 5, h, 0, 24, 0, 13, true);
    const TImage bottom = NinePart(FrameOf(Img("kol_body_bottom.bmp"), 2, fi, true), w - 10, 13, 1, 0, 1, 0, true);
    TImage title = NinePart(FrameOf(Img("kol_body_top.bmp"), 2, fi, true), w - 10, kCaptionHeight, 1, 0, 1, 0, true);
    // Caption plate, centred as TextAlignment 1 centres it.
    const int bw = captionWidth + 24;
    const int off = (title.Width() - bw) / 2;
    title.Paste(ThreePartStrip(FrameOf(Img("kol_textback.bmp"), 2, fi, true), bw, kCaptionHeight, 12, 12), off, 0, true);
    d.Paste(left, x, y, true);
    d.Paste(right, x + w - 5, y, true);
    d.Paste(bottom, x + 5, y + h - 13);
    d.Paste(title, x + 5, y);
    Label(x + 5 + off + 12, y, captionWidth, kCaptionHeight - 2, 'c', active ? Col("caption_active") : Col("caption_inactive"),
          caption, 12, true);
    // Window icon (Action 3 at 14, 3): a stand-in drawn here, not a skin part.
    TImage icon = d.Crop(x + 14, y + 3, 16, 16);
    FillRoundBox(icon, TBox{1, 1, 14, 14}, 3, Col("prog_bottom"));
    FillRoundBox(icon, TBox{2, 2, 12, 12}, 2, Col("prog_top"));
    icon.FillRect(5, 5, 6, 1, Col("white"));
    icon.FillRect(5, 8, 6, 1, Col("white"));
    icon.FillRect(5, 11, 4, 1, Col("white"));
    d.Paste(icon, x + 14, y + 3);
    // Caption buttons, Align 1: x = width - XCoord.
    const int frame = active ? 1 : 4;
    d.Paste(FrameOf(Img("kol_icon_close.bmp"), 6, frame, false), x + w - 24, y + 5, true);
    if (allButtons) {
      d.Paste(FrameOf(Img("kol_icon_max1.bmp"), 6, frame, false), x + w - 40, y + 5, true);
      d.Paste(FrameOf(Img("kol_icon_min.bmp"), 6, frame, false), x + w - 56, y + 5, true);
    }
    d.FillRect(x + 5, y + kCaptionHeight, w - 10, h - kCaptionHeight - 13, Col("face"));
  }

  // A bare active title strip with every caption button in every state
  // the painter shows: resting, hot, pressed.
  void CaptionStates(int x, int y, int w) {
    TImage strip = NinePart(FrameOf(Img("kol_body_top.bmp"), 2, 1, true), w, kCaptionHeight, 1, 0, 1, 0, true);
    int bx = 8;
    for (const char* name : {"kol_icon_close.bmp", "kol_icon_max1.bmp", "kol_icon_max2.bmp", "kol_icon_min.bmp"}) {
      for (int frame : {1, 3, 2}) {
        strip.Paste(FrameOf(Img(name), 6, frame, false), bx, kolvane::kCaptionButtonTop, true);
        bx += 16;
      }
      bx += 12;
    }
    out.image.Paste(strip, x, y);
  }

  void Button(int x, int y, int w, int h, int frame, const std::string& text, TRgb ink) {
    TImage face(w, h, Col("face"));
    face.Paste(NinePart(FrameOf(Img("kol_buttons.bmp"), 5, frame, false), w, h, 4, 4, 4, 4, false), 0, 0, true);
    out.image.Paste(face, x, y);
    Label(x, y, w, h - 1, 'c', ink, text);
  }

  void Edit(int x, int y, int w, int h, const std::string& text) {
    TImage& d = out.image;
    d.FillRect(x, y, w, h, Col("shadow"));
    d.FillRect(x + 1, y + 1, w - 2, h - 2, Col("white"));
    Label(x + 5, y, w - 10, h, 'l', TRgb{0, 0, 0}, text);
  }

  void Combo(int x, int y, int w, int h, int state, const std::string& text) {
    TImage& d = out.image;
    d.Paste(NinePart(FrameOf(Img("kol_sunkedge.bmp"), 4, state, false), w, h, 2, 2, 2, 2, false), x, y);
    const int e = 16;  // scroll-bar width
    const TImage button = FrameOf(Img("kol_combobutton.bmp"), 4, state, false).Stretched(e + 2, h);
    d.Paste(button, x + w - e - 2, y, true);
    Label(x + 5, y, w - e - 10, h, 'l', TRgb{0, 0, 0}, text);
  }

  void Check(int x, int y, int frame, bool radio, const std::string& text) {
    out.image.Paste(FrameOf(Img(radio ? "kol_radio.bmp" : "kol_checkbox.bmp"), 4, frame, false), x, y, true);
    Label(x + 19, y - 3, 80, 20, 'l', frame >= 3 ? TRgb{128, 128, 128} : TRgb{0, 0, 0}, text);
  }

  // A vertical window scroll bar, drawn 16 wide as the painter does.
  void VScroll(int x, int y, int len, int thumbPos, int thumbLen, bool pressedDown) {
    TImage bar(16, len, Col("scrollbar"));
    bar.Paste(NinePart(FrameOf(Img("kol_scrolltrack.bmp"), 4, 1, false), 16, len - 32, 0, 0, 0, 0, false), 0, 16);
    bar.Paste(FrameOf(Img("kol_arrows.bmp"), 23, 9, false), 0, 0, true);
    bar.Paste(FrameOf(Img("kol_arrows.bmp"), 23, pressedDown ? 14 : 13, false), 0, len - 16, true);
    bar.Paste(NinePart(FrameOf(Img("kol_vthumb.bmp"), 3, 1, false), 16, thumbLen, 0, 4, 0, 4, false), 0, 16 + thumbPos, true);
    out.image.Paste(bar, x, y);
  }

  void HScroll(int x, int y, int len, int thumbPos, int thumbLen, bool thumbPressed) {
    TImage bar(len, 16, Col("scrollbar"));
    bar.Paste(NinePart(FrameOf(Img("kol_scrolltrack.bmp"), 4, 1, false), len - 32, 16, 0, 0, 0, 0, false), 16, 0);
    bar.Paste(FrameOf(Img("kol_arrows.bmp"), 23, 1, false), 0, 0, true);
    bar.Paste(FrameOf(Img("kol_arrows.bmp"), 23, 5, false), len - 16, 0, true);
    bar.Paste(NinePart(FrameOf(Img("kol_hthumb.bmp"), 3, thumbPressed ? 2 : 1, false), thumbLen, 16, 4, 0, 4, 0, false),
              16 + thumbPos, 0, true);
    out.image.Paste(bar, x, y);
  }

  // A tab control with tabs on top: the strip, then the page border.
  void TabControl(int x, int y, int w, int h, const std::vector<std::pair<std::string, int>>& tabs, int selected) {
    const int stripH = 22;
    TImage strip(w, stripH, Col("face"));
    int tx = 2;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
      const int state = static_cast<int>(i) == selected ? 2 : 1;
      const int tw = tabs[i].second;
      strip.Paste(NinePart(FrameOf(Img("kol_tabs.bmp"), 5, state, false), tw, stripH - 1, 4, 4, 4, 3, false), tx, 1, true);
      Label(x + tx, y + 1 + (state == 2 ? 1 : 2), tw, stripH - 2, 'c', state == 2 ? TRgb{0, 0, 0} : Col("caption_tab"),
            tabs[i].first);
      tx += tw;
    }
    TImage& d = out.image;
    d.Paste(strip, x, y);
    // Border: the eight edge pieces around the page, interior untouched.
    const TImage border = NinePart(Img("kol_tabborder.bmp"), w, h - stripH, 4, 5, 4, 4, false);
    for (int py = 0; py < border.Height(); ++py)
      for (int px = 0; px < border.Width(); ++px)
        if (px < 4 || py < 5 || px >= border.Width() - 4 || py >= border.Height() - 4) d.Set(x + px, y + stripH + py, border.At(px, py));
  }

  void ProgressBar(int x, int y, int w, int h, int percent) {
    TImage bar(w, h, Col("face"));
    bar.Paste(NinePart(FrameOf(Img("kol_progress.bmp"), 2, 1, false), w, h, 3, 3, 3, 3, false), 0, 0, true);
    const int fw = percent * w / 100;
    if (fw > 0) bar.Paste(NinePart(FrameOf(Img("kol_progress.bmp"), 2, 2, false), fw, h, 3, 3, 3, 3, false), 0, 0, true);
    out.image.Paste(bar, x, y);
  }

  void Menu(int x, int y, int w, const std::vector<std::string>& items, int selected) {
    int h = 6;
    for (const std::string& s : items) h += s == "-" ? 9 : 20;
    TImage& d = out.image;
    const TImage back = NinePart(Img("kol_menubackground.bmp"), w, h, 3, 3, 3, 3, false);
    d.Paste(back, x, y);
    int iy = 3;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool sep = items[i] == "-";
      const int ih = sep ? 9 : 20;
      if (sep) {
        const TImage f = FrameOf(Img("kol_menuitem.bmp"), 5, 2, false);
        const TImage rows = f.Crop(0, f.Height() - ih, f.Width(), ih);
        d.Paste(NinePart(rows, w - 6, ih, 3, 0, 3, 0, false), x + 3, y + iy, true);
      } else {
        const int state = static_cast<int>(i) == selected ? 4 : 1;
        d.Paste(NinePart(FrameOf(Img("kol_menuitem.bmp"), 5, state, false), w - 6, ih, 3, 3, 3, 3, false), x + 3, y + iy, true);
        Label(x + 3 + 1 + 3 + 16 + 3, y + iy, w - 40, ih, 'l', TRgb{0, 0, 0}, items[i]);
      }
      iy += ih;
    }
  }

 private:
  const TLook& look_;
  std::map<std::string, const TImage*> images_;
};

}  // namespace

TMockup BuildMockup(const std::vector<TSkinImage>& images, const TLook& look, int captionWidth) {
  TMock m(images, look);
  const int W = 760, H = 420;
  m.out.image = TImage(W, H);
  const TRgb desk0 = look.Colour("desk_top"), desk1 = look.Colour("desk_bottom");
  for (int y = 0; y < H; ++y) m.out.image.HLine(0, y, W, Gradient(desk0, desk1, y, H));

  // The inactive window behind, then the active one.
  m.Window(452, 24, 288, 150, false, "查找", 26, true);
  m.Button(452 + 5 + 188, 24 + 25 + 80, 75, 26, 1, "关闭", look.Colour("btn_text"));
  m.Label(452 + 5 + 14, 24 + 25 + 20, 240, 20, 'l', TRgb{0, 0, 0}, "非活动窗口：浅色边框，标题 90 90 90。");

  const int wx = 20, wy = 20, ww = 412, wh = 380;
  m.Window(wx, wy, ww, wh, true, "工具箱", captionWidth, false);
  const int cx = wx + 5, cy = wy + 25;
  m.TabControl(cx + 8, cy + 8, ww - 26, 250, {{"邮政编码", 76}, {"手机", 50}, {"身份证", 62}}, 0);
  const int px = cx + 20, py = cy + 44;
  m.Label(px, py, 70, 22, 'l', TRgb{0, 0, 0}, "地区：");
  m.Edit(px + 60, py, 150, 22, "杭州");
  m.Combo(px + 220, py, 120, 22, 1, "全部");
  const TRgb ink = look.Colour("btn_text");
  m.Button(px, py + 34, 72, 26, 1, "查找(S)", ink);
  m.Button(px + 78, py + 34, 64, 26, 4, "悬停", TRgb{0, 0, 0});
  m.Button(px + 148, py + 34, 64, 26, 2, "按下", TRgb{0, 0, 0});
  m.Button(px + 218, py + 34, 64, 26, 5, "默认", ink);
  m.Button(px + 288, py + 34, 64, 26, 3, "禁用", TRgb{128, 128, 128});
  m.Check(px, py + 74, 1, false, "自动");
  m.Check(px + 86, py + 74, 2, false, "选中");
  m.Check(px + 172, py + 74, 4, false, "禁用");
  m.Check(px, py + 98, 1, true, "区号");
  m.Check(px + 86, py + 98, 2, true, "邮编");
  m.Check(px + 172, py + 98, 3, true, "禁用");
  // A memo with both bars and the size box.
  const int mx = px, my = py + 124, mw = 250, mh = 74;
  m.out.image.FillRect(mx, my, mw, mh, look.Colour("shadow"));
  m.out.image.FillRect(mx + 1, my + 1, mw - 2, mh - 2, look.Colour("white"));
  m.Label(mx + 6, my + 4, 200, 16, 'l', TRgb{0, 0, 0}, "区号：0571");
  m.Label(mx + 6, my + 20, 200, 16, 'l', TRgb{0, 0, 0}, "邮编：310000");
  m.VScroll(mx + mw - 2 - 16, my + 2, mh - 4 - 16, 8, 22, false);
  m.HScroll(mx + 2, my + mh - 2 - 16, mw - 4 - 16, 40, 90, false);
  m.out.image.FillRect(mx + mw - 2 - 16, my + mh - 2 - 16, 16, 16, look.Colour("face"));
  m.ProgressBar(px + 262, my, 90, 14, 62);
  m.ProgressBar(px + 262, my + 22, 90, 14, 0);
  m.Combo(px + 262, my + 44, 90, 22, 4, "聚焦");
  m.Button(cx + ww - 10 - 8 - 75, cy + wh - 25 - 13 - 8 - 26 - 34, 75, 26, 1, "关闭", ink);

  m.Menu(460, 200, 150, {"复制", "粘贴", "-", "关闭"}, 1);
  m.CaptionStates(452, 330, 256);
  m.Label(452, 358, 288, 16, 'l', look.Colour("white"), "标题按钮：常态、悬停、按下");
  return m.out;
}

}  // namespace hm::skingen
