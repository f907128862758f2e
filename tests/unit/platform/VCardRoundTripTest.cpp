// Export then import loses nothing the store holds: every text property, the favourite flag,
// the picture and the UID, in vCard 3.0 and 4.0, directly and through the store.
#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/VCardReader.h"
#include "platform/pim/VCardStore.h"
#include "platform/pim/VCardWriter.h"
#include "support/TempDir.h"

using namespace platform::pim;
namespace prop = platform::pim::prop;

namespace {

// Every field set, with the characters that need escaping or folding.
VCardContact FullContact() {
  VCardContact c;
  for (const ContactTextField& f : kContactTextFields) {
    c.SetText(f.id, platform::FromUtf8(std::string(f.key) + " Zoë, d'Arc; a\\b\nsecond line"));
  }
  int phone = 0;
  for (PropertyId id :
       {prop::kMobilePhone, prop::kBusinessPhone, prop::kBusinessPhone2, prop::kHomePhone,
        prop::kHomePhone2, prop::kBusinessFax, prop::kHomeFax, prop::kPager, prop::kCarPhone,
        prop::kRadioPhone, prop::kCompanyPhone, prop::kAssistantPhone, prop::kSms}) {
    c.SetText(id, u"+33 6 12 34 5" + platform::ToU16(phone++));
  }
  c.SetText(prop::kEmail1, u"ann@example.org");
  c.SetText(prop::kEmail1 + 0x10000, u"ann.work@example.com");
  c.SetText(prop::kEmail1 + 0x20000, u"a@x.fr");
  c.SetText(prop::kIm1, u"sip:ann@voip.example");
  c.SetText(prop::kIm1 + 0x10000, u"ann@jabber.example");
  c.SetText(prop::kIm1 + 0x20000, u"skype:ann.lee");
  c.SetText(prop::kCategories, u"Friends, Work, Zoë's club");
  c.favorite = true;
  c.photo = std::string("\xFF\xD8\xFF\xE0", 4) + std::string(3000, '\x7F') + "\xFF\xD9";
  c.uid = u"urn:uuid:1b4e28ba-2fa1-11d2-883f-0016d3cca427";
  return c;
}

VCardContact RoundTrip(const VCardContact& c, VCardVersion version) {
  VCardReadResult r = VCardReader::Read(VCardWriter::Write(c, version));
  for (const auto& p : r.problems) ADD_FAILURE() << "line " << p.line << ": " << p.message;
  EXPECT_EQ(r.contacts.size(), 1u);
  return r.contacts.empty() ? VCardContact() : r.contacts[0];
}

void ExpectSame(const VCardContact& expected, const VCardContact& actual) {
  for (const ContactTextField& f : kContactTextFields) {
    EXPECT_EQ(platform::ToUtf8(actual.Text(f.id)), platform::ToUtf8(expected.Text(f.id))) << f.key;
  }
  EXPECT_EQ(actual.favorite, expected.favorite);
  EXPECT_EQ(actual.photo, expected.photo);
  EXPECT_EQ(actual.uid, expected.uid);
  EXPECT_EQ(actual.texts.size(), expected.texts.size());
}

TEST(VCardRoundTrip, EveryFieldSurvivesBothVersions) {
  VCardContact c = FullContact();
  ExpectSame(c, RoundTrip(c, VCardVersion::k30));
  ExpectSame(c, RoundTrip(c, VCardVersion::k40));
}

TEST(VCardRoundTrip, PositionalSlotsKeepTheirPlaceAcrossGaps) {
  VCardContact c;
  c.SetText(prop::kDisplayName, u"Gaps");
  c.SetText(prop::kFileAs, u"Gaps");
  c.SetText(prop::kEmail1 + 0x20000, u"third@x");
  c.SetText(prop::kIm1 + 0x10000, u"second@im");
  c.SetText(prop::kBusinessPhone2, u"2");
  c.SetText(prop::kHomePhone2, u"4");
  c.SetText(prop::kOtherAddress, u"Only the label");
  c.SetText(0x00C2001F, u"Lyon");
  for (VCardVersion v : {VCardVersion::k30, VCardVersion::k40}) ExpectSame(c, RoundTrip(c, v));
}

TEST(VCardRoundTrip, WriterEmitsTheExpectedForms) {
  VCardContact c;
  c.SetText(prop::kFirstName, u"Ann");
  c.SetText(prop::kLastName, u"Lee");
  c.SetText(prop::kMobilePhone, u"+1 555");
  c.SetText(prop::kRadioPhone, u"9");
  std::string v3 = VCardWriter::Write(c, VCardVersion::k30);
  EXPECT_EQ(v3.rfind("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\nN:Lee;Ann;;;\r\n", 0), 0u) << v3;
  EXPECT_NE(v3.find("TEL;TYPE=CELL:+1 555\r\n"), std::string::npos);
  EXPECT_NE(v3.find("TEL;TYPE=\"X-EVOLUTION-RADIO\":9\r\n"), std::string::npos);
  EXPECT_EQ(v3.find("X-FOLKS-FAVOURITE"), std::string::npos);
  std::string v4 = VCardWriter::Write(c, VCardVersion::k40);
  EXPECT_NE(v4.find("VERSION:4.0\r\n"), std::string::npos);
  EXPECT_NE(v4.find("TEL;TYPE=cell:+1 555\r\n"), std::string::npos);
}

TEST(VCardRoundTrip, ThroughTheStoreNothingIsLost) {
  testing_support::TempDir dir;
  platform::SetDeviceDir(dir.path());
  std::string error;
  auto app = PimApplication::Create(&error);
  ASSERT_TRUE(app) << error;
  VCardContact c = FullContact();
  ObjectId oid = 0;
  ASSERT_EQ(SaveVCardContact(*app, c, &oid), PimResult::kOk);
  VCardContact stored;
  ASSERT_EQ(LoadVCardContact(*app, oid, &stored), PimResult::kOk);
  ExpectSame(c, stored);
  VCardContact plain;
  plain.SetText(prop::kFirstName, u"Plain");
  ASSERT_EQ(SaveVCardContact(*app, plain, &oid), PimResult::kOk);
  ASSERT_EQ(LoadVCardContact(*app, oid, &stored), PimResult::kOk);
  ExpectSame(plain, stored);
  EXPECT_EQ(LoadVCardContact(*app, 9999, &stored), PimResult::kNotFound);
}

}  // namespace
