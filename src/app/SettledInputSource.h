// Holds a script's next command back while background work still changes the screens (the
// contact load, an SMS recount), polling every few milliseconds of real time, so that scripted
// runs see the same state whatever the speed of the machine. After `limit_ms` of holding back
// the script goes on anyway (a load that never ends must not hang a run).
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/InputSource.h"

namespace app {

class SettledInputSource : public platform::ui::InputSource {
 public:
  SettledInputSource(platform::ui::InputSource& inner, std::function<bool()> busy,
                     uint32_t limit_ms = 20000);

  bool Feed(platform::ui::WindowManager& manager) override;

 private:
  platform::ui::InputSource& inner_;
  std::function<bool()> busy_;
  uint32_t limit_ms_;
  uint32_t held_ms_ = 0;
};

}  // namespace app
