// ChooseThemeAction: an entry of the options menu's theme list. Makes its theme archive the
// one in use, kept across restarts, and lays the screens out again with it.
#pragma once

#include <string>

#include "toolkit/Action.h"

class ChooseThemeAction : public Action {
 public:
  explicit ChooseThemeAction(std::u16string theme_file_name)
      : theme_file_name_(std::move(theme_file_name)) {}
  void Execute() override;
  const std::u16string& ThemeFileName() const { return theme_file_name_; }

 private:
  std::u16string theme_file_name_;
};
