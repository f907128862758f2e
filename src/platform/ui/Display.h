// Where the composed phone screen goes and where input comes from. Two implementations: an SDL
// window on the desktop, and a pure in-memory display for headless and test runs.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Surface.h"
#include "platform/ui/InputSink.h"

namespace platform::ui {

class Display {
 public:
  virtual ~Display() = default;
  virtual void Present(const Surface& screen) = 0;
  // Delivers every pending desktop event to the sink; never blocks.
  virtual void PollEvents(InputSink& sink) = 0;
  // Sleeps until an event or a Wake arrives, or the timeout (none: no limit) passes.
  virtual void Wait(std::optional<uint32_t> timeout_ms) = 0;
  // Ends a Wait; safe from any thread.
  virtual void Wake() = 0;
  // The phone screen changed size (rotation).
  virtual void Resize(int width, int height) = 0;
  // Whether a text box has the focus without the platform's soft keyboard: a full-screen window
  // then takes the desktop's text input (which shows a phone's own on-screen keyboard), and
  // lets go of it otherwise; a simulator window takes text input all the time (typing
  // anywhere on the desktop's keyboard).
  virtual void SetTextInputWanted(bool) {}
  // Brings the desktop window to the front with the keyboard focus, where the desktop allows.
  virtual void Raise() {}
  // Where the caret of the focused edit box is (screen pixels), for the desktop's input
  // method; nothing to do without one.
  virtual void SetTextInputRect(const RECT&) {}
  // The desktop's clipboard; a display without one answers false / nullopt, and the platform
  // keeps a clipboard of its own instead.
  virtual bool SetClipboardText(std::u16string_view) { return false; }
  virtual std::optional<std::u16string> ClipboardText() { return std::nullopt; }
};

// The in-memory display: presenting keeps nothing (the manager holds the screen), waiting
// sleeps on a condition variable.
std::unique_ptr<Display> CreateHeadlessDisplay();

// An SDL window of the screen size times zoom (the phone simulated on a desktop); null when
// SDL cannot open one.
std::unique_ptr<Display> CreateSdlDisplay(int width, int height, int zoom);
// A full-screen SDL window on the first output (the phone's own screen), at the output's size
// in the desktop's units; `width` and `height` receive it. Null when SDL cannot open one.
std::unique_ptr<Display> CreateSdlFullScreenDisplay(int& width, int& height);

}  // namespace platform::ui
