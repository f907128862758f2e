// Settings text syntax, the orientation prefix, every value kind through the key table, the
// reset rules and the load order of a theme.
#include <gtest/gtest.h>

#include "ThemeTestSupport.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "support/TempDir.h"
#include "theme/SettingManager.h"
#include "theme/SettingReader.h"
#include "theme/ThemeArchive.h"

namespace theme {
namespace {

using theme_test::Member;

class SettingManagerTest : public ::testing::Test {
 protected:
  SettingManagerTest() { platform::SetProgramDir(dir_.path()); }

  void Parse(std::u16string_view text, std::u16string_view prefix = u"portrait_") {
    settings_.ParseSettingsText(nullptr, text, prefix);
  }
  void WriteTheme(const std::string& name, const std::vector<Member>& members) {
    theme_test::WriteArchive(dir_.File(name), members);
  }

  testing_support::TempDir dir_;
  SettingManager settings_;
};

TEST_F(SettingManagerTest, LinesAreSplitAtAnyLineEndTrimmedAndCutAtTheFirstEquals) {
  Parse(u"  \t text_color=0,0,255  \r\n");
  EXPECT_EQ(settings_.text_color, 0xFF0000u);
  Parse(u"text_color =1,1,1\r\n#text_color=2,2,2\r\nno equals here\r\n");
  EXPECT_EQ(settings_.text_color, 0xFF0000u);
  Parse(u"contact_header_formatting=%fileas=x\r\nx#=1");
  EXPECT_EQ(settings_.contact_header_formatting, u"%fileas=x");
  Parse(u"\r\n\r\n\r\ncontact_height=44\r\n\r\n");
  EXPECT_EQ(settings_.contact_height, 44);
  Parse(u"txt_Back= Retour\\n");
  EXPECT_EQ(settings_.txt_Back, u" Retour\\n");
  // Unix and old Mac line ends separate lines too.
  Parse(u"contact_height=41\nsmall_button_width=99\rindex_letters=AB\n");
  EXPECT_EQ(settings_.contact_height, 41);
  EXPECT_EQ(settings_.small_button_width, 99);
  EXPECT_EQ(settings_.index_letters, u"AB");
}

TEST_F(SettingManagerTest, OrientationPrefixRules) {
  Parse(u"portrait_contact_height=50\r\ncontact_height=40");
  EXPECT_EQ(settings_.contact_height, 40);
  Parse(u"contact_height=40\r\nportrait_contact_height=50");
  EXPECT_EQ(settings_.contact_height, 50);
  Parse(u"landscape_contact_height=60");
  EXPECT_EQ(settings_.contact_height, 50);
  Parse(u"landscape_contact_height=60", u"landscape_");
  EXPECT_EQ(settings_.contact_height, 60);
  Parse(u"Contact_Height=70\r\nportrait_Contact_height=70");
  EXPECT_EQ(settings_.contact_height, 60);
}

TEST_F(SettingManagerTest, BareOnlyKeysIgnoreThePrefix) {
  Parse(u"portrait_sms_prefixes=+44\r\nportrait_phonepad_keys=9xyz");
  EXPECT_TRUE(settings_.sms_prefixes.empty());
  EXPECT_EQ(settings_.phonepad_keys.Size(), 12u);
  // A bare line applies once although each line is applied with both prefixes.
  Parse(u"sms_prefixes=+33,0033");
  EXPECT_EQ(settings_.sms_prefixes, (std::vector<std::u16string>{u"+33", u"0033"}));
  Parse(u"sms_prefixes=,", u"");
  EXPECT_EQ(settings_.sms_prefixes.size(), 2u);
  // Reading the same file again at the next reload does not grow the list.
  settings_.ResetToDefaults();
  Parse(u"sms_prefixes=+33,0033,+44", u"landscape_");
  EXPECT_EQ(settings_.sms_prefixes, (std::vector<std::u16string>{u"+33", u"0033", u"+44"}));
}

TEST_F(SettingManagerTest, AliasesWriteOneField) {
  Parse(u"second_line_text_color=255,0,0\r\ngrey_text_color=0,255,0");
  EXPECT_EQ(settings_.grey_text_color, RGB(0, 255, 0));
  EXPECT_EQ(settings_.second_line_text_color, RGB(0, 255, 0));
  Parse(u"menu_border_color=1,2,3");
  EXPECT_EQ(settings_.button_panel_border_color, RGB(1, 2, 3));
}

TEST_F(SettingManagerTest, KeyGroupsReplaceTheWholeMap) {
  Parse(u"phonepad_keys=2abc\r\nphonepad_draw_keys=2ABC,3DEF");
  EXPECT_EQ(settings_.phonepad_keys.Size(), 1u);
  EXPECT_EQ(*settings_.phonepad_keys.Find(u'2'), u"2abc");
  EXPECT_EQ(settings_.phonepad_keys.Find(u'3'), nullptr);
  EXPECT_EQ(*settings_.phonepad_draw_keys.Find(u'3'), u"DEF");
  settings_.ResetToDefaults();
  EXPECT_EQ(settings_.phonepad_keys.Size(), 12u);
  EXPECT_EQ(settings_.phonepad_keys.Entries().back().first, u'#');
}

// Values the parsers reject keep the current value (the parsers' own fallbacks are tested
// with them).
TEST_F(SettingManagerTest, BadValuesKeepTheCurrentValue) {
  Parse(u"scroll_friction=1.5\r\nscroll_friction=abc\r\ncontact_title_box=1,2,3");
  EXPECT_FLOAT_EQ(settings_.scroll_friction, 1.5f);
  EXPECT_EQ(settings_.contact_title_box, (RECT{1, 1, 239, 31}));
}

TEST_F(SettingManagerTest, ResetKeepsTextsListPicturesAndBringToFront) {
  Parse(
      u"txt_Back=Retour\r\nsms_prefixes=+44\r\nbring_qbk_to_front_on_sms=0\r\n"
      u"contact_height=99\r\ntext_color=1,2,3\r\ncontact_title_box=0,0,1,1\r\n"
      u"index_letters=XYZ\r\nscroll_friction=3\r\nindex_font=20,bold");
  settings_.ResetToDefaults();
  EXPECT_EQ(settings_.txt_Back, u"Retour");
  EXPECT_EQ(settings_.sms_prefixes, std::vector<std::u16string>{u"+44"});
  EXPECT_FALSE(settings_.bring_qbk_to_front_on_sms);
  EXPECT_EQ(settings_.contact_height, 36);
  EXPECT_EQ(settings_.text_color, RGB(0, 0, 0));
  EXPECT_EQ(settings_.contact_title_box, (RECT{1, 1, 239, 31}));
  EXPECT_EQ(settings_.index_letters, u"#ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_FLOAT_EQ(settings_.scroll_friction, 1.02f);
  EXPECT_EQ(settings_.index_font.Description(), (platform::FontDescription{10, 400, false}));
}

TEST_F(SettingManagerTest, LanguageTextsTakePlaceholderAndPrefix) {
  Parse(u"txt_FilteredByCity=Habitant \u00e0 {0}\r\nportrait_txt_Back=Zur\u00fcck");
  EXPECT_EQ(settings_.txt_FilteredByCity, u"Habitant \u00e0 %s");
  EXPECT_EQ(settings_.txt_Back, u"Zur\u00fcck");
}

// Every key of the table parses the text of its own current (default) value back to the same
// value, so the table, the parsers and the formatter agree.
TEST_F(SettingManagerTest, EveryKeyParsesItsDefaultTextBackToTheDefault) {
  size_t checked = 0;
  for (const SettingInfo& info : SettingTable()) {
    if (info.kind == SettingKind::kList || info.kind == SettingKind::kKeyGroups ||
        info.kind == SettingKind::kImage) {
      continue;
    }
    SCOPED_TRACE(std::string(info.key));
    const auto before = ReadSetting(settings_, info.key);
    ASSERT_TRUE(before);
    // The documented default text and the formatted value both parse to the default.
    const std::u16string texts[] = {platform::FromUtf8(info.default_text),
                                    FormatSettingValue(*before, info)};
    for (const std::u16string& text : texts) {
      if (text.empty() && info.kind != SettingKind::kText) continue;
      const std::u16string key = platform::FromUtf8(info.key);
      EXPECT_TRUE(settings_.ApplySetting(nullptr, key, text, u""));
      EXPECT_TRUE(*ReadSetting(settings_, info.key) == *before);
      EXPECT_TRUE(settings_.ApplySetting(nullptr, u"landscape_" + key, text, u"landscape_"));
    }
    ++checked;
  }
  EXPECT_GT(checked, 0u);
}

TEST_F(SettingManagerTest, KeyNamesSettingKnowsPrefixesAndBareOnlyKeys) {
  for (const char16_t* key :
       {u"text_color", u"landscape_text_color", u"portrait_txt_Back", u"sms_prefixes"}) {
    EXPECT_TRUE(KeyNamesSetting(key)) << platform::ToUtf8(key);
  }
  for (const char16_t* key :
       {u"portrait_sms_prefixes", u"text_color ", u"portrait_", u"t\u00e9xt_color"}) {
    EXPECT_FALSE(KeyNamesSetting(key)) << platform::ToUtf8(key);
  }
}

// Archive and plain settings alike: a byte-order mark decides and is skipped (the first line
// keeps its key); without one, UTF-8 when valid, else Windows-1252.
TEST_F(SettingManagerTest, SettingsTextsDecodeByMarkThenAsUtf8ElseWindows1252) {
  const std::string utf16le("\xFF\xFEt\0x\0t\0_\0B\0a\0c\0k\0=\0Z\0u\0r\0\xFC\0c\0k\0", 32);
  const std::string texts[] = {
      "txt_Back=Zur\xC3\xBC"
      "ck",
      "\xEF\xBB\xBFtxt_Back=Zur\xC3\xBC"
      "ck",
      "txt_Back=Zur\xFC"
      "ck",
      utf16le};
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    settings_.txt_Back = u"Back";
    WriteTheme("Touch.qbt", {{"settings.ini", text}});
    settings_.LoadThemeArchive(u"Touch.qbt", u"portrait_");
    EXPECT_EQ(settings_.txt_Back, u"Zur\u00fcck");
    settings_.txt_Back = u"Back";
    dir_.Write("lang.ini", text);
    settings_.LoadSettingsFile(u"lang.ini", u"portrait_");
    EXPECT_EQ(settings_.txt_Back, u"Zur\u00fcck");
  }
}

TEST_F(SettingManagerTest, ArchiveSettingsSetImagesAndButtonHeights) {
  WriteTheme("Touch.qbt", {{"settings.ini",
                            "txt_Back=Zur\xFC"
                            "ck\r\nbackground_image_list=BG.PNG\r\n"
                            "large_button_image=b.png"},
                           {"bg.png", theme_test::SolidPng(8, 4, 0xFF00FF00)},
                           {"b.png", theme_test::SolidPng(20, 55, 0xFF0000FF)}});
  settings_.LoadThemeArchive(u"Touch.qbt", u"portrait_");
  EXPECT_EQ(settings_.txt_Back, u"Zur\u00fcck");
  ASSERT_TRUE(settings_.background_image_list);
  EXPECT_EQ(settings_.background_image_list->Name(), u"zip_BG.PNG");
  EXPECT_TRUE(settings_.background_image_list->IsPrerendered());
  EXPECT_EQ(settings_.large_button_height, 55);
  EXPECT_FALSE(settings_.large_button_image->IsPrerendered());
  EXPECT_EQ(settings_.small_button_height, 30);
}

TEST_F(SettingManagerTest, SameImageTextKeepsTheDecodedImage) {
  WriteTheme("T.qbt", {{"i.png", theme_test::SolidPng(3, 3, 0xFF112233)}});
  auto archive = OpenArchive(dir_.File("T.qbt"));
  ASSERT_TRUE(archive);
  settings_.ApplySetting(archive.get(), u"favorite_icon", u"i.png", u"");
  const Image* first = settings_.favorite_icon.get();
  ASSERT_TRUE(first);
  settings_.ApplySetting(archive.get(), u"favorite_icon", u"i.png", u"");
  EXPECT_EQ(settings_.favorite_icon.get(), first);
  // Another spelling is another image (its name shows it: the old one's address may be reused).
  settings_.ApplySetting(archive.get(), u"favorite_icon", u"I.PNG", u"");
  EXPECT_EQ(settings_.favorite_icon->Name(), u"zip_I.PNG");
  settings_.ApplySetting(archive.get(), u"favorite_icon", u"gone.png", u"");
  EXPECT_FALSE(settings_.favorite_icon);
  // Without an archive the value names a file of the program folder.
  dir_.Write("plain.png", theme_test::SolidPng(2, 7, 0xFFFFFFFF));
  settings_.ApplySetting(nullptr, u"favorite_icon", u"plain.png", u"");
  ASSERT_TRUE(settings_.favorite_icon);
  EXPECT_EQ(settings_.favorite_icon->Name(), u"plain.png");
  EXPECT_EQ(settings_.favorite_icon->Height(), 7);
}

TEST_F(SettingManagerTest, KeptPicturesSurviveResetAndThemeSwitch) {
  WriteTheme("A.qbt", {{"settings.ini", "default_contact_image=face.png\r\nfavorite_icon=face.png"},
                       {"face.png", theme_test::SolidPng(5, 5, 0xFF808080)}});
  WriteTheme("B.qbt", {{"settings.ini", "text_color=1,1,1"}});
  settings_.LoadThemeArchive(u"A.qbt", u"portrait_");
  const Image* face = settings_.default_contact_image.get();
  ASSERT_TRUE(face);
  settings_.ResetToDefaults();
  settings_.LoadThemeArchive(u"A.qbt", u"landscape_");
  EXPECT_EQ(settings_.default_contact_image.get(), face);
  settings_.ResetToDefaults();
  EXPECT_FALSE(settings_.favorite_icon);
  settings_.LoadThemeArchive(u"B.qbt", u"portrait_");
  EXPECT_EQ(settings_.default_contact_image.get(), face);
}

TEST_F(SettingManagerTest, LoadOrderLetsPlainSettingsOverrideTheArchive) {
  WriteTheme("Touch.qbt", {{"settings.ini", "large_button_image=b.png\r\ntxt_Back=Archive"},
                           {"b.png", theme_test::SolidPng(4, 33, 0xFF000000)},
                           {"lang.ini", "txt_Cancel=NotRead"}});
  dir_.Write("lang.ini", "txt_Back=Lang\n");
  dir_.Write("settings.ini", "large_button_height=50\n");
  SettingManager& global = Settings();
  global.ResetToDefaults();
  global.LoadThemeArchive(u"Touch.qbt", u"portrait_");
  EXPECT_EQ(global.large_button_height, 33);
  global.LoadSettingsFile(u"lang.ini", u"portrait_");
  global.LoadSettingsFile(u"settings.ini", u"portrait_");
  EXPECT_EQ(global.large_button_height, 50);
  EXPECT_EQ(global.txt_Back, u"Lang");
  EXPECT_EQ(global.txt_Cancel, u"Cancel");
  global.txt_Back = u"Back";
  global.ResetToDefaults();
}

TEST_F(SettingManagerTest, WarningsNameSourceAndLine) {
  WriteTheme("W.qbt", {{"settings.ini",
                        "a=1\r\n\r\nfavorite_icon=missing.png\r\n"
                        "sms_icon=junk.png\r\ntext_color=1,2,3"},
                       {"junk.png", "\x89PNG not really"}});
  std::vector<LoadWarning> warnings;
  settings_.SetWarningSink([&](const LoadWarning& w) { warnings.push_back(w); });
  settings_.LoadThemeArchive(u"W.qbt", u"portrait_");
  settings_.LoadThemeArchive(u"absent.qbt", u"portrait_");
  WriteTheme("N.qbt", {{"other.txt", "x"}});
  settings_.LoadThemeArchive(u"N.qbt", u"portrait_");
  ASSERT_EQ(warnings.size(), 5u);
  EXPECT_EQ(warnings[0].kind, LoadWarning::Kind::kUnknownKey);
  EXPECT_EQ(warnings[0].line, 1);
  EXPECT_EQ(warnings[1].kind, LoadWarning::Kind::kImageMissing);
  EXPECT_EQ(warnings[1].line, 3);
  EXPECT_EQ(warnings[2].line, 4);
  EXPECT_EQ(warnings[3].kind, LoadWarning::Kind::kArchiveError);
  EXPECT_NE(warnings[3].message.find("0x00000200"), std::string::npos);
  EXPECT_EQ(warnings[4].kind, LoadWarning::Kind::kSettingsMissing);
  EXPECT_EQ(settings_.text_color, RGB(1, 2, 3));
}

}  // namespace
}  // namespace theme
