// Parsing of headless scripts: every command, and the rejection of malformed lines with their
// line numbers.
#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "platform/ui/Script.h"

namespace {

using platform::ui::ParseScript;
using Kind = platform::ui::ScriptCommand::Kind;

TEST(UiScriptTest, ParsesEveryCommand) {
  auto result = ParseScript(
      "# a tour\n"
      "down 1 2\nmove -3 4\nup 5 6\ntap 7 8\n"
      "drag 0 0 100 200 300\n"
      "key VK_DOWN\nkey 40\nkey 0x0d\nkey A\n"
      "char héllo world\n"
      "wait 250\nrotate\nactivate\ndeactivate\n"
      "post QuillbookNewSMS\npost 2024\n"
      "shot out/a.png\ndump b.json\n"
      "\n   \t\nquit\n");
  ASSERT_TRUE(result.ok()) << result.error;
  ASSERT_EQ(result.commands.size(), 19u);
  EXPECT_EQ(result.commands[1].kind, Kind::kMove);
  EXPECT_EQ(result.commands[1].x1, -3);
  EXPECT_EQ(result.commands[4].kind, Kind::kDrag);
  EXPECT_EQ(result.commands[4].x2, 100);
  EXPECT_EQ(result.commands[4].y2, 200);
  EXPECT_EQ(result.commands[4].number, 300u);
  EXPECT_EQ(result.commands[5].number, VK_DOWN);
  EXPECT_EQ(result.commands[6].number, VK_DOWN);
  EXPECT_EQ(result.commands[7].number, VK_RETURN);
  EXPECT_EQ(result.commands[8].number, static_cast<uint32_t>('A'));
  EXPECT_EQ(result.commands[9].text, u"héllo world");
  EXPECT_EQ(result.commands[10].number, 250u);
  EXPECT_EQ(result.commands[10].x1, 0);  // a long wait is no point
  EXPECT_EQ(result.commands[14].text, u"QuillbookNewSMS");
  EXPECT_TRUE(result.commands[15].text.empty());
  EXPECT_EQ(result.commands[15].number, 2024u);
  EXPECT_EQ(result.commands[16].file, "out/a.png");
  EXPECT_EQ(result.commands[18].kind, Kind::kQuit);
  EXPECT_EQ(result.commands[18].line, 22);
}

TEST(UiScriptTest, RejectsMalformedLinesWithTheirNumber) {
  const char* bad[] = {"tap 1",
                       "tap 1 2 3",
                       "tap x 2",
                       "tap 40000 2",
                       "tap 99999999999999999999 2",
                       "wait -1",
                       "wait 3600001",
                       "key VK_NOPE",
                       "key 256",
                       "char",
                       "post",
                       "post 70000",
                       "shot /etc/passwd",
                       "dump ../up.json",
                       "dump a/../../b.json",
                       "rotate now"};
  for (const char* script : bad) {
    auto result = ParseScript(std::string(script) + "\n");
    EXPECT_FALSE(result.ok()) << script;
    EXPECT_EQ(result.error.rfind("line 1:", 0), 0u) << script << " -> " << result.error;
    EXPECT_TRUE(result.commands.empty());
  }
  EXPECT_EQ(ParseScript("\n\n\nquit please\n").error.rfind("line 4:", 0), 0u);
}

TEST(UiScriptTest, BoundsLineLengthAndNulBytes) {
  std::string long_line = "# " + std::string(platform::ui::kMaxScriptLineLength, 'x') + "\n";
  EXPECT_FALSE(ParseScript(long_line).ok());
  EXPECT_FALSE(ParseScript(std::string("tap 1 2\0\n", 9)).ok());
  EXPECT_TRUE(ParseScript("tap 1 2\r\nquit\r\n").ok());  // CRLF files work
  EXPECT_TRUE(ParseScript("").ok());
}

}  // namespace
