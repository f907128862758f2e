// The platform's plain contacts application: a full-screen modal list of every contact, its
// name and its main number (mobile, else work, else home, else any other phone), in
// alphabetical order of the file-as name, finger-scrolled, with Close at the bottom. A tap on a
// contact opens the contact viewer; the list is read again when the viewer closes.
//
// UI thread only. While it runs, the section "platform_window" of the dump describes it.
#pragma once

#include <string>
#include <vector>

#include "platform/pim/PimTypes.h"
#include "platform/pimapps/PimWindowParts.h"
#include "platform/ui/JsonWriter.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Window.h"

namespace platform::pim {
class PimApplication;
}
namespace platform::ui {
class WindowManager;
}

namespace platform::pimapps {

class ContactsListWindow {
 public:
  ContactsListWindow(ui::WindowManager& manager, pim::PimApplication& store);
  ~ContactsListWindow();
  ContactsListWindow(const ContactsListWindow&) = delete;
  ContactsListWindow& operator=(const ContactsListWindow&) = delete;

  // Runs the modal loop until Close, Escape or the end of the program.
  void Run();

 private:
  struct Entry {
    pim::ObjectId oid;
    std::u16string name;
    std::u16string number;
    std::string key;  // collation key of the name
  };

  LRESULT Procedure(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Load();
  void Paint();
  void OnPenDown(POINT point);
  void OnPenUp(POINT point);
  void ScrollTo(int offset);
  void Dump(ui::JsonWriter& json) const;
  RECT Area() const;
  RECT CloseRect() const;
  RECT RowRect(size_t index) const;
  int RowHeight() const;
  int MaxScroll() const;
  int S(int px) const { return look_.S(px); }

  ui::WindowManager& manager_;
  pim::PimApplication& store_;
  PimWindowLook look_;
  ui::HWND hwnd_ = nullptr;
  std::vector<Entry> entries_;
  int scroll_ = 0;
  DragScroll drag_;
  bool close_pressed_ = false;
  bool done_ = false;
  int open_ = -1;  // the tapped contact, opened in the viewer from the loop
};

}  // namespace platform::pimapps
