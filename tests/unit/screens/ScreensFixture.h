// A list screen hosted in a headless window the way the main window hosts it, with the
// theme's defaults restored around each test and the index strip's jumps recorded instead
// of dispatched.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "contacts/ContactSmartListControl.h"
#include "screens/ContactContainerPanel.h"
#include "screens/LeftSearchPanel.h"
#include "theme/SettingManager.h"
#include "unit/toolkit/ToolkitFixture.h"

class ScreensFixture : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    theme::Settings().ResetToDefaults();
  }

  void TearDown() override {
    Host(nullptr);
    screen_.reset();
    ToolkitFixture::TearDown();
    theme::Settings().ResetToDefaults();
  }

  // Builds the list screen over the whole 240 x 320 window and hosts it.
  void MakeScreen() {
    screen_ = std::make_unique<ContactContainerPanel>(hwnd(), RECT{0, 0, 240, 320});
    Host(screen_.get());
    strip().SetKeySender([this](uint32_t key, char16_t ch) { jumps_.emplace_back(key, ch); });
  }

  LeftSearchPanel& strip() { return screen_->IndexStrip(); }
  ContactSmartListControl& list() { return screen_->ContactList(); }

  // A pen y that puts the marker (half a letter below the pen) inside letter i's cell.
  int PenYForLetter(int i) {
    return static_cast<int>(LeftSearchPanel::kLetterMargin + strip().LetterSpacing() * i);
  }

  std::unique_ptr<ContactContainerPanel> screen_;
  std::vector<std::pair<uint32_t, char16_t>> jumps_;
};
