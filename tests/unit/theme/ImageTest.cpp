// Images: pre-rendering over the background colour, the drawing operations pixel by pixel,
// thumbnails, bad image data, and the shared fill, dim and fade operations.
#include <gtest/gtest.h>

#include "ThemeTestSupport.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "theme/Drawing.h"
#include "theme/Image.h"
#include "theme/ThemeArchive.h"

namespace theme {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::unique_ptr<Image> Decode(const std::string& png, Prerender prerender, COLORREF background) {
  testing_support::TempDir dir;
  return LoadImageFromFile(platform::FromUtf8(dir.Write("i.png", png)), prerender, background);
}

// A red image with its top-left corner fully transparent.
std::string RedWithClearCorner(int w, int h) {
  return theme_test::EncodePng(
      w, h, [](int x, int y) { return (x < 2 && y < 2) ? 0x00000000u : 0xFFFF0000u; });
}

// The rectangle of pixels that differ from `background`.
RECT PaintedArea(const platform::Surface& surface, COLORREF background) {
  RECT area{surface.Width(), surface.Height(), 0, 0};
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.GetPixel(x, y) == background) continue;
      area = RECT{std::min(area.left, x), std::min(area.top, y), std::max(area.right, x + 1),
                  std::max(area.bottom, y + 1)};
    }
  }
  return area;
}

// Prerendered, the transparent corner shows the background colour; decoded, it stays clear.
TEST(Image, TransparentCornerShowsTheBackgroundOnlyWhenPrerendered) {
  for (Prerender prerender : {Prerender::kYes, Prerender::kNo}) {
    const bool prerendered = prerender == Prerender::kYes;
    auto image = Decode(RedWithClearCorner(6, 6), prerender, kBlack);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->IsPrerendered(), prerendered);
    platform::Surface dc(10, 10);  // white
    image->DrawImageAt(dc, 2, 2);
    EXPECT_EQ(dc.GetPixel(2, 2), prerendered ? kBlack : kWhite);
    EXPECT_EQ(dc.GetPixel(4, 4), kRed);
    EXPECT_EQ(PaintedArea(dc, kWhite), (RECT{2, 2, 8, 8}));
  }
}

TEST(Image, DrawOperationsCoverExactlyTheirDestination) {
  for (Prerender prerender : {Prerender::kYes, Prerender::kNo}) {
    auto wide = Decode(theme_test::SolidPng(100, 50, 0xFFFF0000), prerender, kWhite);
    auto square = Decode(theme_test::SolidPng(50, 50, 0xFFFF0000), prerender, kWhite);
    ASSERT_TRUE(wide && square);
    platform::Surface fit(80, 80), part(60, 60);
    wide->DrawImageFit(fit, RECT{10, 10, 70, 70});  // keeps the aspect and centres
    EXPECT_EQ(PaintedArea(fit, kWhite), (RECT{10, 25, 70, 55}));
    square->DrawImagePart(part, RECT{10, 20, 30, 40}, 5, 5);
    EXPECT_EQ(PaintedArea(part, kWhite), (RECT{15, 25, 35, 45}));
  }
  // A small image grows to fill; a prerendered one stretches to the destination.
  auto small = Decode(theme_test::SolidPng(2, 2, 0xFFFF0000), Prerender::kYes, kWhite);
  platform::Surface fit(40, 40), stretched(30, 30);
  small->DrawImageFit(fit, RECT{0, 0, 30, 20});
  EXPECT_EQ(PaintedArea(fit, kWhite), (RECT{5, 0, 25, 20}));
  small->DrawImage(stretched, RECT{3, 4, 23, 14});
  EXPECT_EQ(PaintedArea(stretched, kWhite), (RECT{3, 4, 23, 14}));
}

TEST(Image, ThumbnailSizes) {
  struct Case {
    int w, h, max_w, max_h, expected_w, expected_h;
  };
  const Case cases[] = {
      {640, 480, 60, 60, 60, 45}, {480, 640, 60, 60, 45, 60}, {30, 30, 60, 60, 60, 60},
      {1, 400, 60, 60, 1, 60},    {400, 1, 60, 60, 60, 1},
  };
  for (const auto& c : cases) {
    const std::string png = theme_test::SolidPng(c.w, c.h, 0xFF00FF00);
    const ThumbnailResult result = LoadThumbnail(Bytes(png), c.max_w, c.max_h);
    ASSERT_EQ(result.code, 0u);
    EXPECT_EQ(result.image->Width(), c.expected_w);
    EXPECT_EQ(result.image->Height(), c.expected_h);
    EXPECT_TRUE(result.image->Name().empty());
  }
  const std::string png = theme_test::SolidPng(8, 8, 0xFF00FF00);
  EXPECT_EQ(LoadThumbnail({}, 60, 60).code, kImageFailure);
  EXPECT_EQ(LoadThumbnail(Bytes(png), 0, 60).code, kImageFailure);
  EXPECT_EQ(LoadThumbnail(Bytes("garbage bytes"), 60, 60).code, kImageFailure);
}

TEST(Image, GarbageAndMissingImagesGiveNone) {
  testing_support::TempDir dir;
  platform::SetProgramDir(dir.path());
  dir.Write("junk.png", "\x89PNG\r\n\x1a\n but then nothing");
  EXPECT_FALSE(LoadImageFromFile(u"junk.png", Prerender::kYes, kWhite));
  EXPECT_FALSE(LoadImageFromFile(u"absent.png", Prerender::kNo, kWhite));
  theme_test::WriteArchive(dir.File("t.qbt"), {{"junk.png", "not an image"},
                                               {"ok.png", theme_test::SolidPng(3, 2, 0xFF000000)}});
  auto archive = OpenArchive(dir.File("t.qbt"));
  ASSERT_TRUE(archive);
  EXPECT_FALSE(LoadImageFromArchive(*archive, u"junk.png", Prerender::kNo, kWhite));
  EXPECT_FALSE(LoadImageFromArchive(*archive, u"none.png", Prerender::kNo, kWhite));
  auto ok = LoadImageFromArchive(*archive, u"OK.png", Prerender::kNo, kWhite);
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->Name(), u"zip_OK.png");
  EXPECT_EQ(ok->Width(), 3);
}

TEST(Drawing, FillAndDim) {
  platform::Surface dc(20, 10);
  FillSolidRect(dc, RECT{0, 0, 10, 10}, kRed);
  FillSolidRect(dc, RECT{0, 0, 5, 5}, kInvalidColor);
  EXPECT_EQ(dc.GetPixel(1, 1), kRed);
  EXPECT_EQ(dc.GetPixel(15, 5), kWhite);
  DimRect(dc, RECT{10, 0, 20, 10});
  const COLORREF dimmed = dc.GetPixel(15, 5);
  EXPECT_NEAR(GetRValue(dimmed), 255 * (255 - 100) / 255, 2);
  EXPECT_EQ(dc.GetPixel(5, 5), kRed);
}

}  // namespace
}  // namespace theme
