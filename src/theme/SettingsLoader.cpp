// Reading settings sources: cutting a settings text into key/value pairs, the theme archive's
// "settings.ini", and plain settings files of the program folder.
#include <string>

#include "platform/Text.h"
#include "theme/FileReader.h"
#include "theme/ProgramPath.h"
#include "theme/SettingManager.h"
#include "theme/ThemeArchive.h"

namespace theme {

namespace {

// A plain settings file may hold at most this many UTF-16 units; the rest is not read.
constexpr size_t kMaxSettingsTextUnits = 8u << 20;

// Length of the line end at `i` (CR LF, or a lone CR or LF), 0 when there is none. Lone CR and
// LF count so that settings written with Unix line ends read the same as with CR LF.
size_t LineEndAt(std::u16string_view text, size_t i) {
  if (text[i] == u'\r') return (i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
  return text[i] == u'\n' ? 1 : 0;
}

std::u16string_view StripLineEnd(std::u16string_view line) {
  while (!line.empty() && (line.back() == u'\r' || line.back() == u'\n')) line.remove_suffix(1);
  return line;
}

}  // namespace

void SettingManager::ParseSettingsText(ThemeArchive* archive, std::u16string_view text,
                                       std::u16string_view prefix, std::string_view source) {
  current_source_ = std::string(source);
  current_line_ = 1;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = start;
    size_t end_length = 0;
    while (end < text.size() && (end_length = LineEndAt(text, end)) == 0) ++end;
    const std::u16string line = platform::Trim(text.substr(start, end - start));
    const size_t equals = line.find(u'=');
    if (!line.empty() && line.front() != u'#' && equals != std::u16string::npos) {
      const std::u16string_view key = std::u16string_view(line).substr(0, equals);
      const std::u16string_view value = std::u16string_view(line).substr(equals + 1);
      if (warning_sink_ && !KeyNamesSetting(key)) {
        WarnAtLine(LoadWarning::Kind::kUnknownKey,
                   "key \"" + platform::ToUtf8(key) + "\" names no setting");
      }
      ApplySetting(archive, key, value, u"");
      ApplySetting(archive, key, value, prefix);
    }
    start = end + end_length;
    ++current_line_;
  }
  current_line_ = 0;
}

void SettingManager::LoadThemeArchive(std::u16string_view theme_name, std::u16string_view prefix) {
  const std::string path = MakeProgramPath(theme_name);
  current_source_ = path;
  current_line_ = 0;
  ArchiveResult code = kArchiveSuccess;
  std::unique_ptr<ThemeArchive> archive = OpenArchive(path, &code);
  if (!archive) {
    Warn({LoadWarning::Kind::kArchiveError, path, 0,
          "cannot open theme archive: " + DescribeArchiveResult(code)});
    return;
  }
  auto bytes = ReadArchiveMember(*archive, u"settings.ini", &code);
  if (!bytes) {
    const bool missing = code == kArchiveEntryNotFound;
    Warn({missing ? LoadWarning::Kind::kSettingsMissing : LoadWarning::Kind::kArchiveError, path, 0,
          missing ? std::string("the archive has no settings.ini member")
                  : "settings.ini cannot be read: " + DescribeArchiveResult(code)});
  } else {
    // Decoded by its byte-order mark; without one as UTF-8 when valid, else as Windows-1252
    // (the code page older themes were written in).
    const std::string_view raw(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    ParseSettingsText(archive.get(), platform::DecodeText(raw), prefix, path + ":settings.ini");
  }
  CloseArchive(archive);
  ApplyButtonHeights();
}

void SettingManager::LoadSettingsFile(std::u16string_view file_name, std::u16string_view prefix) {
  FileReader reader(file_name);
  if (!reader.IsOpen()) return;
  std::u16string text;
  while (reader.HasMore() && text.size() < kMaxSettingsTextUnits) {
    text += StripLineEnd(reader.ReadLine());
    text += u"\r\n";
  }
  ParseSettingsText(nullptr, text, prefix, MakeProgramPath(file_name));
}

}  // namespace theme
