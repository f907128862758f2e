// One window of the simulated phone's window manager: a class name, a title, a rectangle, a
// visible flag, user data, a window procedure and its own backing surface. Top-level windows
// keep their rectangle in screen pixels; child windows in their parent's client pixels. The
// client area is the whole window (no frame), so the client rectangle is (0, 0, w, h).
//
// Windows belong to the UI thread. A destroyed window keeps its object until the manager ends
// (only its surface is released), so a stale handle never points at a different window.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "platform/Types.h"

namespace platform::ui {

class Window;
using HWND = Window*;

using WindowProc = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// State a window class keeps per window (the old window extra bytes), apart from the user
// data, which belongs to the window's owner. Destroyed with the window.
class WindowClassData {
 public:
  virtual ~WindowClassData() = default;
};

class Window {
 public:
  Window(std::u16string class_name, std::u16string title, HWND parent, WindowProc proc);

  const std::u16string& ClassName() const { return class_name_; }
  const std::u16string& Title() const { return title_; }
  void SetTitle(std::u16string title) { title_ = std::move(title); }
  HWND Parent() const { return parent_; }
  const std::vector<HWND>& Children() const { return children_; }

  // Screen pixels for a top-level window, parent client pixels for a child.
  const RECT& Rect() const { return rect_; }
  RECT ClientRect() const { return RECT{0, 0, RectWidth(rect_), RectHeight(rect_)}; }
  bool IsVisible() const { return visible_; }
  bool IsDestroyed() const { return destroyed_; }
  void* UserData() const { return user_data_; }
  void SetUserData(void* data) { user_data_ = data; }

  // Task-bar state requested through the full-screen call (true hides the task bar).
  bool HidesTaskBar() const { return hides_task_bar_; }
  bool HidesSipButton() const { return hides_sip_button_; }

  // Creation styles: ES_* and the like for the class, WS_EX_TOPMOST and WS_EX_NOACTIVATE.
  uint32_t Style() const { return style_; }
  uint32_t ExStyle() const { return ex_style_; }
  bool IsTopmost() const { return (ex_style_ & WS_EX_TOPMOST) != 0; }
  bool IsNoActivate() const { return (ex_style_ & WS_EX_NOACTIVATE) != 0; }

  WindowClassData* ClassData() const { return class_data_.get(); }
  void SetClassData(std::unique_ptr<WindowClassData> data) { class_data_ = std::move(data); }

  // The window's own pixels, sized like its client area.
  Surface& Backing();

  // Accumulated invalid area in client pixels (empty when valid).
  const RECT& Dirty() const { return dirty_; }

  LRESULT Call(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  friend class WindowManager;

  std::u16string class_name_;
  std::u16string title_;
  HWND parent_;
  WindowProc proc_;
  std::vector<HWND> children_;
  RECT rect_{};
  RECT dirty_{};
  bool visible_ = false;
  bool destroyed_ = false;
  bool hides_task_bar_ = false;
  bool hides_sip_button_ = false;
  uint32_t style_ = 0;
  uint32_t ex_style_ = 0;
  std::unique_ptr<WindowClassData> class_data_;
  bool painting_ = false;
  void* user_data_ = nullptr;
  std::unique_ptr<Surface> backing_;
};

}  // namespace platform::ui
