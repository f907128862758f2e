// Loading libraries by their old platform names.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/DynamicLibrary.h"
#include "support/TempDir.h"

namespace {

using platform::DynamicLibrary;

class DynamicLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { unsetenv("QUILLBOOK_LIBDIR"); }
  void TearDown() override { unsetenv("QUILLBOOK_LIBDIR"); }
};

TEST_F(DynamicLibraryTest, OldNamesMapToSharedObjectsBesideTheProgram) {
  setenv("QUILLBOOK_LIBDIR", "/opt/qb", 1);
  EXPECT_EQ(DynamicLibrary::ResolvePath(u"smsweir.dll"), "/opt/qb/libsmsweir.so");
  EXPECT_EQ(DynamicLibrary::ResolvePath(u"SmsWeir.DLL"), "/opt/qb/libSmsWeir.so");
  EXPECT_EQ(DynamicLibrary::ResolvePath(u"plain"), "/opt/qb/libplain.so");
  EXPECT_EQ(DynamicLibrary::ResolvePath(u"/usr/lib/x.so"), "/usr/lib/x.so");
  for (const char16_t* bad : {u"", u".dll", u"a b.dll", u"..", u"x\u00e9.dll", u"a\\b.dll"}) {
    EXPECT_EQ(DynamicLibrary::ResolvePath(bad), "") << platform::DynamicLibrary::ResolvePath(bad);
  }
  EXPECT_EQ(DynamicLibrary::ResolvePath(std::u16string(65, u'a')), "");

  unsetenv("QUILLBOOK_LIBDIR");
  EXPECT_EQ(DynamicLibrary::ResolvePath(u"smsweir.dll"),
            std::string(std::getenv("QB_BINARY_DIR") ? std::getenv("QB_BINARY_DIR") : "") +
                "/libsmsweir.so");
}

TEST_F(DynamicLibraryTest, LoadsTheInterceptionLibraryAndRefusesNonLibraries) {
  auto library = DynamicLibrary::Load(u"smsweir.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(library->Symbol("NoSuchEntry"), nullptr);

  testing_support::TempDir dir;
  const std::string junk = dir.Write("libjunk.so", "not an ELF file");
  setenv("QUILLBOOK_LIBDIR", dir.path().c_str(), 1);
  EXPECT_EQ(DynamicLibrary::Load(u"junk.dll"), nullptr);
}

}  // namespace
