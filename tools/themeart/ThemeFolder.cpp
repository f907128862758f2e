#include "ThemeFolder.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "PngWriter.h"

namespace themeart {

namespace {

std::string Trim(const std::string& text) {
  const char* spaces = " \t\r\n";
  const size_t first = text.find_first_not_of(spaces);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(spaces) - first + 1);
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t end = text.find(separator, start);
    const std::string piece =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!piece.empty()) pieces.push_back(piece);
    if (end == std::string::npos) break;
    start = end + separator.size();
  }
  return pieces;
}

int LeadingInteger(const std::string& text) {
  return std::atoi(text.c_str());
}

}  // namespace

ThemeFolder::ThemeFolder(std::string folder, const std::string& prefix)
    : folder_(std::move(folder)) {
  const std::vector<uint8_t> bytes = ReadFileBytes(folder_ + "/settings.ini");
  const std::string text(bytes.begin(), bytes.end());
  for (const std::string& raw : SplitAt(text, "\r\n")) {
    const std::string line = Trim(raw);
    const size_t equals = line.find('=');
    if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
    std::string key = line.substr(0, equals);
    if (key.rfind(prefix, 0) == 0) {
      key = key.substr(prefix.size());
    } else if (key.rfind("portrait_", 0) == 0 || key.rfind("landscape_", 0) == 0) {
      continue;
    }
    values_[key] = line.substr(equals + 1);
  }
}

std::optional<std::string> ThemeFolder::Value(const std::string& key) const {
  const auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

Colour ThemeFolder::ColourOf(const std::string& key, Colour fallback) const {
  const auto value = Value(key);
  if (!value) return fallback;
  const std::vector<std::string> parts = SplitAt(*value, ",");
  if (parts.size() < 3) return fallback;
  return Rgb(LeadingInteger(parts[0]) & 0xFF, LeadingInteger(parts[1]) & 0xFF,
             LeadingInteger(parts[2]) & 0xFF);
}

int ThemeFolder::Integer(const std::string& key, int fallback) const {
  const auto value = Value(key);
  return value ? LeadingInteger(*value) : fallback;
}

ScreenBox ThemeFolder::BoxOf(const std::string& key, ScreenBox fallback) const {
  const auto value = Value(key);
  if (!value) return fallback;
  const std::vector<std::string> parts = SplitAt(*value, ",");
  if (parts.size() < 4) return fallback;
  return ScreenBox{LeadingInteger(parts[0]), LeadingInteger(parts[1]), LeadingInteger(parts[2]),
                   LeadingInteger(parts[3])};
}

double ThemeFolder::FontSize(const std::string& key, double fallback) const {
  const auto value = Value(key);
  return value ? LeadingInteger(*value) : fallback;
}

bool ThemeFolder::FontBold(const std::string& key) const {
  const auto value = Value(key);
  if (!value) return false;
  const std::vector<std::string> parts = SplitAt(*value, ",");
  return parts.size() > 1 && parts[1] == "bold";
}

cairo_surface_t* ThemeFolder::Image(const std::string& key) const {
  const auto value = Value(key);
  if (!value) return nullptr;
  auto& slot = images_[*value];
  if (!slot) {
    slot.reset(cairo_image_surface_create_from_png((folder_ + "/" + *value).c_str()));
  }
  if (cairo_surface_status(slot.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return slot.get();
}

}  // namespace themeart
