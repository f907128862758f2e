// The contact editor: a full-screen modal window with a title, a finger-scrolled form of
// labelled fields under group headings, and OK and Cancel at the bottom. The values are drawn
// in their boxes; a tap on a field puts the one edit box (CAPEDIT) over it, and every change
// goes to the form at once (so the file-as name follows the name as it is typed). Rarely used
// groups that are empty stay folded behind "More fields". Escape, Cancel or the end of the
// program leave without saving; OK asks `on_ok`, which saves and says whether to close.
//
// UI thread only. While it runs, the section "platform_window" of the dump describes it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Surface.h"
#include "platform/pimapps/PimWindowParts.h"
#include "platform/ui/JsonWriter.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Window.h"

namespace platform::ui {
class WindowManager;
}

namespace platform::pimapps {

class ContactForm;

class ContactEditorWindow {
 public:
  ContactEditorWindow(ui::WindowManager& manager, ContactForm& form, std::u16string title);
  ~ContactEditorWindow();
  ContactEditorWindow(const ContactEditorWindow&) = delete;
  ContactEditorWindow& operator=(const ContactEditorWindow&) = delete;

  // Runs the modal loop. True when OK was tapped and `on_ok` returned true.
  bool Run(const std::function<bool()>& on_ok);

 private:
  struct Row {
    enum Kind { kHeader, kField, kMore } kind;
    int index;  // group for a header, field for a field
    int top;    // in form pixels
    int height;
  };

  LRESULT Procedure(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  bool Filter(const ui::MSG& msg);
  void Layout();
  void Paint();
  void PaintField(Surface& dc, const Row& row, const RECT& rect);
  void OnPenDown(POINT point);
  void OnPenMove(POINT point);
  void OnPenUp(POINT point);
  void ScrollTo(int offset);
  void Activate(int field);
  void ActivateNext();
  void ScrollIntoView(int field);
  void PlaceBox();
  void Finish(bool ok);
  void Dump(ui::JsonWriter& json) const;

  int S(int px) const { return look_.S(px); }
  RECT FormArea() const;
  RECT OkRect() const;
  RECT CancelRect() const;
  RECT BoxRect(const Row& row) const;  // the value box in window pixels
  const Row* RowAt(POINT point) const;
  int MaxScroll() const;

  ui::WindowManager& manager_;
  ContactForm& form_;
  std::u16string title_;
  ui::HWND hwnd_ = nullptr;
  ui::HWND box_ = nullptr;
  PimWindowLook look_;
  std::vector<Row> rows_;
  int content_height_ = 0;
  int scroll_ = 0;
  bool more_shown_ = false;
  bool keyboard_was_shown_ = false;
  int active_ = -1;
  bool done_ = false;
  bool ok_ = false;
  // The pen.
  bool pen_down_ = false;
  bool dragging_ = false;
  POINT down_point_{};
  int down_scroll_ = 0;
  int pressed_button_ = 0;  // 1 OK, 2 Cancel
};

}  // namespace platform::pimapps
