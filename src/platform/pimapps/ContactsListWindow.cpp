#include "platform/pimapps/ContactsListWindow.h"

#include <algorithm>

#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/pimapps/PimApps.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

namespace {

constexpr int kRowHeight = 40;
constexpr COLORREF kSeparator = RGB(225, 225, 225);

POINT PointOf(LPARAM lparam) {
  return POINT{ui::GetXParam(lparam), ui::GetYParam(lparam)};
}

}  // namespace

ContactsListWindow::ContactsListWindow(ui::WindowManager& manager, pim::PimApplication& store)
    : manager_(manager), store_(store), look_(manager.ScreenSize()) {
  const SIZE screen = manager_.ScreenSize();
  hwnd_ = manager_.CreateWindow(
      u"#ContactsList", u"Contacts", RECT{0, 0, screen.cx, screen.cy}, false, nullptr,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Procedure(h, m, w, l); });
  Load();
}

ContactsListWindow::~ContactsListWindow() {
  ui::DumpRegistry::Instance().Remove(kWindowDumpSection);
  manager_.DestroyWindow(hwnd_);
}

void ContactsListWindow::Load() {
  using namespace pim::prop;
  static const std::vector<pim::PropertyId> kIds = {
      kFileAs,   kMobilePhone,  kBusinessPhone, kHomePhone, kBusinessPhone2, kHomePhone2,
      kCarPhone, kCompanyPhone, kRadioPhone,    kPager,     kAssistantPhone};
  entries_.clear();
  std::unique_ptr<pim::PimFolder> folder = store_.GetDefaultFolder(pim::kFolderContacts);
  std::unique_ptr<pim::PimItemCollection> items = folder ? folder->Items() : nullptr;
  const int count = items ? items->Count() : 0;
  std::vector<pim::PropertyValue> values;
  for (int position = 1; position <= count; ++position) {
    if (items->GetProps(position, kIds, &values) != pim::PimResult::kOk) continue;
    Entry entry{items->OidAt(position), values[0].HasText() ? values[0].text : u"", u"", ""};
    for (size_t i = 1; i < values.size() && entry.number.empty(); ++i) {
      if (values[i].HasText()) entry.number = values[i].text;
    }
    if (entry.name.empty()) entry.name = entry.number.empty() ? u"(No name)" : entry.number;
    entry.key = CollationKey(entry.name);
    entries_.push_back(std::move(entry));
  }
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.key < b.key; });
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactsListWindow::Run() {
  ui::HWND previous_focus = manager_.GetFocus();
  while (!done_) {
    // The viewer, opened from here and closed again, took the dump section over.
    ui::DumpRegistry::Instance().Add(kWindowDumpSection,
                                     [this](ui::JsonWriter& json) { Dump(json); });
    manager_.SetFocus(hwnd_);
    if (!manager_.RunModal(hwnd_, [this] { return done_ || open_ >= 0; })) break;
    if (open_ < 0) continue;
    const pim::ObjectId oid = entries_[static_cast<size_t>(open_)].oid;
    open_ = -1;
    if (std::unique_ptr<pim::PimItem> item = store_.GetItemFromOid(oid)) {
      DisplayItem(hwnd_, *item);
    } else {
      manager_.MessageBox(hwnd_, u"This contact no longer exists.", u"Contacts", MB_OK);
    }
    Load();
  }
  manager_.ShowWindow(hwnd_, ui::SW_HIDE);
  if (manager_.IsWindow(previous_focus)) manager_.SetFocus(previous_focus);
}

RECT ContactsListWindow::Area() const {
  return ScrolledArea(look_, manager_.GetClientRect(hwnd_));
}

RECT ContactsListWindow::CloseRect() const {
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT left = LeftButtonRect(look_, client);
  return RECT{left.left, left.top, RightButtonRect(look_, client).right, left.bottom};
}

int ContactsListWindow::RowHeight() const {
  return S(kRowHeight);
}

int ContactsListWindow::MaxScroll() const {
  const int content = static_cast<int>(entries_.size()) * RowHeight();
  return std::max(0, content - static_cast<int>(RectHeight(Area())));
}

RECT ContactsListWindow::RowRect(size_t index) const {
  const RECT area = Area();
  const int top = area.top + static_cast<int>(index) * RowHeight() - scroll_;
  return RECT{0, top, area.right, top + RowHeight()};
}

