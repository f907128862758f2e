#include "platform/registry/RegistryStore.h"

#include <algorithm>
#include <cstdint>

#include <sqlite3.h>

#include "platform/Text.h"
#include "platform/registry/RegistryPath.h"

namespace platform {

namespace {

// Keys form a tree; deleting a key cascades to its subkeys and values. Root rows 1 and 2 have
// no parent. Names keep the spelling first written; "folded" is what lookups compare.
constexpr std::string_view kSchema = R"sql(
CREATE TABLE IF NOT EXISTS reg_keys(
  id INTEGER PRIMARY KEY,
  parent INTEGER REFERENCES reg_keys(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  folded TEXT NOT NULL,
  UNIQUE(parent, folded));
CREATE TABLE IF NOT EXISTS reg_values(
  key_id INTEGER NOT NULL REFERENCES reg_keys(id) ON DELETE CASCADE,
  name TEXT NOT NULL,
  folded TEXT NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL,
  PRIMARY KEY(key_id, folded)) WITHOUT ROWID;
INSERT OR IGNORE INTO reg_keys(id, parent, name, folded)
  VALUES (1, NULL, 'HKEY_CURRENT_USER', ''), (2, NULL, 'HKEY_LOCAL_MACHINE', '');
)sql";

// Conditions of the file (busy, read-only, full, I/O) rather than of the tables.
bool IsFileCondition(int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_NOMEM:
    case SQLITE_PERM:
    case SQLITE_INTERRUPT:
      return true;
    default:
      return false;
  }
}

}  // namespace

int64_t RegistryRootId(RegistryRoot root) {
  return root == RegistryRoot::kLocalMachine ? 2 : 1;
}

bool RegistryStore::EnsureSchema() {
  return db_.WriteTransaction([&] { return db_.Exec(kSchema); });
}

std::optional<int64_t> RegistryStore::FindChild(int64_t parent, const std::u16string& name) {
  Statement s = db_.PrepareCached("SELECT id FROM reg_keys WHERE parent = ?1 AND folded = ?2");
  s.Bind(1, parent).Bind(2, FoldRegistryName(name));
  if (!s.Step()) return std::nullopt;
  return s.Int(0);
}

std::optional<int64_t> RegistryStore::InsertChild(int64_t parent, const std::u16string& name) {
  Statement s = db_.PrepareCached("INSERT INTO reg_keys(parent, name, folded) VALUES (?1, ?2, ?3)");
  s.Bind(1, parent).Bind(2, ToUtf8(name)).Bind(3, FoldRegistryName(name));
  if (!s.Run()) return std::nullopt;
  return db_.LastInsertRowId();
}

std::optional<int64_t> RegistryStore::FindKey(RegistryRoot root,
                                              const std::vector<std::u16string>& path) {
  int64_t id = RegistryRootId(root);
  for (const auto& component : path) {
    auto child = FindChild(id, component);
    if (!child) return std::nullopt;
    id = *child;
  }
  return id;
}

std::optional<int64_t> RegistryStore::CreatePath(RegistryRoot root,
                                                 const std::vector<std::u16string>& path) {
  int64_t id = RegistryRootId(root);
  for (const auto& component : path) {
    auto child = FindChild(id, component);
    if (!child) child = InsertChild(id, component);
    if (!child) return std::nullopt;
    id = *child;
  }
  return id;
}

std::optional<int64_t> RegistryStore::CreateKey(RegistryRoot root,
                                                const std::vector<std::u16string>& path) {
  std::optional<int64_t> result;
  bool committed = db_.WriteTransaction([&] {
    result = CreatePath(root, path);
    return result.has_value();
  });
  return committed ? result : std::nullopt;
}

std::optional<uint32_t> RegistryStore::AddToDword(RegistryRoot root,
                                                  const std::vector<std::u16string>& path,
                                                  std::u16string_view name, int64_t delta) {
  std::optional<uint32_t> result;
  bool committed = db_.WriteTransaction([&] {
    auto key = CreatePath(root, path);
    if (!key) return false;
    int64_t number = 0;
    auto value = GetValue(*key, name);
    if (value && value->type == REG_DWORD && value->data.size() == 4) {
      for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<uint8_t>(value->data[i]);
    }
    // The stored number is 0..0xFFFFFFFF, so only a huge positive delta can overflow.
    int64_t sum = 0;
    if (__builtin_add_overflow(number, delta, &sum)) sum = INT64_MAX;
    number = std::clamp<int64_t>(sum, 0, UINT32_MAX);
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
    result = static_cast<uint32_t>(number);
    return Upsert(*key, name, REG_DWORD, bytes);
  });
  return committed ? result : std::nullopt;
}

