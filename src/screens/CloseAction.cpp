#include "screens/CloseAction.h"

#include "platform/ui/WindowApi.h"

void CloseAction::Execute() {
  platform::ui::PostMessage(host_window_, WM_DESTROY, 0, 0);
}
