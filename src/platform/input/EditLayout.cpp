#include "platform/input/EditLayout.h"

#include <algorithm>
#include <cstdlib>

#include "platform/input/EditText.h"

namespace platform::input {

namespace {

bool IsLineBreak(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// Spaces a line may break after; the no-break spaces are not among them.
bool IsBreakingSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == 0x3000 || (c >= 0x2000 && c <= 0x2006) ||
         (c >= 0x2008 && c <= 0x200A);
}

// Where the line that starts at `start` and must end before `fit` + 1 breaks.
size_t BreakPoint(std::u16string_view paragraph, size_t start, size_t fit) {
  size_t end = fit;
  while (end < paragraph.size() && IsBreakingSpace(paragraph[end])) ++end;
  if (end > fit) return end;  // the spaces hang at the end of the line
  size_t word = fit;
  while (word > start && !IsBreakingSpace(paragraph[word - 1])) --word;
  if (word > start) return word;
  // One word wider than the line: cut it between characters, at least one per line.
  size_t cut = fit;
  while (cut > start && !IsTextBoundary(paragraph, cut)) --cut;
  if (cut > start) return cut;
  cut = start + 1;
  while (cut < paragraph.size() && !IsTextBoundary(paragraph, cut)) ++cut;
  return cut;
}

}  // namespace

void EditLayout::Build(std::u16string_view text, int width, const Measure& measure) {
  lines_.clear();
  stops_.clear();
  size_t start = 0;
  for (;;) {
    size_t end = start;
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
    size_t next = end;
    if (end < text.size()) {
      next = end + 1;
      if (text[end] == u'\r' && next < text.size() && text[next] == u'\n') ++next;
    }
    const std::u16string_view paragraph = text.substr(start, end - start);
    std::vector<int> stops = paragraph.empty() ? std::vector<int>{0} : measure(paragraph);
    if (stops.size() != paragraph.size() + 1) stops.assign(paragraph.size() + 1, 0);
    for (size_t i = 1; i < stops.size(); ++i) stops[i] = std::max(stops[i], stops[i - 1]);
    WrapParagraph(paragraph, start, stops, std::max(width, 1));
    lines_.back().next = next;
    if (end >= text.size()) break;
    start = next;
  }
}

void EditLayout::WrapParagraph(std::u16string_view paragraph, size_t offset,
                               const std::vector<int>& stops, int width) {
  const size_t size = paragraph.size();
  size_t start = 0;
  for (;;) {
    if (stops[size] - stops[start] <= width) {
      AddLine(start, size, size, false, stops, offset);
      return;
    }
    size_t fit = start;
    while (fit < size && stops[fit + 1] - stops[start] <= width) ++fit;
    const size_t cut = BreakPoint(paragraph, start, fit);
    if (cut >= size) {
      AddLine(start, size, size, false, stops, offset);
      return;
    }
    AddLine(start, cut, cut, true, stops, offset);
    start = cut;
  }
}

void EditLayout::AddLine(size_t start, size_t end, size_t next, bool soft,
                         const std::vector<int>& stops, size_t offset) {
  lines_.push_back(EditLine{offset + start, offset + end, offset + next, soft});
  std::vector<int> line(stops.begin() + static_cast<long>(start),
                        stops.begin() + static_cast<long>(end) + 1);
  const int origin = line.front();
  for (int& x : line) x -= origin;
  stops_.push_back(std::move(line));
}

size_t EditLayout::LineOf(size_t position) const {
  if (lines_.empty()) return 0;
  auto after = std::upper_bound(lines_.begin(), lines_.end(), position,
                                [](size_t p, const EditLine& line) { return p < line.start; });
  return after == lines_.begin() ? 0 : static_cast<size_t>(after - lines_.begin()) - 1;
}

int EditLayout::XOf(size_t position) const {
  if (lines_.empty()) return 0;
  const size_t index = LineOf(position);
  const EditLine& line = lines_[index];
  const size_t at = std::clamp(position, line.start, line.end) - line.start;
  return stops_[index][at];
}

size_t EditLayout::PositionAt(size_t line_index, int x) const {
  if (lines_.empty()) return 0;
  line_index = std::min(line_index, lines_.size() - 1);
  const EditLine& line = lines_[line_index];
  const std::vector<int>& stops = stops_[line_index];
  // A soft line's end is the next line's start: the caret stays before it.
  size_t last = line.end - line.start;
  if (line.soft && last > 0) --last;
  size_t best = 0;
  for (size_t i = 1; i <= last; ++i) {
    if (std::abs(stops[i] - x) < std::abs(stops[best] - x)) best = i;
  }
  return line.start + best;
}

}  // namespace platform::input
