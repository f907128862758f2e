#include "toolkit/TextInputControl.h"

#include <vector>

#include "platform/input/EditBox.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/TextBoxDump.h"

namespace ui = platform::ui;

TextInputControl::TextInputControl(ui::HWND parent, int left, int top, int right, int bottom,
                                   int label_offset, const theme::Image* background_image,
                                   bool single_line)
    : LightControl(RECT{left, top, right, bottom}),
      parent_(parent),
      single_line_(single_line),
      label_offset_(label_offset),
      background_image_(background_image),
      text_color_(theme::Settings().text_color) {
  platform::input::SHInitExtraControls();
  edit_ = ui::CreateWindowEx(
      0, platform::input::kCapEditClass, u"",
      single_line ? WS_CHILD | ES_AUTOHSCROLL : WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, left,
      top + label_offset, right - left, bottom - top - label_offset, parent);
  if (!edit_) {
    ui::MessageBox(parent, u"Could not create edit box.", u"Error", MB_OK | MB_ICONERROR);
    ui::PostQuitMessage(0);
    return;
  }
  ui::SetWindowUserData(edit_, this);
  const platform::Font& font = theme::Settings().text_box_font;
  ui::SendMessage(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(&font), 0);
  TrackTextBox(this);
}

TextInputControl::~TextInputControl() {
  ForgetTextBox(this);
  if (ui::IsWindow(edit_)) {
    ui::SetWindowUserData(edit_, nullptr);
    ui::DestroyWindow(edit_);
  }
}

void TextInputControl::Resize(const RECT& box) {
  rect = box;
  ui::MoveWindow(edit_, box.left, box.top + label_offset_, RectWidth(box),
                 std::max(0, RectHeight(box) - label_offset_), true);
  text_color_ = theme::Settings().text_color;
}

const platform::Font& TextInputControl::CurrentFont() const {
  return font_ ? *font_ : theme::Settings().text_box_font;
}

bool TextInputControl::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  const RECT clip = IntersectRect(RECT{left, top, right, bottom}, rect);
  if (IsRectEmpty(clip)) return false;
  const theme::SettingManager& settings = theme::Settings();
  if (background_image_) {
    background_image_->DrawImagePart(dc, clip, 0, 0);
  } else {
    dc.FillRect(clip, settings.background_color);
  }
  dc.PushClip(rect);
  if (!label_.empty()) {
    RECT label_box = settings.contact_title_box;
    dc.DrawText(label_, label_box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                settings.text_box_font, text_color_);
  }
  if (settings.sms_separator_line_color != kInvalidColor) {
    dc.FillRect(RECT{rect.left, rect.top + label_offset_ - 1, rect.right, rect.top + label_offset_},
                settings.sms_separator_line_color);
  }
  // While the edit box is shown it covers this; while hidden the box still shows its text,
  // placed as the edit box places it.
  RECT text_box{rect.left + 2, rect.top + label_offset_ + 1, rect.right - 2, rect.bottom};
  const std::u16string text = GetText();
  if (single_line_) {
    // One line; a text wider than the box shows its end, where the caret stands.
    const int overflow = dc.MeasureText(text, CurrentFont()).cx - RectWidth(text_box) + 1;
    if (overflow > 0) text_box.left -= overflow;
    dc.DrawText(text, text_box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP, CurrentFont(),
                text_color_);
  } else {
    dc.DrawText(text, text_box, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX, CurrentFont(), text_color_);
  }
  dc.PopClip();
  return true;
}

void TextInputControl::SetActive(bool on) {
  active_ = on;
  if (!ui::IsWindow(edit_)) return;
  if (on) {
    ui::ShowWindow(edit_, ui::SW_SHOW);
    return;
  }
  ui::ShowWindow(edit_, ui::SW_HIDE);
  HideInputPanel(parent_);
}

void TextInputControl::SetText(const std::u16string& text) {
  ui::SendMessage(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const LRESULT end = ui::SendMessage(edit_, WM_GETTEXTLENGTH, 0, 0);
  ui::SendMessage(edit_, EM_SETSEL, static_cast<WPARAM>(end), end);
  ui::SendMessage(edit_, EM_SCROLLCARET, 0, 0);
}

std::u16string TextInputControl::GetText() const {
  const LRESULT length = ui::SendMessage(edit_, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::u16string text(static_cast<size_t>(length) + 1, u'\0');
  const LRESULT copied =
      ui::SendMessage(edit_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(std::max<LRESULT>(0, copied)));
  return text;
}

void TextInputControl::SetLimit(size_t units) {
  ui::SendMessage(edit_, EM_LIMITTEXT, units, 0);
}

void TextInputControl::SetBackgroundImage(const theme::Image* image) {
  background_image_ = image;
  background_brush_.reset();
}

const platform::Brush* TextInputControl::GetBackgroundBrush() {
  if (!background_brush_) {
    if (background_image_ && background_image_->IsPrerendered()) {
      background_brush_ = platform::Brush::Pattern(background_image_->Pixels());
    } else {
      background_brush_ = platform::Brush::Solid(theme::Settings().background_color);
    }
  }
  return background_brush_.get();
}

void TextInputControl::Focus() {
  ui::SetFocus(edit_);
}

bool TextInputControl::IsModified() const {
  return ui::SendMessage(edit_, EM_GETMODIFY, 0, 0) != 0;
}

void TextInputControl::SetFont(const platform::Font& font) {
  font_ = font;
  ui::SendMessage(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(&*font_), 1);
}
