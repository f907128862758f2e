#include "platform/sip/SoftKeyboard.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/sip/SoftKeyboardDump.h"
#include "platform/ui/WindowApi.h"

namespace platform::sip {

namespace {

constexpr uintptr_t kRepeatTimer = 1;
constexpr uintptr_t kPendingTimer = 2;
constexpr uint32_t kRepeatDelayMs = 500;
constexpr uint32_t kRepeatIntervalMs = 100;

constexpr COLORREF kBackground = RGB(38, 42, 50);
constexpr COLORREF kKeyColor = RGB(245, 245, 245);
constexpr COLORREF kSpecialColor = RGB(172, 180, 194);
constexpr COLORREF kLitColor = RGB(120, 160, 220);
constexpr COLORREF kPressedColor = RGB(70, 110, 190);
constexpr COLORREF kLabelColor = RGB(20, 20, 24);
constexpr COLORREF kHintColor = RGB(90, 96, 110);

// Row height on this screen: an eighth of the shorter side (30 px on a 240-pixel screen).
int RowHeight() {
  const int shorter =
      std::min(ui::GetSystemMetrics(SM_CXSCREEN), ui::GetSystemMetrics(SM_CYSCREEN));
  return std::max(20, shorter / 8);
}

Font KeyFont(int pixel_height) {
  return Font(FontDescription{std::max(6, pixel_height), FW_NORMAL, false, u"DejaVu Sans"});
}

}  // namespace

SoftKeyboard::SoftKeyboard(std::unique_ptr<KeyboardLayout> layout) : layout_(std::move(layout)) {
  TrackSoftKeyboard(this);
}

SoftKeyboard::~SoftKeyboard() {
  ForgetSoftKeyboard(this);
  Deselect();
}

HRESULT SoftKeyboard::QueryInterface(const com::IID& iid, void** out) {
  if (out == nullptr) return com::kPointer;
  if (iid == com::IID_IUnknown || iid == IID_IInputMethod) {
    *out = static_cast<IInputMethod*>(this);
    AddRef();
    return com::kOk;
  }
  *out = nullptr;
  return com::kNoInterface;
}

uint32_t SoftKeyboard::AddRef() {
  return ++references_;
}

uint32_t SoftKeyboard::Release() {
  const uint32_t left = --references_;
  if (left == 0) delete this;  // the last reference: the component owns itself
  return left;
}

int SoftKeyboard::PreferredHeight() const {
  return layout_->RowCount() * RowHeight() + 4;
}

HRESULT SoftKeyboard::Select(ui::HWND panel) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager || !manager->IsWindow(panel)) return com::kInvalidArg;
  Deselect();
  const int width = RectWidth(manager->GetClientRect(panel));
  hwnd_ = manager->CreateWindow(
      u"QBSoftKeyboard", u"", RECT{0, 0, width, PreferredHeight()}, true, panel,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Handle(h, m, w, l); });
  return hwnd_ ? com::kOk : com::kFail;
}

HRESULT SoftKeyboard::Deselect() {
  if (ui::IsWindow(hwnd_)) ui::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  pressed_ = -1;
  return com::kOk;
}

HRESULT SoftKeyboard::Showing() {
  if (ui::IsWindow(hwnd_)) ui::InvalidateRect(hwnd_, nullptr);
  return com::kOk;
}

HRESULT SoftKeyboard::Hiding() {
  layout_->Reset();
  pressed_ = -1;
  repeating_ = false;
  if (ui::IsWindow(hwnd_)) {
    ui::KillTimer(hwnd_, kRepeatTimer);
    ui::KillTimer(hwnd_, kPendingTimer);
    if (ui::GetCapture() == hwnd_) ui::ReleaseCapture();
    ui::InvalidateRect(hwnd_, nullptr);
  }
  return com::kOk;
}

HRESULT SoftKeyboard::GetInfo(IMINFO* info) {
  if (info == nullptr) return com::kPointer;
  RECT window{};
  if (!ui::GetWindowRect(hwnd_, window)) window = RECT{0, 0, 0, PreferredHeight()};
  info->rcSipRect = window;
  return com::kOk;
}

HRESULT SoftKeyboard::ReceiveSipInfo(SIPINFO* info) {
  if (info == nullptr) return com::kPointer;
  ResizeTo(RectWidth(info->rcSipRect));
  return com::kOk;
}

void SoftKeyboard::ResizeTo(int width) {
  if (!ui::IsWindow(hwnd_) || width <= 0) return;
  ui::MoveWindow(hwnd_, 0, 0, width, PreferredHeight(), true);
}

HRESULT SoftKeyboard::RegisterCallback(IIMCallback* callback) {
  if (callback) callback->AddRef();
  callback_ = com::ComPtr<IIMCallback>(callback);
  return com::kOk;
}

HRESULT SoftKeyboard::GetImData(uint32_t, void*) {
  return com::kOk;
}

HRESULT SoftKeyboard::SetImData(uint32_t, void*) {
  return com::kOk;
}

HRESULT SoftKeyboard::UserOptionsDlg(ui::HWND) {
  return com::kOk;
}

std::vector<SoftKey> SoftKeyboard::CurrentKeys() const {
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  return layout_->Keys(RectWidth(client), RectHeight(client));
}

int SoftKeyboard::KeyAt(int x, int y) const {
  const std::vector<SoftKey> keys = CurrentKeys();
  for (size_t i = 0; i < keys.size(); ++i) {
    // The gaps between keys belong to the nearest key, so a tap never falls through.
    if (PtInRect(InflateRect(keys[i].rect, 1, 1), POINT{x, y})) return static_cast<int>(i);
  }
  return -1;
}

