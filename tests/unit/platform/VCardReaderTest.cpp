// Reading vCard files in the dialects users meet: quoted-printable cards of old phones (2.1),
// folded photo lines (3.0), data: URIs and groups (4.0), damaged cards among good ones.
#include <gtest/gtest.h>

#include <string>

#include "platform/Text.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/VCardReader.h"
#include "platform/pim/VCardText.h"

using namespace platform::pim;
namespace prop = platform::pim::prop;

namespace {

std::string Crlf(std::string text) {
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, 1, '\r');
  }
  return text;
}

VCardContact ReadOne(const std::string& text) {
  VCardReadResult r = VCardReader::Read(text);
  EXPECT_EQ(r.contacts.size(), 1u);
  for (const auto& p : r.problems) ADD_FAILURE() << "line " << p.line << ": " << p.message;
  return r.contacts.empty() ? VCardContact() : r.contacts[0];
}

// The texts of `ids`, joined by " | ", to compare several fields at once.
std::string Texts(const VCardContact& c, std::initializer_list<PropertyId> ids) {
  std::string out;
  for (PropertyId id : ids) out += (out.empty() ? "" : " | ") + platform::ToUtf8(c.Text(id));
  return out;
}

TEST(VCardReader, OldPhoneQuotedPrintableWithCharsetsAndSoftBreaks) {
  VCardContact c =
      ReadOne(Crlf("BEGIN:VCARD\n"
                   "VERSION:2.1\n"
                   "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg\n"
                   "FN;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:J=C3=B6rg M=C3=BC=\n"
                   "ller\n"
                   "TEL;CELL;PREF:+49 170 1234567\n"
                   "TEL;WORK;FAX:+49 30 555\n"
                   "TEL;HOME:030 111\n"
                   "TEL;HOME:030 222\n"
                   "EMAIL;INTERNET:jm@example.de\n"
                   "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Hauptstra=C3=9Fe 1;Berlin;;10115;=\n"
                   "Deutschland\n"
                   "NOTE;ENCODING=QUOTED-PRINTABLE:first=0D=0Asecond=\n"
                   "line\n"
                   "END:VCARD\n"));
  EXPECT_EQ(Texts(c, {prop::kLastName, prop::kFirstName, prop::kDisplayName, prop::kFileAs}),
            "Müller | Jörg | Jörg Müller | Müller, Jörg");
  EXPECT_EQ(Texts(c, {prop::kMobilePhone, prop::kBusinessFax, prop::kHomePhone, prop::kHomePhone2}),
            "+49 170 1234567 | +49 30 555 | 030 111 | 030 222");
  EXPECT_EQ(Texts(c, {prop::kEmail1, 0x00D1001F, 0x00D2001F, 0x00D5001F}),
            "jm@example.de | Hauptstraße 1 | Berlin | Deutschland");
}

TEST(VCardReader, UnlabelledCharsetFallsBackToWindows1252) {
  VCardContact c = ReadOne("BEGIN:VCARD\nVERSION:2.1\nN:Fran\xE7ois;Ren\xE9\nEND:VCARD\n");
  EXPECT_EQ(Texts(c, {prop::kLastName, prop::kFirstName}), "François | René");
}

TEST(VCardReader, Base64PhotoOfVersion21EndsAtABlankLine) {
  VCardContact c = ReadOne(
      "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Doe;Jane\r\n"
      "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQ\r\n"
      "SkZJRgABAQ\r\n"
      "  AAAQABAAD\r\n"
      "\r\n"
      "TEL;CELL:123\r\nEND:VCARD\r\n");
  EXPECT_EQ(c.photo, std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 20));
  EXPECT_EQ(c.Text(prop::kMobilePhone), u"123");
}

