// Changing the theme while the program runs: the theme is loaded again and the screens are
// repainted with its look. Uses the shipped themes as the build packs them.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ShellFixture.h"
#include "shell/Relayout.h"

namespace {

namespace fs = std::filesystem;

class ThemeChangeTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    const char* build = std::getenv("QB_BINARY_DIR");
    if (!build) GTEST_SKIP() << "QB_BINARY_DIR is not set";
    std::error_code ec;
    fs::create_directories(platform::ProgramDir(), ec);
    for (const char* name : {"Touch.qbt", "Nightfall.qbt"}) {
      const fs::path packed = fs::path(build) / "themes" / name;
      if (!fs::exists(packed)) GTEST_SKIP() << packed << " is not built";
      fs::copy_file(packed, fs::path(platform::ProgramDir()) / name, ec);
    }
    StartLoaded();
  }

  // Mean brightness (0..255) of the contact list's area in the last painted frame.
  double ListBrightness() {
    const platform::Surface* frame = app().back_buffer.get();
    if (!frame) return -1;
    const RECT area = list().rect;
    double sum = 0;
    int count = 0;
    for (int y = area.top; y < area.bottom; y += 2) {
      for (int x = area.left; x < area.right; x += 2) {
        const COLORREF c = frame->GetPixel(x, y);
        sum += ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3.0;
        ++count;
      }
    }
    return count ? sum / count : -1;
  }
};

TEST_F(ThemeChangeTest, TheDarkThemeRepaintsTheList) {
  const double light = ListBrightness();
  EXPECT_GT(light, 160) << "the default theme is light";

  shell::ChangeTheme(u"Nightfall.qbt");
  manager_->PumpUntilIdle();
  EXPECT_LT(ListBrightness(), 100) << "the dark theme paints the list dark";

  shell::ChangeTheme(u"Touch.qbt");
  manager_->PumpUntilIdle();
  EXPECT_NEAR(ListBrightness(), light, 1.0) << "switching back restores the first look";
}

TEST_F(ThemeChangeTest, AMissingThemeFallsBackToTheBuiltInLook) {
  shell::ChangeTheme(u"Gone.qbt");
  manager_->PumpUntilIdle();
  EXPECT_GE(ListBrightness(), 0) << "the screen is still painted";
  EXPECT_TRUE(app().list_screen->visible);
}

}  // namespace
