#include "shell/NewSmsArrival.h"

#include <cstdio>
#include <memory>

#include "contacts/ContactSmartListControl.h"
#include "contacts/SmsFilterItem.h"
#include "messaging/SMSPanel.h"
#include "messaging/SmsBridge.h"
#include "platform/Clock.h"
#include "platform/DebugChannel.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "theme/SettingManager.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/ListAnimation.h"

namespace shell {

namespace ui = platform::ui;

void HandleNewSms() {
  AppGlobals& app = App();
  if (!app.sms_buffer || !app.list_screen) return;
  const std::optional<NewSmsNotice> notice = app.sms_buffer->Read();
  if (!notice) return;
  static const bool trace = platform::DebugChannelOn("sms");
  if (trace) std::fprintf(stderr, "quillbook: sms arrival %.3f\n", platform::Clock::TraceMs());
  ContactSmartListControl& list = app.list_screen->ContactList();
  const UnknownSenders unknown =
      list.IsLoading() ? UnknownSenders::kLeaveToRecount : UnknownSenders::kAddPseudoContact;
  // Only an unread SMS raises the count. One that cannot be opened is left to the platform's
  // count, whose change follows the arrival and is read then.
  if (AttachArrivedSms(list, *notice, unknown) == ArrivedSms::kUnread) ++app.unread_count;
  // The open conversation with the sender takes the SMS at once (its counts were made above).
  if (app.sms_screen) app.sms_screen->AddArrivedSms(notice->entry, notice->sender);
  list.SetFilter(new SmsFilterItem());
  if (theme::Settings().bring_qbk_to_front_on_sms) ui::SetForegroundWindow(app.main_window);
  ui::InvalidateRect(app.main_window, nullptr);
  RunListAnimation(app.main_window, std::make_unique<ListAnimation>(
                                        list, 0, theme::Settings().scroll_animation_duration));
}

}  // namespace shell
