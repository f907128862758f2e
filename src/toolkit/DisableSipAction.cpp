#include "toolkit/DisableSipAction.h"

#include "platform/ui/WindowManager.h"
#include "toolkit/SoftInputPanel.h"

void DisableSipAction::Execute() {
  platform::ui::WindowManager* manager = platform::ui::WindowManager::Current();
  HideInputPanel(manager ? manager->MainWindow() : nullptr);
  SaveInputPanelChoice(std::nullopt);
}
