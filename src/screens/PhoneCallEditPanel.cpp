#include "screens/PhoneCallEditPanel.h"

#include <memory>

#include "contacts/ScreenNavigation.h"
#include "platform/Messages.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/EditCallAction.h"
#include "screens/PhoneCallEditPanelDeleteProxyAction.h"
#include "screens/PhonePad.h"
#include "theme/FontSettings.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"
#include "toolkit/Button.h"
#include "toolkit/TextInputControl.h"

namespace {

namespace ui = platform::ui;

// What the panel returns for an event none of its controls used: consumed, nothing to repaint
// of note, so that the screen below never sees it.
constexpr RECT kSwallowed{0, 0, 1, 1};
constexpr int kNumberBoxTop = 40;
constexpr int kNumberBoxBottom = 80;

RECT Swallow(const RECT& result) {
  return result.right > 0 ? result : kSwallowed;
}

}  // namespace

PhoneCallEditPanel::PhoneCallEditPanel(ui::HWND host_window, const RECT& initial_rect,
                                       ContactContainerPanel& parent)
    : ContainerPanel(initial_rect), host_window_(host_window) {
  const theme::SettingManager& s = theme::Settings();
  pad_ = AddChild(std::make_unique<PhonePad>(host_window, initial_rect));
  cancel_button_ =
      AddChild(std::make_unique<Button>(host_window, initial_rect, u"Cancel", nullptr, nullptr));
  call_button_ =
      AddChild(std::make_unique<Button>(host_window, initial_rect, u"Call", nullptr, nullptr));
  number_box_ = AddChild(std::make_unique<TextInputControl>(
      host_window, initial_rect.left, kNumberBoxTop, initial_rect.right, kNumberBoxBottom, 0,
      s.background_image_list.get(), /*single_line=*/true));
  number_box_->SetFont(theme::ParseFont(u"24,bold,segoe ui"));
  // The pad types the number: the soft keyboard stays down when the box takes the focus.
  number_box_->show_input_panel = false;
  call_button_->SetClickAction(std::make_unique<PhoneCallEditPanelDeleteProxyAction>(
      std::make_unique<EditCallAction>(host_window, *number_box_), *this, parent, host_window,
      false));
  cancel_button_->SetClickAction(std::make_unique<PhoneCallEditPanelDeleteProxyAction>(
      nullptr, *this, parent, host_window, true));
}

void PhoneCallEditPanel::Resize(const RECT& area) {
  // The editor covers the host window's whole client area, the icon bar's room included; the
  // list screen hands its children only the room above the bar.
  RECT client{};
  if (!ui::GetClientRect(host_window_, client)) client = area;
  rect = client;
  pad_->Resize(client);
  const int height = theme::Settings().icon_panel_height;
  const int middle = client.left + RectWidth(client) / 2;
  call_button_->rect = RECT{client.left, client.bottom - height, middle, client.bottom};
  cancel_button_->rect = RECT{middle, client.bottom - height, client.right, client.bottom};
  // A relayout may have loaded the theme again: the old images are gone.
  number_box_->SetBackgroundImage(theme::Settings().background_image_list.get());
  number_box_->Resize(RECT{client.left, kNumberBoxTop, client.right, kNumberBoxBottom});
}

bool PhoneCallEditPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  const theme::SettingManager& s = theme::Settings();
  const theme::Image* image = s.background_image_list.get();
  // The panel covers the whole screen: what an image smaller than the screen leaves gets the
  // background colour, not the list below.
  if (!image || image->Width() < rect.right || image->Height() < rect.bottom) {
    dc.FillRect(rect, s.background_color);
  }
  if (image) image->DrawImageAt(dc, 0, 0);
  return ContainerPanel::Paint(dc, left, top, right, bottom);
}

RECT PhoneCallEditPanel::OnPenDown(int x, int y) {
  return Swallow(ContainerPanel::OnPenDown(x, y));
}

RECT PhoneCallEditPanel::OnPenMove(int x, int y) {
  return Swallow(ContainerPanel::OnPenMove(x, y));
}

RECT PhoneCallEditPanel::OnPenUp(int x, int y) {
  return Swallow(ContainerPanel::OnPenUp(x, y));
}

RECT PhoneCallEditPanel::OnPenReleased(int x, int y) {
  return Swallow(ContainerPanel::OnPenReleased(x, y));
}

RECT PhoneCallEditPanel::OnKey(uint32_t virtual_key, char16_t character) {
  (void)virtual_key;
  // Straight into the number box: posting to "the focused window" would bring the character
  // back here through the main window whenever the box has not got the focus.
  if (character != 0) ui::SendMessage(number_box_->EditWindow(), WM_CHAR, character, 0);
  return kSwallowed;
}

void PhoneCallEditPanel::OnTransitionStart() {
  ContainerPanel::OnTransitionStart();
  if (ui::IsWindow(number_box_->EditWindow())) {
    ui::ShowWindow(number_box_->EditWindow(), ui::SW_HIDE);
  }
}

void PhoneCallEditPanel::OnTransitionEnd() {
  ContainerPanel::OnTransitionEnd();
  if (visible) number_box_->SetActive(true);
}

PhoneCallEditPanel* ShowPhoneCallEditPanel(ui::HWND host_window, ContactContainerPanel& screen,
                                           const std::u16string& number) {
  RECT client{};
  if (!ui::GetClientRect(host_window, client)) client = screen.rect;
  auto panel = std::make_unique<PhoneCallEditPanel>(host_window, client, screen);
  panel->Resize(client);
  panel->NumberBox().SetText(number);
  PhoneCallEditPanel* raw = screen.InsertChildFront(std::move(panel));
  raw->NumberBox().SetActive(true);
  raw->NumberBox().Focus();
  ScreenNavigation::FlipTransition(1);
  return raw;
}

PhoneCallEditPanel* FindPhoneCallEditPanel(const ContactContainerPanel& screen) {
  for (size_t i = 0; i < screen.ChildCount(); ++i) {
    if (auto* panel = dynamic_cast<PhoneCallEditPanel*>(screen.Child(i))) return panel;
  }
  return nullptr;
}
