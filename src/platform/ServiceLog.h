// The record a simulated service keeps in the device profile: the calls the simulated phone
// placed, the mails the simulated mail program was asked to compose. One SQLite file per
// service, an append-only table of entries (time and a fixed list of text fields), shared by
// the program and the device tool: the tool lists and empties it while the program appends.
// The newest kMaxEntries entries are kept.
//
// Each call opens the file and closes it again; call from any one thread at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class ServiceLog {
 public:
  static constexpr int64_t kMaxEntries = 10000;

  struct Entry {
    int64_t unix_seconds = 0;
    std::vector<std::u16string> fields;  // in the order of the log's field names
  };

  // `file_name` in the device profile; `fields` are the column names (plain identifiers).
  ServiceLog(std::string file_name, std::vector<std::string> fields);

  // Adds an entry stamped with the clock's wall time; `fields` must match the field names.
  bool Append(const std::vector<std::u16string>& fields);
  // Every entry, oldest first; nullopt when the file cannot be read.
  std::optional<std::vector<Entry>> Read() const;
  bool Clear();

  std::string Path() const;
  const std::vector<std::string>& FieldNames() const { return fields_; }

 private:
  std::string file_name_;
  std::vector<std::string> fields_;
};

}  // namespace platform
