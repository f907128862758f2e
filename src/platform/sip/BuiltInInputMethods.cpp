#include "platform/sip/BuiltInInputMethods.h"

#include <memory>

#include "platform/com/BuiltInComponents.h"
#include "platform/com/Component.h"
#include "platform/registry/Registry.h"
#include "platform/sip/FullKeyboardLayout.h"
#include "platform/sip/PhoneKeypadLayout.h"
#include "platform/sip/SoftKeyboard.h"

namespace platform::sip {

namespace {

// The entry of one class, each value written only when missing, so that an entry changed on
// the device (a renamed method) stays as it is.
void EnsureRegistryEntry(const com::CLSID& clsid, std::u16string_view name) {
  const std::u16string key = com::kClassesKey + std::u16string(u"\\") + com::FormatGuid(clsid);
  const std::u16string server = key + u"\\InprocServer32";
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, key, u"")) {
    WriteRegistryString(HKEY_LOCAL_MACHINE, key, u"", name);
  }
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, key, u"IsSIPInputMethod")) {
    WriteRegistryString(HKEY_LOCAL_MACHINE, key, u"IsSIPInputMethod", u"1");
  }
  if (!ReadRegistryString(HKEY_LOCAL_MACHINE, server, u"")) {
    WriteRegistryString(HKEY_LOCAL_MACHINE, server, u"", u"qbkeyboards.so");
  }
}

void RecordCode() {
  static bool recorded = false;
  if (recorded) return;
  recorded = true;
  com::RegisterClassCode(CLSID_FullKeyboard, [] {
    return static_cast<com::IUnknown*>(
        new SoftKeyboard(std::make_unique<FullKeyboardLayout>()));  // owned by its references
  });
  com::RegisterClassCode(CLSID_PhoneKeypad, [] {
    return static_cast<com::IUnknown*>(
        new SoftKeyboard(std::make_unique<PhoneKeypadLayout>()));  // owned by its references
  });
}

}  // namespace

void InstallBuiltInInputMethods() {
  RecordCode();
  EnsureRegistryEntry(CLSID_FullKeyboard, kFullKeyboardName);
  EnsureRegistryEntry(CLSID_PhoneKeypad, kPhoneKeypadName);
}

}  // namespace platform::sip
