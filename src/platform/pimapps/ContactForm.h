// The contact editor's model: the fields of a contact in the order and groups a phone's
// editor shows them, each tied to one text property of the store. Loading reads every field
// from the item; saving writes only the fields whose text changed, so a property the form
// does not know (or one the user did not touch) keeps its stored value.
//
// The file-as name follows the name fields ("Last, First Middle") until the user edits it
// or unless the stored one differs from what the name would give.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pim/PimTypes.h"

namespace platform::pim {
class PimItem;
}

namespace platform::pimapps {

struct ContactFormField {
  pim::PropertyId id;
  std::u16string_view label;
  int group;               // index into ContactFormGroups()
  bool multiline = false;  // the note and the whole addresses
};

struct ContactFormGroup {
  std::u16string_view title;
  bool rare;  // folded behind "More fields" while all its fields are empty
};

std::span<const ContactFormGroup> ContactFormGroups();
std::span<const ContactFormField> ContactFormFields();

enum class FormSaveResult {
  kSaved,
  kNothingToSave,  // a new contact left empty: nothing is created
  kGone,           // the contact was deleted meanwhile: nothing saved
  kFailed,         // the store refused the values
};

class ContactForm {
 public:
  // Reads every field of `item` (its unsaved values included). False when the stored contact
  // no longer exists.
  bool Load(const pim::PimItem& item);

  size_t size() const { return values_.size(); }
  const std::u16string& Value(size_t field) const { return values_[field]; }
  // Sets a field's text (cut at the store's longest text). Editing a name field moves the
  // file-as name along while it follows the name; editing the file-as name stops that.
  void SetValue(size_t field, std::u16string value);
  bool Changed() const;
  // Whether a rare group has a value (then it is shown without "More fields").
  bool GroupHasValue(int group) const;

  // Writes the changed fields to `item` and saves it.
  FormSaveResult Save(pim::PimItem& item) const;

  // "Last, First Middle"; the parts present; else the company; else empty.
  static std::u16string FileAsFromName(std::u16string_view first, std::u16string_view middle,
                                       std::u16string_view last, std::u16string_view company);

  // Index of the field with that property id, or -1.
  static int IndexOf(pim::PropertyId id);

 private:
  std::u16string ComputedFileAs() const;

  std::vector<std::u16string> values_;
  std::vector<std::u16string> original_;
  bool file_as_follows_ = true;
};

}  // namespace platform::pimapps
