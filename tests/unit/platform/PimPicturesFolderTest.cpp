// The device's pictures folder: which folder a simulated and a real profile use (the XDG
// variable, the user-dirs file with $HOME, the fallback), and the listing: picture names only
// (any case), no hidden files, folders or other files, newest first with ties by name.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/ServiceBackend.h"
#include "platform/pimapps/PicturesFolder.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform::pimapps;
using testing_support::TempDir;

namespace {

// Sets an environment variable for one test; the old value comes back after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

void SetMtime(const std::string& path, time_t seconds) {
  const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(PimPicturesFolder, RealAndSimulatedFolders) {
  TempDir dir;
  platform::SetDeviceDir(dir.File("device"));
  ScopedEnv home("HOME", "/home/u");
  ScopedEnv config("XDG_CONFIG_HOME", dir.path().c_str());
  struct Case {
    const char* variable;   // $XDG_PICTURES_DIR, or null
    const char* user_dirs;  // user-dirs.dirs, or null
    std::string expected;
  };
  const Case cases[] = {
      {"/media/pics", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/media/pics"},
      {nullptr, "# comment\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/home/u/Bilder"},
      {nullptr, "XDG_PICTURES_DIR=\"/srv/photos\"", "/srv/photos"},
      {nullptr, "XDG_PICTURES_DIR=relative\n", "/home/u/Pictures"},
      {nullptr, nullptr, "/home/u/Pictures"},
  };
  for (const Case& c : cases) {
    ScopedEnv variable("XDG_PICTURES_DIR", c.variable);
    std::remove(dir.File("user-dirs.dirs").c_str());
    if (c.user_dirs) dir.Write("user-dirs.dirs", c.user_dirs);
    EXPECT_EQ(UserPicturesFolder(), c.expected) << (c.user_dirs ? c.user_dirs : "-");
    EXPECT_EQ(PicturesFolder(), c.expected) << "a profile naming nothing is a real one";
  }
  ASSERT_TRUE(platform::UseSimulatedServices());
  EXPECT_EQ(PicturesFolder(), dir.File("device") + "/Pictures");
}

TEST(PimPicturesFolder, ListsPicturesNewestFirst) {
  TempDir dir;
  const struct {
    const char* name;
    time_t mtime;
  } files[] = {{"b.png", 300},       {"a.JPG", 300},     {"c.jpeg", 500}, {"d.jpg", 100},
               {".hidden.png", 900}, {"notes.txt", 900}, {"png", 900}};
  for (const auto& f : files) SetMtime(dir.Write(f.name, "x"), f.mtime);
  ASSERT_EQ(mkdir(dir.File("folder.png").c_str(), 0700), 0);
  std::vector<std::string> names;
  for (const PictureFile& file : ListPictureFiles(dir.path())) names.push_back(file.name);
  EXPECT_EQ(names, (std::vector<std::string>{"c.jpeg", "a.JPG", "b.png", "d.jpg"}));
  EXPECT_TRUE(ListPictureFiles(dir.File("missing")).empty());
}

}  // namespace
