#include "platform/com/Component.h"

#include <utility>
#include <vector>

#include "platform/com/BuiltInComponents.h"
#include "platform/registry/Registry.h"

namespace platform::com {

namespace {

std::vector<std::pair<CLSID, ClassFactory>>& ClassCode() {
  static auto* table = new std::vector<std::pair<CLSID, ClassFactory>>;  // whole process
  return *table;
}

bool HasRegistryEntry(const CLSID& clsid) {
  const std::u16string key =
      kClassesKey + std::u16string(u"\\") + FormatGuid(clsid) + u"\\InprocServer32";
  return Registry::ForDevice().OpenKey(HKEY_LOCAL_MACHINE, key) == ERROR_SUCCESS;
}

}  // namespace

void RegisterClassCode(const CLSID& clsid, ClassFactory factory) {
  for (auto& entry : ClassCode()) {
    if (entry.first == clsid) {
      entry.second = std::move(factory);
      return;
    }
  }
  ClassCode().emplace_back(clsid, std::move(factory));
}

HRESULT CoCreateInstance(const CLSID& clsid, const IID& iid, void** out) {
  if (out == nullptr) return kPointer;
  *out = nullptr;
  InstallBuiltInComponents();
  if (!HasRegistryEntry(clsid)) return kClassNotRegistered;
  for (const auto& [registered, factory] : ClassCode()) {
    if (!(registered == clsid)) continue;
    IUnknown* instance = factory();
    if (instance == nullptr) return kFail;
    const HRESULT result = instance->QueryInterface(iid, out);
    instance->Release();
    return result;
  }
  return kClassNotRegistered;
}

}  // namespace platform::com
