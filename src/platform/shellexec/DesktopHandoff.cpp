#include "platform/shellexec/DesktopHandoff.h"

#include "platform/Messages.h"
#include "platform/Text.h"
#include "platform/shellexec/UriOpener.h"
#include "platform/ui/WindowApi.h"

namespace platform::shellexec {

namespace {

void Tell(const std::u16string& text, const std::u16string& caption) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager) return;
  ui::MessageBox(manager->MainWindow(), text, caption, MB_OK | MB_ICONEXCLAMATION);
}

std::u16string Scheme(const std::string& uri) {
  return FromUtf8(uri.substr(0, uri.find(':') + 1));
}

}  // namespace

bool HandUriToDesktop(const std::string& uri, std::u16string_view action,
                      std::u16string_view caption) {
  const std::u16string title(caption);
  const std::u16string cannot = u"Cannot " + std::u16string(action) + u": ";
  const std::u16string scheme = Scheme(uri);
  const OpenUriResult result = OpenUri(uri, [cannot, scheme, title](int status) {
    if (status == 0) return;
    // Told on the UI thread, like every other message posted from a worker.
    ui::WindowManager* manager = ui::WindowManager::Current();
    if (!manager) return;
    manager->PostTask([message = cannot + u"no program of the desktop opens " + scheme + u" links.",
                       title] { Tell(message, title); });
  });
  switch (result) {
    case OpenUriResult::kStarted:
      return true;
    case OpenUriResult::kNoOpener:
      Tell(cannot + u"the desktop has no program to open links (xdg-open or gio).", title);
      return false;
    case OpenUriResult::kInvalidUri:
    case OpenUriResult::kFailed:
      Tell(cannot + u"the desktop's link opener could not be started.", title);
      return false;
  }
  return false;
}

}  // namespace platform::shellexec
