#include "messaging/SmsBridge.h"

#include <cstring>
#include <mutex>

#include "contacts/ContactSmartListControl.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPISession.h"
#include "messaging/SmsBufferLayout.h"
#include "messaging/SmsCounts.h"
#include "messaging/SmsRecount.h"
#include "platform/DynamicLibrary.h"
#include "platform/ipc/SharedMemory.h"
#include "platform/msgstore/SmsRuleClients.h"
#include "platform/registry/Registry.h"

namespace {

uint32_t ReadLittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

}  // namespace

std::optional<NewSmsNotice> ReadSmsNotice(const uint8_t* block, size_t size) {
  if (!block || size < kSmsBufferUsedBytes) return std::nullopt;
  const uint32_t entry_size = ReadLittleEndian32(block);
  if (entry_size == 0 || entry_size > kSmsBufferEntryBytes) return std::nullopt;
  NewSmsNotice notice;
  const uint8_t* entry = block + kSmsBufferEntryOffset;
  notice.entry.entry_id.assign(entry, entry + entry_size);
  const uint8_t* sender = block + kSmsBufferSenderOffset;
  for (size_t i = 0; i < kSmsBufferSenderUnits; ++i) {
    const auto unit = static_cast<char16_t>(sender[2 * i] | sender[2 * i + 1] << 8);
    if (unit == 0) break;
    notice.sender.push_back(unit);
  }
  return notice;
}

void EnsureSmsRuleClient() {
  if (platform::ReadRegistryDword(platform::HKEY_LOCAL_MACHINE, platform::msgstore::kSmsRulesKey,
                                  kSmsRuleClassId)) {
    return;
  }
  auto library = platform::DynamicLibrary::Load(kSmsRuleLibrary);
  if (!library) return;
  using RegisterFunction = int32_t (*)();
  if (void* entry = library->Symbol("DllRegisterServer")) {
    reinterpret_cast<RegisterFunction>(entry)();
  }
}

std::unique_ptr<SmsBuffer> SmsBuffer::Create() {
  auto memory = platform::ipc::SharedMemory::Create(kSmsBufferName, kSmsBufferBytes);
  if (!memory || memory->Size() < kSmsBufferUsedBytes) return nullptr;
  std::memset(memory->Data(), 0, kSmsBufferUsedBytes);
  return std::unique_ptr<SmsBuffer>(new SmsBuffer(std::move(memory)));
}

SmsBuffer::SmsBuffer(std::unique_ptr<platform::ipc::SharedMemory> memory)
    : memory_(std::move(memory)) {}

SmsBuffer::~SmsBuffer() {
  memory_.reset();
  platform::ipc::SharedMemory::Unlink(kSmsBufferName);
}

std::optional<NewSmsNotice> SmsBuffer::Read() const {
  // Copied first, so that every check and every use sees the same bytes even while the
  // library writes the next SMS.
  uint8_t copy[kSmsBufferUsedBytes];
  std::memcpy(copy, memory_->Data(), sizeof copy);
  return ReadSmsNotice(copy, sizeof copy);
}

ArrivedSms AttachArrivedSms(ContactSmartListControl& list, const NewSmsNotice& notice,
                            UnknownSenders unknown) {
  CMAPISession session;
  if (!session.Logon()) return ArrivedSms::kUnopened;
  std::unique_ptr<CMAPIMessage> message = session.OpenEntry(notice.entry);
  if (!message) return ArrivedSms::kUnopened;
  const ArrivedSms read = message->IsRead() ? ArrivedSms::kRead : ArrivedSms::kUnread;
  if (unknown == UnknownSenders::kLeaveToRecount) {
    const std::u16string address = message->GetSenderEmailAddress();
    std::lock_guard lock(list.ListLock());
    if (!FindContactForAddress(list, address)) return read;
  }
  AddSmsToContacts(list, *message, false);
  return read;
}
