// Drawing of the contact rows: the SMS counter text, the photo square at the right end, the
// favourite mark left of it, the counter ending left of the photo, the highlight and the
// separator line. One golden image pins the whole row (pinned test font; QB_UPDATE_GOLDEN=1
// rewrites it on purpose, a mismatch is written as <name>_err.png).
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "contacts/ContactListItem.h"
#include "platform/Surface.h"
#include "support/Golden.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPhotoColor = RGB(0, 0, 200);
constexpr COLORREF kMarkColor = RGB(0, 180, 0);
constexpr COLORREF kLineColor = RGB(100, 100, 100);
constexpr int kRowWidth = 200;
constexpr int kRowHeight = 36;

std::unique_ptr<theme::Image> SolidImage(int width, int height, COLORREF color) {
  auto pixels = std::make_unique<platform::Surface>(width, height);
  pixels->FillRect(pixels->Bounds(), color);
  return std::make_unique<theme::Image>(std::move(pixels), u"test");
}

class ContactRowDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    theme::Settings().contact_separator_line_color = kLineColor;
  }
  void TearDown() override { Reset(); }

  static void Reset() {
    theme::Settings().ResetToDefaults();
    theme::Settings().small_favorite_image.reset();
  }

  static std::unique_ptr<ContactListItem> MakeRow() {
    auto row = std::make_unique<ContactListItem>(kRowHeight);
    row->display_name = u"Ada Lovelace";
    row->second_line = u"555 0101";
    return row;
  }

  // The row drawn on a white surface of its own size.
  static platform::Surface Render(ContactListItem& row, bool selected = false) {
    platform::Surface surface(kRowWidth, kRowHeight);
    surface.FillRect(surface.Bounds(), kWhite);
    EXPECT_TRUE(row.Draw(surface, RECT{0, 0, kRowWidth, kRowHeight}, selected));
    return surface;
  }

  // Whether every pixel of `area` holds `color`.
  static bool AllPixels(const platform::Surface& s, const RECT& area, COLORREF color) {
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        if (s.GetPixel(x, y) != color) return false;
    return true;
  }
};

TEST(ContactRowCounter, CountsShowUnreadOverAllOrAllAlone) {
  struct Case {
    int32_t unread;
    int32_t count;
    std::u16string_view expected;
  };
  const Case cases[] = {
      {1, 3, u"(1/3)"}, {0, 3, u"(3)"},
      {-2, 3, u"(3)"},  // a recount in progress may leave a negative unread count
      {0, 0, u""},      {4, 0, u""},
      {0, -1, u""},     {INT32_MAX, INT32_MAX, u"(2147483647/2147483647)"},
  };
  for (const Case& c : cases) {
    ContactListItem row(kRowHeight);
    row.unread_sms_count = c.unread;
    row.sms_count = c.count;
    ContactListItem::CounterBuffer buffer;
    EXPECT_EQ(row.SmsCounterText(buffer), c.expected) << c.unread << "/" << c.count;
  }
}

// Without a photo the mark ends 3 px from the row end, centred on contact_height (36); with a
// photo the golden row pins it. It needs the flag, the image and the setting.
TEST_F(ContactRowDraw, FavouriteMarkSitsLeftOfTheRowEndWhenAllThreeAreSet) {
  const RECT mark_area{189, 14, 197, 22};
  auto row = MakeRow();
  row->second_line.clear();
  for (int missing = 0; missing < 4; ++missing) {  // 3: nothing missing
    theme::Settings().small_favorite_image = missing == 0 ? nullptr : SolidImage(8, 8, kMarkColor);
    theme::Settings().draw_favorite_image_on_list = missing != 1;
    row->favourite = missing != 2;
    const platform::Surface s = Render(*row);
    EXPECT_TRUE(AllPixels(s, mark_area, missing == 3 ? kMarkColor : kWhite)) << missing;
    EXPECT_TRUE(AllPixels(s, RECT{197, 0, 200, 35}, kWhite));
  }
}

TEST_F(ContactRowDraw, HighlightAndSeparatorLine) {
  auto row = MakeRow();
  const RECT empty_corner{150, 0, 200, 10};
  const RECT last_line{0, kRowHeight - 1, kRowWidth, kRowHeight};
  // The unselected row with its line is pinned by the golden row.
  EXPECT_TRUE(
      AllPixels(Render(*row, true), empty_corner, theme::Settings().highlighted_item_color));
  theme::Settings().contact_separator_line_color = kInvalidColor;
  EXPECT_TRUE(AllPixels(Render(*row), last_line, kWhite));
}

// A long second line stops short of the SMS counter instead of running underneath it.
TEST_F(ContactRowDraw, SecondLineStopsShortOfTheCounter) {
  auto row = MakeRow();
  row->sms_count = 8;
  row->unread_sms_count = 1;
  row->second_line.clear();
  const platform::Surface counter_alone = Render(*row);
  row->second_line = u"+33 6 10 87 45 69 (4 Saisons Traiteur)";
  platform::Surface both = Render(*row);
  const int width = both.MeasureText(u"(1/8)", theme::Settings().contact_font_secondline).cx + 3;
  for (int y = 0; y < kRowHeight; ++y) {
    for (int x = kRowWidth - 1 - width; x < kRowWidth; ++x) {
      ASSERT_EQ(both.GetPixel(x, y), counter_alone.GetPixel(x, y)) << x << "," << y;
    }
  }
}

// Pins the photo square at the right end, the favourite mark left of it, the counter
// ending 1 px short of the photo and the second line below the first.
TEST_F(ContactRowDraw, GoldenRowWithPhotoFavouriteMarkAndCounter) {
  theme::Settings().small_favorite_image = SolidImage(8, 8, kMarkColor);
  theme::Settings().draw_favorite_image_on_list = true;
  auto row = MakeRow();
  row->favourite = true;
  row->picture = SolidImage(24, 30, kPhotoColor);
  row->sms_count = 3;
  row->unread_sms_count = 1;
  testing_support::ExpectMatchesGolden(Render(*row), "contacts", "contact_row");
}

}  // namespace
