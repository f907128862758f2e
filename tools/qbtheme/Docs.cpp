// Generation of the theme key documentation from the settings table.
#include "Docs.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "theme/SettingManager.h"

namespace qbtheme {

namespace {

struct KindSection {
  theme::SettingKind kind;
  std::string_view title;
  std::string_view syntax;
};

constexpr std::array<KindSection, 11> kSections{{
    {theme::SettingKind::kImage, "Images",
     "An archive member name (in an archive's settings.ini) or a file name in the program "
     "folder (in a plain settings.ini). Default: no image."},
    {theme::SettingKind::kColor, "Colours",
     "`r,g,b`, three numbers 0-255. Fewer than three numbers give the invalid colour: the "
     "element is not drawn."},
    {theme::SettingKind::kFont, "Fonts",
     "`size`, `size,style` or `size,style,face`; style is `bold` or `italic` (exactly), "
     "the face defaults to Tahoma."},
    {theme::SettingKind::kInteger, "Integers", "A decimal number; pixels unless noted."},
    {theme::SettingKind::kBoolean, "Booleans", "`0` is false, any other number true."},
    {theme::SettingKind::kDecimal, "Decimals",
     "A decimal number such as `1.02`; anything else leaves the value."},
    {theme::SettingKind::kBox, "Boxes",
     "`left,top,right,bottom` in pixels (right and bottom are edges). Fewer than four numbers "
     "leave the box."},
    {theme::SettingKind::kText, "Texts", "Any text, kept as written."},
    {theme::SettingKind::kList, "Lists", "Comma-separated texts appended to the list."},
    {theme::SettingKind::kKeyGroups, "Phone-pad key groups",
     "Comma-separated groups, each starting with its key character; a line replaces all "
     "groups."},
    {theme::SettingKind::kLanguageText, "Language texts",
     "Any text; `{0}` marks where the value goes (stored as `%s`)."},
}};

std::string Notes(const theme::SettingInfo& info) {
  std::string notes;
  auto add = [&](std::string_view note) {
    if (!notes.empty()) notes += "; ";
    notes += note;
  };
  if (info.kind == theme::SettingKind::kImage) add(info.prerendered ? "pre-rendered" : "alpha");
  if (info.field != info.key) add("same field as `" + std::string(info.field) + "`");
  if (info.bare_name_only) add("bare name only");
  if (info.kept_across_reset && info.kind != theme::SettingKind::kLanguageText) {
    add("kept across theme reloads");
  }
  if (info.key == "favorite_image" || info.key == "small_favorite_image" ||
      info.key == "default_contact_image") {
    add("kept across theme reloads");
  }
  return notes;
}

std::string DefaultCell(const theme::SettingInfo& info) {
  if (info.default_text.empty()) return "";
  std::string cell = "`";
  for (char c : info.default_text) cell += (c == '|') ? std::string("\\|") : std::string(1, c);
  return cell + "`";
}

std::string DefaultGroupsMarkdown() {
  std::string out =
      "Default groups (a reset restores all twelve):\n\n"
      "| Key | `phonepad_keys` | `phonepad_draw_keys` |\n|---|---|---|\n";
#define QB_DOC_GROUP(character, letters, label)                                               \
  out += "| `" + std::string(1, static_cast<char>(character)) + "` | `" + letters + "` | " +  \
         (std::string_view(label).empty() ? std::string() : "`" + std::string(label) + "`") + \
         " |\n";
  QB_DEFAULT_KEY_GROUPS(QB_DOC_GROUP)
#undef QB_DOC_GROUP
  return out + "\n";
}

}  // namespace

std::string KeyTableMarkdown() {
  std::string out;
  for (const auto& section : kSections) {
    out += "### " + std::string(section.title) + "\n\n" + std::string(section.syntax) + "\n\n";
    out += "| Key | Default | Notes |\n|---|---|---|\n";
    for (const auto& info : theme::SettingTable()) {
      if (info.kind != section.kind) continue;
      out +=
          "| `" + std::string(info.key) + "` | " + DefaultCell(info) + " | " + Notes(info) + " |\n";
    }
    out += "\n";
    if (section.kind == theme::SettingKind::kKeyGroups) out += DefaultGroupsMarkdown();
  }
  return out;
}

int DocsCommand(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: qbtheme docs\n");
    return 2;
  }
  const std::string table = KeyTableMarkdown();
  std::fwrite(table.data(), 1, table.size(), stdout);
  return 0;
}

}  // namespace qbtheme
