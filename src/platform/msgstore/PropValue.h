// One property value of a store object, as the message-store interface passes it: the tag
// (type in the low 16 bits) and the value of that type. A property that an object lacks comes
// back as a value of type PT_ERROR carrying the error code (MAPI_E_NOT_FOUND), never as zero.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/msgstore/MapiDefs.h"

namespace platform::msgstore {

struct PropValue {
  uint32_t tag = 0;
  uint32_t ul = 0;           // PT_LONG
  FileTime ft = 0;           // PT_SYSTIME
  std::u16string str;        // PT_UNICODE
  std::vector<uint8_t> bin;  // PT_BINARY
  HRESULT err = S_OK;        // PT_ERROR

  uint32_t type() const { return PROP_TYPE(tag); }
  bool IsError() const { return type() == PT_ERROR; }

  static PropValue Long(uint32_t tag, uint32_t value);
  static PropValue Time(uint32_t tag, FileTime value);
  static PropValue String(uint32_t tag, std::u16string value);
  static PropValue Binary(uint32_t tag, std::vector<uint8_t> value);
  // The error value reported for `asked_tag`: its id with type PT_ERROR.
  static PropValue Error(uint32_t asked_tag, HRESULT error);

  friend bool operator==(const PropValue&, const PropValue&) = default;
};

using PropRow = std::vector<PropValue>;

// Picks the values of `tags` from all of an object's values, in the order of the tags; a tag
// that is missing (or made to fail by fault injection) gives a PT_ERROR value. Returns S_OK or
// MAPI_W_ERRORS_RETURNED.
HRESULT SelectProps(const PropRow& all, std::span<const uint32_t> tags, PropRow& values);

// Largest value accepted for one string or binary property, in bytes. Larger values are
// refused with MAPI_E_TOO_BIG so that one write cannot bloat the store.
inline constexpr size_t kMaxPropertyBytes = 256 * 1024;

}  // namespace platform::msgstore
