// The counter-thread guard: never two threads, and a change that arrives while a pass runs is
// not lost.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "shell/SmsCounter.h"

namespace {

// Lets the test hold a pass until released.
class Gate {
 public:
  void Wait() {
    std::unique_lock lock(mutex_);
    ++waiting_;
    changed_.notify_all();
    changed_.wait(lock, [this] { return open_ > 0; });
    --open_;
  }
  void Release() {
    std::lock_guard lock(mutex_);
    ++open_;
    changed_.notify_all();
  }
  void AwaitWaiting(int count) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return waiting_ >= count; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  int waiting_ = 0;
  int open_ = 0;
};

TEST(SmsCounterThreadTest, RequestDuringAPassRunsOneMorePassInTheSameThread) {
  Gate gate;
  std::atomic<int> passes{0};
  std::atomic<int> concurrent{0};
  std::atomic<int> max_concurrent{0};
  {
    shell::SmsCounter counter([&] {
      const int now = ++concurrent;
      max_concurrent = std::max(max_concurrent.load(), now);
      gate.Wait();
      ++passes;
      --concurrent;
    });
    EXPECT_TRUE(counter.RequestRecount());
    gate.AwaitWaiting(1);
    EXPECT_FALSE(counter.RequestRecount());  // stored, no second thread
    EXPECT_FALSE(counter.RequestRecount());  // still only one more pass
    gate.Release();
    gate.AwaitWaiting(2);
    gate.Release();
  }
  EXPECT_EQ(passes, 2);
  EXPECT_EQ(max_concurrent, 1);
}

TEST(SmsCounterThreadTest, ManyRequestsNeverOverlapAndTheLastOneIsServed) {
  std::atomic<int> concurrent{0};
  std::atomic<int> max_concurrent{0};
  std::atomic<int> passes{0};
  std::atomic<int> requested{0};
  std::atomic<int> seen_at_last_pass{0};
  {
    shell::SmsCounter counter([&] {
      const int now = ++concurrent;
      max_concurrent = std::max(max_concurrent.load(), now);
      seen_at_last_pass = requested.load();
      ++passes;
      --concurrent;
    });
    for (int i = 0; i < 2000; ++i) {
      ++requested;
      counter.RequestRecount();
    }
  }
  EXPECT_EQ(max_concurrent, 1);
  EXPECT_GE(passes, 1);
  // Every request was followed by a pass that began after it.
  EXPECT_EQ(seen_at_last_pass, 2000);
}

TEST(SmsCounterThreadTest, ANewThreadStartsAfterThePreviousOneEnded) {
  std::atomic<int> passes{0};
  shell::SmsCounter counter([&] { ++passes; });
  EXPECT_TRUE(counter.RequestRecount());
  while (counter.Running()) std::this_thread::yield();
  EXPECT_TRUE(counter.RequestRecount());
  while (counter.Running()) std::this_thread::yield();
  EXPECT_EQ(passes, 2);
}

}  // namespace
