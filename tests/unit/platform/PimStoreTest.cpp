// The contact store on a real database in a temporary device profile: items, bulk reads by
// position, object ids, property validation, named properties, pictures and damaged files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Sqlite.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/pim/PimStream.h"
#include "support/TempDir.h"

using namespace platform::pim;
namespace prop = platform::pim::prop;

namespace {

class PimStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    app_ = Open();
    ASSERT_TRUE(app_);
  }

  std::unique_ptr<PimApplication> Open() {
    std::string error;
    auto app = PimApplication::Create(&error);
    EXPECT_TRUE(app) << error;
    return app;
  }

  ObjectId AddContact(PimApplication& app, const std::u16string& first,
                      const std::u16string& mobile = u"") {
    auto item = app.CreateItem();
    EXPECT_EQ(item->SetProps({PropertyValue::Text(prop::kFirstName, first),
                              PropertyValue::Text(prop::kMobilePhone, mobile)}),
              PimResult::kOk);
    EXPECT_EQ(item->Save(), PimResult::kOk);
    return item->Oid();
  }

  // The one value of `id` that `item` holds (unsaved changes included).
  static PropertyValue Value(PimItem& item, PropertyId id) {
    std::vector<PropertyValue> values;
    EXPECT_EQ(item.GetProps({id}, &values), PimResult::kOk);
    return values.empty() ? PropertyValue::NoValue(id) : values[0];
  }

  testing_support::TempDir dir_;
  std::unique_ptr<PimApplication> app_;
};

TEST_F(PimStoreTest, ItemsReadBackInTheOrderAskedWithMissingValuesFlagged) {
  ObjectId oid = AddContact(*app_, u"Zoë", u"+33 6 12");
  ASSERT_NE(oid, 0u);
  auto item = app_->GetItemFromOid(oid);
  ASSERT_TRUE(item);
  std::vector<PropertyValue> values;
  ASSERT_EQ(item->GetProps({prop::kMobilePhone, kPropObjectId, prop::kCompany, prop::kFirstName},
                           &values),
            PimResult::kOk);
  ASSERT_EQ(values.size(), 4u);
  EXPECT_EQ(values[0].id, prop::kMobilePhone);
  EXPECT_EQ(values[0].text, u"+33 6 12");
  EXPECT_EQ(values[0].length, 16);
  EXPECT_TRUE(values[0].HasText());
  EXPECT_EQ(values[1].number, oid);
  EXPECT_EQ(values[2].flags, kFlagNoValue);
  EXPECT_FALSE(values[2].HasText());
  EXPECT_EQ(values[3].text, u"Zoë");
}

TEST_F(PimStoreTest, UnsavedWritesShowOnTheItemAndEmptyTextRemovesAValue) {
  ObjectId oid = AddContact(*app_, u"Ann", u"123");
  auto item = app_->GetItemFromOid(oid);
  ASSERT_EQ(item->SetProps({PropertyValue::Text(prop::kMobilePhone, u"")}), PimResult::kOk);
  EXPECT_FALSE(Value(*item, prop::kMobilePhone).HasValue());
  EXPECT_EQ(Value(*app_->GetItemFromOid(oid), prop::kMobilePhone).text, u"123");  // not saved yet
  ASSERT_EQ(item->Save(), PimResult::kOk);
  EXPECT_FALSE(Value(*app_->GetItemFromOid(oid), prop::kMobilePhone).HasValue());
}

