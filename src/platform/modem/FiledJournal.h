// The SMS the phone's SMS transport filed lately, kept in the device profile: an SMS filed
// just before the transport ended, or whose delete the modem refused, is still on the modem at
// the next start and must not be filed twice. An SMS is known by a hash of its number, the
// service centre's time and its text; one without a time is not kept, since two of those may
// be the same words sent twice. The newest kMaxFiledKeys keys are kept.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "platform/modem/ModemSms.h"

namespace platform::modem {

inline constexpr size_t kMaxFiledKeys = 256;

class FiledJournal {
 public:
  // Loads the journal at `path`; a missing, over-long or malformed file counts as empty
  // (malformed lines are skipped).
  explicit FiledJournal(std::string path);

  static std::optional<uint64_t> KeyOf(const ModemSms& sms);

  bool Contains(uint64_t key) const;
  // Adds the key and writes the journal at once (atomically); false when it could not.
  bool Add(uint64_t key);

 private:
  std::string path_;
  std::deque<uint64_t> keys_;
};

}  // namespace platform::modem
