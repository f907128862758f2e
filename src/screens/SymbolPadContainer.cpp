#include "screens/SymbolPadContainer.h"

#include <utility>

#include "platform/ui/WindowApi.h"
#include "screens/ClassicContactAction.h"
#include "screens/CloseAction.h"
#include "screens/ContactContainerPanel.h"
#include "screens/IconHideAction.h"
#include "screens/OptionsMenuAction.h"
#include "screens/SymbolDeleteProxyAction.h"
#include "theme/SettingManager.h"
#include "toolkit/Button.h"

namespace {

const std::type_info*& LastRun() {
  static const std::type_info* type = nullptr;
  return type;
}

}  // namespace

std::vector<SymbolPadContainer::Symbol> SymbolPadContainer::MakeSymbols(
    platform::ui::HWND host_window, ContactContainerPanel& screen, bool default_to_close) {
  using S = theme::SettingManager;
  std::vector<Symbol> symbols;
  symbols.push_back({std::make_unique<ClassicContactAction>(host_window), &S::old_contact_icon,
                     &S::old_contact_icon_pressed});
  symbols.push_back(
      {std::make_unique<OptionsMenuAction>(screen), &S::option_icon, &S::option_icon_pressed});
  Symbol close{std::make_unique<CloseAction>(host_window), &S::close_icon, &S::close_icon_pressed};
  Symbol minimise{std::make_unique<IconHideAction>(host_window), &S::minimize_icon,
                  &S::minimize_icon_pressed};
  if (default_to_close) std::swap(close, minimise);
  symbols.push_back(std::move(close));
  symbols.push_back(std::move(minimise));
  return symbols;
}

SymbolPadContainer::SymbolPadContainer(platform::ui::HWND host_window, const RECT& pad_rect,
                                       std::vector<Symbol> symbols, ContactContainerPanel& screen)
    : ContainerPanel(pad_rect), host_window_(host_window) {
  for (Symbol& symbol : symbols) {
    Button* button =
        AddChild(std::make_unique<Button>(host_window, pad_rect, u"", nullptr, nullptr));
    button->SetClickAction(
        std::make_unique<SymbolDeleteProxyAction>(std::move(symbol.action), *this, screen));
    images_.emplace_back(symbol.image, symbol.pressed_image);
  }
  // Until the first relayout the row is where it was asked to be.
  PlaceButtons(pad_rect.left, static_cast<int>(static_cast<unsigned>(RectWidth(pad_rect)) / 4));
}

void SymbolPadContainer::PlaceButtons(int left, int width) {
  const theme::SettingManager& s = theme::Settings();
  for (size_t i = 0; i < ChildCount(); ++i) {
    const int x = left + static_cast<int>(i) * width;
    SymbolButton(i).rect = RECT{x, rect.top, x + width, rect.bottom};
    SymbolButton(i).SetImages((s.*images_[i].first).get(), (s.*images_[i].second).get());
  }
}

void SymbolPadContainer::Resize(const RECT& client) {
  RECT window{};
  // Without a main window (tests) the client rectangle stands for it.
  const int height =
      platform::ui::GetWindowRect(host_window_, window) ? RectHeight(window) : client.bottom;
  const theme::SettingManager& s = theme::Settings();
  const int bottom = height - s.icon_panel_height;
  rect = RECT{client.left, bottom - s.icon_panel_height, client.right, bottom};
  PlaceButtons(client.left, static_cast<int>(static_cast<unsigned>(RectWidth(client)) / 4));
}

RECT SymbolPadContainer::OnPenMove(int x, int y) {
  // Every symbol sees the move, so the one the pen leaves lets go as the next one is pressed.
  for (size_t i = 0; i < ChildCount(); ++i) {
    if (Child(i)->visible) Child(i)->OnPenMove(x, y);
  }
  return rect;
}

SymbolPadContainer* SymbolPadContainer::Find(const ContactContainerPanel& screen) {
  for (size_t i = 0; i < screen.ChildCount(); ++i) {
    if (auto* pad = dynamic_cast<SymbolPadContainer*>(screen.Child(i))) return pad;
  }
  return nullptr;
}

Button& SymbolPadContainer::SymbolButton(size_t index) const {
  return *static_cast<Button*>(Child(index));
}

const Action* SymbolPadContainer::SymbolAction(size_t index) const {
  const auto* proxy =
      dynamic_cast<const SymbolDeleteProxyAction*>(SymbolButton(index).ClickAction());
  return proxy ? proxy->Inner() : nullptr;
}

const std::type_info* SymbolPadContainer::LastSymbolRun() {
  return LastRun();
}

void SymbolPadContainer::SetLastSymbolRun(const std::type_info* type) {
  LastRun() = type;
}
