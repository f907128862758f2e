#include "platform/gfx/TextEngine.h"

#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

namespace platform::gfx {

TextEngine& TextEngine::Instance() {
  // Deliberately never destroyed: fonts and layouts may be released by static destructors of
  // other objects after this one would have gone.
  static TextEngine* engine = new TextEngine();
  return *engine;
}

TextEngine::TextEngine() {
  font_map_ = pango_cairo_font_map_new();
  context_ = pango_font_map_create_context(font_map_);
  // Greyscale antialiasing with whole-pixel metrics: sharp, stable text that measures the
  // same on every machine with the same fonts.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context_, 96.0);
}

void TextEngine::ReloadFonts() {
  if (PANGO_IS_FC_FONT_MAP(font_map_)) {
    pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(font_map_));
  }
  pango_context_changed(context_);
  ++generation_;
}

}  // namespace platform::gfx

// Sanitizer settings for the font libraries, which are not built with sanitizers.
//
// Leaks: pango 1.50 and fontconfig keep matched font patterns in caches that they never
// release and that a leak checker cannot trace back to a root. The blocks belong to the
// libraries and are bounded by the number of fonts used; without this every leak-checked run
// that draws text would fail.
//
// Races: pango initialises fontconfig on a thread of its own and waits for it with glib's
// futex-based locks, which a race detector cannot see, so fontconfig's internal accesses look
// unsynchronised. Our own uses of pango are serialised by TextEngine's mutex.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QB_LEAK_CHECKED 1
#endif
#if __has_feature(thread_sanitizer)
#define QB_RACE_CHECKED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QB_LEAK_CHECKED 1
#endif
#if defined(__SANITIZE_THREAD__)
#define QB_RACE_CHECKED 1
#endif

#ifdef QB_LEAK_CHECKED
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\nleak:libpangoft2-1.0.so\n";
}
#endif

#ifdef QB_RACE_CHECKED
extern "C" const char* __tsan_default_suppressions() {
  return "race:libfontconfig.so\nrace:libpangoft2-1.0.so\nrace:libpango-1.0.so\n"
         "race:libglib-2.0.so\n"
         // cairo recycles freed objects through lock-free pools built without TSan's
         // instrumentation, so a block freed on one thread and reused on another looks racy.
         "race:libcairo.so\n";
}
#endif
