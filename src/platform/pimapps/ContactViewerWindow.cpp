#include "platform/pimapps/ContactViewerWindow.h"

#include <algorithm>

#include "platform/pim/PimContactFields.h"
#include "platform/pimapps/ContactForm.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

namespace {

constexpr int kPictureSide = 96;
constexpr uint32_t kValueFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

POINT PointOf(LPARAM lparam) {
  return POINT{ui::GetXParam(lparam), ui::GetYParam(lparam)};
}

}  // namespace

ContactViewerWindow::ContactViewerWindow(ui::WindowManager& manager, const ContactForm& form,
                                         std::unique_ptr<Surface> picture)
    : manager_(manager), form_(form), picture_(std::move(picture)), look_(manager.ScreenSize()) {
  const SIZE screen = manager_.ScreenSize();
  hwnd_ = manager_.CreateWindow(
      u"#ContactViewer", Title(), RECT{0, 0, screen.cx, screen.cy}, false, nullptr,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Procedure(h, m, w, l); });
  Layout();
  ui::DumpRegistry::Instance().Add(kWindowDumpSection,
                                   [this](ui::JsonWriter& json) { Dump(json); });
}

ContactViewerWindow::~ContactViewerWindow() {
  ui::DumpRegistry::Instance().Remove(kWindowDumpSection);
  manager_.DestroyWindow(hwnd_);
}

int ContactViewerWindow::PictureSide(SIZE screen) {
  return PimWindowLook(screen).S(kPictureSide);
}

ContactViewerWindow::Choice ContactViewerWindow::Run() {
  ui::HWND previous_focus = manager_.GetFocus();
  done_ = false;
  choice_ = Choice::kBack;
  // The editor, opened from here and closed again, took the dump section over.
  ui::DumpRegistry::Instance().Add(kWindowDumpSection,
                                   [this](ui::JsonWriter& json) { Dump(json); });
  manager_.SetFocus(hwnd_);
  if (!manager_.RunModal(hwnd_, [this] { return done_; })) choice_ = Choice::kClosing;
  if (choice_ != Choice::kEdit) manager_.ShowWindow(hwnd_, ui::SW_HIDE);
  if (manager_.IsWindow(previous_focus)) manager_.SetFocus(previous_focus);
  return choice_;
}

void ContactViewerWindow::Reload(std::unique_ptr<Surface> picture) {
  picture_ = std::move(picture);
  Layout();
}

std::u16string ContactViewerWindow::Title() const {
  const std::u16string& file_as = form_.Value(ContactForm::IndexOf(pim::prop::kFileAs));
  return file_as.empty() ? std::u16string(u"Contact") : file_as;
}

RECT ContactViewerWindow::Area() const {
  return ScrolledArea(look_, manager_.GetClientRect(hwnd_));
}

int ContactViewerWindow::MaxScroll() const {
  return std::max(0, content_height_ - static_cast<int>(RectHeight(Area())));
}

void ContactViewerWindow::Layout() {
  rows_.clear();
  const RECT area = Area();
  Surface scratch(1, 1);
  int y = S(kRowGap);
  if (picture_) {
    rows_.push_back(Row{Row::kPicture, 0, y, S(kPictureSide) + S(kRowGap)});
    y += S(kPictureSide) + S(kRowGap);
  }
  const auto groups = ContactFormGroups();
  const auto fields = ContactFormFields();
  for (size_t g = 0; g < groups.size(); ++g) {
    if (!form_.GroupHasValue(static_cast<int>(g))) continue;
    rows_.push_back(Row{Row::kHeader, static_cast<int>(g), y, S(kHeaderHeight)});
    y += S(kHeaderHeight) + S(kRowGap) / 2;
    for (size_t f = 0; f < fields.size(); ++f) {
      if (fields[f].group != static_cast<int>(g) || form_.Value(f).empty()) continue;
      RECT measure{0, 0, area.right - 2 * S(kMargin), 0};
      const int text = scratch.DrawText(form_.Value(f), measure, kValueFlags | DT_CALCRECT,
                                        look_.value_font, kText);
      const int height = S(kLabelHeight) + std::max(text, S(kLabelHeight)) + S(kRowGap);
      rows_.push_back(Row{Row::kField, static_cast<int>(f), y, height});
      y += height;
    }
  }
  content_height_ = y;
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  manager_.InvalidateRect(hwnd_, nullptr);
}

RECT ContactViewerWindow::RowRect(const Row& row) const {
  const RECT area = Area();
  const int top = area.top + row.top - scroll_;
  return RECT{0, top, area.right, top + row.height};
}

RECT ContactViewerWindow::PictureRect(const Row& row) const {
  const RECT rect = RowRect(row);
  const int side = S(kPictureSide);
  const int w = picture_->Width(), h = picture_->Height();
  const int pw = w >= h ? side : std::max(1, side * w / std::max(1, h));
  const int ph = h >= w ? side : std::max(1, side * h / std::max(1, w));
  const int left = (rect.right - pw) / 2;
  const int top = rect.top + (side - ph) / 2;
  return RECT{left, top, left + pw, top + ph};
}

