// Theme archive reading over minizip. The central directory is walked once when the archive
// opens; lookups then run over that in-memory index, and a read moves straight to the entry by
// its saved directory position.
#include "theme/ThemeArchive.h"

#include <minizip/ioapi.h>
#include <minizip/unzip.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/Paths.h"
#include "platform/Text.h"

namespace theme {

namespace {

struct UnzCloser {
  void operator()(void* file) const { unzClose(static_cast<unzFile>(file)); }
};
using UnzHandle = std::unique_ptr<void, UnzCloser>;

struct Entry {
  std::string name;       // raw stored bytes; empty when too_long
  bool too_long = false;  // stored name of kMaxEntryNameBytes or more: never matches
  unz64_file_pos position{};
  uint64_t compressed_size = 0;
  uint64_t uncompressed_size = 0;
  uint32_t flag = 0;
  uint32_t attributes = 0;
  uint32_t modified_time = 0;
};

constexpr uint32_t kEncryptedFlag = 1;
constexpr uint64_t kFirstMemberChunk = 64 * 1024;
constexpr size_t kMaxInfoNameUnits = 260;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameNoAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

uint32_t Clamp32(uint64_t value) {
  return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX));
}

// Reads the current directory entry. The name buffer is sized from the entry's own header so
// that minizip is never asked to write more than was allocated.
bool ReadCurrentEntry(unzFile file, Entry& entry) {
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(file, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return false;
  }
  if (unzGetFilePos64(file, &entry.position) != UNZ_OK) return false;
  entry.compressed_size = info.compressed_size;
  entry.uncompressed_size = info.uncompressed_size;
  entry.flag = static_cast<uint32_t>(info.flag);
  entry.attributes = static_cast<uint32_t>(info.external_fa);
  entry.modified_time = static_cast<uint32_t>(info.dosDate);
  if (info.size_filename >= kMaxEntryNameBytes) {
    entry.too_long = true;
    return true;
  }
  std::string name(info.size_filename + 1, '\0');
  if (unzGetCurrentFileInfo64(file, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                              nullptr, 0) != UNZ_OK) {
    return false;
  }
  name.resize(info.size_filename);
  entry.name = std::move(name);
  return true;
}

// Walks the central directory into `entries`; stops quietly at a damaged entry or the cap.
void ReadDirectory(unzFile file, std::vector<Entry>& entries) {
  if (unzGoToFirstFile(file) != UNZ_OK) return;
  do {
    Entry entry;
    if (!ReadCurrentEntry(file, entry)) return;
    entries.push_back(std::move(entry));
  } while (entries.size() < kMaxArchiveEntries && unzGoToNextFile(file) == UNZ_OK);
}

bool IsSeparator(char16_t c) {
  return c == u'/' || c == u'\\';
}

// minizip's open callback: only regular files, opened without waiting (a FIFO or device named
// as a theme would block or never end). The other callbacks are minizip's stdio ones, which
// work on the stream returned here.
voidpf OpenRegularArchiveFile(voidpf, const void* path, int) {
  return platform::OpenRegularFile(static_cast<const char*>(path)).release();
}

// An archive held in memory, read through minizip's I/O callbacks: the stream is the
// MemoryStream itself, handed over as the callbacks' opaque pointer.
struct MemoryStream {
  std::span<const uint8_t> bytes;
  uint64_t position = 0;
};

voidpf OpenMemory(voidpf opaque, const void*, int) {
  return opaque;
}

uLong ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
  auto& memory = *static_cast<MemoryStream*>(stream);
  if (memory.position >= memory.bytes.size()) return 0;
  const uint64_t count = std::min<uint64_t>(size, memory.bytes.size() - memory.position);
  std::memcpy(buffer, memory.bytes.data() + memory.position, count);
  memory.position += count;
  return static_cast<uLong>(count);
}

uLong WriteMemory(voidpf, voidpf, const void*, uLong) {
  return 0;
}

ZPOS64_T TellMemory(voidpf, voidpf stream) {
  return static_cast<MemoryStream*>(stream)->position;
}

long SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto& memory = *static_cast<MemoryStream*>(stream);
  uint64_t base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = memory.position;
  if (origin == ZLIB_FILEFUNC_SEEK_END) base = memory.bytes.size();
  // Like a file, a position past the end may be set; reads there find nothing.
  if (offset > UINT64_MAX - base) return -1;
  memory.position = base + offset;
  return 0;
}

