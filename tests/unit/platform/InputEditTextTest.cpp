// The edit box's rules apart from its window, table-driven: typing (controls, line breaks,
// surrogate halves, capitalisation), deletion, caret moves, selection, words, the limit and
// the modified flag; then the layout's wrapping and caret geometry with a fixed-width measure.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/input/EditLayout.h"
#include "platform/input/EditText.h"

namespace {

using platform::input::Capitalise;
using platform::input::EditLayout;
using platform::input::EditText;

const std::u16string kSmile = u"\U0001F600";  // one pair: D83D DE00

struct EditCase {
  const char* name;
  std::u16string start;  // set with SetText, caret placed at `caret`
  size_t caret;
  std::function<void(EditText&)> act;
  std::u16string text;
  size_t expect_caret;
  size_t expect_anchor;
};

void TypeAll(EditText& e, std::u16string_view units) {
  for (char16_t u : units) e.Type(u);
}

TEST(InputEditTextTest, EditingRules) {
  const std::vector<EditCase> cases = {
      {"capital at the start, after a sentence end and a space, after a line break", u"", 0,
       [](EditText& e) { TypeAll(e, u"hi. there! yes\rno e.g. x.y"); },
       u"Hi. There! Yes\r\nNo e.g. X.y", 27, 27},
      {"no capital inside a sentence or after a dot without a space", u"a", 1,
       [](EditText& e) { TypeAll(e, u"b.c"); }, u"ab.c", 4, 4},
      {"controls other than tab and breaks are dropped", u"", 0,
       [](EditText& e) { TypeAll(e, u"\x01x\x7F\x85\ty\x1B\nz"); }, u"X\ty\r\nZ", 6, 6},
      {"a pair typed as two units; lone halves dropped", u"", 0,
       [](EditText& e) {
         TypeAll(e, u"\xDE00" + kSmile +
                        u"\xD83D"
                        u"a\xD83D");
       },
       kSmile + u"a", 3, 3},
      {"backspace takes a whole pair", u"a" + kSmile, 3, [](EditText& e) { e.Type(u'\b'); }, u"a",
       1, 1},
      {"backspace takes a whole CR LF", u"a\r\nb", 3, [](EditText& e) { e.Type(u'\b'); }, u"ab", 1,
       1},
      {"delete takes a whole pair", kSmile + u"b", 0, [](EditText& e) { e.DeleteForward(); }, u"b",
       0, 0},
      {"deleting between a lone CR and LF never leaves the caret inside the new CR LF", u"\rx\n", 2,
       [](EditText& e) { e.Type(u'\b'); }, u"\r\n", 0, 0},
      {"moves step over pairs and CR LF", u"a" + kSmile + u"\r\nb", 0,
       [](EditText& e) {
         e.MoveCaret(e.NextBoundary(e.Caret()), false);
         e.MoveCaret(e.NextBoundary(e.Caret()), false);
         e.MoveCaret(e.NextBoundary(e.Caret()), false);
       },
       u"a" + kSmile + u"\r\nb", 5, 5},
      {"a selection inside a pair snaps back", u"a" + kSmile, 0,
       [](EditText& e) { e.Select(2, 2); }, u"a" + kSmile, 1, 1},
      {"typing replaces the selection", u"hello world", 0,
       [](EditText& e) {
         e.Select(6, 11);
         TypeAll(e, u"you");
       },
       u"hello you", 9, 9},
      {"shift-extension keeps the anchor", u"abcd", 1,
       [](EditText& e) {
         e.MoveCaret(3, true);
         e.MoveCaret(e.PreviousBoundary(e.Caret()), true);
       },
       u"abcd", 2, 1},
      {"backspace with a selection deletes only it", u"abcd", 0,
       [](EditText& e) {
         e.Select(3, 1);
         e.Type(u'\b');
       },
       u"ad", 1, 1},
      {"word starts skip spaces and punctuation", u"one, two three", 5,
       [](EditText& e) { e.MoveCaret(e.NextWordStart(e.PreviousWordStart(e.Caret())), false); },
       u"one, two three", 5, 5},
      {"a word takes its pairs along", u"one two" + kSmile + u" x", 0,
       [](EditText& e) { e.SelectWordAt(5); }, u"one two" + kSmile + u" x", 9, 4},
      {"the limit refuses typing and cuts an insert on a boundary", u"abc", 3,
       [](EditText& e) {
         e.SetLimit(6);
         e.Insert(u"d" + kSmile + kSmile);
         e.Type(u'z');
       },
       u"abcd" + kSmile, 6, 6},
      {"a line break needs two units of room", u"abcd", 4,
       [](EditText& e) {
         e.SetLimit(5);
         e.Type(u'\r');
       },
       u"abcd", 4, 4},
      {"replacing a selection at the limit is allowed", u"abcd", 0,
       [](EditText& e) {
         e.SetLimit(4);
         e.Select(0, 2);
         TypeAll(e, u"xyz");
       },
       u"Xycd", 2, 2},
      {"paste cleans line breaks and controls", u"", 0,
       [](EditText& e) { e.Insert(u"a\nb\rc\r\nd\x01\xDC00"); }, u"a\r\nb\r\nc\r\nd", 10, 10},
  };
  for (const EditCase& c : cases) {
    EditText edit(Capitalise::kSentences);
    edit.SetText(c.start);
    edit.MoveCaret(c.caret, false);
    c.act(edit);
    EXPECT_EQ(edit.Text(), c.text) << c.name;
    EXPECT_EQ(edit.Caret(), c.expect_caret) << c.name;
    EXPECT_EQ(edit.Anchor(), c.expect_anchor) << c.name;
  }
}

TEST(InputEditTextTest, SetTextKeepsWhatFitsAndResetsTheFlags) {
  EditText edit;
  edit.SetLimit(1023);
  const std::u16string long_text = std::u16string(1022, u'a') + kSmile + u"tail";
  edit.SetText(long_text);
  EXPECT_EQ(edit.Text(), std::u16string(1022, u'a'));  // the pair at 1022..1023 does not fit
  EXPECT_FALSE(edit.Modified());
  edit.Type(u'x');
  EXPECT_TRUE(edit.Modified());
  edit.SetText(
      u"a\xD800"
      u"b\xDC00");
  EXPECT_EQ(edit.Text(),
            u"a\xFFFD"
            u"b\xFFFD");
  EXPECT_FALSE(edit.Modified());
  edit.SetLimit(0);
  EXPECT_EQ(edit.Limit(), platform::input::kMaxEditLimit);
}

// Every unit is 10 pixels wide.
std::vector<int> FixedWidth(std::u16string_view paragraph) {
  std::vector<int> stops;
  for (size_t i = 0; i <= paragraph.size(); ++i) stops.push_back(static_cast<int>(i) * 10);
  return stops;
}

struct LayoutCase {
  const char* name;
  std::u16string text;
  int width;
  std::vector<std::pair<size_t, size_t>> lines;  // start, end
};

TEST(InputEditTextTest, LayoutWrapsWordsAndKeepsBreaks) {
  const std::vector<LayoutCase> cases = {
      {"fits on one line", u"abc def", 70, {{0, 7}}},
      {"breaks after the last space that fits", u"abc defgh ij", 70, {{0, 4}, {4, 10}, {10, 12}}},
      {"spaces beyond the width hang at the line's end", u"abc def  ghi", 70, {{0, 9}, {9, 12}}},
      {"a word wider than the line is cut", u"abcdefghij", 40, {{0, 4}, {4, 8}, {8, 10}}},
      {"a pair is never cut", u"abc" + kSmile + u"d", 40, {{0, 3}, {3, 6}}},
      {"CR LF, LF and CR end lines; a trailing break opens an empty line",
       u"a\r\nb\nc\rd\r\n",
       100,
       {{0, 1}, {3, 4}, {5, 6}, {7, 8}, {10, 10}}},
  };
  for (const LayoutCase& c : cases) {
    EditLayout layout;
    layout.Build(c.text, c.width, FixedWidth);
    ASSERT_EQ(layout.LineCount(), c.lines.size()) << c.name;
    for (size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ(layout.Line(i).start, c.lines[i].first) << c.name << " line " << i;
      EXPECT_EQ(layout.Line(i).end, c.lines[i].second) << c.name << " line " << i;
    }
  }
}

TEST(InputEditTextTest, LayoutCaretGeometry) {
  EditLayout layout;
  layout.Build(u"abc def ghi\nxy", 80, FixedWidth);  // "abc def " | "ghi" | "xy"
  ASSERT_EQ(layout.LineCount(), 3u);
  EXPECT_EQ(layout.LineOf(8), 1u);   // at the wrap point: the next line
  EXPECT_EQ(layout.LineOf(11), 1u);  // before the hard break: its own line
  EXPECT_EQ(layout.XOf(10), 20);
  EXPECT_EQ(layout.PositionAt(0, 1000), 7u);  // a soft line's end stays on the line
  EXPECT_EQ(layout.PositionAt(1, 14), 9u);
  EXPECT_EQ(layout.PositionAt(2, 1000), 14u);
}

}  // namespace
