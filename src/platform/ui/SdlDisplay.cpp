// The desktop display: one SDL window showing the composed phone screen scaled by the zoom
// factor. SDL events become InputSink calls: mouse and finger input in screen pixels, keys as
// old virtual-key codes, text input as UTF-16 units, focus changes as activation and the
// window's close button as a close request. Posts from other threads wake the wait with an
// SDL user event.
#include <SDL.h>

#include <algorithm>
#include <memory>

#include "platform/Messages.h"
#include "platform/Text.h"
#include "platform/ui/Display.h"

namespace platform::ui {

namespace {

struct SdlWindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
struct SdlSurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
struct SdlFreeDeleter {
  void operator()(char* text) const { SDL_free(text); }
};
using SdlWindowPtr = std::unique_ptr<SDL_Window, SdlWindowDeleter>;

// Longest desktop clipboard text read (UTF-8 bytes); the platform's clipboard cuts further.
constexpr size_t kMaxClipboardBytes = 1u << 20;
using SdlSurfacePtr = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

// SDL keys that have an old virtual-key code; 0 for the others.
uint32_t VirtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint32_t>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint32_t>('0' + (key - SDLK_0));
  switch (key) {
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_END:
      return VK_END;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_DELETE:
      return VK_DELETE;
    case SDLK_F1:
      return VK_TSOFT1;
    case SDLK_F2:
      return VK_TSOFT2;
    case SDLK_F3:
      return VK_TTALK;
    case SDLK_F4:
      return VK_TEND;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    default:
      return 0;
  }
}

class SdlDisplay final : public Display {
 public:
  SdlDisplay(SdlWindowPtr window, int width, int height, int zoom, uint32_t wake_event,
             bool full_screen)
      : window_(std::move(window)),
        width_(width),
        height_(height),
        zoom_(zoom),
        wake_event_(wake_event),
        full_screen_(full_screen) {}

  ~SdlDisplay() override {
    window_.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  }

  void Present(const Surface& screen) override {
    SDL_Surface* target = SDL_GetWindowSurface(window_.get());
    if (!target) return;
    SdlSurfacePtr source(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(screen.Pixels()), screen.Width(), screen.Height(), 32,
        screen.StridePixels() * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!source) return;
    SDL_SetSurfaceBlendMode(source.get(), SDL_BLENDMODE_NONE);
    SDL_Rect dst{0, 0, screen.Width() * zoom_, screen.Height() * zoom_};
    SDL_BlitScaled(source.get(), nullptr, target, &dst);
    SDL_UpdateWindowSurface(window_.get());
  }

  void PollEvents(InputSink& sink) override {
    SDL_Event event;
    while (SDL_PollEvent(&event)) Deliver(event, sink);
  }

  void Wait(std::optional<uint32_t> timeout_ms) override {
    const int timeout =
        timeout_ms ? static_cast<int>(std::min<uint32_t>(*timeout_ms, 1000000)) : -1;
    SDL_WaitEventTimeout(nullptr, timeout);
  }

  void Wake() override {
    SDL_Event event{};
    event.type = wake_event_;
    SDL_PushEvent(&event);
  }

  void Resize(int width, int height) override {
    width_ = width;
    height_ = height;
    // A full-screen window has its output's size; the screen follows it, not the reverse.
    if (!full_screen_) SDL_SetWindowSize(window_.get(), width * zoom_, height * zoom_);
  }

  void SetTextInputWanted(bool wanted) override {
    if (!full_screen_) return;
    if (wanted) {
      SDL_StartTextInput();
    } else {
      SDL_StopTextInput();
    }
  }

  void Raise() override {
    SDL_RaiseWindow(window_.get());
    // Without a window manager (a kiosk session, a test display) nothing else gives the
    // window the keyboard.
    SDL_SetWindowInputFocus(window_.get());
  }

  void SetTextInputRect(const RECT& r) override {
    SDL_Rect rect{r.left * zoom_, r.top * zoom_, RectWidth(r) * zoom_, RectHeight(r) * zoom_};
    SDL_SetTextInputRect(&rect);
  }

  bool SetClipboardText(std::u16string_view text) override {
    return SDL_SetClipboardText(ToUtf8(text).c_str()) == 0;
  }

  std::optional<std::u16string> ClipboardText() override {
    if (!SDL_HasClipboardText()) return std::nullopt;
    std::unique_ptr<char, SdlFreeDeleter> text(SDL_GetClipboardText());
    if (!text) return std::nullopt;
    // The desktop's clipboard is outside input: read no more than the platform keeps.
    const size_t length = strnlen(text.get(), kMaxClipboardBytes);
    return FromUtf8(std::string_view(text.get(), length));
  }

 private:
  void Deliver(const SDL_Event& event, InputSink& sink);
  void DeliverWindowEvent(const SDL_WindowEvent& event, InputSink& sink);
  void DeliverText(const char* utf8, InputSink& sink);
  void DeliverEditing(const SDL_TextEditingEvent& event, InputSink& sink);
  void DeliverFinger(const SDL_TouchFingerEvent& event, InputSink::Pointer kind, InputSink& sink) {
    sink.OnPointer(kind, static_cast<int>(event.x * static_cast<float>(width_)),
                   static_cast<int>(event.y * static_cast<float>(height_)));
  }

