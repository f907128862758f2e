// The registry against a plain model of its rules. The first byte chooses:
//   odd:  the rest is up to eight operations (set, get, query, add, delete, create, open,
//         enumerate) on one registry opened for the whole run; after each write the touched
//         key must look as the model says, and after the last step the whole tree must. The
//         registry is then emptied through its own calls for the next input;
//   even: the rest is a store file left on the device; opening it must recover or fail
//         cleanly, and the registry must then work or refuse writes.
//
// The model is a tree per root of keys and values filed under their folded names (lower-cased
// per UTF-16 unit), each keeping the spelling it was created with; enumerations are in the
// order of the folded names. Names come from a short list with the same name in several cases
// (and letters whose lower case is an ASCII one: U+0130, the Kelvin sign), so that operations
// meet the same keys and values. QB_FUZZ_TRACE=1 lists the steps on stderr.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/Text.h"
#include "platform/registry/Registry.h"

namespace {

using namespace std::string_view_literals;
using platform::RegistryRoot;
using platform::RegistryValue;
using platform::RegResult;

void Check(bool ok) {
  if (!ok) std::abort();
}

// A folder of our own, in memory when the system has one: the store is written often. It goes
// when the run ends, after the registry that lives in it (constructed later, destroyed first).
struct TempFolder {
  std::string path;
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

const std::string& Folder() {
  static const TempFolder folder = [] {
    char shm[] = "/dev/shm/qbfuzz-registry-XXXXXX";
    char tmp[] = "/tmp/qbfuzz-registry-XXXXXX";
    const char* made = mkdtemp(shm);
    if (!made) made = mkdtemp(tmp);
    if (!made) std::abort();
    return TempFolder{made};
  }();
  return folder.path;
}

// ---- Names ----

const std::u16string kLong255(255, u'x');
const std::u16string kLong254(254, u'X');
const std::u16string kLong256(256, u'y');

// Key path components: the same names in other cases, and malformed ones (empty components
// come from the path's shape).
const std::u16string_view kKeyNames[] = {u"Software",   u"SOFTWARE",   u"Quillbook",  u"QUILLBOOK",
                                         u"Contact",    u"contact",    u"\u00C4rger", u"\u00E4RGER",
                                         u"\u03A9mega", u"\u03C9MEGA", u"\U0001F600", u"\U00010400",
                                         u"\U00010428", u"\u0130",     u"i",          u"I",
                                         u"\u212A",     u"k",          u"a b"};
const std::u16string_view kBadKeyNames[] = {u"\xD800", u"a\0b"sv, kLong256, u"\xDC00x"};
// Long components, kept to paths of their own: five of them meet the path length limit from
// both sides, and every step on such a path handles a thousand units.
const std::u16string_view kLongKeyNames[] = {kLong255, kLong254, u"i"};

// Value names: the empty one is the key's default value; a backslash is allowed here.
const std::u16string_view kValueNames[] = {
    u"",       u"Theme", u"THEME",  u"Count", u"\u00C4", u"\u00E4", u"a\\b",   u"\U0001F600",
    u"\u0130", u"i",     u"\u212A", u"K",     kLong255,  kLong256,  u"\xDC00", u"n\0"sv};

std::u16string RawText(FuzzedDataProvider& in) {
  std::string bytes = in.ConsumeRandomLengthString(80);
  std::u16string text(bytes.size() / 2, u'\0');
  std::memcpy(text.data(), bytes.data(), text.size() * 2);
  return text;
}

// Up to five components, with or without a leading backslash, now and then malformed.
// (The depth limit is left to the unit tests: a chain of 64 keys costs a hundred lookups.)
std::u16string PickPath(FuzzedDataProvider& in) {
  const auto shape = in.ConsumeIntegral<uint8_t>();
  if (shape == 0xFF) return RawText(in);
  std::u16string path;
  if (shape & 8) path += u'\\';
  int depth = shape & 7;
  if (depth > 5) depth -= 4;
  const int tail = (shape >> 4) & 7;
  for (int i = 0; i < depth; ++i) {
    if (i) path += u'\\';
    if (tail == 5) {
      path += kLongKeyNames[in.ConsumeIntegralInRange<size_t>(0, std::size(kLongKeyNames) - 1)];
      continue;
    }
    const size_t n = in.ConsumeIntegralInRange<size_t>(0, std::size(kKeyNames) * 8 + 3);
    path +=
        n < std::size(kKeyNames) * 8 ? kKeyNames[n % std::size(kKeyNames)] : kBadKeyNames[n % 4];
  }
  if (tail == 7) path += u'\\';
  if (tail == 6) path += u"\\\\x";
  return path;
}

std::u16string PickValueName(FuzzedDataProvider& in) {
  size_t n = in.ConsumeIntegralInRange<size_t>(0, std::size(kValueNames));
  if (n == std::size(kValueNames)) return RawText(in);
  return std::u16string(kValueNames[n]);
}

RegistryRoot PickRoot(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
    case 1:
    case 2:
      return platform::HKEY_CURRENT_USER;
    case 6:
      return static_cast<RegistryRoot>(0);
    case 7:
      return static_cast<RegistryRoot>(0x80000003u);
    default:
      return platform::HKEY_LOCAL_MACHINE;
  }
}

// ---- The model ----

bool WellFormed(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == 0 || (c >= 0xDC00 && c <= 0xDFFF)) return false;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return false;
      ++i;
    }
  }
  return true;
}