int CloseMemory(voidpf, voidpf) {
  return 0;
}

int MemoryError(voidpf, voidpf) {
  return 0;
}

}  // namespace

struct ThemeArchive::Impl {
  std::unique_ptr<MemoryStream> memory;  // what `file` reads when opened from memory
  UnzHandle file;
  std::vector<Entry> entries;
  int32_t current = -1;     // entry open for inflating, or -1
  size_t loaded_bytes = 0;  // inflated by whole-member reads so far

  void CloseCurrent() {
    if (current >= 0) unzCloseCurrentFile(file.get());
    current = -1;
  }
};

ThemeArchive::ThemeArchive(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

ThemeArchive::~ThemeArchive() {
  if (impl_) impl_->CloseCurrent();
}

namespace {

// Opens through minizip with the given I/O callbacks and reads the directory.
std::unique_ptr<ThemeArchive> OpenWith(std::unique_ptr<ThemeArchive::Impl> impl, const void* name,
                                       zlib_filefunc64_def& functions, ArchiveResult* result) {
  if (result) *result = kArchiveCannotOpen;
  impl->file.reset(unzOpen2_64(name, &functions));
  if (!impl->file) return nullptr;
  ReadDirectory(impl->file.get(), impl->entries);
  if (result) *result = kArchiveSuccess;
  return std::make_unique<ThemeArchive>(std::move(impl));
}

}  // namespace

std::unique_ptr<ThemeArchive> OpenArchive(const std::string& path, ArchiveResult* result) {
  zlib_filefunc64_def functions{};
  fill_fopen64_filefunc(&functions);
  functions.zopen64_file = OpenRegularArchiveFile;
  return OpenWith(std::make_unique<ThemeArchive::Impl>(), path.c_str(), functions, result);
}

std::unique_ptr<ThemeArchive> OpenArchive(std::span<const uint8_t> bytes, ArchiveResult* result) {
  auto impl = std::make_unique<ThemeArchive::Impl>();
  impl->memory = std::make_unique<MemoryStream>(MemoryStream{bytes, 0});
  zlib_filefunc64_def functions{OpenMemory, ReadMemory,  WriteMemory, TellMemory,
                                SeekMemory, CloseMemory, MemoryError, impl->memory.get()};
  return OpenWith(std::move(impl), "", functions, result);
}

ArchiveResult FindEntry(ThemeArchive* archive, std::u16string_view name, ArchiveEntryInfo& info) {
  info = ArchiveEntryInfo{};
  if (!archive) return kArchiveFaultyArguments;
  const std::string wanted = platform::ToUtf8(name);
  if (wanted.size() >= kMaxEntryNameBytes) return kArchiveEntryNotFound;
  const auto& entries = archive->impl().entries;
  for (size_t i = 0; i < entries.size(); ++i) {
    const Entry& entry = entries[i];
    if (entry.too_long || !SameNameNoAsciiCase(entry.name, wanted)) continue;
    info.index = static_cast<int32_t>(i);
    info.name = CleanEntryName(platform::FromUtf8(entry.name));
    info.attributes = entry.attributes;
    info.modified_time = entry.modified_time;
    info.compressed_size = Clamp32(entry.compressed_size);
    info.uncompressed_size = Clamp32(entry.uncompressed_size);
    return kArchiveSuccess;
  }
  return kArchiveEntryNotFound;
}

namespace {

// Makes `index` the entry open for inflating (a no-op when it already is).
ArchiveResult OpenEntry(ThemeArchive::Impl& impl, int32_t index) {
  if (impl.current == index) return kArchiveSuccess;
  impl.CloseCurrent();
  Entry& entry = impl.entries[static_cast<size_t>(index)];
  if (entry.flag & kEncryptedFlag) return kArchivePasswordRequired;
  if (unzGoToFilePos64(impl.file.get(), &entry.position) != UNZ_OK) return kArchiveDamaged;
  if (unzOpenCurrentFile(impl.file.get()) != UNZ_OK) return kArchiveDamaged;
  impl.current = index;
  return kArchiveSuccess;
}

}  // namespace

ArchiveResult ReadEntry(ThemeArchive* archive, int32_t index, std::span<uint8_t> buffer,
                        size_t* bytes_read) {
  if (bytes_read) *bytes_read = 0;
  if (!archive) return kArchiveFaultyArguments;
  auto& impl = archive->impl();
  if (index < 0 || static_cast<size_t>(index) >= impl.entries.size()) {
    return kArchiveFaultyArguments;
  }
  if (ArchiveResult opened = OpenEntry(impl, index); opened != kArchiveSuccess) return opened;
  const unsigned request = static_cast<unsigned>(std::min<size_t>(buffer.size(), INT_MAX));
  const int got = unzReadCurrentFile(impl.file.get(), buffer.data(), request);
  if (got < 0) {
    impl.CloseCurrent();
    return kArchiveDamaged;
  }
  if (bytes_read) *bytes_read = static_cast<size_t>(got);
  if (unzeof(impl.file.get()) == 1) {
    // The end of the entry: closing checks the CRC of everything inflated.
    const int closed = unzCloseCurrentFile(impl.file.get());
    impl.current = -1;
    return closed == UNZ_OK ? kArchiveSuccess : kArchiveDamaged;
  }
  if (static_cast<unsigned>(got) == request) return kArchiveMoreData;
  // The compressed stream ended before the declared size.
  impl.CloseCurrent();
  return kArchiveDamaged;
}

ArchiveResult CloseArchive(std::unique_ptr<ThemeArchive>& archive) {
  if (!archive) return kArchiveFaultyArguments;
  archive.reset();
  return kArchiveSuccess;
}

std::optional<std::vector<uint8_t>> ReadArchiveMember(ThemeArchive& archive,
                                                      std::u16string_view name,
                                                      ArchiveResult* result) {
  ArchiveEntryInfo info;
  ArchiveResult code = FindEntry(&archive, name, info);
  if (result) *result = code;
  if (code != kArchiveSuccess) return std::nullopt;
  auto& impl = archive.impl();
  const uint64_t declared = impl.entries[static_cast<size_t>(info.index)].uncompressed_size;
  if (declared > kMaxArchiveMemberBytes || impl.loaded_bytes + declared > kMaxArchiveLoadBytes) {
    if (result) *result = kArchiveDamaged;
    return std::nullopt;
  }
  impl.loaded_bytes += declared;
  impl.CloseCurrent();  // always inflate from the start of the member
  // The buffer grows with what really inflates, so a header that declares megabytes over a
  // few bytes of data costs no more than those bytes.
  std::vector<uint8_t> bytes(std::min<uint64_t>(declared, kFirstMemberChunk));
  size_t got = 0;
  for (;;) {
    size_t read = 0;
    code = ReadEntry(&archive, info.index, std::span(bytes).subspan(got), &read);
    got += read;
    if (code != kArchiveMoreData || got == declared) break;
    bytes.resize(std::min<uint64_t>(declared, bytes.size() * 2));
  }
  if (code == kArchiveSuccess && got != declared) code = kArchiveDamaged;
  if (code == kArchiveMoreData) impl.CloseCurrent();
  if (result) *result = code == kArchiveMoreData ? kArchiveDamaged : code;
  if (code != kArchiveSuccess) return std::nullopt;
  return bytes;
}

std::u16string CleanEntryName(std::u16string_view stored) {
  size_t start = 0;
  // Drive letters with their colon, then leading separators.
  while (start + 1 < stored.size() && stored[start + 1] == u':' &&
         ((stored[start] >= u'a' && stored[start] <= u'z') ||
          (stored[start] >= u'A' && stored[start] <= u'Z'))) {
    start += 2;
  }
  while (start < stored.size() && IsSeparator(stored[start])) ++start;
  std::u16string_view rest = stored.substr(start);
  // Everything up to and including the last parent-folder step goes.
  for (size_t i = rest.size(); i >= 3; --i) {
    const size_t dots = i - 3;
    if (rest[dots] == u'.' && rest[dots + 1] == u'.' && IsSeparator(rest[dots + 2]) &&
        (dots == 0 || IsSeparator(rest[dots - 1]))) {
      rest = rest.substr(i);
      break;
    }
  }
  return std::u16string(rest.substr(0, kMaxInfoNameUnits));
}

}  // namespace theme
