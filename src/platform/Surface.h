// Drawing surfaces: a Surface is both a bitmap and its drawing context (a cairo image surface
// underneath, premultiplied ARGB32). It offers the drawing operations the screens use: solid
// and gradient fills, blits with raster operations, stretching, constant-alpha blending,
// per-pixel-alpha drawing, scrolling with the uncovered strip, a clip stack, rounded
// rectangles and ellipses, and text with the old DT_* flags (pango). Colours are 0x00BBGGRR
// throughout; conversion happens inside. No cairo or pango type appears in this header.
//
// Thread use: a Surface belongs to one thread at a time; Fonts may be shared.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace platform {

// Raster operations of the old blits (the values are those of the old platform).
inline constexpr uint32_t SRCCOPY = 0x00CC0020;
inline constexpr uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr uint32_t SRCAND = 0x008800C6;
inline constexpr uint32_t SRCPAINT = 0x00EE0086;
inline constexpr uint32_t SRCINVERT = 0x00660046;

// A logical font: pixel height (positive), weight (400 normal, 700 bold), italic, face name.
struct FontDescription {
  int pixel_height = 12;
  int weight = 400;
  bool italic = false;
  std::u16string face = u"Tahoma";
  friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

// A created font (shared handle; cheap to copy). Faces that do not exist fall back through
// fontconfig's matching, as the old platform's font mapper did.
class Font {
 public:
  Font();  // the default font: 12 px, normal, "Tahoma" (matched)
  explicit Font(const FontDescription& description);
  const FontDescription& Description() const;
  // Height of one line of text in pixels (ascent + descent).
  int LineHeight() const;
  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  std::shared_ptr<const Impl> impl_;
};

// Registers a private font file (a .ttf in the program folder) with fontconfig so that its
// face can be named by fonts created afterwards. Each file is registered at most once per
// process; once registered, later calls for the same path return true. False when the file
// does not exist or cannot be read as a font; a later call tries again once the file exists or
// has changed.
bool RegisterPrivateFontFile(const std::string& path);

// The x of the caret before each UTF-16 unit of `text` laid out on one line, and after its
// last unit: text.size() + 1 values, never decreasing. A unit inside a shaped cluster (the
// second half of a surrogate pair, a combining mark) gets its share of the cluster's width.
// Texts longer than 65536 units are measured up to there; the rest get the last value.
std::vector<int> MeasureCaretStops(std::u16string_view text, const Font& font);

class Surface {
 public:
  // A new surface of the given size (clamped to at least 1x1), filled with opaque white.
  Surface(int width, int height);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  Surface(Surface&&) noexcept;
  Surface& operator=(Surface&&) noexcept;

  int Width() const;
  int Height() const;
  RECT Bounds() const { return RECT{0, 0, Width(), Height()}; }

  // Direct pixel access: premultiplied ARGB32 in native byte order, row stride in pixels.
  // Call MarkDirty after writing pixels directly.
  uint32_t* Pixels();
  const uint32_t* Pixels() const;
  int StridePixels() const;
  void MarkDirty();
  // Colour of one pixel as 0x00BBGGRR (alpha dropped; for tests).
  COLORREF GetPixel(int x, int y) const;
  // Whether any pixel is not fully opaque (decoded images with transparency).
  bool HasAlpha() const;
  void SetHasAlpha(bool has_alpha);

  // Fills: a colour equal to kInvalidColor draws nothing.
  void FillRect(const RECT& rect, COLORREF color);
  enum class Gradient { kVertical, kHorizontal };
  void GradientFill(const RECT& rect, COLORREF from, COLORREF to, Gradient direction);

  // Copies w x h pixels from src (sx, sy) to (x, y) with a raster operation (SRCCOPY,
  // NOTSRCCOPY, SRCAND, SRCPAINT, SRCINVERT). Source alpha is ignored: it is a bit copy.
  void BitBlt(int x, int y, int w, int h, const Surface& src, int sx, int sy,
              uint32_t rop = SRCCOPY);
  // Stretches src_rect of src onto dst (bilinear), raster operation as for BitBlt.
  void StretchBlt(const RECT& dst, const Surface& src, const RECT& src_rect,
                  uint32_t rop = SRCCOPY);
  // Blends src_rect of src stretched onto dst with a constant alpha (0..255); with
  // per_pixel_alpha the source's own alpha is multiplied in as well.
  void AlphaBlend(const RECT& dst, const Surface& src, const RECT& src_rect,
                  uint8_t constant_alpha, bool per_pixel_alpha = false);
  // Draws src_rect of src onto dst with its transparency (OVER), stretched when the sizes
  // differ. This is how decoded images with alpha are drawn.
  void DrawTransparent(const RECT& dst, const Surface& src, const RECT& src_rect);

  // Scrolls the pixels of `area` by (dx, dy) inside `area` and returns the strip that the
  // move uncovered (the part of `area` that now needs repainting); empty when nothing moved.
  RECT ScrollRect(const RECT& area, int dx, int dy);

  // Clip stack: every drawing operation is limited to the intersection of pushed clips
  // minus excluded rectangles. ExcludeClip applies to the current top of the stack.
  void PushClip(const RECT& rect);
  void ExcludeClip(const RECT& rect);
  void PopClip();

  // Shapes: a pen or brush colour of kInvalidColor draws no outline or no fill.
  void RoundRect(const RECT& rect, int corner_width, int corner_height, COLORREF pen,
                 int pen_width, COLORREF brush);
  void Ellipse(const RECT& rect, COLORREF pen, int pen_width, COLORREF brush);
  void Line(POINT from, POINT to, COLORREF color, int width);

  // Draws text into `rect` with DT_* flags (DT_LEFT/CENTER/RIGHT, DT_VCENTER, DT_BOTTOM,
  // DT_WORDBREAK, DT_SINGLELINE, DT_NOCLIP, DT_CALCRECT, DT_NOPREFIX, DT_END_ELLIPSIS).
  // Without DT_NOPREFIX an '&' marks the next character (underlined) and "&&" draws '&'.
  // With DT_CALCRECT nothing is drawn and `rect` gets the right and bottom the text needs.
  // Returns the height of the text. Transparent background; layouts are cached.
  int DrawText(std::u16string_view text, RECT& rect, uint32_t flags, const Font& font,
               COLORREF color);
  // Extent of the text on one line.
  SIZE MeasureText(std::u16string_view text, const Font& font);

  // Writes the surface as a PNG (screenshots, golden images). False on failure.
  bool WritePng(const std::string& path) const;
  // Reads a PNG written by WritePng (tests); null on failure.
  static std::unique_ptr<Surface> ReadPng(const std::string& path);

  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
