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

void ScreenNavigation::ToggleFavoriteFilter() {
  if (auto handler = Registered().toggle_favorite_filter) handler();
}

void ScreenNavigation::ToggleSmsFilter() {
  if (auto handler = Registered().toggle_sms_filter) handler();
}

uint32_t ScreenNavigation::UnreadCount() {
  const auto& handler = Registered().unread_count;
  return handler ? handler() : 0;
}

void ScreenNavigation::DispatchKey(uint32_t virtual_key, char16_t character) {
  if (auto handler = Registered().dispatch_key) handler(virtual_key, character);
}

void ScreenNavigation::DimWindow() {
  if (auto handler = Registered().dim_window) handler();
}

void ScreenNavigation::ChangeTheme(const std::u16string& theme_file_name) {
  if (auto handler = Registered().change_theme) handler(theme_file_name);
}

void ScreenNavigation::ToggleFullScreen() {
  if (auto handler = Registered().toggle_full_screen) handler();
}