// The components of a path, or nullopt when the registry must refuse it.
std::optional<std::vector<std::u16string>> Components(std::u16string_view path) {
  if (path.size() > platform::kMaxRegistryPath) return std::nullopt;
  if (!path.empty() && path[0] == u'\\') path.remove_prefix(1);
  std::vector<std::u16string> parts;
  if (path.empty()) return parts;
  std::u16string part;
  for (size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != u'\\') {
      part += path[i];
      continue;
    }
    if (part.empty() || part.size() > platform::kMaxRegistryKeyComponent || !WellFormed(part)) {
      return std::nullopt;
    }
    parts.push_back(std::move(part));
    part.clear();
  }
  if (parts.size() > platform::kMaxRegistryDepth) return std::nullopt;
  return parts;
}

bool ValidValueName(std::u16string_view name) {
  return name.size() <= platform::kMaxRegistryValueName && WellFormed(name);
}

bool KnownRoot(RegistryRoot root) {
  return root == platform::HKEY_CURRENT_USER || root == platform::HKEY_LOCAL_MACHINE;
}

std::string Fold(std::u16string_view name) {
  return platform::ToUtf8(platform::ToLower(name));
}

struct ModelKey {
  std::u16string name;
  std::map<std::string, RegistryValue> values;
  std::map<std::string, std::unique_ptr<ModelKey>> keys;
};

struct Model {
  ModelKey current_user;
  ModelKey local_machine;

  ModelKey& Root(RegistryRoot root) {
    return root == platform::HKEY_LOCAL_MACHINE ? local_machine : current_user;
  }
  ModelKey* Find(RegistryRoot root, const std::vector<std::u16string>& path) {
    ModelKey* key = &Root(root);
    for (const auto& part : path) {
      auto it = key->keys.find(Fold(part));
      if (it == key->keys.end()) return nullptr;
      key = it->second.get();
    }
    return key;
  }
  ModelKey& Create(RegistryRoot root, const std::vector<std::u16string>& path) {
    ModelKey* key = &Root(root);
    for (const auto& part : path) {
      auto& slot = key->keys[Fold(part)];
      if (!slot) slot = std::make_unique<ModelKey>(ModelKey{part, {}, {}});
      key = slot.get();
    }
    return *key;
  }
  // The deepest key of the path that exists, with its path as the keys spell themselves.
  std::pair<ModelKey*, std::u16string> Nearest(RegistryRoot root,
                                               const std::vector<std::u16string>& path) {
    ModelKey* key = &Root(root);
    std::u16string spelled;
    for (const auto& part : path) {
      auto it = key->keys.find(Fold(part));
      if (it == key->keys.end()) break;
      key = it->second.get();
      if (!spelled.empty()) spelled += u'\\';
      spelled += key->name;
    }
    return {key, spelled};
  }
};

