// A contact's picture from a file: what is refused (and leaves the stored picture as it was),
// what is stored byte for byte, and a camera-sized picture stored shrunk to fit the store.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <random>
#include <span>

#include "contacts/ContactPictureFile.h"
#include "platform/Imaging.h"
#include "platform/Surface.h"
#include "unit/contacts/ContactListFixture.h"

namespace {

using platform::pim::kMaxPictureBytes;

class ContactPictureFileTest : public ContactListFixture {
 protected:
  std::vector<uint8_t> Stored(uint32_t oid) { return ReadContactPictureBytes(*store_, oid); }

  // A PNG of `width` x `height` noise (it does not compress: about 3 bytes per pixel).
  std::string NoisePng(const std::string& name, int width, int height) {
    platform::Surface surface(width, height);
    std::mt19937 random(7);
    uint32_t* pixels = surface.Pixels();
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x)
        pixels[y * surface.StridePixels() + x] = random() | 0xFF000000u;
    }
    surface.MarkDirty();
    const std::string path = home_.File(name);
    EXPECT_TRUE(surface.WritePng(path));
    return path;
  }
};

TEST_F(ContactPictureFileTest, RefusedFilesLeaveTheStoredPictureAlone) {
  const uint32_t oid = Add(u"Ann");
  auto item = store_->GetItemFromOid(oid);
  const std::string small = NoisePng("small.png", 20, 10);
  ASSERT_EQ(CopyFileIntoPictureStream(*item, small), PictureFileResult::kStored);
  const std::string small_bytes = testing_support::ReadAll(small);
  EXPECT_EQ(Stored(oid), std::vector<uint8_t>(small_bytes.begin(), small_bytes.end()));

  const std::string huge = home_.File("huge.jpg");
  const int fd = open(huge.c_str(), O_CREAT | O_WRONLY, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(ftruncate(fd, (16 << 20) + 1), 0);  // sparse: nothing is written
  close(fd);
  std::string truncated = small_bytes.substr(0, small_bytes.size() / 2);
  const struct {
    std::string path;
    PictureFileResult result;
  } refused[] = {
      {home_.File("missing.png"), PictureFileResult::kUnreadable},
      {home_.path(), PictureFileResult::kUnreadable},
      {huge, PictureFileResult::kTooLarge},
      {home_.Write("text.png", "not a picture at all"), PictureFileResult::kNotAPicture},
      {home_.Write("half.png", truncated), PictureFileResult::kNotAPicture},
      {home_.Write("empty.png", ""), PictureFileResult::kNotAPicture},
  };
  for (const auto& file : refused) {
    EXPECT_EQ(CopyFileIntoPictureStream(*item, file.path), file.result) << file.path;
    EXPECT_FALSE(PictureFileMessage(file.result).empty());
  }
  EXPECT_EQ(Stored(oid).size(), small_bytes.size()) << "the picture is unchanged";

  ASSERT_TRUE(RemovePictureStream(*item));
  EXPECT_TRUE(Stored(oid).empty());
  Delete(oid);
  EXPECT_EQ(CopyFileIntoPictureStream(*item, small), PictureFileResult::kContactGone);
}

TEST_F(ContactPictureFileTest, ACameraSizedPictureIsStoredShrunkToFit) {
  const uint32_t oid = Add(u"Bob");
  auto item = store_->GetItemFromOid(oid);
  const std::string big = NoisePng("camera.png", 1600, 900);
  ASSERT_GT(testing_support::ReadAll(big).size(), kMaxPictureBytes);
  ASSERT_EQ(CopyFileIntoPictureStream(*item, big), PictureFileResult::kStored);
  const std::vector<uint8_t> stored = Stored(oid);
  ASSERT_FALSE(stored.empty());
  EXPECT_LE(stored.size(), kMaxPictureBytes);
  EXPECT_EQ(platform::SniffImageFormat(stored), platform::ImageFormat::kJpeg);
  const auto size = platform::PeekImageSize(stored);
  ASSERT_TRUE(size);
  EXPECT_LE(std::max(size->cx, size->cy), kStoredPictureSide);
  EXPECT_NEAR(static_cast<double>(size->cx) / size->cy, 1600.0 / 900.0, 0.02);
}

}  // namespace
