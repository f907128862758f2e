// Where data lives. The program folder holds themes, settings.ini, lang.ini, font files and
// the contact cache; the device profile holds the platform's own data (registry, contacts,
// messages, logs). Both are resolved once at start from the command line and environment.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Program folder: --home DIR, else $QUILLBOOK_HOME, else $XDG_DATA_HOME/quillbook
// (or ~/.local/share/quillbook). Created when missing.
const std::string& ProgramDir();
void SetProgramDir(const std::string& dir);

// Device profile: --device DIR, else $QUILLBOOK_DEVICE, else $XDG_DATA_HOME/quillbook/device.
// Created when missing.
const std::string& DeviceDir();
void SetDeviceDir(const std::string& dir);

// The folder of the running executable (where the companion programs and library lie
// beside it in a build); "." when it cannot be told.
std::string ExecutableDir();

// Folder for runtime endpoints: $XDG_RUNTIME_DIR, else /tmp.
std::string RuntimeDir();

// Creates a folder and its parents; true when it exists afterwards.
bool MakeDirectories(const std::string& dir);

// Writes a file safely: a temporary file in the same folder, every write checked, flushed,
// fsynced and renamed over the old one. On any failure the old file stays and false returns.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// A name that is safe as one part of a file or object name on every system: 1 to max_length
// ASCII letters, digits, '_' and '-'.
bool IsPlainName(std::string_view name, size_t max_length);

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens an existing regular file for reading in binary mode; null for anything else. The open
// never waits: a FIFO without a writer (or a device) under the name would block the open, or
// the reads, for ever, so it is refused like a folder.
FilePtr OpenRegularFile(const std::string& path);

// Reads a whole regular file of at most max_bytes; false when missing, unreadable, larger or
// not a regular file (see OpenRegularFile).
bool ReadFileBytes(const std::string& path, std::string& out, size_t max_bytes);

}  // namespace platform
