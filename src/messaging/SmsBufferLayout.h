// The block through which the SMS interception library tells the program about a new SMS,
// and the names both sides agree on. Little-endian layout of the first 740 bytes:
//   0    4    entry id size
//   4  536    entry id (the store's, at most 536 bytes)
// 540  200    sender's number, UTF-16, zero-terminated (at most 99 units)
// The rest of the 1,024 bytes is unused.
#pragma once

#include <cstddef>

inline constexpr char kSmsBufferName[] = "SmsBuffer";
inline constexpr size_t kSmsBufferBytes = 1024;
inline constexpr size_t kSmsBufferUsedBytes = 740;
inline constexpr size_t kSmsBufferEntryOffset = 4;
inline constexpr size_t kSmsBufferEntryBytes = 536;
inline constexpr size_t kSmsBufferSenderOffset = 540;
inline constexpr size_t kSmsBufferSenderBytes = 200;
inline constexpr size_t kSmsBufferSenderUnits = 99;  // and the terminating zero

// The interception library: its name, and the class id of its SMS rule client.
inline constexpr char16_t kSmsRuleLibrary[] = u"smsweir.dll";
inline constexpr char16_t kSmsRuleClassId[] = u"{2B7F4C19-D3A6-4E58-9C01-B6E4A87F2D35}";
inline constexpr char kNewSmsMessageName[] = "QuillbookNewSMS";
