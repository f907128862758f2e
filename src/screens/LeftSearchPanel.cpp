#include "screens/LeftSearchPanel.h"

#include <algorithm>
#include <mutex>

#include "contacts/CompareRows.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "screens/SearchPanelScrollAction.h"
#include "theme/SettingManager.h"
#include "toolkit/BaseItem.h"
#include "toolkit/SmartListControl.h"

namespace {

// A theme may give any text as its letters; more than this many cells would be thinner
// than a pixel on any screen, so the rest are ignored.
constexpr size_t kMaxLetters = 128;
// The bubble's size when the theme has no feedback image.
constexpr int kDefaultBubbleWidth = 100;
constexpr int kDefaultBubbleHeight = 40;
constexpr COLORREF kDefaultBubbleColor = 0xC8C8C8;
// The row whose letter the marker shows lies this far below the list's top edge.
constexpr int kCurrentRowProbe = 5;

std::u16string_view IndexLetters() {
  std::u16string_view letters = theme::Settings().index_letters;
  return letters.substr(0, std::min(letters.size(), kMaxLetters));
}

}  // namespace

LeftSearchPanel::LeftSearchPanel(platform::ui::HWND host_window, const RECT& initial_rect,
                                 SmartListControl& list)
    : LightControl(initial_rect),
      host_window_(host_window),
      list_(list),
      scroll_action_(std::make_unique<SearchPanelScrollAction>(host_window, *this)) {
  list_.SetScrollListener(scroll_action_.get());
}

LeftSearchPanel::~LeftSearchPanel() {
  list_.SetScrollListener(nullptr);
}

void LeftSearchPanel::Resize(const RECT& client) {
  rect = client;
  strip_image_.reset();
}

float LeftSearchPanel::LetterSpacing() const {
  const size_t count = IndexLetters().size();
  if (count == 0) return 0.0f;
  return static_cast<float>(RectHeight(rect) - 2 * kLetterMargin) / static_cast<float>(count);
}

RECT LeftSearchPanel::BubbleRectFor(int marker_y) {
  int width = kDefaultBubbleWidth;
  int height = kDefaultBubbleHeight;
  if (const auto& image = theme::Settings().feedback_image) {
    width = image->Width();
    height = image->Height();
  }
  const int top = marker_y - height / 2;
  return RECT{4, top, 4 + width, top + height};
}

char16_t LeftSearchPanel::LetterAt(int marker_y) const {
  const float spacing = LetterSpacing();
  if (spacing <= 0.0f) return 0;
  const float marker = static_cast<float>(marker_y - rect.top);
  float y = kLetterMargin;
  for (char16_t letter : IndexLetters()) {
    if (y < marker && marker < y + spacing) return letter;
    y += spacing;
  }
  return 0;
}

char16_t LeftSearchPanel::CurrentLetter() const {
  // The loading thread changes the rows under this lock; the row is only read here.
  std::lock_guard lock(list_.ListLock());
  IListItem* item = list_.ItemAt(list_.rect.left, kCurrentRowProbe);
  // Rows without a sort text (the filter header, the SMS sections, the new-contact row) are
  // filed under no letter of the index; the others under the letter they sort with.
  const auto* row = dynamic_cast<const BaseItem*>(item);
  if (!row) return item ? item->GetIndexChar() : 0;
  return row->text.empty() ? 0 : IndexLetterIn(row->text, IndexLetters());
}

bool LeftSearchPanel::InBorder(int x, int y) const {
  if (y < rect.top || y > rect.bottom) return false;
  const auto& settings = theme::Settings();
  const int offset = x - rect.left;
  return offset < settings.index_left_border_width ||
         offset > RectWidth(rect) - settings.index_right_border_width;
}

RECT LeftSearchPanel::MoveBubble() {
  const RECT bubble = OffsetRect(BubbleRectFor(marker_y_), rect.left, 0);
  const RECT repaint = UnionRect(bubble_rect_, bubble);
  bubble_rect_ = bubble;
  return repaint;
}

RECT LeftSearchPanel::OnPenDown(int x, int y) {
  const float spacing = LetterSpacing();
  // Without letters (or without room for them) the strip has nothing to offer.
  if (spacing <= 0.0f || !list_.visible || !InBorder(x, y)) return kEmptyRect;
  pressed_ = true;
  // The bubble's centre sits half a letter below the pen.
  const float pen = static_cast<float>(y - rect.top - kLetterMargin);
  marker_y_ = rect.top + static_cast<int>((pen / spacing) * spacing + spacing * 0.5f +
                                          static_cast<float>(kLetterMargin));
  letter_under_pen_ = LetterAt(marker_y_);
  return MoveBubble();
}

RECT LeftSearchPanel::OnPenMove(int x, int y) {
  (void)x;
  const float spacing = LetterSpacing();
  if (!pressed_ || spacing <= 0.0f) return kEmptyRect;
  const float pen = static_cast<float>(y - rect.top - kLetterMargin);
  marker_y_ = rect.top + static_cast<int>((pen / spacing + 0.5f) * spacing +
                                          static_cast<float>(kLetterMargin));
  // Below the last letter the bubble keeps the last letter it showed.
  if (const char16_t letter = LetterAt(marker_y_)) letter_under_pen_ = letter;
  return MoveBubble();
}

RECT LeftSearchPanel::OnPenUp(int x, int y) {
  (void)x;
  (void)y;
  if (!pressed_) return kEmptyRect;
  pressed_ = false;
  // The repaint area covers the bubble, which is no longer drawn.
  const RECT repaint = MoveBubble();
  SendJump(letter_under_pen_);
  return repaint;
}

