// A decoded theme image or contact picture and its drawing operations. An image is either kept
// decoded with its transparency (blended at every paint) or pre-rendered: drawn once over a
// background colour into an opaque bitmap that is afterwards only blitted.
//
// Thread use: theme images are made and drawn on the UI thread; a thumbnail belongs to the
// thread that made it until it is handed over.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace theme {

class ThemeArchive;

// Whether an image is pre-rendered when it loads.
enum class Prerender { kNo, kYes };

class Image {
 public:
  // Takes a decoded image (not pre-rendered). `name` is the text that named it.
  Image(std::unique_ptr<platform::Surface> decoded, std::u16string name);
  virtual ~Image();
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The value that named the image; "zip_" + entry name for an archive member.
  const std::u16string& Name() const { return name_; }
  bool IsPrerendered() const { return prerendered_; }
  // The pixels: the opaque bitmap when pre-rendered, else the decoded image with its alpha.
  const platform::Surface& Pixels() const { return *pixels_; }

  // Mixes the image once over `background` into an opaque bitmap. No effect when already done.
  void PrerenderImage(COLORREF background);

  // The whole image into `destination`: a pre-rendered image is blitted with `rop` (stretched
  // when the sizes differ); a decoded image is drawn with its transparency and `rop` unused.
  void DrawImage(platform::Surface& dc, const RECT& destination,
                 uint32_t rop = platform::SRCCOPY) const;
  // The whole image at natural size with its top-left corner at (x, y).
  void DrawImageAt(platform::Surface& dc, int x, int y) const;
  // A screen background: the image at natural size at (0, 0), and the part of `area` the image
  // does not reach (a screen larger than the image) filled with `fill`, so nothing drawn
  // earlier shows through. No fill when `fill` is kInvalidColor.
  void DrawBackdrop(platform::Surface& dc, const RECT& area, COLORREF fill) const;
  // The whole image scaled to fit `rect` with its aspect kept, centred (small images grow).
  void DrawImageFit(platform::Surface& dc, const RECT& rect) const;
  // The pixels of the image inside `source` drawn at `source` moved by (dx, dy).
  void DrawImagePart(platform::Surface& dc, const RECT& source, int dx, int dy,
                     uint32_t rop = platform::SRCCOPY) const;

 private:
  std::unique_ptr<platform::Surface> pixels_;
  std::u16string name_;
  int width_ = 0;
  int height_ = 0;
  bool prerendered_ = false;
};

// Decodes a file named by a settings value (resolved against the program folder); pre-renders
// it over `background` when asked. Null when missing or not decodable.
std::unique_ptr<Image> LoadImageFromFile(std::u16string_view name, Prerender prerender,
                                         COLORREF background);
// Decodes an archive member (read whole, size-checked); named "zip_" + entry name. Null when
// the member is missing, cannot be inflated completely, or is not decodable.
std::unique_ptr<Image> LoadImageFromArchive(ThemeArchive& archive, std::u16string_view entry,
                                            Prerender prerender, COLORREF background);

// General failure code of the old imaging component.
inline constexpr uint32_t kImageFailure = 0x80004005u;

struct ThumbnailResult {
  uint32_t code = kImageFailure;  // 0 on success
  std::unique_ptr<Image> image;   // not pre-rendered, empty name
};

// Decodes encoded picture bytes and resizes them to fit max_width x max_height: height
// max_height with the width that keeps the aspect when that width fits, else width max_width.
// Both sides are at least 1 and never exceed the maximum. Fails with kImageFailure when the
// bytes are empty, a maximum is not positive, or the picture cannot be decoded.
ThumbnailResult LoadThumbnail(std::span<const uint8_t> bytes, int max_width, int max_height);

}  // namespace theme
