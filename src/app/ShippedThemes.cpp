#include "app/ShippedThemes.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Paths.h"

namespace app {

namespace {

namespace fs = std::filesystem;

// The environment's folder, else an installation's (PREFIX/share/quillbook/themes beside
// PREFIX/bin), else the build folder's, else "themes" beside the program.
fs::path ShippedThemesFolder() {
  if (const char* env = std::getenv("QUILLBOOK_THEMES"); env && *env) return env;
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return fs::path("themes");
  const fs::path installed = exe.parent_path().parent_path() / "share" / "quillbook" / "themes";
  if (fs::is_directory(installed, ec)) return installed;
#ifdef QB_THEMES_DIR
  if (fs::is_directory(QB_THEMES_DIR, ec)) return QB_THEMES_DIR;
#endif
  return exe.parent_path() / "themes";
}

}  // namespace

void InstallShippedThemes() {
  std::error_code ec;
  const fs::path source = ShippedThemesFolder();
  const fs::path target = platform::ProgramDir();
  for (const auto& entry : fs::directory_iterator(source, ec)) {
    if (!entry.is_regular_file(ec) || entry.path().extension() != ".qbt") continue;
    const fs::path destination = target / entry.path().filename();
    if (fs::exists(destination, ec)) continue;
    std::string bytes;
    if (!platform::ReadFileBytes(entry.path().string(), bytes, 64u << 20) ||
        !platform::WriteFileAtomically(destination.string(), bytes)) {
      std::fprintf(stderr, "quillbook: could not install theme %s\n",
                   entry.path().filename().c_str());
    }
  }
}

}  // namespace app