bool SameValue(const RegistryValue& a, const RegistryValue& b) {
  return a.name == b.name && a.type == b.type && a.data == b.data;
}

// ---- Comparing ----

platform::Registry& OpsRegistry() {
  static platform::Registry registry(Folder() + "/ops.db");
  return registry;
}

// The key's values and direct subkeys, in order, and so on for `levels` levels below. (Each
// lookup walks the path from the root; deeper keys, from raw paths, are compared where they
// were written.)
void CompareKey(RegistryRoot root, const std::u16string& path, const ModelKey& key, int levels) {
  auto& reg = OpsRegistry();
  std::vector<RegistryValue> values;
  Check(reg.EnumValues(root, path, values) == platform::ERROR_SUCCESS);
  Check(values.size() == key.values.size());
  size_t i = 0;
  for (const auto& [folded, value] : key.values) Check(SameValue(values[i++], value));
  std::vector<std::u16string> names;
  Check(reg.EnumSubKeys(root, path, names) == platform::ERROR_SUCCESS);
  Check(names.size() == key.keys.size());
  i = 0;
  for (const auto& [folded, sub] : key.keys) {
    Check(names[i++] == sub->name);
    if (levels > 0) {
      CompareKey(root, path.empty() ? sub->name : path + u'\\' + sub->name, *sub, levels - 1);
    }
  }
}

// ---- Operations ----

void SetValue(FuzzedDataProvider& in, Model& model, RegistryRoot root, const std::u16string& path,
              const std::optional<std::vector<std::u16string>>& parts) {
  static const uint32_t kTypes[] = {
      platform::REG_NONE,   platform::REG_SZ,    platform::REG_EXPAND_SZ,
      platform::REG_BINARY, platform::REG_DWORD, 7u,
      0x80000000u,          0xFFFFFFFFu};
  const size_t pick = in.ConsumeIntegralInRange<size_t>(0, std::size(kTypes));
  const uint32_t type = pick < std::size(kTypes) ? kTypes[pick] : in.ConsumeIntegral<uint32_t>();
  const std::u16string name = PickValueName(in);
  const int shape = in.ConsumeIntegralInRange(0, 15);
  std::string data = in.ConsumeRandomLengthString(48);
  bool refused = !parts || !ValidValueName(name);
  RegResult result;
  if (shape == 14) {
    // Bytes promised but none given.
    result = OpsRegistry().SetValue(root, path, name, type, nullptr, 4);
    refused = true;
  } else if (shape == 15) {
    static const std::string kTooLong(platform::kMaxRegistryValueBytes + 1, 'z');
    result = OpsRegistry().SetValue(root, path, name, type, kTooLong.data(),
                                    static_cast<uint32_t>(kTooLong.size()));
    refused = true;
  } else {
    result = OpsRegistry().SetValue(root, path, name, type, data.empty() ? nullptr : data.data(),
                                    static_cast<uint32_t>(data.size()));
  }
  if (refused) {
    Check(result == platform::ERROR_INVALID_PARAMETER);
    return;
  }
  Check(result == platform::ERROR_SUCCESS);
  auto& values = model.Create(root, *parts).values;
  auto [it, added] = values.try_emplace(Fold(name), RegistryValue{name, type, data});
  if (!added) {
    it->second.type = type;
    it->second.data = data;
  }
}

