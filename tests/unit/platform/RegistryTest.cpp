// The registry's key tree and typed values: lookups without case, paths checked as untrusted
// input, data returned byte for byte, old query semantics for short buffers.
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

using namespace platform;
using testing_support::TempDir;

namespace {

constexpr RegistryRoot kUser = HKEY_CURRENT_USER;

class RegistryTest : public ::testing::Test {
 protected:
  TempDir dir_;
  Registry reg_{dir_.File("registry.db")};

  RegResult SetBytes(RegistryRoot root, std::u16string_view key, std::u16string_view name,
                     uint32_t type, const std::string& bytes) {
    return reg_.SetValue(root, key, name, type, bytes.data(), static_cast<uint32_t>(bytes.size()));
  }
};

}  // namespace

TEST_F(RegistryTest, KeysAndValueNamesMatchWithoutCaseAndLeadingBackslash) {
  ASSERT_EQ(SetBytes(kUser, u"Software\\Quillbook\\Contact", u"Theme", REG_SZ, "ab"),
            ERROR_SUCCESS);
  // Unicode case folding, not only ASCII.
  ASSERT_EQ(SetBytes(kUser, u"Ärger\\ÉTÉ", u"Ñame", REG_BINARY, "x"), ERROR_SUCCESS);
  EXPECT_TRUE(reg_.GetValue(kUser, u"ärger\\été", u"ñAME"));
  // Rewriting with another spelling updates the one value.
  ASSERT_EQ(SetBytes(kUser, u"software\\quillbook\\contact", u"THEME", REG_SZ, "cd"),
            ERROR_SUCCESS);
  std::vector<RegistryValue> values;
  ASSERT_EQ(reg_.EnumValues(kUser, u"Software\\Quillbook\\Contact", values), ERROR_SUCCESS);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].data, "cd");
  EXPECT_EQ(values[0].name, u"Theme");  // the spelling first written
}

TEST_F(RegistryTest, DataAndTypeAreKeptExactly) {
  // Embedded NULs, an odd length, any type number; a rewrite replaces both.
  const std::string bytes("a\0b\0\0\0c", 7);
  ASSERT_EQ(SetBytes(kUser, u"K", u"V", 0xDEADBEEF, bytes), ERROR_SUCCESS);
  auto value = reg_.GetValue(kUser, u"K", u"V");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, 0xDEADBEEFu);
  EXPECT_EQ(value->data, bytes);
  ASSERT_EQ(SetBytes(kUser, u"K", u"V", REG_SZ, ""), ERROR_SUCCESS);
  EXPECT_EQ(reg_.GetValue(kUser, u"K", u"V")->type, REG_SZ);
  EXPECT_EQ(reg_.GetValue(kUser, u"K", u"V")->data, "");
}