TEST_F(PimStoreTest, InvalidWritesAreRefusedWhole) {
  auto item = app_->CreateItem();
  std::u16string too_long(kMaxTextUnits + 1, u'x');
  EXPECT_EQ(item->SetProps({PropertyValue::Text(prop::kFirstName, u"ok"),
                            PropertyValue::Text(prop::kLastName, too_long)}),
            PimResult::kInvalidArgument);
  EXPECT_EQ(item->SetProps({PropertyValue::Number(kPropObjectId, 7)}), PimResult::kInvalidArgument);
  EXPECT_EQ(item->SetProps({PropertyValue::Number(kPropPicture, 1)}), PimResult::kInvalidArgument);
  EXPECT_EQ(item->SetProps({PropertyValue::Number(0x12340003, int64_t{1} << 40)}),
            PimResult::kInvalidArgument);
  ASSERT_EQ(item->Save(), PimResult::kOk);
  EXPECT_FALSE(Value(*item, prop::kFirstName).HasValue()) << "a refused batch records nothing";
  EXPECT_EQ(item->SetProps({PropertyValue::Text(prop::kLastName, too_long.substr(1))}),
            PimResult::kOk);
}

TEST_F(PimStoreTest, CollectionIsASnapshotInCreationOrder) {
  ObjectId a = AddContact(*app_, u"A");
  ObjectId b = AddContact(*app_, u"B");
  ObjectId c = AddContact(*app_, u"C");
  auto items = app_->GetDefaultFolder(kFolderContacts)->Items();
  ASSERT_EQ(items->Count(), 3);
  EXPECT_EQ(items->OidAt(1), a);
  EXPECT_EQ(items->OidAt(3), c);
  std::vector<PropertyValue> values;
  ASSERT_EQ(items->GetProps(2, {kPropObjectId, prop::kFirstName}, &values), PimResult::kOk);
  EXPECT_EQ(values[0].number, b);
  EXPECT_EQ(values[1].text, u"B");
  EXPECT_EQ(items->GetProps(0, {kPropObjectId}, &values), PimResult::kInvalidArgument);
  EXPECT_EQ(items->GetProps(4, {kPropObjectId}, &values), PimResult::kInvalidArgument);
  ASSERT_EQ(app_->GetItemFromOid(b)->Delete(), PimResult::kOk);
  EXPECT_EQ(items->GetProps(2, {kPropObjectId}, &values), PimResult::kNotFound);
  EXPECT_EQ(items->Item(2), nullptr);
  EXPECT_EQ(app_->GetDefaultFolder(kFolderContacts)->Items()->Count(), 2);
  EXPECT_EQ(app_->GetDefaultFolder(3), nullptr);
}

// A write batch commits its saves at once, undoes a write that failed inside it alone, and
// leaves nothing when it gives up.
TEST_F(PimStoreTest, WriteBatchCommitsTogetherAndGivesUpWhole) {
  auto other = Open();
  const auto count = [](PimApplication& app) {
    return app.GetDefaultFolder(kFolderContacts)->Items()->Count();
  };
  ObjectId a = 0;
  EXPECT_EQ(app_->WriteBatch([&] {
    a = AddContact(*app_, u"A");
    AddContact(*app_, u"B");
    EXPECT_EQ(count(*other), 0);  // not committed yet
    return true;
  }),
            PimResult::kOk);
  EXPECT_EQ(count(*other), 2);
  EXPECT_EQ(app_->WriteBatch([&] {
    AddContact(*app_, u"C");
    return false;
  }),
            PimResult::kStoreError);
  EXPECT_EQ(count(*other), 2);
  EXPECT_EQ(app_->WriteBatch([&] {
    auto gone = app_->GetItemFromOid(a);
    EXPECT_EQ(app_->GetItemFromOid(a)->Delete(), PimResult::kOk);
    EXPECT_EQ(gone->SetProps({PropertyValue::Text(prop::kFirstName, u"A2")}), PimResult::kOk);
    EXPECT_EQ(gone->Save(), PimResult::kNotFound);
    AddContact(*app_, u"D");
    return true;
  }),
            PimResult::kOk);
  EXPECT_EQ(count(*other), 2);  // B and D
}

