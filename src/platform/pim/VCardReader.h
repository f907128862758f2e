// Reads vCard files (versions 2.1, 3.0 and 4.0, any number of cards) into contacts. The input is
// untrusted: its size is bounded, every line is checked, and a malformed card is reported with
// its line and skipped while the other cards are read.
#pragma once

#include <string_view>
#include <vector>

#include "platform/pim/VCardContact.h"

namespace platform::pim {

struct VCardReadResult {
  std::vector<VCardContact> contacts;
  std::vector<VCardProblem> problems;  // in line order
};

class VCardReader {
 public:
  // Largest file read (bigger input is refused whole with one problem).
  static constexpr size_t kMaxInputBytes = 64 * 1024 * 1024;

  static VCardReadResult Read(std::string_view bytes);
};

}  // namespace platform::pim
