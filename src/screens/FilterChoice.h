// FilterChoice: a filter menu entry that installs a filter on the contact list when chosen,
// shows the list again and closes the menu (through the shell's way back to the list).
#pragma once

#include <memory>

#include "screens/FilterBase.h"

class ISmartListFilter;

class FilterChoice : public FilterBase {
 public:
  using FilterBase::FilterBase;

  // A new filter object for this entry.
  virtual std::unique_ptr<ISmartListFilter> CreateFilter() const = 0;

  // Without a contact list nothing happens.
  void OnClick(SmartListControl& list) override;
};
