// The phone's registry: typed values in a tree of keys under two roots, persisted in the
// device profile (DeviceDir()/registry.db, SQLite in WAL mode, shared by every process that
// uses the same profile).
//
// Keys are named by paths of components separated by '\'. A leading backslash is ignored
// ("\Software\X" and "Software\X" are the same key) and components and value names are
// compared without case (per UTF-16 unit, Unicode lower-casing); the spelling first written
// is kept for enumeration. Value data are stored as raw bytes with their type exactly as
// written: a REG_SZ keeps whatever terminator (or lack of one) the writer gave it.
//
// A store that is not a database or fails its integrity check is moved aside
// (registry.db.corrupt-<n>) and rebuilt empty, with one line on stderr. When no store can be
// opened at all, every read reports ERROR_FILE_NOT_FOUND and every write ERROR_CANTWRITE, so
// callers fall back to their defaults.
//
// Threads: every operation may be called from any thread (one connection guarded by a
// mutex). Watch callbacks run on the registry's own watcher thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Roots, with the old platform's handle values.
enum class RegistryRoot : uint32_t { kCurrentUser = 0x80000001u, kLocalMachine = 0x80000002u };
inline constexpr RegistryRoot HKEY_CURRENT_USER = RegistryRoot::kCurrentUser;
inline constexpr RegistryRoot HKEY_LOCAL_MACHINE = RegistryRoot::kLocalMachine;

// Value types (old numeric values; any other number is stored and returned unchanged).
inline constexpr uint32_t REG_NONE = 0;
inline constexpr uint32_t REG_SZ = 1;
inline constexpr uint32_t REG_EXPAND_SZ = 2;
inline constexpr uint32_t REG_BINARY = 3;
inline constexpr uint32_t REG_DWORD = 4;

// Result codes (old numeric values).
using RegResult = int32_t;
inline constexpr RegResult ERROR_SUCCESS = 0;
inline constexpr RegResult ERROR_FILE_NOT_FOUND = 2;      // no such key or value
inline constexpr RegResult ERROR_INVALID_PARAMETER = 87;  // malformed path, name or size
inline constexpr RegResult ERROR_MORE_DATA = 234;         // data longer than the buffer
inline constexpr RegResult ERROR_CANTWRITE = 1013;        // the store could not be written

// Bounds on what the store accepts (outside input is checked against them).
inline constexpr size_t kMaxRegistryKeyComponent = 255;  // UTF-16 units per path component
inline constexpr size_t kMaxRegistryPath = 1024;         // UTF-16 units per whole path
inline constexpr size_t kMaxRegistryDepth = 64;          // components per path
inline constexpr size_t kMaxRegistryValueName = 255;     // UTF-16 units
inline constexpr size_t kMaxRegistryValueBytes = 1u << 20;

struct RegistryValue {
  std::u16string name;  // as first written
  uint32_t type = REG_NONE;
  std::string data;  // raw bytes
};

// Unwatches on destruction. Destroying it from another thread while its callback runs waits
// for the callback to return; destroying it from inside its own callback is allowed too.
class RegistryWatch {
 public:
  virtual ~RegistryWatch() = default;
};

class Registry {
 public:
  // The registry of the current device profile (DeviceDir()/registry.db), opened on first
  // use. When the device profile changes, the next call opens that profile's store; stores
  // already opened stay valid until the process ends.
  static Registry& ForDevice();

  // A registry over an explicit store file (tools and tests).
  explicit Registry(const std::string& path);
  ~Registry();
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  // Whether a store is open (false: reads find nothing, writes fail).
  bool usable() const;
  const std::string& path() const;

  // ERROR_SUCCESS when the key exists, else ERROR_FILE_NOT_FOUND (or ERROR_INVALID_PARAMETER).
  RegResult OpenKey(RegistryRoot root, std::u16string_view key);
  // Creates the key and any missing parent; succeeds when it already exists.
  RegResult CreateKey(RegistryRoot root, std::u16string_view key);

  // Like the old RegQueryValueEx: type (may be null) receives the type; *size holds the
  // buffer's capacity in bytes on entry and the data's length on return. With data null only
  // the type and length are reported. When the data are longer than *size, nothing is copied
  // and ERROR_MORE_DATA returns (type and *size still reported).
  RegResult QueryValue(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                       uint32_t* type, void* data, uint32_t* size);
  // The whole value, or nullopt when the key or value is missing.
  std::optional<RegistryValue> GetValue(RegistryRoot root, std::u16string_view key,
                                        std::u16string_view name);

  // Stores the bytes and type exactly as given, creating the key when missing.
  RegResult SetValue(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                     uint32_t type, const void* data, uint32_t size);
  // Adds delta to a REG_DWORD counter atomically across threads and processes (a missing
  // value, or one that is not a 4-byte REG_DWORD, counts as 0), clamped to 0..0xFFFFFFFF and
  // creating the key when missing. *result (may be null) receives the new number.
  RegResult AddToDword(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                       int64_t delta, uint32_t* result);
  RegResult DeleteValue(RegistryRoot root, std::u16string_view key, std::u16string_view name);
  // Deletes the key with all its subkeys and values. A root cannot be deleted.
  RegResult DeleteKey(RegistryRoot root, std::u16string_view key);

  // Values and direct subkeys of a key, ordered by name without case.
  RegResult EnumValues(RegistryRoot root, std::u16string_view key, std::vector<RegistryValue>& out);
  RegResult EnumSubKeys(RegistryRoot root, std::u16string_view key,
                        std::vector<std::u16string>& out);

  // Calls callback on the watcher thread whenever the value's type or data change or it
  // appears or disappears, whichever process made the change (noticed within ~50 ms).
  // Returns nullptr for a malformed key or name, and a handle that never fires when no store
  // is open. Keep the handle as long as the watch.
  std::unique_ptr<RegistryWatch> Watch(RegistryRoot root, std::u16string_view key,
                                       std::u16string_view name, std::function<void()> callback);

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// Typed readers and writers on the device profile's registry (the shell's DWORD and string
// readers). A reader returns nullopt when the key or value is missing or has another type.
// A DWORD must be REG_DWORD of exactly 4 bytes.
std::optional<uint32_t> ReadRegistryDword(RegistryRoot root, std::u16string_view key,
                                          std::u16string_view name);
// REG_SZ or REG_EXPAND_SZ of an even length that fits a buffer of max_chars units (terminator
// included); the text ends at the first NUL.
std::optional<std::u16string> ReadRegistryString(RegistryRoot root, std::u16string_view key,
                                                 std::u16string_view name, size_t max_chars = 255);
bool WriteRegistryDword(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                        uint32_t value);
// Writes REG_SZ with its terminator.
bool WriteRegistryString(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                         std::u16string_view text);

}  // namespace platform
