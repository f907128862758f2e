// A bounded least-recently-used cache of shaped pango layouts, keyed by everything that
// changes the shaping: the text, the font, the wrap width and height, and the layout flags.
// Used only while holding the text engine's lock; emptied when fonts are reloaded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <unordered_map>

#include "platform/Surface.h"
#include "platform/gfx/GfxHandles.h"

namespace platform::gfx {

struct LayoutKey {
  std::u16string text;
  FontDescription font;
  int width = -1;   // wrap or ellipsis width in pixels, -1 for none
  int height = -1;  // height limit in pixels (wrapped text with ellipsis), -1 for none
  uint32_t flags = 0;
  friend bool operator==(const LayoutKey&, const LayoutKey&) = default;
};

struct LayoutKeyHash {
  size_t operator()(const LayoutKey& key) const;
};

class TextLayoutCache {
 public:
  explicit TextLayoutCache(size_t capacity) : capacity_(capacity) {}

  // The cached layout for `key`, or the one `make` creates (then cached). The pointer stays
  // valid until the next call.
  PangoLayout* Get(const LayoutKey& key, const std::function<PangoLayoutPtr()>& make);
  void Clear();
  size_t Size() const { return entries_.size(); }

 private:
  using Entry = std::pair<LayoutKey, PangoLayoutPtr>;
  size_t capacity_;
  std::list<Entry> entries_;  // most recently used first
  std::unordered_map<LayoutKey, std::list<Entry>::iterator, LayoutKeyHash> index_;
};

}  // namespace platform::gfx
