// FilterMenuPanel: the filter menu, a full-screen list that covers the contact list. Its root
// level offers "Favorites", "All contacts", "Contacts with SMS" and three folders (by company,
// by city, by category); a folder replaces the entries by the values found in the contacts.
// Choosing an entry installs its filter on the contact list and closes the menu.
//
// Levels:
//
//   state    event                          action                                 next
//   -------  -----------------------------  -------------------------------------  ------
//   hidden   filter button (Toggle)         root entries; genie out of the button  root
//   root     folder chosen                  folder's entries slide in (right)      folder
//   folder   filter button (Toggle)         root entries slide in (left)           root
//   root     filter button (Toggle)         list shown; genie back into the button hidden
//   any      choice chosen                  filter set; slide to the list          hidden
//
// Children in input order: the index strip (linked to the entry list), the entry list.
// Hidden at start. The contact list is not owned. UI thread only.
#pragma once

#include <string>

#include "platform/ui/Window.h"
#include "toolkit/ContainerPanel.h"

class ContactSmartListControl;
class FilterSmartListControl;
class LeftSearchPanel;

class FilterMenuPanel : public ContainerPanel {
 public:
  FilterMenuPanel(platform::ui::HWND host_window, const RECT& initial_rect,
                  ContactSmartListControl* contact_list);

  // The rect ends above the icon bar's room; the entry list leaves the strip's column free.
  void Resize(const RECT& client) override;
  // Also drops a press on the index strip.
  void OnTransitionStart() override;

  // Replaces the entries by the six root entries.
  void ShowRootEntries();
  // Root level: shows the contact list, hides the menu and pours it back into the filter
  // button. Folder level: back to the root entries with a slide from the left.
  void CloseFilterMenu();
  // Opens the menu at its root with the genie, or (open) closes it as CloseFilterMenu.
  void Toggle();

  // Whether the entries are the root ones (the first is the favourites entry with its mark).
  bool AtRootLevel() const;
  // Where the genie starts and ends: the middle quarter-pair of the screen's width, at `y`.
  static RECT GenieTarget(int y);

  FilterSmartListControl& EntryList() const { return *entry_list_; }
  LeftSearchPanel& IndexStrip() const { return *index_strip_; }

  // The value that marks the root level's first entry.
  static constexpr char16_t kRootMark[] = u"INIT";

 private:
  platform::ui::HWND host_window_;
  ContactSmartListControl* contact_list_;
  FilterSmartListControl* entry_list_;  // child
  LeftSearchPanel* index_strip_;        // child
};
