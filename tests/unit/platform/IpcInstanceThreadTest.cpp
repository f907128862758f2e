// Simultaneous starts: however many race for the endpoint, exactly one becomes the running
// instance and every other one is a second start.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "IpcTestSupport.h"
#include "platform/ipc/InstanceEndpoint.h"

namespace {

using platform::ipc::InstanceEndpoint;

TEST(IpcInstanceThreadTest, SimultaneousStartsLeaveExactlyOnePrimary) {
  ScopedRuntimeDir runtime;
  testing_support::TempDir device;
  constexpr int kStarts = 8;
  std::vector<std::unique_ptr<InstanceEndpoint>> endpoints;
  for (int i = 0; i < kStarts; ++i) {
    endpoints.push_back(std::make_unique<InstanceEndpoint>(u"Class", u"Title", device.path()));
  }
  std::atomic<int> primaries{0};
  std::atomic<int> secondaries{0};
  std::atomic<int> requests{0};
  std::atomic<bool> go{false};
  std::vector<std::thread> threads;
  for (int i = 0; i < kStarts; ++i) {
    threads.emplace_back([&, i] {
      while (!go) std::this_thread::yield();
      auto role = endpoints[static_cast<size_t>(i)]->Start(
          platform::ipc::InstanceRequest{true, {}, false},
          [&](const platform::ipc::InstanceRequest&) { ++requests; });
      if (role == InstanceEndpoint::Role::kPrimary) ++primaries;
      if (role == InstanceEndpoint::Role::kSecondary) ++secondaries;
    });
  }
  go = true;
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(primaries, 1);
  EXPECT_EQ(secondaries, kStarts - 1);
  EXPECT_EQ(requests, kStarts - 1);
  endpoints.clear();
}

}  // namespace
