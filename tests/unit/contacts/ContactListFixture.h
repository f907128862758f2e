// A contact list over a real contact store in a temporary device profile, for the loader,
// notification and typing tests: helpers to add and delete contacts, to run a load phase by
// phase, and to read the rows back as text.
#pragma once

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/Paths.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "support/TempDir.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

class ContactListFixture : public testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(device_.path());
    platform::SetProgramDir(home_.path());
    std::string error;
    store_ = platform::pim::PimApplication::Create(&error);
    ASSERT_TRUE(store_) << error;
    saved_separator_height_ = theme::Settings().separator_item_height;
    saved_hide_ = theme::Settings().hide_contact_without_phone;
  }

  void TearDown() override {
    theme::Settings().separator_item_height = saved_separator_height_;
    theme::Settings().hide_contact_without_phone = saved_hide_;
  }

  // A contact filed as `file_as` with a mobile number (none when `phone` is empty).
  uint32_t Add(const std::u16string& file_as, const std::u16string& phone = u"+3312345") {
    using platform::pim::PropertyValue;
    auto item = store_->CreateItem();
    std::vector<PropertyValue> values{PropertyValue::Text(platform::pim::prop::kFileAs, file_as)};
    if (!phone.empty()) {
      values.push_back(PropertyValue::Text(platform::pim::prop::kMobilePhone, phone));
    }
    EXPECT_EQ(item->SetProps(values), platform::pim::PimResult::kOk);
    EXPECT_EQ(item->Save(), platform::pim::PimResult::kOk);
    return item->Oid();
  }
  void Rename(uint32_t oid, const std::u16string& file_as) {
    auto item = store_->GetItemFromOid(oid);
    ASSERT_TRUE(item);
    item->SetProps({platform::pim::PropertyValue::Text(platform::pim::prop::kFileAs, file_as)});
    ASSERT_EQ(item->Save(), platform::pim::PimResult::kOk);
  }
  void Delete(uint32_t oid) {
    auto item = store_->GetItemFromOid(oid);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->Delete(), platform::pim::PimResult::kOk);
  }

  std::unique_ptr<ContactSmartListControl> MakeList() {
    auto list = std::make_unique<ContactSmartListControl>(nullptr, RECT{16, 0, 240, 280});
    list->SetStore(store_.get());
    return list;
  }

  // Starts the load and returns once the cache phase is over (the store phase waits for
  // NotifyLayoutReady).
  void LoadCachePhase(ContactSmartListControl& list) {
    auto cache_done = std::make_shared<std::promise<void>>();
    auto recounts = std::make_shared<int>(0);
    list.SetSmsRecount([cache_done, recounts](ContactSmartListControl&) {
      if ((*recounts)++ == 0) cache_done->set_value();
    });
    auto done = cache_done->get_future();
    list.StartLoading();
    // A load without a cache file recounts only at the end: the store phase still waits.
    done.wait_for(std::chrono::milliseconds(300));
  }
  void FullLoad(ContactSmartListControl& list) {
    list.StartLoading();
    list.NotifyLayoutReady();
    list.WaitForLoading();
  }

  // Every row of a sequence as text: contacts by display name ("+" in front when
  // unconfirmed), separators as "[caption]" (height 0 rows as "[caption]0").
  static std::vector<std::u16string> Rows(const std::vector<IListItem*>& rows) {
    std::vector<std::u16string> texts;
    for (const IListItem* row : rows) {
      if (const auto* contact = dynamic_cast<const ContactListItem*>(row)) {
        texts.push_back((contact->shown ? u"" : u"+") + contact->display_name);
      } else if (const auto* separator = dynamic_cast<const SeparatorItem*>(row)) {
        texts.push_back(u"[" + separator->caption + u"]" + (row->height == 0 ? u"0" : u""));
      }
    }
    return texts;
  }
  static std::vector<std::u16string> Contacts(ContactSmartListControl& list) {
    std::vector<std::u16string> texts;
    std::lock_guard lock(list.ListLock());
    for (const IListItem* row : list.MasterItems()) {
      const auto* contact = dynamic_cast<const ContactListItem*>(row);
      if (contact && contact->object_id != ContactListItem::kNoObjectId) {
        texts.push_back(contact->display_name);
      }
    }
    return texts;
  }

  testing_support::TempDir device_;
  testing_support::TempDir home_;
  std::unique_ptr<platform::pim::PimApplication> store_;
  int32_t saved_separator_height_ = 0;
  bool saved_hide_ = true;
};
