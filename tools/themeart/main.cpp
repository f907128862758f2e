// themeart: draws the images of the shipped themes and writes them as PNG files.
//
//   themeart write THEMES_DIR      (re)writes THEMES_DIR/<Theme>/<image>.png; unchanged files
//                                  are left alone so that their times stay as they were
//   themeart verify THEMES_DIR     exit 1 when a file is missing, differs from a fresh
//                                  drawing, a PNG in a theme folder is not drawn here, or
//                                  an image does not fit the layout of its settings.ini
//   themeart list                  the images with their sizes
//   themeart selftest              renders every image twice and decodes its PNG back
//   themeart sheet OUT.png [FILTER]  a proof sheet of every image, or of those whose
//                                  "Theme/file" name contains FILTER
//   themeart preview THEMES_DIR OUT.png [THEME]  mock screens of the themes (or of one),
//                                  read back from their folders
//
// The output depends only on this program and the cairo and libpng it runs with.
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include "Canvas.h"
#include "Catalog.h"
#include "ContactSheet.h"
#include "LayoutCheck.h"
#include "PngWriter.h"
#include "Preview.h"
#include "SelfTest.h"

namespace themeart {

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Render(const ArtImage& image) {
  Canvas canvas(image.width, image.height);
  image.draw(canvas.Context());
  return EncodePng(canvas);
}

int Write(const fs::path& themes_dir) {
  int written = 0;
  for (const ThemeArt& theme : AllThemeArt()) {
    const fs::path folder = themes_dir / theme.name;
    std::error_code error;
    fs::create_directories(folder, error);
    for (const ArtImage& image : theme.images) {
      const std::vector<uint8_t> bytes = Render(image);
      const std::string path = (folder / image.file).string();
      if (ReadFileBytes(path) == bytes) continue;
      if (!WriteFileBytes(path, bytes)) {
        std::fprintf(stderr, "themeart: cannot write %s\n", path.c_str());
        return 1;
      }
      ++written;
    }
  }
  std::printf("themeart: %d file(s) written\n", written);
  return 0;
}

// PNG files of a theme folder that the catalogue does not draw.
std::vector<std::string> StrayImages(const fs::path& folder, const ThemeArt& theme) {
  std::set<std::string> known;
  for (const ArtImage& image : theme.images) known.insert(image.file);
  std::set<std::string> stray;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".png" && known.count(name) == 0) stray.insert(name);
  }
  return {stray.begin(), stray.end()};
}

int Verify(const fs::path& themes_dir) {
  int problems = 0;
  for (const ThemeArt& theme : AllThemeArt()) {
    const fs::path folder = themes_dir / theme.name;
    for (const ArtImage& image : theme.images) {
      const std::vector<uint8_t> on_disk = ReadFileBytes((folder / image.file).string());
      if (on_disk == Render(image)) continue;
      std::printf("%s/%s: %s\n", theme.name.c_str(), image.file.c_str(),
                  on_disk.empty() ? "missing" : "differs from a fresh drawing");
      ++problems;
    }
    for (const std::string& name : StrayImages(folder, theme)) {
      std::printf("%s/%s: not drawn by themeart\n", theme.name.c_str(), name.c_str());
      ++problems;
    }
  }
  for (const ThemeArt& theme : AllThemeArt()) {
    for (const std::string& problem : CheckLayout(themes_dir.string(), theme.name)) {
      std::printf("%s\n", problem.c_str());
      ++problems;
    }
  }
  return problems == 0 ? 0 : 1;
}

int List() {
  for (const ThemeArt& theme : AllThemeArt()) {
    for (const ArtImage& image : theme.images) {
      std::printf("%s/%s %dx%d\n", theme.name.c_str(), image.file.c_str(), image.width,
                  image.height);
    }
  }
  return 0;
}

int SelfTest() {
  const std::vector<std::string> failures = RunSelfTest();
  for (const std::string& failure : failures) std::printf("%s\n", failure.c_str());
  std::printf("themeart selftest: %s\n", failures.empty() ? "passed" : "FAILED");
  return failures.empty() ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: themeart write THEMES_DIR | verify THEMES_DIR | list | selftest | sheet "
               "OUT.png [FILTER] |\n"
               "       preview THEMES_DIR OUT.png [THEME]\n");
  return 2;
}

}  // namespace

int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  if (command == "list" && args.size() == 1) return List();
  if (command == "selftest" && args.size() == 1) return SelfTest();
  if (command == "write" && args.size() == 2) return Write(args[1]);
  if (command == "verify" && args.size() == 2) return Verify(args[1]);
  if (command == "sheet" && (args.size() == 2 || args.size() == 3)) {
    const std::string filter = args.size() == 3 ? args[2] : "";
    return WriteContactSheet(AllThemeArt(), filter, args[1]) ? 0 : 1;
  }
  if (command == "preview" && (args.size() == 3 || args.size() == 4)) {
    std::vector<std::string> names;
    if (args.size() == 4) {
      names.push_back(args[3]);
    } else {
      for (const ThemeArt& theme : AllThemeArt()) names.push_back(theme.name);
    }
    return WritePreview(args[1], names, args[2]) ? 0 : 1;
  }
  return Usage();
}

}  // namespace themeart

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  int result = 2;
  try {
    result = themeart::Run(args);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "themeart: %s\n", error.what());
    result = 1;
  }
  // Drops cairo's and fontconfig's caches (filled by the labels of the proof sheet) so that
  // leak checkers see a clean exit.
  cairo_debug_reset_static_data();
  FcFini();
  return result;
}
