// TextInputControl: a text box. It wraps the platform's edit box ("CAPEDIT", a child window of
// the main window, the only native windows of the program) placed below a label area, and
// paints the background, the label, a separator line and, while the edit box is hidden, the
// text itself as the edit box would show it. The edit box's user data is this control, so
// that the main window finds it (WM_CTLCOLOREDIT, WM_KILLFOCUS).
//
// Each box has its own length limit (an SMS holds 1023 units; a note what the contact store
// holds): the edit box refuses input past it and SetText keeps the longest prefix that fits
// without splitting a surrogate pair, so what the box shows is all that GetText returns.
// UI thread only.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/Brush.h"
#include "platform/ui/Window.h"
#include "theme/Image.h"
#include "toolkit/LightControl.h"

// The SMS box's limit: what one stored SMS text may hold.
inline constexpr size_t kSmsTextLimit = 1023;

class TextInputControl : public LightControl {
 public:
  // Creates the hidden edit box at (left, top + label_offset) down to (right, bottom). When it
  // cannot be made the program shows "Could not create edit box." and quits. A single-line
  // box (a phone number) is never wrapped: it scrolls sideways to keep the caret in view.
  TextInputControl(platform::ui::HWND parent, int left, int top, int right, int bottom,
                   int label_offset, const theme::Image* background_image,
                   bool single_line = false);
  ~TextInputControl() override;

  // `rect` is the box's own rectangle (the owner computes it).
  void Resize(const RECT& rect) override;
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override;

  // Shows the edit box, or hides it and puts the keyboard down.
  void SetActive(bool on);
  bool IsActive() const { return active_; }
  // The text, caret at its end and scrolled into view.
  void SetText(const std::u16string& text);
  // The whole text.
  std::u16string GetText() const;
  // The edit box's limit in UTF-16 units (0: the most an edit box holds).
  void SetLimit(size_t units);
  // The brush of the box's background: the background image as a pattern, or
  // "background_color"; made on the first call and kept.
  const platform::Brush* GetBackgroundBrush();
  void Focus();
  bool IsModified() const;
  // Keeps the font for painting and gives it to the edit box.
  void SetFont(const platform::Font& font);
  void SetLabel(std::u16string label) { label_ = std::move(label); }
  // The height of the label area; the edit box moves at the next Resize.
  void SetLabelOffset(int offset) { label_offset_ = offset; }
  // A new background image (the theme's images are made anew at every theme load); the
  // background brush is made again at its next request.
  void SetBackgroundImage(const theme::Image* image);

  platform::ui::HWND EditWindow() const { return edit_; }
  bool SingleLine() const { return single_line_; }
  COLORREF TextColor() const { return text_color_; }
  int LabelOffset() const { return label_offset_; }
  const std::u16string& Label() const { return label_; }

  // Read by the main window when the edit box gets the focus.
  bool show_input_panel = true;

 private:
  const platform::Font& CurrentFont() const;

  platform::ui::HWND parent_;
  bool single_line_ = false;
  platform::ui::HWND edit_ = nullptr;
  bool active_ = false;
  int label_offset_;
  std::u16string label_;
  const theme::Image* background_image_;
  std::optional<platform::Font> font_;
  COLORREF text_color_;
  std::unique_ptr<platform::Brush> background_brush_;
};
