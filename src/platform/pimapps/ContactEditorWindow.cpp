#include "platform/pimapps/ContactEditorWindow.h"

#include <algorithm>

#include "platform/input/EditBox.h"
#include "platform/pim/PimTypes.h"
#include "platform/pimapps/ContactForm.h"
#include "platform/pimapps/PimWindowParts.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

namespace {

constexpr int kMultilineBoxHeight = 66;

POINT PointOf(LPARAM lparam) {
  return POINT{ui::GetXParam(lparam), ui::GetYParam(lparam)};
}

}  // namespace

ContactEditorWindow::ContactEditorWindow(ui::WindowManager& manager, ContactForm& form,
                                         std::u16string title)
    : manager_(manager), form_(form), title_(std::move(title)), look_(manager.ScreenSize()) {
  const SIZE screen = manager_.ScreenSize();
  for (size_t g = 0; g < ContactFormGroups().size(); ++g) {
    if (ContactFormGroups()[g].rare && form_.GroupHasValue(static_cast<int>(g))) {
      more_shown_ = true;  // a folded group would hide a value: show them all
    }
  }
  input::SHInitExtraControls();
  hwnd_ = manager_.CreateWindow(
      u"#ContactEditor", title_, RECT{0, 0, screen.cx, screen.cy}, false, nullptr,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Procedure(h, m, w, l); });
  box_ = ui::CreateWindowEx(0, input::kCapEditClass, u"", 0, 0, 0, 0, 0, hwnd_);
  if (box_) {
    ui::SendMessage(box_, WM_SETFONT, reinterpret_cast<WPARAM>(&look_.value_font), 0);
    ui::SendMessage(box_, EM_LIMITTEXT, pim::kMaxTextUnits, 0);
  }
  Layout();
  ui::DumpRegistry::Instance().Add(kWindowDumpSection,
                                   [this](ui::JsonWriter& json) { Dump(json); });
  const sip::SystemInputPanel* panel = sip::SystemInputPanel::Current();
  keyboard_was_shown_ = panel && panel->IsShown();
}

ContactEditorWindow::~ContactEditorWindow() {
  ui::DumpRegistry::Instance().Remove(kWindowDumpSection);
  manager_.DestroyWindow(hwnd_);
}

bool ContactEditorWindow::Run(const std::function<bool()>& on_ok) {
  ui::HWND previous_focus = manager_.GetFocus();
  while (!done_) {
    if (!manager_.RunModal(
            hwnd_, [this] { return done_; }, [this](const ui::MSG& msg) { return Filter(msg); })) {
      ok_ = false;  // the program is closing
      break;
    }
    if (ok_ && !on_ok()) {
      done_ = ok_ = false;  // stay: the user may mend the values
    }
  }
  manager_.ShowWindow(hwnd_, ui::SW_HIDE);
  // The keyboard the editor brought up goes down with it.
  sip::SystemInputPanel* panel = sip::SystemInputPanel::Current();
  if (panel && !keyboard_was_shown_) panel->Hide();
  if (manager_.IsWindow(previous_focus)) manager_.SetFocus(previous_focus);
  return ok_;
}

RECT ContactEditorWindow::FormArea() const {
  return ScrolledArea(look_, manager_.GetClientRect(hwnd_));
}

RECT ContactEditorWindow::OkRect() const {
  return LeftButtonRect(look_, manager_.GetClientRect(hwnd_));
}

RECT ContactEditorWindow::CancelRect() const {
  return RightButtonRect(look_, manager_.GetClientRect(hwnd_));
}

void ContactEditorWindow::Layout() {
  rows_.clear();
  int y = 0;
  const auto groups = ContactFormGroups();
  const auto fields = ContactFormFields();
  bool folded = false;
  for (size_t g = 0; g < groups.size(); ++g) {
    if (groups[g].rare && !more_shown_) {
      folded = true;
      continue;
    }
    rows_.push_back(Row{Row::kHeader, static_cast<int>(g), y, S(kHeaderHeight)});
    y += S(kHeaderHeight) + S(kRowGap) / 2;
    for (size_t f = 0; f < fields.size(); ++f) {
      if (fields[f].group != static_cast<int>(g)) continue;
      const int height =
          S(kLabelHeight) + S(fields[f].multiline ? kMultilineBoxHeight : kBoxHeight) + S(kRowGap);
      rows_.push_back(Row{Row::kField, static_cast<int>(f), y, height});
      y += height;
    }
  }
  if (folded) {
    rows_.push_back(Row{Row::kMore, 0, y + S(kRowGap), S(kBoxHeight + 6)});
    y += S(kBoxHeight + 6) + 2 * S(kRowGap);
  }
  content_height_ = y;
  scroll_ = std::clamp(scroll_, 0, MaxScroll());
  PlaceBox();
  manager_.InvalidateRect(hwnd_, nullptr);
}

int ContactEditorWindow::MaxScroll() const {
  return std::max(0, content_height_ - static_cast<int>(RectHeight(FormArea())));
}

