#include "platform/pim/VCardPropertyMapper.h"

#include <algorithm>
#include <array>

#include "platform/Text.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/VCardAddress.h"
#include "platform/pim/VCardText.h"

namespace platform::pim {

namespace {

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && ToLower(text.substr(0, prefix.size())) == ToLower(prefix);
}

bool IsQuotedPrintable(const VCardLine& line) {
  for (const VCardParam& p : line.params) {
    if (p.name != "ENCODING") continue;
    for (const std::string& v : p.values) {
      if (EqualsNoCaseAscii(v, "QUOTED-PRINTABLE")) return true;
    }
  }
  return false;
}

bool IsBase64(const VCardLine& line) {
  std::string e = line.Param("ENCODING");
  return e == "B" || e == "BASE64";
}

// Slot number of our own positional parameter (1-based), or 0.
int SlotParam(const VCardLine& line) {
  std::string slot = line.Param("X-QUILLBOOK-SLOT");
  return slot.size() == 1 && slot[0] >= '1' && slot[0] <= '3' ? slot[0] - '0' : 0;
}

std::u16string JoinNonEmpty(const std::vector<std::u16string>& parts, std::u16string_view sep) {
  std::u16string out;
  for (const auto& p : parts) {
    if (p.empty()) continue;
    if (!out.empty()) out += sep;
    out += p;
  }
  return out;
}

struct ImScheme {
  const char* property;
  const char16_t* scheme;
};
constexpr std::array<ImScheme, 8> kImSchemes = {{{"X-JABBER", u"xmpp:"},
                                                 {"X-AIM", u"aim:"},
                                                 {"X-ICQ", u"icq:"},
                                                 {"X-MSN", u"msnim:"},
                                                 {"X-YAHOO", u"ymsgr:"},
                                                 {"X-SKYPE", u"skype:"},
                                                 {"X-MATRIX", u"matrix:"},
                                                 {"X-GADUGADU", u"gg:"}}};

const std::vector<PropertyId> kPhoneFallback = {
    prop::kMobilePhone,    prop::kHomePhone,     prop::kHomePhone2, prop::kBusinessPhone,
    prop::kBusinessPhone2, prop::kCarPhone,      prop::kPager,      prop::kRadioPhone,
    prop::kCompanyPhone,   prop::kAssistantPhone};

}  // namespace

VCardPropertyMapper::VCardPropertyMapper(VCardContact* contact, std::vector<VCardProblem>* problems)
    : contact_(contact), problems_(problems) {}

void VCardPropertyMapper::Map(const std::vector<VCardLine>& lines) {
  for (const VCardLine& line : lines) {
    if (line.name == "X-ABLABEL" && !line.group.empty()) {
      labels_[line.group] = UpperAscii(line.value);
    }
  }
  for (const VCardLine& line : lines) MapLine(line);
  DeriveNames();
}

std::u16string VCardPropertyMapper::DecodedText(const VCardLine& line) const {
  std::string bytes = IsQuotedPrintable(line) ? DecodeQuotedPrintable(line.value) : line.value;
  return DecodeCharset(bytes, line.Param("CHARSET"));
}

std::string VCardPropertyMapper::Label(const VCardLine& line) const {
  auto it = labels_.find(line.group);
  return it == labels_.end() ? std::string() : it->second;
}

void VCardPropertyMapper::Problem(const VCardLine& line, std::string message) {
  problems_->push_back({line.line, std::move(message), false});
}

void VCardPropertyMapper::SetIfEmpty(PropertyId id, const std::u16string& text) {
  if (contact_->Text(id).empty()) contact_->SetText(id, text.substr(0, kMaxTextUnits));
}

bool VCardPropertyMapper::FillSlot(const std::vector<PropertyId>& candidates,
                                   const std::u16string& text) {
  if (text.empty()) return true;
  for (PropertyId id : candidates) {
    if (contact_->Text(id).empty()) {
      contact_->SetText(id, text.substr(0, kMaxTextUnits));
      return true;
    }
  }
  return false;
}

