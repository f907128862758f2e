#include "platform/pim/VCardWriter.h"

#include <array>
#include <vector>

#include "platform/Text.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/VCardAddress.h"
#include "platform/pim/VCardText.h"

namespace platform::pim {

namespace {

struct PhoneForm {
  PropertyId id;
  const char* type30;
  const char* type40;
  PropertyId first_of_pair;  // for the second of a positional pair: the first one
};

constexpr std::array<PhoneForm, 13> kPhoneForms = {{
    {prop::kMobilePhone, "CELL", "cell", 0},
    {prop::kBusinessPhone, "WORK,VOICE", "work,voice", 0},
    {prop::kBusinessPhone2, "WORK,VOICE", "work,voice", prop::kBusinessPhone},
    {prop::kHomePhone, "HOME,VOICE", "home,voice", 0},
    {prop::kHomePhone2, "HOME,VOICE", "home,voice", prop::kHomePhone},
    {prop::kBusinessFax, "WORK,FAX", "work,fax", 0},
    {prop::kHomeFax, "HOME,FAX", "home,fax", 0},
    {prop::kPager, "PAGER", "pager", 0},
    {prop::kCarPhone, "CAR", "car", 0},
    {prop::kRadioPhone, "\"X-EVOLUTION-RADIO\"", "\"x-evolution-radio\"", 0},
    {prop::kCompanyPhone, "\"X-EVOLUTION-COMPANY\"", "\"x-evolution-company\"", 0},
    {prop::kAssistantPhone, "\"X-EVOLUTION-ASSISTANT\"", "\"x-evolution-assistant\"", 0},
    {prop::kSms, "TEXT", "text", 0},
}};

struct SimpleForm {
  PropertyId id;
  const char* name;
};

constexpr std::array<SimpleForm, 14> kSimpleForms = {{
    {prop::kFileAs, "X-EVOLUTION-FILE-AS"},
    {prop::kNickname, "NICKNAME"},
    {prop::kYomiFirstName, "X-PHONETIC-FIRST-NAME"},
    {prop::kYomiLastName, "X-PHONETIC-LAST-NAME"},
    {prop::kYomiCompany, "X-PHONETIC-ORG"},
    {prop::kJobTitle, "TITLE"},
    {prop::kManager, "X-EVOLUTION-MANAGER"},
    {prop::kAssistantName, "X-EVOLUTION-ASSISTANT"},
    {prop::kWebPage, "URL"},
    {prop::kMms, "X-QUILLBOOK-MMS"},
    {prop::kRingtone, "X-QUILLBOOK-RINGTONE"},
    {prop::kCustomerId, "X-QUILLBOOK-CUSTOMER-ID"},
    {prop::kGovernmentId, "X-QUILLBOOK-GOVERNMENT-ID"},
    {prop::kNote, "NOTE"},
}};

// A parameter value in double quotes with the ^-escapes of RFC 6868.
std::string QuotedParam(std::u16string_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    if (c == '^')
      out += "^^";
    else if (c == '\n')
      out += "^n";
    else if (c == '"')
      out += "^'";
    else if (c != '\r')
      out += c;
  }
  return out + "\"";
}

std::string Structured(const VCardContact& c, const std::vector<PropertyId>& ids) {
  std::string out;
  for (size_t i = 0; i < ids.size(); ++i) {
    if (i > 0) out += ';';
    out += EscapeText(c.Text(ids[i]));
  }
  return out;
}

bool HasScheme(std::u16string_view text) {
  size_t colon = text.find(u':');
  if (colon == std::u16string_view::npos || colon == 0) return false;
  for (size_t i = 0; i < colon; ++i) {
    char16_t ch = text[i];
    bool ok = (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
              (i > 0 && ((ch >= u'0' && ch <= u'9') || ch == u'+' || ch == u'-' || ch == u'.'));
    if (!ok) return false;
  }
  return true;
}

const char* ImageType(const std::string& bytes, bool lower) {
  if (bytes.rfind("\xFF\xD8\xFF", 0) == 0) return lower ? "jpeg" : "JPEG";
  if (bytes.rfind("\x89PNG", 0) == 0) return lower ? "png" : "PNG";
  if (bytes.rfind("GIF8", 0) == 0) return lower ? "gif" : "GIF";
  return nullptr;
}

class CardBuilder {
 public:
  CardBuilder(const VCardContact& contact, VCardVersion version)
      : c_(contact), v4_(version == VCardVersion::k40) {}

  std::string Build() {
    Line("BEGIN:VCARD");
    Line(v4_ ? "VERSION:4.0" : "VERSION:3.0");
    if (!c_.uid.empty()) Line("UID:" + EscapeText(c_.uid));
    Line("FN:" + EscapeText(DisplayName()));
    Line("N:" + Structured(c_, {prop::kLastName, prop::kFirstName, prop::kMiddleName, prop::kTitle,
                                prop::kSuffix}));
    Organisation();
    for (const SimpleForm& f : kSimpleForms) Text(f.name, f.id);
    Relations();
    Slots("EMAIL", v4_ ? "" : ";TYPE=INTERNET", prop::kEmail1);
    InstantMessaging();
    Phones();
    for (int family = 0; family < 3; ++family) Address(family);
    Text("X-QUILLBOOK-ACCOUNT", prop::kAccountName);
    Categories();
    if (c_.favorite) Line("X-FOLKS-FAVOURITE:true");
    Photo();
    Line("END:VCARD");
    return out_;
  }

 private:
  void Line(const std::string& line) { out_ += FoldLine(line); }

  void Text(const char* name, PropertyId id) {
    if (!c_.Text(id).empty()) Line(std::string(name) + ":" + EscapeText(c_.Text(id)));
  }

  std::u16string DisplayName() const {
    if (!c_.Text(prop::kDisplayName).empty()) return c_.Text(prop::kDisplayName);
    std::u16string name;
    for (PropertyId id : {prop::kFirstName, prop::kMiddleName, prop::kLastName}) {
      if (c_.Text(id).empty()) continue;
      if (!name.empty()) name += u' ';
      name += c_.Text(id);
    }
    return name.empty() ? c_.Text(prop::kCompany) : name;
  }

  void Organisation() {
    std::vector<PropertyId> ids = {prop::kCompany, prop::kDepartment, prop::kOfficeLocation};
    while (!ids.empty() && c_.Text(ids.back()).empty()) ids.pop_back();
    if (!ids.empty()) Line("ORG:" + Structured(c_, ids));
  }

  void Relations() {
    if (!v4_) {
      Text("X-EVOLUTION-SPOUSE", prop::kSpouse);
      Text("X-QUILLBOOK-CHILDREN", prop::kChildren);
      return;
    }
    Text("RELATED;TYPE=spouse;VALUE=text", prop::kSpouse);
    Text("RELATED;TYPE=child;VALUE=text", prop::kChildren);
  }

  // Positional properties (three slots): a value not at its natural position carries its
  // slot number.
  void Slots(const char* name, const char* params, PropertyId first) {
    int written = 0;
    for (int slot = 0; slot < 3; ++slot) {
      const std::u16string& value = c_.Text(first + (static_cast<PropertyId>(slot) << 16));
      if (value.empty()) continue;
      std::string line = std::string(name) + params;
      if (written != slot) line += ";X-QUILLBOOK-SLOT=" + std::to_string(slot + 1);
      Line(line + ":" + EscapeText(value));
      ++written;
    }
  }

  void InstantMessaging() {
    int written = 0;
    for (int slot = 0; slot < 3; ++slot) {
      const std::u16string& value = c_.Text(prop::kIm1 + (static_cast<PropertyId>(slot) << 16));
      if (value.empty()) continue;
      std::string line = "IMPP";
      if (written != slot) line += ";X-QUILLBOOK-SLOT=" + std::to_string(slot + 1);
      std::u16string uri = value;
      if (!HasScheme(value)) {
        line += ";X-QUILLBOOK-BARE=1";
        uri = u"xmpp:" + value;
      }
      Line(line + ":" + EscapeText(uri));
      ++written;
    }
  }

  void Phones() {
    for (const PhoneForm& f : kPhoneForms) {
      if (c_.Text(f.id).empty()) continue;
      std::string line = std::string("TEL;TYPE=") + (v4_ ? f.type40 : f.type30);
      if (f.first_of_pair != 0 && c_.Text(f.first_of_pair).empty()) line += ";X-QUILLBOOK-SLOT=2";
      Line(line + ":" + EscapeText(c_.Text(f.id)));
    }
  }

  void Address(int family) {
    static constexpr const char* kTypes30[3] = {"WORK", "HOME", "OTHER"};
    static constexpr const char* kTypes40[3] = {"work", "home", "other"};
    const char* type = v4_ ? kTypes40[family] : kTypes30[family];
    bool parts = false;
    for (int k = 1; k <= 5; ++k) parts |= !c_.Text(AddressPart(family, k)).empty();
    const std::u16string& whole = c_.Text(AddressPart(family, 0));
    if (parts || (v4_ && !whole.empty())) {
      std::string line = std::string("ADR;TYPE=") + type;
      if (v4_ && !whole.empty()) line += ";LABEL=" + QuotedParam(whole);
      line += ":;;" + Structured(c_, {AddressPart(family, 1), AddressPart(family, 2),
                                      AddressPart(family, 3), AddressPart(family, 4),
                                      AddressPart(family, 5)});
      Line(line);
    }
    if (!v4_ && !whole.empty()) Line(std::string("LABEL;TYPE=") + type + ":" + EscapeText(whole));
  }

  void Categories() {
    std::string items;
    for (const std::u16string& item : SplitList(c_.Text(prop::kCategories))) {
      std::u16string trimmed = Trim(item);
      if (trimmed.empty()) continue;
      if (!items.empty()) items += ',';
      items += EscapeText(trimmed);
    }
    if (!items.empty()) Line("CATEGORIES:" + items);
  }

  void Photo() {
    if (c_.photo.empty()) return;
    const char* type = ImageType(c_.photo, v4_);
    std::string data = EncodeBase64(c_.photo);
    if (v4_) {
      std::string mime = type ? std::string("image/") + type : "application/octet-stream";
      Line("PHOTO:data:" + mime + ";base64," + data);
    } else {
      Line(std::string("PHOTO;ENCODING=b") + (type ? std::string(";TYPE=") + type : "") + ":" +
           data);
    }
  }

  const VCardContact& c_;
  const bool v4_;
  std::string out_;
};

}  // namespace

std::string VCardWriter::Write(const VCardContact& contact, VCardVersion version) {
  return CardBuilder(contact, version).Build();
}

}  // namespace platform::pim