TEST(VCardReader, Version30FoldedLinesTypesAndEscapes) {
  VCardContact c =
      ReadOne(Crlf("BEGIN:VCARD\n"
                   "VERSION:3.0\n"
                   "N:Lovelace;Ada\\, Augusta;;Lady;\n"
                   "X-EVOLUTION-FILE-AS:Lovelace\\, Ada\n"
                   "FN:Ada Lovelace\n"
                   "ORG:Analytical Engines;R&D;Room 4\n"
                   "TITLE:Programmer\n"
                   "TEL;TYPE=WORK,VOICE:111\n"
                   "TEL;TYPE=WORK;TYPE=VOICE:222\n"
                   "TEL;TYPE=\"X-EVOLUTION-RADIO\":333\n"
                   "TEL;TYPE=CELL:44\n"
                   " 4\n"
                   "CATEGORIES:Friends,Math\\, Science\n"
                   "X-FOLKS-FAVOURITE:true\n"
                   "X-UNKNOWN;FOO=bar:ignored\n"
                   "NOTE:Line one\\nline two\n"
                   "PHOTO;ENCODING=b;TYPE=PNG:iVBO\n"
                   " Rw==\n"
                   "END:VCARD\n"));
  EXPECT_EQ(Texts(c, {prop::kFirstName, prop::kTitle, prop::kFileAs, prop::kCompany}),
            "Ada, Augusta | Lady | Lovelace, Ada | Analytical Engines");
  EXPECT_EQ(
      Texts(c, {prop::kDepartment, prop::kOfficeLocation, prop::kJobTitle, prop::kBusinessPhone}),
      "R&D | Room 4 | Programmer | 111");
  EXPECT_EQ(
      Texts(c, {prop::kBusinessPhone2, prop::kRadioPhone, prop::kMobilePhone, prop::kCategories}),
      "222 | 333 | 444 | Friends, Math, Science");
  EXPECT_TRUE(c.favorite);
  EXPECT_EQ(c.photo, std::string("\x89PNG"));
}

TEST(VCardReader, Version40DataUrisGroupsAndRelations) {
  VCardContact c =
      ReadOne(Crlf("BEGIN:VCARD\n"
                   "VERSION:4.0\n"
                   "FN:Zoë O'Brien-Smith\n"
                   "N:O'Brien-Smith;Zoë;;;\n"
                   "TEL;VALUE=uri;TYPE=cell:tel:+33-6-12-34\n"
                   "item1.TEL:+33 1 40 00\n"
                   "item1.X-ABLabel:_$!<Main>!$_\n"
                   "item2.X-ABRELATEDNAMES:Marc\n"
                   "item2.X-ABLabel:_$!<Manager>!$_\n"
                   "RELATED;TYPE=spouse;VALUE=text:Paul\n"
                   "RELATED;TYPE=child;VALUE=text:Léa\n"
                   "RELATED;TYPE=child;VALUE=text:Tom\n"
                   "IMPP:xmpp:zoe@example.org\n"
                   "X-JABBER:zoe@example.org\n"
                   "X-SKYPE:zoe.obs\n"
                   "ADR;TYPE=work;LABEL=\"12 Rue X^n75001 Paris\":;;12 Rue X;Paris;;75001;France\n"
                   "PHOTO:data:image/png;base64,iVBORw==\n"
                   "END:VCARD\n"));
  EXPECT_EQ(Texts(c, {prop::kMobilePhone, prop::kCompanyPhone, prop::kManager, prop::kSpouse}),
            "+33-6-12-34 | +33 1 40 00 | Marc | Paul");
  EXPECT_EQ(Texts(c, {prop::kChildren, prop::kIm1, prop::kIm1 + 0x10000, prop::kBusinessAddress}),
            "Léa, Tom | xmpp:zoe@example.org | skype:zoe.obs | 12 Rue X\n75001 Paris");
  EXPECT_EQ(c.Text(0x00C2001F), u"Paris");
  EXPECT_EQ(c.photo, std::string("\x89PNG"));
  EXPECT_EQ(c.Text(prop::kFileAs), u"O'Brien-Smith, Zoë");
}

TEST(VCardReader, MissingNamesAreDerived) {
  VCardContact c = ReadOne("BEGIN:VCARD\nVERSION:3.0\nN:;;;;\nORG:Acme\nEND:VCARD\n");
  EXPECT_EQ(Texts(c, {prop::kDisplayName, prop::kFileAs}), "Acme | Acme");
  c = ReadOne("BEGIN:VCARD\nVERSION:3.0\nN;SORT-AS=\"Doe,John\":Doe;John;;;\nEND:VCARD\n");
  EXPECT_EQ(Texts(c, {prop::kDisplayName, prop::kFileAs}), "John Doe | Doe, John");
}

