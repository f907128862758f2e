// The device's pictures folder and the pictures in it. A simulated device profile (its
// "Pictures" service is "simulated", as seed-demo and test set-ups make it) keeps them in
// Pictures/ inside the profile; a real one uses the user's pictures folder: $XDG_PICTURES_DIR,
// else the XDG_PICTURES_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (~/.config when unset),
// else ~/Pictures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::pimapps {

// Most pictures the chooser lists (the newest ones).
inline constexpr size_t kMaxListedPictures = 2000;

struct PictureFile {
  std::string path;
  std::string name;
  int64_t modified_ns = 0;
  uint64_t size = 0;
};

// Pictures/ in the device profile.
std::string SimulatedPicturesFolder();
// The user's pictures folder, as described above (empty when neither the variables nor HOME
// name one).
std::string UserPicturesFolder();
// The folder this device profile uses.
std::string PicturesFolder();

// Whether the name ends in .png, .jpg or .jpeg (any case).
bool IsPictureFileName(std::string_view name);

// The regular files of `folder` with a picture name (symbolic links are followed, hidden
// files skipped), newest first (ties by name), at most kMaxListedPictures.
std::vector<PictureFile> ListPictureFiles(const std::string& folder);

}  // namespace platform::pimapps
