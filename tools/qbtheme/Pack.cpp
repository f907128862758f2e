// Deterministic theme archive packing with minizip's zip writer.
#include "Pack.h"

#include <minizip/zip.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace qbtheme {

namespace fs = std::filesystem;

namespace {

constexpr uint32_t kUtf8NameFlag = 1u << 11;

struct ZipCloser {
  void operator()(void* zip) const { zipClose(zip, nullptr); }
};

bool IsAscii(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
}

// Relative paths of every regular file under `dir`, sorted; false when the walk fails.
bool ListFiles(const fs::path& dir, std::vector<std::string>& files) {
  std::error_code error;
  fs::recursive_directory_iterator it(dir, error), end;
  for (; !error && it != end; it.increment(error)) {
    if (it->is_symlink(error) || !it->is_regular_file(error)) continue;
    files.push_back(fs::relative(it->path(), dir, error).generic_string());
  }
  std::sort(files.begin(), files.end());
  return !error;
}

bool AddMember(void* zip, const fs::path& file, const std::string& name) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  zip_fileinfo info{};
  info.tmz_date.tm_year = 1980;
  info.tmz_date.tm_mday = 1;
  const uLong flags = IsAscii(name) ? 0 : kUtf8NameFlag;
  if (zipOpenNewFileInZip4_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              9, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, 0,
                              flags, 0) != ZIP_OK) {
    return false;
  }
  const bool written =
      bytes.empty() ||
      zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size())) == ZIP_OK;
  return zipCloseFileInZip(zip) == ZIP_OK && written;
}

int Fail(const std::string& message, const std::string& temporary) {
  std::fprintf(stderr, "qbtheme pack: %s\n", message.c_str());
  std::error_code error;
  if (!temporary.empty()) fs::remove(temporary, error);
  return 1;
}

}  // namespace

int Pack(const std::string& dir, const std::string& out) {
  std::vector<std::string> files;
  if (!fs::is_directory(dir) || !ListFiles(dir, files)) {
    return Fail("cannot read folder " + dir, "");
  }
  const std::string temporary = out + ".tmp";
  {
    std::unique_ptr<void, ZipCloser> zip(zipOpen64(temporary.c_str(), APPEND_STATUS_CREATE));
    if (!zip) return Fail("cannot create " + temporary, "");
    for (const auto& name : files) {
      if (!AddMember(zip.get(), fs::path(dir) / name, name)) {
        return Fail("cannot add " + name, temporary);
      }
    }
    if (zipClose(zip.release(), nullptr) != ZIP_OK) return Fail("cannot finish " + out, temporary);
  }
  std::error_code error;
  fs::rename(temporary, out, error);
  if (error) return Fail("cannot write " + out + ": " + error.message(), temporary);
  return 0;
}

int PackCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: qbtheme pack DIR OUT.qbt\n");
    return 2;
  }
  return Pack(args[0], args[1]);
}

}  // namespace qbtheme
