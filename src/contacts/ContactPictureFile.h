// A contact's picture from an image file, and its removal. The file is checked before
// anything is stored: at most kMaxPictureFileBytes, and accepted by the platform's decoders.
// A file that fits the store's picture size is stored byte for byte; a larger one (a camera
// photo) is decoded, scaled to fit kStoredPictureSide pixels and stored re-encoded as JPEG,
// which is all any screen ever shows of it. On every failure nothing is stored.
//
// UI thread (the store calls are synchronous).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::pim {
class PimApplication;
class PimItem;
}  // namespace platform::pim

// Larger files are refused outright.
inline constexpr size_t kMaxPictureFileBytes = 16u << 20;
// The longest side of a picture re-encoded to fit the store.
inline constexpr int kStoredPictureSide = 1280;

enum class PictureFileResult {
  kStored,
  kUnreadable,   // missing, not a regular file, or unreadable
  kTooLarge,     // over kMaxPictureFileBytes
  kNotAPicture,  // the decoders refuse it
  kContactGone,  // the contact no longer exists
  kStoreFailed,  // the store did not take the bytes
};

// The picture bytes of a stored contact; empty when it has none, no longer exists, or a read
// fails.
std::vector<uint8_t> ReadContactPictureBytes(platform::pim::PimApplication& store,
                                             uint32_t object_id);

// Stores the file as the picture of `item` (a saved contact).
PictureFileResult CopyFileIntoPictureStream(platform::pim::PimItem& item, const std::string& path);

// Removes the picture of `item`: its picture stream emptied and committed.
bool RemovePictureStream(platform::pim::PimItem& item);

// What to tell the user when a file was not stored ("The picture could not be set: ...").
std::u16string PictureFileMessage(PictureFileResult result);
