#include "platform/gfx/TextDrawing.h"

#include <pango/pangocairo.h>

#include <algorithm>

#include "platform/Messages.h"
#include "platform/Text.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/FontImpl.h"
#include "platform/gfx/TextEngine.h"
#include "platform/gfx/TextLayoutCache.h"

namespace platform::gfx {

namespace {

// Texts longer than this (far beyond any SMS or contact field) are cut before shaping.
constexpr size_t kMaxTextUnits = 1 << 16;
constexpr size_t kLayoutCacheEntries = 1024;
constexpr uint32_t kLayoutFlags =
    DT_CENTER | DT_RIGHT | DT_WORDBREAK | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;

// The text as pango gets it: prefixes resolved, and the byte range to underline (if any).
struct PreparedText {
  std::string utf8;
  int underline_start = -1;
  int underline_end = -1;
};

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

// Without DT_NOPREFIX, "&x" underlines x and "&&" is a literal '&'; a trailing '&' is
// dropped. With DT_SINGLELINE, line breaks are shown as spaces.
PreparedText Prepare(std::u16string_view text, uint32_t flags) {
  std::u16string out;
  out.reserve(text.size());
  size_t underline = std::u16string::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == u'&' && !(flags & DT_NOPREFIX)) {
      if (i + 1 >= text.size()) break;
      if (text[i + 1] == u'&') {
        ++i;
      } else {
        underline = out.size();
        continue;
      }
    }
    if ((flags & DT_SINGLELINE) && (c == u'\r' || c == u'\n')) c = u' ';
    out.push_back(c);
  }
  PreparedText prepared{ToUtf8(out)};
  if (underline < out.size()) {
    size_t units = IsHighSurrogate(out[underline]) && underline + 1 < out.size() ? 2 : 1;
    prepared.underline_start = int(ToUtf8(std::u16string_view(out).substr(0, underline)).size());
    prepared.underline_end = prepared.underline_start +
                             int(ToUtf8(std::u16string_view(out).substr(underline, units)).size());
  }
  return prepared;
}

PangoAlignment Alignment(uint32_t flags) {
  if (flags & DT_CENTER) return PANGO_ALIGN_CENTER;
  if (flags & DT_RIGHT) return PANGO_ALIGN_RIGHT;
  return PANGO_ALIGN_LEFT;
}

PangoLayoutPtr MakeLayout(PangoContext* context, const LayoutKey& key, const Font& font) {
  PreparedText prepared = Prepare(key.text, key.flags);
  PangoLayoutPtr layout(pango_layout_new(context));
  pango_layout_set_auto_dir(layout.get(), FALSE);
  pango_layout_set_text(layout.get(), prepared.utf8.data(), int(prepared.utf8.size()));
  pango_layout_set_font_description(layout.get(), font.impl().pango.get());
  pango_layout_set_alignment(layout.get(), Alignment(key.flags));
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
  if (key.width >= 0) pango_layout_set_width(layout.get(), key.width * PANGO_SCALE);
  if (key.flags & DT_END_ELLIPSIS) {
    pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
    pango_layout_set_height(layout.get(), key.height >= 0 ? key.height * PANGO_SCALE : -1);
  }
  if (prepared.underline_start >= 0) {
    PangoAttrListPtr attrs(pango_attr_list_new());
    PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
    underline->start_index = unsigned(prepared.underline_start);
    underline->end_index = unsigned(prepared.underline_end);
    pango_attr_list_insert(attrs.get(), underline);
    pango_layout_set_attributes(layout.get(), attrs.get());
  }
  return layout;
}

// The cached layout for the key; the engine lock must be held.
PangoLayout* CachedLayout(TextEngine& engine, const LayoutKey& key, const Font& font) {
  static auto* cache = new TextLayoutCache(kLayoutCacheEntries);  // kept for the process
  static unsigned generation = 0;
  if (generation != engine.Generation()) {
    cache->Clear();
    generation = engine.Generation();
  }
  return cache->Get(key, [&] { return MakeLayout(engine.Context(), key, font); });
}

