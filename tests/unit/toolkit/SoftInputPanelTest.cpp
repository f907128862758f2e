// The hosted soft keyboard and the text box over a real window manager and registry: "nosip"
// shows nothing and a switch replaces it, a second show makes no second method, turning the
// keyboard off gives the screens their height back, an input method 80 pixels high places the
// keyboard and the relayout by its size, SendCharEvents posts exactly its characters, and the
// text box's limit keeps what fits (never half a pair) while GetText returns all it holds.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/registry/Registry.h"
#include "platform/sip/BuiltInInputMethods.h"
#include "platform/ui/WindowApi.h"
#include "support/TempDir.h"
#include "toolkit/DisableSipAction.h"
#include "toolkit/ImCallBack.h"
#include "toolkit/ShowSipAction.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/SwitchSipAction.h"
#include "toolkit/TextInputControl.h"

namespace {

namespace ui = platform::ui;
namespace sip = platform::sip;
namespace com = platform::com;

// An input method whose window is 240 x 80.
const com::CLSID kShortMethod{0x11111111, 0x2222, 0x3333, {4, 4, 5, 5, 6, 6, 7, 7}};

class ShortMethod final : public sip::IInputMethod {
 public:
  com::HRESULT QueryInterface(const com::IID& iid, void** out) override {
    *out = iid == sip::IID_IInputMethod ? static_cast<sip::IInputMethod*>(this) : nullptr;
    if (!*out) return com::kNoInterface;
    AddRef();
    return com::kOk;
  }
  uint32_t AddRef() override { return ++references_; }
  uint32_t Release() override {
    if (--references_ == 0) {
      delete this;
      return 0;
    }
    return references_;
  }
  com::HRESULT Select(ui::HWND panel) override {
    window_ = ui::WindowManager::Current()->CreateWindow(u"Short", u"", RECT{0, 0, 240, 80}, true,
                                                         panel, ui::DefWindowProc);
    return com::kOk;
  }
  com::HRESULT Deselect() override {
    ui::DestroyWindow(window_);
    return com::kOk;
  }
  com::HRESULT Showing() override { return com::kOk; }
  com::HRESULT Hiding() override { return com::kOk; }
  com::HRESULT GetInfo(sip::IMINFO*) override { return com::kOk; }
  com::HRESULT ReceiveSipInfo(sip::SIPINFO*) override { return com::kOk; }
  com::HRESULT RegisterCallback(sip::IIMCallback*) override { return com::kOk; }
  com::HRESULT GetImData(uint32_t, void*) override { return com::kOk; }
  com::HRESULT SetImData(uint32_t, void*) override { return com::kOk; }
  com::HRESULT UserOptionsDlg(ui::HWND) override { return com::kOk; }

 private:
  ~ShortMethod() = default;
  uint32_t references_ = 1;
  ui::HWND window_ = nullptr;
};

class SoftInputPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Clock::UseVirtual(5000);
    platform::SetDeviceDir(dir_.path());
    main_ = manager_.CreateWindow(u"Main", u"main", RECT{0, 0, 240, 320}, true, nullptr,
                                  [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                                    if (m == WM_CHAR) chars_.push_back(static_cast<char16_t>(w));
                                    return ui::DefWindowProc(h, m, w, l);
                                  });
    SetInputPanelHost(InputPanelHost{[this](const RECT& r) { layouts_.push_back(r); },
                                     [this] { return choice_; },
                                     [this](const std::u16string& c) { choice_ = c; }});
    const std::u16string key = u"Software\\Classes\\CLSID\\" + com::FormatGuid(kShortMethod);
    platform::WriteRegistryString(platform::HKEY_LOCAL_MACHINE, key + u"\\InprocServer32", u"",
                                  u"short");
    com::RegisterClassCode(kShortMethod, [] { return new ShortMethod; });
  }
  void TearDown() override {
    ResetSoftInputPanel();
    SetInputPanelHost(InputPanelHost{});
  }
  void Pump() { manager_.PumpUntilIdle(); }
  ui::HWND Hosted() { return manager_.FindWindow(kHostedSipClass, kHostedSipTitle); }

  testing_support::TempDir dir_;
  ui::WindowManager manager_{ui::WindowManagerOptions{240, 320}};
  ui::HWND main_ = nullptr;
  std::optional<std::u16string> choice_;
  std::vector<RECT> layouts_;
  std::u16string chars_;
};