void VCardPropertyMapper::MapLine(const VCardLine& line) {
  const std::string& name = line.name;
  if (name == "PHOTO") return MapPhoto(line);
  std::u16string raw = DecodedText(line);
  if (raw.size() > kMaxTextUnits * 2) {
    return Problem(line, name + " is too long and was left out");
  }
  if (name == "N") return MapName(raw, line);
  if (name == "ORG") return MapOrganisation(raw);
  if (name == "TEL" || name == "X-MS-TEL") return MapTelephone(line, UnescapeText(raw));
  if (name == "EMAIL") return MapEmail(line, UnescapeText(raw));
  if (name == "ADR") return MapAddress(line, raw);
  if (name == "LABEL") return MapLabel(line, UnescapeText(raw));
  if (name == "CATEGORIES") return MapCategories(raw);
  std::u16string text = UnescapeText(raw);
  if (name == "UID") return void(contact_->uid = text.substr(0, 255));
  if (name == "X-FOLKS-FAVOURITE" || name == "X-FOLKS-FAVORITE") {
    if (ToLower(Trim(text)) == u"true") contact_->favorite = true;
    return;
  }
  if (name == "IMPP" || name == "X-MS-IMADDRESS" || name.rfind("X-", 0) == 0) {
    if (name == "IMPP" || name == "X-MS-IMADDRESS" ||
        std::any_of(kImSchemes.begin(), kImSchemes.end(),
                    [&](const ImScheme& s) { return name == s.property; })) {
      return MapInstantMessaging(line, text);
    }
  }
  if (MapNames(line, text) || MapRelations(line, text)) return;
  MapOwnExtensions(line, text);  // anything else is not ours to keep
}

bool VCardPropertyMapper::MapNames(const VCardLine& line, const std::u16string& text) {
  const std::string& name = line.name;
  if (name == "FN")
    SetIfEmpty(prop::kDisplayName, text);
  else if (name == "X-EVOLUTION-FILE-AS")
    contact_->SetText(prop::kFileAs, text.substr(0, kMaxTextUnits));
  else if (name == "SORT-STRING")
    sort_as_ = text;
  else if (name == "NICKNAME")
    SetIfEmpty(prop::kNickname, text);
  else if (name == "X-PHONETIC-FIRST-NAME")
    SetIfEmpty(prop::kYomiFirstName, text);
  else if (name == "X-PHONETIC-LAST-NAME")
    SetIfEmpty(prop::kYomiLastName, text);
  else if (name == "X-PHONETIC-ORG")
    SetIfEmpty(prop::kYomiCompany, text);
  else if (name == "TITLE")
    SetIfEmpty(prop::kJobTitle, text);
  else if (name == "URL")
    SetIfEmpty(prop::kWebPage, text);
  else if (name == "NOTE")
    SetIfEmpty(prop::kNote, text);
  else if (name == "X-KADDRESSBOOK-X-OFFICE")
    SetIfEmpty(prop::kOfficeLocation, text);
  else
    return false;
  return true;
}

bool VCardPropertyMapper::MapRelations(const VCardLine& line, const std::u16string& text) {
  const std::string& name = line.name;
  std::string label = Label(line);
  auto add_child = [&] {
    std::u16string children = contact_->Text(prop::kChildren);
    contact_->SetText(prop::kChildren,
                      (children.empty() ? text : children + u", " + text).substr(0, kMaxTextUnits));
  };
  if (name == "X-EVOLUTION-MANAGER" || name == "X-KADDRESSBOOK-X-MANAGERSNAME" ||
      name == "X-MS-MANAGER" || (name == "X-ABRELATEDNAMES" && label == "_$!<MANAGER>!$_")) {
    SetIfEmpty(prop::kManager, text);
  } else if (name == "X-EVOLUTION-ASSISTANT" || name == "X-KADDRESSBOOK-X-ASSISTANTSNAME" ||
             name == "X-MS-ASSISTANT" || name == "X-ASSISTANT" ||
             (name == "X-ABRELATEDNAMES" && label == "_$!<ASSISTANT>!$_")) {
    SetIfEmpty(prop::kAssistantName, text);
  } else if (name == "X-EVOLUTION-SPOUSE" || name == "X-KADDRESSBOOK-X-SPOUSESNAME" ||
             (name == "X-ABRELATEDNAMES" && label == "_$!<SPOUSE>!$_") ||
             (name == "RELATED" && line.HasType("spouse"))) {
    SetIfEmpty(prop::kSpouse, text);
  } else if ((name == "X-ABRELATEDNAMES" && label == "_$!<CHILD>!$_") ||
             (name == "RELATED" && line.HasType("child"))) {
    add_child();
  } else {
    return false;
  }
  return true;
}

bool VCardPropertyMapper::MapOwnExtensions(const VCardLine& line, const std::u16string& text) {
  static const std::map<std::string, PropertyId> kOwn = {
      {"X-QUILLBOOK-CHILDREN", prop::kChildren},
      {"X-QUILLBOOK-MMS", prop::kMms},
      {"X-QUILLBOOK-RINGTONE", prop::kRingtone},
      {"X-QUILLBOOK-CUSTOMER-ID", prop::kCustomerId},
      {"X-QUILLBOOK-GOVERNMENT-ID", prop::kGovernmentId},
      {"X-QUILLBOOK-ACCOUNT", prop::kAccountName}};
  auto it = kOwn.find(line.name);
  if (it == kOwn.end()) return false;
  contact_->SetText(it->second, text.substr(0, kMaxTextUnits));
  return true;
}

