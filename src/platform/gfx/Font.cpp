// Fonts: an immutable description turned into a pango font description with an absolute
// pixel size, and the line height measured once from the matched font's metrics.
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "platform/Surface.h"
#include "platform/Text.h"
#include "platform/gfx/FontImpl.h"
#include "platform/gfx/TextEngine.h"

namespace platform {

namespace {

// Theme values are outside input: keep sizes and weights in ranges pango handles well.
constexpr int kMinPixelHeight = 1;
constexpr int kMaxPixelHeight = 512;

FontDescription Sanitized(const FontDescription& in) {
  FontDescription out = in;
  out.pixel_height = std::clamp(in.pixel_height, kMinPixelHeight, kMaxPixelHeight);
  out.weight = std::clamp(in.weight, 100, 1000);
  if (out.face.size() > 256) out.face.resize(256);
  return out;
}

gfx::PangoFontDescriptionPtr MakePangoDescription(const FontDescription& d) {
  gfx::PangoFontDescriptionPtr pd(pango_font_description_new());
  std::string family = ToUtf8(d.face);
  if (family.empty() || family.find(',') != std::string::npos) family = "Tahoma";
  pango_font_description_set_family(pd.get(), family.c_str());
  pango_font_description_set_absolute_size(pd.get(), d.pixel_height * double(PANGO_SCALE));
  pango_font_description_set_weight(pd.get(), static_cast<PangoWeight>(d.weight));
  pango_font_description_set_style(pd.get(), d.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return pd;
}

int MeasureLineHeight(const PangoFontDescription* pd) {
  auto& engine = gfx::TextEngine::Instance();
  auto lock = engine.Lock();
  gfx::PangoFontMetricsPtr metrics(pango_context_get_metrics(engine.Context(), pd, nullptr));
  if (!metrics) return 1;
  int units =
      pango_font_metrics_get_ascent(metrics.get()) + pango_font_metrics_get_descent(metrics.get());
  return std::max(1, static_cast<int>(std::ceil(units / double(PANGO_SCALE))));
}

}  // namespace

Font::Impl::Impl(const FontDescription& d)
    : description(Sanitized(d)), pango(MakePangoDescription(description)) {
  line_height = MeasureLineHeight(pango.get());
}

Font::Font() : Font(FontDescription{}) {}

Font::Font(const FontDescription& description) : impl_(std::make_shared<const Impl>(description)) {}

const FontDescription& Font::Description() const {
  return impl_->description;
}

int Font::LineHeight() const {
  return impl_->line_height;
}

}  // namespace platform
