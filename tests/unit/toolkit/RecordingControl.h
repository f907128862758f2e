// A control for routing tests: it records every call it receives and answers with rectangles
// and timer results set by the test.
#pragma once

#include <string>
#include <vector>

#include "toolkit/ContainerPanel.h"

class RecordingControl : public LightControl {
 public:
  RecordingControl(std::string name, std::vector<std::string>* log, const RECT& r = {0, 0, 10, 10})
      : LightControl(r), name_(std::move(name)), log_(log) {}

  void Resize(const RECT& client) override {
    Log("Resize");
    resized_with = client;
  }
  bool Paint(platform::Surface&, int, int, int, int) override {
    Log("Paint");
    return true;
  }
  RECT OnPenDown(int, int) override { return Log("Down"), down; }
  RECT OnPenMove(int, int) override { return Log("Move"), move; }
  RECT OnPenUp(int, int) override { return Log("Up"), up; }
  RECT OnPenReleased(int, int) override { return Log("Released"), released; }
  RECT OnKey(uint32_t, char16_t) override { return Log("Key"), key; }
  bool OnTimer(uintptr_t id) override {
    Log("Timer");
    return id == timer_id;
  }

  RECT down{}, move{}, up{}, released{}, key{};
  uintptr_t timer_id = 0;
  RECT resized_with{};

 private:
  void Log(const char* what) {
    if (log_) log_->push_back(name_ + "." + what);
  }
  std::string name_;
  std::vector<std::string>* log_;
};

class RecordingPanel : public ContainerPanel {
 public:
  RecordingPanel(std::string name, std::vector<std::string>* log)
      : ContainerPanel(RECT{}), name_(std::move(name)), log_(log) {}
  void OnTransitionStart() override {
    ContainerPanel::OnTransitionStart();
    log_->push_back(name_ + ".Start");
  }
  void OnTransitionEnd() override {
    ContainerPanel::OnTransitionEnd();
    log_->push_back(name_ + ".End");
  }

 private:
  std::string name_;
  std::vector<std::string>* log_;
};