void VCardPropertyMapper::MapName(const std::u16string& text, const VCardLine& line) {
  std::vector<std::u16string> parts = SplitStructured(text);
  parts.resize(std::max<size_t>(parts.size(), 5));
  SetIfEmpty(prop::kLastName, parts[0]);
  SetIfEmpty(prop::kFirstName, parts[1]);
  SetIfEmpty(prop::kMiddleName, parts[2]);
  SetIfEmpty(prop::kTitle, parts[3]);
  SetIfEmpty(prop::kSuffix, parts[4]);
  for (const VCardParam& p : line.params) {
    if (p.name == "SORT-AS" && !p.values.empty()) {
      std::vector<std::u16string> keys;
      for (const std::string& v : p.values) {
        for (auto& key : SplitList(DecodeCharset(v, ""))) keys.push_back(Trim(key));
      }
      sort_as_ = JoinNonEmpty(keys, u", ");
    }
  }
}

void VCardPropertyMapper::MapOrganisation(const std::u16string& text) {
  std::vector<std::u16string> parts = SplitStructured(text);
  parts.resize(std::max<size_t>(parts.size(), 3));
  SetIfEmpty(prop::kCompany, parts[0]);
  SetIfEmpty(prop::kDepartment, parts[1]);
  SetIfEmpty(prop::kOfficeLocation, parts[2]);
}

// Which phone property a TEL fills: its types choose a list of slots, tried in order; when all
// of them are taken the number goes to the first free voice slot.
void VCardPropertyMapper::MapTelephone(const VCardLine& line, const std::u16string& value) {
  std::u16string number = Trim(value);
  if (StartsWithNoCase(number, u"tel:")) number = number.substr(4);
  std::string label = Label(line);
  auto has = [&](const char* t) { return line.HasType(t); };
  bool work = has("work"), home = has("home");
  int slot = SlotParam(line);
  std::vector<PropertyId> wanted;
  if (has("fax")) {
    wanted = home ? std::vector<PropertyId>{prop::kHomeFax, prop::kBusinessFax}
                  : std::vector<PropertyId>{prop::kBusinessFax, prop::kHomeFax};
  } else if (has("x-evolution-radio") || has("radio")) {
    wanted = {prop::kRadioPhone};
  } else if (has("x-evolution-company") || has("company") || label == "_$!<MAIN>!$_") {
    wanted = {prop::kCompanyPhone};
  } else if (has("x-evolution-assistant") || has("assistant")) {
    wanted = {prop::kAssistantPhone};
  } else if (has("pager")) {
    wanted = {prop::kPager};
  } else if (has("car")) {
    wanted = {prop::kCarPhone};
  } else if (has("cell") || has("mobile") || has("iphone")) {
    wanted = {prop::kMobilePhone};
  } else if (has("text") || has("sms")) {
    wanted = {prop::kSms};
  } else if (work) {
    wanted = slot == 2 ? std::vector<PropertyId>{prop::kBusinessPhone2}
                       : std::vector<PropertyId>{prop::kBusinessPhone, prop::kBusinessPhone2};
  } else if (home) {
    wanted = slot == 2 ? std::vector<PropertyId>{prop::kHomePhone2}
                       : std::vector<PropertyId>{prop::kHomePhone, prop::kHomePhone2};
  }
  if (wanted.empty() || wanted[0] != prop::kSms) {
    wanted.insert(wanted.end(), kPhoneFallback.begin(), kPhoneFallback.end());
  }
  if (!FillSlot(wanted, number)) Problem(line, "no free phone field for a number; left out");
}

void VCardPropertyMapper::MapEmail(const VCardLine& line, const std::u16string& text) {
  const PropertyId slots[3] = {prop::kEmail1, prop::kEmail1 + 0x10000, prop::kEmail1 + 0x20000};
  int slot = SlotParam(line);
  std::vector<PropertyId> wanted;
  if (slot > 0) wanted.push_back(slots[slot - 1]);
  wanted.insert(wanted.end(), std::begin(slots), std::end(slots));
  if (!FillSlot(wanted, Trim(text))) Problem(line, "more than three e-mail addresses; left out");
}

