#include "toolkit/CallAction.h"

#include "platform/phone/PhoneMakeCall.h"

CallAction::CallAction(CallScreen* screen, std::u16string number, std::u16string display_name)
    : screen_(screen), number_(std::move(number)), display_name_(std::move(display_name)) {}

void CallAction::Execute() {
  if (screen_) screen_->FadeBeforePlatform();
  platform::phone::PHONEMAKECALLINFO info;
  info.cbSize = platform::phone::kMakeCallInfoSize;
  info.dwFlags = platform::phone::PMCF_DEFAULT;
  info.pszDestAddress = number_.c_str();
  info.pszCalledParty = display_name_.c_str();
  // The service tells the user itself when the call cannot be placed.
  platform::phone::PhoneMakeCall(&info);
  if (screen_) screen_->StartReturnPause();
}
