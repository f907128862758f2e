// The contact editor's model on a real store: every text property of the contact field table
// round-trips through the form, unknown and untouched properties are kept, the file-as name
// follows the name until edited, an empty new contact creates nothing, and a contact deleted
// behind the form's back is not recreated.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Paths.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "platform/pimapps/ContactForm.h"
#include "support/TempDir.h"

using namespace platform::pim;
using platform::pimapps::ContactForm;
using platform::pimapps::FormSaveResult;

namespace {

class PimContactFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    std::string error;
    app_ = PimApplication::Create(&error);
    ASSERT_TRUE(app_) << error;
  }

  std::u16string Stored(ObjectId oid, PropertyId id) {
    std::vector<PropertyValue> values;
    EXPECT_EQ(app_->GetItemFromOid(oid)->GetProps({id}, &values), PimResult::kOk);
    return values.at(0).HasText() ? values[0].text : u"<none>";
  }

  static std::u16string ValueFor(size_t i) {
    return u"v" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u" \u00e9\U0001F600" +
           std::u16string(i % 3, u'x');
  }

  testing_support::TempDir dir_;
  std::unique_ptr<PimApplication> app_;
};

TEST_F(PimContactFormTest, EveryFieldOfTheTableRoundTripsAndOthersAreKept) {
  // Each field of the table (and the note) is either on the form or deliberately absent.
  for (const ContactTextField& field : kContactTextFields) {
    EXPECT_GE(ContactForm::IndexOf(field.id), 0) << field.key;
  }
  const PropertyId extra = 0x0FF0001F;  // a property the form does not know
  auto item = app_->CreateItem();
  ASSERT_EQ(item->SetProps({PropertyValue::Text(extra, u"kept"),
                            PropertyValue::Text(prop::kLastName, u"Zed")}),
            PimResult::kOk);
  ASSERT_EQ(item->Save(), PimResult::kOk);
  const ObjectId oid = item->Oid();

  ContactForm form;
  auto stored = app_->GetItemFromOid(oid);
  ASSERT_TRUE(form.Load(*stored));
  ASSERT_EQ(form.size(), kContactTextFields.size());
  for (size_t i = 0; i < form.size(); ++i) form.SetValue(i, ValueFor(i));
  ASSERT_EQ(form.Save(*stored), FormSaveResult::kSaved);
  for (size_t i = 0; i < form.size(); ++i) {
    EXPECT_EQ(Stored(oid, platform::pimapps::ContactFormFields()[i].id), ValueFor(i)) << i;
  }
  EXPECT_EQ(Stored(oid, extra), u"kept");

  // Reloaded, the form shows what it saved; clearing one field removes only that property.
  ContactForm again;
  ASSERT_TRUE(again.Load(*app_->GetItemFromOid(oid)));
  for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again.Value(i), ValueFor(i));
  const int mobile = ContactForm::IndexOf(prop::kMobilePhone);
  again.SetValue(mobile, u"");
  ASSERT_EQ(again.Save(*app_->GetItemFromOid(oid)), FormSaveResult::kSaved);
  EXPECT_EQ(Stored(oid, prop::kMobilePhone), u"<none>");
  EXPECT_EQ(Stored(oid, prop::kHomePhone), ValueFor(ContactForm::IndexOf(prop::kHomePhone)));
  EXPECT_EQ(Stored(oid, extra), u"kept");
}

TEST_F(PimContactFormTest, UntouchedFieldsAreNotWritten) {
  // Another writer changes the company while the form is open on the contact; saving a new
  // mobile number keeps the other writer's company.
  auto item = app_->CreateItem();
  item->SetProps(
      {PropertyValue::Text(prop::kCompany, u"Old"), PropertyValue::Text(prop::kFirstName, u"Ann")});
  ASSERT_EQ(item->Save(), PimResult::kOk);
  ContactForm form;
  auto editing = app_->GetItemFromOid(item->Oid());
  ASSERT_TRUE(form.Load(*editing));
  auto other = app_->GetItemFromOid(item->Oid());
  other->SetProps({PropertyValue::Text(prop::kCompany, u"New")});
  ASSERT_EQ(other->Save(), PimResult::kOk);
  form.SetValue(ContactForm::IndexOf(prop::kMobilePhone), u"555");
  ASSERT_EQ(form.Save(*editing), FormSaveResult::kSaved);
  EXPECT_EQ(Stored(item->Oid(), prop::kCompany), u"New");
  EXPECT_EQ(Stored(item->Oid(), prop::kMobilePhone), u"555");
}

