// Filling records from a real contact store in a temporary device profile: bulk reads by
// position through the request list, full reads of one item, the favourite property, and the
// rows report built on them.
#include <gtest/gtest.h>

#include <sstream>

#include "contacts/ContactStoreReads.h"
#include "contacts/RowsReport.h"
#include "platform/pim/PimFolder.h"
#include "unit/contacts/ContactListFixture.h"

using namespace platform::pim;

namespace {

constexpr PropertyId kFileAs = 0x0080001F, kFirstName = 0x0082001F, kCompany = 0x008A001F,
                     kMobile = 0x0096001F, kHome = 0x0099001F, kHomeFax = 0x009C001F,
                     kNickname = 0x0086001F, kHomeCity = 0x00D2001F;

class StoreFillTest : public ContactListFixture {
 protected:
  void SetUp() override {
    ContactListFixture::SetUp();
    favorite_id_ = AskFavoritePropertyId(*store_);
    ASSERT_NE(favorite_id_, 0u);
    settings_.expressions = {u"%fileas", u"%phone (%company)", u"%fileas", u"%addresscity"};
  }

  ObjectId Add(std::vector<PropertyValue> values, bool favourite = false) {
    auto item = store_->CreateItem();
    values.push_back(PropertyValue::Number(favorite_id_, favourite ? 1 : 0));
    EXPECT_EQ(item->SetProps(values), PimResult::kOk);
    EXPECT_EQ(item->Save(), PimResult::kOk);
    return item->Oid();
  }

  std::vector<std::unique_ptr<ContactListItem>> BulkReadAll() {
    auto items = store_->GetDefaultFolder(kFolderContacts)->Items();
    PropertyRequestList list(settings_.expressions, favorite_id_);
    std::vector<std::unique_ptr<ContactListItem>> records;
    for (int position = 1; position <= items->Count(); ++position) {
      records.push_back(std::make_unique<ContactListItem>(36));
      EXPECT_TRUE(BulkReadContact(*items, position, list, settings_, *records.back()));
    }
    return records;
  }

  uint32_t favorite_id_ = 0;
  ContactFillSettings settings_;
};

TEST_F(StoreFillTest, BulkReadsFillRecordsInStoreOrder) {
  ObjectId doe =
      Add({PropertyValue::Text(kFileAs, u"Doe, Jane"), PropertyValue::Text(kCompany, u"Acme"),
           PropertyValue::Text(kHome, u"555 0001"), PropertyValue::Text(kMobile, u"555 0002"),
           PropertyValue::Text(kHomeCity, u"Rome")},
          true);
  ObjectId fax =
      Add({PropertyValue::Text(kFileAs, u"Fax Only"), PropertyValue::Text(kHomeFax, u"1")});
  auto records = BulkReadAll();
  ASSERT_EQ(records.size(), 2u);
  const ContactListItem& r = *records[0];
  EXPECT_EQ(r.object_id, doe);
  EXPECT_TRUE(r.shown);
  EXPECT_TRUE(r.favourite);
  EXPECT_EQ(r.display_name, u"Doe, Jane");
  EXPECT_EQ(r.second_line, u"555 0002 (Acme)");
  EXPECT_EQ(r.detail, u"Rome");
  EXPECT_EQ(r.city, u"Rome");
  EXPECT_EQ(r.phones, (std::vector<PhoneEntry>{{u"555 0001", kHome}, {u"555 0002", kMobile}}));
  EXPECT_EQ(records[1]->object_id, fax);
  EXPECT_FALSE(records[1]->shown);
}

TEST_F(StoreFillTest, FullReadUsesTheTableLayoutWithTheFavouriteRow) {
  ObjectId oid =
      Add({PropertyValue::Text(kFirstName, u"Émile"), PropertyValue::Text(kNickname, u"Mimi"),
           PropertyValue::Text(kMobile, u"+33 6")},
          true);
  settings_.expressions.header = u"%nickname (%firstname)";
  auto item = store_->GetItemFromOid(oid);
  ASSERT_TRUE(item);
  ContactListItem r(36);
  ASSERT_TRUE(FullReadContact(*item, favorite_id_, settings_, r));
  EXPECT_EQ(r.object_id, oid);
  EXPECT_TRUE(r.favourite);
  EXPECT_EQ(r.display_name, u"Mimi (Émile)");
  // The request list would not have asked for the nickname; the full read has every field.
  EXPECT_EQ(r.text, u"");
}

TEST_F(StoreFillTest, RowsReportListsEveryContactWithLabels) {
  Add({PropertyValue::Text(kFileAs, u"Doe \"JD\""), PropertyValue::Text(kMobile, u"555")}, true);
  Add({PropertyValue::Text(kFileAs, u"Hidden")});
  RowsReportOptions options;
  options.home = home_.path();
  options.device = device_.path();
  options.json = true;
  std::ostringstream out;
  std::string error;
  ASSERT_TRUE(WriteRowsReport(options, out, error)) << error;
  const std::string json = out.str();
  EXPECT_NE(json.find("\"display_name\":\"Doe \\\"JD\\\"\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"label\":\"Mobile - 555\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"favourite\":true"), std::string::npos);
  EXPECT_NE(json.find("\"shown\":false"), std::string::npos);

  std::ostringstream text;
  options.json = false;
  ASSERT_TRUE(WriteRowsReport(options, text, error)) << error;
  EXPECT_NE(text.str().find("  phone: Mobile - 555\n"), std::string::npos) << text.str();
}

TEST(RowsArguments, AcceptsTheDocumentedOptionsAndRejectsOthers) {
  RowsReportOptions options;
  std::string error;
  ASSERT_TRUE(ParseRowsArguments(
      {"Dark.qbt", "--home", "/h", "--device", "/d", "--orientation", "landscape", "--json"},
      options, error));
  EXPECT_EQ(options.theme, "Dark.qbt");
  EXPECT_EQ(options.home, "/h");
  EXPECT_EQ(options.device, "/d");
  EXPECT_EQ(options.prefix, u"landscape_");
  EXPECT_TRUE(options.json);
  RowsReportOptions other;
  EXPECT_FALSE(ParseRowsArguments({"--orientation", "sideways"}, other, error));
  EXPECT_FALSE(ParseRowsArguments({"--home"}, other, error));
  EXPECT_FALSE(ParseRowsArguments({"a.qbt", "b.qbt"}, other, error));
  EXPECT_FALSE(ParseRowsArguments({"--verbose"}, other, error));
}

}  // namespace
