#include "screens/OptionsMenuAction.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "screens/AboutAction.h"
#include "screens/ChooseThemeAction.h"
#include "screens/ContactContainerPanel.h"
#include "screens/FullscreenAction.h"
#include "toolkit/PopupMenu.h"

namespace {

char16_t Folded(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool LessIgnoringCase(const std::u16string& a, const std::u16string& b) {
  const bool less =
      std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                   [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
  const bool greater =
      std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                   [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
  // Names equal but for case keep one fixed order.
  return less || (!greater && a < b);
}

}  // namespace

std::vector<std::u16string> OptionsMenuAction::ThemeArchives(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<std::u16string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& path = it->path();
    if (path.extension() != ".qbt" || !it->is_regular_file(ec)) continue;
    const std::string name = path.filename().string();
    if (!platform::IsValidUtf8(name)) continue;
    names.push_back(platform::FromUtf8(name));
  }
  std::sort(names.begin(), names.end(), LessIgnoringCase);
  return names;
}

void OptionsMenuAction::Execute() {
  const std::vector<std::u16string> archives = ThemeArchives(platform::ProgramDir());
  if (archives.empty()) return;
  std::vector<MenuEntry> themes;
  for (const std::u16string& file : archives) {
    // The label is the name without its extension (".qbt", four characters).
    themes.emplace_back(file.substr(0, file.size() - 4), std::make_shared<ChooseThemeAction>(file));
  }
  std::vector<MenuEntry> entries;
  entries.emplace_back(u"Choose theme", std::move(themes));
  entries.emplace_back(u"Toggle Fullscreen", std::make_shared<FullscreenAction>());
  entries.emplace_back(u"About", std::make_shared<AboutAction>(screen_.HostWindow()));
  ShowPopupMenu(screen_, entries);
}
