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
#include <set>
#include <string>
#include <vector>

#include "platform/Types.h"
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
  // Screen rectangles of the icon bar's buttons (favourites, SMS, filter, phone); empty while
  // there is no bar to aim at.
  std::function<std::vector<RECT>()> icon_bar;
  // Goes back to the list screen the way the screens' back buttons do (when a gesture aimed
  // at the icon bar finds another screen on view).
  std::function<void()> back_to_list;
  // Names of what is on view now (screens, panels, platform windows), gathered for the report.
  std::function<std::vector<std::string>()> probe;
};

class MonkeyInput final : public platform::ui::InputSource {
 public:
  explicit MonkeyInput(MonkeyOptions options);

  bool Feed(platform::ui::WindowManager& manager) override;

  uint64_t EventsDone() const { return events_done_; }
  // Times the program was given input (a script step or a new chunk).
  uint64_t Feeds() const { return feeds_; }
  bool Failed() const { return !error_.empty(); }
  // The monkey itself asked the program to close (all events done or a script failure); a
  // close without it is the program's own (the close symbol) and ends only that run.
  bool Closing() const { return closing_; }
  // Everything the probe saw on view during the run, sorted.
  const std::set<std::string>& Reached() const { return reached_; }
  // Gestures aimed at the icon bar, and those dropped because no bar was on view.
  uint64_t BarGestures() const { return bar_gestures_; }
  uint64_t BarGesturesWithoutBar() const { return bar_gestures_missed_; }
  const std::string& Error() const { return error_; }

 private:
  // The next chunk of random script commands.
  std::vector<platform::ui::ScriptCommand> MakeChunk();
  platform::ui::ScriptCommand RandomCommand();
  // A gesture aimed at the icon bar: a tap on one of its buttons, or the phone button held
  // until the symbol pad opens and the pen slid onto one of its symbols (after the options
  // symbol, taps where its menu lies).
  void AddBarGesture(std::vector<platform::ui::ScriptCommand>& chunk);
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
  std::set<std::string> reached_;
  uint64_t feeds_ = 0;
  uint64_t bar_gestures_ = 0;
  uint64_t bar_gestures_missed_ = 0;
};

}  // namespace monkey
