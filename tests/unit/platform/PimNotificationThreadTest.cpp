// Change notifications of the contact store: local ones on the writing thread, remote ones from
// the watcher when another session or another process changed the store, and concurrent use of
// one application object from several threads.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Messages.h"
#include "platform/Paths.h"
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

struct Received {
  uint32_t message;
  uint32_t oid;
  bool operator==(const Received&) const = default;
};

// Collects notifications from any thread.
class Recorder {
 public:
  NotificationSink Sink() {
    return [this](uint32_t message, uint32_t oid) {
      std::lock_guard lock(mutex_);
      got_.push_back({message, oid});
    };
  }
  std::vector<Received> Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(got_, {});
  }
  // Waits (bounded) until `count` notifications arrived; returns what arrived.
  std::vector<Received> WaitFor(size_t count) {
    for (int i = 0; i < 1000; ++i) {
      {
        std::lock_guard lock(mutex_);
        if (got_.size() >= count) break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Take();
  }

 private:
  std::mutex mutex_;
  std::vector<Received> got_;
};

std::unique_ptr<PimApplication> OpenStore() {
  std::string error;
  auto app = PimApplication::Create(&error);
  EXPECT_TRUE(app) << error;
  return app;
}

void EnableNotifications(PimApplication& app, uint32_t mask) {
  ASSERT_EQ(app.GetDefaultFolder(kFolderContacts)
                ->SetProps({PropertyValue::Number(kPropFolderNotifications, mask)}),
            PimResult::kOk);
}

ObjectId Add(PimApplication& app, const std::u16string& name) {
  auto item = app.CreateItem();
  item->SetProps({PropertyValue::Text(prop::kFirstName, name)});
  EXPECT_EQ(item->Save(), PimResult::kOk);
  return item->Oid();
}

class PimNotificationTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetDeviceDir(dir_.path()); }
  testing_support::TempDir dir_;
  Recorder recorder_;
};

TEST_F(PimNotificationTest, LocalChangesAreReportedOnlyOnceTurnedOn) {
  auto app = OpenStore();
  ASSERT_EQ(app->Logon(recorder_.Sink()), PimResult::kOk);
  ObjectId quiet = Add(*app, u"Quiet");
  EXPECT_TRUE(recorder_.Take().empty());

  EnableNotifications(*app, kNotifyLocal | kNotifyRemote);
  ObjectId oid = Add(*app, u"Ann");
  auto item = app->GetItemFromOid(oid);
  item->SetProps({PropertyValue::Text(prop::kLastName, u"Lee")});
  ASSERT_EQ(item->Save(), PimResult::kOk);
  std::unique_ptr<PimStream> stream;
  ASSERT_EQ(item->OpenProperty(kPropPicture, kAccessReadWrite, &stream), PimResult::kOk);
  stream->Write("\xFF\xD8\xFF", 3, nullptr);
  ASSERT_EQ(stream->Commit(), PimResult::kOk);
  ASSERT_EQ(app->GetItemFromOid(quiet)->Delete(), PimResult::kOk);
  std::vector<Received> expected = {{PIM_ITEM_CREATED_LOCAL, oid},
                                    {PIM_ITEM_CHANGED_LOCAL, oid},
                                    {PIM_ITEM_CHANGED_LOCAL, oid},
                                    {PIM_ITEM_DELETED_LOCAL, quiet}};
  EXPECT_EQ(recorder_.Take(), expected);
  // Own changes never come back as remote ones.
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_TRUE(recorder_.Take().empty());
}

