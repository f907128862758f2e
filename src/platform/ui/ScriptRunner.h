// Runs a parsed script as the loop's input source. Each Feed does one step: a command, one
// part of a tap or drag, or one advance of the virtual clock during a wait (never past the
// next due timer, so timers and the messages they cause run in order). The loop feeds only
// when idle, so between steps every posted message has been handled and one paint done.
//
//   tap X Y            = down X Y, wait 50, up X Y
//   drag X1 Y1 X2 Y2 MS = down at 1, a move every 16 ms along the line, up at 2
//
// A step that cannot be done (an unknown message name, a shot or dump that cannot be written)
// ends the script with an error and asks the application to close.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/InputSink.h"
#include "platform/ui/InputSource.h"
#include "platform/ui/Script.h"

namespace platform::ui {

inline constexpr uint32_t kTapHoldMs = 50;
inline constexpr uint32_t kDragStepMs = 16;

class ScriptRunner final : public InputSource {
 public:
  ScriptRunner(std::vector<ScriptCommand> commands, std::string shots_dir);

  bool Feed(WindowManager& manager) override;

  bool Finished() const { return finished_; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  struct Step {
    enum class Kind { kPointer, kWait } kind;
    InputSink::Pointer pointer = InputSink::Pointer::kMove;
    int x = 0;
    int y = 0;
    uint32_t ms = 0;
  };

  bool AdvanceWait(WindowManager& manager);
  void Execute(const ScriptCommand& command, WindowManager& manager);
  void QueueDrag(const ScriptCommand& command);
  void Post(const ScriptCommand& command, WindowManager& manager);
  void RunHook(const ScriptCommand& command, WindowManager& manager);
  void Shot(const ScriptCommand& command, WindowManager& manager);
  void Dump(const ScriptCommand& command, WindowManager& manager);
  void Fail(const ScriptCommand& command, const std::string& what, WindowManager& manager);
  std::string OutputPath(const std::string& file) const;

  std::vector<ScriptCommand> commands_;
  std::string shots_dir_;
  size_t next_ = 0;
  std::deque<Step> steps_;
  std::optional<uint32_t> wait_until_;
  bool finished_ = false;
  std::string error_;
};

}  // namespace platform::ui
