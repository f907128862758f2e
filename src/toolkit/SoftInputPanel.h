// The soft keyboard the program hosts itself (in full screen the platform's keyboard button is
// hidden): the user's chosen input method in the program's own top-most window "QBKSipClass"
// at the bottom of the screen, its characters sent to the focused text box, and the screens
// relaid above it while it is up. The choice is the "CurrentSIP" preference: an input
// method's class identifier, or "nosip" when the user turned the keyboard off.
//
// Keyboard: none -> (first show) method made, hosted window made and shown -> hidden (method
// kept) <-> shown -> switched (old method released, new one made). The hosted window and the
// callback live to the end of the run. UI thread only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/com/Component.h"
#include "platform/sip/InputMethod.h"
#include "platform/sip/InputMethods.h"
#include "platform/ui/Window.h"

class ImCallBack;

inline constexpr char16_t kHostedSipClass[] = u"QBKSipClass";
inline constexpr char16_t kHostedSipTitle[] = u"sip";
inline constexpr char16_t kNoSip[] = u"nosip";
// Height of the hosted window before the input method has told its own.
inline constexpr int kHostedSipHeight = 140;

// What the keyboard needs from the program above the toolkit: the relayout of the screens
// into a rectangle of the main window's client area, and the "CurrentSIP" preference.
struct InputPanelHost {
  std::function<void(const RECT&)> relayout;
  std::function<std::optional<std::u16string>()> read_choice;
  std::function<void(const std::u16string&)> write_choice;
};
void SetInputPanelHost(InputPanelHost host);

// The process-wide keyboard record.
struct SoftInputPanelRecord {
  platform::ui::HWND main_window = nullptr;
  platform::ui::HWND system_panel = nullptr;  // the platform's "SipWndClass" window, if any
  RECT system_panel_rect{};
  platform::ui::HWND hosted_window = nullptr;
  std::unique_ptr<ImCallBack> callback;  // declared before the method: released after it
  platform::com::ComPtr<platform::sip::IInputMethod> input_method;
  std::optional<platform::com::CLSID> method_clsid;
  std::optional<std::vector<platform::sip::InputMethodEntry>> installed;
  RECT keyboard_rect{};  // what the last reposition found (screen pixels)
  RECT relayout_rect{};  // what it gave the screens (main-window client pixels)
  bool down_listener = false;
  InputPanelHost host;
};
SoftInputPanelRecord& InputPanel();
// Releases the method and forgets the windows (tests, and the end of a run).
void ResetSoftInputPanel();

// Finds the platform's keyboard window and records it and its rectangle.
void FindSystemInputPanel();
// Shows the hosted keyboard with the given input method, or the chosen one (none given):
// nothing while the choice is "nosip", even when a method is kept from before.
void ShowInputPanel(platform::ui::HWND main_window,
                    std::optional<platform::com::CLSID> clsid = std::nullopt);
// Hides the keyboard (keeping the method) and gives the screens the main window's height.
void HideInputPanel(platform::ui::HWND main_window);
// Ends the current method and shows the given one.
void SwitchInputPanel(const platform::com::CLSID& clsid);
// Writes "CurrentSIP": the class identifier, or "nosip" for none.
void SaveInputPanelChoice(std::optional<platform::com::CLSID> clsid);
// Posts the characters to the window with the keyboard focus.
void SendTextToFocus(std::u16string_view text);
// The installed input methods (read once, on first need).
const std::vector<platform::sip::InputMethodEntry>& InstalledInputMethods();
bool InputPanelShown();

// The registered reposition message ("g_qbkRepositionKeyboard").
UINT RepositionKeyboardMessage();

// The hosted window (made on first need; HostedSipWindow.cpp) and the keyboard's dump
// section (SoftInputPanelDump.cpp).
platform::ui::HWND CreateHostedSipWindow(platform::ui::HWND main_window);
void RegisterKeyboardDump();
