#include "contacts/ContactPictureFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <span>

#include "platform/Imaging.h"
#include "platform/Paths.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimStream.h"

namespace {

using platform::pim::PimResult;

// JPEG quality of re-encoded pictures, and the sides tried until the bytes fit the store.
constexpr int kJpegQuality = 85;
constexpr int kSides[] = {kStoredPictureSide, 960, 640, 320};

std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

// The picture re-encoded small enough for the store, or nullopt.
std::optional<std::string> ShrinkToFit(const platform::Surface& decoded) {
  for (int side : kSides) {
    const int longest = std::max(decoded.Width(), decoded.Height());
    std::unique_ptr<platform::Surface> scaled;
    const platform::Surface* source = &decoded;
    if (longest > side) {
      const int width = std::max(1, decoded.Width() * side / longest);
      const int height = std::max(1, decoded.Height() * side / longest);
      scaled = platform::ScaleImage(decoded, width, height);
      source = scaled.get();
    }
    std::optional<std::string> jpeg = platform::EncodeJpeg(*source, kJpegQuality);
    if (jpeg && jpeg->size() <= platform::pim::kMaxPictureBytes) return jpeg;
  }
  return std::nullopt;
}

PictureFileResult WriteStream(platform::pim::PimItem& item, const std::string& bytes) {
  std::unique_ptr<platform::pim::PimStream> stream;
  PimResult r =
      item.OpenProperty(platform::pim::kPropPicture, platform::pim::kAccessReadWrite, &stream);
  if (r == PimResult::kNotFound) return PictureFileResult::kContactGone;
  if (r != PimResult::kOk || !stream) return PictureFileResult::kStoreFailed;
  size_t written = 0;
  if (stream->SetSize(bytes.size()) != PimResult::kOk ||
      stream->Write(bytes.data(), bytes.size(), &written) != PimResult::kOk ||
      written != bytes.size()) {
    return PictureFileResult::kStoreFailed;  // not committed: the stored picture is unchanged
  }
  r = stream->Commit();
  if (r == PimResult::kNotFound) return PictureFileResult::kContactGone;
  return r == PimResult::kOk ? PictureFileResult::kStored : PictureFileResult::kStoreFailed;
}

}  // namespace

std::vector<uint8_t> ReadContactPictureBytes(platform::pim::PimApplication& store,
                                             uint32_t object_id) {
  using namespace platform::pim;
  auto item = store.GetItemFromOid(object_id);
  std::unique_ptr<PimStream> stream;
  if (!item || item->OpenProperty(kPropPicture, kAccessRead, &stream) != PimResult::kOk ||
      !stream || stream->Size() == 0 || stream->Size() > kMaxPictureBytes) {
    return {};
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(stream->Size()));
  size_t read = 0;
  if (stream->Read(bytes.data(), bytes.size(), &read) != PimResult::kOk) return {};
  bytes.resize(read);
  return bytes;
}

PictureFileResult CopyFileIntoPictureStream(platform::pim::PimItem& item, const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    return PictureFileResult::kUnreadable;
  }
  if (static_cast<uint64_t>(info.st_size) > kMaxPictureFileBytes) {
    return PictureFileResult::kTooLarge;
  }
  std::string bytes;
  if (!platform::ReadFileBytes(path, bytes, kMaxPictureFileBytes)) {
    return PictureFileResult::kUnreadable;  // unreadable, or it grew past the limit meanwhile
  }
  const std::unique_ptr<platform::Surface> decoded = platform::DecodeImage(AsBytes(bytes));
  if (!decoded) return PictureFileResult::kNotAPicture;
  if (bytes.size() > platform::pim::kMaxPictureBytes) {
    std::optional<std::string> shrunk = ShrinkToFit(*decoded);
    if (!shrunk) return PictureFileResult::kNotAPicture;
    bytes = std::move(*shrunk);
  }
  return WriteStream(item, bytes);
}

bool RemovePictureStream(platform::pim::PimItem& item) {
  std::unique_ptr<platform::pim::PimStream> stream;
  return item.OpenProperty(platform::pim::kPropPicture, platform::pim::kAccessReadWrite, &stream) ==
             PimResult::kOk &&
         stream && stream->SetSize(0) == PimResult::kOk && stream->Commit() == PimResult::kOk;
}

std::u16string PictureFileMessage(PictureFileResult result) {
  const std::u16string start = u"The picture could not be set: ";
  switch (result) {
    case PictureFileResult::kStored:
      return {};
    case PictureFileResult::kUnreadable:
      return start + u"the file cannot be read.";
    case PictureFileResult::kTooLarge:
      return start + u"the file is larger than 16 MB.";
    case PictureFileResult::kNotAPicture:
      return start + u"the file is not a PNG or JPEG picture this phone can show.";
    case PictureFileResult::kContactGone:
      return start + u"the contact no longer exists.";
    case PictureFileResult::kStoreFailed:
      return start + u"the contact store did not accept it.";
  }
  return start;
}
