// Contact pictures in the list: read only for rows painted or about to be, and held for a
// bounded number of rows however far the list is scrolled.
#include <gtest/gtest.h>

#include "platform/Surface.h"
#include "platform/pim/PimStream.h"
#include "unit/contacts/ContactListFixture.h"

namespace {

class ContactPictureTest : public ContactListFixture {
 protected:
  void AddPicture(uint32_t oid, const std::string& png) {
    auto item = store_->GetItemFromOid(oid);
    ASSERT_TRUE(item);
    std::unique_ptr<platform::pim::PimStream> stream;
    ASSERT_EQ(
        item->OpenProperty(platform::pim::kPropPicture, platform::pim::kAccessReadWrite, &stream),
        platform::pim::PimResult::kOk);
    size_t written = 0;
    ASSERT_EQ(stream->Write(png.data(), png.size(), &written), platform::pim::PimResult::kOk);
    ASSERT_EQ(stream->Commit(), platform::pim::PimResult::kOk);
  }
  size_t RowsWithPicture(ContactSmartListControl& list) {
    std::lock_guard lock(list.ListLock());
    size_t count = 0;
    for (IListItem* row : list.MasterItems()) {
      auto* contact = dynamic_cast<ContactListItem*>(row);
      count += contact && contact->picture;
    }
    return count;
  }
};

TEST_F(ContactPictureTest, OnlyRowsNearTheViewHoldPicturesAndTheirNumberIsBounded) {
  platform::Surface picture(12, 12);
  picture.FillRect(RECT{0, 0, 12, 12}, RGB(200, 30, 30));
  ASSERT_TRUE(picture.WritePng(home_.File("p.png")));
  const std::string png = testing_support::ReadAll(home_.File("p.png"));
  for (int i = 0; i < 400; ++i) {
    const uint32_t oid = Add(u"Person " + std::u16string(1, u'A' + i % 26) + u" " +
                             std::u16string(1, u'a' + i / 26));
    if (i % 2 == 0) AddPicture(oid, png);
  }
  auto list = MakeList();
  FullLoad(*list);
  EXPECT_EQ(RowsWithPicture(*list), 0u);  // nothing decoded before the list is painted

  platform::Surface screen(240, 320);
  list->Paint(screen, 0, 0, 240, 320);
  const size_t first = RowsWithPicture(*list);
  EXPECT_GT(first, 0u);
  EXPECT_LT(first, 40u);

  size_t most = 0;
  for (int32_t offset = 0; offset < list->MaxScrollOffset(); offset += 200) {
    list->SetScrollOffset(offset);
    list->Paint(screen, 0, 0, 240, 320);
    most = std::max(most, RowsWithPicture(*list));
    ASSERT_LE(list->PictureCount(), ContactSmartListControl::kMaxPictures);
  }
  EXPECT_EQ(most, RowsWithPicture(*list));
  EXPECT_LE(most, ContactSmartListControl::kMaxPictures + 1);
  EXPECT_GE(most, ContactSmartListControl::kMaxPictures - 40);
}

}  // namespace
