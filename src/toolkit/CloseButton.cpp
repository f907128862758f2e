#include "toolkit/CloseButton.h"

#include "theme/Image.h"
#include "theme/SettingManager.h"

CloseButton::CloseButton(platform::ui::HWND host_window)
    : Button(host_window, kEmptyRect, std::u16string(), nullptr, nullptr) {}

void CloseButton::Resize(const RECT&) {
  const theme::SettingManager& settings = theme::Settings();
  const theme::Image* image = settings.back_button_image.get();
  SetImages(image, settings.back_button_image_pressed.get());
  text = image ? std::u16string() : settings.txt_Back;
  rect = settings.close_button_box;
  if (rect.left == -1 && image) {
    rect.left = 0;
    rect.right = image->Width();
    rect.bottom = image->Height();
  }
  height = RectHeight(rect);
}
