#include "screens/EditCallAction.h"

#include <string>

#include "contacts/ContactRowNavigation.h"
#include "platform/phone/PhoneMakeCall.h"
#include "toolkit/TextInputControl.h"

void EditCallAction::Execute() {
  ContactRowNavigation::FadeScreenBeforeEditor(host_window_);
  const std::u16string number = number_box_.GetText();
  platform::phone::PHONEMAKECALLINFO info;
  info.cbSize = platform::phone::kMakeCallInfoSize;
  info.dwFlags = platform::phone::PMCF_DEFAULT;
  info.pszDestAddress = number.c_str();
  // The service tells the user itself when the call cannot be placed (an empty number too).
  platform::phone::PhoneMakeCall(&info);
}
