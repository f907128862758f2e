#include "screens/ScreenNavigation.h"

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

void ScreenNavigation::GenieOpen(const RECT& target) {
  if (auto handler = Registered().genie_open) handler(target);
}

void ScreenNavigation::GenieClose(const RECT& target) {
  if (auto handler = Registered().genie_close) handler(target);
}

void ScreenNavigation::Slide(int direction, const RECT& area, int32_t duration_ms) {
  if (auto handler = Registered().slide) handler(direction, area, duration_ms);
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
