// One contact as vCard files carry it: the contact's text properties by property id, its
// favourite flag, its picture and the card's UID. The go-between of the vCard reader and
// writer and the contact store.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

struct VCardContact {
  std::map<PropertyId, std::u16string> texts;  // only non-empty values
  bool favorite = false;
  std::string photo;   // image file bytes (at most kMaxPictureBytes)
  std::u16string uid;  // kept so that a card keeps its identity across exports
  int line = 0;        // line of BEGIN:VCARD in the file read (0 when not read from a file)

  const std::u16string& Text(PropertyId id) const;
  void SetText(PropertyId id, std::u16string value);  // an empty value removes the entry
  bool operator==(const VCardContact& other) const = default;
};

// Something the reader could not take: a malformed card (skipped whole) or a part of a card
// that was left out (the rest of the card was kept).
struct VCardProblem {
  int line = 0;
  std::string message;
  bool card_skipped = false;
};

}  // namespace platform::pim