void ContactViewerWindow::ScrollTo(int offset) {
  offset = std::clamp(offset, 0, MaxScroll());
  if (offset == scroll_) return;
  scroll_ = offset;
  manager_.InvalidateRect(hwnd_, nullptr);
}

LRESULT ContactViewerWindow::Procedure(ui::HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(PointOf(lparam));
      return 0;
    case WM_MOUSEMOVE:
      if (!pressed_button_) {
        const int offset = drag_.Move(PointOf(lparam), S(kDragSlop));
        if (offset >= 0) ScrollTo(offset);
      }
      return 0;
    case WM_LBUTTONUP:
      OnPenUp(PointOf(lparam));
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) done_ = true;
      if (wparam == VK_DOWN) ScrollTo(scroll_ + S(kBoxHeight));
      if (wparam == VK_UP) ScrollTo(scroll_ - S(kBoxHeight));
      return 0;
    default:
      return 0;
  }
}

void ContactViewerWindow::OnPenDown(POINT point) {
  const RECT client = manager_.GetClientRect(hwnd_);
  drag_.Down(point, scroll_);
  pressed_button_ = PtInRect(LeftButtonRect(look_, client), point)    ? 1
                    : PtInRect(RightButtonRect(look_, client), point) ? 2
                                                                      : 0;
  manager_.SetCapture(hwnd_);
  if (pressed_button_) manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactViewerWindow::OnPenUp(POINT point) {
  if (!drag_.IsDown()) return;
  drag_.Up();
  manager_.ReleaseCapture();
  if (!pressed_button_) return;
  const RECT client = manager_.GetClientRect(hwnd_);
  const int released = PtInRect(LeftButtonRect(look_, client), point)    ? 1
                       : PtInRect(RightButtonRect(look_, client), point) ? 2
                                                                         : 0;
  const int pressed = pressed_button_;
  pressed_button_ = 0;
  manager_.InvalidateRect(hwnd_, nullptr);
  if (released != pressed) return;
  choice_ = pressed == 1 ? Choice::kEdit : Choice::kBack;
  done_ = true;
}

void ContactViewerWindow::Paint() {
  RECT invalid;
  Surface* dc = manager_.BeginPaint(hwnd_, invalid);
  if (!dc) return;
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT area = Area();
  dc->FillRect(client, kBackground);
  dc->PushClip(area);
  for (const Row& row : rows_) {
    const RECT rect = RowRect(row);
    if (rect.bottom < area.top || rect.top > area.bottom) continue;
    if (row.kind == Row::kPicture) {
      dc->DrawTransparent(PictureRect(row), *picture_, picture_->Bounds());
    } else if (row.kind == Row::kHeader) {
      dc->FillRect(rect, kHeaderColor);
      RECT text = InflateRect(rect, -S(kMargin), 0);
      dc->DrawText(ContactFormGroups()[row.index].title, text,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look_.title_font,
                   kHeaderText);
    } else {
      RECT label{S(kMargin), rect.top, rect.right - S(kMargin), rect.top + S(kLabelHeight)};
      dc->DrawText(ContactFormFields()[row.index].label, label,
                   DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX, look_.label_font, kLabelText);
      RECT value{S(kMargin), label.bottom, rect.right - S(kMargin), rect.bottom};
      dc->DrawText(form_.Value(static_cast<size_t>(row.index)), value, kValueFlags,
                   look_.value_font, kText);
    }
  }
  dc->PopClip();
  PaintTitleBar(*dc, look_, client, Title());
  PaintScrollMark(*dc, look_, area, scroll_, content_height_);
  PaintButtonBar(*dc, look_, client, u"Edit", u"Back", pressed_button_);
  manager_.EndPaint(hwnd_);
}

void ContactViewerWindow::Dump(ui::JsonWriter& json) const {
  const RECT client = manager_.GetClientRect(hwnd_);
  json.BeginObject();
  json.StringField("kind", "viewer");
  json.StringField("title", Title());
  json.IntField("scroll_offset", scroll_);
  json.IntField("content_height", content_height_);
  json.RectField("form_rect", Area());
  json.RectField("edit_rect", LeftButtonRect(look_, client));
  json.RectField("back_rect", RightButtonRect(look_, client));
  json.BoolField("picture", picture_ != nullptr);
  json.Key("fields");
  json.BeginArray();
  for (const Row& row : rows_) {
    json.BeginObject();
    if (row.kind == Row::kField) {
      const ContactFormField& field = ContactFormFields()[row.index];
      json.StringField("group", ContactFormGroups()[field.group].title);
      json.StringField("label", field.label);
      json.StringField("value", form_.Value(static_cast<size_t>(row.index)));
    } else if (row.kind == Row::kHeader) {
      json.StringField("label", ContactFormGroups()[row.index].title);
      json.StringField("kind", "heading");
    } else {
      json.StringField("kind", "picture");
      json.RectField("picture_rect", PictureRect(row));
    }
    json.RectField("rect", RowRect(row));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace platform::pimapps
