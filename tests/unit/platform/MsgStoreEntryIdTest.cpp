// Entry ids: the only message references that travel between processes, so decoding must
// refuse every malformed or oversized byte string and accept exactly what encoding makes.
#include <gtest/gtest.h>

#include "platform/msgstore/EntryId.h"

using namespace platform::msgstore;

namespace {

EntryId Sample() {
  EntryId id;
  id.kind = EntryKind::kMessage;
  id.store_id = 3;
  id.object_id = 0x0102030405060708;
  for (size_t i = 0; i < id.nonce.size(); ++i) id.nonce[i] = static_cast<uint8_t>(0xA0 + i);
  return id;
}

}  // namespace

TEST(MsgStoreEntryId, RefusesWrongSizes) {
  std::vector<uint8_t> bytes = Sample().Encode();
  ASSERT_EQ(bytes.size(), kEntryIdBytes);  // fits the bridge's field
  ASSERT_EQ(EntryId::Decode(bytes), Sample());
  for (size_t size : {size_t{0}, size_t{1}, kEntryIdBytes - 1, kEntryIdBytes + 1, kMaxEntryIdBytes,
                      kMaxEntryIdBytes + 1, size_t{100000}}) {
    std::vector<uint8_t> resized = bytes;
    resized.resize(size, 0);
    EXPECT_FALSE(EntryId::Decode(resized).has_value()) << size;
  }
}

TEST(MsgStoreEntryId, RefusesDamagedHeaderBytesAndNonPositiveIds) {
  const std::vector<uint8_t> good = Sample().Encode();
  for (size_t at = 0; at < 8; ++at) {  // magic, version, kind, reserved
    std::vector<uint8_t> bad = good;
    bad[at] ^= 0x40;
    EXPECT_FALSE(EntryId::Decode(bad).has_value()) << at;
  }
  for (auto [store, object] : {std::pair<int64_t, int64_t>{0, 1}, {-1, 1}, {1, INT64_MIN}}) {
    EntryId id = Sample();
    id.store_id = store, id.object_id = object;
    EXPECT_FALSE(EntryId::Decode(id.Encode()).has_value()) << store << " " << object;
  }
}
