#include "platform/pim/PimStream.h"

#include <algorithm>
#include <cstring>

#include "platform/pim/PimSession.h"

namespace platform::pim {

PimStream::PimStream(std::shared_ptr<PimSession> session, ObjectId oid, bool writable,
                     std::string bytes)
    : session_(std::move(session)), oid_(oid), writable_(writable), bytes_(std::move(bytes)) {}

PimResult PimStream::Read(void* buffer, size_t size, size_t* read) {
  size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
  size_t n = std::min(size, available);
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  if (read) *read = n;
  return PimResult::kOk;
}

PimResult PimStream::Write(const void* buffer, size_t size, size_t* written) {
  if (written) *written = 0;
  if (!writable_) return PimResult::kAccessDenied;
  if (position_ > kMaxPictureBytes || size > kMaxPictureBytes - position_) {
    return PimResult::kTooLarge;
  }
  size_t end = static_cast<size_t>(position_) + size;
  if (end > bytes_.size()) bytes_.resize(end, '\0');
  if (size > 0) std::memcpy(bytes_.data() + position_, buffer, size);
  position_ = end;
  if (written) *written = size;
  return PimResult::kOk;
}

PimResult PimStream::Seek(int64_t offset, SeekOrigin origin, uint64_t* new_position) {
  int64_t base = origin == SeekOrigin::kBegin     ? 0
                 : origin == SeekOrigin::kCurrent ? static_cast<int64_t>(position_)
                                                  : static_cast<int64_t>(bytes_.size());
  // Positions stay within [0, 2 * kMaxPictureBytes], so the sum cannot overflow.
  if (offset < -base || offset > static_cast<int64_t>(2 * kMaxPictureBytes) - base) {
    return PimResult::kInvalidArgument;
  }
  position_ = static_cast<uint64_t>(base + offset);
  if (new_position) *new_position = position_;
  return PimResult::kOk;
}

PimResult PimStream::SetSize(uint64_t size) {
  if (!writable_) return PimResult::kAccessDenied;
  if (size > kMaxPictureBytes) return PimResult::kTooLarge;
  bytes_.resize(static_cast<size_t>(size), '\0');
  return PimResult::kOk;
}

PimResult PimStream::Commit() {
  if (!writable_) return PimResult::kAccessDenied;
  return session_->WritePicture(oid_, bytes_);
}

}  // namespace platform::pim
