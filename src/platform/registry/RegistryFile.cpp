#include "platform/registry/RegistryFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>

#include <sqlite3.h>

#include "platform/registry/RegistryStore.h"

namespace platform {

namespace {

enum class Health { kGood, kCorrupt, kUnusable };

constexpr int kMaxCorruptCopies = 1000;

void LogOnce(const std::string& path, const std::string& message) {
  static std::mutex mutex;
  static std::set<std::string> logged;
  std::lock_guard lock(mutex);
  if (logged.insert(path).second) std::fprintf(stderr, "registry: %s\n", message.c_str());
}

// A non-empty file must start with SQLite's magic; anything else is not ours to open.
bool HasForeignHeader(const std::string& path) {
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (ec || size == 0) return false;
  static constexpr char kMagic[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f',
                                      'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
  char head[16] = {};
  std::ifstream in(path, std::ios::binary);
  if (!in.read(head, sizeof head)) return true;
  return !std::equal(head, head + sizeof head, kMagic);
}

struct SqliteCloser {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

// Checks an existing file on a connection of its own before the store is opened, so that
// damage is told apart from a busy or unreadable file by SQLite's own result codes.
Health Probe(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return ec ? Health::kUnusable : Health::kGood;
  if (HasForeignHeader(path)) return Health::kCorrupt;
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<sqlite3, SqliteCloser> db(raw);
  if (rc != SQLITE_OK) return Health::kUnusable;
  sqlite3_busy_timeout(raw, 5000);
  std::string first_row;
  auto collect = [](void* out, int columns, char** values, char**) {
    auto* text = static_cast<std::string*>(out);
    if (text->empty() && columns > 0 && values[0]) *text = values[0];
    return 0;
  };
  rc = sqlite3_exec(raw, "PRAGMA quick_check", collect, &first_row, nullptr);
  if (rc == SQLITE_CORRUPT || rc == SQLITE_NOTADB) return Health::kCorrupt;
  if (rc != SQLITE_OK) return Health::kUnusable;
  return first_row == "ok" ? Health::kGood : Health::kCorrupt;
}

// Our tables exist with the columns we use (a foreign database of the same name fails).
bool HasOurTables(Database& db) {
  return db.Prepare("SELECT id, parent, name, folded FROM reg_keys LIMIT 0").ok() &&
         db.Prepare("SELECT key_id, name, folded, type, data FROM reg_values LIMIT 0").ok();
}

bool MoveAside(const std::string& path) {
  namespace fs = std::filesystem;
  for (int n = 1; n <= kMaxCorruptCopies; ++n) {
    std::string target = path + ".corrupt-" + std::to_string(n);
    std::error_code ec;
    if (fs::exists(target, ec) || ec) continue;
    fs::rename(path, target, ec);
    if (ec) return false;
    // A log left beside the new, empty file would be replayed into it.
    fs::rename(path + "-wal", target + "-wal", ec);
    fs::remove(path + "-shm", ec);
    std::fprintf(stderr, "registry: %s was damaged; moved to %s, starting empty\n", path.c_str(),
                 target.c_str());
    return true;
  }
  return false;
}

bool HasAnyTable(Database& db) {
  Statement s = db.Prepare("SELECT 1 FROM sqlite_master LIMIT 1");
  return s.Step();
}

// Opens and checks one time; kCorrupt asks the caller to move the file aside and retry.
Health TryOpen(const std::string& path, std::unique_ptr<Database>& out) {
  Health health = Probe(path);
  if (health != Health::kGood) {
    if (health == Health::kUnusable) LogOnce(path, "cannot read " + path);
    return health;
  }
  auto db = std::make_unique<Database>(path);
  if (!db->ok()) {
    LogOnce(path, "cannot open " + db->error());
    return Health::kUnusable;
  }
  bool writable = RegistryStore(*db).EnsureSchema();
  if (HasOurTables(*db)) {
    // Our columns under other constraints or references: reads work, every write fails.
    if (RegistryStore(*db).RefusesOurWrites()) return Health::kCorrupt;
    if (!writable) LogOnce(path, "cannot write " + db->error());
    out = std::move(db);
    return Health::kGood;
  }
  // Tables of the same names but another shape: a foreign database.
  if (HasAnyTable(*db)) return Health::kCorrupt;
  LogOnce(path, "cannot create the store " + db->error());
  return Health::kUnusable;
}

}  // namespace

std::unique_ptr<Database> OpenRegistryFile(const std::string& path) {
  std::unique_ptr<Database> db;
  Health health = TryOpen(path, db);
  if (health == Health::kCorrupt) {
    if (!MoveAside(path)) {
      LogOnce(path, "cannot move the damaged store " + path + " aside");
      return nullptr;
    }
    health = TryOpen(path, db);
  }
  return health == Health::kGood ? std::move(db) : nullptr;
}

}  // namespace platform