void VCardPropertyMapper::MapInstantMessaging(const VCardLine& line, const std::u16string& text) {
  std::u16string address = Trim(text);
  for (const ImScheme& s : kImSchemes) {
    if (line.name == s.property && !StartsWithNoCase(address, s.scheme)) {
      address = s.scheme + address;
    }
  }
  // Our own export adds a scheme to a bare address and marks it so.
  if (line.HasParam("X-QUILLBOOK-BARE")) {
    size_t colon = address.find(u':');
    if (colon != std::u16string::npos) address = address.substr(colon + 1);
  }
  const PropertyId slots[3] = {prop::kIm1, prop::kIm1 + 0x10000, prop::kIm1 + 0x20000};
  for (PropertyId id : slots) {
    if (contact_->Text(id) == address) return;  // the same address in two forms
  }
  int slot = SlotParam(line);
  std::vector<PropertyId> wanted;
  if (slot > 0) wanted.push_back(slots[slot - 1]);
  wanted.insert(wanted.end(), std::begin(slots), std::end(slots));
  if (!FillSlot(wanted, address)) Problem(line, "more than three IM addresses; left out");
}

void VCardPropertyMapper::MapAddress(const VCardLine& line, const std::u16string& text) {
  std::vector<std::u16string> parts = SplitStructured(text);
  parts.resize(std::max<size_t>(parts.size(), 7));
  int family = FreeAddressFamily(*contact_, AddressFamilyOf(line));
  if (family < 0) return Problem(line, "more than three addresses; left out");
  std::u16string street = JoinNonEmpty({parts[0], parts[1], parts[2]}, u"\n");
  const std::u16string* values[5] = {&street, &parts[3], &parts[4], &parts[5], &parts[6]};
  for (int k = 0; k < 5; ++k) {
    contact_->SetText(AddressPart(family, k + 1), values[k]->substr(0, kMaxTextUnits));
  }
  for (const VCardParam& p : line.params) {
    if (p.name == "LABEL" && !p.values.empty()) {
      contact_->SetText(AddressPart(family, 0), FromUtf8(p.values[0]).substr(0, kMaxTextUnits));
    }
  }
}

void VCardPropertyMapper::MapLabel(const VCardLine& line, const std::u16string& text) {
  int family = AddressFamilyOf(line);
  if (family < 0) family = 2;
  SetIfEmpty(AddressPart(family, 0), text);
}

void VCardPropertyMapper::MapCategories(const std::u16string& text) {
  std::vector<std::u16string> items;
  for (std::u16string& item : SplitList(text)) {
    item = Trim(item);
    if (item == u"Starred in Android") contact_->favorite = true;
    if (!item.empty()) items.push_back(std::move(item));
  }
  std::u16string joined = JoinNonEmpty(items, u", ");
  std::u16string old = contact_->Text(prop::kCategories);
  contact_->SetText(prop::kCategories,
                    (old.empty() ? joined : old + u", " + joined).substr(0, kMaxTextUnits));
}

void VCardPropertyMapper::MapPhoto(const VCardLine& line) {
  std::string_view value = line.value;
  std::string bytes;
  bool ok = false;
  if (value.size() >= 5 && EqualsNoCaseAscii(value.substr(0, 5), "data:")) {
    size_t comma = value.find(',');
    std::string header = UpperAscii(value.substr(0, std::min(comma, value.size())));
    if (comma == std::string_view::npos || header.find(";BASE64") == std::string::npos) {
      return Problem(line, "photo data is not base64; left out");
    }
    ok = DecodeBase64(value.substr(comma + 1), kMaxPictureBytes, &bytes);
  } else if (IsBase64(line)) {
    ok = DecodeBase64(value, kMaxPictureBytes, &bytes);
  } else {
    return Problem(line, "photo given as a link is not fetched; left out");
  }
  if (!ok) {
    bool too_big = value.size() / 4 * 3 > kMaxPictureBytes;
    return Problem(line, too_big ? "photo over 2 MiB refused" : "photo is not valid base64");
  }
  contact_->photo = std::move(bytes);
}

void VCardPropertyMapper::DeriveNames() {
  const VCardContact& c = *contact_;
  if (c.Text(prop::kDisplayName).empty()) {
    std::u16string name =
        JoinNonEmpty({c.Text(prop::kTitle), c.Text(prop::kFirstName), c.Text(prop::kMiddleName),
                      c.Text(prop::kLastName), c.Text(prop::kSuffix)},
                     u" ");
    if (name.empty()) name = c.Text(prop::kCompany);
    if (name.empty()) name = c.Text(prop::kNickname);
    if (name.empty()) name = c.Text(prop::kEmail1);
    contact_->SetText(prop::kDisplayName, name);
  }
  if (c.Text(prop::kFileAs).empty()) {
    std::u16string file_as = sort_as_;
    if (file_as.empty()) {
      file_as = JoinNonEmpty({c.Text(prop::kLastName), c.Text(prop::kFirstName)}, u", ");
    }
    if (file_as.empty()) file_as = c.Text(prop::kCompany);
    if (file_as.empty()) file_as = c.Text(prop::kDisplayName);
    contact_->SetText(prop::kFileAs, file_as.substr(0, kMaxTextUnits));
  }
}

}  // namespace platform::pim
