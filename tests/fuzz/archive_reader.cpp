// Fuzzes the archive reader through its in-memory interface. The first byte chooses:
//   even: the rest is an archive as it stands;
//   odd:  the rest describes up to eight members (name, data, stored or deflated, header fields
//         to falsify) that are built into a ZIP container, so that mutations reach the member
//         reads instead of dying in the directory search.
// Every member is looked up by name and read whole, and the first few also by index in small
// pieces. A member built without falsified fields must read back byte for byte.
#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "theme/ThemeArchive.h"

namespace {

struct Member {
  std::string name;
  std::string data;
  bool honest = true;  // no header field falsified: must read back as built
};

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

std::string RawDeflate(const std::string& data, int level) {
  z_stream z{};
  if (deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) return {};
  std::string out(deflateBound(&z, data.size()), '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Builds the container: local headers with data, the central directory, its end record.
std::string BuildArchive(FuzzedDataProvider& in, std::vector<Member>& members) {
  std::string zip = in.ConsumeBool() ? in.ConsumeRandomLengthString(64) : "";  // a stub before
  std::string directory;
  const int count = in.ConsumeIntegralInRange(1, 8);
  for (int i = 0; i < count; ++i) {
    Member member{in.ConsumeRandomLengthString(40), in.ConsumeRandomLengthString(4096)};
    const auto falsify = in.ConsumeIntegral<uint8_t>();
    const bool deflated = falsify & 0x80;
    std::string stored =
        deflated ? RawDeflate(member.data, in.ConsumeIntegralInRange(0, 9)) : member.data;
    uint32_t crc =
        static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(member.data.data()),
                                    static_cast<uInt>(member.data.size())));
    uint32_t size = static_cast<uint32_t>(member.data.size());
    uint32_t packed = static_cast<uint32_t>(stored.size());
    uint32_t offset = static_cast<uint32_t>(zip.size());
    uint16_t flags = 0;
    uint16_t method = deflated ? 8 : 0;
    if (falsify & 0x01) flags = in.ConsumeIntegral<uint16_t>();  // encryption, descriptors...
    if (falsify & 0x02) crc ^= in.ConsumeIntegral<uint32_t>();
    if (falsify & 0x04) size = in.ConsumeIntegral<uint32_t>();
    if (falsify & 0x08) packed = in.ConsumeIntegral<uint32_t>();
    if (falsify & 0x10) offset ^= in.ConsumeIntegral<uint32_t>();
    if (falsify & 0x20) method = in.ConsumeIntegral<uint16_t>();
    if ((falsify & 0x40) && !stored.empty()) {
      stored[in.ConsumeIntegralInRange<size_t>(0, stored.size() - 1)] ^= 0x5A;
    }
    member.honest = (falsify & 0x7F) == 0;
    const uint32_t name_size = static_cast<uint32_t>(member.name.size());
    Put32(zip, 0x04034b50);
    Put16(zip, 20), Put16(zip, flags), Put16(zip, method), Put32(zip, 0x21000000);
    Put32(zip, crc), Put32(zip, packed), Put32(zip, size);
    Put16(zip, name_size), Put16(zip, 0);
    zip += member.name + stored;
    Put32(directory, 0x02014b50);
    Put16(directory, 20), Put16(directory, 20), Put16(directory, flags), Put16(directory, method);
    Put32(directory, 0x21000000), Put32(directory, crc), Put32(directory, packed);
    Put32(directory, size), Put16(directory, name_size), Put16(directory, 0), Put16(directory, 0);
    Put16(directory, 0), Put16(directory, 0), Put32(directory, 0), Put32(directory, offset);
    directory += member.name;
    members.push_back(std::move(member));
  }
  const uint32_t directory_offset = static_cast<uint32_t>(zip.size());
  zip += directory;
  // The end record is found by searching back from the end; a comment must not hold another.
  std::string comment = in.ConsumeRandomLengthString(32);
  for (char& c : comment) c = c == 'P' ? 'p' : c;
  Put32(zip, 0x06054b50);
  Put16(zip, 0), Put16(zip, 0), Put16(zip, count), Put16(zip, count);
  Put32(zip, static_cast<uint32_t>(directory.size())), Put32(zip, directory_offset);
  Put16(zip, static_cast<uint32_t>(comment.size()));
  zip += comment;
  return zip;
}

// Whether a name survives the lookup's UTF-16 form unchanged and names this member first.
bool LookupReaches(const std::vector<Member>& members, size_t index) {
  const std::string& name = members[index].name;
  if (name.find('\0') != std::string::npos || platform::ToUtf8(platform::FromUtf8(name)) != name) {
    return false;
  }
  auto lower = [](std::string text) {
    for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    return text;
  };
  for (size_t i = 0; i < index; ++i) {
    if (lower(members[i].name) == lower(name)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<Member> members;
  std::string built;
  std::span<const uint8_t> bytes(data + 1, size - 1);
  if (data[0] % 2) {
    FuzzedDataProvider in(data + 1, size - 1);
    built = BuildArchive(in, members);
    bytes = std::span(reinterpret_cast<const uint8_t*>(built.data()), built.size());
  }
  auto archive = theme::OpenArchive(bytes);
  if (!archive) {
    if (!members.empty()) std::abort();  // a container we built always opens
    return 0;
  }
  // Honest members first: falsified sizes read before them could spend the load budget.
  for (bool honest : {true, false}) {
    for (size_t i = 0; i < members.size(); ++i) {
      if (members[i].honest != honest) continue;
      const auto read = theme::ReadArchiveMember(*archive, platform::FromUtf8(members[i].name));
      if (honest && LookupReaches(members, i) &&
          (!read || std::string(read->begin(), read->end()) != members[i].data)) {
        std::abort();
      }
    }
  }
  theme::ReadArchiveMember(*archive, u"settings.ini");
  std::vector<uint8_t> piece(7);
  for (int32_t index = 0; index < 4; ++index) {
    for (int i = 0; i < 64; ++i) {
      if (theme::ReadEntry(archive.get(), index, piece) != theme::kArchiveMoreData) break;
    }
  }
  theme::CloseArchive(archive);
  return 0;
}
