#include "toolkit/ShowSipAction.h"

#include "platform/ui/WindowManager.h"
#include "toolkit/SoftInputPanel.h"

void ShowSipAction::Execute() {
  platform::ui::WindowManager* manager = platform::ui::WindowManager::Current();
  ShowInputPanel(manager ? manager->MainWindow() : nullptr);
}
