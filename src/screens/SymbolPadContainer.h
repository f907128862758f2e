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
#include <utility>
#include <vector>

#include "platform/ui/Window.h"
#include "toolkit/ContainerPanel.h"

class Action;
class Button;
class ContactContainerPanel;

namespace theme {
class Image;
class SettingManager;
}  // namespace theme

class SymbolPadContainer : public ContainerPanel {
 public:
  // A theme image setting; read again at every resize, as a relayout may load the theme anew.
  using ImageSetting = std::unique_ptr<theme::Image> theme::SettingManager::*;
  struct Symbol {
    std::unique_ptr<Action> action;
    ImageSetting image = nullptr;
    ImageSetting pressed_image = nullptr;
  };

  // The symbols in order, contacts application first; with `default_to_close` minimise comes
  // before close, else after it.
  static std::vector<Symbol> MakeSymbols(platform::ui::HWND host_window,
                                         ContactContainerPanel& screen, bool default_to_close);

  // One button per symbol, a quarter of the rect's width wide, left to right. Each button's click
  // runs its symbol through a SymbolDeleteProxyAction that retires the pad from `screen`.
  SymbolPadContainer(platform::ui::HWND host_window, const RECT& pad_rect,
                     std::vector<Symbol> symbols, ContactContainerPanel& screen);

  // A relayout (rotation, theme): the row above the icon bar again, with the theme's images.
  void Resize(const RECT& client) override;
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

 private:
  // The buttons across the rect from `left`, `width` each, with the theme's images.
  void PlaceButtons(int left, int width);

  platform::ui::HWND host_window_;
  std::vector<std::pair<ImageSetting, ImageSetting>> images_;
};