LRESULT SoftKeyboard::Handle(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case WM_MOUSEMOVE:
      OnPenMove(ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case WM_LBUTTONUP:
      OnPenUp(ui::GetXParam(lparam), ui::GetYParam(lparam));
      return 0;
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    default:
      return ui::DefWindowProc(hwnd, message, wparam, lparam);
  }
}

void SoftKeyboard::OnPenDown(int x, int y) {
  ui::SetCapture(hwnd_);
  pressed_ = KeyAt(x, y);
  repeating_ = false;
  if (pressed_ >= 0) {
    const SoftKey key = CurrentKeys()[static_cast<size_t>(pressed_)];
    if (key.role == KeyRole::kBackspace) {
      repeating_ = true;
      Press(key);
      ui::SetTimer(hwnd_, kRepeatTimer, kRepeatDelayMs);
    }
  }
  ui::InvalidateRect(hwnd_, nullptr);
}

void SoftKeyboard::OnPenMove(int x, int y) {
  if (ui::GetCapture() != hwnd_) return;
  const int under = KeyAt(x, y);
  if (under == pressed_) return;
  if (repeating_) {
    // A repeating key stops when the pen leaves it and does not start again elsewhere.
    ui::KillTimer(hwnd_, kRepeatTimer);
    repeating_ = false;
    pressed_ = -1;
  } else {
    pressed_ = under;
  }
  ui::InvalidateRect(hwnd_, nullptr);
}

void SoftKeyboard::OnPenUp(int x, int y) {
  if (ui::GetCapture() == hwnd_) ui::ReleaseCapture();
  ui::KillTimer(hwnd_, kRepeatTimer);
  const int under = KeyAt(x, y);
  const int pressed = pressed_;
  const bool repeating = repeating_;
  pressed_ = -1;
  repeating_ = false;
  ui::InvalidateRect(hwnd_, nullptr);
  if (pressed >= 0 && under == pressed && !repeating) {
    Press(CurrentKeys()[static_cast<size_t>(pressed)]);
  }
}

void SoftKeyboard::OnTimer(uintptr_t id) {
  if (id == kRepeatTimer) {
    const std::vector<SoftKey> keys = CurrentKeys();
    if (!repeating_ || pressed_ < 0 || static_cast<size_t>(pressed_) >= keys.size()) {
      ui::KillTimer(hwnd_, kRepeatTimer);
      return;
    }
    Press(keys[static_cast<size_t>(pressed_)]);
    ui::SetTimer(hwnd_, kRepeatTimer, kRepeatIntervalMs);
  } else if (id == kPendingTimer) {
    ui::KillTimer(hwnd_, kPendingTimer);
    layout_->EndPending();
    ui::InvalidateRect(hwnd_, nullptr);
  }
}

void SoftKeyboard::Press(const SoftKey& key) {
  const KeyOutput output = layout_->Tap(key, Clock::TickCount());
  if (const uint32_t pending = layout_->PendingMs()) {
    ui::SetTimer(hwnd_, kPendingTimer, pending);
  } else {
    ui::KillTimer(hwnd_, kPendingTimer);
  }
  ui::InvalidateRect(hwnd_, nullptr);
  Send(output);
}

void SoftKeyboard::Send(const KeyOutput& output) {
  if (!callback_) return;
  for (int i = 0; i < output.backspaces; ++i) {
    callback_->SendVirtualKey(static_cast<uint8_t>(VK_BACK), 0);
    callback_->SendVirtualKey(static_cast<uint8_t>(VK_BACK), KEYEVENTF_KEYUP);
  }
  if (!output.text.empty()) {
    callback_->SendString(output.text.c_str(), static_cast<uint32_t>(output.text.size()));
  }
  if (output.enter) {
    callback_->SendVirtualKey(static_cast<uint8_t>(VK_RETURN), 0);
    callback_->SendVirtualKey(static_cast<uint8_t>(VK_RETURN), KEYEVENTF_KEYUP);
  }
}

void SoftKeyboard::PaintKey(Surface& dc, const SoftKey& key, bool pressed, int row_height) {
  COLORREF fill = key.special ? kSpecialColor : kKeyColor;
  if (key.lit) fill = kLitColor;
  if (pressed) fill = kPressedColor;
  dc.RoundRect(key.rect, 6, 6, kInvalidColor, 0, fill);
  const COLORREF ink = pressed ? RGB(255, 255, 255) : kLabelColor;
  const bool word = key.label.size() > 2;
  const Font label_font = KeyFont(row_height * (word ? 36 : 50) / 100);
  RECT label_rect = key.rect;
  if (!key.hint.empty()) {
    label_rect.bottom = key.rect.top + RectHeight(key.rect) * 62 / 100;
    RECT hint_rect{key.rect.left, label_rect.bottom - 2, key.rect.right, key.rect.bottom};
    dc.DrawText(key.hint, hint_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                KeyFont(row_height * 30 / 100), pressed ? ink : kHintColor);
  }
  dc.DrawText(key.label, label_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
              label_font, ink);
}

void SoftKeyboard::Paint() {
  ui::PAINTSTRUCT paint;
  Surface* dc = ui::BeginPaint(hwnd_, paint);
  if (!dc) return;
  RECT client{};
  ui::GetClientRect(hwnd_, client);
  dc->FillRect(client, kBackground);
  const std::vector<SoftKey> keys = CurrentKeys();
  const int row_height = std::max(1, RectHeight(client) / std::max(1, layout_->RowCount()));
  for (size_t i = 0; i < keys.size(); ++i) {
    PaintKey(*dc, keys[i], static_cast<int>(i) == pressed_, row_height);
  }
  ui::EndPaint(hwnd_, paint);
}

}  // namespace platform::sip
