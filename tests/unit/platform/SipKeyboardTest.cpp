// The shipped soft keyboards: installation and enumeration from the registry, creation by class
// identifier, what taps type (shift, caps lock, pages, accents, multi-tap and its time-out,
// digits), Backspace repeating while held on the platform's clock, and a golden image of each
// keyboard on a 240x320 screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/sip/BuiltInInputMethods.h"
#include "platform/sip/FullKeyboardLayout.h"
#include "platform/sip/InputMethods.h"
#include "platform/sip/PhoneKeypadLayout.h"
#include "platform/sip/SoftKeyboard.h"
#include "platform/ui/WindowApi.h"
#include "support/Golden.h"
#include "support/TempDir.h"

namespace {

namespace ui = platform::ui;
namespace sip = platform::sip;
namespace com = platform::com;
using Pointer = ui::InputSink::Pointer;

// Records what an input method sends.
class Recorder final : public sip::IIMCallback {
 public:
  com::HRESULT QueryInterface(const com::IID&, void** out) override {
    *out = nullptr;
    return com::kNoInterface;
  }
  uint32_t AddRef() override { return 2; }
  uint32_t Release() override { return 1; }
  com::HRESULT SetImInfo(sip::IMINFO*) override { return com::kOk; }
  com::HRESULT SendVirtualKey(uint8_t vk, uint32_t flags) override {
    if (!(flags & KEYEVENTF_KEYUP)) sent += vk == VK_BACK ? u"<" : u"\n";
    return com::kOk;
  }
  com::HRESULT SendCharEvents(uint32_t, uint32_t, uint32_t, const uint32_t*,
                              const uint32_t*) override {
    return com::kOk;
  }
  com::HRESULT SendString(const char16_t* text, uint32_t count) override {
    sent.append(text, count);
    return com::kOk;
  }
  std::u16string sent;
};

// Taps the key with that label; what the layout sends, written as backspaces "<", text, "\n".
std::u16string TapLabel(sip::KeyboardLayout& layout, std::u16string_view label, uint32_t now) {
  for (const sip::SoftKey& key : layout.Keys(240, 124)) {
    if (key.label != label) continue;
    const sip::KeyOutput out = layout.Tap(key, now);
    return std::u16string(static_cast<size_t>(out.backspaces), u'<') + out.text +
           (out.enter ? u"\n" : u"");
  }
  ADD_FAILURE() << "no key " << platform::ToUtf8(label);
  return u"";
}

struct TapCase {
  const char* name;
  bool keypad;
  std::vector<std::pair<std::u16string, uint32_t>> taps;  // label, time
  std::u16string typed;
};

TEST(SipKeyboardTest, WhatTapsType) {
  const std::vector<TapCase> cases = {
      {"shift types one capital", false, {{u"\u21E7", 0}, {u"A", 10}, {u"a", 20}}, u"Aa"},
      {"two quick shifts lock the capitals",
       false,
       {{u"\u21E7", 0}, {u"\u21E7", 100}, {u"A", 200}, {u"B", 300}},
       u"AB"},
      {"a slow second shift turns it off",
       false,
       {{u"\u21E7", 0}, {u"\u21E7", 900}, {u"a", 1000}},
       u"a"},
      {"pages of symbols and accents, accents with shift",
       false,
       {{u"123", 0},
        {u"7", 10},
        {u"\u00E0\u00E9", 20},
        {u"\u21E7", 30},
        {u"\u00C9", 40},
        {u"\u00FC", 50},
        {u"ABC", 60},
        {u"\u23CE", 70},
        {u"\u232B", 80}},
       u"7\u00C9\u00FC\n<"},
      {"multi-tap steps through the group and takes back the previous letter",
       true,
       {{u"2", 0}, {u"2", 300}, {u"2", 600}, {u"3", 900}},
       u"a<b<cd"},
      {"the case key gives one capital",
       true,
       {{u"abc", 0}, {u"4", 10}, {u"5", 20}, {u"abc", 30}, {u"6", 40}, {u"6", 50}},
       u"Gj"
       u"M<N"},
      {"digits mode types the keys themselves",
       true,
       {{u"123", 0}, {u"2", 10}, {u"2", 20}, {u"#", 30}, {u"space", 40}},
       u"22# "},
  };
  for (const TapCase& c : cases) {
    sip::FullKeyboardLayout full;
    sip::PhoneKeypadLayout keypad;
    sip::KeyboardLayout& layout = c.keypad ? static_cast<sip::KeyboardLayout&>(keypad)
                                           : static_cast<sip::KeyboardLayout&>(full);
    std::u16string typed;
    for (const auto& [label, now] : c.taps) typed += TapLabel(layout, label, now);
    EXPECT_EQ(typed, c.typed) << c.name;
  }
}

class SipKeyboardWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Clock::UseVirtual(5000);
    platform::SetDeviceDir(dir_.path());
    panel_ = manager_.CreateWindow(u"Panel", u"", RECT{0, 180, 240, 320}, true, nullptr,
                                   ui::DefWindowProc, 0, WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  }
  sip::SoftKeyboard* Make(const com::CLSID& clsid) {
    void* out = nullptr;
    EXPECT_EQ(com::CoCreateInstance(clsid, sip::IID_IInputMethod, &out), com::kOk);
    auto* keyboard = static_cast<sip::SoftKeyboard*>(static_cast<sip::IInputMethod*>(out));
    keyboard->Select(panel_);
    keyboard->RegisterCallback(&recorder_);
    manager_.PumpUntilIdle();
    return keyboard;
  }
  RECT KeyRect(sip::SoftKeyboard& keyboard, std::u16string_view label) {
    for (const sip::SoftKey& key : keyboard.CurrentKeys()) {
      if (key.label == label) return OffsetRect(key.rect, 0, 180);
    }
    return RECT{};
  }

