// Image decoding: real PNG and JPEG files made here with libpng and libjpeg, transparency,
// the structure checks that refuse hostile headers, truncation, other formats, and scaling.
#include "platform/Imaging.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "support/TempDir.h"

using namespace platform;

namespace {

using Bytes = std::vector<uint8_t>;

struct PngSpec {
  int width = 4;
  int height = 4;
  int color_type = PNG_COLOR_TYPE_RGBA;
  int bit_depth = 8;
  bool interlaced = false;
  std::vector<png_color> palette;
  std::vector<png_byte> palette_alpha;
  const char* text = nullptr;  // a tEXt comment when set
};

void AppendToVector(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

// Encodes `rows` (already in libpng's pixel layout) with libpng.
Bytes EncodePng(const PngSpec& spec, const std::vector<Bytes>& rows) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, AppendToVector, nullptr);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bit_depth, spec.color_type,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!spec.palette.empty()) png_set_PLTE(png, info, spec.palette.data(), int(spec.palette.size()));
  if (!spec.palette_alpha.empty()) {
    png_set_tRNS(png, info, spec.palette_alpha.data(), int(spec.palette_alpha.size()), nullptr);
  }
  png_text text{};
  if (spec.text) {
    text.compression = PNG_TEXT_COMPRESSION_NONE;
    text.key = const_cast<char*>("Comment");
    text.text = const_cast<char*>(spec.text);
    png_set_text(png, info, &text, 1);
  }
  std::vector<png_bytep> pointers;
  for (const Bytes& row : rows) pointers.push_back(const_cast<png_bytep>(row.data()));
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

// A 4x4 RGBA image: opaque red, half-transparent green, clear, opaque blue per column.
Bytes RgbaPng(bool interlaced = false, const char* text = nullptr) {
  PngSpec spec{.interlaced = interlaced, .text = text};
  Bytes row = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 0, 0, 0, 0, 255, 255};
  return EncodePng(spec, std::vector<Bytes>(4, row));
}

Bytes EncodeJpeg(int width, int height, bool progressive) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  if (progressive) jpeg_simple_progression(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  Bytes row;  // every row alike: left half orange, right half dark blue
  for (int x = 0; x < width; ++x) {
    const bool left = x < width / 2;
    row.insert(row.end(),
               {uint8_t(left ? 240 : 20), uint8_t(left ? 120 : 30), uint8_t(left ? 10 : 160)});
  }
  JSAMPROW pointer = row.data();
  for (int y = 0; y < height; ++y) jpeg_write_scanlines(&cinfo, &pointer, 1);
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  free(buffer);
  return out;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

uint32_t Alpha(const Surface& s, int x, int y) {
  return s.Pixels()[size_t(y) * s.StridePixels() + x] >> 24;
}

// Offset of the first marker `marker` (FF xx) in a JPEG.
size_t FindMarker(const Bytes& jpeg, uint8_t marker) {
  for (size_t i = 2; i + 1 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return i;
  return 0;
}

}  // namespace

TEST(Imaging, SniffsOnlyPngAndJpegSignatures) {
  EXPECT_EQ(SniffImageFormat(RgbaPng()), ImageFormat::kPng);
  EXPECT_EQ(SniffImageFormat(EncodeJpeg(8, 8, false)), ImageFormat::kJpeg);
  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  const Bytes bmp = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0};
  for (const Bytes& other : {gif, bmp, Bytes{}, Bytes{0xFF}, Bytes{0x89, 'P', 'N'}}) {
    EXPECT_EQ(SniffImageFormat(other), ImageFormat::kUnknown);
    EXPECT_EQ(DecodeImage(other), nullptr);
    EXPECT_FALSE(PeekImageSize(other).has_value());
  }
}

TEST(Imaging, PngKeepsTransparencyPremultiplied) {
  for (bool interlaced : {false, true}) {
    auto image = DecodeImage(RgbaPng(interlaced));
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->HasAlpha());
    EXPECT_EQ(image->Pixels()[0], 0xFFFF0000u);  // opaque red
    EXPECT_EQ(Alpha(*image, 1, 2), 128u);
    EXPECT_EQ(image->GetPixel(1, 2), RGB(0, 128, 0));  // premultiplied green
    EXPECT_EQ(image->Pixels()[2], 0u);
    EXPECT_EQ(image->GetPixel(3, 3), RGB(0, 0, 255));
  }
}

TEST(Imaging, OpaquePngHasNoAlphaAndDrawsExactly) {
  PngSpec spec{.width = 2, .height = 1, .color_type = PNG_COLOR_TYPE_RGB};
  auto image = DecodeImage(EncodePng(spec, {Bytes{10, 20, 30, 200, 100, 50}}));
  ASSERT_NE(image, nullptr);
  EXPECT_FALSE(image->HasAlpha());
  EXPECT_EQ(image->GetPixel(0, 0), RGB(10, 20, 30));
  EXPECT_EQ(image->GetPixel(1, 0), RGB(200, 100, 50));
  EXPECT_EQ(Alpha(*image, 1, 0), 255u);
}

