// The single-instance endpoint and named shared memory.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
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
  ScopedRuntimeDir runtime_;
  testing_support::TempDir device_;
};

TEST_F(IpcInstanceEndpointTest, LaterStartsReachTheFirst) {
  std::mutex mutex;
  std::vector<InstanceRequest> received;
  InstanceEndpoint first(u"Class", u"Title", device_.path());
  ASSERT_EQ(first.Start({},
                        [&](const InstanceRequest& r) {
                          std::lock_guard lock(mutex);
                          received.push_back(r);
                        }),
            Role::kPrimary);
  InstanceEndpoint second(u"Class", u"Title", device_.path());
  EXPECT_EQ(second.Start(InstanceRequest{true, "QuillbookNewSMS", false}, nullptr),
            Role::kSecondary);
  InstanceEndpoint third(u"Class", u"Title", device_.path());
  EXPECT_EQ(third.Start(InstanceRequest{false, "", true}, nullptr), Role::kSecondary);
  std::lock_guard lock(mutex);
  ASSERT_EQ(received.size(), 2u);  // each answered only after the handler ran
  EXPECT_TRUE(received[0].bring_forward);
  EXPECT_EQ(received[0].post_message, "QuillbookNewSMS");
  EXPECT_FALSE(received[0].close);
  EXPECT_TRUE(received[1].close);
}

TEST_F(IpcInstanceEndpointTest, SendReachesARunningInstanceAndNeverBecomesOne) {
  InstanceEndpoint helper(u"Class", u"Title", device_.path());
  InstanceRequest request;
  request.post_message = "QuillbookNewSMS";
  EXPECT_FALSE(helper.Send(request));  // nobody runs: no listener is left behind either
  InstanceEndpoint first(u"Class", u"Title", device_.path());
  std::mutex mutex;
  std::string posted;
  ASSERT_EQ(first.Start({},
                        [&](const InstanceRequest& r) {
                          std::lock_guard lock(mutex);
                          posted = r.post_message;
                        }),
            Role::kPrimary);
  EXPECT_TRUE(helper.Send(request));
  std::lock_guard lock(mutex);
  EXPECT_EQ(posted, "QuillbookNewSMS");  // handled before the answer came back
}

TEST_F(IpcInstanceEndpointTest, EachDeviceProfileHasItsOwnEndpoint) {
  testing_support::TempDir other_device;
  InstanceEndpoint first(u"Class", u"Title", device_.path());
  InstanceEndpoint second(u"Class", u"Title", other_device.path());
  InstanceEndpoint respelled(u"Class", u"Title", device_.path() + "/./");
  EXPECT_NE(first.SocketPath(), second.SocketPath());
  EXPECT_EQ(first.SocketPath(), respelled.SocketPath());
  EXPECT_EQ(first.Start({}, nullptr), Role::kPrimary);
  EXPECT_EQ(second.Start({}, nullptr), Role::kPrimary);
}

TEST_F(IpcInstanceEndpointTest, StaleSocketIsTakenOver) {
  InstanceEndpoint endpoint(u"Class", u"Title", device_.path());
  {
    // A socket file whose listener is gone, as a killed process leaves it.
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, endpoint.SocketPath().c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
  }
  ASSERT_EQ(::access(endpoint.SocketPath().c_str(), F_OK), 0);
  EXPECT_EQ(endpoint.Start({}, nullptr), Role::kPrimary);
  InstanceEndpoint later(u"Class", u"Title", device_.path());
  EXPECT_EQ(later.Start({}, nullptr), Role::kSecondary);
}

TEST_F(IpcInstanceEndpointTest, EndingThePrimaryFreesTheName) {
  {
    InstanceEndpoint first(u"Class", u"Title", device_.path());
    ASSERT_EQ(first.Start({}, nullptr), Role::kPrimary);
  }
  InstanceEndpoint next(u"Class", u"Title", device_.path());
  EXPECT_EQ(next.Start({}, nullptr), Role::kPrimary);
}

TEST_F(IpcInstanceEndpointTest, HostileRequestsAreIgnored) {
  EXPECT_FALSE(platform::ipc::ParseInstanceRequest("FOREGROUND").bring_forward);  // no newline
  EXPECT_TRUE(platform::ipc::ParseInstanceRequest("junk\nFOREGROUND\n").bring_forward);
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("POST a b\n").post_message, "");
  EXPECT_EQ(platform::ipc::ParseInstanceRequest("POST \x01\n").post_message, "");
  EXPECT_EQ(
      platform::ipc::ParseInstanceRequest("POST " + std::string(256, 'x') + "\n").post_message, "");
  std::string flood(5000, 'A');
  flood += "\nFOREGROUND\n";  // beyond the 1 KiB limit
  EXPECT_FALSE(platform::ipc::ParseInstanceRequest(flood).bring_forward);
}

TEST_F(IpcInstanceEndpointTest, TooLongSocketPathRunsWithoutTheRule) {
  ScopedRuntimeDir outer;
  const std::string deep = outer.path() + "/" + std::string(120, 'd');
  setenv("XDG_RUNTIME_DIR", deep.c_str(), 1);
  InstanceEndpoint endpoint(u"Class", u"Title", device_.path());
  EXPECT_EQ(endpoint.Start({}, nullptr), Role::kUnavailable);
}

TEST(IpcSharedMemoryTest, CreateOpenShareBytesAndUnlink) {
  testing_support::TempDir device;
  platform::SetDeviceDir(device.path());
  using platform::ipc::SharedMemory;
  auto created = SharedMemory::Create("SmsBuffer", 4096);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(created->Size(), 4096u);
  std::memcpy(created->Data(), "hello", 6);
  auto opened = SharedMemory::Open("SmsBuffer");
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(opened->Size(), 4096u);
  EXPECT_STREQ(static_cast<const char*>(opened->Data()), "hello");
  EXPECT_TRUE(SharedMemory::Unlink("SmsBuffer"));
  EXPECT_EQ(SharedMemory::Open("SmsBuffer"), nullptr);
  EXPECT_FALSE(SharedMemory::Unlink("SmsBuffer"));
}

TEST(IpcSharedMemoryTest, NamesAreScopedAndChecked) {
  testing_support::TempDir a;
  testing_support::TempDir b;
  using platform::ipc::SharedMemory;
  platform::SetDeviceDir(a.path());
  const std::string in_a = SharedMemory::ScopedName("SmsBuffer");
  platform::SetDeviceDir(b.path());
  EXPECT_NE(SharedMemory::ScopedName("SmsBuffer"), in_a);
  EXPECT_EQ(SharedMemory::ScopedName("../etc"), "");
  EXPECT_EQ(SharedMemory::ScopedName(""), "");
  EXPECT_EQ(SharedMemory::Create("ok", 0), nullptr);
  EXPECT_EQ(SharedMemory::Create("ok", platform::ipc::kMaxSharedMemoryBytes + 1), nullptr);
}

}  // namespace
