// The simulated phone's window manager. It owns the windows, the UI thread's message queue,
// the timers, focus, capture and activation, and composes the phone screen: the application's
// windows, their child windows on top, and a task bar strip at the top (SM_CYMENU high) unless
// the foreground window asked for full screen. Desktop or scripted input arrives through the
// InputSink side and becomes the old window messages (WM_LBUTTONDOWN with client coordinates,
// WM_KEYDOWN with VK_* codes, WM_CHAR per UTF-16 unit, WM_ACTIVATE, WM_CLOSE).
//
// Loop contract: GetMessage returns posted messages in posting order, then one WM_PAINT for a
// window with an invalid area, then WM_TIMER of the earliest due timer; when none is pending it
// presents the composed screen, feeds the input source, and sleeps. Loop hooks (deferred
// deletion) run at the top of every iteration of the outermost loop, never inside a modal loop.
//
// Threads: everything belongs to the UI thread (the one that created the manager) except
// PostMessage and PostTask, which are safe from any thread.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Surface.h"
#include "platform/ui/Display.h"
#include "platform/ui/InputSink.h"
#include "platform/ui/InputSource.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/TimerTable.h"
#include "platform/ui/Window.h"

namespace platform::ui {

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// Full-screen state flags of the shell's SHFullScreen.
inline constexpr uint32_t SHFS_SHOWTASKBAR = 0x01;
inline constexpr uint32_t SHFS_HIDETASKBAR = 0x02;
inline constexpr uint32_t SHFS_SHOWSIPBUTTON = 0x04;
inline constexpr uint32_t SHFS_HIDESIPBUTTON = 0x08;
inline constexpr uint32_t SHFS_SHOWSTARTICON = 0x10;
inline constexpr uint32_t SHFS_HIDESTARTICON = 0x20;

// Height of the task bar strip (SM_CYMENU).
inline constexpr int kTaskBarHeight = 26;
// Virtual milliseconds that one directly presented frame takes (transitions, animations).
inline constexpr uint32_t kFrameMs = 16;

// The task bar's button of the platform's soft keyboard, drawn at the right of the task bar
// (left of the clock) while the foreground window does not hide it. A pen-down on it runs
// `tap`; `shown` tells whether to draw it pressed.
struct TaskBarButton {
  std::function<void()> tap;
  std::function<bool()> shown;
};
inline constexpr int kTaskBarButtonWidth = 28;

// Longest composition string the manager keeps (an input method's preview is short).
inline constexpr size_t kMaxCompositionUnits = 256;

struct WindowManagerOptions {
  int screen_width = 240;
  int screen_height = 320;
};

class WindowManager final : public InputSink {
 public:
  // Without a display, an in-memory one is used (headless).
  explicit WindowManager(const WindowManagerOptions& options,
                         std::unique_ptr<Display> display = nullptr);
  ~WindowManager() override;
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  // The manager of this process, or null; any thread may read it.
  static WindowManager* Current();

  // ---- Windows ----
  // Without a rect a top-level window gets the work area (the screen below the task bar) and a
  // child window an empty rect. A visible top-level window becomes the foreground window when
  // there is none. Sends WM_CREATE.
  // A window with WS_EX_NOACTIVATE never becomes the foreground window, nor the main window;
  // WS_EX_TOPMOST windows are composed and hit-tested above all others.
  HWND CreateWindow(std::u16string class_name, std::u16string title, std::optional<RECT> rect,
                    bool visible, HWND parent, WindowProc proc, uint32_t style = 0,
                    uint32_t ex_style = 0);
  // Sends WM_DESTROY to the window and then to its children; drops its timers, focus, capture.
  void DestroyWindow(HWND hwnd);
  bool IsWindow(HWND hwnd) const;
  HWND FindWindow(std::u16string_view class_name, std::u16string_view title) const;
  // The first top-level window of the class, whatever its title.
  HWND FindWindowOfClass(std::u16string_view class_name) const;
  // The first top-level window created that still exists and may be activated (the
  // application's main window).
  HWND MainWindow() const;
  bool IsChild(HWND parent, HWND hwnd) const;
  // Top-level windows from bottom to top.
  const std::vector<HWND>& TopLevelWindows() const { return top_level_; }