  testing_support::TempDir dir_;
  ui::WindowManager manager_{ui::WindowManagerOptions{240, 320}};
  ui::HWND panel_ = nullptr;
  Recorder recorder_;
};

TEST_F(SipKeyboardWindowTest, InstalledAndCurrentInRegistry) {
  const auto methods = sip::EnumerateInputMethods();
  ASSERT_EQ(methods.size(), 2u);
  EXPECT_EQ(methods[0].name, sip::kFullKeyboardName);
  EXPECT_EQ(methods[1].clsid, sip::CLSID_PhoneKeypad);
  EXPECT_EQ(sip::SipGetCurrentIM(), sip::CLSID_FullKeyboard);
  EXPECT_TRUE(sip::SipSetCurrentIM(sip::CLSID_PhoneKeypad));
  EXPECT_EQ(sip::SipGetCurrentIM(), sip::CLSID_PhoneKeypad);
  const com::CLSID unknown{1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
  EXPECT_FALSE(sip::SipSetCurrentIM(unknown));
  void* out = nullptr;
  EXPECT_EQ(com::CoCreateInstance(unknown, sip::IID_IInputMethod, &out), com::kClassNotRegistered);
  EXPECT_EQ(com::CoCreateInstance(sip::CLSID_FullKeyboard, sip::IID_IIMCallback, &out),
            com::kNoInterface);
}

TEST_F(SipKeyboardWindowTest, BackspaceRepeatsWhileHeldAndShowsPressed) {
  sip::SoftKeyboard* keyboard = Make(sip::CLSID_FullKeyboard);
  const RECT back = KeyRect(*keyboard, u"\u232B");
  const int x = (back.left + back.right) / 2;
  const int y = (back.top + back.bottom) / 2;
  manager_.OnPointer(Pointer::kDown, x, y);
  manager_.PumpUntilIdle();
  EXPECT_EQ(manager_.Screen().GetPixel(x, back.top + 3), RGB(70, 110, 190));
  for (int step = 0; step < 80; ++step) {  // 800 ms: the first, then 500 ms, then every 100
    platform::Clock::Advance(10);
    manager_.PumpUntilIdle();
  }
  manager_.OnPointer(Pointer::kUp, x, y);
  manager_.PumpUntilIdle();
  EXPECT_EQ(recorder_.sent, u"<<<<<");
  platform::Clock::Advance(1000);
  manager_.PumpUntilIdle();
  EXPECT_EQ(recorder_.sent, u"<<<<<");
  keyboard->Release();
}

TEST_F(SipKeyboardWindowTest, GoldenImages) {
  for (const auto& [clsid, name] : {std::pair{sip::CLSID_FullKeyboard, "keyboard_full"},
                                    std::pair{sip::CLSID_PhoneKeypad, "keyboard_keypad"}}) {
    sip::SoftKeyboard* keyboard = Make(clsid);
    EXPECT_EQ(keyboard->PreferredHeight(), 124);
    testing_support::ExpectMatchesGolden(keyboard->Window()->Backing(), "platform", name);
    keyboard->Release();
  }
}

}  // namespace
