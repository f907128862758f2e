#include "platform/pimapps/PictureChooserWindow.h"

#include <algorithm>

#include "platform/Imaging.h"
#include "platform/Text.h"
#include "platform/ThreadPriority.h"
#include "platform/ui/DumpRegistry.h"
#include "platform/ui/WindowApi.h"
#include "platform/ui/WindowManager.h"

namespace platform::pimapps {

namespace {

constexpr int kCellSide = 80;  // the widest cell at 240 pixels
constexpr int kNameHeight = 16;
constexpr COLORREF kPlaceholder = RGB(225, 225, 225);
constexpr COLORREF kRefusedText = RGB(160, 30, 30);

std::atomic<int> g_workers{0};

POINT PointOf(LPARAM lparam) {
  return POINT{ui::GetXParam(lparam), ui::GetYParam(lparam)};
}

const char* StateName(int state) {
  static constexpr const char* kNames[] = {"loading", "ready", "too_large", "not_a_picture"};
  return kNames[state];
}

}  // namespace

bool PictureThumbnailsLoading() {
  return g_workers.load() > 0;
}

PictureChooserWindow::PictureChooserWindow(ui::WindowManager& manager, std::string folder)
    : manager_(manager),
      folder_(std::move(folder)),
      look_(manager.ScreenSize()),
      link_(std::make_shared<Link>()),
      stop_(std::make_shared<std::atomic<bool>>(false)) {
  for (PictureFile& file : ListPictureFiles(folder_)) cells_.push_back(Cell{std::move(file)});
  link_->window = this;
  const SIZE screen = manager_.ScreenSize();
  hwnd_ = manager_.CreateWindow(
      u"#PictureChooser", u"Choose a picture", RECT{0, 0, screen.cx, screen.cy}, false, nullptr,
      [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) { return Procedure(h, m, w, l); });
  ui::DumpRegistry::Instance().Add(kWindowDumpSection,
                                   [this](ui::JsonWriter& json) { Dump(json); });
  StartWorker();
}

PictureChooserWindow::~PictureChooserWindow() {
  stop_->store(true);
  if (worker_.joinable()) worker_.join();
  link_->window = nullptr;  // results still queued find no window
  ui::DumpRegistry::Instance().Remove(kWindowDumpSection);
  manager_.DestroyWindow(hwnd_);
}

void PictureChooserWindow::StartWorker() {
  if (cells_.empty()) return;
  std::vector<PictureFile> files;
  for (const Cell& cell : cells_) files.push_back(cell.file);
  ++g_workers;
  worker_ = std::thread([files = std::move(files), side = ThumbnailSide(), stop = stop_,
                         link = link_, manager = &manager_] {
    LowerCurrentThreadPriority();
    for (size_t i = 0; i < files.size() && !stop->load(); ++i) {
      State state = State::kTooLarge;
      std::shared_ptr<Surface> thumbnail;
      if (files[i].size <= kMaxPictureFileBytes) {
        std::unique_ptr<Surface> image = DecodeImageFile(files[i].path);
        state = image ? State::kReady : State::kNotAPicture;
        if (image) {
          const int w = image->Width(), h = image->Height(), longest = std::max(w, h);
          thumbnail = longest <= side ? std::move(image)
                                      : ScaleImage(*image, std::max(1, w * side / longest),
                                                   std::max(1, h * side / longest));
        }
      }
      manager->PostTask([link, i, state, thumbnail] {
        if (link->window) link->window->OnThumbnail(i, state, thumbnail);
      });
    }
    --g_workers;
  });
}

void PictureChooserWindow::OnThumbnail(size_t index, State state,
                                       std::shared_ptr<Surface> thumbnail) {
  if (index >= cells_.size()) return;
  cells_[index].state = state;
  cells_[index].thumbnail = std::move(thumbnail);
  const RECT rect = CellRect(index);
  manager_.InvalidateRect(hwnd_, &rect);
}

std::optional<std::string> PictureChooserWindow::Run() {
  ui::HWND previous_focus = manager_.GetFocus();
  manager_.SetFocus(hwnd_);
  std::optional<std::string> chosen;
  while (!done_) {
    if (!manager_.RunModal(hwnd_, [this] { return done_ || refused_ >= 0; })) break;
    if (refused_ >= 0) {
      const Cell& cell = cells_[static_cast<size_t>(refused_)];
      std::u16string text = u"This picture cannot be used: ";
      text += cell.state == State::kTooLarge ? u"it is larger than 16 MB."
                                             : u"it is not a PNG or JPEG picture this phone can "
                                               u"read.";
      text += u"\n\n" + FromUtf8(cell.file.name);
      refused_ = -1;
      refusal_ = text;
      manager_.MessageBox(hwnd_, text, u"Pictures", MB_OK);
      refusal_.clear();
      continue;
    }
    if (chosen_ >= 0) chosen = cells_[static_cast<size_t>(chosen_)].file.path;
  }
  manager_.ShowWindow(hwnd_, ui::SW_HIDE);
  if (manager_.IsWindow(previous_focus)) manager_.SetFocus(previous_focus);
  return chosen;
}

RECT PictureChooserWindow::Area() const {
  return ScrolledArea(look_, manager_.GetClientRect(hwnd_));
}

RECT PictureChooserWindow::CancelRect() const {
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT left = LeftButtonRect(look_, client);
  return RECT{left.left, left.top, RightButtonRect(look_, client).right, left.bottom};
}

int PictureChooserWindow::Columns() const {
  return std::max(2, static_cast<int>(RectWidth(Area())) / S(kCellSide));
}

int PictureChooserWindow::CellWidth() const {
  return static_cast<int>(RectWidth(Area())) / Columns();
}

int PictureChooserWindow::CellHeight() const {
  return CellWidth() + S(kNameHeight);
}

int PictureChooserWindow::ThumbnailSide() const {
  return std::max(1, CellWidth() - 2 * S(kMargin));
}

int PictureChooserWindow::ContentHeight() const {
  const int rows = (static_cast<int>(cells_.size()) + Columns() - 1) / Columns();
  return rows * CellHeight() + S(kRowGap);
}

int PictureChooserWindow::MaxScroll() const {
  return std::max(0, ContentHeight() - static_cast<int>(RectHeight(Area())));
}

RECT PictureChooserWindow::CellRect(size_t index) const {
  const RECT area = Area();
  const int column = static_cast<int>(index) % Columns();
  const int row = static_cast<int>(index) / Columns();
  const int left = area.left + column * CellWidth();
  const int top = area.top + S(kRowGap) + row * CellHeight() - scroll_;
  return RECT{left, top, left + CellWidth(), top + CellHeight()};
}

int PictureChooserWindow::CellAt(POINT point) const {
  if (!PtInRect(Area(), point)) return -1;
  for (size_t i = 0; i < cells_.size(); ++i) {
    if (PtInRect(CellRect(i), point)) return static_cast<int>(i);
  }
  return -1;
}

void PictureChooserWindow::ScrollTo(int offset) {
  offset = std::clamp(offset, 0, MaxScroll());
  if (offset == scroll_) return;
  scroll_ = offset;
  manager_.InvalidateRect(hwnd_, nullptr);
}

LRESULT PictureChooserWindow::Procedure(ui::HWND, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SIZE:
      scroll_ = std::clamp(scroll_, 0, MaxScroll());
      manager_.InvalidateRect(hwnd_, nullptr);
      return 0;
    case WM_LBUTTONDOWN:
      OnPenDown(PointOf(lparam));
      return 0;
    case WM_MOUSEMOVE:
      if (!cancel_pressed_) {
        const int offset = drag_.Move(PointOf(lparam), S(kDragSlop));
        if (offset >= 0) ScrollTo(offset);
      }
      return 0;
    case WM_LBUTTONUP:
      OnPenUp(PointOf(lparam));
      return 0;
    case WM_KEYDOWN:
      if (wparam == VK_ESCAPE) done_ = true;
      if (wparam == VK_DOWN) ScrollTo(scroll_ + CellHeight());
      if (wparam == VK_UP) ScrollTo(scroll_ - CellHeight());
      return 0;
    default:
      return 0;
  }
}

