// How buttons look: the built-in gradient face, image faces, the caption colour rule, the
// back button's theme placement, the pop-up button that follows its panel and the list-row
// side of a button.

#include "ToolkitFixture.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/CloseButton.h"
#include "toolkit/RelativeButton.h"

namespace {

constexpr RECT kFace{20, 40, 120, 80};
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::unique_ptr<theme::Image> SolidImage(int width, int height, COLORREF color) {
  auto pixels = std::make_unique<platform::Surface>(width, height);
  pixels->FillRect(pixels->Bounds(), color);
  return std::make_unique<theme::Image>(std::move(pixels), u"solid");
}

int Grey(COLORREF color) {
  return GetRValue(color);
}

// Paints `button` on a fresh white surface of the window's size.
std::unique_ptr<platform::Surface> PaintOnWhite(Button& button) {
  auto surface = std::make_unique<platform::Surface>(240, 320);
  EXPECT_TRUE(button.Paint(*surface, 0, 0, 240, 320));
  return surface;
}

using ButtonFaceTest = ToolkitFixture;

TEST_F(ButtonFaceTest, WithoutImagesDrawsAFramedGradientDarkerWhenPressedAlsoAsAListRow) {
  Button button(hwnd(), kFace, u"", nullptr, nullptr);
  Host(&button);
  PaintAll();
  const platform::Surface& released = WindowSurface();
  EXPECT_EQ(released.GetPixel(kFace.left, kFace.top), RGB(0, 0, 0));
  EXPECT_EQ(released.GetPixel(kFace.right - 1, kFace.bottom - 1), RGB(0, 0, 0));
  EXPECT_NEAR(Grey(released.GetPixel(60, kFace.top + 1)), 255, 3);
  EXPECT_NEAR(Grey(released.GetPixel(60, kFace.bottom - 2)), 200, 3);
  EXPECT_EQ(released.GetPixel(kFace.right, kFace.bottom), kWhite);  // nothing outside

  button.SetPressed(true);
  PaintAll();
  EXPECT_NEAR(Grey(WindowSurface().GetPixel(60, kFace.top + 1)), 200, 3);
  EXPECT_NEAR(Grey(WindowSurface().GetPixel(60, kFace.bottom - 2)), 150, 3);
  Host(nullptr);
  // A paint outside the invalid area draws nothing.
  platform::Surface surface(240, 320);
  EXPECT_FALSE(button.Paint(surface, 0, 200, 240, 320));
  EXPECT_EQ(surface.GetPixel(kFace.left, kFace.top), kWhite);

  // As a list row it draws into the row, pressed when selected, and keeps its own state.
  Button row_button(hwnd(), u"Row", nullptr, nullptr);
  const RECT row{0, 100, 240, 142};
  EXPECT_TRUE(row_button.Draw(surface, row, true));
  EXPECT_EQ(row_button.rect, row);
  EXPECT_FALSE(row_button.IsPressed());  // restored
  EXPECT_NEAR(Grey(surface.GetPixel(120, row.top + 1)), 200, 3);
  row_button.Draw(surface, row, false);
  EXPECT_NEAR(Grey(surface.GetPixel(120, row.top + 1)), 255, 3);
}

TEST_F(ButtonFaceTest, InvalidCaptionColourHidesTheCaptionImageFacesPressedOrInverted) {
  Button captioned(hwnd(), kFace, u"Call", nullptr, nullptr);
  Button blank(hwnd(), kFace, u"", nullptr, nullptr);
  EXPECT_GT(CountDifferentPixels(*PaintOnWhite(captioned), *PaintOnWhite(blank), kFace), 0);

  theme::Settings().button_text_color = kInvalidColor;
  EXPECT_EQ(CountDifferentPixels(*PaintOnWhite(captioned), *PaintOnWhite(blank), kFace), 0);
  // The pressed colour is its own setting.
  captioned.SetPressed(true);
  blank.SetPressed(true);
  EXPECT_GT(CountDifferentPixels(*PaintOnWhite(captioned), *PaintOnWhite(blank), kFace), 0);

  // Image faces: the pressed image, or the normal one inverted.
  auto normal = SolidImage(100, 40, RGB(10, 20, 30));
  auto pressed = SolidImage(100, 40, RGB(200, 0, 0));
  Button button(hwnd(), kFace, u"", normal.get(), pressed.get());
  EXPECT_EQ(PaintOnWhite(button)->GetPixel(60, 60), RGB(10, 20, 30));
  button.SetPressed(true);
  EXPECT_EQ(PaintOnWhite(button)->GetPixel(60, 60), RGB(200, 0, 0));

  button.SetImages(normal.get(), nullptr);
  EXPECT_EQ(PaintOnWhite(button)->GetPixel(60, 60), RGB(245, 235, 225));
  normal->PrerenderImage(kWhite);
  EXPECT_EQ(PaintOnWhite(button)->GetPixel(60, 60), RGB(245, 235, 225));
}

TEST_F(ButtonFaceTest, BackButtonShowsBackInTheDefaultBoxOrTakesItsImageSize) {
  CloseButton back(hwnd());
  back.Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(back.rect, (RECT{-1, 0, 43, 31}));
  EXPECT_EQ(back.text, u"Back");

  theme::Settings().txt_Back = u"Retour";
  back.Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(back.text, u"Retour");

  theme::Settings().back_button_image = SolidImage(36, 28, RGB(1, 2, 3));
  CloseButton imaged(hwnd());
  imaged.Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(imaged.rect, (RECT{0, 0, 36, 28}));
  EXPECT_TRUE(imaged.text.empty());
  EXPECT_EQ(imaged.FaceImage(), theme::Settings().back_button_image.get());
  theme::Settings().close_button_box = RECT{200, 2, 238, 30};
  imaged.Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(imaged.rect, (RECT{200, 2, 238, 30}));  // an explicit box is kept as given
}

TEST_F(ButtonFaceTest, RelativeButtonFollowsItsPanelAndRereadsTheSmallImages) {
  BorderPanel panel(hwnd(), RECT{40, 10, 200, 100});
  auto* button =
      panel.AddChild(std::make_unique<RelativeButton>(&panel, hwnd(), RECT{44, 14, 194, 44}, u"A"));
  EXPECT_EQ(button->RelativeRect(), (RECT{4, 4, 154, 34}));
  panel.rect = OffsetRect(panel.rect, 0, -50);
  // Pen input sees the panel's new place before any paint.
  EXPECT_EQ(button->OnPenDown(50, -30), (RECT{44, -36, 194, -6}));

  theme::Settings().small_button_image = SolidImage(150, 30, RGB(0, 128, 0));
  button->SetPressed(false);
  platform::Surface surface(240, 320);
  panel.rect = RECT{40, 0, 200, 90};
  button->Paint(surface, 0, 0, 240, 320);
  EXPECT_EQ(button->rect, (RECT{44, 4, 194, 34}));
  EXPECT_EQ(surface.GetPixel(100, 20), RGB(0, 128, 0));
  button->OnPenReleased(0, 0);
}

}  // namespace
