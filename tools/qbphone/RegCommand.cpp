// qbphone reg: reads and writes the device's registry from the command line, for scripts and
// for setting up the phone's state (unread count, signal strength, preferences) by hand.
//
//   reg get ROOT KEY VALUE              prints "NAME TYPE DATA"
//   reg set ROOT KEY VALUE TYPE DATA    TYPE: sz, expand_sz, dword, binary (hex)
//   reg list ROOT KEY                   one "NAME TYPE DATA" line per value
//   reg delete ROOT KEY [VALUE]         a value, or the key with everything below it
//
// Exit codes: 0 done, 1 no such key or value, 2 bad arguments, 3 the store failed.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace qbphone {

namespace {

using platform::Registry;
using platform::RegistryRoot;
using platform::RegistryValue;
using platform::RegResult;

constexpr char kUsage[] =
    "reg get ROOT KEY VALUE | reg set ROOT KEY VALUE sz|expand_sz|dword|binary DATA | "
    "reg list ROOT KEY | reg delete ROOT KEY [VALUE]   (ROOT: HKCU or HKLM)";

int Fail(int code, const std::string& message) {
  return CommandFailure("reg", code, message);
}

std::optional<RegistryRoot> ParseRoot(const std::string& text) {
  std::string upper;
  for (char c : text) upper.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c);
  if (upper == "HKEY_CURRENT_USER" || upper == "HKCU") return platform::HKEY_CURRENT_USER;
  if (upper == "HKEY_LOCAL_MACHINE" || upper == "HKLM") return platform::HKEY_LOCAL_MACHINE;
  return std::nullopt;
}

std::string Hex(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char b : bytes) {
    out.push_back(kDigits[b >> 4]);
    out.push_back(kDigits[b & 15]);
  }
  return out;
}

