// The window manager's input side: what a display (SDL events) or a script delivers. Points
// are in screen pixels of the simulated phone display (zoom already removed). UI thread only.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform::ui {

class InputSink {
 public:
  enum class Pointer { kDown, kMove, kUp };

  virtual ~InputSink() = default;
  virtual void OnPointer(Pointer kind, int x, int y) = 0;
  virtual void OnKey(uint32_t virtual_key) = 0;
  virtual void OnKeyUp(uint32_t virtual_key) = 0;
  virtual void OnChar(char16_t unit) = 0;
  // A desktop input method's composition (preedit) changed: the text not yet committed and
  // the cursor inside it (units); an empty text ends the composition.
  virtual void OnComposition(std::u16string_view text, int cursor) = 0;
  // The desktop gave the phone display the focus (true) or took it away (false).
  virtual void OnActivate(bool active) = 0;
  // The desktop asked to close the display window.
  virtual void OnCloseRequest() = 0;
  // The display's size changed (a full-screen window follows its output: a rotated phone).
  virtual void OnScreenSize(int width, int height) = 0;
};

}  // namespace platform::ui
