// Surfaces: cairo image surfaces with the drawing operations the screens use. Fills, scaled
// blends and shapes go through cairo; raster-op blits and scrolling work on the pixels
// directly (exact bit operations), walking the same clip region that cairo is given.
#include "platform/Surface.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Painting.h"
#include "platform/gfx/RasterOps.h"
#include "platform/gfx/Shapes.h"
#include "platform/gfx/SurfaceImpl.h"
#include "platform/gfx/TextDrawing.h"

namespace platform {

namespace {

// Coordinates beyond this are faults upstream; clamping keeps the arithmetic in range.
constexpr int kCoordinateLimit = 1 << 24;

int ClampCoordinate(int v) {
  return std::clamp(v, -kCoordinateLimit, kCoordinateLimit);
}

RECT ClampRect(const RECT& r) {
  return RECT{ClampCoordinate(r.left), ClampCoordinate(r.top), ClampCoordinate(r.right),
              ClampCoordinate(r.bottom)};
}

// Copies a block of pixels out of a surface, so that a surface can be its own source.
std::vector<uint32_t> CopyBlock(const uint32_t* pixels, int stride, const RECT& r) {
  std::vector<uint32_t> block(size_t(RectWidth(r)) * size_t(RectHeight(r)));
  for (int y = r.top; y < r.bottom; ++y) {
    std::memcpy(&block[size_t(y - r.top) * RectWidth(r)], pixels + size_t(y) * stride + r.left,
                sizeof(uint32_t) * RectWidth(r));
  }
  return block;
}

}  // namespace

Surface::Surface(int width, int height) : impl_(std::make_unique<Impl>(width, height)) {}
Surface::~Surface() = default;
Surface::Surface(Surface&&) noexcept = default;
Surface& Surface::operator=(Surface&&) noexcept = default;

int Surface::Width() const {
  return impl_->width;
}
int Surface::Height() const {
  return impl_->height;
}
uint32_t* Surface::Pixels() {
  return impl_->PixelsForWriting();
}
const uint32_t* Surface::Pixels() const {
  return impl_->PixelsForReading();
}
int Surface::StridePixels() const {
  return impl_->stride_pixels;
}
void Surface::MarkDirty() {
  cairo_surface_mark_dirty(impl_->surface.get());
}
bool Surface::HasAlpha() const {
  return impl_->has_alpha;
}
void Surface::SetHasAlpha(bool has_alpha) {
  impl_->has_alpha = has_alpha;
}

COLORREF Surface::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return kInvalidColor;
  return gfx::ColorFromPixel(Pixels()[size_t(y) * StridePixels() + x]);
}

void Surface::FillRect(const RECT& rect, COLORREF color) {
  RECT r = IntersectRect(ClampRect(rect), Bounds());
  if (color == kInvalidColor || IsRectEmpty(r)) return;
  cairo_t* cr = impl_->cr.get();
  gfx::SetSourceColor(cr, color);
  cairo_rectangle(cr, r.left, r.top, RectWidth(r), RectHeight(r));
  cairo_fill(cr);
}

void Surface::GradientFill(const RECT& rect, COLORREF from, COLORREF to, Gradient direction) {
  RECT r = ClampRect(rect);
  if (from == kInvalidColor || to == kInvalidColor || IsRectEmpty(r)) return;
  bool vertical = direction == Gradient::kVertical;
  gfx::CairoPatternPtr pattern(vertical ? cairo_pattern_create_linear(0, r.top, 0, r.bottom)
                                        : cairo_pattern_create_linear(r.left, 0, r.right, 0));
  gfx::AddColorStop(pattern.get(), 0.0, from);
  gfx::AddColorStop(pattern.get(), 1.0, to);
  cairo_t* cr = impl_->cr.get();
  cairo_set_source(cr, pattern.get());
  cairo_rectangle(cr, r.left, r.top, RectWidth(r), RectHeight(r));
  cairo_fill(cr);
}