void ContactsListWindow::ScrollTo(int offset) {
  offset = std::clamp(offset, 0, MaxScroll());
  if (offset == scroll_) return;
  scroll_ = offset;
  manager_.InvalidateRect(hwnd_, nullptr);
}

LRESULT ContactsListWindow::Procedure(ui::HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      scroll_ = std::clamp(scroll_, 0, MaxScroll());
      manager_.InvalidateRect(hwnd_, nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(PointOf(lparam));
      return 0;
    case WM_MOUSEMOVE:
      if (!close_pressed_) {
        const int offset = drag_.Move(PointOf(lparam), S(kDragSlop));
        if (offset >= 0) ScrollTo(offset);
      }
      return 0;
    case WM_LBUTTONUP:
      OnPenUp(PointOf(lparam));
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) done_ = true;
      if (wparam == VK_DOWN) ScrollTo(scroll_ + RowHeight());
      if (wparam == VK_UP) ScrollTo(scroll_ - RowHeight());
      return 0;
    default:
      return 0;
  }
}

void ContactsListWindow::OnPenDown(POINT point) {
  drag_.Down(point, scroll_);
  close_pressed_ = PtInRect(CloseRect(), point);
  manager_.SetCapture(hwnd_);
  if (close_pressed_) manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactsListWindow::OnPenUp(POINT point) {
  if (!drag_.IsDown()) return;
  const bool tap = drag_.Up();
  manager_.ReleaseCapture();
  if (close_pressed_) {
    close_pressed_ = false;
    manager_.InvalidateRect(hwnd_, nullptr);
    if (PtInRect(CloseRect(), point)) done_ = true;
    return;
  }
  if (!tap || !PtInRect(Area(), point)) return;
  const int index = (point.y - Area().top + scroll_) / RowHeight();
  if (index >= 0 && index < static_cast<int>(entries_.size())) open_ = index;
}

void ContactsListWindow::Paint() {
  RECT invalid;
  Surface* dc = manager_.BeginPaint(hwnd_, invalid);
  if (!dc) return;
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT area = Area();
  dc->FillRect(client, kBackground);
  dc->PushClip(area);
  if (entries_.empty()) {
    RECT text = InflateRect(area, -S(kMargin), -S(kMargin));
    dc->DrawText(u"There are no contacts.", text,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look_.value_font,
                 kLabelText);
  }
  const size_t first = static_cast<size_t>(scroll_ / RowHeight());
  for (size_t i = first; i < entries_.size(); ++i) {
    const RECT row = RowRect(i);
    if (row.top > area.bottom) break;
    // A contact without a number has its name in the middle of the row.
    const int middle = entries_[i].number.empty() ? row.bottom : row.top + RowHeight() / 2 + S(1);
    RECT name{S(kMargin), row.top + S(2), row.right - S(kMargin), middle};
    dc->DrawText(entries_[i].name, name,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                 look_.title_font, kText);
    RECT number{S(kMargin), middle, row.right - S(kMargin), row.bottom - S(2)};
    dc->DrawText(entries_[i].number, number,
                 DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                 look_.label_font, kLabelText);
    dc->FillRect(RECT{0, row.bottom - 1, row.right, row.bottom}, kSeparator);
  }
  dc->PopClip();
  PaintTitleBar(*dc, look_, client, u"Contacts");
  PaintScrollMark(*dc, look_, area, scroll_, static_cast<int>(entries_.size()) * RowHeight());
  dc->FillRect(RECT{0, area.bottom, client.right, client.bottom}, kBarColor);
  PaintButton(*dc, look_, CloseRect(), u"Close", close_pressed_);
  manager_.EndPaint(hwnd_);
}

void ContactsListWindow::Dump(ui::JsonWriter& json) const {
  json.BeginObject();
  json.StringField("kind", "contacts");
  json.StringField("title", u"Contacts");
  json.IntField("scroll_offset", scroll_);
  json.RectField("form_rect", Area());
  json.RectField("close_rect", CloseRect());
  json.Key("fields");
  json.BeginArray();
  for (size_t i = 0; i < entries_.size(); ++i) {
    json.BeginObject();
    json.StringField("label", entries_[i].name);
    json.StringField("value", entries_[i].number);
    json.RectField("rect", RowRect(i));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace platform::pimapps