  SdlWindowPtr window_;
  int width_;
  int height_;
  int zoom_;
  uint32_t wake_event_;
  bool full_screen_;
  bool mouse_down_ = false;
};

void SdlDisplay::Deliver(const SDL_Event& event, InputSink& sink) {
  using P = InputSink::Pointer;
  switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.which == SDL_TOUCH_MOUSEID || event.button.button != SDL_BUTTON_LEFT) {
        return;
      }
      mouse_down_ = event.type == SDL_MOUSEBUTTONDOWN;
      sink.OnPointer(mouse_down_ ? P::kDown : P::kUp, event.button.x / zoom_,
                     event.button.y / zoom_);
      return;
    case SDL_MOUSEMOTION:
      // The old platform sends moves only while the pen touches the screen.
      if (event.motion.which == SDL_TOUCH_MOUSEID || !mouse_down_) return;
      sink.OnPointer(P::kMove, event.motion.x / zoom_, event.motion.y / zoom_);
      return;
    case SDL_FINGERDOWN:
      DeliverFinger(event.tfinger, P::kDown, sink);
      return;
    case SDL_FINGERMOTION:
      DeliverFinger(event.tfinger, P::kMove, sink);
      return;
    case SDL_FINGERUP:
      DeliverFinger(event.tfinger, P::kUp, sink);
      return;
    case SDL_KEYDOWN:
      if (uint32_t vk = VirtualKeyOf(event.key.keysym.sym)) {
        sink.OnKey(vk);
        // Keys with a character of their own also give WM_CHAR, as TranslateMessage did
        // (with control held they are shortcuts and type nothing).
        if ((vk == VK_BACK || vk == VK_RETURN) && !(event.key.keysym.mod & KMOD_CTRL)) {
          sink.OnChar(static_cast<char16_t>(vk));
        }
      }
      return;
    case SDL_KEYUP:
      if (uint32_t vk = VirtualKeyOf(event.key.keysym.sym)) sink.OnKeyUp(vk);
      return;
    case SDL_TEXTINPUT:
      DeliverText(event.text.text, sink);
      return;
    case SDL_TEXTEDITING:
      DeliverEditing(event.edit, sink);
      return;
    case SDL_WINDOWEVENT:
      DeliverWindowEvent(event.window, sink);
      return;
    case SDL_QUIT:
      sink.OnCloseRequest();
      return;
    default:
      return;
  }
}

void SdlDisplay::DeliverWindowEvent(const SDL_WindowEvent& event, InputSink& sink) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      sink.OnActivate(true);
      return;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      sink.OnActivate(false);
      return;
    case SDL_WINDOWEVENT_CLOSE:
      sink.OnCloseRequest();
      return;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (full_screen_ && event.data1 > 0 && event.data2 > 0) {
        sink.OnScreenSize(event.data1 / zoom_, event.data2 / zoom_);
      }
      return;
    default:
      return;
  }
}

void SdlDisplay::DeliverText(const char* utf8, InputSink& sink) {
  const size_t length = strnlen(utf8, sizeof(SDL_TextInputEvent::text));
  for (char16_t unit : FromUtf8(std::string_view(utf8, length))) sink.OnChar(unit);
}

void SdlDisplay::DeliverEditing(const SDL_TextEditingEvent& event, InputSink& sink) {
  const size_t length = strnlen(event.text, sizeof(SDL_TextEditingEvent::text));
  const std::string_view utf8(event.text, length);
  // SDL counts the cursor in characters; the sink wants UTF-16 units.
  const std::u16string composition = FromUtf8(utf8);
  size_t cursor = 0;
  for (int seen = 0; cursor < composition.size() && seen < event.start; ++seen) {
    const bool pair = composition[cursor] >= 0xD800 && composition[cursor] <= 0xDBFF &&
                      cursor + 1 < composition.size();
    cursor += pair ? 2 : 1;
  }
  sink.OnComposition(composition, static_cast<int>(cursor));
}

}  // namespace

namespace {

std::unique_ptr<Display> OpenWindow(int& width, int& height, int zoom, bool full_screen) {
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
  // The window's class on X11 and its app id on Wayland: the desktop entry's name, so the
  // desktop matches the window to the entry (icon, grouping).
  SDL_SetHint(SDL_HINT_APP_NAME, "quillbook");
  SDL_setenv("SDL_VIDEO_X11_WMCLASS", "quillbook", 0);
  SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", "quillbook", 0);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return nullptr;
  zoom = full_screen ? 1 : std::clamp(zoom, 1, 8);
  uint32_t flags = 0;
  if (full_screen) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0 || mode.w < 16 || mode.h < 16) {
      SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
      return nullptr;
    }
    width = mode.w;
    height = mode.h;
    flags = SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  SdlWindowPtr window(SDL_CreateWindow("Quillbook", SDL_WINDOWPOS_UNDEFINED,
                                       SDL_WINDOWPOS_UNDEFINED, width * zoom, height * zoom,
                                       flags));
  const uint32_t wake_event = SDL_RegisterEvents(1);
  if (!window || wake_event == static_cast<uint32_t>(-1)) {
    window.reset();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    return nullptr;
  }
  // The output's size in the desktop's units (its scale applied): what the window got.
  if (full_screen) SDL_GetWindowSize(window.get(), &width, &height);
  width = std::clamp(width, 16, 4096);
  height = std::clamp(height, 16, 4096);
  // A simulator window types anywhere; a full-screen one only into a text box (below).
  if (full_screen) {
    SDL_StopTextInput();
  } else {
    SDL_StartTextInput();
  }
  SDL_RaiseWindow(window.get());
  SDL_SetWindowInputFocus(window.get());
  return std::make_unique<SdlDisplay>(std::move(window), width, height, zoom, wake_event,
                                      full_screen);
}

}  // namespace

std::unique_ptr<Display> CreateSdlDisplay(int width, int height, int zoom) {
  return OpenWindow(width, height, zoom, false);
}

std::unique_ptr<Display> CreateSdlFullScreenDisplay(int& width, int& height) {
  return OpenWindow(width, height, 1, true);
}

}  // namespace platform::ui