LayoutKey KeyFor(std::u16string_view text, const RECT& rect, uint32_t flags, const Font& font) {
  bool wrap = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
  bool ellipsis = flags & DT_END_ELLIPSIS;
  LayoutKey key{std::u16string(text.substr(0, kMaxTextUnits)), font.Description()};
  key.flags = flags & kLayoutFlags;
  if (wrap || ellipsis) key.width = std::max(0, RectWidth(rect));
  if (wrap && ellipsis && !(flags & DT_CALCRECT)) key.height = std::max(0, RectHeight(rect));
  return key;
}

// Width of the widest line in pixels.
int WidestLine(PangoLayout* layout) {
  int widest = 0;
  PangoLayoutIter* iter = pango_layout_get_iter(layout);
  do {
    PangoRectangle logical;
    pango_layout_iter_get_line_extents(iter, nullptr, &logical);
    widest = std::max(widest, PANGO_PIXELS_CEIL(logical.width));
  } while (pango_layout_iter_next_line(iter));
  pango_layout_iter_free(iter);
  return widest;
}

int EmptyText(RECT& rect, uint32_t flags, const Font& font) {
  int height = (flags & DT_SINGLELINE) ? font.LineHeight() : 0;
  if (flags & DT_CALCRECT) {
    rect.right = rect.left;
    rect.bottom = rect.top + height;
  }
  return height;
}

// Top-left corner where the layout is drawn so that it sits in rect as the flags ask.
void Place(PangoLayout* layout, const RECT& rect, uint32_t flags, int text_height, bool has_width,
           double& x, double& y) {
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  x = rect.left;
  if (!has_width) {
    int spare = RectWidth(rect) - logical.width;
    if (flags & DT_CENTER)
      x += spare / 2;
    else if (flags & DT_RIGHT)
      x += spare;
    x -= logical.x;
  }
  y = rect.top;
  if (flags & DT_VCENTER)
    y += (RectHeight(rect) - text_height) / 2;
  else if (flags & DT_BOTTOM)
    y += RectHeight(rect) - text_height;
}

void Show(cairo_t* cr, PangoLayout* layout, const RECT& rect, uint32_t flags, double x, double y,
          COLORREF color) {
  cairo_save(cr);
  if (!(flags & DT_NOCLIP)) {
    cairo_rectangle(cr, rect.left, rect.top, RectWidth(rect), RectHeight(rect));
    cairo_clip(cr);
  }
  SetSourceColor(cr, color);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

}  // namespace

int DrawTextOnContext(cairo_t* cr, std::u16string_view text, RECT& rect, uint32_t flags,
                      const Font& font, COLORREF color) {
  if (text.empty()) return EmptyText(rect, flags, font);
  LayoutKey key = KeyFor(text, rect, flags, font);
  auto& engine = TextEngine::Instance();
  auto lock = engine.Lock();
  PangoLayout* layout = CachedLayout(engine, key, font);
  if (layout == nullptr) return 0;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  int text_height = logical.height;
  if (flags & DT_CALCRECT) {
    rect.right = rect.left + WidestLine(layout);
    rect.bottom = rect.top + text_height;
    return text_height;
  }
  if (color == kInvalidColor) return text_height;
  double x = 0, y = 0;
  Place(layout, rect, flags, text_height, key.width >= 0, x, y);
  Show(cr, layout, rect, flags, x, y, color);
  return text_height;
}

SIZE MeasureTextLine(std::u16string_view text, const Font& font) {
  if (text.empty()) return SIZE{0, font.LineHeight()};
  LayoutKey key{std::u16string(text.substr(0, kMaxTextUnits)), font.Description()};
  key.flags = DT_SINGLELINE | DT_NOPREFIX;
  auto& engine = TextEngine::Instance();
  auto lock = engine.Lock();
  PangoLayout* layout = CachedLayout(engine, key, font);
  if (layout == nullptr) return SIZE{};
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout, nullptr, &logical);
  return SIZE{logical.width, logical.height};
}

}  // namespace platform::gfx

