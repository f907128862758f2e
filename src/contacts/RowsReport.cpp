// The "rows" report of the theme tool.
#include "contacts/RowsReport.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "contacts/ContactFillSettings.h"
#include "contacts/ContactStoreReads.h"
#include "contacts/PhoneLabel.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/pim/PimFolder.h"
#include "platform/ui/JsonWriter.h"
#include "theme/ThemeLoader.h"

using namespace platform::pim;

namespace {

bool TakeValue(const std::vector<std::string>& args, size_t& i, std::string& value,
               std::string& error) {
  if (i + 1 >= args.size()) {
    error = args[i] + " needs a value";
    return false;
  }
  value = args[++i];
  return true;
}

bool ParseOrientation(const std::string& value, std::u16string& prefix, std::string& error) {
  if (value != "portrait" && value != "landscape") {
    error = "--orientation is portrait or landscape, not " + value;
    return false;
  }
  prefix = platform::FromUtf8(value + "_");
  return true;
}

// The shown-or-not records of every contact, in store order.
bool ReadAllContacts(PimApplication& app, const ContactFillSettings& settings,
                     std::vector<std::unique_ptr<ContactListItem>>& records) {
  auto folder = app.GetDefaultFolder(kFolderContacts);
  if (!folder) return false;
  auto items = folder->Items();
  if (!items) return false;
  PropertyRequestList list(settings.expressions, AskFavoritePropertyId(app));
  for (int position = 1; position <= items->Count(); ++position) {
    auto record = std::make_unique<ContactListItem>(settings.contact_height);
    if (BulkReadContact(*items, position, list, settings, *record)) {
      records.push_back(std::move(record));
    }
  }
  return true;
}

void WriteTextRecord(const ContactListItem& r, std::ostream& out) {
  auto line = [&out](const char* name, const std::u16string& value) {
    out << "  " << name << ": " << platform::ui::JsonWriter::Escaped(value) << "\n";
  };
  out << "contact " << r.object_id << (r.shown ? "" : " (hidden)")
      << (r.favourite ? " favourite" : "") << "\n";
  line("display name", r.display_name);
  line("header", r.header);
  line("second line", r.second_line);
  line("detail", r.detail);
  line("sort key", r.text);
  line("e-mail 1", r.email1);
  line("e-mail 2", r.email2);
  line("e-mail 3", r.email3);
  line("company", r.company);
  line("city", r.city);
  line("categories", r.categories);
  for (const PhoneEntry& phone : r.phones) line("phone", PhoneLabelText(phone));
}

void WriteJsonRecord(const ContactListItem& r, std::ostream& out) {
  platform::ui::JsonWriter json;
  json.BeginObject();
  auto text = [&json](const char* name, const std::u16string& value) {
    json.Key(name);
    json.String(value);
  };
  json.IntField("object_id", r.object_id);
  text("display_name", r.display_name);
  text("header", r.header);
  text("second_line", r.second_line);
  text("detail", r.detail);
  text("sort_key", r.text);
  text("email1", r.email1);
  text("email2", r.email2);
  text("email3", r.email3);
  text("company", r.company);
  text("city", r.city);
  text("categories", r.categories);
  json.BoolField("favourite", r.favourite);
  json.BoolField("shown", r.shown);
  json.Key("phones");
  json.BeginArray();
  for (const PhoneEntry& phone : r.phones) {
    json.BeginObject();
    json.IntField("field_id", phone.field_id);
    text("number", phone.number);
    text("label", PhoneLabelText(phone));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  out << json.Text();
}

}  // namespace

bool ParseRowsArguments(const std::vector<std::string>& args, RowsReportOptions& options,
                        std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    std::string orientation;
    bool ok = true;
    if (a == "--json") {
      options.json = true;
    } else if (a == "--home") {
      ok = TakeValue(args, i, options.home, error);
    } else if (a == "--device") {
      ok = TakeValue(args, i, options.device, error);
    } else if (a == "--orientation") {
      ok = TakeValue(args, i, orientation, error) &&
           ParseOrientation(orientation, options.prefix, error);
    } else if (a.starts_with("--") || !options.theme.empty()) {
      error = "unexpected argument " + a;
      ok = false;
    } else {
      // A path on the command line is taken from the current folder (the program resolves
      // relative names against the program folder); a bare name is a theme of that folder.
      std::error_code ignored;
      options.theme =
          a.find('/') == std::string::npos ? a : std::filesystem::absolute(a, ignored).string();
    }
    if (!ok) return false;
  }
  return true;
}

bool WriteRowsReport(const RowsReportOptions& options, std::ostream& out, std::string& error) {
  if (!options.home.empty()) platform::SetProgramDir(options.home);
  if (!options.device.empty()) platform::SetDeviceDir(options.device);
  theme::LoadTheme(platform::FromUtf8(options.theme), options.prefix);
  ContactFillSettings settings = ContactFillSettings::FromTheme();
  auto app = PimApplication::Create(&error);
  if (!app) return false;
  std::vector<std::unique_ptr<ContactListItem>> records;
  if (!ReadAllContacts(*app, settings, records)) {
    error = "cannot read the contacts folder of " + app->path();
    return false;
  }
  std::vector<const ContactListItem*> view;
  for (const auto& r : records) view.push_back(r.get());
  FormatRows(view, options.json, out);
  return true;
}

void FormatRows(const std::vector<const ContactListItem*>& records, bool json, std::ostream& out) {
  if (json) out << "[";
  for (size_t i = 0; i < records.size(); ++i) {
    if (json) {
      out << (i ? ",\n" : "\n");
      WriteJsonRecord(*records[i], out);
    } else {
      WriteTextRecord(*records[i], out);
    }
  }
  if (json) out << "\n]\n";
}

int RowsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  RowsReportOptions options;
  std::string error;
  if (!ParseRowsArguments(args, options, error)) {
    err << "qbtheme rows: " << error << "\n"
        << "usage: qbtheme rows [THEME.qbt] [--home DIR] [--device DIR] "
           "[--orientation portrait|landscape] [--json]\n";
    return 2;
  }
  if (!WriteRowsReport(options, out, error)) {
    err << "qbtheme rows: " << error << "\n";
    return 1;
  }
  return 0;
}
