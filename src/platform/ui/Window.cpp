#include "platform/ui/Window.h"

#include <algorithm>

namespace platform::ui {

Window::Window(std::u16string class_name, std::u16string title, HWND parent, WindowProc proc)
    : class_name_(std::move(class_name)),
      title_(std::move(title)),
      parent_(parent),
      proc_(std::move(proc)) {}

Surface& Window::Backing() {
  const int width = std::max(1, RectWidth(rect_));
  const int height = std::max(1, RectHeight(rect_));
  if (!backing_ || backing_->Width() != width || backing_->Height() != height) {
    backing_ = std::make_unique<Surface>(width, height);
  }
  return *backing_;
}

LRESULT Window::Call(UINT message, WPARAM wparam, LPARAM lparam) {
  if (destroyed_ || !proc_) return 0;
  // Copy the procedure: the call may replace or destroy it.
  WindowProc proc = proc_;
  return proc(this, message, wparam, lparam);
}

}  // namespace platform::ui
