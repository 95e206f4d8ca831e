#include "tools/skingen/kolvane.h"

#include "tools/skingen/kolvane_parts.h"
#include "tools/skingen/shapes.h"

namespace hm::skingen {

std::vector<TSkinImage> BuildKolvaneImages(const TLook& look) {
  using namespace kolvane;
  return {
      {"kol_body_top.bmp", BodyTop(look), 2, true},
      {"kol_body_left.bmp", BodyLeft(look), 2},
      {"kol_body_right.bmp", BodyRight(look), 2},
      {"kol_body_bottom.bmp", BodyBottom(look), 2, true},
      {"kol_textback.bmp", TextBack(look), 2, true},
      {"kol_menu.bmp", MenuBar(look), 2, true},
      {"kol_icon_close.bmp", CaptionButton(look, "close", true), 6},
      {"kol_icon_max1.bmp", CaptionButton(look, "maximize", false), 6},
      {"kol_icon_min.bmp", CaptionButton(look, "minimize", false), 6},
      {"kol_icon_max2.bmp", CaptionButton(look, "restore", false), 6},
      {"kol_mdicontrols.bmp", MdiControls(look), 12},
      {"kol_buttons.bmp", PushButtons(look), 5},
      {"kol_checkbox.bmp", CheckBox(look), 4},
      {"kol_radio.bmp", RadioButton(look), 4},
      {"kol_arrows.bmp", Arrows(look), 23},
      {"kol_scrolltrack.bmp", ScrollTrack(look), 4},
      {"kol_hthumb.bmp", HorzThumb(look), 3},
      {"kol_vthumb.bmp", VertThumb(look), 3},
      {"kol_tabs.bmp", Tabs(look), 5},
      {"kol_tabborder.bmp", TabBorder(look), 1},
      {"kol_sunkedge.bmp", SunkEdge(look), 4},
      {"kol_combobutton.bmp", ComboButton(look), 4},
      {"kol_progress.bmp", Progress(look), 2},
      {"kol_menubackground.bmp", MenuBackground(look), 1},
      {"kol_menuitem.bmp", MenuItem(look), 5},
      {"kol_toolbars.bmp", Toolbars(look), 5},
      {"kol_headerbar.bmp", Headerbar(look), 5},
      {"kol_groupboxedge.bmp", GroupBoxEdge(look), 2},
      {"kol_groupbox.bmp", GroupBox(look), 1},
      {"kol_statusbar.bmp", StatusBarEdges(look), 3},
  };
}

TImage BuildSysMenuGlyphs(const TLook& look) {
  TImage out(64, 16, TRgb{255, 255, 255});
  int x = 0;
  for (const char* name : {"sys_restore", "sys_maximize", "sys_minimize", "sys_close"}) {
    DrawGlyphCentred(out, look.Glyph(name), TBox{x, 0, 16, 16}, TRgb{0, 0, 0});
    x += 16;
  }
  return out;
}

}  // namespace hm::skingen
