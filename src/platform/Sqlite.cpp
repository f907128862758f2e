#include "platform/Sqlite.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace platform {

Database::Database(const std::string& path, int busy_timeout_ms)
    : path_(path), busy_timeout_ms_(busy_timeout_ms) {
  int rc =
      sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    error_ = path + ": " + (db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    sqlite3_close(db_);
    db_ = nullptr;
    return;
  }
  sqlite3_busy_timeout(db_, busy_timeout_ms);
  sqlite3_extended_result_codes(db_, 1);
  // WAL lets readers and one writer of several processes work at once.
  if (!Exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;")) {
    std::string saved = error_;
    sqlite3_close(db_);
    db_ = nullptr;
    error_ = saved;
  }
}

Database::~Database() {
  for (auto& [sql, cached] : cache_) sqlite3_finalize(cached.stmt);
  if (db_) sqlite3_close_v2(db_);
}

bool Database::Exec(std::string_view sql) {
  if (!db_) return false;
  std::string copy(sql);
  char* message = nullptr;
  int rc = sqlite3_exec(db_, copy.c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) {
    error_ = path_ + ": " + (message ? message : sqlite3_errstr(rc));
    sqlite3_free(message);
    return false;
  }
  return true;
}

bool Database::ExecCached(std::string_view sql) {
  Statement statement = PrepareCached(sql);
  if (!statement.ok()) return false;
  if (statement.Run()) return true;
  error_ = path_ + ": " + sqlite3_errmsg(db_);
  return false;
}

Statement Database::Prepare(std::string_view sql) {
  if (!db_) return Statement();
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
  if (rc != SQLITE_OK) {
    error_ = path_ + ": " + sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    return Statement();
  }
  return Statement(db_, stmt);
}

Statement Database::PrepareCached(std::string_view sql) {
  if (!db_) return Statement();
  auto found = cache_.find(std::string(sql));
  if (found == cache_.end()) {
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v3(db_, sql.data(), static_cast<int>(sql.size()),
                                SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
      error_ = path_ + ": " + sqlite3_errmsg(db_);
      sqlite3_finalize(stmt);
      return Statement();
    }
    found = cache_.emplace(std::string(sql), CachedStatement{stmt, false}).first;
  }
  if (found->second.in_use) return Prepare(sql);  // nested use: a statement of its own
  found->second.in_use = true;
  return Statement(db_, found->second.stmt, &found->second.in_use);
}

bool Database::WriteTransaction(const std::function<bool()>& body) {
  if (!db_) return false;
  if (batching_) {
    // Part of a batch's transaction: a savepoint, undone alone when the body fails.
    if (!ExecCached("SAVEPOINT batched")) return false;
    const bool keep = body();
    if (!keep) ExecCached("ROLLBACK TO batched");
    return ExecCached("RELEASE batched") && keep;
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(busy_timeout_ms_ * 2);
  for (;;) {
    if (ExecCached("BEGIN IMMEDIATE")) {
      bool keep = body();
      if (keep && ExecCached("COMMIT")) return true;
      ExecCached("ROLLBACK");
      if (!keep) return false;
    }
    int code = sqlite3_errcode(db_) & 0xFF;
    if ((code != SQLITE_BUSY && code != SQLITE_LOCKED) || Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

bool Database::WriteBatch(const std::function<bool()>& body) {
  if (batching_) return body();
  const BulkWrites bulk(*this);
  return WriteTransaction([&] {
    batching_ = true;
    const bool keep = body();
    batching_ = false;
    return keep;
  });
}

Database::BulkWrites::BulkWrites(Database& db) : db_(db) {
  Statement size = db_.Prepare("PRAGMA cache_size");
  if (size.Step()) cache_size_ = size.Int(0);
  // KiB. The journals of savepoints and statements stay in memory too.
  db_.Exec("PRAGMA cache_size = -65536; PRAGMA temp_store = MEMORY");
}

Database::BulkWrites::~BulkWrites() {
  db_.Exec("PRAGMA cache_size = " + std::to_string(cache_size_) + "; PRAGMA temp_store = DEFAULT");
}

int64_t Database::LastInsertRowId() const {
  return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}
int Database::Changes() const {
  return db_ ? sqlite3_changes(db_) : 0;
}

int64_t Database::DataVersion() {
  Statement s = Prepare("PRAGMA data_version");
  return s.Step() ? s.Int(0) : -1;
}

bool Database::QuickCheck() {
  Statement s = Prepare("PRAGMA quick_check");
  return s.Step() && s.Text(0) == "ok";
}

Statement::Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}

Statement::Statement(sqlite3* db, sqlite3_stmt* stmt, bool* lent_flag)
    : db_(db), stmt_(stmt), lent_flag_(lent_flag) {}

Statement::~Statement() {
  Release();
}

void Statement::Release() {
  if (!lent_flag_) {
    sqlite3_finalize(stmt_);
  } else if (stmt_) {
    // Reset at once: a statement left stepping would keep its read transaction open.
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    *lent_flag_ = false;
  }
  stmt_ = nullptr;
  lent_flag_ = nullptr;
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_),
      stmt_(other.stmt_),
      lent_flag_(other.lent_flag_),
      failed_(other.failed_),
      last_code_(other.last_code_) {
  other.stmt_ = nullptr;
  other.lent_flag_ = nullptr;
}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    Release();
    db_ = other.db_;
    stmt_ = other.stmt_;
    lent_flag_ = other.lent_flag_;
    failed_ = other.failed_;
    last_code_ = other.last_code_;
    other.stmt_ = nullptr;
    other.lent_flag_ = nullptr;
  }
  return *this;
}

Statement& Statement::Bind(int index, int64_t value) {
  if (stmt_ && sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) failed_ = true;
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  if (stmt_ && sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT) != SQLITE_OK) {
    failed_ = true;
  }
  return *this;
}

Statement& Statement::BindBlob(int index, const void* data, size_t size) {
  if (stmt_ && sqlite3_bind_blob(stmt_, index, size ? data : "", static_cast<int>(size),
                                 SQLITE_TRANSIENT) != SQLITE_OK) {
    failed_ = true;
  }
  return *this;
}

Statement& Statement::BindNull(int index) {
  if (stmt_ && sqlite3_bind_null(stmt_, index) != SQLITE_OK) failed_ = true;
  return *this;
}

bool Statement::Step() {
  if (!stmt_ || failed_) return false;
  last_code_ = sqlite3_step(stmt_);
  if (last_code_ == SQLITE_ROW) return true;
  if (last_code_ != SQLITE_DONE) failed_ = true;
  return false;
}

bool Statement::Run() {
  while (Step()) {
  }
  return stmt_ && !failed_;
}

void Statement::Reset() {
  if (!stmt_) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
  failed_ = false;
  last_code_ = 0;
}

bool Statement::IsNull(int column) const {
  return !stmt_ || sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int64_t Statement::Int(int column) const {
  return stmt_ ? sqlite3_column_int64(stmt_, column) : 0;
}

std::string Statement::Text(int column) const {
  if (!stmt_) return {};
  const unsigned char* p = sqlite3_column_text(stmt_, column);
  int n = sqlite3_column_bytes(stmt_, column);
  return p ? std::string(reinterpret_cast<const char*>(p), static_cast<size_t>(n)) : std::string();
}

std::string Statement::Blob(int column) const {
  if (!stmt_) return {};
  const void* p = sqlite3_column_blob(stmt_, column);
  int n = sqlite3_column_bytes(stmt_, column);
  return p ? std::string(static_cast<const char*>(p), static_cast<size_t>(n)) : std::string();
}

}  // namespace platform
