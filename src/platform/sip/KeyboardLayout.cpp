#include "platform/sip/KeyboardLayout.h"

#include <algorithm>

namespace platform::sip {

namespace {

constexpr int kGap = 2;

bool IsSpecial(KeyRole role) {
  return role != KeyRole::kText && role != KeyRole::kMultiTap;
}

}  // namespace

std::vector<SoftKey> LayRows(const KeyRows& rows, int width, int height) {
  std::vector<SoftKey> keys;
  if (rows.empty()) return keys;
  int widest = 1;
  for (const auto& row : rows) {
    int units = 0;
    for (const KeySpec& spec : row) units += spec.half_keys;
    widest = std::max(widest, units);
  }
  const int row_count = static_cast<int>(rows.size());
  const int inner_width = std::max(1, width - 2 * kGap);
  const int inner_height = std::max(1, height - 2 * kGap);
  for (int r = 0; r < row_count; ++r) {
    const auto& row = rows[static_cast<size_t>(r)];
    int units = 0;
    for (const KeySpec& spec : row) units += spec.half_keys;
    int at = (widest - units) / 2;
    const int top = kGap + inner_height * r / row_count;
    const int bottom = kGap + inner_height * (r + 1) / row_count;
    for (const KeySpec& spec : row) {
      const int left = kGap + inner_width * at / widest;
      const int right = kGap + inner_width * (at + spec.half_keys) / widest;
      at += spec.half_keys;
      SoftKey key;
      key.rect = RECT{left + kGap / 2, top + kGap / 2, right - kGap / 2, bottom - kGap / 2};
      key.label = spec.label;
      key.hint = spec.hint;
      key.role = spec.role;
      key.text = spec.text;
      key.target = spec.target;
      key.special = IsSpecial(spec.role);
      keys.push_back(std::move(key));
    }
  }
  return keys;
}

}  // namespace platform::sip
