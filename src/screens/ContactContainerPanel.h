// ContactContainerPanel: the contact list screen. It holds the contact list, the index strip
// on the list's left edge, the icon bar in its room (`icon_panel_height` pixels) at the bottom
// of the screen, the phone pad (hidden at start) that the icon bar's phone button slides up
// above the bar, and the filter menu over the list (hidden at start). Children in input order:
// phone pad, icon bar, index strip, contact list, filter menu (the strip before the list, so
// that it sees the pen along both screen edges first). The panel holds the filter button's
// command, FilterMenuAction, which opens and closes the menu.
//
// The contact list starts with the all-contacts filter. The panel paints nothing of its own:
// the list repaints by moving the pixels it drew before, so nothing may paint under it.
// UI thread only.
#pragma once

#include <memory>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"
#include "toolkit/ContainerPanel.h"

class Action;
class ContactSmartListControl;
class FilterMenuPanel;
class IconPanel;
class LeftSearchPanel;
class PhonePad;

class ContactContainerPanel : public ContainerPanel {
 public:
  // `screen` is the whole screen; the list and the strip end above the icon bar's room.
  ContactContainerPanel(platform::ui::HWND host_window, const RECT& screen);
  // Deletes the filter menu's command, then the children.
  ~ContactContainerPanel() override;

  // Every child gets `client` less the icon bar's room at the bottom; the panel's own rect
  // ends there too (the main window's height less `icon_panel_height`). While the phone pad
  // shows, the contact list ends at its top.
  void Resize(const RECT& client) override;
  // Also drops a press on the index strip, so that no bubble survives a screen change.
  void OnTransitionStart() override;
  // When the screen is shown again, frees the rows the list retired meanwhile (deleted
  // contacts): no other screen and no animation points to them any more.
  void OnTransitionEnd() override;

  ContactSmartListControl& ContactList() const { return *contact_list_; }
  LeftSearchPanel& IndexStrip() const { return *index_strip_; }
  FilterMenuPanel& FilterMenu() const { return *filter_menu_; }
  // Opens or closes the filter menu (run by the filter button).
  Action& FilterMenuCommand() const { return *filter_menu_action_; }
  IconPanel& IconBar() const { return *icon_bar_; }
  PhonePad& PhonePadControl() const { return *phone_pad_; }
  platform::ui::HWND HostWindow() const { return host_window_; }

 private:
  platform::ui::HWND host_window_;
  PhonePad* phone_pad_;                    // child
  IconPanel* icon_bar_;                    // child
  ContactSmartListControl* contact_list_;  // child
  LeftSearchPanel* index_strip_;           // child
  FilterMenuPanel* filter_menu_;           // child
  std::unique_ptr<Action> filter_menu_action_;
};