void AddToDword(FuzzedDataProvider& in, Model& model, RegistryRoot root, const std::u16string& path,
                const std::optional<std::vector<std::u16string>>& parts) {
  static const int64_t kDeltas[] = {
      1, -1, 0, 0xFFFFFFFFll, 0x100000000ll, -0x100000000ll, INT64_MAX, INT64_MIN, INT64_MAX - 1};
  const size_t pick = in.ConsumeIntegralInRange<size_t>(0, std::size(kDeltas));
  const int64_t delta = pick < std::size(kDeltas) ? kDeltas[pick] : in.ConsumeIntegral<int64_t>();
  const std::u16string name = PickValueName(in);
  const bool want_number = in.ConsumeBool();
  uint32_t number = 0xA5A5A5A5u;
  RegResult result =
      OpsRegistry().AddToDword(root, path, name, delta, want_number ? &number : nullptr);
  if (!parts || !ValidValueName(name)) {
    Check(result == platform::ERROR_INVALID_PARAMETER);
    return;
  }
  Check(result == platform::ERROR_SUCCESS);
  auto& values = model.Create(root, *parts).values;
  auto [it, added] = values.try_emplace(Fold(name), RegistryValue{name, platform::REG_DWORD, ""});
  __int128 old = 0;
  const std::string& bytes = it->second.data;
  if (!added && it->second.type == platform::REG_DWORD && bytes.size() == 4) {
    for (int i = 3; i >= 0; --i) old = old * 256 + static_cast<uint8_t>(bytes[i]);
  }
  __int128 sum = old + delta;
  const uint32_t expected = sum < 0            ? 0u
                            : sum > 0xFFFFFFFF ? 0xFFFFFFFFu
                                               : static_cast<uint32_t>(sum);
  if (want_number) Check(number == expected);
  it->second.type = platform::REG_DWORD;
  it->second.data.assign({static_cast<char>(expected), static_cast<char>(expected >> 8),
                          static_cast<char>(expected >> 16), static_cast<char>(expected >> 24)});
}

void GetValue(FuzzedDataProvider& in, Model& model, RegistryRoot root, const std::u16string& path,
              const std::optional<std::vector<std::u16string>>& parts) {
  const std::u16string name = PickValueName(in);
  auto got = OpsRegistry().GetValue(root, path, name);
  const ModelKey* key = parts && KnownRoot(root) ? model.Find(root, *parts) : nullptr;
  if (!key || !ValidValueName(name)) {
    Check(!got);
    return;
  }
  auto it = key->values.find(Fold(name));
  Check(got.has_value() == (it != key->values.end()));
  if (got) Check(SameValue(*got, it->second));
}

void QueryValue(FuzzedDataProvider& in, Model& model, RegistryRoot root, const std::u16string& path,
                const std::optional<std::vector<std::u16string>>& parts) {
  const std::u16string name = PickValueName(in);
  const int shape = in.ConsumeIntegralInRange(0, 3);  // buffer, length only, type only, no size
  const uint32_t capacity = in.ConsumeIntegralInRange<uint32_t>(0, 64);
  std::vector<uint8_t> buffer(capacity + 8, 0xA5);
  uint32_t type = 0xA5A5A5A5u;
  uint32_t size = capacity;
  const bool with_data = shape == 0 || shape == 3;
  RegResult result = OpsRegistry().QueryValue(root, path, name, shape == 1 ? nullptr : &type,
                                              with_data ? buffer.data() : nullptr,
                                              shape == 0 || shape == 1 ? &size : nullptr);
  if (shape == 3 || !parts || !KnownRoot(root) || !ValidValueName(name)) {
    Check(result == platform::ERROR_INVALID_PARAMETER);
    return;
  }
  const ModelKey* key = model.Find(root, *parts);
  auto it = key ? key->values.find(Fold(name)) : decltype(key->values.cend()){};
  if (!key || it == key->values.end()) {
    Check(result == platform::ERROR_FILE_NOT_FOUND);
    return;
  }
  const RegistryValue& want = it->second;
  if (shape != 1) Check(type == want.type);
  if (shape == 2) {
    Check(result == platform::ERROR_SUCCESS);
    return;
  }
  Check(size == want.data.size());
  const bool fits = !with_data || want.data.size() <= capacity;
  Check(result == (fits ? platform::ERROR_SUCCESS : platform::ERROR_MORE_DATA));
  // What fits is copied and nothing beyond it; what does not fit leaves the buffer alone.
  const size_t copied = with_data && fits ? want.data.size() : 0;
  Check(std::memcmp(buffer.data(), want.data.data(), copied) == 0);
  for (size_t i = copied; i < buffer.size(); ++i) Check(buffer[i] == 0xA5);
}

