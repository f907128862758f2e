// The theme check: reset, archive, then lang.ini and settings.ini of --home when given, with
// the warnings of the load collected; then the report as text or JSON.
#include "Check.h"

#include <cstdio>
#include <filesystem>
#include <string_view>

#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/ui/JsonWriter.h"
#include "theme/SettingManager.h"
#include "theme/SettingReader.h"

namespace qbtheme {

namespace {

struct Options {
  std::string archive;
  std::string home;
  std::u16string prefix = u"portrait_";
  bool json = false;
};

bool ParseOptions(const std::vector<std::string>& args, Options& options) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--json") {
      options.json = true;
    } else if (arg == "--home" && has_value) {
      options.home = args[++i];
    } else if (arg == "--orientation" && has_value) {
      const std::string& value = args[++i];
      if (value != "portrait" && value != "landscape") return false;
      options.prefix = platform::FromUtf8(value + "_");
    } else if (arg.starts_with("--") || !options.archive.empty()) {
      return false;
    } else {
      options.archive = arg;
    }
  }
  return !options.archive.empty();
}

std::string Utf8(const std::u16string& text) {
  return platform::ToUtf8(text);
}

std::string Describe(const theme::LoadWarning& warning) {
  std::string text = warning.source;
  if (warning.line > 0) text += ":" + std::to_string(warning.line);
  return text + ": " + warning.message;
}

// A value in JSON, by the kind of its setting.
std::string JsonValue(const theme::SettingValue& value, const theme::SettingInfo& info) {
  struct Visitor {
    const theme::SettingInfo& info;
    std::string operator()(const theme::Image* image) const {
      if (!image) return "null";
      return "{\"name\":" + platform::ui::JsonWriter::Quoted(Utf8(image->Name())) +
             ",\"width\":" + std::to_string(image->Width()) +
             ",\"height\":" + std::to_string(image->Height()) +
             ",\"prerendered\":" + (image->IsPrerendered() ? "true" : "false") + "}";
    }
    std::string operator()(COLORREF color) const {
      if (color == kInvalidColor) return "\"invalid\"";
      return "\"" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) +
             "," + std::to_string(GetBValue(color)) + "\"";
    }
    std::string operator()(const platform::FontDescription& font) const {
      return "{\"size\":" + std::to_string(font.pixel_height) +
             ",\"weight\":" + std::to_string(font.weight) +
             ",\"italic\":" + (font.italic ? "true" : "false") +
             ",\"face\":" + platform::ui::JsonWriter::Quoted(Utf8(font.face)) + "}";
    }
    std::string operator()(int32_t number) const { return std::to_string(number); }
    std::string operator()(bool flag) const { return flag ? "true" : "false"; }
    std::string operator()(float number) const {
      return Utf8(theme::FormatSettingValue(number, info));
    }
    std::string operator()(const RECT& r) const {
      return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
             std::to_string(r.right) + "," + std::to_string(r.bottom) + "]";
    }
    std::string operator()(const std::u16string& text) const {
      return platform::ui::JsonWriter::Quoted(Utf8(text));
    }
    std::string operator()(const std::vector<std::u16string>& list) const {
      std::string out = "[";
      for (const auto& item : list)
        out += (out.size() > 1 ? "," : "") + platform::ui::JsonWriter::Quoted(Utf8(item));
      return out + "]";
    }
    std::string operator()(const theme::KeyGroupMap* map) const {
      std::string out = "[";
      for (const auto& [key, text] : map->Entries()) {
        if (out.size() > 1) out += ",";
        out += "[" + platform::ui::JsonWriter::Quoted(Utf8(std::u16string(1, key))) + "," +
               platform::ui::JsonWriter::Quoted(Utf8(text)) + "]";
      }
      return out + "]";
    }
  };
  return std::visit(Visitor{info}, value);
}

// A value as text: the settings syntax, with images described and the invalid colour named.
std::string TextValue(const theme::SettingValue& value, const theme::SettingInfo& info) {
  if (const auto* image = std::get_if<const theme::Image*>(&value)) {
    if (!*image) return "(none)";
    return Utf8((*image)->Name()) + " " + std::to_string((*image)->Width()) + "x" +
           std::to_string((*image)->Height()) + ((*image)->IsPrerendered() ? " pre-rendered" : "");
  }
  if (const auto* color = std::get_if<COLORREF>(&value); color && *color == kInvalidColor) {
    return "invalid";
  }
  return Utf8(theme::FormatSettingValue(value, info));
}

void PrintReport(const theme::SettingManager& settings, const std::vector<std::string>& warnings,
                 bool json) {
  std::string out = json ? "{" : "";
  for (const auto& info : theme::SettingTable()) {
    const auto value = theme::ReadSetting(settings, info.key);
    if (!value) continue;
    if (json) {
      out += (out.size() > 1 ? ",\n" : "\n") + platform::ui::JsonWriter::Quoted(info.key) + ":" +
             JsonValue(*value, info);
    } else {
      out += std::string(info.key) + " = " + TextValue(*value, info) + "\n";
    }
  }
  if (json) {
    out += ",\n\"warnings\":[";
    for (size_t i = 0; i < warnings.size(); ++i) {
      out += (i ? "," : "") + std::string("\n") + platform::ui::JsonWriter::Quoted(warnings[i]);
    }
    out += "]\n}\n";
  } else {
    for (const auto& warning : warnings) out += "warning: " + warning + "\n";
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
}

}  // namespace

int CheckCommand(const std::vector<std::string>& args) {
  Options options;
  if (!ParseOptions(args, options)) {
    std::fprintf(stderr,
                 "usage: qbtheme check FILE.qbt [--home DIR] [--orientation "
                 "portrait|landscape] [--json]\n");
    return 2;
  }
  std::error_code error;
  if (!options.home.empty() && !std::filesystem::is_directory(options.home, error)) {
    std::fprintf(stderr, "qbtheme check: --home %s is not a folder\n", options.home.c_str());
    return 2;
  }
  const std::string archive = std::filesystem::absolute(options.archive, error).string();
  // Font files and plain settings come from --home; without it, from the archive's folder,
  // where no plain settings are read.
  platform::SetProgramDir(
      options.home.empty() ? std::filesystem::path(archive).parent_path().string() : options.home);
  theme::SettingManager& settings = theme::Settings();
  std::vector<std::string> warnings;
  settings.SetWarningSink([&](const theme::LoadWarning& w) { warnings.push_back(Describe(w)); });
  settings.ResetToDefaults();
  settings.LoadThemeArchive(platform::FromUtf8(archive), options.prefix);
  if (!options.home.empty()) {
    settings.LoadSettingsFile(u"lang.ini", options.prefix);
    settings.LoadSettingsFile(u"settings.ini", options.prefix);
  }
  settings.SetWarningSink(nullptr);
  PrintReport(settings, warnings, options.json);
  return warnings.empty() ? 0 : 1;
}

}  // namespace qbtheme
