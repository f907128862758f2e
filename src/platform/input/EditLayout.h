// Lines of an edit box's text: paragraphs (separated by CR LF, CR or LF) word-wrapped to a
// width, with the caret's x position at every unit of every line. Measuring is injected, so
// that the rules can be tested with a fixed-width measure; the edit box measures with the
// platform's text shaping.
//
// Wrapping: a line ends after the last run of spaces that fits (spaces beyond the width hang
// at the line's end); a word longer than the width is cut between characters.
// A caret at a wrap point belongs to the next line; at a hard break, to the line it ends.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace platform::input {

struct EditLine {
  size_t start = 0;   // first unit
  size_t end = 0;     // one past the last unit shown (the line break excluded)
  size_t next = 0;    // start of the following line (after the break, if any)
  bool soft = false;  // ends at a wrap point, not at a break or the end of the text
};

class EditLayout {
 public:
  // The x of the caret before each unit of a paragraph and after its last one (size + 1
  // values, never decreasing).
  using Measure = std::function<std::vector<int>(std::u16string_view paragraph)>;

  void Build(std::u16string_view text, int width, const Measure& measure);

  size_t LineCount() const { return lines_.size(); }
  const EditLine& Line(size_t index) const { return lines_[index]; }
  size_t LineOf(size_t position) const;
  // x of the caret at the position inside its line.
  int XOf(size_t position) const;
  // The position of the line whose caret stop is nearest to x.
  size_t PositionAt(size_t line, int x) const;

 private:
  void WrapParagraph(std::u16string_view paragraph, size_t offset, const std::vector<int>& stops,
                     int width);
  void AddLine(size_t start, size_t end, size_t next, bool soft, const std::vector<int>& stops,
               size_t offset);

  std::vector<EditLine> lines_;
  std::vector<std::vector<int>> stops_;  // per line: x of units start..end, from 0
};

}  // namespace platform::input
