// SymbolPadContainer: the symbol pad, a row of four image buttons directly above the icon bar
// that holding the phone button opens (IconSymbolPadAction): the platform's contacts
// application, the options menu, close and minimise. It takes every pen move, so a pen slid
// off the held phone button presses the symbols it crosses and nothing below; lifting the pen
// on a symbol runs it, and running a symbol is the only way the pad goes away.
//
// UI thread only.
#pragma once

#include <memory>
#include <typeinfo>
#include <vector>

#include "platform/ui/Window.h"
#include "toolkit/ContainerPanel.h"

class Action;
class Button;
class ContactContainerPanel;

namespace theme {
class Image;
}

class SymbolPadContainer : public ContainerPanel {
 public:
  struct Symbol {
    std::unique_ptr<Action> action;
    const theme::Image* image = nullptr;
    const theme::Image* pressed_image = nullptr;
  };

  // The symbols in order, contacts application first; with `default_to_close` minimise comes
  // before close, else after it.
  static std::vector<Symbol> MakeSymbols(platform::ui::HWND host_window,
                                         ContactContainerPanel& screen, bool default_to_close);

  // One button per symbol, `button_width` wide, left to right from the rect's left edge.
  // Each button's click runs its symbol through a SymbolDeleteProxyAction that retires the
  // pad from `screen`.
  SymbolPadContainer(platform::ui::HWND host_window, const RECT& pad_rect, int button_width,
                     std::vector<Symbol> symbols, ContactContainerPanel& screen);

  // Every move is the pad's (its rect comes back): each symbol is pressed while the pen is
  // over it.
  RECT OnPenMove(int x, int y) override;

  // The pad open on `screen`, or null.
  static SymbolPadContainer* Find(const ContactContainerPanel& screen);

  Button& SymbolButton(size_t index) const;
  // The symbol's action (not the proxy around it), for dumps.
  const Action* SymbolAction(size_t index) const;
  // The type of the last symbol's action run by any pad (null before the first), for dumps.
  static const std::type_info* LastSymbolRun();
  static void SetLastSymbolRun(const std::type_info* type);
};
