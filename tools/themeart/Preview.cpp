#include "Preview.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "Canvas.h"
#include "PngWriter.h"
#include "ThemeFolder.h"

namespace themeart {

namespace {

constexpr int kGap = 16;
constexpr int kScreens = 5;

enum class Align { kStart, kCentre, kEnd };

struct Screen {
  cairo_t* cr;
  const ThemeFolder& theme;
  int width, height;
};

void Paint(cairo_t* cr, cairo_surface_t* image, double x, double y) {
  if (image == nullptr) return;
  cairo_set_source_surface(cr, image, x, y);
  cairo_paint(cr);
}

void PaintInto(cairo_t* cr, cairo_surface_t* image, ScreenBox box) {
  if (image == nullptr) return;
  const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
  cairo_save(cr);
  cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
  cairo_clip(cr);
  cairo_translate(cr, box.left, box.top);
  cairo_scale(cr, double(box.right - box.left) / w, double(box.bottom - box.top) / h);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

void Fill(cairo_t* cr, ScreenBox box, Colour colour) {
  FillBox(cr,
          Box{double(box.left), double(box.top), double(box.right - box.left),
              double(box.bottom - box.top)},
          colour);
}

int ImageHeight(cairo_surface_t* image, int fallback) {
  return image ? cairo_image_surface_get_height(image) : fallback;
}

// Text in a box with the theme's font and colour keys.
void Text(const Screen& s, const std::string& text, ScreenBox box, const std::string& font,
          const std::string& colour, Align across, Align down) {
  cairo_t* cr = s.cr;
  cairo_select_font_face(
      cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
      s.theme.FontBold(font) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, s.theme.FontSize(font, 12));
  cairo_text_extents_t text_extents;
  cairo_font_extents_t font_extents;
  cairo_text_extents(cr, text.c_str(), &text_extents);
  cairo_font_extents(cr, &font_extents);
  const double line = font_extents.ascent + font_extents.descent;
  double x = box.left, y = box.top;
  if (across == Align::kCentre) x = (box.left + box.right - text_extents.x_advance) / 2;
  if (across == Align::kEnd) x = box.right - text_extents.x_advance;
  if (down == Align::kCentre) y = (box.top + box.bottom - line) / 2;
  if (down == Align::kEnd) y = box.bottom - line;
  cairo_save(cr);
  cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
  cairo_clip(cr);
  SetSource(cr, s.theme.ColourOf(colour, Rgb(0, 0, 0)));
  cairo_move_to(cr, x, y + font_extents.ascent);
  cairo_show_text(cr, text.c_str());
  cairo_restore(cr);
}

struct Row {
  std::string first, second;
  bool separator = false, favourite = false, selected = false;
  std::string counter;
};

Row Separator(const char* letter) {
  return Row{letter, "", true, false, false, ""};
}

Row Contact(const char* first, const char* second, bool favourite = false, bool selected = false,
            const char* counter = "") {
  return Row{first, second, false, favourite, selected, counter};
}

const std::vector<Row>& SampleRows() {
  static const std::vector<Row> rows = {
      Separator("A"),
      Contact("Adams, Beth", "+44 7700 900123 (Harbour Lab)", true, false, "(1/3)"),
      Contact("Alvarez, Tomas", "+34 600 000 321", false, true),
      Contact("Anand, Priya", "+91 98000 00042 (Kestrel)"),
      Separator("B"),
      Contact("Baker, Sam", "+1 555 0100 (Tiller & Co)", false, false, "(4)"),
      Contact("Brennan, Orla", "+353 85 000 0007", true),
      Separator("C"),
      Contact("Chen, Wei", "+86 138 0000 0000"),
      Contact("Costa, Ines", "+351 912 000 000"),
  };
  return rows;
}

int DrawRows(const Screen& s, ScreenBox list) {
  const int contact_height = s.theme.Integer("contact_height", 36);
  const int separator_height = s.theme.Integer("separator_item_height", 0);
  int y = list.top;
  for (const Row& row : SampleRows()) {
    if (y >= list.bottom) break;
    if (row.separator) {
      const ScreenBox box{list.left, y, list.right, y + separator_height};
      if (separator_height > 5) {
        Fill(s.cr, box, s.theme.ColourOf("separator_bk_color", Rgb(120, 120, 140)));
        Text(s, row.first, box, "separator_font", "separator_text_color", Align::kCentre,
             Align::kCentre);
      }
      y += separator_height;
      continue;
    }
    const ScreenBox box{list.left, y, list.right, y + contact_height};
    if (row.selected) Fill(s.cr, box, s.theme.ColourOf("highlighted_item_color", Rgb(0, 0, 0)));
    Text(s, row.first, box, "contact_font_firstline", "text_color", Align::kStart, Align::kStart);
    const ScreenBox second{box.left,
                           box.top + int(s.theme.FontSize("contact_font_firstline", 12) * 1.25),
                           box.right - 1, box.bottom};
    Text(s, row.second, second, "contact_font_secondline", "second_line_text_color", Align::kStart,
         Align::kStart);
    if (!row.counter.empty()) {
      Fill(s.cr, ScreenBox{second.right - 44, second.top, second.right, second.bottom},
           row.selected ? s.theme.ColourOf("highlighted_item_color", Rgb(0, 0, 0))
                        : s.theme.ColourOf("background_color", Rgb(255, 255, 255)));
      Text(s, row.counter, second, "contact_font_secondline", "second_line_text_color", Align::kEnd,
           Align::kStart);
    }
    cairo_surface_t* star = s.theme.Image("small_favorite_image");
    if (row.favourite && star != nullptr) {
      const int w = cairo_image_surface_get_width(star), h = cairo_image_surface_get_height(star);
      Paint(s.cr, star, box.right - w - 3, box.top + (contact_height - h) / 2);
    }
    Fill(s.cr, ScreenBox{box.left, box.bottom - 1, box.right, box.bottom},
         s.theme.ColourOf("contact_separator_line_color", Rgb(100, 100, 100)));
    y += contact_height;
  }
  return y;
}

const std::string kLetters = "#ABCDEFGHIJKLMNOPQRSTUVWXYZ";

double LetterY(ScreenBox list, int index) {
  const double spacing = (list.bottom - list.top - 6) / double(kLetters.size());
  return 3 + index * spacing;
}

void DrawIndex(const Screen& s, ScreenBox list, int current, int under_pen) {
  const double spacing = (list.bottom - list.top - 6) / double(kLetters.size());
  for (size_t i = 0; i < kLetters.size(); ++i) {
    const int y = int(LetterY(list, int(i)));
    if (int(i) == current) Paint(s.cr, s.theme.Image("current_index_marker_image"), 0, y);
    Text(s, std::string(1, kLetters[i]), ScreenBox{0, y, 16, int(y + spacing)}, "index_font",
         "index_font_color", Align::kCentre, Align::kCentre);
  }
  if (under_pen < 0) return;
  cairo_surface_t* bubble = s.theme.Image("feedback_image");
  const int w = bubble ? cairo_image_surface_get_width(bubble) : 100;
  const int h = bubble ? cairo_image_surface_get_height(bubble) : 40;
  const int marker = int(LetterY(list, under_pen) + spacing / 2);
  const ScreenBox box{4, marker - h / 2, 4 + w, marker - h / 2 + h};
  Paint(s.cr, bubble, box.left, box.top);
  const int dx = s.theme.Integer("feedback_text_x_position", 65);
  const int dy = s.theme.Integer("feedback_text_y_offset", 0);
  Text(s, std::string(1, kLetters[under_pen]),
       ScreenBox{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}, "feedback_font",
       "feedback_font_color", Align::kCentre, Align::kCentre);
}

void DrawIconBar(const Screen& s, int unread) {
  const int bar = s.theme.Integer("icon_panel_height", 40);
  const int cell = s.width / 4;
  const char* keys[] = {"favorite_icon", "sms_icon", "filter_icon", "hide_icon"};
  for (int i = 0; i < 4; ++i) {
    PaintInto(s.cr, s.theme.Image(keys[i]),
              ScreenBox{i * cell, s.height - bar, (i + 1) * cell, s.height});
  }
  if (unread <= 0) return;
  const ScreenBox badge{2 * cell - 10 - 14, s.height - 10 - 14, 2 * cell - 10, s.height - 10};
  cairo_new_path(s.cr);
  cairo_arc(s.cr, badge.left + 7, badge.top + 7, 6.5, 0, 2 * M_PI);
  SetSource(s.cr, s.theme.ColourOf("sms_counter_background_color", Rgb(25, 130, 160)));
  cairo_fill_preserve(s.cr);
  SetSource(s.cr, s.theme.ColourOf("sms_counter_border_color", Rgb(12, 65, 80)));
  cairo_set_line_width(s.cr, 1);
  cairo_stroke(s.cr);
  Text(s, std::to_string(unread),
       ScreenBox{badge.left, badge.top, badge.right + 1, badge.bottom + 1}, "index_font",
       "sms_counter_text_color", Align::kCentre, Align::kCentre);
}

ScreenBox ListBox(const Screen& s) {
  return ScreenBox{16, 0, s.width, s.height - s.theme.Integer("icon_panel_height", 40)};
}

void DrawListScreen(const Screen& s, int list_bottom, int under_pen) {
  const ScreenBox list = ListBox(s);
  cairo_save(s.cr);
  cairo_rectangle(s.cr, 0, 0, s.width, list.bottom);
  cairo_clip(s.cr);
  Paint(s.cr, s.theme.Image("background_image_list"), 0, 0);
  DrawRows(s, ScreenBox{list.left, list.top, list.right, list_bottom});
  DrawIndex(s, list, 1, under_pen);
  cairo_restore(s.cr);
  DrawIconBar(s, 2);
}

void DrawPadScreen(const Screen& s) {
  const ScreenBox list = ListBox(s);
  const int pad_height = s.theme.Integer("phone_pad_height", 120);
  const ScreenBox pad{0, list.bottom - pad_height, s.width, list.bottom};
  DrawListScreen(s, pad.top, -1);
  cairo_surface_t* background = s.theme.Image("phone_pad_bg");
  PaintInto(s.cr, background, pad);
  const char* keys = "123456789*0#";
  const char* letters[] = {"",     "ABC", "DEF",  "GHI", "JKL", "MNO",
                           "PQRS", "TUV", "WXYZ", "",    "",    ""};
  const int column = s.width / 3, row = pad_height / 4;
  for (int i = 0; i < 12; ++i) {
    const ScreenBox cell{pad.left + (i % 3) * column + 3, pad.top + (i / 3) * row + 3,
                         pad.left + (i % 3 + 1) * column - 3, pad.top + (i / 3 + 1) * row - 3};
    if (i == 4 && background != nullptr) {
      cairo_save(s.cr);
      cairo_rectangle(s.cr, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
      cairo_clip(s.cr);
      cairo_set_operator(s.cr, CAIRO_OPERATOR_DIFFERENCE);
      cairo_set_source_rgb(s.cr, 1, 1, 1);
      cairo_paint(s.cr);
      cairo_restore(s.cr);
    }
    Text(s, std::string(1, keys[i]), cell, "button_font", "button_text_color", Align::kCentre,
         Align::kStart);
    Text(s, letters[i], cell, "index_font", "second_line_text_color", Align::kCentre, Align::kEnd);
  }
}

void DrawBackButton(const Screen& s) {
  cairo_surface_t* back = s.theme.Image("back_button_image");
  const ScreenBox box = s.theme.BoxOf("close_button_box", ScreenBox{-1, 0, 43, 31});
  if (back != nullptr && box.left == -1) {
    Paint(s.cr, back, 0, box.top);
  } else {
    PaintInto(s.cr, back, box);
  }
}

void DrawPhoto(const Screen& s) {
  const ScreenBox photo = s.theme.BoxOf("contact_photo_box", ScreenBox{10, 40, 81, 141});
  Fill(s.cr, ScreenBox{photo.left - 1, photo.top - 1, photo.right + 1, photo.bottom + 1},
       s.theme.ColourOf("contact_photo_favorite_border_color", Rgb(0, 0, 0)));
  PaintInto(s.cr, s.theme.Image("default_contact_image"), photo);
  if (cairo_surface_t* star = s.theme.Image("favorite_image")) {
    Paint(s.cr, star, photo.right - cairo_image_surface_get_width(star),
          photo.bottom - cairo_image_surface_get_height(star));
  }
}

void DrawAddress(const Screen& s) {
  ScreenBox text = s.theme.BoxOf("contact_description_box", ScreenBox{83, 33, 240, 141});
  const int line = int(s.theme.FontSize("contact_detail_font", 12) * 1.3);
  for (const char* part : {"12 Harbour Road", "Kingsbridge TQ7 1AB", "Devon", "United Kingdom"}) {
    Text(s, part, text, "contact_detail_font", "text_color", Align::kStart, Align::kStart);
    text.top += line;
  }
}

void DrawDetailButtons(const Screen& s) {
  const ScreenBox list = s.theme.BoxOf("contact_button_list_box", ScreenBox{5, 116, 234, 320});
  const int height = ImageHeight(s.theme.Image("large_button_image"), 42);
  const char* captions[] = {"Mobile - +44 7700 900123", "SMS - +44 7700 900123",
                            "Home - 01548 555 0101", "Mail beth@example.org"};
  cairo_save(s.cr);
  cairo_rectangle(s.cr, list.left, list.top, list.right - list.left, list.bottom - list.top);
  cairo_clip(s.cr);
  for (int i = 0; i < 4; ++i) {
    const ScreenBox box{list.left, list.top + i * height, list.right, list.top + (i + 1) * height};
    const bool pressed = i == 1;
    PaintInto(s.cr, s.theme.Image(pressed ? "large_button_image_pressed" : "large_button_image"),
              box);
    Text(s, captions[i], box, "button_font",
         pressed ? "button_text_color_pressed" : "button_text_color", Align::kCentre,
         Align::kCentre);
  }
  cairo_restore(s.cr);
}

void DrawDetailScreen(const Screen& s) {
  Paint(s.cr, s.theme.Image("background_image_detail"), 0, 0);
  DrawBackButton(s);
  Text(s, "Beth Adams", s.theme.BoxOf("contact_title_box", ScreenBox{1, 1, 239, 31}),
       "contact_font_header", "text_color", Align::kCentre, Align::kCentre);
  DrawPhoto(s);
  DrawAddress(s);
  DrawDetailButtons(s);
}

void DrawBubble(const Screen& s, ScreenBox box, const std::string& text, bool sent) {
  const std::string prefix = sent ? "sms_sent" : "sms_received";
  RoundedRectPath(
      s.cr,
      Box{box.left + 3.5, box.top + 2.5, box.right - box.left - 7.0, box.bottom - box.top - 3.0},
      4.5);
  SetSource(s.cr,
            s.theme.ColourOf(sent ? "sms_send_background_color" : "sms_received_background_color",
                             Rgb(255, 255, 255)));
  cairo_fill_preserve(s.cr);
  SetSource(s.cr, s.theme.ColourOf(prefix + "_border_color", Rgb(0, 0, 0)));
  cairo_set_line_width(s.cr, 1);
  cairo_stroke(s.cr);
  const ScreenBox inner{box.left + 6, box.top + 5, box.right - 6, box.bottom - 3};
  const Align align = sent ? Align::kEnd : Align::kStart;
  Text(s, text, inner, "sms_font", prefix + "_text_color", align, Align::kStart);
  Text(s, "06/12/2026 18:51", inner, "index_font", prefix + "_text_color", align, Align::kEnd);
}

void DrawSmsHeader(const Screen& s) {
  const ScreenBox header = s.theme.BoxOf("sms_header_box", ScreenBox{1, 1, 239, 38});
  const int distance = s.theme.Integer("sms_header_list_distance", 6);
  Text(s, "Beth Adams", header, "contact_font_header", "text_color", Align::kCentre, Align::kStart);
  const ScreenBox lower{header.left, header.top, header.right, header.bottom - distance};
  Text(s, "Mobile - +44 7700 900123", lower, "contact_font_secondline", "text_color",
       Align::kCentre, Align::kEnd);
  Text(s, "(160/160)", lower, "index_font", "text_color", Align::kEnd, Align::kEnd);
  const ScreenBox gauge = s.theme.BoxOf("sms_signal_strength_box", ScreenBox{209, 2, 236, 12});
  if (cairo_surface_t* signal = s.theme.Image("sms_signal_image")) {
    cairo_save(s.cr);
    cairo_rectangle(s.cr, gauge.left, gauge.top, cairo_image_surface_get_width(signal) * 0.7,
                    cairo_image_surface_get_height(signal));
    cairo_clip(s.cr);
    Paint(s.cr, signal, gauge.left, gauge.top);
    cairo_restore(s.cr);
  }
}

void DrawConversation(const Screen& s) {
  const int box_height = s.theme.Integer("sms_textbox_height", 38);
  const int list_bottom =
      s.height - box_height - s.theme.Integer("sms_textbox_separator_height", 4);
  const int bubble =
      int(s.theme.FontSize("sms_font", 12) * 1.3 + s.theme.FontSize("index_font", 10) * 1.3 + 6);
  DrawBubble(s, ScreenBox{0, list_bottom - 3 * bubble, s.width, list_bottom - 2 * bubble},
             "Are we still on for tonight?", false);
  DrawBubble(s, ScreenBox{0, list_bottom - 2 * bubble, s.width, list_bottom - bubble},
             "Yes! See you at seven.", true);
  DrawBubble(s, ScreenBox{0, list_bottom - bubble, s.width, list_bottom},
             "Great, I'll book a table.", false);
  const ScreenBox send{s.width - 40, s.height - box_height, s.width, s.height};
  Text(s, "Bring the map", ScreenBox{4, send.top + 4, send.left - 4, send.bottom}, "text_box_font",
       "text_color", Align::kStart, Align::kStart);
  PaintInto(s.cr, s.theme.Image("small_button_image"), send);
  Text(s, "Send", send, "button_font", "button_text_color", Align::kCentre, Align::kCentre);
}

void DrawSmsScreen(const Screen& s) {
  Paint(s.cr, s.theme.Image("sms_background_image"), 0, 0);
  DrawSmsHeader(s);
  DrawBackButton(s);
  DrawConversation(s);
}

// The symbol pad opened over the darkened list, its rightmost symbol under the pen.
void DrawSymbolPad(const Screen& s) {
  cairo_set_source_rgba(s.cr, 0, 0, 0, 100 / 255.0);
  cairo_paint(s.cr);
  const int bar = s.theme.Integer("icon_panel_height", 40);
  const int cell = s.width / 4;
  const char* keys[] = {"old_contact_icon", "option_icon", "close_icon", "minimize_icon_pressed"};
  for (int i = 0; i < 4; ++i) {
    PaintInto(s.cr, s.theme.Image(keys[i]),
              ScreenBox{i * cell, s.height - 2 * bar, (i + 1) * cell, s.height - bar});
  }
}

void DrawOptionsMenu(const Screen& s) {
  const int width = s.theme.Integer("small_button_width", 150);
  const int height = ImageHeight(s.theme.Image("small_button_image"), 30);
  const int margin = s.theme.Integer("button_panel_border_margin", 4);
  const char* entries[] = {"Choose theme", "Toggle Fullscreen", "About"};
  const int left = (s.width - width) / 2 - margin;
  PaintInto(s.cr, s.theme.Image("button_panel_image_background"),
            ScreenBox{left, 0, left + width + 2 * margin, 3 * height + 2 * margin});
  for (int i = 0; i < 3; ++i) {
    const ScreenBox box{left + margin, margin + i * height, left + margin + width,
                        margin + (i + 1) * height};
    const bool pressed = i == 0;
    PaintInto(s.cr, s.theme.Image(pressed ? "small_button_image_pressed" : "small_button_image"),
              box);
    Text(s, entries[i], box, "button_font",
         pressed ? "button_text_color_pressed" : "button_text_color", Align::kCentre,
         Align::kCentre);
  }
}

void DrawMenuScreen(const Screen& s) {
  DrawListScreen(s, ListBox(s).bottom, -1);
  DrawSymbolPad(s);
  DrawOptionsMenu(s);
}

using ScreenDrawing = std::function<void(const Screen&)>;

const ScreenDrawing kDrawings[kScreens] = {
    [](const Screen& s) { DrawListScreen(s, ListBox(s).bottom, 13); },
    DrawPadScreen,
    DrawDetailScreen,
    DrawSmsScreen,
    DrawMenuScreen,
};

}  // namespace

bool WritePreview(const std::string& themes_dir, const std::vector<std::string>& themes,
                  const std::string& path) {
  const int row_height = 320 + kGap;
  Canvas canvas(kGap + kScreens * (320 + kGap), kGap + int(themes.size()) * 2 * row_height);
  cairo_t* cr = canvas.Context();
  FillBox(cr, Box{0, 0, double(canvas.Width()), double(canvas.Height())}, Rgb(128, 128, 128));
  int y = kGap;
  for (const std::string& name : themes) {
    for (const char* prefix : {"portrait_", "landscape_"}) {
      const ThemeFolder theme(themes_dir + "/" + name, prefix);
      const bool portrait = prefix[0] == 'p';
      const int width = portrait ? 240 : 320, height = portrait ? 320 : 240;
      for (int i = 0; i < kScreens; ++i) {
        cairo_save(cr);
        cairo_translate(cr, kGap + i * (320 + kGap), y);
        cairo_rectangle(cr, 0, 0, width, height);
        cairo_clip(cr);
        FillBox(cr, Box{0, 0, double(width), double(height)},
                theme.ColourOf("background_color", Rgb(255, 255, 255)));
        kDrawings[i](Screen{cr, theme, width, height});
        cairo_restore(cr);
      }
      y += row_height;
    }
  }
  return WriteFileBytes(path, EncodePng(canvas));
}

}  // namespace themeart
