// RAII over SQLite for the platform's stores (registry, contacts, messages). Each Database
// belongs to one thread. Every database is opened in WAL mode with a busy timeout so that
// several processes share it; every writing transaction starts with BEGIN IMMEDIATE (a read
// that upgrades to a write would fail at once despite the timeout) and is retried whole
// while the database is busy.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

class Statement;

class Database {
 public:
  // Opens (creating when missing) the database file. Check ok() afterwards; error() names
  // the file and SQLite's message when opening failed.
  explicit Database(const std::string& path, int busy_timeout_ms = 5000);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  bool ok() const { return db_ != nullptr; }
  const std::string& error() const { return error_; }
  const std::string& path() const { return path_; }

  // Runs SQL without results (several statements allowed). False on error (see error()).
  bool Exec(std::string_view sql);
  // Runs one statement without results through the statement cache (BEGIN, COMMIT, ...).
  bool ExecCached(std::string_view sql);
  // Prepares one statement; an invalid statement (ok() false) on error.
  Statement Prepare(std::string_view sql);
  // The connection's own prepared statement for `sql`, prepared on first use and kept until
  // the connection closes (SQLite's advice for statements that run again and again). The
  // statement handed out is reset and its bindings cleared when it goes out of scope. While
  // one is in use, a second request for the same SQL gets a fresh statement of its own.
  Statement PrepareCached(std::string_view sql);

  // Runs body inside BEGIN IMMEDIATE ... COMMIT. body returns false to roll back. The whole
  // transaction is retried while SQLite reports the database busy or locked (bounded by
  // the busy timeout). Returns whether it committed.
  bool WriteTransaction(const std::function<bool()>& body);
  // Runs body inside one write transaction in which every WriteTransaction is a savepoint
  // (rolled back alone when its body fails): many small writes, such as a bulk import, at the
  // cost of one commit. Returns whether it committed.
  bool WriteBatch(const std::function<bool()>& body);
  // While it exists, the page cache holds up to 64 MiB and temporary journals stay in memory:
  // a large write transaction otherwise reads and writes the same pages again and again.
  class BulkWrites {
   public:
    explicit BulkWrites(Database& db);
    ~BulkWrites();
    BulkWrites(const BulkWrites&) = delete;
    BulkWrites& operator=(const BulkWrites&) = delete;

   private:
    Database& db_;
    int64_t cache_size_ = -2000;  // SQLite's default
  };

  int64_t LastInsertRowId() const;
  int Changes() const;
  // PRAGMA data_version: changes when another connection committed.
  int64_t DataVersion();
  // Whether the database passes "PRAGMA quick_check".
  bool QuickCheck();

  sqlite3* handle() const { return db_; }

 private:
  struct CachedStatement {
    sqlite3_stmt* stmt = nullptr;
    bool in_use = false;
  };
  friend class Statement;

  sqlite3* db_ = nullptr;
  std::string path_;
  std::string error_;
  int busy_timeout_ms_;
  bool batching_ = false;  // inside WriteBatch's body
  std::unordered_map<std::string, CachedStatement> cache_;
};

class Statement {
 public:
  Statement() = default;
  Statement(sqlite3* db, sqlite3_stmt* stmt);
  // A statement lent by a connection's cache: reset and handed back instead of finalized.
  Statement(sqlite3* db, sqlite3_stmt* stmt, bool* lent_flag);
  ~Statement();
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return stmt_ != nullptr; }

  // Binding by 1-based index; returns *this for chaining.
  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, std::string_view text);  // UTF-8 text
  Statement& BindBlob(int index, const void* data, size_t size);
  Statement& BindNull(int index);

  // Advances: true when a row is available, false at the end or on error (see failed()).
  bool Step();
  // Runs to completion; true when it finished without error.
  bool Run();
  bool failed() const { return failed_; }
  int last_code() const { return last_code_; }
  void Reset();

  // Columns, 0-based.
  bool IsNull(int column) const;
  int64_t Int(int column) const;
  std::string Text(int column) const;
  std::string Blob(int column) const;

 private:
  void Release();

  sqlite3* db_ = nullptr;
  sqlite3_stmt* stmt_ = nullptr;
  bool* lent_flag_ = nullptr;  // the cache's in-use flag when lent, else null (owned)
  bool failed_ = false;
  int last_code_ = 0;
};

}  // namespace platform
