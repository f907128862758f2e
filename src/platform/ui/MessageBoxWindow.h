// The modal message box the window manager draws itself: a centred box with a caption bar,
// the word-wrapped text and one (OK) or two (Yes, No) buttons. It is a top-level window owned
// by the manager's modal state; a tap on a button (pen down and up on it) or Return/Escape
// gives the result.
#pragma once

#include <string>

#include "platform/Surface.h"
#include "platform/ui/Window.h"

namespace platform::ui {

class WindowManager;

class MessageBoxWindow {
 public:
  MessageBoxWindow(WindowManager& manager, std::u16string text, std::u16string caption,
                   uint32_t type);
  ~MessageBoxWindow();
  MessageBoxWindow(const MessageBoxWindow&) = delete;
  MessageBoxWindow& operator=(const MessageBoxWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  // 0 while unanswered, else IDOK, IDYES or IDNO.
  int Result() const { return result_; }
  // The answer when the box is closed without a choice.
  int DefaultResult() const;

 private:
  LRESULT Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HWND hwnd);
  RECT ComputeRect();
  int ButtonAt(POINT point) const;
  RECT ButtonRect(int index) const;
  int ButtonCount() const;
  int ButtonResult(int index) const;

  WindowManager& manager_;
  std::u16string text_;
  std::u16string caption_;
  uint32_t type_;
  HWND hwnd_ = nullptr;
  int result_ = 0;
  int pressed_ = -1;
  int text_height_ = 0;
};

}  // namespace platform::ui
