// SwitchSipAction: replaces the keyboard by the input method it holds and remembers it as the
// user's choice (also after "nosip").
#pragma once

#include "platform/com/Guid.h"
#include "toolkit/Action.h"

class SwitchSipAction final : public Action {
 public:
  explicit SwitchSipAction(const platform::com::CLSID& clsid) : clsid_(clsid) {}
  void Execute() override;
  const platform::com::CLSID& Clsid() const { return clsid_; }

 private:
  platform::com::CLSID clsid_;
};
