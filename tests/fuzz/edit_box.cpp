// Fuzzes the edit box window with random characters, keys (with shift and control), desktop
// compositions, pen sequences, selections, pastes, limits and time, and checks its invariants
// after every step: caret and anchor inside the text on boundaries, no unpaired surrogate, and
// no input ever making the text longer than the limit. The box paints, but the screen is not
// composed: that is not the box's work, and it would cost most of the time.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Clock.h"
#include "platform/input/Clipboard.h"
#include "platform/input/EditBox.h"
#include "platform/input/EditText.h"
#include "platform/input/KeyboardInput.h"
#include "platform/ui/WindowApi.h"

namespace {

namespace ui = platform::ui;
namespace input = platform::input;
using Pointer = ui::InputSink::Pointer;

constexpr uint32_t kKeys[] = {VK_LEFT,  VK_RIGHT, VK_UP,     VK_DOWN, VK_HOME,   VK_END,
                              VK_PRIOR, VK_NEXT,  VK_DELETE, VK_BACK, VK_RETURN, VK_INSERT,
                              'A',      'C',      'V',       'X',     'Q',       VK_TAB};

struct Harness {
  Harness() {
    platform::Clock::UseVirtual(1000);
    input::SHInitExtraControls();
    parent = manager.CreateWindow(u"Parent", u"", RECT{0, 0, 240, 320}, true, nullptr,
                                  ui::DefWindowProc);
    edit = ui::CreateWindowEx(0, input::kCapEditClass, u"", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                              10, 40, 200, 60, parent);
  }
  ui::WindowManager manager{ui::WindowManagerOptions{240, 320}};
  ui::HWND parent = nullptr;
  ui::HWND edit = nullptr;
};

// Reads little pieces of the input, 0 when it has run out.
struct Reader {
  const uint8_t* data;
  size_t size;
  uint8_t Byte() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
  char16_t Unit() { return static_cast<char16_t>(Byte() << 8 | Byte()); }
  std::u16string Text(size_t most) {
    std::u16string text;
    const size_t length = Byte() % (most + 1);
    for (size_t i = 0; i < length && size > 0; ++i) text.push_back(Unit());
    return text;
  }
};

void Check(const input::EditBoxState& state, size_t allowed) {
  const std::u16string& text = state.text;
  if (state.caret > text.size() || state.anchor > text.size()) std::abort();
  if (!input::IsTextBoundary(text, state.caret) || !input::IsTextBoundary(text, state.anchor)) {
    std::abort();
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const bool high = input::IsHighSurrogate(text[i]);
    const bool low = input::IsLowSurrogate(text[i]);
    if (high && !(i + 1 < text.size() && input::IsLowSurrogate(text[i + 1]))) std::abort();
    if (low && !(i > 0 && input::IsHighSurrogate(text[i - 1]))) std::abort();
  }
  if (text.size() > allowed) std::abort();
}

void Step(Harness& h, Reader& in, size_t& allowed) {
  const uint8_t op = in.Byte();
  switch (op % 10) {
    case 0:
    case 1:
      h.manager.OnChar(in.Unit());
      break;
    case 2:
      input::keybd_event(static_cast<uint8_t>(kKeys[in.Byte() % std::size(kKeys)]), 0,
                         in.Byte() & 1 ? KEYEVENTF_KEYUP : 0, 0);
      break;
    case 3:
      input::keybd_event(static_cast<uint8_t>(in.Byte() & 1 ? VK_SHIFT : VK_CONTROL), 0,
                         in.Byte() & 1 ? KEYEVENTF_KEYUP : 0, 0);
      break;
    case 4: {
      const std::u16string composition = in.Text(12);
      h.manager.OnComposition(composition, in.Byte());
      break;
    }
    case 5: {
      static constexpr Pointer kinds[] = {Pointer::kDown, Pointer::kMove, Pointer::kUp};
      h.manager.OnPointer(kinds[in.Byte() % 3], in.Byte(), in.Byte() + 20);
      break;
    }
    case 6:
      ui::SendMessage(h.edit, EM_SETSEL, in.Byte() * 4u, static_cast<int8_t>(in.Byte()) * 4);
      break;
    case 7:
      input::SetClipboardText(in.Text(40));
      ui::SendMessage(h.edit, WM_PASTE, 0, 0);
      break;
    case 8: {
      const size_t limit = in.Byte();
      ui::SendMessage(h.edit, EM_LIMITTEXT, limit, 0);
      const size_t now = input::GetEditBoxState(h.edit)->text.size();
      allowed = std::max(now, limit == 0 ? input::kMaxEditLimit : limit);
      return;
    }
    default:
      platform::Clock::Advance(in.Byte() * 8u);
      break;
  }
  h.manager.DispatchUntilIdle();
  // Input may not grow the text past the limit (a text that was longer may only shrink).
  const auto state = input::GetEditBoxState(h.edit);
  if (!state) std::abort();
  Check(*state, allowed);
  allowed = std::max(state->text.size(), std::min(allowed, state->limit));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Harness* harness = new Harness;  // one window manager for the whole run
  Harness& h = *harness;
  Reader in{data, size};
  const std::u16string start = in.Text(64);
  const size_t limit = 1 + in.Byte() % 128;
  ui::SendMessage(h.edit, EM_LIMITTEXT, limit, 0);
  ui::SendMessage(h.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(start.c_str()));
  h.manager.SetFocus(h.edit);
  h.manager.DispatchUntilIdle();
  size_t allowed = limit;
  Check(*input::GetEditBoxState(h.edit), allowed);
  for (int steps = 0; steps < 200 && in.size > 0; ++steps) Step(h, in, allowed);
  // Leave no key held and no menu open for the next input.
  input::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
  input::keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
  h.manager.OnPointer(Pointer::kUp, 0, 0);
  h.manager.OnComposition(u"", 0);
  h.manager.DispatchUntilIdle();
  return 0;
}
