// sms: URIs as the command line hands them over: the recipients' digits, the body decoded as
// it was written, and a refusal with a reason for anything malformed or oversized.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sms/SmsUri.h"

namespace {

using platform::sms::kMaxSmsUriBytes;
using platform::sms::kMaxSmsUriNumbers;
using platform::sms::ParseSmsUri;

struct UriCase {
  std::string uri;
  std::vector<std::u16string> numbers;  // empty: refused
  std::u16string body;
  std::string error;
};

std::string Repeat(std::string_view piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(SmsUriTest, TakesRecipientsAndBodyOrRefusesWithAReason) {
  const std::string most = "sms:" + Repeat("1,", kMaxSmsUriNumbers - 1) + "1";
  const std::string many = most + ",1";
  const std::string longest = "sms:1?body=" + std::string(kMaxSmsUriBytes - 11, 'a');
  const UriCase cases[] = {
      {"sms:+15551234", {u"+15551234"}, u"", ""},
      {"SMS:+1-555-(123).4 5", {u"+155512345"}, u"", ""},
      {"sms:+1,+2", {u"+1", u"+2"}, u"", ""},
      {"sms:%2B33%206;phone-context=example.com;ext=1", {u"+336"}, u"", ""},
      {"sms:+33612345678?body=Hi%20there", {u"+33612345678"}, u"Hi there", ""},
      {"sms:123?body=a+b c?d=e#f", {u"123"}, u"a+b c?d=e#f", ""},
      {"sms:123?foo=y&BODY=x&body=z&bar", {u"123"}, u"x", ""},
      {"sms:123?body=caf%C3%a9%F0%9F%98%80", {u"123"}, u"café😀", ""},
      {"sms:123?body=a%0D%0Ab%09c", {u"123"}, u"a\r\nb\tc", ""},
      {"sms:123?body=", {u"123"}, u"", ""},
      {longest, {u"1"}, std::u16string(kMaxSmsUriBytes - 11, u'a'), ""},
      {most, std::vector<std::u16string>(kMaxSmsUriNumbers, u"1"), u"", ""},
      // Refused.
      {"", {}, u"", "not an sms: URI"},
      {"tel:123", {}, u"", "not an sms: URI"},
      {"smsto:123", {}, u"", "not an sms: URI"},
      {"sms:", {}, u"", "no number"},
      {"sms:?body=x", {}, u"", "no number"},
      {"sms:,123", {}, u"", "empty number"},
      {"sms:123,", {}, u"", "empty number"},
      {"sms:+", {}, u"", "number without digits"},
      {"sms:-.;phone-context=x", {}, u"", "number without digits"},
      {"sms:12a", {}, u"", "number with characters a phone number cannot hold"},
      {"sms:1+2", {}, u"", "number with characters a phone number cannot hold"},
      {"sms:12%3B3", {}, u"", "number with characters a phone number cannot hold"},
      {"sms://123", {}, u"", "number with characters a phone number cannot hold"},
      {"sms:12;=x", {}, u"", "bad number parameter"},
      {"sms:12;a=", {}, u"", "bad number parameter"},
      {"sms:12;a=b c", {}, u"", "bad number parameter"},
      {"sms:" + std::string(65, '1'), {}, u"", "number too long"},
      {"sms:12%2", {}, u"", "bad percent-encoding"},
      {"sms:123?body=%ZZ", {}, u"", "bad percent-encoding"},
      {"sms:123?x=%&body=a", {}, u"", "bad percent-encoding"},
      {"sms:123?body=%C3", {}, u"", "body that is not valid UTF-8"},
      {"sms:123?body=%ED%A0%80", {}, u"", "body that is not valid UTF-8"},
      {"sms:123?body=%C0%AF", {}, u"", "body that is not valid UTF-8"},
      {"sms:123?body=a%00b", {}, u"", "body with control characters"},
      {"sms:123?body=%1B[2J", {}, u"", "body with control characters"},
      {"sms:123?body=%C2%85", {}, u"", "body with control characters"},
      {"sms:123?body=a\nb", {}, u"", "control characters in the URI"},
      {std::string("sms:1\0", 6), {}, u"", "control characters in the URI"},
      {longest + "a", {}, u"", "too long"},
      {many, {}, u"", "too many numbers"},
  };
  for (const UriCase& c : cases) {
    std::string error = "stale";
    const auto parsed = ParseSmsUri(c.uri, error);
    const std::string shown = c.uri.substr(0, 60);
    EXPECT_EQ(parsed.has_value(), !c.numbers.empty()) << shown;
    if (parsed) {
      EXPECT_EQ(parsed->numbers, c.numbers) << shown;
      EXPECT_EQ(parsed->body, c.body) << shown;
    }
    EXPECT_EQ(error, c.error) << shown;
  }
}

}  // namespace
