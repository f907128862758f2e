// Property ids, value records and result codes of the contact store. A property id is 32
// bits: the property number in the high 16 bits and the value type in the low 16 bits. Values
// travel as PropertyValue records, read and written in the order the caller asks for them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform::pim {

using PropertyId = uint32_t;
using ObjectId = uint32_t;

// Value types (low 16 bits of a property id).
inline constexpr uint16_t kTypeLong = 3;           // 32-bit signed integer
inline constexpr uint16_t kTypeBoolean = 11;       // 0 or 1
inline constexpr uint16_t kTypeUnsignedLong = 19;  // 32-bit unsigned integer
inline constexpr uint16_t kTypeText = 31;          // UTF-16 text
inline constexpr uint16_t kTypeDate = 64;          // file time: 100 ns units since 1601-01-01 UTC
inline constexpr uint16_t kTypeStream = 100;       // byte stream, reached through OpenProperty
inline constexpr uint16_t kTypeRecordId = 102;     // object id

constexpr uint16_t PropertyType(PropertyId id) {
  return static_cast<uint16_t>(id & 0xFFFF);
}
constexpr uint16_t PropertyNumber(PropertyId id) {
  return static_cast<uint16_t>(id >> 16);
}

// Well-known properties.
inline constexpr PropertyId kPropObjectId = 0x10000066;  // read-only, the item's object id
inline constexpr PropertyId kPropPicture = 0x00FF0064;   // picture stream (image file bytes)
inline constexpr PropertyId kPropFolderNotifications = 0x10010013;  // on the contacts folder
inline constexpr PropertyId kPropMobilePhone = 0x0096001F;

// Bits of the folder notification property: 1 local changes, 2 changes made by another
// process; 3 turns both on.
inline constexpr uint32_t kNotifyLocal = 1;
inline constexpr uint32_t kNotifyRemote = 2;

// Folder kinds.
inline constexpr int kFolderContacts = 10;

// Named property flags: low 16 bits are the value type; this bit asks the store to create the
// property when it does not exist yet. The favourite is asked for with 0x0061000B.
inline constexpr uint32_t kNamedPropertyCreate = 0x00010000;
inline constexpr uint32_t kFavoriteNamedFlags = 0x0061000B;
inline constexpr char16_t kFavoritePropertyName[] = u"is_favorite2";

// Stream access.
inline constexpr uint32_t kAccessRead = 0x80000000;
inline constexpr uint32_t kAccessReadWrite = 0xC0000000;

// Pictures larger than this are refused by the store.
inline constexpr size_t kMaxPictureBytes = 2 * 1024 * 1024;
// Longest text value the store holds, in UTF-16 units (its byte length fits 16 bits).
inline constexpr size_t kMaxTextUnits = 32767;

// Record flag: the contact has no value for the property.
inline constexpr uint16_t kFlagNoValue = 0x0100;

// One property value record. For text, `text` holds the value and `length` its size in bytes
// (UTF-16 units times 2, without terminator); for record ids, booleans, longs and dates,
// `number` holds the value (`length` 4, or 8 for dates). A record with flags kFlagNoValue
// carries no value (empty text, number 0).
struct PropertyValue {
  PropertyId id = 0;
  uint16_t length = 0;
  uint16_t flags = 0;
  std::u16string text;
  int64_t number = 0;

  bool HasValue() const { return (flags & kFlagNoValue) == 0; }
  // A text property counts as present only when its type is text and it has a value.
  bool HasText() const { return PropertyType(id) == kTypeText && HasValue(); }

  static PropertyValue Text(PropertyId id, std::u16string value);
  static PropertyValue Number(PropertyId id, int64_t value);
  static PropertyValue NoValue(PropertyId id);
};

// Result of a store call. Expected failures are values; nothing throws.
enum class PimResult {
  kOk,
  kNotFound,         // the item (or property) does not exist (any more)
  kInvalidArgument,  // wrong type, read-only property, text too long, bad position
  kTooLarge,         // a picture over kMaxPictureBytes
  kAccessDenied,     // writing a stream opened for reading
  kNotLoggedOn,
  kStoreError,  // the database failed (see PimApplication::LastError)
};

// Receives change notifications: message (PIM_ITEM_* of platform/Messages.h) and the
// contact's object id. Called on the thread that made a local change, and on the store's
// watcher thread for changes made by another process; it must be safe to call from any thread
// (the shell binds it to posting a window message) and must not call back into the store
// synchronously.
using NotificationSink = std::function<void(uint32_t message, uint32_t object_id)>;

}  // namespace platform::pim
