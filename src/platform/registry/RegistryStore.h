// The registry's tables on one SQLite connection: keys as a tree (each row names its parent;
// the two roots are fixed rows), values keyed by their key and folded name. Callers give
// paths already split and checked (RegistryPath.h). Not thread-safe: the connection's owner
// serialises calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Sqlite.h"
#include "platform/registry/Registry.h"

namespace platform {

class RegistryStore {
 public:
  explicit RegistryStore(Database& db) : db_(db) {}

  // Creates the tables and root rows when missing. False when the store cannot be written.
  bool EnsureSchema();

  // Id of the key, or nullopt when it (or a parent) does not exist or on a read error.
  std::optional<int64_t> FindKey(RegistryRoot root, const std::vector<std::u16string>& path);
  // Id of the key, created with its missing parents; nullopt when the write failed.
  std::optional<int64_t> CreateKey(RegistryRoot root, const std::vector<std::u16string>& path);

  // Adds delta to a REG_DWORD in one writing transaction (a missing value or one of another
  // shape counts as 0), clamped to 0..0xFFFFFFFF, creating the key when missing. The new
  // number, or nullopt when the store could not be written.
  std::optional<uint32_t> AddToDword(RegistryRoot root, const std::vector<std::u16string>& path,
                                     std::u16string_view name, int64_t delta);

  std::optional<RegistryValue> GetValue(int64_t key, std::u16string_view name);
  bool SetValue(int64_t key, std::u16string_view name, uint32_t type, const std::string& data);
  // Whether a value was deleted; nullopt when the store could not be written.
  std::optional<bool> DeleteValue(int64_t key, std::u16string_view name);
  // Deletes a key with its subtree (never a root): whether it was deleted; nullopt when the
  // store could not be written.
  std::optional<bool> DeleteKey(int64_t key);

  // Makes each kind of write the store makes (a key, a value, a delete that cascades) on a
  // scratch key and undoes them. True when the tables refuse one: they have our columns but
  // another shape. A store that is busy, read-only or full does not count as refusing.
  bool RefusesOurWrites();

  bool ListValues(int64_t key, std::vector<RegistryValue>& out);
  bool ListSubKeys(int64_t key, std::vector<std::u16string>& out);

 private:
  std::optional<int64_t> FindChild(int64_t parent, const std::u16string& name);
  std::optional<int64_t> InsertChild(int64_t parent, const std::u16string& name);
  // Parts of the writes, for use inside a transaction.
  std::optional<int64_t> CreatePath(RegistryRoot root, const std::vector<std::u16string>& path);
  bool Upsert(int64_t key, std::u16string_view name, uint32_t type, const std::string& data);

  Database& db_;
};

// Row id of a root key.
int64_t RegistryRootId(RegistryRoot root);

}  // namespace platform
