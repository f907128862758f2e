// The "startup" debug channel (QUILLBOOK_DEBUG=startup): two lines on standard error that say
// when the start was over, for people and benchmarks timing it:
//   quillbook: startup: list painted after N ms, cpu S s, peak rss K KiB (R contact rows)
//   quillbook: startup: settled after N ms, cpu S s, peak rss K KiB
// The first when the screen is painted with the contact list showing contact rows (or the
// load is over, for an empty address book); the second when the load and every SMS recount
// are over and the screen is painted. Both are noticed where the message loop goes idle: it
// wraps the input source the loop asks then (the script, or none).
#pragma once

#include <functional>

#include "platform/ui/InputSource.h"

namespace app {

class StartupTrace : public platform::ui::InputSource {
 public:
  struct Probe {
    std::function<size_t()> contact_rows;  // contact rows the list shows
    std::function<bool()> loaded;          // the contact load ran and ended
    std::function<bool()> busy;            // a load or a recount still runs
  };
  // `inner` may be null (no script).
  StartupTrace(platform::ui::InputSource* inner, Probe probe);

  static bool Enabled();

  bool Feed(platform::ui::WindowManager& manager) override;

 private:
  platform::ui::InputSource* inner_;
  Probe probe_;
  bool painted_ = false;
  bool settled_ = false;
};

}  // namespace app
