// A started shell on an in-memory window manager with the virtual clock, on a temporary
// program folder and device profile.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/Entry.h"
#include "support/TempDir.h"

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

  shell::AppGlobals& app() { return shell::App(); }

  testing_support::TempDir temp_;
  std::unique_ptr<platform::ui::WindowManager> manager_;
  platform::ui::HWND hwnd_ = nullptr;
};
