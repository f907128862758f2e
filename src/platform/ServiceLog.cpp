#include "platform/ServiceLog.h"

#include <memory>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Sqlite.h"
#include "platform/Text.h"

namespace platform {

namespace {

std::string CreateSql(const std::vector<std::string>& fields) {
  std::string sql =
      "CREATE TABLE IF NOT EXISTS entries(seq INTEGER PRIMARY KEY AUTOINCREMENT, "
      "time INTEGER NOT NULL";
  for (const std::string& field : fields) sql += ", " + field + " TEXT NOT NULL";
  return sql + ")";
}

std::string ColumnList(const std::vector<std::string>& fields) {
  std::string list = "time";
  for (const std::string& field : fields) list += ", " + field;
  return list;
}

// The database with its table, or null (ok() false) when it cannot be opened.
std::unique_ptr<Database> OpenLog(const std::string& path, const std::vector<std::string>& fields) {
  auto db = std::make_unique<Database>(path);
  if (!db->ok() || !db->Exec(CreateSql(fields))) return nullptr;
  return db;
}

}  // namespace

ServiceLog::ServiceLog(std::string file_name, std::vector<std::string> fields)
    : file_name_(std::move(file_name)), fields_(std::move(fields)) {}

std::string ServiceLog::Path() const {
  return DeviceDir() + "/" + file_name_;
}

bool ServiceLog::Append(const std::vector<std::u16string>& fields) {
  if (fields.size() != fields_.size()) return false;
  auto db = OpenLog(Path(), fields_);
  if (!db) return false;
  std::string sql = "INSERT INTO entries(" + ColumnList(fields_) + ") VALUES(?";
  for (size_t i = 0; i < fields_.size(); ++i) sql += ", ?";
  sql += ")";
  return db->WriteTransaction([&] {
    Statement insert = db->Prepare(sql);
    insert.Bind(1, Clock::UnixSeconds());
    for (size_t i = 0; i < fields.size(); ++i) {
      insert.Bind(static_cast<int>(i) + 2, ToUtf8(fields[i]));
    }
    if (!insert.Run()) return false;
    Statement trim = db->Prepare("DELETE FROM entries WHERE seq <= ?");
    trim.Bind(1, db->LastInsertRowId() - kMaxEntries);
    return trim.Run();
  });
}

std::optional<std::vector<ServiceLog::Entry>> ServiceLog::Read() const {
  auto db = OpenLog(Path(), fields_);
  if (!db) return std::nullopt;
  Statement select = db->Prepare("SELECT " + ColumnList(fields_) + " FROM entries ORDER BY seq");
  std::vector<Entry> entries;
  while (select.Step()) {
    Entry entry;
    entry.unix_seconds = select.Int(0);
    for (size_t i = 0; i < fields_.size(); ++i) {
      entry.fields.push_back(FromUtf8(select.Text(static_cast<int>(i) + 1)));
    }
    entries.push_back(std::move(entry));
  }
  if (select.failed()) return std::nullopt;
  return entries;
}

bool ServiceLog::Clear() {
  auto db = OpenLog(Path(), fields_);
  return db && db->WriteTransaction([&] { return db->Exec("DELETE FROM entries"); });
}

}  // namespace platform
