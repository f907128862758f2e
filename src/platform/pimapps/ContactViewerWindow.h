// The contact viewer: a full-screen modal window with the contact's name as its title, its
// picture, and every field that has a value under its group heading (label above, value
// wrapped below), read only and finger-scrolled, with Edit and Back at the bottom.
//
// UI thread only. While it runs, the section "platform_window" of the dump describes it.
#pragma once

#include <memory>
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

class ContactViewerWindow {
 public:
  enum class Choice { kBack, kEdit, kClosing };

  ContactViewerWindow(ui::WindowManager& manager, const ContactForm& form,
                      std::unique_ptr<Surface> picture);
  ~ContactViewerWindow();
  ContactViewerWindow(const ContactViewerWindow&) = delete;
  ContactViewerWindow& operator=(const ContactViewerWindow&) = delete;

  // Runs the modal loop until Back (or Escape), Edit, or the end of the program.
  Choice Run();
  // The side in pixels of the square the picture is drawn in.
  static int PictureSide(SIZE screen);

  // Shows the form's values again (after an edit) with the given picture.
  void Reload(std::unique_ptr<Surface> picture);

 private:
  struct Row {
    enum Kind { kPicture, kHeader, kField } kind;
    int index;  // group for a header, field for a field
    int top;    // in content pixels
    int height;
  };

  LRESULT Procedure(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Layout();
  void Paint();
  void OnPenDown(POINT point);
  void OnPenUp(POINT point);
  void ScrollTo(int offset);
  void Dump(ui::JsonWriter& json) const;
  std::u16string Title() const;
  RECT Area() const;
  RECT RowRect(const Row& row) const;  // in window pixels
  RECT PictureRect(const Row& row) const;
  int MaxScroll() const;
  int S(int px) const { return look_.S(px); }

  ui::WindowManager& manager_;
  const ContactForm& form_;
  std::unique_ptr<Surface> picture_;
  PimWindowLook look_;
  ui::HWND hwnd_ = nullptr;
  std::vector<Row> rows_;
  int content_height_ = 0;
  int scroll_ = 0;
  DragScroll drag_;
  int pressed_button_ = 0;  // 1 Edit, 2 Back
  bool done_ = false;
  Choice choice_ = Choice::kBack;
};

}  // namespace platform::pimapps
