// The services a loaded library (a rule client, for instance) gets from the process that
// loads it, as a plain C table. A library built outside the system links none of the
// platform: it exports QbAttachHost and receives this table right after it is loaded, so it
// works on the same device profile as its host. Every call returns 1 on success, 0 on failure.
//
// Strings are zero-terminated; UTF-16 ones are the registry's and window names.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

inline constexpr uint32_t kQbHostServicesVersion = 1;

struct QbHostServices {
  uint32_t version;
  // Registry writes; root is 0x80000001 (current user) or 0x80000002 (local machine).
  int (*reg_set_dword)(uint32_t root, const char16_t* key, const char16_t* name, uint32_t value);
  int (*reg_set_string)(uint32_t root, const char16_t* key, const char16_t* name,
                        const char16_t* text);
  // Copies size bytes into the named shared memory block of this device profile at offset;
  // fails when the block does not exist or the range does not fit it.
  int (*shared_memory_write)(const char* name, size_t offset, const void* bytes, size_t size);
  // Posts a registered message, by name, to the running program whose main window has this
  // class and title; fails when no such program runs.
  int (*post_registered_message)(const char16_t* window_class, const char16_t* title,
                                 const char* message_name);
};

// Exported by a library that wants the table.
using QbAttachHostFunction = void (*)(const QbHostServices*);
inline constexpr char kQbAttachHostSymbol[] = "QbAttachHost";

}  // extern "C"

namespace platform {

// The table this process hands to the libraries it loads.
const QbHostServices& HostServices();

}  // namespace platform
