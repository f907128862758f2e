#include "platform/msgstore/EntryId.h"

#include <algorithm>
#include <random>

namespace platform::msgstore {

namespace {

constexpr uint8_t kMagic[4] = {'Q', 'B', 'M', 'S'};
constexpr uint8_t kVersion = 1;

void PutInt64(std::vector<uint8_t>& out, int64_t value) {
  auto u = static_cast<uint64_t>(value);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

int64_t GetInt64(std::span<const uint8_t> bytes, size_t at) {
  uint64_t u = 0;
  for (size_t i = 0; i < 8; ++i) u |= static_cast<uint64_t>(bytes[at + i]) << (8 * i);
  return static_cast<int64_t>(u);
}

bool IsKnownKind(uint8_t kind) {
  return kind == static_cast<uint8_t>(EntryKind::kStore) ||
         kind == static_cast<uint8_t>(EntryKind::kFolder) ||
         kind == static_cast<uint8_t>(EntryKind::kMessage);
}

}  // namespace

std::vector<uint8_t> EntryId::Encode() const {
  std::vector<uint8_t> out(std::begin(kMagic), std::end(kMagic));
  out.reserve(kEntryIdBytes);
  out.push_back(kVersion);
  out.push_back(static_cast<uint8_t>(kind));
  out.push_back(0);
  out.push_back(0);
  PutInt64(out, store_id);
  PutInt64(out, object_id);
  out.insert(out.end(), nonce.begin(), nonce.end());
  return out;
}

std::optional<EntryId> EntryId::Decode(std::span<const uint8_t> bytes) {
  if (bytes.size() != kEntryIdBytes) return std::nullopt;
  if (!std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) return std::nullopt;
  if (bytes[4] != kVersion || !IsKnownKind(bytes[5]) || bytes[6] != 0 || bytes[7] != 0) {
    return std::nullopt;
  }
  EntryId id;
  id.kind = static_cast<EntryKind>(bytes[5]);
  id.store_id = GetInt64(bytes, 8);
  id.object_id = GetInt64(bytes, 16);
  if (id.store_id <= 0 || id.object_id <= 0) return std::nullopt;
  std::copy_n(bytes.begin() + 24, kNonceBytes, id.nonce.begin());
  return id;
}

Nonce MakeNonce() {
  // random_device reads the kernel's random source. Made once per thread: setting one up
  // costs more than the draws (bulk filing makes a nonce per message).
  thread_local std::random_device source;
  Nonce nonce;
  for (size_t i = 0; i < kNonceBytes; i += 4) {
    uint32_t word = source();
    for (size_t j = 0; j < 4; ++j) nonce[i + j] = static_cast<uint8_t>(word >> (8 * j));
  }
  return nonce;
}

}  // namespace platform::msgstore
