// Where a tapped contact row leads. The detail screen and the SMS screen belong to the shell,
// which sits above the contact rows; the shell registers here at start-up how to open them,
// and the rows ask through this registry (also for the call edit panel). With nothing registered a
// request does nothing.
//
// Also the two helpers a row needs around the platform's contact editor: the screen fade
// shown before the editor opens, and the contact rows' debug trace.
//
// Thread use: UI thread only (registration at start-up, requests from row taps).
#pragma once

#include <functional>
#include <string_view>

#include "contacts/PhoneEntry.h"
#include "platform/ui/Window.h"

class ContactListItem;

class ContactRowNavigation {
 public:
  using ShowDetailHandler = std::function<void(ContactListItem& row)>;
  using ShowSmsHandler = std::function<void(ContactListItem& row, const PhoneEntry& number)>;
  using EditCallHandler = std::function<void(const PhoneEntry& number)>;
  using TraceSink = std::function<void(std::string_view line)>;

  // Registers (or with an empty function, removes) the way to open the detail screen.
  static void SetShowDetailHandler(ShowDetailHandler handler);
  // Registers (or removes) the way to open the SMS screen for a row and one of its numbers.
  static void SetShowSmsHandler(ShowSmsHandler handler);
  // Registers (or removes) the way to open the call edit panel with a number.
  static void SetEditCallHandler(EditCallHandler handler);
  // Removes the handlers and the trace sink (tests, shutdown).
  static void Reset();

  // Opens the detail screen for `row`; false when no handler is registered.
  static bool ShowDetail(ContactListItem& row);
  // Opens the SMS screen for `row` and `number`; false when no handler is registered.
  static bool ShowSms(ContactListItem& row, const PhoneEntry& number);
  // Opens the call edit panel with `number` (a long press on a row); false when no handler
  // is registered.
  static bool EditCall(const PhoneEntry& number);

  // Writes one line to the contact rows' debug trace: to the sink when one is set, else to
  // standard error when QUILLBOOK_DEBUG names the "contacts" channel, else nowhere.
  static void Trace(std::string_view line);
  static void SetTraceSink(TraceSink sink);

  // Fades the whole client area of `window` towards the theme's fade colour, showing each
  // step, then invalidates the window so that it is repainted normally afterwards. Runs
  // before the platform's contact editor covers the screen. Nothing happens when no window
  // manager or no such window exists.
  static void FadeScreenBeforeEditor(platform::ui::HWND window);
};
