#include "screens/AboutAction.h"

#include "platform/ui/WindowApi.h"

void AboutAction::Execute() {
  platform::ui::MessageBox(host_window_, u"Quillbook Contacts\r\nVersion: 0.15", u"Quillbook", 0);
}
