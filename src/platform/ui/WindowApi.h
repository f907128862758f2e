// The old platform's window functions over the current WindowManager, so that the shell, the
// screens and the controls read like the code they stand for. Each call goes to
// WindowManager::Current() and does nothing (returning 0, false or an empty rect) when no
// manager exists. PostMessage may be called from any thread; everything else on the UI thread.
#pragma once

#include <string_view>

#include "platform/ui/RegisteredMessages.h"
#include "platform/ui/WindowManager.h"

namespace platform::ui {

struct PAINTSTRUCT {
  RECT rcPaint{};
  Surface* surface = nullptr;
};

// Window classes by name: every window of a class gets the class's procedure. Registration
// is for the whole process (it outlives window managers); false when the name is empty or
// already taken (the first registration stays).
bool RegisterClass(std::u16string_view class_name, WindowProc proc);
bool IsClassRegistered(std::u16string_view class_name);
// A window of a registered class at (x, y) in its parent's client pixels (screen pixels for
// a top-level window); shown when the style has WS_VISIBLE. Null when the class is unknown,
// there is no window manager or the parent is not a window.
HWND CreateWindowEx(uint32_t ex_style, std::u16string_view class_name, std::u16string_view title,
                    uint32_t style, int x, int y, int width, int height, HWND parent);
bool DestroyWindow(HWND hwnd);

bool PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
void PostQuitMessage(int exit_code);
bool GetMessage(MSG& msg);
LRESULT DispatchMessage(const MSG& msg);
// Handles messages a window procedure leaves alone: WM_CLOSE destroys the window, WM_PAINT
// validates it; everything else returns 0.
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

bool SetTimer(HWND hwnd, uintptr_t id, uint32_t interval_ms);
bool KillTimer(HWND hwnd, uintptr_t id);

// rect null: the whole client area. The erase flag of the old call does not exist: windows
// here never erase their background.
void InvalidateRect(HWND hwnd, const RECT* rect);
Surface* BeginPaint(HWND hwnd, PAINTSTRUCT& paint);
void EndPaint(HWND hwnd, const PAINTSTRUCT& paint);

bool GetClientRect(HWND hwnd, RECT& rect);
bool GetWindowRect(HWND hwnd, RECT& rect);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool SetWindowPos(HWND hwnd, int x, int y, int width, int height);
bool ShowWindow(HWND hwnd, int command);
int GetSystemMetrics(int index);

HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();
HWND SetFocus(HWND hwnd);
HWND GetFocus();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
bool IsWindow(HWND hwnd);
bool IsChild(HWND parent, HWND hwnd);
HWND FindWindow(std::u16string_view class_name, std::u16string_view title);
// The first top-level window of the class, whatever its title (FindWindow with no title).
HWND FindWindowOfClass(std::u16string_view class_name);
HWND GetParent(HWND hwnd);
bool IsWindowVisible(HWND hwnd);
// Paints the window now when part of it is invalid.
void UpdateWindow(HWND hwnd);
// Whether the key is held: shift and control (other keys read as up).
bool IsKeyDown(uint32_t virtual_key);
void* GetWindowUserData(HWND hwnd);
void SetWindowUserData(HWND hwnd, void* data);

bool SHFullScreen(HWND hwnd, uint32_t flags);
int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, uint32_t type);
// Removes queued WM_KEYDOWN and WM_CHAR messages of the window (all windows when null).
size_t FlushKeyMessages(HWND hwnd);

// Packs and unpacks the pointer position of WM_LBUTTONDOWN/WM_MOUSEMOVE/WM_LBUTTONUP.
inline int GetXParam(LPARAM lparam) {
  return static_cast<int16_t>(lparam & 0xFFFF);
}
inline int GetYParam(LPARAM lparam) {
  return static_cast<int16_t>((lparam >> 16) & 0xFFFF);
}
inline uint32_t LowWord(uintptr_t value) {
  return static_cast<uint32_t>(value & 0xFFFF);
}
inline uint32_t HighWord(uintptr_t value) {
  return static_cast<uint32_t>((value >> 16) & 0xFFFF);
}

}  // namespace platform::ui
