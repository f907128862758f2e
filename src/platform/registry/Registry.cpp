#include "platform/registry/Registry.h"

#include <cstring>
#include <map>
#include <mutex>

#include "platform/Paths.h"
#include "platform/Sqlite.h"
#include "platform/registry/RegistryFile.h"
#include "platform/registry/RegistryPath.h"
#include "platform/registry/RegistryStore.h"
#include "platform/registry/RegistryWatcher.h"

namespace platform {

// One connection shared by every thread of the process, each call under mutex_.
class Registry::Impl {
 public:
  explicit Impl(const std::string& path)
      : path_(path),
        db_(OpenRegistryFile(path)),
        watcher_(std::make_shared<RegistryWatcher>(path)) {}
  ~Impl() { watcher_->Stop(); }

  // Runs body with the store, or returns fallback when no store is open.
  template <typename Body>
  RegResult WithStore(RegResult fallback, Body&& body) {
    std::lock_guard lock(mutex_);
    if (!db_) return fallback;
    RegistryStore store(*db_);
    return body(store);
  }

  const std::string path_;
  std::mutex mutex_;
  std::unique_ptr<Database> db_;  // null when unusable; guarded by mutex_
  std::shared_ptr<RegistryWatcher> watcher_;
};

namespace {

bool IsKnownRoot(RegistryRoot root) {
  return root == RegistryRoot::kCurrentUser || root == RegistryRoot::kLocalMachine;
}

std::optional<std::vector<std::u16string>> CheckedPath(RegistryRoot root, std::u16string_view key) {
  if (!IsKnownRoot(root)) return std::nullopt;
  return SplitRegistryPath(key);
}

}  // namespace

Registry& Registry::ForDevice() {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<Registry>> registries;
  std::lock_guard lock(mutex);
  std::string path = DeviceDir() + "/registry.db";
  auto& slot = registries[path];
  if (!slot) slot = std::make_unique<Registry>(path);
  return *slot;
}

Registry::Registry(const std::string& path) : impl_(std::make_unique<Impl>(path)) {}

Registry::~Registry() = default;

bool Registry::usable() const {
  std::lock_guard lock(impl_->mutex_);
  return impl_->db_ != nullptr;
}

const std::string& Registry::path() const {
  return impl_->path_;
}

RegResult Registry::OpenKey(RegistryRoot root, std::u16string_view key) {
  auto path = CheckedPath(root, key);
  if (!path) return ERROR_INVALID_PARAMETER;
  return impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    return store.FindKey(root, *path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

RegResult Registry::CreateKey(RegistryRoot root, std::u16string_view key) {
  auto path = CheckedPath(root, key);
  if (!path) return ERROR_INVALID_PARAMETER;
  RegResult result = impl_->WithStore(ERROR_CANTWRITE, [&](RegistryStore& store) {
    return store.CreateKey(root, *path) ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
  if (result == ERROR_SUCCESS) impl_->watcher_->Poke();
  return result;
}

std::optional<RegistryValue> Registry::GetValue(RegistryRoot root, std::u16string_view key,
                                                std::u16string_view name) {
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name)) return std::nullopt;
  std::optional<RegistryValue> value;
  impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    if (auto id = store.FindKey(root, *path)) value = store.GetValue(*id, name);
    return ERROR_SUCCESS;
  });
  return value;
}

RegResult Registry::QueryValue(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                               uint32_t* type, void* data, uint32_t* size) {
  if (data && !size) return ERROR_INVALID_PARAMETER;
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name)) return ERROR_INVALID_PARAMETER;
  std::optional<RegistryValue> value = GetValue(root, key, name);
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  const auto length = static_cast<uint32_t>(value->data.size());
  RegResult result = ERROR_SUCCESS;
  if (data && length > *size) {
    result = ERROR_MORE_DATA;
  } else if (data && length > 0) {
    std::memcpy(data, value->data.data(), length);
  }
  if (size) *size = length;
  return result;
}

