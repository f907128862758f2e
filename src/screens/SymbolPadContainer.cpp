#include "screens/SymbolPadContainer.h"

#include <utility>

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
  const theme::SettingManager& s = theme::Settings();
  std::vector<Symbol> symbols;
  symbols.push_back({std::make_unique<ClassicContactAction>(host_window), s.old_contact_icon.get(),
                     s.old_contact_icon_pressed.get()});
  symbols.push_back({std::make_unique<OptionsMenuAction>(screen), s.option_icon.get(),
                     s.option_icon_pressed.get()});
  Symbol close{std::make_unique<CloseAction>(host_window), s.close_icon.get(),
               s.close_icon_pressed.get()};
  Symbol minimise{std::make_unique<IconHideAction>(host_window), s.minimize_icon.get(),
                  s.minimize_icon_pressed.get()};
  if (default_to_close) std::swap(close, minimise);
  symbols.push_back(std::move(close));
  symbols.push_back(std::move(minimise));
  return symbols;
}

SymbolPadContainer::SymbolPadContainer(platform::ui::HWND host_window, const RECT& pad_rect,
                                       int button_width, std::vector<Symbol> symbols,
                                       ContactContainerPanel& screen)
    : ContainerPanel(pad_rect) {
  int left = pad_rect.left;
  for (Symbol& symbol : symbols) {
    const RECT place{left, pad_rect.top, left + button_width, pad_rect.bottom};
    Button* button = AddChild(
        std::make_unique<Button>(host_window, place, u"", symbol.image, symbol.pressed_image));
    button->SetClickAction(
        std::make_unique<SymbolDeleteProxyAction>(std::move(symbol.action), *this, screen));
    left += button_width;
  }
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
