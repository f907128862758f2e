// Stored preferences: defaults on a fresh device, every unusable stored form falling back to
// the default, and writes that read back.
#include "shell/Preferences.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform;
using testing_support::TempDir;

namespace {

constexpr std::u16string_view kKey = u"Software\\Quillbook\\Contact";

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetDeviceDir(dir_.path()); }

  void Store(std::u16string_view name, uint32_t type, const std::string& bytes) {
    ASSERT_EQ(Registry::ForDevice().SetValue(HKEY_CURRENT_USER, kKey, name, type, bytes.data(),
                                             static_cast<uint32_t>(bytes.size())),
              ERROR_SUCCESS);
  }
  std::optional<RegistryValue> Stored(std::u16string_view name) {
    return Registry::ForDevice().GetValue(HKEY_CURRENT_USER, kKey, name);
  }

  TempDir dir_;
};

std::string Bytes(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}
std::string Dword(uint32_t v) {
  return std::string(reinterpret_cast<const char*>(&v), 4);
}

}  // namespace

TEST_F(PreferencesTest, NeverRanDeviceGivesDefaults) {
  EXPECT_EQ(shell::ReadThemeName(), u"Touch.qbt");
  EXPECT_TRUE(shell::ReadFullscreen());
  EXPECT_FALSE(shell::ReadCurrentSip());
  // Reading creates nothing.
  EXPECT_EQ(Registry::ForDevice().OpenKey(HKEY_CURRENT_USER, kKey), ERROR_FILE_NOT_FOUND);
}

TEST_F(PreferencesTest, ThemeNameFallsBackForEveryUnusableForm) {
  struct Case {
    const char* what;
    uint32_t type;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty data", REG_SZ, ""},
      {"only a terminator", REG_SZ, Bytes(std::u16string(1, u'\0'))},
      {"no terminator", REG_SZ, Bytes(u"Dark.qbt")},
      {"odd length", REG_SZ, Bytes(std::u16string(u"Dark.qbt") + u'\0') + "x"},
      {"wrong type", REG_BINARY, Bytes(std::u16string(u"Dark.qbt") + u'\0')},
      {"dword", REG_DWORD, Dword(1)},
      {"longer than the buffer", REG_SZ, Bytes(std::u16string(255, u'a') + u'\0')},
  };
  for (const auto& c : cases) {
    Store(u"Theme", c.type, c.bytes);
    EXPECT_EQ(shell::ReadThemeName(), u"Touch.qbt") << c.what;
  }
}

TEST_F(PreferencesTest, ThemeNameAcceptedForms) {
  Store(u"Theme", REG_EXPAND_SZ, Bytes(std::u16string(u"Dark.qbt") + u'\0'));
  EXPECT_EQ(shell::ReadThemeName(), u"Dark.qbt");
  // The longest name that fits the buffer of 255 characters with its terminator.
  const std::u16string longest(254, u'b');
  Store(u"Theme", REG_SZ, Bytes(longest + u'\0'));
  EXPECT_EQ(shell::ReadThemeName(), longest);
  // Text ends at its first terminator.
  Store(u"Theme", REG_SZ, Bytes(std::u16string(u"A.qbt\0junk\0", 11)));
  EXPECT_EQ(shell::ReadThemeName(), u"A.qbt");
}

TEST_F(PreferencesTest, WriteThemeNameStoresTerminatedString) {
  shell::WriteThemeName(u"Zoë.qbt");
  auto stored = Stored(u"Theme");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, REG_SZ);
  EXPECT_EQ(stored->data, Bytes(std::u16string(u"Zoë.qbt") + u'\0'));
  EXPECT_EQ(shell::ReadThemeName(), u"Zoë.qbt");
}

TEST_F(PreferencesTest, FullscreenValues) {
  struct Case {
    const char* what;
    uint32_t type;
    std::string bytes;
    bool expected;
  };
  const Case cases[] = {
      {"one", REG_DWORD, Dword(1), true},
      {"zero", REG_DWORD, Dword(0), false},
      {"two", REG_DWORD, Dword(2), false},
      {"all bits", REG_DWORD, Dword(0xFFFFFFFF), false},
      {"a string", REG_SZ, Bytes(std::u16string(u"0") + u'\0'), true},
      {"binary zero", REG_BINARY, Dword(0), true},
      {"short dword", REG_DWORD, std::string(1, '\0'), true},
      {"long dword", REG_DWORD, Dword(0) + Dword(0), true},
  };
  for (const auto& c : cases) {
    Store(u"Fullscreen", c.type, c.bytes);
    EXPECT_EQ(shell::ReadFullscreen(), c.expected) << c.what;
  }
}

TEST_F(PreferencesTest, TogglingWritesTheOppositeOfWhatIsStored) {
  for (bool on : {false, true}) {
    shell::WriteFullscreen(on);
    EXPECT_EQ(shell::ReadFullscreen(), on);
    ASSERT_TRUE(Stored(u"Fullscreen"));
    EXPECT_EQ(Stored(u"Fullscreen")->type, REG_DWORD);
    EXPECT_EQ(Stored(u"Fullscreen")->data, Dword(on ? 1 : 0));
  }
  // From a stored 2 (off), toggling turns it on.
  Store(u"Fullscreen", REG_DWORD, Dword(2));
  shell::WriteFullscreen(!shell::ReadFullscreen());
  EXPECT_EQ(Stored(u"Fullscreen")->data, Dword(1));
}

TEST_F(PreferencesTest, CurrentSipReadsAndWrites) {
  const std::u16string clsid = u"{42429667-ae04-11d0-a4f8-00aa00a749b9}";
  shell::WriteCurrentSip(clsid);
  EXPECT_EQ(shell::ReadCurrentSip(), clsid);
  Store(u"CurrentSIP", REG_SZ, Bytes(clsid));  // no terminator
  EXPECT_FALSE(shell::ReadCurrentSip());
}

TEST_F(PreferencesTest, UnreachableStoreGivesDefaultsAndWritesAreIgnored) {
  TempDir device;
  SetDeviceDir(device.path());
  // A folder in place of the store file: it can be neither opened nor replaced.
  std::filesystem::create_directories(device.File("registry.db/inner"));
  testing::internal::CaptureStderr();
  shell::WriteThemeName(u"Dark.qbt");
  shell::WriteFullscreen(false);
  EXPECT_EQ(shell::ReadThemeName(), u"Touch.qbt");
  EXPECT_TRUE(shell::ReadFullscreen());
  testing::internal::GetCapturedStderr();
}
