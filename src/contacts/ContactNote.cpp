#include "contacts/ContactNote.h"

#include <memory>
#include <vector>

#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"

using platform::pim::PimResult;
using platform::pim::PropertyValue;

size_t MaxContactNoteUnits() {
  return platform::pim::kMaxTextUnits;
}

std::optional<std::u16string> ReadContactNote(platform::pim::PimApplication& store,
                                              uint32_t object_id) {
  std::unique_ptr<platform::pim::PimItem> item = store.GetItemFromOid(object_id);
  std::vector<PropertyValue> values;
  if (!item || item->GetProps({platform::pim::prop::kNote}, &values) != PimResult::kOk ||
      values.size() != 1) {
    return std::nullopt;
  }
  return values[0].HasText() ? values[0].text : std::u16string();
}

bool WriteContactNote(platform::pim::PimApplication& store, uint32_t object_id,
                      const std::u16string& note) {
  std::unique_ptr<platform::pim::PimItem> item = store.GetItemFromOid(object_id);
  return item &&
         item->SetProps({PropertyValue::Text(platform::pim::prop::kNote, note)}) ==
             PimResult::kOk &&
         item->Save() == PimResult::kOk;
}