TEST(Imaging, PalettedAndGreyPngsAreExpanded) {
  PngSpec palette{.width = 3,
                  .height = 1,
                  .color_type = PNG_COLOR_TYPE_PALETTE,
                  .palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
                  .palette_alpha = {255, 0}};  // index 1 is transparent
  auto image = DecodeImage(EncodePng(palette, {Bytes{0, 1, 2}}));
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->HasAlpha());
  EXPECT_EQ(image->GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(Alpha(*image, 1, 0), 0u);
  EXPECT_EQ(image->GetPixel(2, 0), RGB(0, 0, 255));

  PngSpec grey{.width = 2, .height = 1, .color_type = PNG_COLOR_TYPE_GRAY, .bit_depth = 16};
  auto g = DecodeImage(EncodePng(grey, {Bytes{0x80, 0x00, 0xFF, 0xFF}}));
  ASSERT_NE(g, nullptr);
  EXPECT_FALSE(g->HasAlpha());
  EXPECT_EQ(g->GetPixel(0, 0), RGB(128, 128, 128));
  EXPECT_EQ(g->GetPixel(1, 0), RGB(255, 255, 255));
}

TEST(Imaging, TextChunksAreSkippedAndHugeChunkClaimsRefused) {
  Bytes with_text = RgbaPng(false, "a comment the decoder never sees");
  ASSERT_NE(DecodeImage(with_text), nullptr);
  // A 60-byte file whose text chunk claims almost 2 GB: refused by the chunk walk at once.
  Bytes valid = RgbaPng();
  Bytes hostile(valid.begin(), valid.begin() + 33);  // signature + IHDR
  const uint8_t text_chunk[] = {0x7F, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't'};
  hostile.insert(hostile.end(), std::begin(text_chunk), std::end(text_chunk));
  hostile.resize(60, 'x');
  EXPECT_EQ(DecodeImage(hostile), nullptr);
  EXPECT_FALSE(PeekImageSize(hostile).has_value());
}

TEST(Imaging, PngHeaderDimensionsAreChecked) {
  Bytes png = RgbaPng();
  ASSERT_EQ(PeekImageSize(png), (SIZE{4, 4}));
  struct Case {
    uint32_t width, height;
    bool ok;
  } cases[] = {{30000, 30000, false}, {0, 4, false},           {4, 0, false},
               {4097, 1, false},      {0x80000000u, 1, false}, {4096, 1, true}};
  for (const Case& c : cases) {
    Bytes patched = png;
    for (size_t i = 0; i < 4; ++i) {  // big-endian width and height in the header
      patched[16 + i] = uint8_t(c.width >> (24 - 8 * i));
      patched[20 + i] = uint8_t(c.height >> (24 - 8 * i));
    }
    EXPECT_EQ(PeekImageSize(patched).has_value(), c.ok) << c.width << "x" << c.height;
    // The patched header no longer matches its CRC or data: never decoded.
    EXPECT_EQ(DecodeImage(patched), nullptr);
  }
}

TEST(Imaging, DamagedPngsAreRefused) {
  Bytes png = RgbaPng();
  for (size_t cut = 0; cut < png.size(); ++cut) {
    Bytes truncated(png.begin(), png.begin() + cut);
    EXPECT_EQ(DecodeImage(truncated), nullptr) << cut;
  }
  Bytes corrupt = png;
  corrupt[corrupt.size() - 20] ^= 0x55;  // inside the image data: CRC no longer matches
  EXPECT_EQ(DecodeImage(corrupt), nullptr);
  Bytes no_header = png;
  std::memcpy(&no_header[12], "IHDX", 4);
  EXPECT_EQ(DecodeImage(no_header), nullptr);
}

TEST(Imaging, JpegDecodesBaselineAndProgressive) {
  for (bool progressive : {false, true}) {
    Bytes jpeg = EncodeJpeg(32, 16, progressive);
    EXPECT_EQ(PeekImageSize(jpeg), (SIZE{32, 16}));
    auto image = DecodeImage(jpeg);
    ASSERT_NE(image, nullptr) << progressive;
    EXPECT_FALSE(image->HasAlpha());
    EXPECT_TRUE(Near(image->GetPixel(4, 8), RGB(240, 120, 10), 8));
    EXPECT_TRUE(Near(image->GetPixel(28, 8), RGB(20, 30, 160), 8));
    EXPECT_EQ(Alpha(*image, 31, 15), 255u);
  }
}