void Surface::BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy, uint32_t rop) {
  x = ClampCoordinate(x), y = ClampCoordinate(y), sx = ClampCoordinate(sx);
  sy = ClampCoordinate(sy), w = std::clamp(w, 0, kCoordinateLimit);
  h = std::clamp(h, 0, kCoordinateLimit);
  // The source block that exists, and where it lands.
  RECT source = IntersectRect(RECT{sx, sy, sx + w, sy + h}, src.Bounds());
  RECT target = IntersectRect(OffsetRect(source, x - sx, y - sy), Bounds());
  if (IsRectEmpty(target)) return;
  source = OffsetRect(target, sx - x, sy - y);
  // Reading from the surface itself needs a copy first: the areas may overlap.
  std::vector<uint32_t> block;
  const uint32_t* from = src.Pixels() + size_t(source.top) * src.StridePixels() + source.left;
  int from_stride = src.StridePixels();
  if (&src == this) {
    block = CopyBlock(src.Pixels(), src.StridePixels(), source);
    from = block.data(), from_stride = RectWidth(source);
  }
  uint32_t* pixels = impl_->PixelsForWriting();
  for (const RECT& clip : impl_->clip.Region()) {
    RECT part = IntersectRect(target, clip);
    for (int row = part.top; row < part.bottom; ++row) {
      const uint32_t* in =
          from + size_t(row - target.top) * from_stride + (part.left - target.left);
      gfx::RasterRow(pixels + size_t(row) * StridePixels() + part.left, in, RectWidth(part), rop);
    }
  }
  impl_->MarkDirty(target);
}

void Surface::StretchBlt(const RECT& dst_rect, const Surface& src, const RECT& src_rect,
                         uint32_t rop) {
  RECT dst = ClampRect(dst_rect);
  RECT from = IntersectRect(src_rect, src.Bounds());
  if (IsRectEmpty(dst) || IsRectEmpty(from)) return;
  if (RectWidth(dst) == RectWidth(from) && RectHeight(dst) == RectHeight(from)) {
    BitBlt(dst.left, dst.top, RectWidth(dst), RectHeight(dst), src, from.left, from.top, rop);
    return;
  }
  // Stretch only the visible part into a scratch surface, then combine it bit by bit.
  RECT visible = IntersectRect(dst, Bounds());
  if (IsRectEmpty(visible)) return;
  Surface scratch(RectWidth(visible), RectHeight(visible));
  gfx::CairoSurfacePtr view = gfx::SourceFor(src, &scratch, gfx::SourceAlpha::kIgnore);
  gfx::PaintScaled(scratch.impl().cr.get(), view.get(), from,
                   OffsetRect(dst, -visible.left, -visible.top), CAIRO_OPERATOR_SOURCE, 1.0);
  BitBlt(visible.left, visible.top, RectWidth(visible), RectHeight(visible), scratch, 0, 0, rop);
}

void Surface::AlphaBlend(const RECT& dst, const Surface& src, const RECT& src_rect,
                         uint8_t constant_alpha, bool per_pixel_alpha) {
  RECT from = IntersectRect(src_rect, src.Bounds());
  if (constant_alpha == 0 || IsRectEmpty(from) || IsRectEmpty(dst)) return;
  auto alpha = per_pixel_alpha ? gfx::SourceAlpha::kKeep : gfx::SourceAlpha::kIgnore;
  gfx::CairoSurfacePtr view = gfx::SourceFor(src, this, alpha);
  gfx::PaintScaled(impl_->cr.get(), view.get(), from, ClampRect(dst), CAIRO_OPERATOR_OVER,
                   constant_alpha / 255.0);
}

void Surface::DrawTransparent(const RECT& dst, const Surface& src, const RECT& src_rect) {
  RECT from = IntersectRect(src_rect, src.Bounds());
  if (IsRectEmpty(from) || IsRectEmpty(dst)) return;
  gfx::CairoSurfacePtr view = gfx::SourceFor(src, this, gfx::SourceAlpha::kKeep);
  gfx::PaintScaled(impl_->cr.get(), view.get(), from, ClampRect(dst), CAIRO_OPERATOR_OVER, 1.0);
}