std::optional<RegistryValue> RegistryStore::GetValue(int64_t key, std::u16string_view name) {
  Statement s = db_.PrepareCached(
      "SELECT name, type, data FROM reg_values WHERE key_id = ?1 AND folded = ?2");
  s.Bind(1, key).Bind(2, FoldRegistryName(name));
  if (!s.Step()) return std::nullopt;
  return RegistryValue{FromUtf8(s.Text(0)), static_cast<uint32_t>(s.Int(1)), s.Blob(2)};
}

bool RegistryStore::Upsert(int64_t key, std::u16string_view name, uint32_t type,
                           const std::string& data) {
  Statement s = db_.PrepareCached(
      "INSERT INTO reg_values(key_id, name, folded, type, data) VALUES (?1, ?2, ?3, ?4, ?5) "
      "ON CONFLICT(key_id, folded) DO UPDATE SET type = excluded.type, data = excluded.data");
  s.Bind(1, key).Bind(2, ToUtf8(name)).Bind(3, FoldRegistryName(name));
  s.Bind(4, static_cast<int64_t>(type)).BindBlob(5, data.data(), data.size());
  return s.Run();
}

bool RegistryStore::SetValue(int64_t key, std::u16string_view name, uint32_t type,
                             const std::string& data) {
  return db_.WriteTransaction([&] {
    // The key may have been deleted by another process since it was looked up.
    Statement check = db_.PrepareCached("SELECT 1 FROM reg_keys WHERE id = ?1");
    check.Bind(1, key);
    if (!check.Step()) return false;
    return Upsert(key, name, type, data);
  });
}

std::optional<bool> RegistryStore::DeleteValue(int64_t key, std::u16string_view name) {
  bool deleted = false;
  bool committed = db_.WriteTransaction([&] {
    Statement s = db_.PrepareCached("DELETE FROM reg_values WHERE key_id = ?1 AND folded = ?2");
    s.Bind(1, key).Bind(2, FoldRegistryName(name));
    if (!s.Run()) return false;
    deleted = db_.Changes() > 0;
    return true;
  });
  if (!committed) return std::nullopt;
  return deleted;
}

std::optional<bool> RegistryStore::DeleteKey(int64_t key) {
  if (key == RegistryRootId(RegistryRoot::kCurrentUser) ||
      key == RegistryRootId(RegistryRoot::kLocalMachine)) {
    return false;
  }
  bool deleted = false;
  bool committed = db_.WriteTransaction([&] {
    Statement s = db_.PrepareCached("DELETE FROM reg_keys WHERE id = ?1");
    s.Bind(1, key);
    if (!s.Run()) return false;
    deleted = db_.Changes() > 0;
    return true;
  });
  if (!committed) return std::nullopt;
  return deleted;
}

bool RegistryStore::RefusesOurWrites() {
  bool refused = false;
  // Runs one statement; on failure records whether the tables refused it.
  auto run = [&](Statement&& s) {
    if (s.ok() && s.Run()) return true;
    refused = !IsFileCondition(s.ok() ? s.last_code() : sqlite3_errcode(db_.handle()));
    return false;
  };
  db_.WriteTransaction([&] {
    // No key can have this name: paths are split at backslashes.
    const std::u16string scratch = u"\\probe";
    auto key = InsertChild(RegistryRootId(RegistryRoot::kCurrentUser), scratch);
    if (!key) {
      refused = !IsFileCondition(sqlite3_errcode(db_.handle()));
      return false;
    }
    if (!Upsert(*key, u"probe", REG_DWORD, std::string(4, '\0'))) {
      refused = !IsFileCondition(sqlite3_errcode(db_.handle()));
      return false;
    }
    Statement remove = db_.Prepare("DELETE FROM reg_keys WHERE id = ?1");
    remove.Bind(1, *key);
    if (!run(std::move(remove))) return false;
    // The key's values went with it.
    if (GetValue(*key, u"probe")) refused = true;
    return false;  // undo everything
  });
  return refused;
}

bool RegistryStore::ListValues(int64_t key, std::vector<RegistryValue>& out) {
  Statement s = db_.PrepareCached(
      "SELECT name, type, data FROM reg_values WHERE key_id = ?1 ORDER BY folded");
  s.Bind(1, key);
  out.clear();
  while (s.Step()) {
    out.push_back({FromUtf8(s.Text(0)), static_cast<uint32_t>(s.Int(1)), s.Blob(2)});
  }
  return s.ok() && !s.failed();
}

bool RegistryStore::ListSubKeys(int64_t key, std::vector<std::u16string>& out) {
  Statement s = db_.PrepareCached("SELECT name FROM reg_keys WHERE parent = ?1 ORDER BY folded");
  s.Bind(1, key);
  out.clear();
  while (s.Step()) out.push_back(FromUtf8(s.Text(0)));
  return s.ok() && !s.failed();
}

}  // namespace platform
