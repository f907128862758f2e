// The single-instance endpoint and named shared memory.
#include <gtest/gtest.h>

#include <mutex>

#include "IpcTestSupport.h"
#include "platform/Paths.h"
#include "platform/ipc/InstanceEndpoint.h"
#include "platform/ipc/SharedMemory.h"

namespace {

using platform::ipc::InstanceEndpoint;
using platform::ipc::InstanceRequest;
using Role = InstanceEndpoint::Role;

class IpcInstanceEndpointTest : public ::testing::Test {
 protected:
  // Starts `endpoint` as the primary, recording each request it handles.
  void StartPrimary(InstanceEndpoint& endpoint) {
    ASSERT_EQ(endpoint.Start({},
                             [this](const InstanceRequest& r) {
                               std::lock_guard lock(mutex_);
                               received_.push_back(r);
                             }),
              Role::kPrimary);
  }

  ScopedRuntimeDir runtime_;
  testing_support::TempDir device_;
  std::mutex mutex_;
  std::vector<InstanceRequest> received_;
};

TEST_F(IpcInstanceEndpointTest, LaterStartsAndSendsReachTheFirst) {
  InstanceEndpoint helper(u"Class", u"Title", device_.path());
  InstanceRequest request;
  request.close = true;
  EXPECT_FALSE(helper.Send(request));  // nobody runs: no listener is left behind either
  InstanceEndpoint first(u"Class", u"Title", device_.path());
  StartPrimary(first);
  InstanceEndpoint second(u"Class", u"Title", device_.path());
  EXPECT_EQ(second.Start(InstanceRequest{true, "QuillbookNewSMS", false}, nullptr),
            Role::kSecondary);
  EXPECT_TRUE(helper.Send(request));
  std::lock_guard lock(mutex_);
  ASSERT_EQ(received_.size(), 2u);  // each answered only after the handler ran
  EXPECT_TRUE(received_[0].bring_forward);
  EXPECT_EQ(received_[0].post_message, "QuillbookNewSMS");
  EXPECT_FALSE(received_[0].close);
  EXPECT_TRUE(received_[1].close);
}

TEST_F(IpcInstanceEndpointTest, ARespelledDeviceProfileSharesItsEndpoint) {
  InstanceEndpoint first(u"Class", u"Title", device_.path());
  InstanceEndpoint respelled(u"Class", u"Title", device_.path() + "/./");
  EXPECT_EQ(first.SocketPath(), respelled.SocketPath());
}

TEST_F(IpcInstanceEndpointTest, HostileRequestsAreIgnored) {
  EXPECT_FALSE(platform::ipc::ParseInstanceRequest("FOREGROUND").bring_forward);  // no newline
  EXPECT_TRUE(platform::ipc::ParseInstanceRequest("junk\nFOREGROUND\n").bring_forward);
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("POST a b\n").post_message, "");
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("POST \x01\n").post_message, "");
  EXPECT_EQ(
      platform::ipc::ParseInstanceRequest("POST " + std::string(256, 'x') + "\n").post_message, "");
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("OPEN sms:1?body=a%20b\n").uri, "sms:1?body=a%20b");
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("OPEN sms:1 b\n").uri, "");
  const std::string longest(platform::ipc::kMaxUriBytes, 'u');
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("OPEN " + longest + "\n").uri, longest);
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("OPEN " + longest + "u\n").uri, "");
  std::string flood(10000, 'A');
  flood += "\nFOREGROUND\n";  // beyond the 9 KiB limit
  EXPECT_FALSE(platform::ipc::ParseInstanceRequest(flood).bring_forward);
}

TEST_F(IpcInstanceEndpointTest, TooLongSocketPathRunsWithoutTheRule) {
  ScopedRuntimeDir outer;
  const std::string deep = outer.path() + "/" + std::string(120, 'd');
  setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
  InstanceEndpoint endpoint(u"Class", u"Title", device_.path());
  EXPECT_EQ(endpoint.Start({}, nullptr), Role::kUnavailable);
}

TEST(IpcSharedMemoryTest, CreateOpenUnlinkAndScopedCheckedNames) {
  testing_support::TempDir a;
  testing_support::TempDir b;
  using platform::ipc::SharedMemory;
  platform::SetDeviceDir(a.path());
  auto created = SharedMemory::Create("SmsBuffer", 4096);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Size(), 4096u);
  ASSERT_NE(SharedMemory::Open("SmsBuffer"), nullptr);
  EXPECT_TRUE(SharedMemory::Unlink("SmsBuffer"));
  EXPECT_FALSE(SharedMemory::Unlink("SmsBuffer"));
  const std::string in_a = SharedMemory::ScopedName("SmsBuffer");
  platform::SetDeviceDir(b.path());
  EXPECT_NE(SharedMemory::ScopedName("SmsBuffer"), in_a);
  EXPECT_EQ(SharedMemory::ScopedName("../etc"), "");
  EXPECT_EQ(SharedMemory::ScopedName(""), "");
  EXPECT_EQ(SharedMemory::Create("ok", 0), nullptr);
  EXPECT_EQ(SharedMemory::Create("ok", platform::ipc::kMaxSharedMemoryBytes + 1), nullptr);
}

}  // namespace