namespace platform {

namespace {

// UTF-8 of the text and the byte offset of every UTF-16 unit (and of the end).
void EncodeWithOffsets(std::u16string_view text, std::string& utf8, std::vector<int>& offsets) {
  offsets.assign(text.size() + 1, 0);
  for (size_t i = 0; i < text.size(); ++i) {
    offsets[i] = static_cast<int>(utf8.size());
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    const std::string encoded = ToUtf8(text.substr(i, pair ? 2 : 1));
    if (pair) offsets[i + 1] = static_cast<int>(utf8.size());
    utf8 += encoded;
    if (pair) ++i;
  }
  offsets[text.size()] = static_cast<int>(utf8.size());
}

struct Cluster {
  int index = 0;  // first byte
  int x = 0;      // pango units
  int width = 0;
};

std::vector<Cluster> ShapeClusters(const std::string& utf8, const Font& font, int& total_width) {
  std::vector<Cluster> clusters;
  auto& engine = gfx::TextEngine::Instance();
  auto lock = engine.Lock();
  gfx::PangoLayoutPtr layout(pango_layout_new(engine.Context()));
  pango_layout_set_single_paragraph_mode(layout.get(), TRUE);
  pango_layout_set_auto_dir(layout.get(), FALSE);
  pango_layout_set_font_description(layout.get(), font.impl().pango.get());
  pango_layout_set_text(layout.get(), utf8.data(), static_cast<int>(utf8.size()));
  PangoLayoutIter* iter = pango_layout_get_iter(layout.get());
  do {
    if (pango_layout_iter_get_run_readonly(iter) == nullptr) continue;  // the line's end
    PangoRectangle logical;
    pango_layout_iter_get_cluster_extents(iter, nullptr, &logical);
    clusters.push_back(Cluster{pango_layout_iter_get_index(iter), logical.x, logical.width});
  } while (pango_layout_iter_next_cluster(iter));
  pango_layout_iter_free(iter);
  PangoRectangle logical;
  pango_layout_get_extents(layout.get(), nullptr, &logical);
  total_width = logical.width;
  return clusters;
}

}  // namespace

std::vector<int> MeasureCaretStops(std::u16string_view text, const Font& font) {
  constexpr size_t kMaxUnits = 1 << 16;
  std::vector<int> stops(text.size() + 1, 0);
  const std::u16string_view measured = text.substr(0, kMaxUnits);
  if (measured.empty()) return stops;
  std::string utf8;
  std::vector<int> offsets;
  EncodeWithOffsets(measured, utf8, offsets);
  int total = 0;
  std::vector<Cluster> clusters = ShapeClusters(utf8, font, total);
  std::sort(clusters.begin(), clusters.end(),
            [](const Cluster& a, const Cluster& b) { return a.index < b.index; });
  size_t c = 0;
  for (size_t i = 0; i < measured.size(); ++i) {
    while (c + 1 < clusters.size() && clusters[c + 1].index <= offsets[i]) ++c;
    if (clusters.empty()) break;
    const Cluster& cluster = clusters[c];
    const int end = c + 1 < clusters.size() ? clusters[c + 1].index : static_cast<int>(utf8.size());
    const int span = std::max(1, end - cluster.index);
    const int into = std::clamp(offsets[i] - cluster.index, 0, span);
    const int64_t x = cluster.x + int64_t{cluster.width} * into / span;
    stops[i] = PANGO_PIXELS(static_cast<int>(x));
  }
  for (size_t i = measured.size(); i < stops.size(); ++i) stops[i] = PANGO_PIXELS(total);
  for (size_t i = 1; i < stops.size(); ++i) stops[i] = std::max(stops[i], stops[i - 1]);
  return stops;
}

}  // namespace platform
