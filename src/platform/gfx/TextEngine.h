// The one pango engine of the process: a private cairo font map and a context made from it,
// guarded by one mutex. Pango's font maps and contexts are not safe to use from several
// threads at once, so every use of either (shaping, metrics, drawing a layout, font
// registration) happens while holding Lock(). Fonts are plain descriptions and may be made on
// any thread; their metrics are measured under the same lock.
#pragma once

#include <pango/pango.h>

#include <mutex>

namespace platform::gfx {

class TextEngine {
 public:
  // The process-wide engine, created on first use and kept until the process ends.
  static TextEngine& Instance();

  std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }

  // Both require the lock to be held.
  PangoContext* Context() { return context_; }
  PangoFontMap* FontMap() { return font_map_; }
  // Makes the font map see fonts added to the current fontconfig configuration.
  void ReloadFonts();
  // Counts ReloadFonts calls; layouts made under an older generation are stale.
  unsigned Generation() const { return generation_; }

 private:
  TextEngine();
  std::mutex mutex_;
  PangoFontMap* font_map_ = nullptr;  // owned for the whole process
  PangoContext* context_ = nullptr;   // owned for the whole process
  unsigned generation_ = 0;
};

}  // namespace platform::gfx