RECT ContactEditorWindow::BoxRect(const Row& row) const {
  const RECT area = FormArea();
  const int top = area.top + row.top - scroll_ + S(kLabelHeight);
  const int height = row.height - S(kLabelHeight) - S(kRowGap);
  return RECT{S(kMargin), top, area.right - S(kMargin), top + height};
}

const ContactEditorWindow::Row* ContactEditorWindow::RowAt(POINT point) const {
  const RECT area = FormArea();
  if (!PtInRect(area, point)) return nullptr;
  const int y = point.y - area.top + scroll_;
  for (const Row& row : rows_) {
    if (y >= row.top && y < row.top + row.height) return &row;
  }
  return nullptr;
}

void ContactEditorWindow::PlaceBox() {
  if (!box_) return;
  const auto it = std::find_if(rows_.begin(), rows_.end(), [this](const Row& row) {
    return row.kind == Row::kField && row.index == active_;
  });
  const RECT area = FormArea();
  if (it == rows_.end()) {
    manager_.ShowWindow(box_, ui::SW_HIDE);
    return;
  }
  const RECT box = BoxRect(*it);
  if (box.top < area.top || box.bottom > area.bottom) {
    manager_.ShowWindow(box_, ui::SW_HIDE);
    return;
  }
  manager_.MoveWindow(box_, InflateRect(box, -1, -1), true);
  if (!box_->IsVisible()) {
    manager_.ShowWindow(box_, ui::SW_SHOW);
    manager_.SetFocus(box_);
  }
}

