// A REG_DWORD counter changed by several connections at once loses no step.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform;
using testing_support::TempDir;

TEST(RegistryCounterThread, ConcurrentAddsFromSeveralConnectionsAreAllCounted) {
  TempDir dir;
  constexpr std::u16string_view kKey = u"System\\State\\Messages\\SMS\\Unread";
  Registry shared(dir.File("registry.db"));
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      // Two threads share one connection, two have their own (as other processes would).
      Registry own(dir.File("registry.db"));
      Registry& reg = t < 2 ? shared : own;
      for (int i = 0; i < 25; ++i) {
        ASSERT_EQ(reg.AddToDword(HKEY_CURRENT_USER, kKey, u"Count", 1, nullptr), ERROR_SUCCESS);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  uint32_t count = 0;
  ASSERT_EQ(shared.AddToDword(HKEY_CURRENT_USER, kKey, u"Count", 0, &count), ERROR_SUCCESS);
  EXPECT_EQ(count, 100u);
}

TEST(RegistryCounterThread, AddClampsAndTreatsOtherShapesAsZero) {
  TempDir dir;
  Registry reg(dir.File("registry.db"));
  uint32_t count = 99;
  ASSERT_EQ(reg.AddToDword(HKEY_CURRENT_USER, u"K", u"C", -5, &count), ERROR_SUCCESS);
  EXPECT_EQ(count, 0u);
  ASSERT_EQ(reg.AddToDword(HKEY_CURRENT_USER, u"K", u"C", 0x1FFFFFFFFLL, &count), ERROR_SUCCESS);
  EXPECT_EQ(count, 0xFFFFFFFFu);
  ASSERT_EQ(reg.SetValue(HKEY_CURRENT_USER, u"K", u"C", REG_SZ, "7\0", 2), ERROR_SUCCESS);
  ASSERT_EQ(reg.AddToDword(HKEY_CURRENT_USER, u"K", u"C", 3, &count), ERROR_SUCCESS);
  EXPECT_EQ(count, 3u);
  auto value = reg.GetValue(HKEY_CURRENT_USER, u"K", u"C");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, REG_DWORD);
  EXPECT_EQ(value->data, std::string("\3\0\0\0", 4));
}
