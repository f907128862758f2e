#include "mapi/MAPIGetProperty.h"

#include <string>

#include "mapi/MAPITrace.h"

using platform::msgstore::PropRow;
using platform::msgstore::PropValue;

namespace {

void TraceFailure(uint32_t tag, const char* tag_name, const char* file, int line, HRESULT hr,
                  const PropRow& values) {
  if (!mapi::TraceEnabled()) return;
  uint32_t returned_tag = values.empty() ? 0 : values[0].tag;
  HRESULT error = !values.empty() && values[0].IsError() ? values[0].err : S_OK;
  std::string text = "FAIL: MAPIGetProperty(" + std::string(tag_name) + "=0x" + mapi::Hex8(tag) +
                     ") at " + file + ":" + std::to_string(line) + "\r\n\t\t\t\tHRESULT 0x" +
                     mapi::Hex8(static_cast<uint32_t>(hr)) + " count " +
                     std::to_string(values.size()) + " ulPropTag = 0x" + mapi::Hex8(returned_tag) +
                     " err = 0x" + mapi::Hex8(static_cast<uint32_t>(error)) + "\n";
  mapi::Trace(text);
}

}  // namespace

std::optional<PropValue> MAPIGetProperty(platform::msgstore::PropObject& object, uint32_t tag,
                                         const char* tag_name, const char* file, int line) {
  PropRow values;
  const uint32_t tags[] = {tag};
  HRESULT hr = object.GetProps(tags, MAPI_UNICODE, values);
  if (!platform::msgstore::Failed(hr) && values.size() == 1 && values[0].tag == tag) {
    return std::move(values[0]);
  }
  TraceFailure(tag, tag_name, file, line, hr, values);
  return std::nullopt;
}