TEST_F(SoftInputPanelTest, ChoiceShowSwitchAndDisable) {
  choice_ = kNoSip;
  ShowSipAction().Execute();
  Pump();
  EXPECT_FALSE(InputPanelShown());
  EXPECT_FALSE(Hosted());

  SwitchSipAction(sip::CLSID_PhoneKeypad).Execute();
  Pump();
  EXPECT_TRUE(InputPanelShown());
  EXPECT_EQ(choice_, com::FormatGuid(sip::CLSID_PhoneKeypad));
  ASSERT_TRUE(Hosted());
  // The keypad is 124 pixels high: the hosted window fits it at the bottom, the screens above.
  EXPECT_EQ(manager_.GetWindowRect(Hosted()), (RECT{0, 196, 240, 320}));
  ASSERT_FALSE(layouts_.empty());
  EXPECT_EQ(layouts_.back(), (RECT{0, 0, 240, 196}));

  // A second show re-shows and repositions the same method.
  const auto* method = InputPanel().input_method.Get();
  HideInputPanel(main_);
  ShowInputPanel(main_);
  Pump();
  EXPECT_EQ(InputPanel().input_method.Get(), method);
  EXPECT_EQ(Hosted()->Children().size(), 1u);
  EXPECT_EQ(layouts_.back(), (RECT{0, 0, 240, 196}));

  DisableSipAction().Execute();
  Pump();
  EXPECT_FALSE(InputPanelShown());
  EXPECT_EQ(choice_, kNoSip);
  EXPECT_EQ(layouts_.back(), (RECT{0, 0, 240, 320}));
  // Off stays off, although the method is kept for a later choice.
  ShowInputPanel(main_);
  Pump();
  EXPECT_FALSE(InputPanelShown());
}

TEST_F(SoftInputPanelTest, KeyboardHeightComesFromTheInputMethod) {
  ShowInputPanel(main_, kShortMethod);
  Pump();
  EXPECT_EQ(manager_.GetWindowRect(Hosted()), (RECT{0, 240, 240, 320}));
  EXPECT_EQ(layouts_.back(), (RECT{0, 0, 240, 240}));
  // Switching to a taller one in the existing window measures it whole.
  SwitchInputPanel(sip::CLSID_FullKeyboard);
  Pump();
  EXPECT_EQ(manager_.GetWindowRect(Hosted()), (RECT{0, 196, 240, 320}));
}

TEST_F(SoftInputPanelTest, CallbackSendsExactlyItsCharacters) {
  ImCallBack callback;
  void* self = nullptr;
  EXPECT_EQ(callback.QueryInterface(sip::IID_IIMCallback, &self), com::kOk);
  EXPECT_EQ(callback.QueryInterface(sip::IID_IInputMethod, &self), com::kNoInterface);
  manager_.SetFocus(main_);
  const uint32_t characters[] = {u'a', 0x1F600, u'c', u'd'};
  callback.SendCharEvents(0, 0, 3, nullptr, characters);
  Pump();
  EXPECT_EQ(chars_,
            u"a\xF600"
            u"c");
}

TEST_F(SoftInputPanelTest, TextBoxLimitAndWholeText) {
  TextInputControl box(main_, 0, 200, 240, 300, 20, nullptr);
  box.SetLimit(kSmsTextLimit);
  const std::u16string smile = u"\U0001F600";
  std::u16string long_text = std::u16string(1022, u'x') + smile + std::u16string(975, u'y');
  box.SetText(long_text);
  EXPECT_EQ(box.GetText(), std::u16string(1022, u'x'));
  box.SetLimit(0);
  box.SetText(long_text);
  EXPECT_EQ(box.GetText(), long_text);
  EXPECT_FALSE(box.IsModified());
  // The edit box refers the main window to its control.
  EXPECT_EQ(ui::GetWindowUserData(box.EditWindow()), &box);
  box.SetActive(true);
  EXPECT_TRUE(ui::IsWindowVisible(box.EditWindow()));
  box.SetActive(false);
  EXPECT_FALSE(ui::IsWindowVisible(box.EditWindow()));
}

}  // namespace
