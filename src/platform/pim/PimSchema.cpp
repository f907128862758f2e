#include "platform/pim/PimSchema.h"

#include "platform/Sqlite.h"

namespace platform::pim {

namespace {

constexpr const char* kCreateTables = R"sql(
CREATE TABLE IF NOT EXISTS contacts(oid INTEGER PRIMARY KEY AUTOINCREMENT);
CREATE TABLE IF NOT EXISTS props(
  oid INTEGER NOT NULL REFERENCES contacts(oid) ON DELETE CASCADE,
  prop INTEGER NOT NULL,
  text BLOB,
  num INTEGER,
  PRIMARY KEY(oid, prop)) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS pictures(
  oid INTEGER PRIMARY KEY REFERENCES contacts(oid) ON DELETE CASCADE,
  bytes BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS named_props(name TEXT PRIMARY KEY, prop INTEGER NOT NULL UNIQUE);
CREATE TABLE IF NOT EXISTS changes(
  seq INTEGER PRIMARY KEY AUTOINCREMENT,
  oid INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  writer INTEGER NOT NULL);
)sql";

}  // namespace

bool PrepareSchema(Database& db, std::string* error) {
  int64_t version = -1;
  bool ok = db.WriteTransaction([&] {
    Statement s = db.Prepare("PRAGMA user_version");
    if (!s.Step()) return false;
    version = s.Int(0);
    if (version > kSchemaVersion) return false;
    if (!db.Exec(kCreateTables)) return false;
    return version == kSchemaVersion ||
           db.Exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
  });
  if (ok) return true;
  if (version > kSchemaVersion) {
    *error = db.path() + ": contact store of a newer version (" + std::to_string(version) + ")";
  } else {
    *error = db.error().empty() ? db.path() + ": cannot prepare the contact store" : db.error();
  }
  return false;
}

}  // namespace platform::pim
