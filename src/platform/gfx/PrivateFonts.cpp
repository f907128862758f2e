// Private font files: added to the application fonts of the current fontconfig configuration
// and made visible to the text engine. Each path is registered once per process; the first
// result is remembered and returned for later calls.
#include <fontconfig/fontconfig.h>

#include <sys/stat.h>
#include <map>
#include <mutex>
#include <string>

#include "platform/Surface.h"
#include "platform/gfx/TextEngine.h"

namespace platform {

namespace {

// A font file larger than this is not a font a theme ships.
constexpr off_t kMaxFontFileBytes = 64 << 20;

bool IsReadableFontFile(const std::string& path) {
  struct stat st {};
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return st.st_size > 0 && st.st_size <= kMaxFontFileBytes;
}

// Fontconfig refuses files it cannot parse as fonts; only then is the engine reloaded.
bool AddToFontconfig(const std::string& path) {
  if (!IsReadableFontFile(path)) return false;
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
  static auto* results = new std::map<std::string, bool>();  // kept for the process
  std::lock_guard<std::mutex> guard(mutex);
  auto found = results->find(path);
  if (found != results->end()) return found->second;
  bool ok = AddToFontconfig(path);
  results->emplace(path, ok);
  return ok;
}

}  // namespace platform