TEST_F(PimStoreTest, ObjectIdsAreNeverReusedAndSurviveReopening) {
  ObjectId a = AddContact(*app_, u"A");
  ObjectId b = AddContact(*app_, u"B");
  ASSERT_EQ(app_->GetItemFromOid(b)->Delete(), PimResult::kOk);
  ObjectId c = AddContact(*app_, u"C");
  EXPECT_GT(c, b);
  app_.reset();
  auto again = Open();
  EXPECT_EQ(Value(*again->GetItemFromOid(a), prop::kFirstName).text, u"A");
  EXPECT_GT(AddContact(*again, u"D"), c);
}

TEST_F(PimStoreTest, DeletedContactFailsEveryItemOperation) {
  ObjectId oid = AddContact(*app_, u"Gone");
  auto item = app_->GetItemFromOid(oid);
  auto stale = app_->GetItemFromOid(oid);
  ASSERT_EQ(item->Delete(), PimResult::kOk);
  PimResult result = PimResult::kOk;
  EXPECT_EQ(app_->GetItemFromOid(oid, &result), nullptr);
  EXPECT_EQ(result, PimResult::kNotFound);
  std::vector<PropertyValue> values;
  EXPECT_EQ(stale->GetProps({prop::kFirstName}, &values), PimResult::kNotFound);
  stale->SetProps({PropertyValue::Text(prop::kFirstName, u"Back")});
  EXPECT_EQ(stale->Save(), PimResult::kNotFound) << "saving must not resurrect a deleted contact";
  EXPECT_EQ(stale->Delete(), PimResult::kNotFound);
  std::unique_ptr<PimStream> stream;
  EXPECT_EQ(stale->OpenProperty(kPropPicture, kAccessReadWrite, &stream), PimResult::kNotFound);
}

TEST_F(PimStoreTest, FavouriteIsOneNamedBooleanValidOnEveryContact) {
  PropertyId fav = 0;
  ASSERT_EQ(app_->GetIdFromName(kFavoritePropertyName, kFavoriteNamedFlags, &fav), PimResult::kOk);
  EXPECT_EQ(PropertyType(fav), kTypeBoolean);
  ObjectId a = AddContact(*app_, u"A");
  ObjectId b = AddContact(*app_, u"B");
  auto item = app_->GetItemFromOid(b);
  ASSERT_EQ(item->SetProps({PropertyValue::Number(fav, 5)}), PimResult::kOk);
  ASSERT_EQ(item->Save(), PimResult::kOk);
  EXPECT_EQ(Value(*app_->GetItemFromOid(a), fav).flags, kFlagNoValue);
  EXPECT_EQ(Value(*app_->GetItemFromOid(b), fav).number, 1);
  // Same id after reopening; lookups without the create flag; type clashes.
  app_.reset();
  auto reopened = Open();
  PropertyId again = 0;
  ASSERT_EQ(reopened->GetIdFromName(kFavoritePropertyName, kTypeBoolean, &again), PimResult::kOk);
  EXPECT_EQ(again, fav);
  EXPECT_EQ(reopened->GetIdFromName(u"missing", kTypeBoolean, &again), PimResult::kNotFound);
  EXPECT_EQ(
      reopened->GetIdFromName(kFavoritePropertyName, kTypeText | kNamedPropertyCreate, &again),
      PimResult::kInvalidArgument);
  EXPECT_EQ(reopened->GetIdFromName(u"", kFavoriteNamedFlags, &again), PimResult::kInvalidArgument);
  PropertyId other = 0;
  ASSERT_EQ(reopened->GetIdFromName(u"other", kTypeText | kNamedPropertyCreate, &other),
            PimResult::kOk);
  EXPECT_NE(PropertyNumber(other), PropertyNumber(fav));
}

