#include "platform/pim/VCardReader.h"

#include <algorithm>

#include "platform/pim/VCardLine.h"
#include "platform/pim/VCardPropertyMapper.h"

namespace platform::pim {

namespace {

// Card assembly: lines between BEGIN:VCARD and END:VCARD. A card embedded by a vCard 2.1 AGENT
// (an empty AGENT value followed by BEGIN:VCARD) is skipped with its lines; any other BEGIN
// inside a card means the card lacks its END, so it is reported and the new card starts.
class CardAssembler {
 public:
  explicit CardAssembler(VCardReadResult* result) : result_(result) {}

  void Feed(const LogicalLine& logical) {
    VCardLine line;
    bool parsed = !logical.too_long && ParseContentLine(logical, &line);
    bool is_begin = parsed && line.name == "BEGIN" && EqualsNoCaseAscii(line.value, "VCARD");
    bool is_end = parsed && line.name == "END" && EqualsNoCaseAscii(line.value, "VCARD");
    if (!in_card_) return FeedOutside(logical, is_begin);
    if (nested_ > 0) {
      nested_ += is_begin ? 1 : is_end ? -1 : 0;
      return;
    }
    if (is_begin) {
      if (!lines_.empty() && lines_.back().name == "AGENT" && lines_.back().value.empty()) {
        nested_ = 1;
        return;
      }
      Fail(logical.line, "card has no END:VCARD");
      Finish();
      return Start(logical.line);
    }
    if (is_end) return Finish();
    if (logical.too_long) return Fail(logical.line, "line too long");
    if (!parsed) return Fail(logical.line, "malformed line");
    lines_.push_back(std::move(line));
  }

  void End() {
    if (!in_card_) return;
    Fail(card_line_, "card has no END:VCARD");
    Finish();
  }

 private:
  void FeedOutside(const LogicalLine& logical, bool is_begin) {
    if (is_begin) return Start(logical.line);
    if (!reported_outside_) {
      result_->problems.push_back({logical.line, "text outside a card ignored", false});
    }
    reported_outside_ = true;
  }

  void Start(int line) {
    in_card_ = true;
    card_line_ = line;
    failed_ = false;
    nested_ = 0;
    lines_.clear();
    reported_outside_ = false;
  }

  void Fail(int line, const char* message) {
    if (!failed_) {
      result_->problems.push_back({line,
                                   std::string(message) + "; card skipped (begins at line " +
                                       std::to_string(card_line_) + ")",
                                   true});
    }
    failed_ = true;
  }

  void Finish() {
    in_card_ = false;
    if (failed_) return;
    VCardContact contact;
    contact.line = card_line_;
    VCardPropertyMapper(&contact, &result_->problems).Map(lines_);
    result_->contacts.push_back(std::move(contact));
  }

  VCardReadResult* result_;
  bool in_card_ = false;
  bool failed_ = false;
  bool reported_outside_ = false;
  int card_line_ = 0;
  int nested_ = 0;
  std::vector<VCardLine> lines_;
};

}  // namespace

VCardReadResult VCardReader::Read(std::string_view bytes) {
  VCardReadResult result;
  if (bytes.size() > kMaxInputBytes) {
    result.problems.push_back({0, "file larger than 64 MiB refused", true});
    return result;
  }
  if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  CardAssembler assembler(&result);
  for (const LogicalLine& line : SplitLogicalLines(bytes)) assembler.Feed(line);
  assembler.End();
  std::stable_sort(result.problems.begin(), result.problems.end(),
                   [](const VCardProblem& a, const VCardProblem& b) { return a.line < b.line; });
  return result;
}

}  // namespace platform::pim
