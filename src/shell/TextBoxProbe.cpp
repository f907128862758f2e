#include "shell/TextBoxProbe.h"

#include <algorithm>
#include <charconv>
#include <memory>

#include "platform/Text.h"
#include "platform/ui/ScriptHooks.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "toolkit/DisableSipAction.h"
#include "toolkit/ShowSipAction.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/SwitchSipAction.h"
#include "toolkit/TextInputControl.h"

namespace shell {

namespace {

namespace ui = platform::ui;

constexpr int kLabelOffset = 20;

// The box's place: the bottom quarter of the screens' area, so that it moves up with them
// when the keyboard comes.
class TextBoxProbe final : public LightControl {
 public:
  TextBoxProbe(ui::HWND main, const RECT& client) : LightControl(client) {
    box_ = std::make_unique<TextInputControl>(main, 0, 0, 1, 1, kLabelOffset, nullptr);
    box_->SetLabel(u"Text");
    Resize(client);
  }
  void Resize(const RECT& client) override {
    const int height = std::max(3 * kLabelOffset, RectHeight(client) / 4);
    rect = RECT{client.left, client.bottom - height, client.right, client.bottom};
    box_->Resize(rect);
  }
  bool Paint(platform::Surface& dc, int left, int top, int right, int bottom) override {
    return box_->Paint(dc, left, top, right, bottom);
  }
  TextInputControl& Box() { return *box_; }

 private:
  std::unique_ptr<TextInputControl> box_;
};

TextBoxProbe* g_probe = nullptr;

void Close() {
  if (!g_probe) return;
  AppGlobals& app = App();
  g_probe->Box().SetActive(false);
  std::erase(app.panels, g_probe);
  for (auto it = app.owned_panels.begin(); it != app.owned_panels.end(); ++it) {
    if (it->get() == g_probe) {
      LightControl::DeleteLater(std::move(*it));
      app.owned_panels.erase(it);
      break;
    }
  }
  g_probe = nullptr;
  ui::InvalidateRect(app.main_window, nullptr);
}

std::string Open(std::u16string_view limit_text) {
  const std::string digits = platform::ToUtf8(limit_text);
  size_t limit = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), limit);
  if (error != std::errc() || end != digits.data() + digits.size()) return "expected a limit";
  AppGlobals& app = App();
  if (!app.list_screen) return "the screens do not exist yet";
  Close();
  auto probe = std::make_unique<TextBoxProbe>(app.main_window, app.last_layout_rect);
  g_probe = probe.get();
  app.panels.insert(app.panels.begin(), g_probe);
  app.owned_panels.push_back(std::move(probe));
  TextInputControl& box = g_probe->Box();
  box.SetLimit(limit);
  box.SetActive(true);
  box.Focus();
  ui::InvalidateRect(app.main_window, nullptr);
  return {};
}

std::string TextBoxHook(const std::u16string& arguments) {
  if (arguments == u"close") {
    Close();
    return {};
  }
  return Open(arguments);
}

std::optional<platform::com::CLSID> FindMethod(std::u16string_view name) {
  if (auto clsid = platform::com::ParseGuid(name)) return clsid;
  for (const auto& entry : InstalledInputMethods()) {
    if (platform::CompareNoCase(entry.name, name) == 0) return entry.clsid;
  }
  return std::nullopt;
}

std::string SipHook(const std::u16string& arguments) {
  if (arguments == u"show") {
    ShowSipAction().Execute();
  } else if (arguments == u"disable") {
    DisableSipAction().Execute();
  } else if (arguments.starts_with(u"switch ")) {
    auto clsid = FindMethod(std::u16string_view(arguments).substr(7));
    if (!clsid) return "no such input method";
    SwitchSipAction(*clsid).Execute();
  } else {
    return "expected show, disable or switch NAME";
  }
  return {};
}

}  // namespace

void RegisterTextBoxProbe() {
  ui::ScriptHooks::Instance().Add("textbox", TextBoxHook);
  ui::ScriptHooks::Instance().Add("sip", SipHook);
}

void ResetTextBoxProbe() {
  if (g_probe) Close();
  LightControl::DrainDeferredDeletions();
}

}  // namespace shell