  // ---- Messages ----
  void PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void PostTask(std::function<void()> task);
  LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void PostQuitMessage(int exit_code);
  // False when the quit message was taken (msg.wParam then holds its exit code).
  bool GetMessage(MSG& msg);
  LRESULT DispatchMessage(const MSG& msg);
  // Runs messages, paints and due timers until idle, then presents. False once a quit
  // message was taken (it is put back so that the outer loop also ends).
  bool PumpUntilIdle();
  // The same without composing and presenting the screen: for runs that look at windows, not
  // at the screen. False once a quit message was taken.
  bool DispatchUntilIdle();
  // Removes queued WM_KEYDOWN and WM_CHAR messages of the window (all windows when null).
  size_t FlushKeyMessages(HWND hwnd);
  // Paints the window now when it has an invalid area (UpdateWindow).
  void UpdateWindow(HWND hwnd);
  void AddLoopHook(std::function<void()> hook) { loop_hooks_.push_back(std::move(hook)); }
  void SetInputSource(InputSource* source) { input_source_ = source; }

  // ---- Timers ----
  void SetTimer(HWND hwnd, uintptr_t id, uint32_t interval_ms);
  bool KillTimer(HWND hwnd, uintptr_t id);
  std::optional<uint32_t> TimeToNextTimer() const;

  // ---- Painting ----
  // Adds the rectangle (client pixels; null = the whole client area) to the invalid area.
  void InvalidateRect(HWND hwnd, const RECT* rect);
  // The window's surface and its invalid area, which becomes valid.
  Surface* BeginPaint(HWND hwnd, RECT& invalid);
  void EndPaint(HWND hwnd);
  // The window's surface for drawing outside WM_PAINT (transitions); call PresentFrame after.
  Surface& GetDC(HWND hwnd);
  // Composes and presents the screen now; on the virtual clock one frame takes kFrameMs.
  void PresentFrame();
  // The composed phone screen, composed afresh when anything changed.
  const Surface& Screen();

  // ---- Geometry ----
  RECT GetWindowRect(HWND hwnd) const;
  RECT GetClientRect(HWND hwnd) const;
  // Moves and sizes; sends WM_SIZE (lParam: width low word, height high word) when the size
  // changed, and invalidates the whole window then (its surface is new).
  void MoveWindow(HWND hwnd, const RECT& rect, bool repaint);
  // Hiding a child window that holds the keyboard focus (or whose descendant does) gives the
  // focus to its top-level window.
  void ShowWindow(HWND hwnd, int command);
  int GetSystemMetrics(int index) const;
  SIZE ScreenSize() const { return SIZE{screen_width_, screen_height_}; }
  // Swaps the screen's width and height; windows covering the screen or the work area are
  // resized to the new one (WM_SIZE).
  void Rotate();
  // The screen takes a new size (clamped as at construction); the windows follow as on Rotate.
  void SetScreenSize(int width, int height);

  // ---- Keyboard state, composition, clipboard ----
  // Whether the key is held as of the message being handled (shift and control are tracked;
  // the others read as up): the state changes when the key's own message is taken from the
  // queue, so a handler sees the keys as they were when its message was made.
  bool IsKeyDown(uint32_t virtual_key) const;
  // Whether the key is held as of the last key input (before the queue has caught up).
  bool IsKeyDownNow(uint32_t virtual_key) const;
  // The input method's composition string of the focused window (empty when none).
  const std::u16string& CompositionText() const { return composition_; }
  int CompositionCursor() const { return composition_cursor_; }
  // Tells the display where the caret is (screen pixels), so that a desktop input method
  // puts its candidate list beside it.
  void SetTextInputRect(const RECT& screen_rect);
  // The desktop's clipboard when the display has one; false / nullopt otherwise.
  bool SetDesktopClipboard(std::u16string_view text);
  std::optional<std::u16string> DesktopClipboard();
  void SetTaskBarButton(TaskBarButton button);
  RECT TaskBarButtonRect() const;

  // ---- Focus, capture, activation ----
  void SetCapture(HWND hwnd) { capture_ = hwnd; }
  void ReleaseCapture() { capture_ = nullptr; }
  HWND GetCapture() const { return capture_; }
  // Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new window (each with the other in
  // wParam); returns the old focus.
  HWND SetFocus(HWND hwnd);
  HWND GetFocus() const { return focus_; }
  // A text box tells when it gets (true) or loses the focus; the platform's soft keyboard names
  // its window. While a text box has the focus and that keyboard is not shown, the desktop's
  // text input is wanted (a phone's own on-screen keyboard, through the display).
  void SetTextFocus(HWND hwnd, bool focused);
  void SetKeyboardWindow(HWND hwnd) { keyboard_window_ = hwnd; }
  bool DesktopTextInputWanted() const;
  // Raises the top-level window (restoring it when minimised) and makes it the foreground
  // window: WM_ACTIVATE(WA_INACTIVE) to the old one, WM_ACTIVATE(WA_ACTIVE) to the new one.
  bool SetForegroundWindow(HWND hwnd);
  HWND GetForegroundWindow() const { return foreground_; }
  // What a second start asks for: foreground, and the application active again.
  void BringToFront(HWND hwnd);
  bool IsActive() const { return active_; }
  // The shell's full-screen call: SHFS_HIDETASKBAR / SHFS_SHOWTASKBAR change the task bar.
  void SHFullScreen(HWND hwnd, uint32_t flags);
  bool TaskBarVisible() const;
  bool TaskBarButtonVisible() const;

