// Shared set-up of the message-store wrapper tests: a fresh device profile in a temporary
// folder, a captured debug trace, and helpers that file SMS through the wrappers.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "mapi/MAPITrace.h"
#include "platform/Paths.h"
#include "platform/msgstore/FaultInjection.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/Session.h"
#include "support/TempDir.h"

class MapiTestStore : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    mapi::SetTraceSinkForTesting([this](std::string_view text) { trace_ += text; });
    ASSERT_TRUE(session_->Logon());
    store_ = session_->OpenMsgStore(u"SMS");
    ASSERT_NE(store_, nullptr);
  }
  void TearDown() override {
    mapi::SetTraceSinkForTesting(nullptr);
    platform::msgstore::faults::Reset();
  }

  std::unique_ptr<CMAPIFolder> Folder(SpecialFolder which) {
    auto folder = store_->GetMessageFolder(which);
    EXPECT_NE(folder, nullptr);
    return folder;
  }

  // Files an SMS in the folder through the wrappers; flags as given (none when absent).
  CMAPIEntry FileSms(CMAPIFolder& folder, const std::u16string& text, std::optional<uint32_t> flags,
                     FileTime time = 0, const std::u16string& sender = u"") {
    auto message = folder.CreateMessage();
    EXPECT_NE(message, nullptr);
    EXPECT_TRUE(message->SetSubject(text));
    EXPECT_TRUE(time == 0 || message->SetDeliveryTime(time));  // no time: none written
    std::vector<platform::msgstore::PropValue> values;
    if (flags) values.push_back(platform::msgstore::PropValue::Long(PR_MESSAGE_FLAGS, *flags));
    if (!sender.empty()) {
      values.push_back(platform::msgstore::PropValue::String(PR_SENDER_EMAIL_ADDRESS, sender));
    }
    EXPECT_TRUE(SetRaw(*message, values));
    EXPECT_TRUE(message->Save());
    return message->GetEntryID();
  }

  // Writes values the wrappers have no setter for (as the platform's SMS transport does). The
  // wrapper keeps its message private, so the message is saved and reopened through the
  // platform by entry id; values for a new message are therefore written right before Save.
  static bool SetRaw(CMAPIMessage& message, const std::vector<platform::msgstore::PropValue>& v) {
    namespace ms = platform::msgstore;
    if (v.empty()) return true;
    if (!message.Save()) return false;
    std::unique_ptr<ms::Session> session;
    std::unique_ptr<ms::Message> raw;
    return !ms::Failed(ms::Session::Logon(session)) &&
           !ms::Failed(session->OpenEntry(message.GetEntryID().entry_id, 0, raw)) &&
           !ms::Failed(raw->SetProps(v));
  }

  testing_support::TempDir dir_;
  std::string trace_;
  std::unique_ptr<CMAPISession> session_ = std::make_unique<CMAPISession>();
  std::unique_ptr<CMAPIMsgStore> store_;
};