TEST_F(PimStoreTest, PictureStreamsRefuseWritesWhenReadOnlyAndEmptyingRemoves) {
  auto item = app_->GetItemFromOid(AddContact(*app_, u"Pic"));
  std::unique_ptr<PimStream> stream;
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessRead, &stream), PimResult::kOk);
  EXPECT_EQ(stream->Size(), 0u);
  size_t n = 0;
  EXPECT_EQ(stream->Write("x", 1, &n), PimResult::kAccessDenied);
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessReadWrite, &stream), PimResult::kOk);
  ASSERT_EQ(stream->Write("\x89PNG", 4, &n), PimResult::kOk);
  ASSERT_EQ(stream->Commit(), PimResult::kOk);
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessReadWrite, &stream), PimResult::kOk);
  EXPECT_EQ(stream->Size(), 4u);
  ASSERT_EQ(stream->SetSize(0), PimResult::kOk);
  ASSERT_EQ(stream->Commit(), PimResult::kOk);
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessRead, &stream), PimResult::kOk);
  EXPECT_EQ(stream->Size(), 0u);
}

TEST_F(PimStoreTest, PicturesAreCappedAndStreamsBoundTheirPositions) {
  auto item = app_->GetItemFromOid(AddContact(*app_, u"Big"));
  std::unique_ptr<PimStream> stream;
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessReadWrite, &stream), PimResult::kOk);
  EXPECT_EQ(stream->SetSize(kMaxPictureBytes + 1), PimResult::kTooLarge);
  EXPECT_EQ(stream->SetSize(kMaxPictureBytes), PimResult::kOk);
  std::string chunk(16, 'a');
  size_t n = 7;
  ASSERT_EQ(stream->Seek(-8, SeekOrigin::kEnd), PimResult::kOk);
  EXPECT_EQ(stream->Write(chunk.data(), chunk.size(), &n), PimResult::kTooLarge);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(stream->Size(), kMaxPictureBytes);
  EXPECT_EQ(stream->Seek(-1, SeekOrigin::kBegin), PimResult::kInvalidArgument);
  EXPECT_EQ(stream->Seek(INT64_MAX, SeekOrigin::kCurrent), PimResult::kInvalidArgument);
  ASSERT_EQ(stream->Seek(10, SeekOrigin::kEnd), PimResult::kOk);
  EXPECT_EQ(stream->Read(chunk.data(), chunk.size(), &n), PimResult::kOk);
  EXPECT_EQ(n, 0u);
  EXPECT_EQ(stream->Commit(), PimResult::kOk);
  std::unique_ptr<PimStream> other;
  EXPECT_EQ(item->OpenProperty(kPropFolderNotifications, kAccessRead, &other),
            PimResult::kInvalidArgument);
  EXPECT_EQ(app_->CreateItem()->OpenProperty(kPropPicture, kAccessRead, &other),
            PimResult::kNotFound);
}

TEST_F(PimStoreTest, DamagedStoreFileIsReportedByName) {
  testing_support::TempDir other;
  platform::MakeDirectories(other.File("folder.db"));
  for (const std::string& path :
       {other.Write("contacts.db", std::string(4096, '\x5a')), other.File("folder.db")}) {
    std::string error;
    EXPECT_EQ(PimApplication::Open(path, &error), nullptr);
    EXPECT_NE(error.find(path), std::string::npos) << error;
  }
}

TEST_F(PimStoreTest, StoreOfANewerVersionIsRefused) {
  app_.reset();
  ASSERT_TRUE(platform::Database(dir_.path() + "/contacts.db").Exec("PRAGMA user_version = 99"));
  std::string error;
  EXPECT_EQ(PimApplication::Create(&error), nullptr);
  EXPECT_NE(error.find("contacts.db"), std::string::npos) << error;
}

TEST(PimContactFields, KeysMapToTheTextProperties) {
  for (const auto& f : kContactTextFields) EXPECT_EQ(PropertyType(f.id), kTypeText) << f.key;
  EXPECT_EQ(FindContactField("name"), prop::kLastName);
  EXPECT_EQ(FindContactField("LastName"), prop::kLastName);
  EXPECT_EQ(FindContactField("other_address_country"), 0x00E5001Fu);
  EXPECT_EQ(FindContactField("%firstname"), 0u);
  EXPECT_EQ(ContactFieldKey(prop::kCategories), "categories");
}

}  // namespace
