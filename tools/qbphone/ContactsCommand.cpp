// qbphone contacts: reads and writes the device's contact store from the command line.
//
//   contacts list                         "OID<TAB>NAME<TAB>NUMBERS" per contact ("*" marks a
//                                         favourite)
//   contacts show OID                     "FIELD=VALUE" per field with a value
//   contacts add FIELD=VALUE...           prints the new object id
//   contacts set OID FIELD=VALUE...       an empty VALUE removes the field
//   contacts delete OID
//   contacts import FILE.vcf              vCard 2.1, 3.0 or 4.0; problems go to stderr
//   contacts export [--version 3.0|4.0] [FILE]   all contacts, to FILE or standard output
//
// FIELD is a field key (firstname, mobilephone, business_address_city, ...), "favorite" (0 or
// 1) or "picture" (a PNG or JPEG file of at most 2 MiB; empty removes the picture).
// Exit codes: 0 done, 1 no such contact or cards skipped on import, 2 bad arguments, 3 the
// store failed.
#include <charconv>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/pim/PimStream.h"
#include "platform/pim/VCardReader.h"
#include "platform/pim/VCardStore.h"
#include "platform/pim/VCardWriter.h"

namespace qbphone {

namespace {

using namespace platform::pim;

constexpr char kUsage[] =
    "contacts list | show OID | add FIELD=VALUE... | set OID FIELD=VALUE... | delete OID | "
    "import FILE.vcf | export [--version 3.0|4.0] [FILE]";

int Fail(int code, const std::string& message) {
  return CommandFailure("contacts", code, message);
}

std::unique_ptr<PimApplication> OpenStore() {
  std::string error;
  auto app = PimApplication::Create(&error);
  if (!app) std::fprintf(stderr, "qbphone contacts: %s\n", error.c_str());
  return app;
}

bool ParseOid(const std::string& text, ObjectId* oid) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *oid);
  return ec == std::errc() && end == text.data() + text.size() && *oid != 0;
}

bool IsImage(const std::string& bytes) {
  return bytes.rfind("\x89PNG\r\n\x1a\n", 0) == 0 || bytes.rfind("\xFF\xD8\xFF", 0) == 0;
}

// One FIELD=VALUE argument applied to an item: texts and the favourite are recorded on the
// item (stored by Save), the picture is remembered for after the save.
struct Assignments {
  std::vector<PropertyValue> values;
  bool set_picture = false;
  std::string picture;
};

std::string ParseAssignment(PimApplication& app, const std::string& arg, Assignments* out) {
  size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) return "expected FIELD=VALUE, got \"" + arg + "\"";
  std::string key = arg.substr(0, eq), value = arg.substr(eq + 1);
  if (key == "favorite" || key == "favourite") {
    if (value != "0" && value != "1") return "favorite takes 0 or 1";
    PropertyId fav = 0;
    if (app.GetIdFromName(kFavoritePropertyName, kFavoriteNamedFlags, &fav) != PimResult::kOk) {
      return "cannot get the favourite property: " + app.LastError();
    }
    out->values.push_back(PropertyValue::Number(fav, value == "1"));
    return {};
  }
  if (key == "picture") {
    out->set_picture = true;
    if (value.empty()) return {};
    if (!platform::ReadFileBytes(value, out->picture, kMaxPictureBytes)) {
      return value + ": cannot be read or is larger than 2 MiB";
    }
    return IsImage(out->picture) ? std::string() : value + ": not a PNG or JPEG file";
  }
  PropertyId id = FindContactField(key);
  if (id == 0) return "unknown field \"" + key + "\"";
  std::u16string text = platform::FromUtf8(value);
  if (text.size() > kMaxTextUnits) return "value of " + key + " is too long";
  out->values.push_back(PropertyValue::Text(id, std::move(text)));
  return {};
}

int StorePicture(PimItem& item, const std::string& bytes) {
  std::unique_ptr<PimStream> stream;
  if (item.OpenProperty(kPropPicture, kAccessReadWrite, &stream) != PimResult::kOk ||
      stream->SetSize(0) != PimResult::kOk ||
      stream->Write(bytes.data(), bytes.size(), nullptr) != PimResult::kOk ||
      stream->Commit() != PimResult::kOk) {
    return Fail(kExitStoreFailed, "cannot store the picture");
  }
  return 0;
}

// The file-as name a new contact gets when none is given, as the platform's own editor does:
// "Last, First", else the one name given, else the company.
void AddFileAs(std::vector<PropertyValue>* values) {
  std::u16string first, last, company;
  for (const PropertyValue& v : *values) {
    if (v.id == prop::kFileAs) return;
    if (v.id == prop::kFirstName) first = v.text;
    if (v.id == prop::kLastName) last = v.text;
    if (v.id == prop::kCompany) company = v.text;
  }
  std::u16string file_as = !last.empty() && !first.empty() ? last + u", " + first
                           : !last.empty()                 ? last
                           : !first.empty()                ? first
                                                           : company;
  if (!file_as.empty()) values->push_back(PropertyValue::Text(prop::kFileAs, file_as));
}

int Apply(PimApplication& app, PimItem& item, const std::vector<std::string>& args) {
  Assignments a;
  for (const std::string& arg : args) {
    std::string error = ParseAssignment(app, arg, &a);
    if (!error.empty()) return Fail(kExitUsage, error);
  }
  if (item.Oid() == 0) AddFileAs(&a.values);
  if (item.SetProps(a.values) != PimResult::kOk) return Fail(kExitUsage, "invalid value");
  PimResult saved = item.Save();
  if (saved == PimResult::kNotFound) return Fail(kExitNotFound, "no such contact");
  if (saved != PimResult::kOk) return Fail(kExitStoreFailed, app.LastError());
  return a.set_picture ? StorePicture(item, a.picture) : 0;
}

