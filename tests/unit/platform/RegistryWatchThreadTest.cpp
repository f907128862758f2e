// Change notification: callbacks run on the watcher thread when a watched value changes,
// whichever connection (or process) wrote it, and unwatching is safe at any moment.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform;
using testing_support::TempDir;
using namespace std::chrono_literals;

namespace {

constexpr auto kTimeout = 5s;

// Counts callbacks and lets the test wait for a given count.
class Counter {
 public:
  void Hit() {
    std::lock_guard lock(mutex_);
    ++count_;
    changed_.notify_all();
  }
  bool WaitFor(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, kTimeout, [&] { return count_ >= count; });
  }
  int count() {
    std::lock_guard lock(mutex_);
    return count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int count_ = 0;
};

bool SetDword(Registry& reg, std::u16string_view key, std::u16string_view name, uint32_t v) {
  return reg.SetValue(HKEY_CURRENT_USER, key, name, REG_DWORD, &v, sizeof v) == ERROR_SUCCESS;
}

constexpr std::u16string_view kUnreadKey = u"System\\State\\Messages\\SMS\\Unread";

}  // namespace

TEST(RegistryWatchThread, FiresForChangesFromAnotherConnection) {
  TempDir dir;
  Registry watched(dir.File("registry.db"));
  Registry writer(dir.File("registry.db"));  // stands for another process
  Counter counter;
  auto watch = watched.Watch(HKEY_CURRENT_USER, kUnreadKey, u"Count", [&] { counter.Hit(); });
  ASSERT_NE(watch, nullptr);
  ASSERT_TRUE(SetDword(writer, kUnreadKey, u"Count", 1));  // appears (key created too)
  ASSERT_TRUE(counter.WaitFor(1));
  ASSERT_TRUE(SetDword(writer, u"\\system\\state\\messages\\sms\\UNREAD", u"count", 2));
  ASSERT_TRUE(counter.WaitFor(2));
  ASSERT_EQ(writer.DeleteKey(HKEY_CURRENT_USER, u"System\\State"), ERROR_SUCCESS);  // vanishes
  ASSERT_TRUE(counter.WaitFor(3));
}

TEST(RegistryWatchThread, IgnoresOtherValuesAndUnchangedRewrites) {
  TempDir dir;
  Registry reg(dir.File("registry.db"));
  ASSERT_TRUE(SetDword(reg, kUnreadKey, u"Count", 5));
  Counter counter;
  auto watch = reg.Watch(HKEY_CURRENT_USER, kUnreadKey, u"Count", [&] { counter.Hit(); });
  Counter marker;
  auto other = reg.Watch(HKEY_CURRENT_USER, kUnreadKey, u"Other", [&] { marker.Hit(); });
  ASSERT_TRUE(SetDword(reg, kUnreadKey, u"Count", 5));  // same contents
  ASSERT_TRUE(SetDword(reg, kUnreadKey, u"Other", 1));
  ASSERT_TRUE(marker.WaitFor(1));
  // The watcher checks values in one pass, so "Count" has been looked at by now.
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(counter.count(), 0);
  // A type change with the same bytes is a change.
  uint32_t five = 5;
  ASSERT_EQ(reg.SetValue(HKEY_CURRENT_USER, kUnreadKey, u"Count", REG_BINARY, &five, 4),
            ERROR_SUCCESS);
  ASSERT_TRUE(counter.WaitFor(1));
}

TEST(RegistryWatchThread, UnwatchWhileTheCallbackRunsWaitsForIt) {
  TempDir dir;
  Registry reg(dir.File("registry.db"));
  std::atomic<bool> in_callback{false};
  std::atomic<bool> release{false};
  std::atomic<bool> finished{false};
  int touched = 0;  // written by the callback, read after unwatching: no race if we wait
  auto watch = reg.Watch(HKEY_CURRENT_USER, u"K", u"V", [&] {
    in_callback = true;
    while (!release) std::this_thread::sleep_for(1ms);
    ++touched;
    finished = true;
  });
  ASSERT_TRUE(SetDword(reg, u"K", u"V", 1));
  auto deadline = std::chrono::steady_clock::now() + kTimeout;
  while (!in_callback && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(1ms);
  }
  ASSERT_TRUE(in_callback);
  std::thread releaser([&] {
    std::this_thread::sleep_for(50ms);
    release = true;
  });
  watch.reset();  // blocks until the callback returned
  EXPECT_TRUE(finished);
  EXPECT_EQ(touched, 1);
  releaser.join();
  // No callback after unwatching.
  ASSERT_TRUE(SetDword(reg, u"K", u"V", 2));
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(touched, 1);
}

TEST(RegistryWatchThread, UnwatchFromInsideTheCallback) {
  TempDir dir;
  Registry reg(dir.File("registry.db"));
  Counter counter;
  std::unique_ptr<RegistryWatch> watch;
  std::mutex watch_mutex;
  {
    std::lock_guard lock(watch_mutex);
    watch = reg.Watch(HKEY_CURRENT_USER, u"K", u"V", [&] {
      std::lock_guard lock(watch_mutex);
      watch.reset();
      counter.Hit();
    });
  }
  ASSERT_TRUE(SetDword(reg, u"K", u"V", 1));
  ASSERT_TRUE(counter.WaitFor(1));
  ASSERT_TRUE(SetDword(reg, u"K", u"V", 2));
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(counter.count(), 1);
}

TEST(RegistryWatchThread, ManyWritersAndWatchersTogether) {
  TempDir dir;
  Registry reg(dir.File("registry.db"));
  std::atomic<int> hits{0};
  std::vector<std::unique_ptr<RegistryWatch>> watches;
  for (int i = 0; i < 4; ++i) {
    std::u16string name = u"V" + std::u16string(1, char16_t(u'0' + i));
    watches.push_back(reg.Watch(HKEY_CURRENT_USER, u"K", name, [&] { ++hits; }));
  }
  std::vector<std::thread> writers;
  for (int t = 0; t < 3; ++t) {
    writers.emplace_back([&, t] {
      Registry own(dir.File("registry.db"));
      for (uint32_t i = 0; i < 20; ++i) {
        std::u16string name = u"V" + std::u16string(1, char16_t(u'0' + (i + t) % 4));
        ASSERT_TRUE(SetDword(t == 0 ? reg : own, u"K", name, i * 10 + t));
      }
    });
  }
  // Watches come and go while the writers run.
  for (int i = 0; i < 20; ++i) {
    auto extra = reg.Watch(HKEY_CURRENT_USER, u"K", u"V1", [&] { ++hits; });
    std::this_thread::sleep_for(2ms);
  }
  for (auto& w : writers) w.join();
  auto deadline = std::chrono::steady_clock::now() + kTimeout;
  while (hits == 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(5ms);
  }
  EXPECT_GT(hits, 0);
  watches.clear();
}

TEST(RegistryWatchThread, RegistryDestroyedBeforeItsWatches) {
  TempDir dir;
  std::unique_ptr<RegistryWatch> watch;
  {
    Registry reg(dir.File("registry.db"));
    watch = reg.Watch(HKEY_CURRENT_USER, u"K", u"V", [] {});
    ASSERT_TRUE(SetDword(reg, u"K", u"V", 1));
  }
  watch.reset();  // the watcher has stopped; dropping the handle is still safe
}
