#include "Palette.h"

namespace themeart {

// Light: cool near-white surfaces, slate symbols, a clear blue accent.
Palette TouchPalette() {
  Palette p;
  p.base = Rgb(246, 248, 251);
  p.index_column = Rgb(234, 239, 246);
  p.index_line = Rgb(214, 222, 233);
  p.header = Rgb(232, 239, 249);
  p.header_line = Rgb(200, 212, 228);
  p.sms_body = Rgb(237, 241, 246);
  p.bar_top = Rgb(255, 255, 255);
  p.bar_bottom = Rgb(238, 242, 247);
  p.bar_line = Rgb(200, 209, 222);
  p.symbol_top = Rgb(250, 252, 255);
  p.symbol_bottom = Rgb(226, 233, 243);
  p.glyph = Rgb(92, 106, 128);
  p.glyph_pressed = Rgb(255, 255, 255);
  p.accent = Rgb(24, 118, 226);
  p.accent_dark = Rgb(16, 86, 176);
  p.face_top = Rgb(255, 255, 255);
  p.face_bottom = Rgb(245, 247, 251);
  p.face_border = Rgb(204, 213, 226);
  p.shadow_alpha = 0.10;
  p.menu_face = Rgb(250, 251, 253);
  p.menu_border = Rgb(160, 174, 194);
  p.pad_top = Rgb(228, 234, 243);
  p.pad_bottom = Rgb(214, 222, 233);
  p.key_top = Rgb(255, 255, 255);
  p.key_bottom = Rgb(238, 242, 247);
  p.key_border = Rgb(192, 203, 218);
  p.star = Rgb(255, 184, 28);
  p.star_edge = Rgb(206, 132, 0);
  p.star_rim = Rgb(255, 255, 255);
  p.avatar_top = Rgb(198, 212, 230);
  p.avatar_bottom = Rgb(160, 180, 206);
  p.avatar_figure = Rgb(244, 247, 251);
  p.signal = Rgb(24, 118, 226);
  p.signal_off = Rgb(190, 200, 214);
  return p;
}

// Dark: blue-grey slate surfaces, pale symbols, a warm amber accent.
Palette NightfallPalette() {
  Palette p;
  p.base = Rgb(24, 27, 33);
  p.index_column = Rgb(31, 35, 43);
  p.index_line = Rgb(46, 52, 63);
  p.header = Rgb(35, 40, 50);
  p.header_line = Rgb(56, 64, 78);
  p.sms_body = Rgb(19, 22, 27);
  p.bar_top = Rgb(40, 45, 55);
  p.bar_bottom = Rgb(28, 32, 39);
  p.bar_line = Rgb(58, 66, 80);
  p.symbol_top = Rgb(50, 56, 68);
  p.symbol_bottom = Rgb(36, 41, 50);
  p.glyph = Rgb(156, 168, 186);
  p.glyph_pressed = Rgb(28, 24, 18);
  p.accent = Rgb(255, 178, 62);
  p.accent_dark = Rgb(214, 138, 28);
  p.face_top = Rgb(52, 59, 71);
  p.face_bottom = Rgb(42, 48, 58);
  p.face_border = Rgb(68, 78, 94);
  p.shadow_alpha = 0.35;
  p.menu_face = Rgb(36, 41, 50);
  p.menu_border = Rgb(84, 95, 114);
  p.pad_top = Rgb(32, 36, 44);
  p.pad_bottom = Rgb(22, 25, 31);
  p.key_top = Rgb(92, 102, 118);
  p.key_bottom = Rgb(70, 78, 92);
  p.key_border = Rgb(104, 116, 134);
  p.star = Rgb(255, 196, 70);
  p.star_edge = Rgb(196, 134, 16);
  p.star_rim = Rgb(24, 27, 33);
  p.avatar_top = Rgb(74, 86, 106);
  p.avatar_bottom = Rgb(50, 60, 76);
  p.avatar_figure = Rgb(150, 164, 186);
  p.signal = Rgb(255, 178, 62);
  p.signal_off = Rgb(64, 72, 86);
  return p;
}

}  // namespace themeart
