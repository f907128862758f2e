// Entry ids: the opaque byte strings that name a store, folder or message for later opening,
// from any session and any process, for as long as the object exists. Layout (40 bytes,
// little-endian): "QBMS", version 1, kind, two zero bytes, store row id (8), object row id (8),
// the object's random nonce (16). The nonce is drawn when the object is created and checked on
// every opening, so a row id that was freed and reused never reopens another object.
//
// Entry ids come from outside (command lines, shared memory, other processes), so Decode
// checks every byte it relies on and refuses anything longer than kMaxEntryIdBytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform::msgstore {

// The largest entry id any caller has to hold (the interception bridge's field size).
inline constexpr size_t kMaxEntryIdBytes = 536;
inline constexpr size_t kEntryIdBytes = 40;
inline constexpr size_t kNonceBytes = 16;

enum class EntryKind : uint8_t { kStore = 1, kFolder = 2, kMessage = 3 };

using Nonce = std::array<uint8_t, kNonceBytes>;

struct EntryId {
  EntryKind kind = EntryKind::kMessage;
  int64_t store_id = 0;
  int64_t object_id = 0;
  Nonce nonce{};

  std::vector<uint8_t> Encode() const;
  // The parts of a well-formed entry id, or nothing for any other bytes.
  static std::optional<EntryId> Decode(std::span<const uint8_t> bytes);

  friend bool operator==(const EntryId&, const EntryId&) = default;
};

// A fresh random nonce (from the system's random source).
Nonce MakeNonce();

}  // namespace platform::msgstore