TEST_F(RegistryTest, QueryValueReportsLengthAndShortBuffers) {
  const std::string bytes("T\0o\0u\0c\0h\0.\0q\0b\0t\0\0\0", 20);  // UTF-16 "Touch.qbt" and NUL
  ASSERT_EQ(SetBytes(kUser, u"K", u"Theme", REG_SZ, bytes), ERROR_SUCCESS);
  uint32_t type = 0;
  uint32_t size = 0;
  // Length only.
  EXPECT_EQ(reg_.QueryValue(kUser, u"K", u"Theme", &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, bytes.size());
  // Too short: nothing copied, the needed length reported.
  char small[4] = {'q', 'q', 'q', 'q'};
  size = sizeof small;
  EXPECT_EQ(reg_.QueryValue(kUser, u"K", u"Theme", &type, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, bytes.size());
  EXPECT_EQ(std::string(small, 4), "qqqq");
  // Exactly long enough.
  std::string buffer(bytes.size(), '\x7f');
  size = static_cast<uint32_t>(buffer.size());
  EXPECT_EQ(reg_.QueryValue(kUser, u"K", u"Theme", &type, buffer.data(), &size), ERROR_SUCCESS);
  EXPECT_EQ(buffer, bytes);
  // Missing value, missing key, and a buffer without its size.
  EXPECT_EQ(reg_.QueryValue(kUser, u"K", u"Other", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg_.QueryValue(kUser, u"Nope", u"Theme", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg_.QueryValue(kUser, u"K", u"Theme", &type, buffer.data(), nullptr),
            ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, DeletingValuesAndKeys) {
  ASSERT_EQ(SetBytes(kUser, u"A\\B\\C", u"v", REG_SZ, "1"), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(kUser, u"A\\B", u"w", REG_SZ, "2"), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(kUser, u"A\\D", u"x", REG_SZ, "3"), ERROR_SUCCESS);
  EXPECT_EQ(reg_.DeleteValue(kUser, u"a\\zz", u"W"), ERROR_FILE_NOT_FOUND);
  // Deleting a key takes its whole subtree and nothing beside it.
  EXPECT_EQ(reg_.DeleteKey(kUser, u"\\A\\b"), ERROR_SUCCESS);
  EXPECT_EQ(reg_.OpenKey(kUser, u"A\\B\\C"), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(reg_.GetValue(kUser, u"A\\D", u"x"));
  EXPECT_EQ(reg_.DeleteKey(kUser, u"A\\B"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(reg_.DeleteKey(kUser, u"\\"), ERROR_INVALID_PARAMETER);  // a root is never deleted
  // Recreating a deleted key starts empty.
  ASSERT_EQ(reg_.CreateKey(kUser, u"A\\B"), ERROR_SUCCESS);
  std::vector<RegistryValue> values;
  EXPECT_EQ(reg_.EnumValues(kUser, u"A\\B", values), ERROR_SUCCESS);
  EXPECT_TRUE(values.empty());
}

TEST_F(RegistryTest, EnumerationListsDirectChildrenByName) {
  ASSERT_EQ(reg_.CreateKey(kUser, u"P\\beta\\deep"), ERROR_SUCCESS);
  ASSERT_EQ(reg_.CreateKey(kUser, u"P\\Alpha"), ERROR_SUCCESS);
  ASSERT_EQ(reg_.CreateKey(kUser, u"P\\ALPHA"), ERROR_SUCCESS);  // same key
  ASSERT_EQ(SetBytes(kUser, u"P", u"zeta", REG_SZ, ""), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(kUser, u"P", u"Eta", REG_DWORD, "1234"), ERROR_SUCCESS);
  std::vector<std::u16string> keys;
  ASSERT_EQ(reg_.EnumSubKeys(kUser, u"p", keys), ERROR_SUCCESS);
  EXPECT_EQ(keys, (std::vector<std::u16string>{u"Alpha", u"beta"}));
  std::vector<RegistryValue> values;
  ASSERT_EQ(reg_.EnumValues(kUser, u"P", values), ERROR_SUCCESS);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].name, u"Eta");
  EXPECT_EQ(values[1].name, u"zeta");
  EXPECT_EQ(reg_.EnumSubKeys(kUser, u"Q", keys), ERROR_FILE_NOT_FOUND);
  EXPECT_TRUE(keys.empty());
  // The root's own subkeys.
  ASSERT_EQ(reg_.EnumSubKeys(kUser, u"", keys), ERROR_SUCCESS);
  EXPECT_EQ(keys, (std::vector<std::u16string>{u"P"}));
}

TEST_F(RegistryTest, MalformedPathsAndNamesAreRefused) {
  const std::u16string long_component(kMaxRegistryKeyComponent + 1, u'k');
  std::u16string deep;
  for (size_t i = 0; i <= kMaxRegistryDepth; ++i) deep += u"a\\";
  deep += u"a";
  const std::u16string bad_paths[] = {u"A\\\\B",
                                      u"A\\B\\",
                                      u"\\\\A",
                                      long_component,
                                      std::u16string(u"A\0B", 3),
                                      std::u16string(1, char16_t(0xD800)),
                                      std::u16string(u"x") + char16_t(0xDC00),
                                      deep,
                                      std::u16string(kMaxRegistryPath + 1, u'a')};
  for (const auto& path : bad_paths) {
    EXPECT_EQ(SetBytes(kUser, path, u"v", REG_SZ, "1"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(reg_.OpenKey(kUser, path), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(reg_.GetValue(kUser, path, u"v"));
    EXPECT_EQ(reg_.Watch(kUser, path, u"v", [] {}), nullptr);
  }
  EXPECT_EQ(reg_.OpenKey(static_cast<RegistryRoot>(7), u"K"), ERROR_INVALID_PARAMETER);
  const std::u16string bad_names[] = {std::u16string(kMaxRegistryValueName + 1, u'n'),
                                      std::u16string(u"a\0", 2),
                                      std::u16string(1, char16_t(0xDBFF))};
  for (const auto& name : bad_names) {
    EXPECT_EQ(SetBytes(kUser, u"K", name, REG_SZ, "1"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(reg_.DeleteValue(kUser, u"K", name), ERROR_INVALID_PARAMETER);
  }
  // Limits themselves are accepted, and a surrogate pair is fine.
  const std::u16string at_limit(kMaxRegistryKeyComponent, u'k');
  EXPECT_EQ(SetBytes(kUser, at_limit, std::u16string(kMaxRegistryValueName, u'n'), REG_SZ, "1"),
            ERROR_SUCCESS);
  EXPECT_EQ(SetBytes(kUser, u"\U0001F600", u"\U0001F600", REG_SZ, "1"), ERROR_SUCCESS);
  std::u16string deepest = u"a";
  for (size_t i = 1; i < kMaxRegistryDepth; ++i) deepest += u"\\a";
  EXPECT_EQ(SetBytes(kUser, deepest, u"v", REG_SZ, "1"), ERROR_SUCCESS);
  EXPECT_TRUE(reg_.GetValue(kUser, deepest, u"v"));
  // Oversized data and a null buffer with a length.
  std::string big(kMaxRegistryValueBytes + 1, 'b');
  EXPECT_EQ(SetBytes(kUser, u"K", u"big", REG_BINARY, big), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(reg_.SetValue(kUser, u"K", u"v", REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(reg_.SetValue(kUser, u"K", u"v", REG_BINARY, nullptr, 0), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ChangesPersistAndAreSharedBetweenConnections) {
  ASSERT_EQ(SetBytes(kUser, u"K", u"V", REG_SZ, "one"), ERROR_SUCCESS);
  Registry other(dir_.File("registry.db"));
  EXPECT_EQ(other.GetValue(kUser, u"k", u"v")->data, "one");
  ASSERT_EQ(other.SetValue(kUser, u"K", u"V", REG_SZ, "two", 3), ERROR_SUCCESS);
  EXPECT_EQ(reg_.GetValue(kUser, u"K", u"V")->data, "two");
  ASSERT_EQ(other.DeleteKey(kUser, u"K"), ERROR_SUCCESS);
  EXPECT_FALSE(reg_.GetValue(kUser, u"K", u"V"));
}

TEST_F(RegistryTest, AddToDwordClampsAtBothEndsOfAnyDelta) {
  struct Case {
    uint32_t start;
    int64_t delta;
    uint32_t expected;
  } cases[] = {
      {0xFFFFFFFFu, INT64_MAX, 0xFFFFFFFFu},
      {1, INT64_MAX, 0xFFFFFFFFu},
      {0, INT64_MAX, 0xFFFFFFFFu},
      {0xFFFFFFFFu, INT64_MIN, 0},
      {5, INT64_MIN + 1, 0},
      {0xFFFFFFFEu, 1, 0xFFFFFFFFu},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(reg_.SetValue(kUser, u"K", u"N", REG_DWORD, &c.start, 4), ERROR_SUCCESS);
    uint32_t number = 12345;
    ASSERT_EQ(reg_.AddToDword(kUser, u"K", u"N", c.delta, &number), ERROR_SUCCESS);
    EXPECT_EQ(number, c.expected) << c.start << " + " << c.delta;
    EXPECT_EQ(reg_.GetValue(kUser, u"K", u"N")->data,
              std::string(reinterpret_cast<const char*>(&c.expected), 4));
  }
}