RegResult Registry::SetValue(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                             uint32_t type, const void* data, uint32_t size) {
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name)) return ERROR_INVALID_PARAMETER;
  if (size > kMaxRegistryValueBytes || (size > 0 && !data)) return ERROR_INVALID_PARAMETER;
  std::string bytes(static_cast<const char*>(data), size);
  RegResult result = impl_->WithStore(ERROR_CANTWRITE, [&](RegistryStore& store) {
    auto id = store.CreateKey(root, *path);
    return id && store.SetValue(*id, name, type, bytes) ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
  if (result == ERROR_SUCCESS) impl_->watcher_->Poke();
  return result;
}

RegResult Registry::AddToDword(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                               int64_t delta, uint32_t* result) {
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name)) return ERROR_INVALID_PARAMETER;
  RegResult code = impl_->WithStore(ERROR_CANTWRITE, [&](RegistryStore& store) {
    auto number = store.AddToDword(root, *path, name, delta);
    if (number && result) *result = *number;
    return number ? ERROR_SUCCESS : ERROR_CANTWRITE;
  });
  if (code == ERROR_SUCCESS) impl_->watcher_->Poke();
  return code;
}

RegResult Registry::DeleteValue(RegistryRoot root, std::u16string_view key,
                                std::u16string_view name) {
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name)) return ERROR_INVALID_PARAMETER;
  RegResult result = impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    auto id = store.FindKey(root, *path);
    if (!id) return ERROR_FILE_NOT_FOUND;
    auto deleted = store.DeleteValue(*id, name);
    if (!deleted) return ERROR_CANTWRITE;
    return *deleted ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
  if (result == ERROR_SUCCESS) impl_->watcher_->Poke();
  return result;
}

RegResult Registry::DeleteKey(RegistryRoot root, std::u16string_view key) {
  auto path = CheckedPath(root, key);
  if (!path || path->empty()) return ERROR_INVALID_PARAMETER;
  RegResult result = impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    auto id = store.FindKey(root, *path);
    if (!id) return ERROR_FILE_NOT_FOUND;
    auto deleted = store.DeleteKey(*id);
    if (!deleted) return ERROR_CANTWRITE;
    return *deleted ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
  if (result == ERROR_SUCCESS) impl_->watcher_->Poke();
  return result;
}

RegResult Registry::EnumValues(RegistryRoot root, std::u16string_view key,
                               std::vector<RegistryValue>& out) {
  out.clear();
  auto path = CheckedPath(root, key);
  if (!path) return ERROR_INVALID_PARAMETER;
  return impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    auto id = store.FindKey(root, *path);
    if (!id) return ERROR_FILE_NOT_FOUND;
    return store.ListValues(*id, out) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

RegResult Registry::EnumSubKeys(RegistryRoot root, std::u16string_view key,
                                std::vector<std::u16string>& out) {
  out.clear();
  auto path = CheckedPath(root, key);
  if (!path) return ERROR_INVALID_PARAMETER;
  return impl_->WithStore(ERROR_FILE_NOT_FOUND, [&](RegistryStore& store) {
    auto id = store.FindKey(root, *path);
    if (!id) return ERROR_FILE_NOT_FOUND;
    return store.ListSubKeys(*id, out) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
  });
}

std::unique_ptr<RegistryWatch> Registry::Watch(RegistryRoot root, std::u16string_view key,
                                               std::u16string_view name,
                                               std::function<void()> callback) {
  auto path = CheckedPath(root, key);
  if (!path || !IsValidRegistryValueName(name) || !callback) return nullptr;
  // Without a store nothing can change: the watch stays silent and needs no thread.
  if (!usable()) return std::make_unique<RegistryWatch>();
  RegistryWatcher::State initial = GetValue(root, key, name);
  return impl_->watcher_->Add(root, std::move(*path), std::u16string(name), std::move(initial),
                              std::move(callback));
}

}  // namespace platform
