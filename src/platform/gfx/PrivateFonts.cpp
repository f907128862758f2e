// Private font files: added to the application fonts of the current fontconfig configuration
// and made visible to the text engine. A path registered once stays registered for the
// process. A path that failed is tried again at the next call, so a font file copied in after
// the first attempt is picked up; a file that failed as it is now (same inode, size and
// modification time) is not parsed again.
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/Surface.h"
#include "platform/gfx/TextEngine.h"

namespace platform {

namespace {

// A font file larger than this is not a font a theme ships.
constexpr off_t kMaxFontFileBytes = 64 << 20;

// What identifies one version of a file, so that a file that failed is retried once changed.
struct FileVersion {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  int64_t modified_ns = 0;
  bool operator==(const FileVersion&) const = default;
};

struct Attempt {
  bool registered = false;
  FileVersion version;  // of the file that failed
};

// The version of a regular file of a plausible font size; nullopt for anything else.
std::optional<FileVersion> FontFileVersion(const std::string& path) {
  struct stat st {};
  if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  if (st.st_size <= 0 || st.st_size > kMaxFontFileBytes) return std::nullopt;
  return FileVersion{st.st_dev, st.st_ino, st.st_size,
                     static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// Fontconfig refuses files it cannot parse as fonts; only then is the engine reloaded.
bool AddToFontconfig(const std::string& path) {
  int count = 0;
  FcPattern* pattern =
      FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(path.c_str()), 0, nullptr, &count);
  if (pattern == nullptr) return false;
  FcPatternDestroy(pattern);
  FcConfig* config = FcConfigGetCurrent();
  if (!FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(path.c_str()))) {
    return false;
  }
  auto& engine = gfx::TextEngine::Instance();
  auto lock = engine.Lock();
  engine.ReloadFonts();
  return true;
}

}  // namespace

bool RegisterPrivateFontFile(const std::string& path) {
  static std::mutex mutex;
  static auto* attempts = new std::map<std::string, Attempt>();  // kept for the process
  std::lock_guard<std::mutex> guard(mutex);
  auto found = attempts->find(path);
  if (found != attempts->end() && found->second.registered) return true;
  const std::optional<FileVersion> version = FontFileVersion(path);
  if (!version) return false;  // missing for now: nothing to remember
  if (found != attempts->end() && found->second.version == *version) return false;
  const bool registered = AddToFontconfig(path);
  (*attempts)[path] = Attempt{registered, *version};
  return registered;
}

}  // namespace platform
