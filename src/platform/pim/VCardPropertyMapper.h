// Turns the content lines of one card into a VCardContact: which vCard property (in the forms
// written by the common address books) fills which contact property, the positional slots of
// e-mail addresses, IM addresses and phone numbers, the derived display and file-as names.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/pim/VCardContact.h"
#include "platform/pim/VCardLine.h"

namespace platform::pim {

class VCardPropertyMapper {
 public:
  VCardPropertyMapper(VCardContact* contact, std::vector<VCardProblem>* problems);

  // Maps every line of one card (the lines between BEGIN:VCARD and END:VCARD), then fills the
  // display name and file-as name when the card gave none.
  void Map(const std::vector<VCardLine>& lines);

 private:
  void MapLine(const VCardLine& line);
  bool MapNames(const VCardLine& line, const std::u16string& text);
  bool MapRelations(const VCardLine& line, const std::u16string& text);
  bool MapOwnExtensions(const VCardLine& line, const std::u16string& text);
  void MapName(const std::u16string& text, const VCardLine& line);
  void MapOrganisation(const std::u16string& text);
  void MapTelephone(const VCardLine& line, const std::u16string& text);
  void MapEmail(const VCardLine& line, const std::u16string& text);
  void MapInstantMessaging(const VCardLine& line, const std::u16string& text);
  void MapAddress(const VCardLine& line, const std::u16string& text);
  void MapLabel(const VCardLine& line, const std::u16string& text);
  void MapCategories(const std::u16string& text);
  void MapPhoto(const VCardLine& line);
  void DeriveNames();

  std::u16string DecodedText(const VCardLine& line) const;
  std::string Label(const VCardLine& line) const;  // Apple's X-ABLabel of the line's group
  void SetIfEmpty(PropertyId id, const std::u16string& text);
  bool FillSlot(const std::vector<PropertyId>& candidates, const std::u16string& text);
  void Problem(const VCardLine& line, std::string message);

  VCardContact* contact_;
  std::vector<VCardProblem>* problems_;
  std::map<std::string, std::string> labels_;  // group -> label
  std::u16string sort_as_;
};

}  // namespace platform::pim
