// Owning handles for the cairo, pango and glib objects the drawing code holds. Each is a
// std::unique_ptr with the library's release function as deleter, so every early return
// releases what was made.
#pragma once

#include <cairo.h>
#include <glib-object.h>
#include <pango/pango.h>

#include <memory>

namespace platform::gfx {

struct CairoSurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct CairoContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct CairoPatternDeleter {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
struct GObjectDeleter {
  void operator()(gpointer o) const { g_object_unref(o); }
};
struct PangoFontDescriptionDeleter {
  void operator()(PangoFontDescription* d) const { pango_font_description_free(d); }
};
struct PangoAttrListDeleter {
  void operator()(PangoAttrList* a) const { pango_attr_list_unref(a); }
};
struct PangoFontMetricsDeleter {
  void operator()(PangoFontMetrics* m) const { pango_font_metrics_unref(m); }
};

using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;
using CairoContextPtr = std::unique_ptr<cairo_t, CairoContextDeleter>;
using CairoPatternPtr = std::unique_ptr<cairo_pattern_t, CairoPatternDeleter>;
using PangoLayoutPtr = std::unique_ptr<PangoLayout, GObjectDeleter>;
using PangoContextPtr = std::unique_ptr<PangoContext, GObjectDeleter>;
using PangoFontMapPtr = std::unique_ptr<PangoFontMap, GObjectDeleter>;
using PangoFontDescriptionPtr = std::unique_ptr<PangoFontDescription, PangoFontDescriptionDeleter>;
using PangoAttrListPtr = std::unique_ptr<PangoAttrList, PangoAttrListDeleter>;
using PangoFontMetricsPtr = std::unique_ptr<PangoFontMetrics, PangoFontMetricsDeleter>;

}  // namespace platform::gfx
