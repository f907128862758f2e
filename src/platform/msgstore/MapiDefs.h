// Numbers of the message-store interface: result codes, property types and tags, and the flag
// values callers pass. They keep the values of the old phone platform's messaging interface
// because entry ids, tags and flags cross process boundaries (the interception bridge hands an
// entry id over shared memory) and appear in diagnostics.
#pragma once

#include <cstdint>

using HRESULT = int32_t;

// Result codes. Negative values are failures.
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT MAPI_W_ERRORS_RETURNED = 0x00040380;
inline constexpr HRESULT MAPI_W_PARTIAL_COMPLETION = 0x00040680;
inline constexpr HRESULT MAPI_E_CALL_FAILED = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT MAPI_E_NO_ACCESS = static_cast<HRESULT>(0x80070005u);
inline constexpr HRESULT MAPI_E_NOT_ENOUGH_MEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT MAPI_E_INVALID_PARAMETER = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT MAPI_E_NO_SUPPORT = static_cast<HRESULT>(0x80040102u);
inline constexpr HRESULT MAPI_E_INVALID_ENTRYID = static_cast<HRESULT>(0x80040107u);
inline constexpr HRESULT MAPI_E_INVALID_OBJECT = static_cast<HRESULT>(0x80040108u);
inline constexpr HRESULT MAPI_E_OBJECT_DELETED = static_cast<HRESULT>(0x8004010Au);
inline constexpr HRESULT MAPI_E_BUSY = static_cast<HRESULT>(0x8004010Bu);
inline constexpr HRESULT MAPI_E_NOT_FOUND = static_cast<HRESULT>(0x8004010Fu);
inline constexpr HRESULT MAPI_E_LOGON_FAILED = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT MAPI_E_DISK_ERROR = static_cast<HRESULT>(0x80040116u);
inline constexpr HRESULT MAPI_E_CORRUPT_DATA = static_cast<HRESULT>(0x8004011Bu);
inline constexpr HRESULT MAPI_E_TOO_BIG = static_cast<HRESULT>(0x80040305u);

// Property types (the low 16 bits of a tag).
inline constexpr uint32_t PT_UNSPECIFIED = 0x0000;
inline constexpr uint32_t PT_LONG = 0x0003;
inline constexpr uint32_t PT_ERROR = 0x000A;
inline constexpr uint32_t PT_UNICODE = 0x001F;
inline constexpr uint32_t PT_SYSTIME = 0x0040;
inline constexpr uint32_t PT_BINARY = 0x0102;

constexpr uint32_t PROP_TYPE(uint32_t tag) {
  return tag & 0xFFFFu;
}
constexpr uint32_t PROP_ID(uint32_t tag) {
  return tag >> 16;
}
constexpr uint32_t PROP_TAG(uint32_t type, uint32_t id) {
  return (id << 16) | (type & 0xFFFFu);
}
// The same property id with another type (an error value keeps the id of the asked tag).
constexpr uint32_t CHANGE_PROP_TYPE(uint32_t tag, uint32_t type) {
  return (tag & 0xFFFF0000u) | (type & 0xFFFFu);
}

// Property tags.
inline constexpr uint32_t PR_DISPLAY_NAME = 0x3001001F;
inline constexpr uint32_t PR_ENTRYID = 0x0FFF0102;
inline constexpr uint32_t PR_SENDER_EMAIL_ADDRESS = 0x0C1F001F;
inline constexpr uint32_t PR_SENDER_NAME = 0x0C1A001F;
inline constexpr uint32_t PR_MESSAGE_FLAGS = 0x0E070003;
inline constexpr uint32_t PR_MSG_STATUS = 0x0E170003;
inline constexpr uint32_t PR_SUBJECT = 0x0037001F;
inline constexpr uint32_t PR_MESSAGE_CLASS = 0x001A001F;
inline constexpr uint32_t PR_CREATION_TIME = 0x30070040;
inline constexpr uint32_t PR_MESSAGE_DELIVERY_TIME = 0x0E060040;
inline constexpr uint32_t PR_DELIVER_TIME = 0x00100040;
inline constexpr uint32_t PR_RECEIPT_TIME = 0x002A0040;
inline constexpr uint32_t PR_RECIPIENT_TYPE = 0x0C150003;
inline constexpr uint32_t PR_ADDRTYPE = 0x3002001F;
inline constexpr uint32_t PR_EMAIL_ADDRESS = 0x3003001F;
inline constexpr uint32_t PR_ROWID = 0x30000003;
inline constexpr uint32_t PR_CONTENT_COUNT = 0x36020003;
inline constexpr uint32_t PR_CONTENT_UNREAD = 0x36030003;

// Store properties holding the entry ids of the special folders.
inline constexpr uint32_t PR_IPM_WASTEBASKET_ENTRYID = 0x35E30102;
inline constexpr uint32_t PR_CE_IPM_DRAFTS_ENTRYID = 0x81040102;
inline constexpr uint32_t PR_CE_IPM_INBOX_ENTRYID = 0x81060102;
inline constexpr uint32_t PR_IPM_OUTBOX_ENTRYID = 0x35E20102;
inline constexpr uint32_t PR_IPM_SENTMAIL_ENTRYID = 0x35E40102;

// Flags.
inline constexpr uint32_t MAPI_MODIFY = 0x00000001;
inline constexpr uint32_t MAPI_BEST_ACCESS = 0x00000010;
inline constexpr uint32_t MDB_NO_DIALOG = 0x00000001;
inline constexpr uint32_t MAPI_UNICODE = 0x80000000;
inline constexpr uint32_t MODRECIP_ADD = 0x00000002;
inline constexpr uint32_t MODRECIP_MODIFY = 0x00000004;
inline constexpr uint32_t MODRECIP_REMOVE = 0x00000008;
inline constexpr uint32_t MAPI_TO = 1;
inline constexpr uint32_t MAPI_CC = 2;
inline constexpr uint32_t MAPI_BCC = 3;

// PR_MESSAGE_FLAGS bits.
inline constexpr uint32_t MSGFLAG_READ = 0x0001;
inline constexpr uint32_t MSGFLAG_UNMODIFIED = 0x0002;
inline constexpr uint32_t MSGFLAG_SUBMIT = 0x0004;
inline constexpr uint32_t MSGFLAG_UNSENT = 0x0008;
inline constexpr uint32_t MSGFLAG_FROMME = 0x0020;

// A file time: 100-nanosecond intervals since 1601-01-01 UTC, as one 64-bit number.
using FileTime = uint64_t;

namespace platform::msgstore {

constexpr bool Failed(HRESULT hr) {
  return hr < 0;
}

// Seconds between 1601-01-01 and 1970-01-01.
inline constexpr int64_t kFileTimeEpochOffsetSeconds = 11644473600;

// Converts Unix seconds to a file time; times before 1601 become 0.
constexpr FileTime FileTimeFromUnixSeconds(int64_t seconds) {
  if (seconds < -kFileTimeEpochOffsetSeconds) return 0;
  constexpr int64_t kMaxSeconds =
      static_cast<int64_t>(UINT64_MAX / 10000000ull) - kFileTimeEpochOffsetSeconds;
  if (seconds > kMaxSeconds) seconds = kMaxSeconds;
  return static_cast<FileTime>(seconds + kFileTimeEpochOffsetSeconds) * 10000000ull;
}

constexpr int64_t UnixSecondsFromFileTime(FileTime time) {
  return static_cast<int64_t>(time / 10000000ull) - kFileTimeEpochOffsetSeconds;
}

}  // namespace platform::msgstore