TEST_F(PimContactFormTest, FileAsFollowsTheNameUntilEdited) {
  struct Case {
    std::u16string first, middle, last, company, file_as;
  };
  for (const Case& c : std::vector<Case>{{u"Ann", u"", u"Lee", u"", u"Lee, Ann"},
                                         {u"Ann", u"Q", u"Lee", u"X", u"Lee, Ann Q"},
                                         {u"Ann", u"", u"", u"X", u"Ann"},
                                         {u"", u"", u"Lee", u"", u"Lee"},
                                         {u"", u"", u"", u"Acme", u"Acme"},
                                         {u"", u"", u"", u"", u""}}) {
    EXPECT_EQ(ContactForm::FileAsFromName(c.first, c.middle, c.last, c.company), c.file_as);
  }
  ContactForm form;
  auto item = app_->CreateItem();
  ASSERT_TRUE(form.Load(*item));
  const int file_as = ContactForm::IndexOf(prop::kFileAs);
  form.SetValue(ContactForm::IndexOf(prop::kFirstName), u"Ann");
  form.SetValue(ContactForm::IndexOf(prop::kLastName), u"Lee");
  EXPECT_EQ(form.Value(file_as), u"Lee, Ann");
  form.SetValue(file_as, u"Boss");
  form.SetValue(ContactForm::IndexOf(prop::kLastName), u"Leigh");
  EXPECT_EQ(form.Value(file_as), u"Boss");
  form.SetValue(file_as, u"");  // cleared: follows the name again
  EXPECT_EQ(form.Value(file_as), u"Leigh, Ann");

  // A stored custom file-as name stays when the name changes.
  auto custom = app_->CreateItem();
  custom->SetProps({PropertyValue::Text(prop::kFirstName, u"Bo"),
                    PropertyValue::Text(prop::kFileAs, u"Plumber")});
  ContactForm kept;
  ASSERT_TRUE(kept.Load(*custom));
  kept.SetValue(ContactForm::IndexOf(prop::kFirstName), u"Bob");
  EXPECT_EQ(kept.Value(file_as), u"Plumber");
}

TEST_F(PimContactFormTest, NewGoneAndPrefilledContacts) {
  ContactForm form;
  auto empty = app_->CreateItem();
  ASSERT_TRUE(form.Load(*empty));
  EXPECT_EQ(form.Save(*empty), FormSaveResult::kNothingToSave);
  EXPECT_EQ(empty->Oid(), 0u);

  // A new item prefilled with a number shows it and saves it.
  auto prefilled = app_->CreateItem();
  prefilled->SetProps({PropertyValue::Text(prop::kMobilePhone, u"+336")});
  ContactForm pre;
  ASSERT_TRUE(pre.Load(*prefilled));
  EXPECT_EQ(pre.Value(ContactForm::IndexOf(prop::kMobilePhone)), u"+336");
  ASSERT_EQ(pre.Save(*prefilled), FormSaveResult::kSaved);
  EXPECT_EQ(Stored(prefilled->Oid(), prop::kMobilePhone), u"+336");

  // Deleted by someone else while the form is open: nothing is saved, nothing recreated.
  auto editing = app_->GetItemFromOid(prefilled->Oid());
  ContactForm gone;
  ASSERT_TRUE(gone.Load(*editing));
  ASSERT_EQ(app_->GetItemFromOid(prefilled->Oid())->Delete(), PimResult::kOk);
  gone.SetValue(ContactForm::IndexOf(prop::kFirstName), u"Zombie");
  EXPECT_EQ(gone.Save(*editing), FormSaveResult::kGone);
  EXPECT_EQ(app_->GetItemFromOid(prefilled->Oid()), nullptr);
  EXPECT_FALSE(gone.Load(*editing));
}

}  // namespace
