// The property interface shared by stores, folders and messages.
#pragma once

#include <cstdint>
#include <span>

#include "platform/msgstore/PropValue.h"

namespace platform::msgstore {

class PropObject {
 public:
  virtual ~PropObject() = default;

  // Reads the given tags: `values` receives one value per tag, in order. A tag the object
  // lacks (or cannot read) gives a PT_ERROR value with its error code; the result is then
  // MAPI_W_ERRORS_RETURNED. A failure code means nothing could be read (`values` empty),
  // for example MAPI_E_OBJECT_DELETED when the object no longer exists.
  virtual HRESULT GetProps(std::span<const uint32_t> tags, uint32_t flags, PropRow& values) = 0;
};

}  // namespace platform::msgstore
