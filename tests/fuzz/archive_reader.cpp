// Fuzzes the archive reader: arbitrary bytes written to a file and opened as a theme archive;
// every member is looked up and read whole, and the first one also in small pieces.
#include <minizip/unzip.h>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzInputFile.h"
#include "theme/ThemeArchive.h"

namespace {

// Names of the members, read with minizip's own walk (buffer sized from each header).
std::vector<std::string> MemberNames(const std::string& path) {
  std::vector<std::string> names;
  unzFile zip = unzOpen64(path.c_str());
  if (!zip) return names;
  for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK && names.size() < 64;
       rc = unzGoToNextFile(zip)) {
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) break;
    std::string name(info.size_filename + 1, '\0');
    unzGetCurrentFileInfo64(zip, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                            nullptr, 0);
    name.resize(info.size_filename);
    names.push_back(name);
  }
  unzClose(zip);
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzInputFile(data, size);
  if (path.empty()) return 0;
  auto archive = theme::OpenArchive(path);
  if (!archive) return 0;
  const auto names = MemberNames(path);
  for (const auto& name : names) {
    std::u16string wide(name.begin(), name.end());
    theme::ReadArchiveMember(*archive, wide);
  }
  std::vector<uint8_t> piece(7);
  for (int i = 0; i < 64; ++i) {
    if (theme::ReadEntry(archive.get(), 0, piece) != theme::kArchiveMoreData) break;
  }
  theme::CloseArchive(archive);
  return 0;
}