void LeftSearchPanel::SendJump(char16_t letter) {
  if (letter == 0) return;
  if (key_sender_) {
    key_sender_(kJumpToLetterKey, letter);
    return;
  }
  const RECT changed = list_.OnKey(kJumpToLetterKey, letter);
  if (changed.right != 0) platform::ui::InvalidateRect(host_window_, &changed);
}

namespace {

// Capital letters are about this share of a font's pixel height.
constexpr float kCapHeightShare = 0.75f;
// Free pixels wanted between two letters of the strip.
constexpr float kLetterGap = 2.0f;
// Smaller than this, a letter is not worth drawing: every other letter is drawn instead.
constexpr int kMinLetterPixels = 8;
// What stands for a letter that is not drawn.
constexpr char16_t kSkippedLetterDot = u'\u2022';

// How the strip's letters fit the cells of one letter spacing.
struct StripLettering {
  platform::Font font;       // the index font, or a smaller one of the same face
  bool every_other = false;  // odd cells show a dot instead of their letter
};

StripLettering FitLetters(const platform::Font& index_font, float spacing) {
  const platform::FontDescription& wanted = index_font.Description();
  auto fits = [](int pixels, float room) {
    return static_cast<float>(pixels) * kCapHeightShare + kLetterGap <= room;
  };
  if (fits(wanted.pixel_height, spacing)) return {index_font, false};
  platform::FontDescription smaller = wanted;
  smaller.pixel_height = static_cast<int>((spacing - kLetterGap) / kCapHeightShare);
  if (smaller.pixel_height >= kMinLetterPixels) return {platform::Font(smaller), false};
  // Every other cell holds a letter: a letter has two cells of room.
  smaller.pixel_height = std::min(
      wanted.pixel_height, static_cast<int>((2.0f * spacing - kLetterGap) / kCapHeightShare));
  return {platform::Font(smaller), true};
}

}  // namespace

// The letters are drawn in their cells at the index font's size when they fit; in a short
// strip (a landscape screen) they get a smaller font, and when even that would be too small
// to read, every other letter is drawn with a dot between. Each cell still answers the pen
// for its own letter.
void LeftSearchPanel::DrawStripImage() {
  const auto& settings = theme::Settings();
  const int height = std::max(1, RectHeight(rect));
  strip_image_ = std::make_unique<platform::Surface>(kStripWidth, height);
  platform::Surface& strip = *strip_image_;
  if (settings.background_image_list) {
    settings.background_image_list->DrawBackdrop(strip, RECT{0, 0, kStripWidth, height},
                                                 settings.background_color);
  } else {
    strip.GradientFill(RECT{0, 0, kStripWidth, height}, settings.index_gradient_start,
                       settings.index_gradient_end, platform::Surface::Gradient::kHorizontal);
  }
  const float spacing = LetterSpacing();
  if (spacing <= 0.0f) return;
  const StripLettering lettering = FitLetters(settings.index_font, spacing);
  float y = kLetterMargin;
  size_t index = 0;
  for (char16_t letter : IndexLetters()) {
    RECT cell{0, static_cast<int>(y), kStripWidth, static_cast<int>(y + spacing)};
    const bool skipped = lettering.every_other && index % 2 == 1;
    strip.DrawText(std::u16string(1, skipped ? kSkippedLetterDot : letter), cell,
                   DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX, lettering.font,
                   settings.index_font_color);
    y += spacing;
    ++index;
  }
}

void LeftSearchPanel::DrawBubble(platform::Surface& dc, char16_t letter) {
  const auto& settings = theme::Settings();
  const RECT bubble = OffsetRect(BubbleRectFor(marker_y_), rect.left, 0);
  if (settings.feedback_image) {
    settings.feedback_image->DrawImageAt(dc, bubble.left, bubble.top);
  } else {
    dc.FillRect(bubble, kDefaultBubbleColor);
  }
  RECT text =
      OffsetRect(bubble, settings.feedback_text_x_position, settings.feedback_text_y_offset);
  // The alignment comes from the theme; measuring instead of drawing is never wanted here.
  const uint32_t align = static_cast<uint32_t>(settings.feedback_text_align) & ~DT_CALCRECT;
  dc.DrawText(std::u16string(1, letter), text, align | DT_VCENTER, settings.feedback_font,
              settings.feedback_font_color);
}

void LeftSearchPanel::DrawMarkers(platform::Surface& dc) {
  const auto& settings = theme::Settings();
  const float spacing = LetterSpacing();
  const char16_t current = CurrentLetter();
  const float marker = static_cast<float>(marker_y_ - rect.top);
  float y = kLetterMargin;
  for (char16_t letter : IndexLetters()) {
    const int top = rect.top + static_cast<int>(y);
    if (letter == current) {
      if (settings.current_index_marker_image) {
        settings.current_index_marker_image->DrawImageAt(dc, rect.left, top);
      } else {
        dc.FillRect(RECT{rect.left, top, rect.left + 3, rect.top + static_cast<int>(y + spacing)},
                    settings.index_font_color);
      }
    }
    if (pressed_ && y < marker && marker < y + spacing) {
      DrawBubble(dc, letter);
      letter_under_pen_ = letter;
    }
    y += spacing;
  }
}

bool LeftSearchPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  (void)top;
  (void)right;
  (void)bottom;
  if (!list_.visible) return true;
  if (!strip_image_) DrawStripImage();
  if (left < rect.left + kStripWidth + 1) {
    dc.BitBlt(rect.left, rect.top, kStripWidth, strip_image_->Height(), *strip_image_, 0, 0);
  }
  DrawMarkers(dc);
  return true;
}
