// The edit box as a window: characters and keys through the window manager (keyboard shortcuts
// with synthesised shift and control), the clipboard, change notices and colours asked of the
// parent, the pen (caret, double tap, long-press menu), a desktop composition, and the
// message interface the text box uses.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Brush.h"
#include "platform/Clock.h"
#include "platform/input/Clipboard.h"
#include "platform/input/EditBox.h"
#include "platform/input/KeyboardInput.h"
#include "platform/ui/ControlColors.h"
#include "platform/ui/WindowApi.h"

namespace {

namespace ui = platform::ui;
namespace input = platform::input;
using Pointer = ui::InputSink::Pointer;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr RECT kEditRect{10, 50, 210, 110};

class InputEditBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Clock::UseVirtual(5000);
    input::SHInitExtraControls();
    parent_ = manager_.CreateWindow(
        u"Parent", u"parent", RECT{0, 0, 240, 320}, true, nullptr,
        [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Parent(h, m, w, l); });
    edit_ = ui::CreateWindowEx(0, input::kCapEditClass, u"", WS_CHILD | WS_VISIBLE | ES_MULTILINE,
                               kEditRect.left, kEditRect.top, RectWidth(kEditRect),
                               RectHeight(kEditRect), parent_);
    ASSERT_TRUE(edit_);
    manager_.SetFocus(edit_);
    Pump();
  }

  LRESULT Parent(ui::HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND && (w >> 16) == EN_CHANGE) ++changes_;
    if (m == WM_CTLCOLOREDIT) {
      reinterpret_cast<ui::ControlColors*>(w)->text_color = kBlue;
      return reinterpret_cast<LRESULT>(brush_.get());
    }
    return ui::DefWindowProc(h, m, w, l);
  }

  void Pump() { manager_.PumpUntilIdle(); }
  void Type(std::u16string_view text) {
    for (char16_t c : text) manager_.OnChar(c);
    Pump();
  }
  // A key as the keyboard driver makes it, with `modifier` held.
  void Key(uint32_t vk, uint32_t modifier = 0) {
    if (modifier) input::keybd_event(static_cast<uint8_t>(modifier), 0, 0, 0);
    input::keybd_event(static_cast<uint8_t>(vk), 0, 0, 0);
    input::keybd_event(static_cast<uint8_t>(vk), 0, KEYEVENTF_KEYUP, 0);
    if (modifier) input::keybd_event(static_cast<uint8_t>(modifier), 0, KEYEVENTF_KEYUP, 0);
    Pump();
  }
  // The pen at client point (x, y) of the edit box, held for `hold` ms.
  void Tap(int x, int y, uint32_t hold = 50) {
    manager_.OnPointer(Pointer::kDown, kEditRect.left + x, kEditRect.top + y);
    Pump();
    Wait(hold);
    manager_.OnPointer(Pointer::kUp, kEditRect.left + x, kEditRect.top + y);
    Pump();
  }
  void Wait(uint32_t ms) {
    for (uint32_t i = 0; i < ms; i += 10) {
      platform::Clock::Advance(10);
      Pump();
    }
  }
  input::EditBoxState State() { return *input::GetEditBoxState(edit_); }

  ui::WindowManager manager_{ui::WindowManagerOptions{240, 320}};
  std::unique_ptr<platform::Brush> brush_ = platform::Brush::Solid(kRed);
  ui::HWND parent_ = nullptr;
  ui::HWND edit_ = nullptr;
  int changes_ = 0;
};

TEST_F(InputEditBoxTest, KeysShortcutsAndClipboard) {
  Type(u"hello");
  EXPECT_EQ(State().text, u"Hello");
  EXPECT_EQ(changes_, 5);
  Key(VK_HOME, VK_SHIFT);
  EXPECT_EQ(State().anchor, 5u);
  EXPECT_EQ(State().caret, 0u);
  Key('C', VK_CONTROL);
  EXPECT_EQ(input::GetClipboardText(), u"Hello");
  Key(VK_END);
  Key('V', VK_CONTROL);
  EXPECT_EQ(State().text, u"HelloHello");
  Key(VK_LEFT, VK_CONTROL);
  EXPECT_EQ(State().caret, 0u);
  Key('A', VK_CONTROL);
  Key(VK_DELETE, VK_SHIFT);  // cut
  EXPECT_EQ(State().text, u"");
  ui::SendMessage(edit_, EM_LIMITTEXT, 3, 0);
  ui::SendMessage(edit_, WM_PASTE, 0, 0);
  EXPECT_EQ(State().text, u"Hel");
  EXPECT_TRUE(ui::SendMessage(edit_, EM_GETMODIFY, 0, 0));
  // Keys typed with control held are shortcuts, never characters.
  Key('Q', VK_CONTROL);
  EXPECT_EQ(State().text, u"Hel");
}

