// The contact list's pictures: read from the store only for rows on or near the screen, as
// they are about to be painted, and kept for at most kMaxPictures rows; the pictures of rows
// far from the view are dropped first and read again when those rows come back.
#include <algorithm>

#include "contacts/ContactListItem.h"
#include "contacts/ContactPictureFile.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/pim/PimApplication.h"
#include "theme/SettingManager.h"

void ContactSmartListControl::LoadContactPicture(ContactListItem& record) {
  std::lock_guard lock(ListLock());
  if (!show_pictures_ || !store_) return;
  if (record.object_id == ContactListItem::kNoObjectId) return;
  if (record.picture) {
    record.picture.reset();
    std::erase(pictured_, record.object_id);
  }
  picture_tried_.insert(record.object_id);
  const std::vector<uint8_t> bytes = ReadContactPictureBytes(*store_, record.object_id);
  if (bytes.empty()) return;
  theme::ThumbnailResult thumbnail = theme::LoadThumbnail(bytes, contact_height_, contact_height_);
  if (thumbnail.code != 0 || !thumbnail.image) return;
  thumbnail.image->PrerenderImage(theme::Settings().background_color);
  record.picture = std::move(thumbnail.image);
  pictured_.push_back(record.object_id);
}

void ContactSmartListControl::ForgetPicture(const IListItem* row) {
  std::lock_guard lock(ListLock());
  const auto* contact = dynamic_cast<const ContactListItem*>(row);
  if (!contact) return;
  picture_tried_.erase(contact->object_id);
  std::erase(pictured_, contact->object_id);
}

// Reads the pictures of the displayed rows within one view height above and below the view,
// then drops the oldest pictures outside that band while more than kMaxPictures are held.
void ContactSmartListControl::LoadVisiblePictures() {
  std::lock_guard lock(ListLock());
  if (!show_pictures_ || !store_) return;
  const int32_t view = ViewHeight();
  const int32_t near_top = ScrollOffset() - view;
  const int32_t near_bottom = ScrollOffset() + 2 * view;
  std::vector<ContactListItem*> near;
  int32_t y = 0;
  for (size_t i = 0; i < DisplayedCount() && y < near_bottom; ++i) {
    IListItem* row = DisplayedItem(i);
    const int32_t bottom = y + row->height;
    if (bottom > near_top) {
      if (auto* contact = dynamic_cast<ContactListItem*>(row)) near.push_back(contact);
    }
    y = bottom;
  }
  for (ContactListItem* contact : near) {
    if (!picture_tried_.contains(contact->object_id)) LoadContactPicture(*contact);
  }
  for (size_t i = 0; i < pictured_.size() && pictured_.size() > kMaxPictures;) {
    ContactListItem* contact = FindContactByObjectId(pictured_[i]);
    if (contact && std::find(near.begin(), near.end(), contact) != near.end()) {
      ++i;
      continue;
    }
    if (contact) contact->picture.reset();
    picture_tried_.erase(pictured_[i]);
    pictured_.erase(pictured_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

bool ContactSmartListControl::Paint(platform::Surface& dc, int left, int top, int right,
                                    int bottom) {
  std::lock_guard lock(ListLock());
  LoadVisiblePictures();
  return SmartListControl::Paint(dc, left, top, right, bottom);
}
