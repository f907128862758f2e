// The monkey's input: random pen taps, drags, flings, long presses, keys, typed letters,
// rotations, theme changes and the filter menu's button, fed to the message loop in chunks
// through the script runner, and between chunks contacts added and deleted by a second
// process, the test text box and keyboard actions, and conversations opened and sent.
// Everything follows from the seed and the virtual clock, so a failing run is replayed by its
// seed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/ui/InputSource.h"
#include "platform/ui/Script.h"
#include "platform/ui/ScriptRunner.h"

namespace monkey {

struct MonkeyOptions {
  uint64_t seed = 1;
  uint64_t events = 10000;
  int screen_width = 240;
  int screen_height = 320;
  // Theme files to switch between (names in the program folder); none = never switch.
  std::vector<std::u16string> themes;
  // Runs the second process; its argument list (e.g. {"add", "Name"}), returns its stdout.
  std::function<std::string(const std::vector<std::string>&)> store_writer;
  // Called on the UI thread to change the theme.
  std::function<void(const std::u16string&)> change_theme;
};

class MonkeyInput final : public platform::ui::InputSource {
 public:
  explicit MonkeyInput(MonkeyOptions options);

  bool Feed(platform::ui::WindowManager& manager) override;

  uint64_t EventsDone() const { return events_done_; }
  bool Failed() const { return !error_.empty(); }
  const std::string& Error() const { return error_; }

 private:
  // The next chunk of random script commands.
  std::vector<platform::ui::ScriptCommand> MakeChunk();
  platform::ui::ScriptCommand RandomCommand();
  // Between chunks: a theme change, a contact added or deleted by the second process, a text
  // box or keyboard action, or a conversation opened or sent.
  void BetweenChunks();
  int Random(int low, int high);  // inclusive

  MonkeyOptions options_;
  std::mt19937_64 rng_;
  std::unique_ptr<platform::ui::ScriptRunner> runner_;
  uint64_t events_done_ = 0;
  std::vector<std::string> added_oids_;
  bool closing_ = false;
  std::string error_;
};

}  // namespace monkey
