// The program's side of the SMS interception bridge: making sure the interception library's
// rule client is registered, the shared block it fills, and reading a new SMS's identity
// from that block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "mapi/MAPIEntry.h"

namespace platform::ipc {
class SharedMemory;
}

class ContactSmartListControl;

// What the library wrote for one SMS.
struct NewSmsNotice {
  CMAPIEntry entry;  // entry_id only
  std::u16string sender;
};

// Reads the first 740 bytes of a block. Nothing when the entry id size is 0 or larger than
// its field (another process wrote it: it is checked, never trusted). The sender ends at its
// first zero or at the end of its field.
std::optional<NewSmsNotice> ReadSmsNotice(const uint8_t* block, size_t size);

// When the rule client's registry value is missing, loads the interception library and calls
// its DllRegisterServer once. A missing library or entry point is ignored.
void EnsureSmsRuleClient();

// The shared block "SmsBuffer" of this device profile, created with its first 740 bytes
// zeroed. The process that created it removes its name when it ends, since a named block
// would otherwise outlive every process that used it.
class SmsBuffer {
 public:
  // Null when the block cannot be created or mapped (the program then runs without arrival
  // notices).
  static std::unique_ptr<SmsBuffer> Create();
  ~SmsBuffer();
  SmsBuffer(const SmsBuffer&) = delete;
  SmsBuffer& operator=(const SmsBuffer&) = delete;

  std::optional<NewSmsNotice> Read() const;

 private:
  explicit SmsBuffer(std::unique_ptr<platform::ipc::SharedMemory> memory);
  std::unique_ptr<platform::ipc::SharedMemory> memory_;
};

// How an arrived SMS was taken.
enum class ArrivedSms {
  kUnopened,  // the message cannot be opened: left to the recount that follows the arrival
  kRead,      // attached; it arrived already read
  kUnread,    // attached; it arrived unread
};

// While the contact list is still loading, a sender with no row yet may be a contact that is
// not loaded yet: such an SMS is left to the recount that follows the load.
enum class UnknownSenders { kAddPseudoContact, kLeaveToRecount };

// Attaches the SMS named by the notice to its contact (or a new pseudo-contact) with live
// counts, and tells whether it was unread.
ArrivedSms AttachArrivedSms(ContactSmartListControl& list, const NewSmsNotice& notice,
                            UnknownSenders unknown = UnknownSenders::kAddPseudoContact);
