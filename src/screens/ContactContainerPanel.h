// ContactContainerPanel: the contact list screen. It holds the contact list and the index
// strip on the list's left edge, and the filter menu over them (hidden at start); the room of
// the icon bar (`icon_panel_height` pixels) stays free at the bottom of the screen. Children in
// input order: index strip, contact list, filter menu (the strip first, so that it sees the
// pen along both screen edges before the list does). The panel holds the filter button's
// command, FilterMenuAction, which opens and closes the menu.
//
// The contact list starts with the all-contacts filter. The panel paints nothing of its own:
// the list repaints by moving the pixels it drew before, so nothing may paint under it.
// UI thread only.
#pragma once

#include <memory>

#include "platform/ui/Window.h"
#include "toolkit/ContainerPanel.h"

class Action;
class ContactSmartListControl;
class FilterMenuPanel;
class LeftSearchPanel;

class ContactContainerPanel : public ContainerPanel {
 public:
  // `screen` is the whole screen; the list and the strip end above the icon bar's room.
  ContactContainerPanel(platform::ui::HWND host_window, const RECT& screen);
  // Deletes the filter menu's command, then the children.
  ~ContactContainerPanel() override;

  // Every child gets `client` less the icon bar's room at the bottom; the panel's own rect
  // ends there too (the main window's height less `icon_panel_height`).
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

 private:
  platform::ui::HWND host_window_;
  ContactSmartListControl* contact_list_;  // child
  LeftSearchPanel* index_strip_;           // child
  FilterMenuPanel* filter_menu_;           // child
  std::unique_ptr<Action> filter_menu_action_;
};
