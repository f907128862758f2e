// The reading layer over minizip for theme archives (ZIP files, extension ".qbt"): open, find a
// member by name, inflate a member into a buffer, close. This is the only code of the system
// that calls minizip.
//
// Nothing an archive declares is trusted: the central directory is read once at open with each
// name read through a buffer sized from its header; a member read whole may be at most
// kMaxArchiveMemberBytes and must inflate to exactly its declared size with a matching CRC; all
// whole-member reads of one open archive together may inflate at most kMaxArchiveLoadBytes.
//
// Thread use: one archive belongs to one thread (the UI thread during a theme load).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "theme/ArchiveResult.h"

namespace theme {

inline constexpr size_t kMaxArchiveMemberBytes = 16u << 20;
inline constexpr size_t kMaxArchiveLoadBytes = 64u << 20;
// Entries past this many in the central directory are ignored.
inline constexpr size_t kMaxArchiveEntries = 65536;
// Stored names of this many bytes or more never match a lookup.
inline constexpr size_t kMaxEntryNameBytes = 256;

// What FindEntry reports about an entry. Callers use the index and the uncompressed size.
struct ArchiveEntryInfo {
  int32_t index = -1;
  // The stored name decoded from UTF-8 and cleaned for extraction (no drive letter, no leading
  // separators, nothing up to a parent-folder step); at most 260 UTF-16 units. Serves no lookup.
  std::u16string name;
  uint32_t attributes = 0;     // external file attributes
  uint32_t modified_time = 0;  // DOS date and time; ZIP keeps no creation or access time
  uint32_t compressed_size = 0;
  uint32_t uncompressed_size = 0;
};

// One open archive. Owned by whoever opened it; destroying it closes it.
class ThemeArchive {
 public:
  ~ThemeArchive();
  ThemeArchive(const ThemeArchive&) = delete;
  ThemeArchive& operator=(const ThemeArchive&) = delete;

  struct Impl;
  Impl& impl() { return *impl_; }
  explicit ThemeArchive(std::unique_ptr<Impl> impl);

 private:
  std::unique_ptr<Impl> impl_;
};

// Opens an archive for reading. Null with kArchiveCannotOpen in `result` (when given) when the
// path is not a readable regular file or holds no readable ZIP directory.
std::unique_ptr<ThemeArchive> OpenArchive(const std::string& path, ArchiveResult* result = nullptr);
// Opens an archive held in memory, read exactly like a file. `bytes` must outlive the archive.
std::unique_ptr<ThemeArchive> OpenArchive(std::span<const uint8_t> bytes,
                                          ArchiveResult* result = nullptr);

// Looks an entry up by name: ASCII letters compare without case, every other byte (separators
// included) exactly. Found: kArchiveSuccess and `info` filled. Not found: kArchiveEntryNotFound
// and `info` cleared with index -1. Null archive: kArchiveFaultyArguments.
ArchiveResult FindEntry(ThemeArchive* archive, std::u16string_view name, ArchiveEntryInfo& info);

// Inflates entry `index` into `buffer`, continuing where the last read of the same entry
// stopped. kArchiveSuccess when the end of the entry was reached (`bytes_read` tells how many
// bytes this call wrote), kArchiveMoreData when the buffer filled first,
// kArchivePasswordRequired for an encrypted entry, kArchiveDamaged for any other failure
// (damaged data, a CRC mismatch, an entry shorter than declared), kArchiveFaultyArguments for
// a null archive or an index that names no entry. After a failure or at the end the entry is
// closed.
ArchiveResult ReadEntry(ThemeArchive* archive, int32_t index, std::span<uint8_t> buffer,
                        size_t* bytes_read = nullptr);

// Closes and frees the archive. kArchiveFaultyArguments when it is null.
ArchiveResult CloseArchive(std::unique_ptr<ThemeArchive>& archive);

// Reads a whole member: found, not larger than kMaxArchiveMemberBytes, within the archive's
// remaining load budget, and inflated to exactly its declared size. Otherwise nullopt, and
// `result` (when given) says why: the read's code, or kArchiveDamaged for a refused size.
std::optional<std::vector<uint8_t>> ReadArchiveMember(ThemeArchive& archive,
                                                      std::u16string_view name,
                                                      ArchiveResult* result = nullptr);

// Cleans a stored entry name for extraction (see ArchiveEntryInfo::name).
std::u16string CleanEntryName(std::u16string_view stored);

}  // namespace theme
