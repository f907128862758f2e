// A damaged or unreachable store never stops the program: damaged files are moved aside and
// an empty store is built; without any store, reads find nothing and writes fail.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/Paths.h"
#include "platform/Sqlite.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

using namespace platform;
using testing_support::ReadAll;
using testing_support::TempDir;

namespace {

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 rng(seed);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(rng());
  return bytes;
}

// The store works after recovery: a value written can be read back.
void ExpectWorkingStore(Registry& reg) {
  ASSERT_TRUE(reg.usable());
  ASSERT_EQ(reg.SetValue(HKEY_CURRENT_USER, u"K", u"V", REG_BINARY, "ok", 2), ERROR_SUCCESS);
  EXPECT_EQ(reg.GetValue(HKEY_CURRENT_USER, u"K", u"V")->data, "ok");
}

}  // namespace

TEST(RegistryStoreFile, DamagedFilesAreMovedAsideAndRebuilt) {
  const std::string header_then_garbage = std::string("SQLite format 3", 16) + RandomBytes(4080, 2);
  const std::string damaged[] = {header_then_garbage, "short", RandomBytes(100000, 3)};
  for (const auto& bytes : damaged) {
    TempDir dir;
    const std::string path = dir.Write("registry.db", bytes);
    testing::internal::CaptureStderr();
    {
      Registry reg(path);
      EXPECT_FALSE(reg.GetValue(HKEY_CURRENT_USER, u"Software", u"x"));
      ExpectWorkingStore(reg);
    }
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("corrupt-1"), std::string::npos) << log;
    EXPECT_EQ(ReadAll(dir.File("registry.db.corrupt-1")), bytes);
    // A second damage is kept beside the first.
    dir.Write("registry.db", bytes);
    testing::internal::CaptureStderr();
    Registry again(path);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadAll(dir.File("registry.db.corrupt-2")), bytes);
    ExpectWorkingStore(again);
  }
}

TEST(RegistryStoreFile, DamagedPagesInAValidFileAreDetected) {
  TempDir dir;
  const std::string path = dir.File("registry.db");
  {
    Registry reg(path);
    for (int i = 0; i < 200; ++i) {
      std::u16string key = u"Key" + std::u16string(1, char16_t(u'A' + i % 26)) + u"\\" +
                           std::u16string(static_cast<size_t>(i % 50 + 1), u'x');
      ASSERT_EQ(reg.SetValue(HKEY_CURRENT_USER, key, u"v", REG_BINARY, "0123456789", 10),
                ERROR_SUCCESS);
    }
  }
  ASSERT_TRUE(Database(path).Exec("PRAGMA wal_checkpoint(TRUNCATE)"));
  std::string bytes = ReadAll(path);
  ASSERT_GT(bytes.size(), 8192u);
  // Overwrite everything after the first page with noise.
  bytes.replace(4096, bytes.size() - 4096, RandomBytes(bytes.size() - 4096, 9));
  dir.Write("registry.db", bytes);
  testing::internal::CaptureStderr();
  Registry reg(path);
  testing::internal::GetCapturedStderr();
  EXPECT_TRUE(std::filesystem::exists(dir.File("registry.db.corrupt-1")));
  ExpectWorkingStore(reg);
}

TEST(RegistryStoreFile, ForeignDatabaseIsMovedAsideButOtherTablesAreKept) {
  // Tables of our names: other columns, or our columns under another shape (a reference to
  // a missing table, no cascade, no unique key for the upsert) that reads but refuses writes.
  const std::string keys =
      "CREATE TABLE reg_keys(id INTEGER PRIMARY KEY, parent INTEGER, name TEXT, folded TEXT);";
  const std::string values = "CREATE TABLE reg_values(key_id INTEGER NOT NULL ";
  const std::string columns = ", name TEXT, folded TEXT, type INTEGER, data BLOB";
  const std::string foreign[] = {
      "CREATE TABLE reg_keys(x);",
      keys + values + "REFERENCES reg_gone(id)" + columns + ", PRIMARY KEY(key_id, folded));",
      keys + values + "REFERENCES reg_keys(id)" + columns + ", PRIMARY KEY(key_id, folded));",
      keys + values + "REFERENCES reg_keys(id) ON DELETE CASCADE" + columns + ");",
  };
  for (const auto& schema : foreign) {
    TempDir foreign_dir;
    const std::string foreign_path = foreign_dir.File("registry.db");
    ASSERT_TRUE(Database(foreign_path).Exec(schema + "CREATE TABLE mine(y)")) << schema;
    testing::internal::CaptureStderr();
    {
      Registry reg(foreign_path);
      testing::internal::GetCapturedStderr();
      ExpectWorkingStore(reg);
    }
    EXPECT_TRUE(std::filesystem::exists(foreign_dir.File("registry.db.corrupt-1"))) << schema;
  }
  // An unrelated database with no clashing table simply gains the registry's tables.
  TempDir other;
  ASSERT_TRUE(Database(other.File("registry.db")).Exec("CREATE TABLE mine(y)"));
  Registry reg(other.File("registry.db"));
  ExpectWorkingStore(reg);
  EXPECT_FALSE(std::filesystem::exists(other.File("registry.db.corrupt-1")));
}

