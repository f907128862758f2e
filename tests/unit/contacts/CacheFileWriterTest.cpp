// Safe rewriting of the cache: the old file survives failures, abandonment and a writer
// killed at any moment.
#include "contacts/CacheFileWriter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>

#include "contacts/ContactCache.h"
#include "platform/Text.h"
#include "support/TempDir.h"

namespace {

using testing_support::ReadAll;
using testing_support::TempDir;

// A cache text of `count` records whose names all carry `tag`.
std::string CacheBytes(int count, char16_t tag) {
  TempDir dir;
  CacheFileWriter writer;
  std::string path = dir.File("c.txt");
  if (!writer.Open(path)) return {};
  WriteCacheHeader(writer);
  for (int i = 0; i < count; ++i) {
    ContactListItem r(36);
    r.object_id = static_cast<uint32_t>(i);
    r.display_name = std::u16string(40, tag);
    r.detail = std::u16string(100, tag);
    r.phones = {PhoneEntry{u"+33 1 23 45 67 89", 0x0096001F}};
    WriteCacheRecord(r, writer);
  }
  if (!writer.Commit()) return {};
  return ReadAll(path);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  CacheFileWriter writer;
  if (!writer.Open(path)) return false;
  writer.Write(platform::FromUtf8(bytes));
  return writer.Commit();
}

TEST(CacheFileWriter, AbandonKeepsTheOldFile) {
  TempDir dir;
  std::string path = dir.File("contact.cache.txt");
  ASSERT_TRUE(WriteBytes(path, "old"));
  {
    CacheFileWriter writer;
    ASSERT_TRUE(writer.Open(path));
    writer.Write(u"new");
  }  // destroyed without Commit
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(CacheFileWriter, RefusesASecondWriterOfTheSameFile) {
  TempDir dir;
  std::string path = dir.File("contact.cache.txt");
  CacheFileWriter first;
  ASSERT_TRUE(first.Open(path));
  CacheFileWriter second;
  EXPECT_FALSE(second.Open(path));
  first.Write(u"one");
  EXPECT_TRUE(first.Commit());
  EXPECT_EQ(ReadAll(path), "one");
}

TEST(CacheFileWriter, FailsWithoutTouchingAnythingWhenThePlaceIsUnusable) {
  TempDir dir;
  CacheFileWriter writer;
  EXPECT_FALSE(writer.Open(dir.File("missing/contact.cache.txt")));
  EXPECT_FALSE(writer.Commit());
  // The target is a folder: the rename fails and the temporary file goes away.
  std::string target = dir.File("taken");
  dir.Write("taken/inside", "x");
  ASSERT_TRUE(writer.Open(target));
  writer.Write(u"data");
  EXPECT_FALSE(writer.Commit());
  EXPECT_FALSE(std::filesystem::exists(target + ".tmp"));
  EXPECT_EQ(ReadAll(target + "/inside"), "x");
}

// A write that fails (file size limit) fails the commit and keeps the old file.
TEST(CacheFileWriter, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  std::string path = dir.File("contact.cache.txt");
  ASSERT_TRUE(WriteBytes(path, "old"));
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{100000, 100000};
    setrlimit(RLIMIT_FSIZE, &limit);
    CacheFileWriter writer;
    if (!writer.Open(path)) _exit(2);
    for (int i = 0; i < 20; ++i) writer.Write(std::u16string(20000, u'x'));
    _exit(writer.Commit() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadAll(path), "old");
}

// A child rewrites a large cache again and again, alternating two versions, and is killed at
// random moments: the file is always one complete version.
TEST(CacheFileWriter, KillingTheWriterNeverLeavesATruncatedCache) {
  const std::string a = CacheBytes(2000, u'a');
  const std::string b = CacheBytes(2000, u'b');
  ASSERT_GT(a.size(), 250000u);
  TempDir dir;
  std::string path = dir.File("contact.cache.txt");
  // Kill at random moments within about three rewrites, so that some rewrites complete.
  auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(WriteBytes(path, a));
  auto one_write = std::chrono::duration_cast<std::chrono::microseconds>(
                       std::chrono::steady_clock::now() - start)
                       .count();
  const uint32_t window = static_cast<uint32_t>(std::max<int64_t>(one_write * 3, 2000));
  std::mt19937 random(12345);
  int saw_b = 0;
  for (int round = 0; round < 25; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int i = 0;; ++i) WriteBytes(path, i % 2 ? a : b);
    }
    usleep(random() % window);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::string now = ReadAll(path);
    ASSERT_TRUE(now == a || now == b) << "round " << round << ": " << now.size() << " bytes";
    saw_b += now == b;
    CacheLineReader reader(now);
    EXPECT_EQ(ReadContactCache(reader, 36).size(), 2000u);
  }
  EXPECT_GT(saw_b, 0) << "one write took " << one_write << " us";
}

}  // namespace
