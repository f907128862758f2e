// The filter interface of smart lists: decides which rows are displayed, gives the text of
// the list's header row, and may rearrange the displayed rows after each re-sort.
//
// A list owns at most one filter object at a time and deletes it when another replaces it.
// Filters run on the UI thread, and on a loading thread while it adds rows under the list's
// lock.
#pragma once

#include <string>
#include <vector>

class IListItem;
class SmartListControl;

class ISmartListFilter {
 public:
  ISmartListFilter() = default;
  virtual ~ISmartListFilter() = default;
  ISmartListFilter(const ISmartListFilter&) = delete;
  ISmartListFilter& operator=(const ISmartListFilter&) = delete;

  // Whether the row is displayed. Not const: a filter may normalise its own text here.
  virtual bool Accept(const IListItem& row) = 0;
  // The text of the list's header row.
  virtual std::u16string GetTitle() = 0;
  // Called at the end of each re-sort of the list, with its displayed sequence (which the
  // filter may reorder). The base does nothing.
  virtual void ArrangeDisplayed(SmartListControl& list, std::vector<IListItem*>& displayed);
};
