#include "platform/pimapps/PicturesFolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Paths.h"
#include "platform/ServiceBackend.h"

namespace platform::pimapps {

namespace {

constexpr size_t kMaxUserDirsBytes = 64 * 1024;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

// The XDG_PICTURES_DIR="..." line of user-dirs.dirs, with a leading $HOME expanded; the file
// allows only that form of value, anything else is ignored.
std::string FromUserDirs(const std::string& home) {
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home + "/.config";
  if (config.empty()) return {};
  std::string text;
  if (!ReadFileBytes(config + "/user-dirs.dirs", text, kMaxUserDirsBytes)) return {};
  constexpr std::string_view kKey = "XDG_PICTURES_DIR=\"";
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    if (!line.starts_with(kKey) || !line.ends_with('"')) continue;
    std::string_view value = line.substr(kKey.size(), line.size() - kKey.size() - 1);
    if (value.starts_with("$HOME")) {
      if (home.empty()) return {};
      return home + std::string(value.substr(5));
    }
    if (value.starts_with('/')) return std::string(value);
  }
  return {};
}

}  // namespace

std::string SimulatedPicturesFolder() {
  return DeviceDir() + "/Pictures";
}

std::string UserPicturesFolder() {
  std::string folder = Environment("XDG_PICTURES_DIR");
  if (!folder.empty()) return folder;
  const std::string home = Environment("HOME");
  folder = FromUserDirs(home);
  if (!folder.empty()) return folder;
  return home.empty() ? std::string() : home + "/Pictures";
}

std::string PicturesFolder() {
  return ReadServiceBackend(PlatformService::kPictures) == ServiceBackend::kSimulated
             ? SimulatedPicturesFolder()
             : UserPicturesFolder();
}

bool IsPictureFileName(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return false;
  std::string ext(name.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == "png" || ext == "jpg" || ext == "jpeg";
}

std::vector<PictureFile> ListPictureFiles(const std::string& folder) {
  std::vector<PictureFile> files;
  std::error_code error;
  if (folder.empty()) return files;
  std::filesystem::directory_iterator it(folder, error);
  // A huge folder is read to its end only for its pictures' names and times.
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.') || !IsPictureFileName(name)) continue;
    struct stat info {};
    const std::string path = it->path().string();
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    files.push_back(PictureFile{
        path, name, static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
        static_cast<uint64_t>(info.st_size)});
  }
  std::sort(files.begin(), files.end(), [](const PictureFile& a, const PictureFile& b) {
    return a.modified_ns != b.modified_ns ? a.modified_ns > b.modified_ns : a.name < b.name;
  });
  if (files.size() > kMaxListedPictures) files.resize(kMaxListedPictures);
  return files;
}

}  // namespace platform::pimapps
