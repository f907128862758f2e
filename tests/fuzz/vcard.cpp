// Fuzzes the vCard reader with arbitrary bytes, then writes every contact read in both versions
// and reads the result again: the writer's output must always be readable as one card.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/pim/VCardReader.h"
#include "platform/pim/VCardWriter.h"

using namespace platform::pim;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 20) return 0;
  VCardReadResult result =
      VCardReader::Read(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const VCardContact& contact : result.contacts) {
    if (contact.photo.size() > kMaxPictureBytes) std::abort();
    for (const auto& [id, text] : contact.texts) {
      if (text.empty() || text.size() > kMaxTextUnits) std::abort();
    }
    for (VCardVersion version : {VCardVersion::k30, VCardVersion::k40}) {
      VCardReadResult again = VCardReader::Read(VCardWriter::Write(contact, version));
      if (again.contacts.size() != 1) std::abort();
    }
  }
  return 0;
}