void DeleteValue(FuzzedDataProvider& in, Model& model, RegistryRoot root,
                 const std::u16string& path,
                 const std::optional<std::vector<std::u16string>>& parts) {
  const std::u16string name = PickValueName(in);
  RegResult result = OpsRegistry().DeleteValue(root, path, name);
  if (!parts || !KnownRoot(root) || !ValidValueName(name)) {
    Check(result == platform::ERROR_INVALID_PARAMETER);
    return;
  }
  ModelKey* key = model.Find(root, *parts);
  const bool deleted = key && key->values.erase(Fold(name)) > 0;
  Check(result == (deleted ? platform::ERROR_SUCCESS : platform::ERROR_FILE_NOT_FOUND));
}

void DeleteKey(Model& model, RegistryRoot root, const std::u16string& path,
               const std::optional<std::vector<std::u16string>>& parts) {
  RegResult result = OpsRegistry().DeleteKey(root, path);
  if (!parts || !KnownRoot(root) || parts->empty()) {
    Check(result == platform::ERROR_INVALID_PARAMETER);
    return;
  }
  std::vector<std::u16string> parent_path(parts->begin(), parts->end() - 1);
  ModelKey* parent = model.Find(root, parent_path);
  const bool deleted = parent && parent->keys.erase(Fold(parts->back())) > 0;
  Check(result == (deleted ? platform::ERROR_SUCCESS : platform::ERROR_FILE_NOT_FOUND));
}

void Enumerate(Model& model, RegistryRoot root, const std::u16string& path,
               const std::optional<std::vector<std::u16string>>& parts) {
  // Whatever the vectors held before is dropped, whatever the outcome.
  std::vector<RegistryValue> values(1);
  std::vector<std::u16string> names(1);
  RegResult values_result = OpsRegistry().EnumValues(root, path, values);
  RegResult names_result = OpsRegistry().EnumSubKeys(root, path, names);
  const ModelKey* key = parts && KnownRoot(root) ? model.Find(root, *parts) : nullptr;
  if (!key) {
    const RegResult want = parts && KnownRoot(root) ? platform::ERROR_FILE_NOT_FOUND
                                                    : platform::ERROR_INVALID_PARAMETER;
    Check(values_result == want && names_result == want && values.empty() && names.empty());
    return;
  }
  // The key itself is compared through its own spelling after the step.
  Check(values_result == platform::ERROR_SUCCESS && names_result == platform::ERROR_SUCCESS);
  Check(values.size() == key->values.size() && names.size() == key->keys.size());
}

// Empties both roots through the public calls, as the model says they hold.
void Reset(Model& model) {
  auto& reg = OpsRegistry();
  for (RegistryRoot root : {platform::HKEY_CURRENT_USER, platform::HKEY_LOCAL_MACHINE}) {
    ModelKey& key = model.Root(root);
    for (const auto& [folded, sub] : key.keys) {
      Check(reg.DeleteKey(root, sub->name) == platform::ERROR_SUCCESS);
    }
    for (const auto& [folded, value] : key.values) {
      Check(reg.DeleteValue(root, u"", value.name) == platform::ERROR_SUCCESS);
    }
    key.keys.clear();
    key.values.clear();
  }
}

constexpr int kMaxSteps = 8;

bool Tracing() {
  static const bool tracing = std::getenv("QB_FUZZ_TRACE") != nullptr;
  return tracing;
}

