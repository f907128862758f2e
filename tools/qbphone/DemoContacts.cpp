#include "DemoContacts.h"

#include <array>
#include <string_view>

#include "DemoPictures.h"
#include "platform/Text.h"
#include "platform/pim/PimContactFields.h"

namespace qbphone {

namespace {

using platform::pim::PropertyId;
using platform::pim::VCardContact;
namespace prop = platform::pim::prop;

// A deterministic generator (splitmix64), the same on every platform and library.
class DemoRandom {
 public:
  explicit DemoRandom(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 <= result < n
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
  bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
  template <typename T, size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Below(N)];
  }

 private:
  uint64_t state_;
};

struct Name {
  std::string_view text;
  std::string_view ascii;  // for e-mail addresses
};

constexpr std::array<Name, 24> kFirstNames = {{
    {"Zoë", "zoe"},
    {"Anaïs", "anais"},
    {"José", "jose"},
    {"Jean-Luc", "jean-luc"},
    {"Marie-Hélène", "marie-helene"},
    {"Björn", "bjorn"},
    {"Łukasz", "lukasz"},
    {"Ana", "ana"},
    {"Seán", "sean"},
    {"Chloé", "chloe"},
    {"Thomas", "thomas"},
    {"Amélie", "amelie"},
    {"Søren", "soren"},
    {"Nuño", "nuno"},
    {"Ingrid", "ingrid"},
    {"Mohammed", "mohammed"},
    {"Émile", "emile"},
    {"Agnès", "agnes"},
    {"Paul", "paul"},
    {"Yūko", "yuko"},
    {"François", "francois"},
    {"Iñés", "ines"},
    {"Oliver", "oliver"},
    {"Renée", "renee"},
}};

constexpr std::array<Name, 24> kLastNames = {{
    {"O'Brien", "obrien"},
    {"D'Angelo", "dangelo"},
    {"Müller", "muller"},
    {"Lefèvre", "lefevre"},
    {"García-Márquez", "garcia-marquez"},
    {"Nguyễn", "nguyen"},
    {"Smith-Jones", "smith-jones"},
    {"Dvořák", "dvorak"},
    {"Østergaard", "ostergaard"},
    {"Łęcki", "lecki"},
    {"Martin", "martin"},
    {"Da Silva", "dasilva"},
    {"Van der Berg", "vanderberg"},
    {"L'Hôpital", "lhopital"},
    {"Björk", "bjork"},
    {"Černý", "cerny"},
    {"Durand", "durand"},
    {"McAllister", "mcallister"},
    {"Saint-Exupéry", "saint-exupery"},
    {"Ruiz", "ruiz"},
    {"Kowalski", "kowalski"},
    {"Åberg", "aberg"},
    {"Fontaine", "fontaine"},
    {"Ó Súilleabháin", "osullivan"},
}};

constexpr std::array<std::string_view, 12> kCompanies = {
    "Acme Téléphonie", "Boulangerie Dupré", "Nordic Fjäll AB",  "Café de l'Église",
    "Smith & Sons",    "Müller GmbH",       "Estudio García",   "Ørsted Consulting",
    "Quillbook Labs",  "Hôtel du Lac",      "O'Reilly Freight", "Żabka Logistics"};

constexpr std::array<std::string_view, 8> kDigitNames = {
    "3M France",   "24h Dépannage", "1-2-3 Plomberie", "7 Eleven",
    "9 Lives Vet", "360 Fitness",   "2 Roues Paris",   "4 Saisons Traiteur"};

constexpr std::array<std::string_view, 8> kDepartments = {
    "Ventes", "R&D", "Comptabilité", "Support", "Logistique", "Marketing", "Direction", "IT"};

constexpr std::array<std::string_view, 8> kJobTitles = {
    "Ingénieure",   "Manager",        "Comptable",  "Directeur général",
    "Développeuse", "Chef de projet", "Technicien", "Assistante"};

struct City {
  std::string_view city, state, postal, country;
};

constexpr std::array<City, 12> kCities = {{
    {"Paris", "Île-de-France", "75011", "France"},
    {"Lyon", "Auvergne-Rhône-Alpes", "69002", "France"},
    {"Saint-Étienne", "Auvergne-Rhône-Alpes", "42000", "France"},
    {"Genève", "GE", "1204", "Suisse"},
    {"München", "Bayern", "80331", "Deutschland"},
    {"Kraków", "Małopolskie", "31-001", "Polska"},
    {"Göteborg", "Västra Götaland", "411 01", "Sverige"},
    {"A Coruña", "Galicia", "15001", "España"},
    {"Dún Laoghaire", "Dublin", "A96", "Ireland"},
    {"L'Aquila", "Abruzzo", "67100", "Italia"},
    {"Montréal", "QC", "H2X 1Y4", "Canada"},
    {"København", "Hovedstaden", "1050", "Danmark"},
}};

constexpr std::array<std::string_view, 8> kStreets = {
    "12 rue de l'Église", "3 Königstraße", "45 avenue Jean-Jaurès",     "7 Main Street",
    "18 calle Mayor",     "2 Smithy Lane", "99 boulevard Saint-Michel", "5 Åsgatan"};

constexpr std::array<std::string_view, 8> kCategories = {
    "Famille", "Amis", "Travail", "Club de vélo", "Voisins", "Fournisseurs", "École", "VIP"};

struct PhoneKind {
  PropertyId id;
  std::string_view prefix;
};

// Every phone and fax field, with a country and area prefix for its numbers.
constexpr std::array<PhoneKind, 12> kPhoneKinds = {{
    {prop::kMobilePhone, "+33 6 "},
    {prop::kBusinessPhone, "+33 1 "},
    {prop::kBusinessPhone2, "+33 9 "},
    {prop::kHomePhone, "+33 4 "},
    {prop::kHomePhone2, "+33 5 "},
    {prop::kBusinessFax, "+33 1 "},
    {prop::kHomeFax, "+33 4 "},
    {prop::kPager, "+33 7 "},
    {prop::kCarPhone, "+33 6 "},
    {prop::kRadioPhone, "+33 8 "},
    {prop::kCompanyPhone, "+33 1 "},
    {prop::kAssistantPhone, "+33 2 "},
}};

constexpr int kPercentOfKind[12] = {80, 35, 10, 40, 8, 12, 5, 4, 4, 3, 8, 4};

std::u16string U(std::string_view text) {
  return platform::FromUtf8(text);
}

// A number unique in its last 8 digits for every (contact, kind): the index is spread over
// 10^8 by an odd multiplier prime to 10, so different indices never collide.
std::u16string PhoneNumber(int index, int kind, uint64_t seed) {
  uint64_t n =
      ((static_cast<uint64_t>(index) * 16 + static_cast<uint64_t>(kind)) * 7919 + seed * 104729) %
      100000000;
  std::string digits = std::to_string(n + 100000000).substr(1);
  std::string text(kPhoneKinds[kind].prefix);
  for (size_t i = 0; i < 8; i += 2) text += digits.substr(i, 2) + (i < 6 ? " " : "");
  return U(text);
}

void AddAddress(VCardContact& c, DemoRandom& r, PropertyId whole) {
  const City& city = r.Pick(kCities);
  std::string_view street = r.Pick(kStreets);
  PropertyId base = whole & 0x0FFFFFFF;  // street..country follow the whole address's number
  c.SetText(base + 0x10000, U(street));
  c.SetText(base + 0x20000, U(city.city));
  c.SetText(base + 0x30000, U(city.state));
  c.SetText(base + 0x40000, U(city.postal));
  c.SetText(base + 0x50000, U(city.country));
  c.SetText(whole, U(std::string(street) + "\n" + std::string(city.postal) + " " +
                     std::string(city.city) + "\n" + std::string(city.country)));
}

void AddPhones(VCardContact& c, DemoRandom& r, int index, uint64_t seed) {
  bool only_fax = index % 23 == 5, no_number = index % 29 == 7;
  if (no_number) return;
  if (only_fax) return c.SetText(prop::kBusinessFax, PhoneNumber(index, 5, seed));
  for (int kind = 0; kind < 12; ++kind) {
    // The first contacts carry every kind at least once.
    if (index == kind + 1 || r.Chance(kPercentOfKind[kind])) {
      c.SetText(kPhoneKinds[kind].id, PhoneNumber(index, kind, seed));
    }
  }
}

VCardContact MakeContact(int index, uint64_t seed) {
  DemoRandom r(seed * 1000003 + static_cast<uint64_t>(index));
  VCardContact c;
  bool digit_company = index % 41 == 3;
  const Name& first = r.Pick(kFirstNames);
  const Name& last = r.Pick(kLastNames);
  std::string_view company = digit_company ? r.Pick(kDigitNames) : r.Pick(kCompanies);
  if (digit_company) {
    c.SetText(prop::kCompany, U(company));
    c.SetText(prop::kFileAs, U(company));
    c.SetText(prop::kDisplayName, U(company));
  } else {
    c.SetText(prop::kFirstName, U(first.text));
    c.SetText(prop::kLastName, U(last.text));
    c.SetText(prop::kFileAs, U(std::string(last.text) + ", " + std::string(first.text)));
    c.SetText(prop::kDisplayName, U(std::string(first.text) + " " + std::string(last.text)));
    if (r.Chance(50)) {
      c.SetText(prop::kCompany, U(company));
      c.SetText(prop::kDepartment, U(r.Pick(kDepartments)));
      c.SetText(prop::kJobTitle, U(r.Pick(kJobTitles)));
    }
    std::string mail = std::string(first.ascii) + "." + std::string(last.ascii);
    if (r.Chance(70)) c.SetText(prop::kEmail1, U(mail + "@example.org"));
    if (r.Chance(20)) c.SetText(prop::kEmail1 + 0x10000, U(mail + "@work.example.com"));
  }
  AddPhones(c, r, index, seed);
  if (r.Chance(50)) AddAddress(c, r, prop::kHomeAddress);
  if (!c.Text(prop::kCompany).empty() && r.Chance(70)) AddAddress(c, r, prop::kBusinessAddress);
  if (r.Chance(15)) AddAddress(c, r, prop::kOtherAddress);
  if (r.Chance(40)) {
    std::string list(r.Pick(kCategories));
    if (r.Chance(40)) list += ", " + std::string(r.Pick(kCategories));
    c.SetText(prop::kCategories, U(list));
  }
  c.favorite = index % 8 == 2;
  if (index % 10 == 4) {
    uint32_t a = static_cast<uint32_t>(r.Next() & 0xFFFFFF), b = 0xF0F0F0;
    c.photo = index % 20 == 4 ? MakeDemoPng(48, a, b) : MakeDemoJpeg(48, a, b);
  }
  return c;
}

}  // namespace

std::vector<VCardContact> MakeDemoContacts(int count, uint64_t seed) {
  std::vector<VCardContact> contacts;
  for (int i = 1; i <= count && i <= kMaxDemoContacts; ++i)
    contacts.push_back(MakeContact(i, seed));
  return contacts;
}

std::vector<std::string> DemoPhoneNumbers(int count, uint64_t seed) {
  std::vector<std::string> numbers;
  for (const VCardContact& c : MakeDemoContacts(count, seed)) {
    for (const PhoneKind& kind : kPhoneKinds) {
      if (!c.Text(kind.id).empty()) numbers.push_back(platform::ToUtf8(c.Text(kind.id)));
    }
  }
  return numbers;
}

}  // namespace qbphone