TEST(Imaging, JpegHeaderDimensionsAreCheckedBeforeDecoding) {
  Bytes jpeg = EncodeJpeg(16, 16, false);
  size_t sof = FindMarker(jpeg, 0xC0);
  ASSERT_NE(sof, 0u);
  for (int dimension : {30000, 0, 4097}) {
    Bytes patched = jpeg;
    patched[sof + 5] = uint8_t(dimension >> 8), patched[sof + 6] = uint8_t(dimension);
    patched[sof + 7] = uint8_t(dimension >> 8), patched[sof + 8] = uint8_t(dimension);
    EXPECT_FALSE(PeekImageSize(patched).has_value()) << dimension;
    EXPECT_EQ(DecodeImage(patched), nullptr) << dimension;
  }
}

TEST(Imaging, DamagedJpegsAreRefused) {
  Bytes jpeg = EncodeJpeg(16, 16, true);
  for (size_t cut = 0; cut + 1 < jpeg.size(); cut += 7) {
    Bytes truncated(jpeg.begin(), jpeg.begin() + cut);
    EXPECT_EQ(DecodeImage(truncated), nullptr) << cut;
  }
  Bytes bad_length = jpeg;
  size_t dqt = FindMarker(jpeg, 0xDB);
  bad_length.at(dqt + 2) = 0xFF, bad_length.at(dqt + 3) = 0xFF;  // segment longer than the file
  EXPECT_EQ(DecodeImage(bad_length), nullptr);
  Bytes no_frame = jpeg;
  no_frame.at(FindMarker(jpeg, 0xC2) + 1) = 0xE5;  // the frame header becomes an APP segment
  EXPECT_EQ(DecodeImage(no_frame), nullptr);
}

TEST(Imaging, TooManyScansAreRefused) {
  Bytes jpeg = EncodeJpeg(8, 8, false);
  size_t sos = FindMarker(jpeg, 0xDA);
  size_t eoi = jpeg.size() - 2;
  Bytes head(jpeg.begin(), jpeg.begin() + sos);
  Bytes scan(jpeg.begin() + sos, jpeg.begin() + eoi);
  auto with_scans = [&](int count) {
    Bytes out = head;
    for (int i = 0; i < count; ++i) out.insert(out.end(), scan.begin(), scan.end());
    out.push_back(0xFF), out.push_back(0xD9);
    return out;
  };
  EXPECT_TRUE(PeekImageSize(with_scans(100)).has_value());
  Bytes flood = with_scans(101);
  EXPECT_FALSE(PeekImageSize(flood).has_value());
  EXPECT_EQ(DecodeImage(flood), nullptr);
}

TEST(Imaging, OversizedInputIsRefusedUnread) {
  Bytes big = RgbaPng();
  big.resize(kMaxEncodedImageBytes + 1, 0);
  EXPECT_EQ(DecodeImage(big), nullptr);
  EXPECT_FALSE(PeekImageSize(big).has_value());
}

TEST(Imaging, SurfacePngRoundTripKeepsPixelsAndMissingFilesAreRefused) {
  testing_support::TempDir dir;
  Surface s(3, 2);
  s.FillRect(RECT{0, 0, 1, 2}, RGB(1, 2, 3));
  s.Pixels()[2] = 0x80402010;  // translucent, premultiplied
  s.MarkDirty();
  ASSERT_TRUE(s.WritePng(dir.File("shot.png")));
  auto back = Surface::ReadPng(dir.File("shot.png"));
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->HasAlpha());
  EXPECT_EQ(back->GetPixel(0, 1), RGB(1, 2, 3));
  EXPECT_EQ(back->GetPixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(Alpha(*back, 2, 0), 0x80u);
  auto decoded = DecodeImageFile(dir.File("shot.png"));
  ASSERT_NE(decoded, nullptr);
  EXPECT_TRUE(Near(decoded->GetPixel(2, 0), back->GetPixel(2, 0), 1));
  EXPECT_EQ(Surface::ReadPng(dir.File("none.png")), nullptr);
  EXPECT_EQ(DecodeImageFile(dir.File("none.png")), nullptr);
  EXPECT_EQ(DecodeImageFile(dir.path()), nullptr);  // a folder
  EXPECT_FALSE(s.WritePng(dir.File("no/such/folder/x.png")));
}

TEST(Imaging, ScaleImageKeepsColourAndAlphaAndSmooths) {
  Surface checker(64, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      checker.FillRect(RECT{x, y, x + 1, y + 1}, (x + y) % 2 ? RGB(0, 0, 0) : RGB(255, 255, 255));
  auto small = ScaleImage(checker, 8, 8);
  ASSERT_NE(small, nullptr);
  EXPECT_TRUE(Near(small->GetPixel(4, 4), RGB(128, 128, 128), 20));  // averaged, not sampled
  auto image = DecodeImage(RgbaPng());
  auto large = ScaleImage(*image, 40, 40);
  EXPECT_TRUE(large->HasAlpha());
  EXPECT_EQ(large->GetPixel(2, 20), RGB(255, 0, 0));
  EXPECT_LE(Alpha(*large, 25, 20), 16u);  // the clear column, blended only at its edges
  EXPECT_EQ(ScaleImage(*image, 0, -1)->Width(), 1);
}