TEST(VCardReader, MalformedCardsAreReportedWithTheirLineAndSkipped) {
  VCardReadResult r = VCardReader::Read(
      "BEGIN:VCARD\nVERSION:3.0\nFN:Good One\nEND:VCARD\n"                     // 1-4
      "BEGIN:VCARD\nVERSION:3.0\nFN:Bad\nthis line has no colon\nEND:VCARD\n"  // 5-9
      "BEGIN:VCARD\nFN:Unended\n"                                              // 10-11
      "BEGIN:VCARD\nFN:Good Two\nEND:VCARD\n"                                  // 12-14
      "garbage after\n"                                                        // 15
      "BEGIN:VCARD\nFN:Truncated\n");                                          // 16-17
  ASSERT_EQ(r.contacts.size(), 2u);
  EXPECT_EQ(r.contacts[0].Text(prop::kDisplayName), u"Good One");
  EXPECT_EQ(r.contacts[1].Text(prop::kDisplayName), u"Good Two");
  EXPECT_EQ(r.contacts[1].line, 12);
  ASSERT_EQ(r.problems.size(), 4u);
  EXPECT_EQ(r.problems[0].line, 8);
  EXPECT_TRUE(r.problems[0].card_skipped);
  EXPECT_EQ(r.problems[1].line, 12);
  EXPECT_NE(r.problems[1].message.find("line 10"), std::string::npos) << r.problems[1].message;
  EXPECT_EQ(r.problems[2].line, 15);
  EXPECT_FALSE(r.problems[2].card_skipped);
  EXPECT_EQ(r.problems[3].line, 16);
}

TEST(VCardReader, AgentCardsAreSkippedInsideTheirCard) {
  VCardReadResult r = VCardReader::Read(
      "BEGIN:VCARD\nVERSION:2.1\nFN:Boss\nAGENT:\nBEGIN:VCARD\nFN:Secretary\nEND:VCARD\n"
      "TEL;WORK:1\nEND:VCARD\n");
  ASSERT_EQ(r.contacts.size(), 1u);
  EXPECT_TRUE(r.problems.empty());
  EXPECT_EQ(r.contacts[0].Text(prop::kDisplayName), u"Boss");
  EXPECT_EQ(r.contacts[0].Text(prop::kBusinessPhone), u"1");
}

TEST(VCardReader, OversizedAndBrokenPhotosAreRefusedButTheContactKept) {
  std::string big(kMaxPictureBytes / 3 * 4 + 8, 'A');
  VCardReadResult r = VCardReader::Read("BEGIN:VCARD\nFN:Big\nPHOTO;ENCODING=b:" + big +
                                        "\nEND:VCARD\n"
                                        "BEGIN:VCARD\nFN:Bad\nPHOTO:data:image/png;base64,*!\n"
                                        "END:VCARD\n"
                                        "BEGIN:VCARD\nFN:Link\nPHOTO;VALUE=uri:http://x/y.jpg\n"
                                        "END:VCARD\n");
  ASSERT_EQ(r.contacts.size(), 3u);
  for (const auto& c : r.contacts) EXPECT_TRUE(c.photo.empty());
  ASSERT_EQ(r.problems.size(), 3u);
  EXPECT_NE(r.problems[0].message.find("2 MiB"), std::string::npos) << r.problems[0].message;
  EXPECT_EQ(r.problems[1].line, 7);
  EXPECT_FALSE(r.problems[2].card_skipped);
}

