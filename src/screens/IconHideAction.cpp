#include "screens/IconHideAction.h"

#include "platform/ui/WindowApi.h"

void IconHideAction::Execute() {
  platform::ui::ShowWindow(host_window_, platform::ui::SW_MINIMIZE);
}