  // ---- Modal message box ----
  // Draws a centred box with the caption, the text and OK (MB_OK) or Yes/No (MB_YESNO) and
  // runs a nested loop until a button is tapped (Return answers OK/Yes, Escape No/OK).
  int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, uint32_t type);
  HWND ModalWindow() const { return modal_; }
  // Shows `window` (a top-level window) modally and runs a nested loop until `done` is true or
  // the quit message arrives (false then; it is put back for the outer loop). While it runs,
  // pen input reaches only the window, its children and top-most windows opened above it (an
  // edit box's menu), keys go to its focused child or to itself, and the other windows get
  // none. `filter` sees every message first and returns true for one it handled itself.
  bool RunModal(HWND window, const std::function<bool()>& done,
                const std::function<bool(const MSG&)>& filter = {});

  // ---- InputSink ----
  void OnPointer(Pointer kind, int x, int y) override;
  void OnKey(uint32_t virtual_key) override;
  void OnKeyUp(uint32_t virtual_key) override;
  void OnChar(char16_t unit) override;
  void OnComposition(std::u16string_view text, int cursor) override;
  void OnActivate(bool active) override;
  void OnCloseRequest() override;
  void OnScreenSize(int width, int height) override;

 private:
  bool PeekNext(MSG& msg);
  bool TakeDirtyWindow(MSG& msg);
  std::optional<uint32_t> WaitTimeout() const;
  Window* Resolve(HWND hwnd) const;
  HWND RootOf(HWND hwnd) const;
  HWND WindowAt(int x, int y, POINT& client) const;
  HWND HitTest(HWND hwnd, int x, int y, POINT origin, POINT& client) const;
  POINT ScreenOrigin(HWND hwnd) const;
  HWND KeyTarget() const;
  // Visible top-most windows raised above the modal window (none without one).
  bool AboveModal(HWND hwnd) const;
  void MarkStale() { screen_stale_ = true; }
  void Compose();
  void TraceFrame();
  void ComposeWindow(HWND hwnd, POINT origin);
  void DrawTaskBar();
  void DrawTaskBarButton();
  bool TapTaskBar(Pointer kind, int x, int y);
  void ComposeLayer(bool topmost);
  void DrawRepaintOverlay();
  void RemoveFromZOrder(HWND hwnd);
  RECT WorkArea() const;
  RECT FullScreenRect() const { return RECT{0, 0, screen_width_, screen_height_}; }

  std::thread::id ui_thread_;
  int screen_width_;
  int screen_height_;
  std::unique_ptr<Display> display_;
  MessageQueue queue_;
  TimerTable timers_;
  std::vector<std::unique_ptr<Window>> windows_;  // every window ever created, in creation order
  std::vector<HWND> top_level_;                   // alive top-level windows, bottom to top
  std::vector<std::function<void()>> loop_hooks_;
  std::vector<std::unique_ptr<WindowClassData>> retired_class_data_;
  InputSource* input_source_ = nullptr;
  HWND capture_ = nullptr;
  HWND focus_ = nullptr;
  HWND text_focus_ = nullptr;
  HWND keyboard_window_ = nullptr;
  std::optional<bool> text_input_wanted_;  // as last told to the display
  HWND foreground_ = nullptr;
  HWND modal_ = nullptr;
  int modal_depth_ = 0;
  bool active_ = true;
  bool painted_ = false;  // BeginPaint seen during the WM_PAINT being dispatched
  std::unique_ptr<Surface> screen_;
  bool screen_stale_ = true;
  int64_t clock_minute_ = -1;
  struct Modifiers {
    bool shift = false;
    bool control = false;
    void Set(uint32_t virtual_key, bool down);
  };
  Modifiers keys_handled_;  // as of the message being handled
  Modifiers keys_input_;    // as of the last key input
  std::u16string composition_;
  int composition_cursor_ = 0;
  TaskBarButton task_bar_button_;
  bool debug_repaint_ = false;
  // The "frames" channel: a line per presented screen with the real time the loop spent on it
  // since it last presented or woke from waiting for input.
  bool debug_frames_ = false;
  std::chrono::steady_clock::time_point frame_started_ = std::chrono::steady_clock::now();
  std::vector<RECT> repainted_;  // screen rects painted since the last compose (debug overlay)
};

}  // namespace platform::ui
