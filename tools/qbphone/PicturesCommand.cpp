// qbphone pictures: the simulated device's pictures folder (Pictures/ in the device profile),
// which the platform's picture chooser shows.
//
//   pictures add FILE...   copies each PNG or JPEG file in (a name already there gets "-2",
//                          "-3"... before its extension); prints the new paths
//   pictures list          one path per line, newest first
//
// The files are copied as they are: a test device may need a picture the phone refuses.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Command.h"
#include "DemoPictures.h"
#include "platform/Paths.h"
#include "platform/pimapps/PicturesFolder.h"

namespace qbphone {

namespace {

using platform::pimapps::SimulatedPicturesFolder;

constexpr char kUsage[] = "pictures add FILE... | pictures list";

int Fail(int code, const std::string& message) {
  return CommandFailure("pictures", code, message);
}

// A path in `folder` for `name` that no file has yet.
std::string FreePath(const std::string& folder, const std::filesystem::path& name) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::path(folder) / name;
  for (int n = 2; std::filesystem::exists(path, error) && n < 10000; ++n) {
    path = std::filesystem::path(folder) /
           (name.stem().string() + "-" + std::to_string(n) + name.extension().string());
  }
  return path.string();
}

int Add(const std::vector<std::string>& files) {
  const std::string folder = SimulatedPicturesFolder();
  if (!platform::MakeDirectories(folder)) return Fail(kExitStoreFailed, "cannot create " + folder);
  for (const std::string& file : files) {
    const std::filesystem::path source(file);
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error)) {
      return Fail(kExitNotFound, file + " is not a file");
    }
    if (!platform::pimapps::IsPictureFileName(source.filename().string())) {
      return Fail(kExitUsage, file + " is not named as a PNG or JPEG picture");
    }
    const std::string target = FreePath(folder, source.filename());
    if (!std::filesystem::copy_file(source, target, error)) {
      return Fail(kExitStoreFailed, "cannot copy " + file + ": " + error.message());
    }
    std::printf("%s\n", target.c_str());
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() >= 2 && args[0] == "add") {
    return Add(std::vector<std::string>(args.begin() + 1, args.end()));
  }
  if (args.size() == 1 && args[0] == "list") {
    for (const auto& file : platform::pimapps::ListPictureFiles(SimulatedPicturesFolder())) {
      std::printf("%s\n", file.path.c_str());
    }
    return 0;
  }
  return Fail(kExitUsage, std::string("usage: ") + kUsage);
}

const CommandRegistrar kRegistrar("pictures", kUsage, Run);

}  // namespace

}  // namespace qbphone
