// OptionsMenuAction: the options menu of the symbol pad, a pop-up menu over the list screen:
// "Choose theme" (one entry per theme archive in the program folder), "Toggle Fullscreen" and
// "About". Without any theme archive nothing opens.
#pragma once

#include <string>
#include <vector>

#include "toolkit/Action.h"

class ContactContainerPanel;

class OptionsMenuAction : public Action {
 public:
  explicit OptionsMenuAction(ContactContainerPanel& screen) : screen_(screen) {}
  void Execute() override;

  // The file names of the theme archives ("*.qbt", regular files) in `folder`, sorted by name
  // without regard to case (a directory listing has no order of its own); names that are
  // not valid UTF-8 are left out. Empty when the folder is missing.
  static std::vector<std::u16string> ThemeArchives(const std::string& folder);

 private:
  ContactContainerPanel& screen_;
};
