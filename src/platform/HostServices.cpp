#include "platform/HostServices.h"

#include <cstring>
#include <string>

#include "platform/Paths.h"
#include "platform/ipc/InstanceEndpoint.h"
#include "platform/ipc/SharedMemory.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

// Longest string a library may hand over (UTF-16 units); longer ones are refused.
constexpr size_t kMaxHostString = 4096;

bool BoundedText(const char16_t* text, std::u16string_view& out) {
  if (!text) return false;
  size_t length = 0;
  while (length <= kMaxHostString && text[length] != 0) ++length;
  if (length > kMaxHostString) return false;
  out = std::u16string_view(text, length);
  return true;
}

bool ToRoot(uint32_t value, RegistryRoot& root) {
  if (value != static_cast<uint32_t>(HKEY_CURRENT_USER) &&
      value != static_cast<uint32_t>(HKEY_LOCAL_MACHINE)) {
    return false;
  }
  root = static_cast<RegistryRoot>(value);
  return true;
}

int RegSetDword(uint32_t root_value, const char16_t* key, const char16_t* name, uint32_t value) {
  RegistryRoot root{};
  std::u16string_view key_text, name_text;
  if (!ToRoot(root_value, root) || !BoundedText(key, key_text) || !BoundedText(name, name_text)) {
    return 0;
  }
  return WriteRegistryDword(root, key_text, name_text, value) ? 1 : 0;
}

int RegSetString(uint32_t root_value, const char16_t* key, const char16_t* name,
                 const char16_t* text) {
  RegistryRoot root{};
  std::u16string_view key_text, name_text, value_text;
  if (!ToRoot(root_value, root) || !BoundedText(key, key_text) || !BoundedText(name, name_text) ||
      !BoundedText(text, value_text)) {
    return 0;
  }
  return WriteRegistryString(root, key_text, name_text, value_text) ? 1 : 0;
}

int SharedMemoryWrite(const char* name, size_t offset, const void* bytes, size_t size) {
  if (!name || (!bytes && size > 0)) return 0;
  auto block = ipc::SharedMemory::Open(name);
  if (!block || offset > block->Size() || size > block->Size() - offset) return 0;
  if (size > 0) std::memcpy(static_cast<char*>(block->Data()) + offset, bytes, size);
  return 1;
}

int PostRegisteredMessage(const char16_t* window_class, const char16_t* title,
                          const char* message_name) {
  std::u16string_view class_text, title_text;
  if (!BoundedText(window_class, class_text) || !BoundedText(title, title_text) || !message_name) {
    return 0;
  }
  ipc::InstanceRequest request;
  request.post_message = message_name;
  return ipc::InstanceEndpoint(class_text, title_text, DeviceDir()).Send(request) ? 1 : 0;
}

constexpr QbHostServices kServices{kQbHostServicesVersion, RegSetDword, RegSetString,
                                   SharedMemoryWrite, PostRegisteredMessage};

}  // namespace

const QbHostServices& HostServices() {
  return kServices;
}

}  // namespace platform
