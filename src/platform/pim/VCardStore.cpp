#include "platform/pim/VCardStore.h"

#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimStream.h"

namespace platform::pim {

PimResult LoadVCardContact(PimApplication& app, ObjectId oid, VCardContact* out) {
  *out = VCardContact();
  PimResult result = PimResult::kOk;
  auto item = app.GetItemFromOid(oid, &result);
  if (!item) return result;
  PropertyId favorite = 0, uid = 0;
  app.GetIdFromName(kFavoritePropertyName, kFavoriteNamedFlags, &favorite);
  app.GetIdFromName(kVCardUidPropertyName, kTypeText, &uid);
  std::vector<PropertyId> ids;
  for (const ContactTextField& f : kContactTextFields) ids.push_back(f.id);
  ids.push_back(favorite);
  ids.push_back(uid);
  std::vector<PropertyValue> values;
  if ((result = item->GetProps(ids, &values)) != PimResult::kOk) return result;
  for (const PropertyValue& v : values) {
    if (v.id == uid && uid != 0 && v.HasText())
      out->uid = v.text;
    else if (v.id == favorite && favorite != 0)
      out->favorite = v.HasValue() && v.number != 0;
    else if (v.HasText())
      out->SetText(v.id, v.text);
  }
  std::unique_ptr<PimStream> stream;
  if ((result = item->OpenProperty(kPropPicture, kAccessRead, &stream)) != PimResult::kOk) {
    return result;
  }
  out->photo = stream->bytes();
  return PimResult::kOk;
}

PimResult SaveVCardContact(PimApplication& app, const VCardContact& contact, ObjectId* oid) {
  *oid = 0;
  std::vector<PropertyValue> values;
  for (const auto& [id, text] : contact.texts) {
    if (PropertyType(id) == kTypeText) values.push_back(PropertyValue::Text(id, text));
  }
  PropertyId favorite = 0, uid = 0;
  PimResult result = app.GetIdFromName(kFavoritePropertyName, kFavoriteNamedFlags, &favorite);
  if (result != PimResult::kOk) return result;
  if (contact.favorite) values.push_back(PropertyValue::Number(favorite, 1));
  if (!contact.uid.empty()) {
    result = app.GetIdFromName(kVCardUidPropertyName, kTypeText | kNamedPropertyCreate, &uid);
    if (result != PimResult::kOk) return result;
    values.push_back(PropertyValue::Text(uid, contact.uid));
  }
  auto item = app.CreateItem();
  if ((result = item->SetProps(values)) != PimResult::kOk) return result;
  if ((result = item->Save()) != PimResult::kOk) return result;
  *oid = item->Oid();
  if (contact.photo.empty()) return PimResult::kOk;
  std::unique_ptr<PimStream> stream;
  if ((result = item->OpenProperty(kPropPicture, kAccessReadWrite, &stream)) != PimResult::kOk) {
    return result;
  }
  if ((result = stream->Write(contact.photo.data(), contact.photo.size(), nullptr)) !=
      PimResult::kOk) {
    return result;
  }
  return stream->Commit();
}

}  // namespace platform::pim