TEST_F(PimNotificationTest, ChangesOfAnotherSessionArriveAsRemote) {
  auto app = OpenStore();
  auto other = OpenStore();
  ASSERT_EQ(app->Logon(recorder_.Sink()), PimResult::kOk);
  EnableNotifications(*app, kNotifyLocal | kNotifyRemote);

  ObjectId oid = Add(*other, u"Remote");
  auto item = other->GetItemFromOid(oid);
  item->SetProps({PropertyValue::Text(prop::kMobilePhone, u"555")});
  ASSERT_EQ(item->Save(), PimResult::kOk);
  ASSERT_EQ(item->Delete(), PimResult::kOk);
  std::vector<Received> expected = {{PIM_ITEM_CREATED_REMOTE, oid},
                                    {PIM_ITEM_CHANGED_REMOTE, oid},
                                    {PIM_ITEM_DELETED_REMOTE, oid}};
  EXPECT_EQ(recorder_.WaitFor(3), expected);

  // Local only: remote changes stay silent.
  EnableNotifications(*app, kNotifyLocal);
  Add(*other, u"Silent");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_TRUE(recorder_.Take().empty());

  // After logoff nothing arrives.
  EnableNotifications(*app, kNotifyLocal | kNotifyRemote);
  app->Logoff();  // joins the watcher: nothing is delivered after it returns
  recorder_.Take();
  Add(*other, u"After");
  Add(*app, u"AfterLocal");
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_TRUE(recorder_.Take().empty());
}

TEST_F(PimNotificationTest, ChangesOfAnotherProcessArriveAsRemote) {
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char byte = 0;
    ::close(go[1]);
    if (::read(go[0], &byte, 1) != 1) ::_exit(2);
    std::string error;
    auto app = PimApplication::Create(&error);
    if (!app) ::_exit(3);
    auto item = app->CreateItem();
    item->SetProps({PropertyValue::Text(prop::kFirstName, u"Child")});
    ::_exit(item->Save() == PimResult::kOk && item->Oid() == 1 ? 0 : 4);
  }
  ::close(go[0]);
  auto app = OpenStore();
  ASSERT_EQ(app->Logon(recorder_.Sink()), PimResult::kOk);
  EnableNotifications(*app, kNotifyLocal | kNotifyRemote);
  ASSERT_EQ(::write(go[1], "g", 1), 1);
  ::close(go[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  std::vector<Received> expected = {{PIM_ITEM_CREATED_REMOTE, 1}};
  EXPECT_EQ(recorder_.WaitFor(1), expected);
}

// One application object read by position on one thread while another thread of it and a
// second application object write: every read sees the seeded contacts, and every change
// is reported once.
TEST_F(PimNotificationTest, OneApplicationServesSeveralThreads) {
  auto app = OpenStore();
  ASSERT_EQ(app->Logon(recorder_.Sink()), PimResult::kOk);
  EnableNotifications(*app, kNotifyLocal | kNotifyRemote);
  for (int i = 0; i < 50; ++i) Add(*app, u"Seed");
  recorder_.Take();

  auto other = OpenStore();
  std::atomic<int> read_failures{0};
  // The collection is taken before the writers start: its positions are the 50 seeded
  // contacts, whatever the other threads add meanwhile.
  auto items = app->GetDefaultFolder(kFolderContacts)->Items();
  const int seeded = items->Count();
  ASSERT_EQ(seeded, 50);
  std::thread reader([&] {
    std::vector<PropertyValue> values;
    for (int round = 0; round < 5; ++round) {
      for (int i = 1; i <= seeded; ++i) {
        if (items->GetProps(i, {kPropObjectId, prop::kFirstName}, &values) != PimResult::kOk ||
            values[1].text != u"Seed") {
          ++read_failures;
        }
      }
    }
  });
  std::thread writer([&] {
    for (int i = 0; i < 20; ++i) Add(*app, u"Local");
  });
  std::thread remote([&] {
    for (int i = 0; i < 20; ++i) Add(*other, u"Remote");
  });
  reader.join();
  writer.join();
  remote.join();
  EXPECT_EQ(read_failures.load(), 0);
  std::vector<Received> got = recorder_.WaitFor(40);
  EXPECT_EQ(got.size(), 40u);
  EXPECT_EQ(app->GetDefaultFolder(kFolderContacts)->Items()->Count(), 90);
}

}  // namespace
