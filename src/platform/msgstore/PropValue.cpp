#include "platform/msgstore/PropValue.h"

#include <algorithm>
#include <utility>

#include "platform/msgstore/FaultInjection.h"

namespace platform::msgstore {

PropValue PropValue::Long(uint32_t tag, uint32_t value) {
  PropValue v;
  v.tag = tag;
  v.ul = value;
  return v;
}

PropValue PropValue::Time(uint32_t tag, FileTime value) {
  PropValue v;
  v.tag = tag;
  v.ft = value;
  return v;
}

PropValue PropValue::String(uint32_t tag, std::u16string value) {
  PropValue v;
  v.tag = tag;
  v.str = std::move(value);
  return v;
}

PropValue PropValue::Binary(uint32_t tag, std::vector<uint8_t> value) {
  PropValue v;
  v.tag = tag;
  v.bin = std::move(value);
  return v;
}

PropValue PropValue::Error(uint32_t asked_tag, HRESULT error) {
  PropValue v;
  v.tag = CHANGE_PROP_TYPE(asked_tag, PT_ERROR);
  v.err = error;
  return v;
}

HRESULT SelectProps(const PropRow& all, std::span<const uint32_t> tags, PropRow& values) {
  values.clear();
  HRESULT hr = S_OK;
  for (uint32_t tag : tags) {
    auto it =
        std::find_if(all.begin(), all.end(), [tag](const PropValue& v) { return v.tag == tag; });
    if (faults::GetPropsShouldFail(tag)) {
      values.push_back(PropValue::Error(tag, MAPI_E_CALL_FAILED));
    } else if (it == all.end()) {
      values.push_back(PropValue::Error(tag, MAPI_E_NOT_FOUND));
    } else {
      values.push_back(*it);
      continue;
    }
    hr = MAPI_W_ERRORS_RETURNED;
  }
  return hr;
}

}  // namespace platform::msgstore
