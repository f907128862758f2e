// The tel: and mailto: URIs the phone and mail services hand to the desktop: only what a
// dialler dials, only the address of a To text, and nothing a hostile name or address holds
// can add a recipient, a header field or a shell word.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/mail/MailtoUri.h"
#include "platform/phone/TelUri.h"

namespace {

using platform::mail::ExtractMailAddress;
using platform::mail::MakeMailtoUri;
using platform::phone::MakeTelUri;

struct UriCase {
  std::u16string input;
  std::optional<std::string> uri;
};

TEST(ServiceUriTest, TelUrisCarryOnlyWhatIsDialled) {
  const UriCase cases[] = {
      {u"+33 6 12-34-56-78", "tel:+33612345678"},
      {u"(555) 123.4567", "tel:5551234567"},
      {u"Tel: +49 171 2345678", "tel:+491712345678"},
      {u"00 44 20 7946 0018", "tel:00442079460018"},
      {u"+1 555 1234 x12", "tel:+15551234;ext=12"},
      {u"555 1234 ext. 7", "tel:5551234;ext=7"},
      {u"0612345678p123", "tel:0612345678"},
      {u"0612345678,,9", "tel:0612345678"},
      {u"*31#0612345678", "tel:*31%230612345678"},
      {u"0612345678 home", "tel:0612345678"},
      {u"1-800-FLOWERS", "tel:1800"},
      {u"+33 +6 12", "tel:+33612"},
      {u"\uFF10\uFF16\uFF11\uFF12", "tel:0612"},  // full-width digits
      {u"\u0660\u0661\u0662", "tel:012"},         // Arabic-Indic digits
      // Shell words, URI delimiters and controls never pass.
      {u"0612; rm -rf ~", "tel:0612"},
      {u"0612`id`$(id)&x=1?y#z", "tel:0612"},
      {u"06$(12)#1&x=1?y", "tel:0612%231"},
      {u"06\n12\t34\u0000", "tel:061234"},
      // Nothing to dial.
      {u"", std::nullopt},
      {u"ask reception", std::nullopt},
      {u"+", std::nullopt},
      {u"p", std::nullopt},
      {u"*#", std::nullopt},
  };
  for (const UriCase& c : cases) {
    EXPECT_EQ(MakeTelUri(c.input), c.uri) << std::string(c.input.begin(), c.input.end());
  }
}

TEST(ServiceUriTest, MailtoUrisCarryTheAddressOnlyPercentEncoded) {
  const UriCase cases[] = {
      {u"Ann O'Neil<ann@example.org>", "mailto:ann@example.org"},
      {u"ann@example.org", "mailto:ann@example.org"},
      {u"  Ann < ann@example.org >  ", "mailto:ann@example.org"},
      {u"ann.o'neil+news@example.org", "mailto:ann.o'neil+news@example.org"},
      // Whatever the name holds never reaches the URI.
      {u"\"Doe, Jane\" <x@evil.org>, <jane@example.org>", "mailto:jane@example.org"},
      {u"a?cc=b@evil.org&body=%41<jane@example.org>", "mailto:jane@example.org"},
      {u"Zoë 😀 <zoe@example.org>", "mailto:zoe@example.org"},
      // Characters of the address that would add recipients or header fields are encoded.
      {u"<a?cc=eve@x&b=1@example.org>", "mailto:a%3Fcc%3Deve%40x%26b%3D1@example.org"},
      {u"<a,b%c#d@example.org>", "mailto:a%2Cb%25c%23d@example.org"},
      {u"<\"a@b\"@example.org>", "mailto:%22a%40b%22@example.org"},
      {u"<zoë@exämple.org>", "mailto:zo%C3%AB@ex%C3%A4mple.org"},
      // No usable address: nothing opens.
      {u"", std::nullopt},
      {u"Ann<>", std::nullopt},
      {u"Ann", std::nullopt},
      {u"Ann<ann>", std::nullopt},
      {u"<@example.org>", std::nullopt},
      {u"<ann@>", std::nullopt},
      {u"<ann@exa mple.org>", std::nullopt},
      {u"<ann@example.org\nBcc: eve@x>", std::nullopt},
      {u"<ann@ex,ample.org>", std::nullopt},
      {u"<ann@example.org.>", std::nullopt},
      {u"ann@example.org>", std::nullopt},
      {std::u16string(u"<a\xD800@example.org>"), std::nullopt},  // lone surrogate
      {u"<" + std::u16string(250, u'a') + u"@example.org>", std::nullopt},
  };
  for (const UriCase& c : cases) {
    EXPECT_EQ(MakeMailtoUri(c.input), c.uri) << std::string(c.input.begin(), c.input.end());
  }
  EXPECT_EQ(ExtractMailAddress(u"Ann<ann@example.org>"), u"ann@example.org");
}

}  // namespace
