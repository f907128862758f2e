#include "platform/ui/WindowApi.h"

#include <mutex>
#include <vector>

namespace platform::ui {

namespace {

WindowManager* Manager() {
  return WindowManager::Current();
}

struct WindowClass {
  std::u16string name;
  WindowProc proc;
};

struct ClassTable {
  std::mutex mutex;
  std::vector<WindowClass> classes;  // guarded by mutex
};

ClassTable& Classes() {
  static auto* table = new ClassTable;  // kept for the whole process
  return *table;
}

std::optional<WindowProc> FindClass(std::u16string_view name) {
  ClassTable& table = Classes();
  std::lock_guard lock(table.mutex);
  for (const WindowClass& entry : table.classes) {
    if (entry.name == name) return entry.proc;
  }
  return std::nullopt;
}

}  // namespace

bool RegisterClass(std::u16string_view class_name, WindowProc proc) {
  if (class_name.empty() || !proc || FindClass(class_name)) return false;
  ClassTable& table = Classes();
  std::lock_guard lock(table.mutex);
  table.classes.push_back(WindowClass{std::u16string(class_name), std::move(proc)});
  return true;
}

bool IsClassRegistered(std::u16string_view class_name) {
  return FindClass(class_name).has_value();
}

HWND CreateWindowEx(uint32_t ex_style, std::u16string_view class_name, std::u16string_view title,
                    uint32_t style, int x, int y, int width, int height, HWND parent) {
  WindowManager* manager = Manager();
  auto proc = FindClass(class_name);
  if (!manager || !proc || (parent && !manager->IsWindow(parent))) return nullptr;
  const RECT rect{x, y, x + std::max(0, width), y + std::max(0, height)};
  return manager->CreateWindow(std::u16string(class_name), std::u16string(title), rect,
                               (style & WS_VISIBLE) != 0, parent, std::move(*proc), style,
                               ex_style);
}

bool DestroyWindow(HWND hwnd) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  manager->DestroyWindow(hwnd);
  return true;
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  WindowManager* manager = Manager();
  if (!manager) return false;
  manager->PostMessage(hwnd, message, wparam, lparam);
  return true;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  WindowManager* manager = Manager();
  return manager ? manager->SendMessage(hwnd, message, wparam, lparam) : 0;
}

void PostQuitMessage(int exit_code) {
  if (WindowManager* manager = Manager()) manager->PostQuitMessage(exit_code);
}

bool GetMessage(MSG& msg) {
  WindowManager* manager = Manager();
  return manager && manager->GetMessage(msg);
}

LRESULT DispatchMessage(const MSG& msg) {
  WindowManager* manager = Manager();
  return manager ? manager->DispatchMessage(msg) : 0;
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM, LPARAM) {
  WindowManager* manager = Manager();
  if (!manager) return 0;
  if (message == WM_CLOSE) {
    manager->DestroyWindow(hwnd);
  } else if (message == WM_PAINT) {
    RECT invalid;
    if (manager->BeginPaint(hwnd, invalid)) manager->EndPaint(hwnd);
  }
  return 0;
}

bool SetTimer(HWND hwnd, uintptr_t id, uint32_t interval_ms) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  manager->SetTimer(hwnd, id, interval_ms);
  return true;
}

bool KillTimer(HWND hwnd, uintptr_t id) {
  WindowManager* manager = Manager();
  return manager && manager->KillTimer(hwnd, id);
}

void InvalidateRect(HWND hwnd, const RECT* rect) {
  if (WindowManager* manager = Manager()) manager->InvalidateRect(hwnd, rect);
}

Surface* BeginPaint(HWND hwnd, PAINTSTRUCT& paint) {
  WindowManager* manager = Manager();
  paint = PAINTSTRUCT{};
  if (!manager) return nullptr;
  paint.surface = manager->BeginPaint(hwnd, paint.rcPaint);
  return paint.surface;
}

void EndPaint(HWND hwnd, const PAINTSTRUCT&) {
  if (WindowManager* manager = Manager()) manager->EndPaint(hwnd);
}