TEST(VCardReader, ExtraPhonesEmailsAndAddressesFindFreeSlotsOrAreReported) {
  VCardReadResult r = VCardReader::Read(
      "BEGIN:VCARD\nFN:Many\n"
      "EMAIL:a@x\nEMAIL:b@x\nEMAIL:c@x\nEMAIL:d@x\n"
      "TEL;TYPE=CELL:1\nTEL;TYPE=CELL:2\nTEL:3\n"
      "ADR;TYPE=HOME:;;h1;;;;\nADR;TYPE=HOME:;;h2;;;;\nADR:;;o;;;;\nADR:;;x;;;;\n"
      "END:VCARD\n");
  ASSERT_EQ(r.contacts.size(), 1u);
  const VCardContact& c = r.contacts[0];
  EXPECT_EQ(
      Texts(c, {prop::kEmail1 + 0x20000, prop::kMobilePhone, prop::kHomePhone, prop::kHomePhone2}),
      "c@x | 1 | 2 | 3");
  EXPECT_EQ(Texts(c, {0x00D1001F, 0x00E1001F, 0x00C1001F}), "h1 | h2 | o");
  ASSERT_EQ(r.problems.size(), 2u);
  EXPECT_EQ(r.problems[0].line, 6);
  EXPECT_EQ(r.problems[1].line, 13);
}

TEST(VCardReader, LongLinesAndHugeInputAreBounded) {
  std::string line(kMaxPictureBytes * 2, 'x');
  VCardReadResult r = VCardReader::Read("BEGIN:VCARD\nNOTE:" + line + "\nFN:A\nEND:VCARD\n");
  EXPECT_TRUE(r.contacts.empty());
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_TRUE(r.problems[0].card_skipped);
  r = VCardReader::Read(std::string(VCardReader::kMaxInputBytes + 1, ' '));
  ASSERT_EQ(r.problems.size(), 1u);
}

TEST(VCardText, EncodingsRejectWhatTheyCannotDecode) {
  std::string out;
  EXPECT_TRUE(DecodeBase64("SGVs\r\n bG8=", 100, &out));
  EXPECT_EQ(out, "Hello");
  EXPECT_FALSE(DecodeBase64("SGVs*G8=", 100, &out));
  EXPECT_FALSE(DecodeBase64("SGVsbG8=", 4, &out));
  EXPECT_FALSE(DecodeBase64("SG=Vs", 100, &out));
  EXPECT_EQ(EncodeBase64("Hello"), "SGVsbG8=");
  EXPECT_EQ(EncodeBase64("Hell"), "SGVsbA==");
  EXPECT_EQ(DecodeQuotedPrintable("a=3Db=\n=ZZ="), "a=b=\n=ZZ=");
  EXPECT_EQ(DecodeCharset("\x83\x41", "Shift_JIS"), u"ア");
  EXPECT_EQ(DecodeCharset("abc", "no-such-charset"), u"abc");
  EXPECT_EQ(SplitStructured(u"a\\;b;c\\,d;"), (std::vector<std::u16string>{u"a;b", u"c,d", u""}));
  EXPECT_EQ(UnescapeText(u"x\\ny\\\\z\\q"), u"x\ny\\z\\q");
  EXPECT_EQ(EscapeText(u"a,b;c\\d\r\ne"), "a\\,b\\;c\\\\d\\ne");
}

TEST(VCardText, FoldingNeverSplitsACharacterAndUnfoldsBack) {
  for (size_t ascii = 60; ascii < 80; ++ascii) {
    std::string line = "NOTE:" + std::string(ascii, 'a');
    for (int i = 0; i < 40; ++i) line += "é";
    line += "\xF0\x9F\x98\x80 end";
    std::string folded = FoldLine(line);
    size_t start = 0;
    while (start < folded.size()) {
      size_t end = folded.find("\r\n", start);
      EXPECT_LE(end - start, 75u);
      std::string piece = folded.substr(start, end - start);
      EXPECT_TRUE(IsValidUtf8(piece)) << piece;
      start = end + 2;
    }
    VCardReadResult r =
        VCardReader::Read("BEGIN:VCARD\r\n" + FoldLine("FN:" + line.substr(5)) + "END:VCARD\r\n");
    ASSERT_EQ(r.contacts.size(), 1u);
    EXPECT_EQ(platform::ToUtf8(r.contacts[0].Text(prop::kDisplayName)), line.substr(5));
  }
}

}  // namespace
