#include "platform/sip/InputMethods.h"

#include <algorithm>

#include "platform/Text.h"
#include "platform/com/BuiltInComponents.h"
#include "platform/registry/Registry.h"
#include "platform/sip/BuiltInInputMethods.h"

namespace platform::sip {

namespace {

constexpr char16_t kSipKey[] = u"ControlPanel\\Sip";
constexpr char16_t kDefaultImValue[] = u"DefaultIm";

std::optional<InputMethodEntry> ReadEntry(const std::u16string& subkey) {
  auto clsid = com::ParseGuid(subkey);
  if (!clsid) return std::nullopt;
  const std::u16string key = com::kClassesKey + std::u16string(u"\\") + subkey;
  if (ReadRegistryString(HKEY_LOCAL_MACHINE, key, u"IsSIPInputMethod") != u"1") {
    return std::nullopt;
  }
  auto name = ReadRegistryString(HKEY_LOCAL_MACHINE, key, u"", kMaxInputMethodName + 1);
  if (!name || name->empty()) return std::nullopt;
  return InputMethodEntry{*name, *clsid};
}

bool IsInstalled(const com::CLSID& clsid) {
  for (const InputMethodEntry& entry : EnumerateInputMethods()) {
    if (entry.clsid == clsid) return true;
  }
  return false;
}

}  // namespace

std::vector<InputMethodEntry> EnumerateInputMethods() {
  com::InstallBuiltInComponents();
  std::vector<std::u16string> subkeys;
  Registry::ForDevice().EnumSubKeys(HKEY_LOCAL_MACHINE, com::kClassesKey, subkeys);
  std::vector<InputMethodEntry> methods;
  for (const std::u16string& subkey : subkeys) {
    if (methods.size() >= kMaxInputMethods) break;
    if (auto entry = ReadEntry(subkey)) methods.push_back(std::move(*entry));
  }
  std::stable_sort(methods.begin(), methods.end(),
                   [](const auto& a, const auto& b) { return CompareNoCase(a.name, b.name) < 0; });
  return methods;
}

com::CLSID SipGetCurrentIM() {
  if (auto text = ReadRegistryString(HKEY_CURRENT_USER, kSipKey, kDefaultImValue)) {
    if (auto clsid = com::ParseGuid(*text); clsid && IsInstalled(*clsid)) return *clsid;
  }
  return CLSID_FullKeyboard;
}

bool SipSetCurrentIM(const com::CLSID& clsid) {
  if (!IsInstalled(clsid)) return false;
  return WriteRegistryString(HKEY_CURRENT_USER, kSipKey, kDefaultImValue, com::FormatGuid(clsid));
}

}  // namespace platform::sip
