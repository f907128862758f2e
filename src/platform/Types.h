// Basic value types shared by the platform and the system: rectangles, points, colours, and
// the small rectangle helpers of the old window manager. Coordinates are main-window client
// pixels, signed 32-bit; colours are 0x00BBGGRR with red in the low byte.
#pragma once

#include <algorithm>
#include <cstdint>

struct RECT {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const RECT&, const RECT&) = default;
};

struct POINT {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
  int32_t cx = 0;
  int32_t cy = 0;
  friend bool operator==(const SIZE&, const SIZE&) = default;
};

using COLORREF = uint32_t;

// The invalid colour: an element whose colour holds it is not drawn.
inline constexpr COLORREF kInvalidColor = 0xFFFFFFFFu;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return static_cast<uint8_t>(c & 0xFF); }
constexpr uint8_t GetGValue(COLORREF c) { return static_cast<uint8_t>((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(COLORREF c) { return static_cast<uint8_t>((c >> 16) & 0xFF); }

constexpr int32_t RectWidth(const RECT& r) { return r.right - r.left; }
constexpr int32_t RectHeight(const RECT& r) { return r.bottom - r.top; }

// True when the rectangle has no area (right <= left or bottom <= top).
constexpr bool IsRectEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

constexpr bool PtInRect(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Smallest rectangle holding both; an empty operand is ignored (old UnionRect rule).
constexpr RECT UnionRect(const RECT& a, const RECT& b) {
  if (IsRectEmpty(a)) return IsRectEmpty(b) ? RECT{} : b;
  if (IsRectEmpty(b)) return a;
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

// Intersection, or the all-zero rectangle when they do not overlap.
constexpr RECT IntersectRect(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  return IsRectEmpty(r) ? RECT{} : r;
}

constexpr RECT OffsetRect(const RECT& r, int32_t dx, int32_t dy) {
  return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

constexpr RECT InflateRect(const RECT& r, int32_t dx, int32_t dy) {
  return RECT{r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}
