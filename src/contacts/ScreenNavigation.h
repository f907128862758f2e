// What the screens ask of the shell, which sits above them: back to the contact list, the page
// flip over the whole screen, the genie and the slide of the filter menu, the call edit panel
// over the list, the list's filter toggles and the unread SMS count, the main window's key
// dispatch, its darkening, and the options menu's theme and full-screen switches. The shell
// registers the
// handlers at start-up; without them a request does nothing (the call edit panel does not
// exist yet, so that request only writes to the contact rows' trace).
//
// UI thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Types.h"

class ScreenNavigation {
 public:
  struct Handlers {
    std::function<void(bool animate)> show_main_panel;
    std::function<void(int direction)> flip_transition;
    std::function<void(const std::u16string& number)> open_call_edit;
    std::function<void(const RECT& target)> genie_open;
    std::function<void(const RECT& target)> genie_close;
    std::function<void(int direction, const RECT& area, int32_t duration_ms)> slide;
    // The icon bar's two filter toggles of the list screen.
    std::function<void()> toggle_favorite_filter;
    std::function<void()> toggle_sms_filter;
    // The unread SMS count the icon bar's badge shows.
    std::function<uint32_t()> unread_count;
    // The main window's key dispatch (phone-pad keys).
    std::function<void(uint32_t virtual_key, char16_t character)> dispatch_key;
    // Darkens the whole window as shown, once (the parts repainted later come back bright).
    std::function<void()> dim_window;
    // The options menu: the theme archive to use from now on, and the full-screen switch.
    std::function<void(const std::u16string& theme_file_name)> change_theme;
    std::function<void()> toggle_full_screen;
  };

  // Registers the handlers (an empty member leaves that request unanswered).
  static void SetHandlers(Handlers handlers);
  static void Reset();

  // Back to the contact list screen, with the slide when `animate`.
  static void ShowMainPanel(bool animate);
  // The 500 ms page flip over the client area; the caller has switched what is visible.
  static void FlipTransition(int direction);
  // The new screen pours out of `target` over the screens' area; the caller has switched
  // what is visible.
  static void GenieOpen(const RECT& target);
  // The old screen pours back into `target`.
  static void GenieClose(const RECT& target);
  // The slide over `area` lasting `duration_ms`: direction 0 brings the new picture in from
  // the right, 1 from the left. Without a handler the window is just repainted later.
  static void Slide(int direction, const RECT& area, int32_t duration_ms);
  // The call edit panel over the list screen with `number`; false when none exists.
  static bool OpenCallEdit(const std::u16string& number);
  static void ToggleFavoriteFilter();
  static void ToggleSmsFilter();
  // 0 when no count is registered.
  static uint32_t UnreadCount();
  static void DispatchKey(uint32_t virtual_key, char16_t character);
  static void DimWindow();
  static void ChangeTheme(const std::u16string& theme_file_name);
  static void ToggleFullScreen();
};