std::optional<std::string> ParseHex(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (ec != std::errc() || end != text.data() + i + 2) return std::nullopt;
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

// Decimal, or hexadecimal after "0x"; the whole text must be a number that fits 32 bits.
std::optional<uint32_t> ParseDword(const std::string& text) {
  int base = 10;
  size_t start = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    start = 2;
  }
  if (start >= text.size() || text[start] == '+' || text[start] == '-') return std::nullopt;
  uint32_t value = 0;
  const char* last = text.data() + text.size();
  auto [end, ec] = std::from_chars(text.data() + start, last, value, base);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

// Stored data kept from a terminal: control characters are shown as \xNN.
std::string Printable(const std::string& utf8) {
  std::string out;
  for (unsigned char c : utf8) {
    if (c < 0x20 || c == 0x7F) {
      static constexpr char kDigits[] = "0123456789abcdef";
      out += "\\x";
      out.push_back(kDigits[c >> 4]);
      out.push_back(kDigits[c & 15]);
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out;
}

std::string TypeName(uint32_t type) {
  switch (type) {
    case platform::REG_SZ:
      return "sz";
    case platform::REG_EXPAND_SZ:
      return "expand_sz";
    case platform::REG_DWORD:
      return "dword";
    case platform::REG_BINARY:
      return "binary";
    default:
      return "type" + std::to_string(type);
  }
}

// Strings show their text before the first NUL, DWORDs their decimal number; anything not
// of its type's shape shows as hex.
std::string DataText(const RegistryValue& value) {
  const std::string& bytes = value.data;
  bool is_string = value.type == platform::REG_SZ || value.type == platform::REG_EXPAND_SZ;
  if (is_string && bytes.size() % 2 == 0) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
      text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                      (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    if (auto nul = text.find(u'\0'); nul != text.npos) text.resize(nul);
    return Printable(platform::ToUtf8(text));
  }
  if (value.type == platform::REG_DWORD && bytes.size() == 4) {
    uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    return std::to_string(number);
  }
  return Hex(bytes);
}

void PrintValue(const RegistryValue& value) {
  std::string name = value.name.empty() ? "(default)" : Printable(platform::ToUtf8(value.name));
  std::printf("%s %s %s\n", name.c_str(), TypeName(value.type).c_str(), DataText(value).c_str());
}

// The bytes to store for TYPE DATA, or nullopt when DATA does not fit TYPE.
std::optional<std::pair<uint32_t, std::string>> EncodeData(const std::string& type,
                                                           const std::string& data) {
  if (type == "sz" || type == "expand_sz") {
    std::u16string text = platform::FromUtf8(data);
    text.push_back(u'\0');
    std::string bytes;
    for (char16_t c : text) {
      bytes.push_back(static_cast<char>(c & 0xFF));
      bytes.push_back(static_cast<char>(c >> 8));
    }
    return std::pair{type == "sz" ? platform::REG_SZ : platform::REG_EXPAND_SZ, bytes};
  }
  if (type == "dword") {
    auto number = ParseDword(data);
    if (!number) return std::nullopt;
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((*number >> (8 * i)) & 0xFF));
    return std::pair{platform::REG_DWORD, bytes};
  }
  if (type == "binary") {
    auto bytes = ParseHex(data);
    if (!bytes) return std::nullopt;
    return std::pair{platform::REG_BINARY, *bytes};
  }
  return std::nullopt;
}

int ResultCode(RegResult result, const std::string& what) {
  switch (result) {
    case platform::ERROR_SUCCESS:
      return 0;
    case platform::ERROR_FILE_NOT_FOUND:
      return Fail(kExitNotFound, "not found: " + what);
    case platform::ERROR_INVALID_PARAMETER:
      return Fail(kExitUsage, "invalid key, name or data: " + what);
    default:
      return Fail(kExitStoreFailed, "cannot write the registry (" + what + ")");
  }
}

int Get(Registry& reg, RegistryRoot root, const std::vector<std::string>& args) {
  if (args.size() != 4) return Fail(kExitUsage, std::string("usage: ") + kUsage);
  auto key = platform::FromUtf8(args[2]);
  auto name = platform::FromUtf8(args[3]);
  uint32_t size = 0;
  RegResult probe = reg.QueryValue(root, key, name, nullptr, nullptr, &size);
  if (probe != platform::ERROR_SUCCESS) return ResultCode(probe, args[2] + " " + args[3]);
  auto value = reg.GetValue(root, key, name);
  if (!value) return Fail(kExitNotFound, "not found: " + args[2] + " " + args[3]);
  PrintValue(*value);
  return 0;
}

int Set(Registry& reg, RegistryRoot root, const std::vector<std::string>& args) {
  if (args.size() != 6) return Fail(kExitUsage, std::string("usage: ") + kUsage);
  auto encoded = EncodeData(args[4], args[5]);
  if (!encoded) return Fail(kExitUsage, "data does not fit type " + args[4] + ": " + args[5]);
  if (encoded->second.size() > platform::kMaxRegistryValueBytes) {
    return Fail(kExitUsage, "data longer than the registry accepts");
  }
  RegResult result =
      reg.SetValue(root, platform::FromUtf8(args[2]), platform::FromUtf8(args[3]), encoded->first,
                   encoded->second.data(), static_cast<uint32_t>(encoded->second.size()));
  return ResultCode(result, args[2] + " " + args[3]);
}

int List(Registry& reg, RegistryRoot root, const std::vector<std::string>& args) {
  if (args.size() != 3) return Fail(kExitUsage, std::string("usage: ") + kUsage);
  std::vector<RegistryValue> values;
  RegResult result = reg.EnumValues(root, platform::FromUtf8(args[2]), values);
  if (result != platform::ERROR_SUCCESS) return ResultCode(result, args[2]);
  for (const auto& value : values) PrintValue(value);
  return 0;
}

int Delete(Registry& reg, RegistryRoot root, const std::vector<std::string>& args) {
  if (args.size() != 3 && args.size() != 4)
    return Fail(kExitUsage, std::string("usage: ") + kUsage);
  auto key = platform::FromUtf8(args[2]);
  if (args.size() == 4) {
    return ResultCode(reg.DeleteValue(root, key, platform::FromUtf8(args[3])),
                      args[2] + " " + args[3]);
  }
  return ResultCode(reg.DeleteKey(root, key), args[2]);
}

int RegMain(const std::vector<std::string>& args) {
  if (args.size() < 3) return Fail(kExitUsage, std::string("usage: ") + kUsage);
  auto root = ParseRoot(args[1]);
  if (!root) return Fail(kExitUsage, "unknown root " + args[1] + " (HKCU or HKLM)");
  Registry& reg = Registry::ForDevice();
  if (!reg.usable()) return Fail(kExitStoreFailed, "cannot open " + reg.path());
  const std::string& verb = args[0];
  if (verb == "get") return Get(reg, *root, args);
  if (verb == "set") return Set(reg, *root, args);
  if (verb == "list") return List(reg, *root, args);
  if (verb == "delete") return Delete(reg, *root, args);
  return Fail(kExitUsage, "unknown command " + verb + "; usage: " + kUsage);
}

const CommandRegistrar kRegCommand("reg", kUsage, RegMain);

}  // namespace

}  // namespace qbphone
