// A property stream of one contact: the picture's image file bytes. The bytes are read when the
// stream opens and written back by Commit; until then the stored picture is unchanged. Setting
// the size to 0 and committing removes the picture. Streams never grow beyond kMaxPictureBytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimSession;

enum class SeekOrigin { kBegin, kCurrent, kEnd };

class PimStream {
 public:
  PimStream(std::shared_ptr<PimSession> session, ObjectId oid, bool writable, std::string bytes);

  uint64_t Size() const { return bytes_.size(); }
  uint64_t Position() const { return position_; }

  // Copies up to `size` bytes from the current position; *read receives the count.
  PimResult Read(void* buffer, size_t size, size_t* read);
  // Writes at the current position, growing the stream. kTooLarge (nothing written) beyond
  // kMaxPictureBytes, kAccessDenied on a read-only stream.
  PimResult Write(const void* buffer, size_t size, size_t* written);
  PimResult Seek(int64_t offset, SeekOrigin origin, uint64_t* new_position = nullptr);
  // Cuts or grows (with zero bytes) the stream; same limits as Write.
  PimResult SetSize(uint64_t size);
  // Stores the bytes as the contact's picture (none when empty) and reports the contact
  // changed. kNotFound when the contact no longer exists.
  PimResult Commit();

  const std::string& bytes() const { return bytes_; }

 private:
  std::shared_ptr<PimSession> session_;
  ObjectId oid_;
  bool writable_;
  std::string bytes_;
  uint64_t position_ = 0;
};

}  // namespace platform::pim
