#include "platform/pim/PimSession.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/Text.h"
#include "platform/pim/PimSchema.h"
#include "platform/pim/PimWatcher.h"

namespace platform::pim {

static_assert(std::endian::native == std::endian::little,
              "text values are stored as UTF-16 bytes in the machine's order");

namespace {

// Each session writes with its own id: the process id and a counter, so that two sessions
// are told apart even inside one process.
int64_t NewWriterId() {
  static std::atomic<int64_t> counter{0};
  return (static_cast<int64_t>(::getpid()) << 20) | (counter.fetch_add(1) & 0xFFFFF);
}

bool IsNumberType(uint16_t type) {
  return type == kTypeLong || type == kTypeBoolean || type == kTypeUnsignedLong ||
         type == kTypeDate;
}

bool IsStorableType(uint16_t type) {
  return type == kTypeText || IsNumberType(type);
}

// A stored row turned into a record; damaged rows (odd or oversized text) read as no value.
PropertyValue ValueFromRow(PropertyId id, const Statement& s) {
  uint16_t type = PropertyType(id);
  if (type == kTypeText) {
    if (s.IsNull(1)) return PropertyValue::NoValue(id);
    std::string bytes = s.Blob(1);
    size_t units = bytes.size() / 2;
    if (units > kMaxTextUnits) return PropertyValue::NoValue(id);
    std::u16string text(units, u'\0');
    std::memcpy(text.data(), bytes.data(), units * 2);
    return PropertyValue::Text(id, std::move(text));
  }
  if (!IsNumberType(type) || s.IsNull(2)) return PropertyValue::NoValue(id);
  return PropertyValue::Number(id, s.Int(2));
}

}  // namespace

std::shared_ptr<PimSession> PimSession::Open(const std::string& path, std::string* error) {
  std::shared_ptr<PimSession> session(new PimSession(path, NewWriterId()));
  if (!session->db_.ok()) {
    *error = session->db_.error();
    return nullptr;
  }
  if (!PrepareSchema(session->db_, error)) return nullptr;
  return session;
}

PimSession::PimSession(const std::string& path, int64_t writer)
    : path_(path), writer_(writer), db_(path) {}

PimSession::~PimSession() {
  Logoff();
}

std::string PimSession::LastError() const {
  std::lock_guard lock(mutex_);
  return last_error_;
}

PimResult PimSession::Fail() {
  const char* message = db_.handle() ? sqlite3_errmsg(db_.handle()) : "not open";
  last_error_ = path_ + ": " + message;
  return PimResult::kStoreError;
}

PimResult PimSession::WriteBatch(const std::function<bool()>& body) {
  std::lock_guard lock(mutex_);
  return db_.WriteBatch(body) ? PimResult::kOk : Fail();
}

PimResult PimSession::ListOids(std::vector<ObjectId>* oids) {
  std::lock_guard lock(mutex_);
  oids->clear();
  Statement s = db_.PrepareCached("SELECT oid FROM contacts ORDER BY oid");
  while (s.Step()) oids->push_back(static_cast<ObjectId>(s.Int(0)));
  return s.failed() || !s.ok() ? Fail() : PimResult::kOk;
}

bool PimSession::Exists(ObjectId oid) {
  std::lock_guard lock(mutex_);
  Statement s = db_.PrepareCached("SELECT 1 FROM contacts WHERE oid = ?");
  s.Bind(1, static_cast<int64_t>(oid));
  return s.Step();
}

// One query per contact: the LEFT JOIN yields one row even for a contact without values, and
// none for a contact that does not exist.
PimResult PimSession::ReadProps(ObjectId oid, const std::vector<PropertyId>& ids,
                                std::vector<PropertyValue>* values) {
  values->clear();
  std::vector<PropertyValue> found;
  bool exists = false;
  {
    std::lock_guard lock(mutex_);
    if (!read_props_.ok()) {
      read_props_ = db_.Prepare(
          "SELECT p.prop, p.text, p.num FROM contacts c LEFT JOIN props p ON p.oid = c.oid "
          "WHERE c.oid = ?");
    }
    Statement& s = read_props_;
    s.Reset();
    s.Bind(1, static_cast<int64_t>(oid));
    while (s.Step()) {
      exists = true;
      if (!s.IsNull(0)) found.push_back(ValueFromRow(static_cast<PropertyId>(s.Int(0)), s));
    }
    bool failed = s.failed() || !s.ok();
    s.Reset();  // ends the statement's read transaction
    if (failed) return Fail();
  }
  if (!exists) return PimResult::kNotFound;
  values->reserve(ids.size());
  for (PropertyId id : ids) {
    if (id == kPropObjectId) {
      values->push_back(PropertyValue::Number(id, oid));
      continue;
    }
    auto it = std::find_if(found.begin(), found.end(), [id](const auto& v) { return v.id == id; });
    values->push_back(it != found.end() ? *it : PropertyValue::NoValue(id));
  }
  return PimResult::kOk;
}

bool PimSession::LogChange(ObjectId oid, ChangeKind kind) {
  Statement s = db_.PrepareCached("INSERT INTO changes(oid, kind, writer) VALUES(?, ?, ?)");
  s.Bind(1, static_cast<int64_t>(oid)).Bind(2, static_cast<int64_t>(kind)).Bind(3, writer_);
  if (!s.Run()) return false;
  int64_t seq = db_.LastInsertRowId();
  if (seq % 256 != 0) return true;
  Statement prune = db_.PrepareCached("DELETE FROM changes WHERE seq < ?");
  prune.Bind(1, seq - kChangeLogKeep);
  return prune.Run();
}

PimResult PimSession::SaveItem(ObjectId* oid, const std::map<PropertyId, PropertyValue>& values) {
  for (const auto& [id, value] : values) {
    if (!IsStorableType(PropertyType(id))) return PimResult::kInvalidArgument;
  }
  ObjectId saved = *oid;
  bool missing = false;
  std::unique_lock lock(mutex_);
  bool ok = db_.WriteTransaction([&] {
    saved = *oid;
    missing = false;
    if (saved == 0) {
      if (!db_.Exec("INSERT INTO contacts DEFAULT VALUES")) return false;
      int64_t row = db_.LastInsertRowId();
      if (row <= 0 || row >= 0xFFFFFFFF) return false;
      saved = static_cast<ObjectId>(row);
    } else {
      Statement e = db_.PrepareCached("SELECT 1 FROM contacts WHERE oid = ?");
      e.Bind(1, static_cast<int64_t>(saved));
      if (!e.Step()) {
        missing = !e.failed();
        return false;
      }
    }
    Statement put =
        db_.PrepareCached("INSERT OR REPLACE INTO props(oid, prop, text, num) VALUES(?,?,?,?)");
    Statement erase = db_.PrepareCached("DELETE FROM props WHERE oid = ? AND prop = ?");
    for (const auto& [id, value] : values) {
      bool is_text = PropertyType(id) == kTypeText;
      bool remove = !value.HasValue() || (is_text && value.text.empty());
      Statement& s = remove ? erase : put;
      s.Reset();
      s.Bind(1, static_cast<int64_t>(saved)).Bind(2, static_cast<int64_t>(id));
      if (!remove && is_text) {
        s.BindBlob(3, value.text.data(), value.text.size() * 2).BindNull(4);
      } else if (!remove) {
        s.BindNull(3).Bind(4, value.number);
      }
      if (!s.Run()) return false;
    }
    return LogChange(saved, *oid == 0 ? ChangeKind::kCreated : ChangeKind::kChanged);
  });
  if (!ok) return missing ? PimResult::kNotFound : Fail();
  lock.unlock();
  bool created = *oid == 0;
  *oid = saved;
  DeliverLocal(created ? ChangeKind::kCreated : ChangeKind::kChanged, saved);
  return PimResult::kOk;
}

PimResult PimSession::DeleteItem(ObjectId oid) {
  bool missing = false;
  std::unique_lock lock(mutex_);
  bool ok = db_.WriteTransaction([&] {
    Statement s = db_.PrepareCached("DELETE FROM contacts WHERE oid = ?");
    s.Bind(1, static_cast<int64_t>(oid));
    if (!s.Run()) return false;
    missing = db_.Changes() == 0;
    return !missing && LogChange(oid, ChangeKind::kDeleted);
  });
  if (!ok) return missing ? PimResult::kNotFound : Fail();
  lock.unlock();
  DeliverLocal(ChangeKind::kDeleted, oid);
  return PimResult::kOk;
}

PimResult PimSession::ReadPicture(ObjectId oid, std::string* bytes) {
  bytes->clear();
  std::lock_guard lock(mutex_);
  Statement s = db_.PrepareCached(
      "SELECT length(p.bytes), p.bytes FROM contacts c LEFT JOIN pictures p ON p.oid = c.oid "
      "WHERE c.oid = ?");
  s.Bind(1, static_cast<int64_t>(oid));
  if (!s.Step()) return s.failed() || !s.ok() ? Fail() : PimResult::kNotFound;
  if (s.IsNull(0)) return PimResult::kOk;
  if (s.Int(0) > static_cast<int64_t>(kMaxPictureBytes)) return PimResult::kTooLarge;
  *bytes = s.Blob(1);
  return PimResult::kOk;
}

PimResult PimSession::WritePicture(ObjectId oid, const std::string& bytes) {
  if (bytes.size() > kMaxPictureBytes) return PimResult::kTooLarge;
  bool missing = false;
  std::unique_lock lock(mutex_);
  bool ok = db_.WriteTransaction([&] {
    Statement e = db_.PrepareCached("SELECT 1 FROM contacts WHERE oid = ?");
    e.Bind(1, static_cast<int64_t>(oid));
    if (!e.Step()) {
      missing = !e.failed();
      return false;
    }
    Statement s =
        bytes.empty()
            ? db_.PrepareCached("DELETE FROM pictures WHERE oid = ?")
            : db_.PrepareCached("INSERT OR REPLACE INTO pictures(oid, bytes) VALUES(?, ?)");
    s.Bind(1, static_cast<int64_t>(oid));
    if (!bytes.empty()) s.BindBlob(2, bytes.data(), bytes.size());
    return s.Run() && LogChange(oid, ChangeKind::kChanged);
  });
  if (!ok) return missing ? PimResult::kNotFound : Fail();
  lock.unlock();
  DeliverLocal(ChangeKind::kChanged, oid);
  return PimResult::kOk;
}

// Named properties get numbers from 0x8000 up, in the order they were first asked for.
PimResult PimSession::NamedId(std::u16string_view name, uint32_t flags, PropertyId* id) {
  const uint16_t type = static_cast<uint16_t>(flags & 0xFFFF);
  if (name.empty() || name.size() > 255 || !IsStorableType(type)) {
    return PimResult::kInvalidArgument;
  }
  const std::string key = ToUtf8(name);
  PimResult result = PimResult::kStoreError;
  bool wants_commit = false;
  std::lock_guard lock(mutex_);
  bool ok = db_.WriteTransaction([&] {
    result = PimResult::kStoreError;
    wants_commit = false;
    Statement s = db_.PrepareCached("SELECT prop FROM named_props WHERE name = ?");
    s.Bind(1, key);
    if (s.Step()) {
      *id = static_cast<PropertyId>(s.Int(0));
      result = PropertyType(*id) == type ? PimResult::kOk : PimResult::kInvalidArgument;
      return false;  // nothing to write
    }
    if (s.failed()) return false;
    if ((flags & kNamedPropertyCreate) == 0) {
      result = PimResult::kNotFound;
      return false;
    }
    Statement next =
        db_.PrepareCached("SELECT COALESCE(MAX(prop >> 16), 32767) + 1 FROM named_props");
    if (!next.Step()) return false;
    if (next.Int(0) > 0xFFFE) {
      result = PimResult::kInvalidArgument;  // every number is taken
      return false;
    }
    PropertyId made = static_cast<PropertyId>((next.Int(0) << 16) | type);
    Statement add = db_.PrepareCached("INSERT INTO named_props(name, prop) VALUES(?, ?)");
    add.Bind(1, key).Bind(2, static_cast<int64_t>(made));
    if (!add.Run()) return false;
    *id = made;
    wants_commit = true;
    return true;
  });
  if (ok) return PimResult::kOk;
  if (wants_commit || result == PimResult::kStoreError) return Fail();
  return result;
}

PimResult PimSession::Logon(NotificationSink sink) {
  {
    std::lock_guard lock(sink_mutex_);
    sink_ = std::move(sink);
  }
  std::lock_guard watcher_lock(watcher_mutex_);
  if (watcher_) return PimResult::kOk;
  int64_t last = 0;
  {
    std::lock_guard lock(mutex_);
    Statement s = db_.PrepareCached("SELECT COALESCE(MAX(seq), 0) FROM changes");
    if (!s.Step()) return Fail();
    last = s.Int(0);
  }
  watcher_ = std::make_unique<PimWatcher>(this, path_, writer_, last);
  return PimResult::kOk;
}

void PimSession::Logoff() {
  std::unique_ptr<PimWatcher> watcher;
  {
    std::lock_guard watcher_lock(watcher_mutex_);
    watcher = std::move(watcher_);
  }
  watcher.reset();  // joins the thread
  std::lock_guard lock(sink_mutex_);
  sink_ = nullptr;
}

void PimSession::DeliverLocal(ChangeKind kind, ObjectId oid) {
  if (mask_.load() & kNotifyLocal) Deliver(0x8100 + static_cast<uint32_t>(kind), oid);
}

void PimSession::DeliverRemote(ChangeKind kind, ObjectId oid) {
  if (mask_.load() & kNotifyRemote) Deliver(0x8105 + static_cast<uint32_t>(kind), oid);
}

void PimSession::Deliver(uint32_t message, ObjectId oid) {
  NotificationSink sink;
  {
    std::lock_guard lock(sink_mutex_);
    sink = sink_;
  }
  if (sink) sink(message, oid);
}

}  // namespace platform::pim