RECT Surface::ScrollRect(const RECT& area_in, int dx, int dy) {
  RECT area = IntersectRect(ClampRect(area_in), Bounds());
  dx = ClampCoordinate(dx), dy = ClampCoordinate(dy);
  if (IsRectEmpty(area) || (dx == 0 && dy == 0)) return RECT{};
  if (std::abs(dx) >= RectWidth(area) || std::abs(dy) >= RectHeight(area)) return area;
  RECT uncovered{};
  if (dy > 0) uncovered = RECT{area.left, area.top, area.right, area.top + dy};
  if (dy < 0) uncovered = RECT{area.left, area.bottom + dy, area.right, area.bottom};
  if (dx > 0) uncovered = UnionRect(uncovered, {area.left, area.top, area.left + dx, area.bottom});
  if (dx < 0) {
    uncovered = UnionRect(uncovered, {area.right + dx, area.top, area.right, area.bottom});
  }
  RECT source = IntersectRect(area, OffsetRect(area, -dx, -dy));
  BitBlt(source.left + dx, source.top + dy, RectWidth(source), RectHeight(source), *this,
         source.left, source.top, SRCCOPY);
  return uncovered;
}

void Surface::PushClip(const RECT& rect) {
  impl_->clip.Push(ClampRect(rect));
  impl_->ApplyClip();
}

void Surface::ExcludeClip(const RECT& rect) {
  impl_->clip.Exclude(ClampRect(rect));
  impl_->ApplyClip();
}

void Surface::PopClip() {
  impl_->clip.Pop();
  impl_->ApplyClip();
}

void Surface::RoundRect(const RECT& rect, int corner_width, int corner_height, COLORREF pen,
                        int pen_width, COLORREF brush) {
  gfx::DrawRoundedShape(impl_->cr.get(), ClampRect(rect), corner_width / 2.0, corner_height / 2.0,
                        gfx::ShapeStyle{pen, pen_width, brush});
}

void Surface::Ellipse(const RECT& rect, COLORREF pen, int pen_width, COLORREF brush) {
  RECT r = ClampRect(rect);
  gfx::DrawRoundedShape(impl_->cr.get(), r, RectWidth(r) / 2.0, RectHeight(r) / 2.0,
                        gfx::ShapeStyle{pen, pen_width, brush});
}

void Surface::Line(POINT from, POINT to, COLORREF color, int width) {
  from = POINT{ClampCoordinate(from.x), ClampCoordinate(from.y)};
  to = POINT{ClampCoordinate(to.x), ClampCoordinate(to.y)};
  gfx::DrawLine(impl_->cr.get(), from, to, color, width);
}

int Surface::DrawText(std::u16string_view text, RECT& rect, uint32_t flags, const Font& font,
                      COLORREF color) {
  return gfx::DrawTextOnContext(impl_->cr.get(), text, rect, flags, font, color);
}

SIZE Surface::MeasureText(std::u16string_view text, const Font& font) {
  return gfx::MeasureTextLine(text, font);
}

bool Surface::WritePng(const std::string& path) const {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  cairo_surface_flush(impl_->surface.get());
  return cairo_surface_write_to_png(impl_->surface.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}

std::unique_ptr<Surface> Surface::ReadPng(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return nullptr;
  gfx::CairoSurfacePtr png(cairo_image_surface_create_from_png(path.c_str()));
  if (cairo_surface_status(png.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  auto result = std::make_unique<Surface>(cairo_image_surface_get_width(png.get()),
                                          cairo_image_surface_get_height(png.get()));
  if (result->Width() != cairo_image_surface_get_width(png.get()) ||
      result->Height() != cairo_image_surface_get_height(png.get())) {
    return nullptr;
  }
  cairo_t* cr = result->impl().cr.get();
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, png.get(), 0, 0);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  result->SetHasAlpha(gfx::AnyTranslucentPixel(*result));
  return result;
}

}  // namespace platform
