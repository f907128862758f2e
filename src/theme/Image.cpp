// Theme images: loading from files and archive members, pre-rendering, drawing, thumbnails.
#include "theme/Image.h"

#include <algorithm>

#include "platform/Imaging.h"
#include "theme/ProgramPath.h"
#include "theme/ThemeArchive.h"

namespace theme {

namespace {

std::unique_ptr<Image> Finish(std::unique_ptr<platform::Surface> decoded, std::u16string name,
                              Prerender prerender, COLORREF background) {
  if (!decoded) return nullptr;
  auto image = std::make_unique<Image>(std::move(decoded), std::move(name));
  if (prerender == Prerender::kYes) image->PrerenderImage(background);
  return image;
}

}  // namespace

Image::Image(std::unique_ptr<platform::Surface> decoded, std::u16string name)
    : pixels_(std::move(decoded)),
      name_(std::move(name)),
      width_(pixels_->Width()),
      height_(pixels_->Height()) {}

Image::~Image() = default;

void Image::PrerenderImage(COLORREF background) {
  if (prerendered_) return;
  auto bitmap = std::make_unique<platform::Surface>(width_, height_);
  bitmap->FillRect(bitmap->Bounds(), background);
  bitmap->DrawTransparent(bitmap->Bounds(), *pixels_, pixels_->Bounds());
  bitmap->SetHasAlpha(false);
  pixels_ = std::move(bitmap);
  prerendered_ = true;
}

void Image::DrawImage(platform::Surface& dc, const RECT& destination, uint32_t rop) const {
  if (!prerendered_) {
    dc.DrawTransparent(destination, *pixels_, pixels_->Bounds());
  } else if (RectWidth(destination) == width_ && RectHeight(destination) == height_) {
    dc.BitBlt(destination.left, destination.top, width_, height_, *pixels_, 0, 0, rop);
  } else {
    dc.StretchBlt(destination, *pixels_, pixels_->Bounds(), rop);
  }
}

void Image::DrawImageAt(platform::Surface& dc, int x, int y) const {
  DrawImage(dc, RECT{x, y, x + width_, y + height_});
}

void Image::DrawBackdrop(platform::Surface& dc, const RECT& area, COLORREF fill) const {
  DrawImageAt(dc, 0, 0);
  if (fill == kInvalidColor) return;
  const RECT right{std::max(area.left, width_), area.top, area.right, area.bottom};
  const RECT below{area.left, std::max(area.top, height_), std::min(area.right, width_),
                   area.bottom};
  if (!IsRectEmpty(right)) dc.FillRect(right, fill);
  if (!IsRectEmpty(below)) dc.FillRect(below, fill);
}

void Image::DrawImageFit(platform::Surface& dc, const RECT& rect) const {
  const int rect_width = RectWidth(rect);
  const int rect_height = RectHeight(rect);
  if (rect_width <= 0 || rect_height <= 0) return;
  const double scale = std::min(static_cast<double>(rect_width) / width_,
                                static_cast<double>(rect_height) / height_);
  const int drawn_width = static_cast<int>(width_ * scale);
  const int drawn_height = static_cast<int>(height_ * scale);
  const int dx = (rect_width - drawn_width) / 2;
  const int dy = (rect_height - drawn_height) / 2;
  DrawImage(dc, RECT{rect.left + dx, rect.top + dy, rect.right - dx, rect.bottom - dy});
}

void Image::DrawImagePart(platform::Surface& dc, const RECT& source, int dx, int dy,
                          uint32_t rop) const {
  if (prerendered_) {
    dc.BitBlt(source.left + dx, source.top + dy, RectWidth(source), RectHeight(source), *pixels_,
              source.left, source.top, rop);
    return;
  }
  dc.PushClip(OffsetRect(source, dx, dy));
  dc.DrawTransparent(RECT{dx, dy, dx + width_, dy + height_}, *pixels_, pixels_->Bounds());
  dc.PopClip();
}

std::unique_ptr<Image> LoadImageFromFile(std::u16string_view name, Prerender prerender,
                                         COLORREF background) {
  // A settings value may name anything: the platform reads only regular files, without ever
  // waiting on a FIFO or device.
  return Finish(platform::DecodeImageFile(MakeProgramPath(name)), std::u16string(name), prerender,
                background);
}

std::unique_ptr<Image> LoadImageFromArchive(ThemeArchive& archive, std::u16string_view entry,
                                            Prerender prerender, COLORREF background) {
  const auto bytes = ReadArchiveMember(archive, entry);
  if (!bytes) return nullptr;
  return Finish(platform::DecodeImage(*bytes), u"zip_" + std::u16string(entry), prerender,
                background);
}

ThumbnailResult LoadThumbnail(std::span<const uint8_t> bytes, int max_width, int max_height) {
  ThumbnailResult result;
  if (bytes.empty() || max_width <= 0 || max_height <= 0) return result;
  max_width = std::min(max_width, platform::kMaxImageDimension);
  max_height = std::min(max_height, platform::kMaxImageDimension);
  auto decoded = platform::DecodeImage(bytes);
  if (!decoded || decoded->Width() <= 0 || decoded->Height() <= 0) return result;
  const int64_t w = decoded->Width();
  const int64_t h = decoded->Height();
  int64_t width = w * max_height / h;
  int64_t height = max_height;
  if (width <= 0) {
    width = 1;  // a very tall picture: one column at full height, not a runaway height
  } else if (width > max_width) {
    width = max_width;
    height = h * max_width / w;
  }
  width = std::clamp<int64_t>(width, 1, max_width);
  height = std::clamp<int64_t>(height, 1, max_height);
  auto scaled = platform::ScaleImage(*decoded, static_cast<int>(width), static_cast<int>(height));
  if (!scaled) return result;
  result.image = std::make_unique<Image>(std::move(scaled), std::u16string());
  result.code = 0;
  return result;
}

}  // namespace theme