void PictureChooserWindow::OnPenDown(POINT point) {
  drag_.Down(point, scroll_);
  cancel_pressed_ = PtInRect(CancelRect(), point);
  manager_.SetCapture(hwnd_);
  if (cancel_pressed_) manager_.InvalidateRect(hwnd_, nullptr);
}

void PictureChooserWindow::OnPenUp(POINT point) {
  if (!drag_.IsDown()) return;
  const bool tap = drag_.Up();
  manager_.ReleaseCapture();
  if (cancel_pressed_) {
    cancel_pressed_ = false;
    manager_.InvalidateRect(hwnd_, nullptr);
    if (PtInRect(CancelRect(), point)) done_ = true;
    return;
  }
  if (!tap) return;
  const int index = CellAt(point);
  if (index < 0) return;
  const State state = cells_[static_cast<size_t>(index)].state;
  if (state == State::kTooLarge || state == State::kNotAPicture) {
    refused_ = index;
    return;
  }
  chosen_ = index;  // a picture still loading is checked again by whoever stores it
  done_ = true;
}

void PictureChooserWindow::Paint() {
  RECT invalid;
  Surface* dc = manager_.BeginPaint(hwnd_, invalid);
  if (!dc) return;
  const RECT client = manager_.GetClientRect(hwnd_);
  const RECT area = Area();
  dc->FillRect(client, kBackground);
  dc->PushClip(area);
  if (cells_.empty()) {
    RECT text = InflateRect(area, -S(kMargin), -S(kMargin));
    dc->DrawText(u"There are no pictures in " + FromUtf8(folder_) + u".", text,
                 DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX, look_.value_font, kLabelText);
  }
  const int side = ThumbnailSide();
  for (size_t i = 0; i < cells_.size(); ++i) {
    const RECT cell = CellRect(i);
    if (cell.bottom < area.top || cell.top > area.bottom) continue;
    const Cell& c = cells_[i];
    const RECT box{cell.left + S(kMargin), cell.top, cell.left + S(kMargin) + side,
                   cell.top + side};
    if (c.thumbnail) {
      const int w = c.thumbnail->Width(), h = c.thumbnail->Height();
      const int left = box.left + (side - w) / 2, top = box.top + (side - h) / 2;
      dc->DrawTransparent(RECT{left, top, left + w, top + h}, *c.thumbnail, c.thumbnail->Bounds());
    } else {
      dc->FillRect(box, kPlaceholder);
      if (c.state == State::kTooLarge || c.state == State::kNotAPicture) {
        RECT mark = box;
        dc->DrawText(c.state == State::kTooLarge ? u"Too large" : u"Unreadable", mark,
                     DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, look_.label_font,
                     kRefusedText);
      }
    }
    RECT name{cell.left + S(2), box.bottom, cell.right - S(2), cell.bottom};
    dc->DrawText(FromUtf8(c.file.name), name,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                 look_.label_font, kLabelText);
  }
  dc->PopClip();
  PaintTitleBar(*dc, look_, client, u"Choose a picture");
  PaintScrollMark(*dc, look_, area, scroll_, ContentHeight());
  dc->FillRect(RECT{0, area.bottom, client.right, client.bottom}, kBarColor);
  PaintButton(*dc, look_, CancelRect(), u"Cancel", cancel_pressed_);
  manager_.EndPaint(hwnd_);
}

void PictureChooserWindow::Dump(ui::JsonWriter& json) const {
  json.BeginObject();
  json.StringField("kind", "chooser");
  json.StringField("title", u"Choose a picture");
  json.StringField("folder", folder_);
  json.IntField("scroll_offset", scroll_);
  json.IntField("content_height", ContentHeight());
  json.RectField("form_rect", Area());
  json.RectField("cancel_rect", CancelRect());
  json.StringField("refusal", refusal_);
  json.Key("fields");
  json.BeginArray();
  for (size_t i = 0; i < cells_.size(); ++i) {
    json.BeginObject();
    json.StringField("label", cells_[i].file.name);
    json.StringField("value", cells_[i].file.path);
    json.StringField("state", StateName(static_cast<int>(cells_[i].state)));
    json.RectField("rect", CellRect(i));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

}  // namespace platform::pimapps