void RunOperations(const uint8_t* data, size_t size) {
  auto& reg = OpsRegistry();
  Check(reg.usable());
  Model model;
  FuzzedDataProvider in(data, size);
  // Faults need few steps when names collide this often; each step costs store round trips.
  for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) {
    const int op = in.ConsumeIntegralInRange(0, 9);
    const RegistryRoot root = PickRoot(in);
    const std::u16string path = PickPath(in);
    const auto parts = KnownRoot(root) ? Components(path) : std::nullopt;
    if (Tracing()) {
      std::fprintf(stderr, "step %d: op %d root %x path %s (%zu units, %s)\n", step, op,
                   static_cast<unsigned>(root), platform::ToUtf8(path).c_str(), path.size(),
                   parts ? "valid" : "refused");
    }
    switch (op) {
      case 0:
      case 1:
        SetValue(in, model, root, path, parts);
        break;
      case 2:
        GetValue(in, model, root, path, parts);
        break;
      case 3:
        QueryValue(in, model, root, path, parts);
        break;
      case 4:
        AddToDword(in, model, root, path, parts);
        break;
      case 5:
        DeleteValue(in, model, root, path, parts);
        break;
      case 6:
        DeleteKey(model, root, path, parts);
        break;
      case 7: {
        RegResult result = reg.CreateKey(root, path);
        Check(result == (parts ? platform::ERROR_SUCCESS : platform::ERROR_INVALID_PARAMETER));
        if (parts) model.Create(root, *parts);
        break;
      }
      case 8: {
        RegResult result = reg.OpenKey(root, path);
        const bool exists = parts && model.Find(root, *parts);
        Check(result == (!parts   ? platform::ERROR_INVALID_PARAMETER
                         : exists ? platform::ERROR_SUCCESS
                                  : platform::ERROR_FILE_NOT_FOUND));
        break;
      }
      default:
        Enumerate(model, root, path, parts);
        break;
    }
    // The key a write touched (or its nearest existing parent) as the model has it.
    const bool wrote = op <= 1 || (op >= 4 && op <= 7);
    if (wrote && parts) {
      auto [key, spelled] = model.Nearest(root, *parts);
      CompareKey(root, spelled, *key, 0);
    }
  }
  for (RegistryRoot root : {platform::HKEY_CURRENT_USER, platform::HKEY_LOCAL_MACHINE}) {
    CompareKey(root, u"", model.Root(root), 5);
  }
  Reset(model);
}

// ---- Damaged files ----

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  Check(fd >= 0);
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    Check(n > 0);
    data += n;
    size -= static_cast<size_t>(n);
  }
  close(fd);
}

void OpenDamagedFile(const uint8_t* data, size_t size) {
  const std::string path = Folder() + "/damaged.db";
  for (const char* suffix : {"", "-wal", "-shm", ".corrupt-1", ".corrupt-1-wal"}) {
    unlink((path + suffix).c_str());
  }
  WriteFile(path, data, size);
  platform::Registry reg(path);
  std::vector<RegistryValue> values;
  std::vector<std::u16string> names;
  reg.EnumValues(platform::HKEY_CURRENT_USER, u"", values);
  reg.EnumSubKeys(platform::HKEY_LOCAL_MACHINE, u"", names);
  reg.GetValue(platform::HKEY_CURRENT_USER, u"Software\\Quillbook\\Contact", u"Theme");
  const uint32_t one = 1;
  RegResult result =
      reg.SetValue(platform::HKEY_CURRENT_USER, u"K", u"V", platform::REG_DWORD, &one, 4);
  Check(!reg.usable() || result == platform::ERROR_SUCCESS);
  if (result == platform::ERROR_SUCCESS) {
    auto value = reg.GetValue(platform::HKEY_CURRENT_USER, u"k", u"v");
    Check(value && value->type == platform::REG_DWORD && value->data == "\1\0\0\0"sv);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 256 * 1024) return 0;
  if (data[0] % 2 == 0) {
    OpenDamagedFile(data + 1, size - 1);
  } else {
    RunOperations(data + 1, size - 1);
  }
  return 0;
}