void ContactEditorWindow::ScrollTo(int offset) {
  offset = std::clamp(offset, 0, MaxScroll());
  if (offset == scroll_) return;
  scroll_ = offset;
  PlaceBox();
  manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactEditorWindow::Activate(int field) {
  active_ = field;
  if (!box_) return;
  const std::u16string& text = form_.Value(static_cast<size_t>(field));
  ui::SendMessage(box_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ui::SendMessage(box_, EM_SETSEL, 0, static_cast<LPARAM>(-1));
  // A finger user types on the platform's keyboard: it comes up with the first field.
  sip::SHSipPreference(hwnd_, sip::SIP_UP);
  ScrollIntoView(field);
  manager_.ShowWindow(box_, ui::SW_HIDE);
  PlaceBox();
  manager_.SetFocus(box_);
  manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactEditorWindow::ScrollIntoView(int field) {
  for (const Row& row : rows_) {
    if (row.kind != Row::kField || row.index != field) continue;
    const int visible = RectHeight(FormArea());
    if (row.top < scroll_) {
      scroll_ = std::max(0, row.top - S(kHeaderHeight));
    } else if (row.top + row.height > scroll_ + visible) {
      scroll_ = std::min(MaxScroll(), row.top + row.height - visible);
    }
  }
  PlaceBox();
  manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactEditorWindow::ActivateNext() {
  bool seen = false;
  for (const Row& row : rows_) {
    if (row.kind != Row::kField) continue;
    if (seen) {
      Activate(row.index);
      return;
    }
    seen = row.index == active_;
  }
}

void ContactEditorWindow::Finish(bool ok) {
  ok_ = ok;
  done_ = true;
}

bool ContactEditorWindow::Filter(const ui::MSG& msg) {
  const bool ours = msg.hwnd == hwnd_ || msg.hwnd == box_;
  if (!ours) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    Finish(false);
    return true;
  }
  // Return moves on in a one-line field; the note takes it as a new line.
  if (msg.message == WM_CHAR && msg.hwnd == box_ && (msg.wParam == u'\r' || msg.wParam == u'\n') &&
      active_ >= 0 && !ContactFormFields()[active_].multiline) {
    ActivateNext();
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.hwnd == box_ && msg.wParam == VK_RETURN && active_ >= 0 &&
      !ContactFormFields()[active_].multiline) {
    return true;  // its character follows and moves on
  }
  return false;
}

LRESULT ContactEditorWindow::Procedure(ui::HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      Layout();
      if (active_ >= 0) ScrollIntoView(active_);
      return 0;
    case WM_SETTINGCHANGE:
      // The keyboard came up or went down: the window ends above it.
      sip::SHHandleWMSettingChange(hwnd_, wparam, lparam, nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(PointOf(lparam));
      return 0;
    case WM_MOUSEMOVE:
      OnPenMove(PointOf(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnPenUp(PointOf(lparam));
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) Finish(true);
      if (wparam == VK_DOWN) ScrollTo(scroll_ + S(kBoxHeight));
      if (wparam == VK_UP) ScrollTo(scroll_ - S(kBoxHeight));
      return 0;
    case WM_COMMAND:
      if (ui::HighWord(wparam) == EN_CHANGE && active_ >= 0 && box_) {
        const LRESULT length = ui::SendMessage(box_, WM_GETTEXTLENGTH, 0, 0);
        std::u16string text(static_cast<size_t>(length) + 1, u'\0');
        ui::SendMessage(box_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        form_.SetValue(static_cast<size_t>(active_), std::move(text));
        manager_.InvalidateRect(hwnd_, nullptr);  // the file-as name may follow
      }
      return 0;
    default:
      return 0;
  }
}

void ContactEditorWindow::OnPenDown(POINT point) {
  pen_down_ = true;
  dragging_ = false;
  down_point_ = point;
  down_scroll_ = scroll_;
  pressed_button_ = PtInRect(OkRect(), point) ? 1 : PtInRect(CancelRect(), point) ? 2 : 0;
  manager_.SetCapture(hwnd_);
  if (pressed_button_) manager_.InvalidateRect(hwnd_, nullptr);
}

void ContactEditorWindow::OnPenMove(POINT point) {
  if (!pen_down_ || pressed_button_) return;
  if (!dragging_ && std::abs(point.y - down_point_.y) > S(kDragSlop)) dragging_ = true;
  if (dragging_) ScrollTo(down_scroll_ - (point.y - down_point_.y));
}

void ContactEditorWindow::OnPenUp(POINT point) {
  if (!pen_down_) return;
  pen_down_ = false;
  manager_.ReleaseCapture();
  if (pressed_button_) {
    const int released = PtInRect(OkRect(), point) ? 1 : PtInRect(CancelRect(), point) ? 2 : 0;
    const int pressed = pressed_button_;
    pressed_button_ = 0;
    manager_.InvalidateRect(hwnd_, nullptr);
    if (released == pressed) Finish(pressed == 1);
    return;
  }
  if (dragging_) return;
  const Row* row = RowAt(point);
  if (!row) return;
  if (row->kind == Row::kField) {
    Activate(row->index);
  } else if (row->kind == Row::kMore) {
    more_shown_ = true;
    Layout();
  }
}

void ContactEditorWindow::PaintField(Surface& dc, const Row& row, const RECT& rect) {
  const ContactFormField& field = ContactFormFields()[row.index];
  RECT label{S(kMargin), rect.top, rect.right - S(kMargin), rect.top + S(kLabelHeight)};
  dc.DrawText(field.label, label, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX,
              look_.label_font, kLabelText);
  const RECT box = BoxRect(row);
  dc.FillRect(box, row.index == active_ ? kActiveFrame : kBoxFrame);
  dc.FillRect(InflateRect(box, -1, -1), kWhite);
  if (row.index == active_ && box_ && box_->IsVisible()) return;  // the edit box is on top
  RECT text = InflateRect(box, -S(4), -S(3));
  const uint32_t flags = field.multiline ? DT_WORDBREAK | DT_END_ELLIPSIS
                                         : DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  dc.DrawText(form_.Value(static_cast<size_t>(row.index)), text, flags | DT_NOPREFIX,
              look_.value_font, kText);
}

void ContactEditorWindow::Paint() {
  RECT invalid;
  Surface* dc = manager_.BeginPaint(hwnd_, invalid);
  if (!dc) return;
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT area = FormArea();
  dc->FillRect(client, kBackground);
  dc->PushClip(area);
  for (const Row& row : rows_) {
    const int top = area.top + row.top - scroll_;
    if (top + row.height < area.top || top > area.bottom) continue;
    const RECT rect{0, top, client.right, top + row.height};
    if (row.kind == Row::kHeader) {
      dc->FillRect(rect, kHeaderColor);
      RECT text = InflateRect(rect, -S(kMargin), 0);
      dc->DrawText(ContactFormGroups()[row.index].title, text,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look_.title_font,
                   kHeaderText);
    } else if (row.kind == Row::kField) {
      PaintField(*dc, row, rect);
    } else {
      PaintButton(*dc, look_, RECT{S(kMargin), top, client.right - S(kMargin), top + row.height},
                  u"More fields", false);
    }
  }
  dc->PopClip();
  PaintTitleBar(*dc, look_, client, title_);
  PaintScrollMark(*dc, look_, area, scroll_, content_height_);
  PaintButtonBar(*dc, look_, client, u"OK", u"Cancel", pressed_button_);
  manager_.EndPaint(hwnd_);
}

void ContactEditorWindow::Dump(ui::JsonWriter& json) const {
  json.BeginObject();
  json.StringField("kind", "editor");
  json.StringField("title", title_);
  json.IntField("scroll_offset", scroll_);
  json.IntField("content_height", content_height_);
  json.RectField("form_rect", FormArea());
  json.RectField("ok_rect", OkRect());
  json.RectField("cancel_rect", CancelRect());
  json.BoolField("more_fields_folded", !more_shown_);
  json.Key("fields");
  json.BeginArray();
  const RECT area = FormArea();
  for (const Row& row : rows_) {
    json.BeginObject();
    if (row.kind == Row::kField) {
      const ContactFormField& field = ContactFormFields()[row.index];
      json.StringField("group", ContactFormGroups()[field.group].title);
      json.StringField("label", field.label);
      json.StringField("value", form_.Value(static_cast<size_t>(row.index)));
      json.BoolField("active", row.index == active_);
      json.RectField("rect", BoxRect(row));
    } else {
      json.StringField(
          "label", row.kind == Row::kMore ? u"More fields" : ContactFormGroups()[row.index].title);
      json.StringField("kind", row.kind == Row::kMore ? "button" : "heading");
      const int top = area.top + row.top - scroll_;
      json.RectField("rect", RECT{0, top, area.right, top + row.height});
    }
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace platform::pimapps
