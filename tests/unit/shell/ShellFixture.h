// A started shell on an in-memory window manager with the virtual clock, on a temporary
// program folder and device profile.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/FavoriteFilterItem.h"
#include "contacts/SmsFilterItem.h"
#include "messaging/SMSPanel.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/ContactDetailPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Entry.h"
#include "support/TempDir.h"
#include "toolkit/ContainerPanel.h"

// A panel that paints one colour and counts transition notifications.
class ColourPanel : public ContainerPanel {
 public:
  ColourPanel(COLORREF colour) : ContainerPanel(RECT{0, 0, 240, 320}), colour_(colour) {}
  bool Paint(platform::Surface& dc, int, int, int, int) override {
    dc.FillRect(rect, colour_);
    return true;
  }
  void OnTransitionStart() override { ++starts; }
  void OnTransitionEnd() override { ++ends; }
  int starts = 0;
  int ends = 0;

 private:
  COLORREF colour_;
};

class ShellFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetProgramDir(temp_.path() + "/home");
    platform::SetDeviceDir(temp_.path() + "/device");
    platform::Clock::UseVirtual(1000);
    shell::ResetAppGlobals();
    manager_ =
        std::make_unique<platform::ui::WindowManager>(platform::ui::WindowManagerOptions{240, 320});
  }

  void TearDown() override {
    shell::ResetAppGlobals();
    LightControl::DrainDeferredDeletions();
    manager_.reset();
  }

  // Creates and shows the main window and runs until idle: activation, initialisation and
  // the first full-screen request have happened.
  platform::ui::HWND Start() {
    hwnd_ = shell::CreateMainWindow();
    manager_->PumpUntilIdle();
    return hwnd_;
  }

  // Start() and waits until the contact list has loaded.
  void StartLoaded() {
    Start();
    list().WaitForLoading();
    manager_->PumpUntilIdle();
  }

  // A pointer message through the main window, handled before this returns.
  void Pen(UINT message, int x, int y) {
    const auto packed = static_cast<LPARAM>((static_cast<uint32_t>(y) & 0xFFFF) << 16 |
                                            (static_cast<uint32_t>(x) & 0xFFFF));
    manager_->PostMessage(hwnd_, message, 0, packed);
    manager_->PumpUntilIdle();
  }

  shell::AppGlobals& app() { return shell::App(); }
  ContactSmartListControl& list() { return app().list_screen->ContactList(); }

  // The contact list's filter: "all", "favourites", "sms", "other" or "none".
  std::string FilterKind() {
    if (dynamic_cast<FavoriteFilterItem*>(list().Filter())) return "favourites";
    if (dynamic_cast<SmsFilterItem*>(list().Filter())) return "sms";
    if (dynamic_cast<AllContactsFilterItem*>(list().Filter())) return "all";
    return list().Filter() ? "other" : "none";
  }

  // Which screens are visible: "list", "detail", "sms", comma-separated.
  std::string VisibleScreens() {
    std::string out;
    auto add = [&out](bool visible, const char* name) {
      if (!visible) return;
      if (!out.empty()) out += ",";
      out += name;
    };
    add(app().list_screen->visible, "list");
    add(app().detail_screen->visible, "detail");
    add(app().sms_screen->visible, "sms");
    return out;
  }

  testing_support::TempDir temp_;
  std::unique_ptr<platform::ui::WindowManager> manager_;
  platform::ui::HWND hwnd_ = nullptr;
};
