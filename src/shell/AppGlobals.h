// The application globals: one record for the whole run holding the main window, the screens,
// the top-level panel list, the back buffer and the shell's state flags. UI thread only,
// except where a member says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"
#include "messaging/SmsBridge.h"
#include "platform/Surface.h"
#include "platform/pim/PimApplication.h"
#include "platform/registry/Registry.h"
#include "platform/ui/Window.h"
#include "shell/SmsCounter.h"
#include "toolkit/LightControl.h"

class ContactContainerPanel;
class ContactDetailPanel;
class SMSPanel;
class GestureControl;

namespace shell {

inline constexpr char16_t kPortraitPrefix[] = u"portrait_";
inline constexpr char16_t kLandscapePrefix[] = u"landscape_";

struct AppGlobals {
  platform::ui::HWND main_window = nullptr;
  ContactContainerPanel* list_screen = nullptr;
  ContactDetailPanel* detail_screen = nullptr;
  SMSPanel* sms_screen = nullptr;
  GestureControl* gesture_control = nullptr;
  // The contact-store session, open for the whole run (null when the store failed to open).
  // Declared before the panels: the contact list's loader uses it until the list is gone.
  std::unique_ptr<platform::pim::PimApplication> contact_store;
  // An sms: URI to open (from the command line or a later start) once the contact list has
  // loaded, and the pseudo-contact the last one opened when its number is nobody's. Declared
  // before the panels: the SMS screen's loading thread may use that contact until it is gone.
  std::string pending_uri;
  std::unique_ptr<ContactListItem> uri_contact;
  // Every top-level control in input order: gesture control, detail, list, SMS screen. The
  // first is painted last (on top). Owned by owned_panels.
  std::vector<LightControl*> panels;
  std::vector<std::unique_ptr<LightControl>> owned_panels;
  // Client-sized image of the last painted frame; null until the first paint and after every
  // relayout.
  std::unique_ptr<platform::Surface> back_buffer;
  uint32_t unread_count = 0;
  std::u16string orientation_prefix;  // empty before the first relayout
  RECT last_layout_rect{};
  bool initialised = false;
  bool layout_ready = false;
  // The quit is posted (or the loop has ended): a further WM_DESTROY (the close symbol run twice,
  // the window destroyed after the loop) must not post another, which would end the next start
  // in this process at once.
  bool quit_posted = false;
  // The shell activation record: three 32-bit fields, the first its size in bytes (12).
  uint32_t shell_activation_info[3] = {};
  // What the theme loading point saw, for dumps and tests.
  std::u16string theme_name;
  std::u16string theme_prefix;
  int theme_loads = 0;
  int language_loads = 0;
  bool fullscreen_preference = true;  // as last read
  // A scripted run holds each command while an SMS send is pending, unless the script turned
  // this off to act during the send ("test sms hold off").
  bool scripts_wait_for_sends = true;
  // The last screen transition run: its kind ("slide", "flip", "genie open", "genie close")
  // and direction, for dumps and tests.
  std::string last_transition;
  int last_transition_direction = 0;
  // The rectangle the last genie poured out of or back into.
  RECT last_genie_target{};
  // The block the SMS interception library fills for each new SMS (null: no arrival notices).
  std::unique_ptr<SmsBuffer> sms_buffer;
  // Registry notifications (unread count, signal strength); they post from their own thread.
  std::vector<std::unique_ptr<platform::RegistryWatch>> watches;
  // Last member: destroyed first, so its thread ends while everything else still exists.
  std::unique_ptr<SmsCounter> counter;
};

// The one record of this process.
AppGlobals& App();
// Destroys the record and starts a fresh one (tests; the program never calls it).
void ResetAppGlobals();

}  // namespace shell