bool GetClientRect(HWND hwnd, RECT& rect) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  rect = manager->GetClientRect(hwnd);
  return true;
}

bool GetWindowRect(HWND hwnd, RECT& rect) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  rect = manager->GetWindowRect(hwnd);
  return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  manager->MoveWindow(hwnd, RECT{x, y, x + width, y + height}, repaint);
  return true;
}

bool SetWindowPos(HWND hwnd, int x, int y, int width, int height) {
  return MoveWindow(hwnd, x, y, width, height, true);
}

bool ShowWindow(HWND hwnd, int command) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  const bool was_visible = hwnd->IsVisible();
  manager->ShowWindow(hwnd, command);
  return was_visible;
}

int GetSystemMetrics(int index) {
  WindowManager* manager = Manager();
  return manager ? manager->GetSystemMetrics(index) : 0;
}

HWND SetCapture(HWND hwnd) {
  WindowManager* manager = Manager();
  if (!manager) return nullptr;
  HWND old = manager->GetCapture();
  manager->SetCapture(hwnd);
  return old;
}

bool ReleaseCapture() {
  WindowManager* manager = Manager();
  if (!manager) return false;
  manager->ReleaseCapture();
  return true;
}

HWND GetCapture() {
  WindowManager* manager = Manager();
  return manager ? manager->GetCapture() : nullptr;
}

HWND SetFocus(HWND hwnd) {
  WindowManager* manager = Manager();
  return manager ? manager->SetFocus(hwnd) : nullptr;
}

HWND GetFocus() {
  WindowManager* manager = Manager();
  return manager ? manager->GetFocus() : nullptr;
}

bool SetForegroundWindow(HWND hwnd) {
  WindowManager* manager = Manager();
  return manager && manager->SetForegroundWindow(hwnd);
}

HWND GetForegroundWindow() {
  WindowManager* manager = Manager();
  return manager ? manager->GetForegroundWindow() : nullptr;
}

bool IsWindow(HWND hwnd) {
  WindowManager* manager = Manager();
  return manager && manager->IsWindow(hwnd);
}

bool IsChild(HWND parent, HWND hwnd) {
  WindowManager* manager = Manager();
  return manager && manager->IsChild(parent, hwnd);
}

HWND FindWindow(std::u16string_view class_name, std::u16string_view title) {
  WindowManager* manager = Manager();
  return manager ? manager->FindWindow(class_name, title) : nullptr;
}

HWND FindWindowOfClass(std::u16string_view class_name) {
  WindowManager* manager = Manager();
  return manager ? manager->FindWindowOfClass(class_name) : nullptr;
}

HWND GetParent(HWND hwnd) {
  return IsWindow(hwnd) ? hwnd->Parent() : nullptr;
}

bool IsWindowVisible(HWND hwnd) {
  return IsWindow(hwnd) && hwnd->IsVisible();
}

void UpdateWindow(HWND hwnd) {
  if (WindowManager* manager = Manager()) manager->UpdateWindow(hwnd);
}

bool IsKeyDown(uint32_t virtual_key) {
  WindowManager* manager = Manager();
  return manager && manager->IsKeyDown(virtual_key);
}

void* GetWindowUserData(HWND hwnd) {
  return IsWindow(hwnd) ? hwnd->UserData() : nullptr;
}

void SetWindowUserData(HWND hwnd, void* data) {
  if (IsWindow(hwnd)) hwnd->SetUserData(data);
}

bool SHFullScreen(HWND hwnd, uint32_t flags) {
  WindowManager* manager = Manager();
  if (!manager || !manager->IsWindow(hwnd)) return false;
  manager->SHFullScreen(hwnd, flags);
  return true;
}

int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, uint32_t type) {
  WindowManager* manager = Manager();
  return manager ? manager->MessageBox(owner, text, caption, type) : 0;
}

size_t FlushKeyMessages(HWND hwnd) {
  WindowManager* manager = Manager();
  return manager ? manager->FlushKeyMessages(hwnd) : 0;
}

}  // namespace platform::ui