TEST(RegistryStoreFile, WithoutAnyStoreReadsFindNothingAndWritesFail) {
  TempDir dir;
  dir.Write("file", "not a folder");
  testing::internal::CaptureStderr();
  Registry reg(dir.File("file/registry.db"));
  EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
  EXPECT_FALSE(reg.usable());
  EXPECT_EQ(reg.SetValue(HKEY_CURRENT_USER, u"K", u"V", REG_SZ, "a", 1), ERROR_CANTWRITE);
  EXPECT_EQ(reg.CreateKey(HKEY_CURRENT_USER, u"K"), ERROR_CANTWRITE);
  EXPECT_EQ(reg.OpenKey(HKEY_CURRENT_USER, u"K"), ERROR_FILE_NOT_FOUND);
  uint32_t size = 0;
  EXPECT_EQ(reg.QueryValue(HKEY_CURRENT_USER, u"K", u"V", nullptr, nullptr, &size),
            ERROR_FILE_NOT_FOUND);
  std::vector<RegistryValue> values;
  EXPECT_EQ(reg.EnumValues(HKEY_CURRENT_USER, u"", values), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(std::filesystem::exists(dir.File("file.corrupt-1")));
  auto watch = reg.Watch(HKEY_CURRENT_USER, u"K", u"V", [] { FAIL() << "nothing can change"; });
  EXPECT_NE(watch, nullptr);
}

TEST(RegistryStoreFile, TypedReadersUseTheDeviceProfile) {
  TempDir dir;
  SetDeviceDir(dir.path());
  ASSERT_TRUE(
      WriteRegistryDword(HKEY_CURRENT_USER, u"System\\State\\Messages\\SMS\\Unread", u"Count", 7));
  EXPECT_EQ(
      ReadRegistryDword(HKEY_CURRENT_USER, u"\\system\\state\\messages\\sms\\unread", u"count"),
      7u);
  EXPECT_TRUE(std::filesystem::exists(dir.File("registry.db")));
  // A DWORD must be a REG_DWORD of four bytes.
  Registry& reg = Registry::ForDevice();
  reg.SetValue(HKEY_CURRENT_USER, u"K", u"Short", REG_DWORD, "\x01\x00", 2);
  reg.SetValue(HKEY_CURRENT_USER, u"K", u"Binary", REG_BINARY, "\x01\0\0\0", 4);
  EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, u"K", u"Short"));
  EXPECT_FALSE(ReadRegistryDword(HKEY_CURRENT_USER, u"K", u"Binary"));
  // Strings end at the first NUL, must fit the buffer and have an even length.
  ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, u"K", u"Name", u"SMS"));
  EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, u"K", u"Name"), u"SMS");
  EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, u"K", u"Name", 3));
  EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, u"K", u"Name", 4), u"SMS");
  reg.SetValue(HKEY_CURRENT_USER, u"K", u"Odd", REG_SZ, "abc", 3);
  EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, u"K", u"Odd"));
  EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, u"K", u"Binary"));
  // Another device profile has its own store.
  TempDir second;
  SetDeviceDir(second.path());
  EXPECT_FALSE(
      ReadRegistryDword(HKEY_CURRENT_USER, u"System\\State\\Messages\\SMS\\Unread", u"Count"));
}
