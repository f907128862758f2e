#include "platform/ui/ScriptRunner.h"

#include <filesystem>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/input/Clipboard.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/ScriptHooks.h"
#include "platform/ui/WindowManager.h"

namespace platform::ui {

ScriptRunner::ScriptRunner(std::vector<ScriptCommand> commands, std::string shots_dir)
    : commands_(std::move(commands)), shots_dir_(std::move(shots_dir)) {}

bool ScriptRunner::Feed(WindowManager& manager) {
  if (wait_until_) return AdvanceWait(manager);
  if (!steps_.empty()) {
    const Step step = steps_.front();
    steps_.pop_front();
    if (step.kind == Step::Kind::kWait) {
      wait_until_ = Clock::TickCount() + step.ms;
    } else {
      manager.OnPointer(step.pointer, step.x, step.y);
    }
    return true;
  }
  if (finished_ || next_ >= commands_.size()) {
    finished_ = true;
    return false;
  }
  Execute(commands_[next_++], manager);
  return true;
}

bool ScriptRunner::AdvanceWait(WindowManager& manager) {
  const int32_t remaining = static_cast<int32_t>(*wait_until_ - Clock::TickCount());
  if (remaining <= 0) {
    wait_until_.reset();
    return true;
  }
  uint32_t step = static_cast<uint32_t>(remaining);
  if (auto next_timer = manager.TimeToNextTimer()) step = std::min(step, *next_timer);
  Clock::Advance(std::max<uint32_t>(step, 1));
  return true;
}

void ScriptRunner::Execute(const ScriptCommand& command, WindowManager& manager) {
  using Kind = ScriptCommand::Kind;
  using P = InputSink::Pointer;
  switch (command.kind) {
    case Kind::kDown:
      manager.OnPointer(P::kDown, command.x1, command.y1);
      return;
    case Kind::kMove:
      manager.OnPointer(P::kMove, command.x1, command.y1);
      return;
    case Kind::kUp:
      manager.OnPointer(P::kUp, command.x1, command.y1);
      return;
    case Kind::kTap:
      manager.OnPointer(P::kDown, command.x1, command.y1);
      steps_.push_back(Step{Step::Kind::kWait, P::kMove, 0, 0, kTapHoldMs});
      steps_.push_back(Step{Step::Kind::kPointer, P::kUp, command.x1, command.y1, 0});
      return;
    case Kind::kDrag:
      QueueDrag(command);
      return;
    case Kind::kKey:
      manager.OnKey(command.number);
      return;
    case Kind::kPress:
      manager.OnKey(command.number);
      if (const char16_t typed = DesktopKeyCharacter(command.number)) manager.OnChar(typed);
      return;
    case Kind::kChar:
      for (char16_t unit : command.text) manager.OnChar(unit);
      return;
    case Kind::kPaste:
      input::SetClipboardText(command.text);
      if (HWND focus = manager.GetFocus()) manager.PostMessage(focus, WM_PASTE, 0, 0);
      return;
    case Kind::kTest:
      RunHook(command, manager);
      return;
    case Kind::kWait:
      wait_until_ = Clock::TickCount() + command.number;
      return;
    case Kind::kRotate:
      manager.Rotate();
      return;
    case Kind::kActivate:
      manager.OnActivate(true);
      return;
    case Kind::kDeactivate:
      manager.OnActivate(false);
      return;
    case Kind::kPost:
      Post(command, manager);
      return;
    case Kind::kShot:
      Shot(command, manager);
      return;
    case Kind::kDump:
      Dump(command, manager);
      return;
    case Kind::kQuit:
      finished_ = true;
      manager.OnCloseRequest();
      return;
  }
}

void ScriptRunner::QueueDrag(const ScriptCommand& command) {
  using P = InputSink::Pointer;
  steps_.push_back(Step{Step::Kind::kPointer, P::kDown, command.x1, command.y1, 0});
  const uint32_t count = std::max<uint32_t>(1, command.number / kDragStepMs);
  for (uint32_t i = 1; i <= count; ++i) {
    const int64_t x = command.x1 + int64_t{command.x2 - command.x1} * i / count;
    const int64_t y = command.y1 + int64_t{command.y2 - command.y1} * i / count;
    const uint32_t ms = i == count ? command.number - kDragStepMs * (count - 1) : kDragStepMs;
    steps_.push_back(Step{Step::Kind::kWait, P::kMove, 0, 0, std::min(ms, command.number)});
    steps_.push_back(
        Step{Step::Kind::kPointer, P::kMove, static_cast<int>(x), static_cast<int>(y), 0});
  }
  steps_.push_back(Step{Step::Kind::kPointer, P::kUp, command.x2, command.y2, 0});
}

void ScriptRunner::Post(const ScriptCommand& command, WindowManager& manager) {
  UINT message = command.number;
  if (!command.text.empty()) {
    auto id = FindRegisteredMessage(command.text);
    if (!id) return Fail(command, "post: no registered message of that name", manager);
    message = *id;
  }
  if (HWND main = manager.MainWindow()) manager.PostMessage(main, message, 0, 0);
}

void ScriptRunner::RunHook(const ScriptCommand& command, WindowManager& manager) {
  const std::string error = ScriptHooks::Instance().Run(command.name, command.text);
  if (!error.empty()) Fail(command, "test " + command.name + ": " + error, manager);
}

std::string ScriptRunner::OutputPath(const std::string& file) const {
  return shots_dir_.empty() ? file : shots_dir_ + "/" + file;
}

void ScriptRunner::Shot(const ScriptCommand& command, WindowManager& manager) {
  const std::string path = OutputPath(command.file);
  MakeDirectories(std::filesystem::path(path).parent_path().string());
  if (!manager.Screen().WritePng(path)) Fail(command, "shot: cannot write " + path, manager);
}

void ScriptRunner::Dump(const ScriptCommand& command, WindowManager& manager) {
  const std::string path = OutputPath(command.file);
  MakeDirectories(std::filesystem::path(path).parent_path().string());
  if (!WriteFileAtomically(path, DumpRegistry::Instance().Write(manager))) {
    Fail(command, "dump: cannot write " + path, manager);
  }
}

void ScriptRunner::Fail(const ScriptCommand& command, const std::string& what,
                        WindowManager& manager) {
  error_ = "line " + std::to_string(command.line) + ": " + what;
  finished_ = true;
  steps_.clear();
  manager.OnCloseRequest();
}

}  // namespace platform::ui
