#include "platform/gfx/TextLayoutCache.h"

namespace platform::gfx {

namespace {

void Mix(size_t& seed, size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

}  // namespace

size_t LayoutKeyHash::operator()(const LayoutKey& key) const {
  size_t seed = std::hash<std::u16string>()(key.text);
  Mix(seed, std::hash<std::u16string>()(key.font.face));
  Mix(seed, size_t(key.font.pixel_height) * 31 + size_t(key.font.weight) * 7 + key.font.italic);
  Mix(seed, size_t(uint32_t(key.width)) << 32 | uint32_t(key.height));
  Mix(seed, key.flags);
  return seed;
}

PangoLayout* TextLayoutCache::Get(const LayoutKey& key,
                                  const std::function<PangoLayoutPtr()>& make) {
  auto found = index_.find(key);
  if (found != index_.end()) {
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->second.get();
  }
  PangoLayoutPtr layout = make();
  if (!layout) return nullptr;
  entries_.emplace_front(key, std::move(layout));
  index_.emplace(key, entries_.begin());
  if (entries_.size() > capacity_) {
    index_.erase(entries_.back().first);
    entries_.pop_back();
  }
  return entries_.front().second.get();
}

void TextLayoutCache::Clear() {
  index_.clear();
  entries_.clear();
}

}  // namespace platform::gfx
