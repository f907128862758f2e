#include "messaging/SmsCounter.h"

#include "platform/Text.h"
#include "platform/sms/SmsLength.h"

std::u16string SmsCounterText(std::u16string_view text) {
  const platform::sms::SmsLength length = platform::sms::MeasureSms(text);
  const int total = length.parts == 1 ? length.single_limit : length.parts;
  return u"(" + platform::ToU16(length.remaining) + u"/" + platform::ToU16(total) + u")";
}