std::string Escaped(const std::u16string& text) {
  std::string out;
  for (char c : platform::ToUtf8(text)) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

int List(PimApplication& app) {
  VCardContact c;
  auto items = app.GetDefaultFolder(kFolderContacts)->Items();
  for (int i = 1; i <= items->Count(); ++i) {
    if (LoadVCardContact(app, items->OidAt(i), &c) != PimResult::kOk) continue;
    std::u16string name = c.Text(prop::kDisplayName);
    if (name.empty()) name = c.Text(prop::kFileAs);
    std::string numbers;
    for (const ContactTextField& f : kContactTextFields) {
      bool phone = f.id >= prop::kMobilePhone && f.id <= prop::kAssistantPhone;
      if (!phone || c.Text(f.id).empty()) continue;
      numbers += (numbers.empty() ? "" : ", ") + Escaped(c.Text(f.id));
    }
    std::printf("%u\t%s%s\t%s\n", items->OidAt(i), c.favorite ? "*" : "", Escaped(name).c_str(),
                numbers.c_str());
  }
  return 0;
}

int Show(PimApplication& app, ObjectId oid) {
  VCardContact c;
  PimResult r = LoadVCardContact(app, oid, &c);
  if (r == PimResult::kNotFound) return Fail(kExitNotFound, "no such contact");
  if (r != PimResult::kOk) return Fail(kExitStoreFailed, app.LastError());
  std::printf("oid=%u\n", oid);
  for (const ContactTextField& f : kContactTextFields) {
    if (c.Text(f.id).empty()) continue;
    std::printf("%.*s=%s\n", static_cast<int>(f.key.size()), f.key.data(),
                Escaped(c.Text(f.id)).c_str());
  }
  std::printf("favorite=%d\n", c.favorite ? 1 : 0);
  if (!c.photo.empty()) std::printf("picture=%zu bytes\n", c.photo.size());
  return 0;
}

int Import(PimApplication& app, const std::string& path) {
  std::string bytes;
  if (!platform::ReadFileBytes(path, bytes, VCardReader::kMaxInputBytes)) {
    return Fail(kExitUsage, path + ": cannot be read or is larger than 64 MiB");
  }
  VCardReadResult result = VCardReader::Read(bytes);
  int skipped = 0;
  for (const VCardProblem& p : result.problems) {
    std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), p.line, p.message.c_str());
    skipped += p.card_skipped;
  }
  int imported = 0;
  for (const VCardContact& contact : result.contacts) {
    ObjectId oid = 0;
    PimResult r = SaveVCardContact(app, contact, &oid);
    if (r == PimResult::kOk) {
      ++imported;
    } else if (oid != 0) {
      ++imported;
      std::fprintf(stderr, "%s:%d: picture not stored\n", path.c_str(), contact.line);
    } else {
      return Fail(kExitStoreFailed, app.LastError());
    }
  }
  std::printf("imported %d contact%s, skipped %d card%s\n", imported, imported == 1 ? "" : "s",
              skipped, skipped == 1 ? "" : "s");
  return skipped > 0 ? kExitNotFound : 0;
}

int Export(PimApplication& app, const std::vector<std::string>& args) {
  VCardVersion version = VCardVersion::k30;
  std::string path;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--version" && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (v != "3.0" && v != "4.0") return Fail(kExitUsage, "version is 3.0 or 4.0");
      version = v == "4.0" ? VCardVersion::k40 : VCardVersion::k30;
    } else if (path.empty() && args[i].rfind("--", 0) != 0) {
      path = args[i];
    } else {
      return Fail(kExitUsage, kUsage);
    }
  }
  std::string out;
  VCardContact c;
  auto items = app.GetDefaultFolder(kFolderContacts)->Items();
  for (int i = 1; i <= items->Count(); ++i) {
    if (LoadVCardContact(app, items->OidAt(i), &c) == PimResult::kOk) {
      out += VCardWriter::Write(c, version);
    }
  }
  if (path.empty()) return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 3;
  return platform::WriteFileAtomically(path, out) ? 0
                                                  : Fail(kExitStoreFailed, path + ": cannot write");
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Fail(kExitUsage, kUsage);
  const std::string& verb = args[0];
  auto app = OpenStore();
  if (!app) return kExitStoreFailed;
  ObjectId oid = 0;
  bool needs_oid = verb == "show" || verb == "set" || verb == "delete";
  if (needs_oid && (args.size() < 2 || !ParseOid(args[1], &oid))) {
    return Fail(kExitUsage, kUsage);
  }
  if (verb == "list" && args.size() == 1) return List(*app);
  if (verb == "show" && args.size() == 2) return Show(*app, oid);
  if (verb == "import" && args.size() == 2) return Import(*app, args[1]);
  if (verb == "export") return Export(*app, args);
  if (verb == "add" && args.size() >= 2) {
    auto item = app->CreateItem();
    int code = Apply(*app, *item, {args.begin() + 1, args.end()});
    if (item->Oid() != 0) std::printf("%u\n", item->Oid());
    return code;
  }
  if (verb == "set" && args.size() >= 3) {
    auto item = app->GetItemFromOid(oid);
    if (!item) return Fail(kExitNotFound, "no such contact");
    return Apply(*app, *item, {args.begin() + 2, args.end()});
  }
  if (verb == "delete" && args.size() == 2) {
    auto item = app->GetItemFromOid(oid);
    if (!item || item->Delete() == PimResult::kNotFound)
      return Fail(kExitNotFound, "no such contact");
    return 0;
  }
  return Fail(kExitUsage, kUsage);
}

const CommandRegistrar kRegistrar("contacts", kUsage, Run);

}  // namespace

}  // namespace qbphone
