#include "contacts/ScreenNavigation.h"

#include <utility>

#include "contacts/ContactRowNavigation.h"

namespace {

// Registered by the shell on the UI thread; read on the same thread.
ScreenNavigation::Handlers& Registered() {
  static ScreenNavigation::Handlers handlers;
  return handlers;
}

}  // namespace

void ScreenNavigation::SetHandlers(Handlers handlers) {
  Registered() = std::move(handlers);
}

void ScreenNavigation::Reset() {
  Registered() = Handlers{};
}

void ScreenNavigation::ShowMainPanel(bool animate) {
  // A copy, so that a handler that re-registers while it runs stays alive until it returns.
  if (auto handler = Registered().show_main_panel) handler(animate);
}

void ScreenNavigation::FlipTransition(int direction) {
  if (auto handler = Registered().flip_transition) handler(direction);
}

bool ScreenNavigation::OpenCallEdit(const std::u16string& number) {
  auto handler = Registered().open_call_edit;
  if (!handler) {
    ContactRowNavigation::Trace("OpenCallEdit: no call edit panel; number not edited");
    return false;
  }
  handler(number);
  return true;
}
