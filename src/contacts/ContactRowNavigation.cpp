// The registry of the screens a contact row opens, the contact rows' trace, and the fade
// before the platform editor.
#include "contacts/ContactRowNavigation.h"

#include <iostream>
#include <utility>

#include "platform/DebugChannel.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/FadeScreen.h"

namespace {

// Registered by the shell on the UI thread; read on the same thread.
ContactRowNavigation::ShowDetailHandler& DetailHandler() {
  static ContactRowNavigation::ShowDetailHandler handler;
  return handler;
}

ContactRowNavigation::ShowSmsHandler& SmsHandler() {
  static ContactRowNavigation::ShowSmsHandler handler;
  return handler;
}

ContactRowNavigation::EditCallHandler& CallHandler() {
  static ContactRowNavigation::EditCallHandler handler;
  return handler;
}

ContactRowNavigation::TraceSink& Sink() {
  static ContactRowNavigation::TraceSink sink;
  return sink;
}

bool TraceChannelOn() {
  return platform::DebugChannelOn("contacts");
}

}  // namespace

void ContactRowNavigation::SetShowDetailHandler(ShowDetailHandler handler) {
  DetailHandler() = std::move(handler);
}

void ContactRowNavigation::SetShowSmsHandler(ShowSmsHandler handler) {
  SmsHandler() = std::move(handler);
}

void ContactRowNavigation::SetEditCallHandler(EditCallHandler handler) {
  CallHandler() = std::move(handler);
}

void ContactRowNavigation::Reset() {
  DetailHandler() = nullptr;
  SmsHandler() = nullptr;
  CallHandler() = nullptr;
  Sink() = nullptr;
}

bool ContactRowNavigation::ShowDetail(ContactListItem& row) {
  // A copy, so that a handler that re-registers while it runs stays alive until it returns.
  const ShowDetailHandler handler = DetailHandler();
  if (!handler) return false;
  handler(row);
  return true;
}

bool ContactRowNavigation::ShowSms(ContactListItem& row, const PhoneEntry& number) {
  const ShowSmsHandler handler = SmsHandler();
  if (!handler) return false;
  handler(row, number);
  return true;
}

bool ContactRowNavigation::EditCall(const PhoneEntry& number) {
  const EditCallHandler handler = CallHandler();
  if (!handler) return false;
  handler(number);
  return true;
}

void ContactRowNavigation::Trace(std::string_view line) {
  if (Sink()) {
    Sink()(line);
  } else if (TraceChannelOn()) {
    std::cerr << "contacts: " << line << '\n';
  }
}

void ContactRowNavigation::SetTraceSink(TraceSink sink) {
  Sink() = std::move(sink);
}

void ContactRowNavigation::FadeScreenBeforeEditor(platform::ui::HWND window) {
  if (!platform::ui::IsWindow(window)) return;
  FadeWindowArea(window, nullptr, theme::Settings().fade_color);
  platform::ui::InvalidateRect(window, nullptr);
}