TEST_F(InputEditBoxTest, MessagesOfTheTextBox) {
  const std::u16string long_text(40, u'w');
  ui::SendMessage(edit_, EM_LIMITTEXT, 30, 0);
  ui::SendMessage(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(long_text.c_str()));
  EXPECT_EQ(ui::SendMessage(edit_, WM_GETTEXTLENGTH, 0, 0), 30);
  EXPECT_FALSE(ui::SendMessage(edit_, EM_GETMODIFY, 0, 0));
  char16_t buffer[8] = {};
  EXPECT_EQ(ui::SendMessage(edit_, WM_GETTEXT, 8, reinterpret_cast<LPARAM>(buffer)), 7);
  EXPECT_EQ(std::u16string(buffer), u"wwwwwww");
  ui::SendMessage(edit_, EM_SETSEL, 30, -1);
  uint32_t start = 0, end = 0;
  ui::SendMessage(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                  reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 30u);
  EXPECT_EQ(end, 30u);
  const std::u16string reply = u"ok\n";
  ui::SendMessage(edit_, EM_LIMITTEXT, 0, 0);
  ui::SendMessage(edit_, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(reply.c_str()));
  EXPECT_EQ(State().text.substr(30), u"ok\r\n");
  // Many lines: the box scrolls to keep the caret in view.
  const std::u16string many(400, u'w');
  ui::SendMessage(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(many.c_str()));
  ui::SendMessage(edit_, EM_SETSEL, 400, 400);
  EXPECT_GT(State().line_count, 5u);
  EXPECT_GT(State().first_visible_line, 0u);
  // The parent's colours and brush paint the box.
  Pump();
  const platform::Surface& screen = manager_.Screen();
  EXPECT_EQ(screen.GetPixel(kEditRect.right - 2, kEditRect.bottom - 2), kRed);
}

TEST_F(InputEditBoxTest, SingleLineBoxScrollsSidewaysInsteadOfWrapping) {
  ui::DestroyWindow(edit_);
  edit_ = ui::CreateWindowEx(0, input::kCapEditClass, u"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                             kEditRect.left, kEditRect.top, RectWidth(kEditRect),
                             RectHeight(kEditRect), parent_);
  manager_.SetFocus(edit_);
  const std::u16string number = u"+33 6 22 22 22 22 22 22 22 22 22 22 22 22 22";
  ui::SendMessage(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(number.c_str()));
  ui::SendMessage(edit_, EM_SETSEL, number.size(), number.size());
  Pump();
  EXPECT_EQ(State().line_count, 1u);
  // Scrolled to the caret at the end: the box's left edge is well inside the text.
  Tap(1, 5);
  EXPECT_GT(State().caret, 10u);
  Key(VK_HOME);
  Wait(500);
  Tap(1, 5);
  EXPECT_EQ(State().caret, 0u);
}

TEST_F(InputEditBoxTest, PenCaretDoubleTapAndMenu) {
  Type(u"one two three");
  Tap(1, 5);
  EXPECT_EQ(State().caret, 0u);
  Wait(500);
  Tap(40, 5);
  Tap(40, 5);
  const auto word = State();
  EXPECT_EQ(std::min(word.caret, word.anchor), 4u);
  EXPECT_EQ(std::max(word.caret, word.anchor), 7u);
  Wait(500);
  // A long press opens the menu; a tap on "Select all" selects everything.
  manager_.OnPointer(Pointer::kDown, kEditRect.left + 5, kEditRect.top + 5);
  Pump();
  Wait(800);
  EXPECT_TRUE(State().menu_open);
  manager_.OnPointer(Pointer::kUp, kEditRect.left + 5, kEditRect.top + 5);
  Pump();
  ui::HWND menu = manager_.FindWindowOfClass(u"QBEditMenu");
  ASSERT_TRUE(menu);
  const RECT box = manager_.GetWindowRect(menu);
  const int select_all_y = box.bottom - 5;
  manager_.OnPointer(Pointer::kDown, box.left + 10, select_all_y);
  manager_.OnPointer(Pointer::kUp, box.left + 10, select_all_y);
  Pump();
  EXPECT_FALSE(State().menu_open);
  EXPECT_EQ(State().anchor, 0u);
  EXPECT_EQ(State().caret, 13u);
  // A drag selects from where the pen went down.
  Tap(1, 5);
  manager_.OnPointer(Pointer::kDown, kEditRect.left + 1, kEditRect.top + 5);
  manager_.OnPointer(Pointer::kMove, kEditRect.left + 30, kEditRect.top + 5);
  manager_.OnPointer(Pointer::kUp, kEditRect.left + 30, kEditRect.top + 5);
  Pump();
  EXPECT_EQ(State().anchor, 0u);
  EXPECT_GT(State().caret, 0u);
}

TEST_F(InputEditBoxTest, CompositionShowsUntilCommitted) {
  Type(u"a");
  manager_.OnComposition(u"ni\x01", 2);
  Pump();
  EXPECT_EQ(State().composition, u"ni");
  EXPECT_EQ(State().text, u"A");
  manager_.OnComposition(u"", 0);
  Type(u"\x4F60");
  EXPECT_EQ(State().composition, u"");
  EXPECT_EQ(State().text, u"A\x4F60");
}

}  // namespace
