// The picture chooser: a full-screen modal window with a finger-scrolled grid of the pictures
// of a folder, newest first, each a thumbnail with its name, and Cancel at the bottom.
// Thumbnails are decoded by a worker thread with the platform's decoders and posted to the UI
// thread one by one; a cell shows a grey box until its thumbnail arrives. A picture over
// kMaxPictureFileBytes or one the decoders refuse is marked, and tapping it explains why
// instead of choosing it.
//
// UI thread only (the worker touches only its own copy of the file list). While it runs, the
// section "platform_window" of the dump describes it.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Surface.h"
#include "platform/pimapps/PicturesFolder.h"
#include "platform/pimapps/PimWindowParts.h"
#include "platform/ui/JsonWriter.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Window.h"

namespace platform::ui {
class WindowManager;
}

namespace platform::pimapps {

// Larger files are refused without being read.
inline constexpr uint64_t kMaxPictureFileBytes = 16u << 20;

// Whether a chooser's thumbnail worker is still decoding (scripted runs wait for it).
bool PictureThumbnailsLoading();

class PictureChooserWindow {
 public:
  PictureChooserWindow(ui::WindowManager& manager, std::string folder);
  ~PictureChooserWindow();
  PictureChooserWindow(const PictureChooserWindow&) = delete;
  PictureChooserWindow& operator=(const PictureChooserWindow&) = delete;

  // Runs the modal loop: the chosen picture's path, or nothing (Cancel, Escape, closing).
  std::optional<std::string> Run();

 private:
  enum class State { kLoading, kReady, kTooLarge, kNotAPicture };
  struct Cell {
    PictureFile file;
    State state = State::kLoading;
    std::shared_ptr<Surface> thumbnail;
  };
  // What the worker's posted results reach: null once the window is gone.
  struct Link {
    PictureChooserWindow* window = nullptr;
  };

  LRESULT Procedure(ui::HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void StartWorker();
  void OnThumbnail(size_t index, State state, std::shared_ptr<Surface> thumbnail);
  void Paint();
  void OnPenDown(POINT point);
  void OnPenUp(POINT point);
  void ScrollTo(int offset);
  void Dump(ui::JsonWriter& json) const;
  RECT Area() const;
  RECT CancelRect() const;
  int Columns() const;
  int CellWidth() const;
  int CellHeight() const;
  int ContentHeight() const;
  int MaxScroll() const;
  RECT CellRect(size_t index) const;  // in window pixels
  int CellAt(POINT point) const;
  int ThumbnailSide() const;
  int S(int px) const { return look_.S(px); }

  ui::WindowManager& manager_;
  std::string folder_;
  PimWindowLook look_;
  ui::HWND hwnd_ = nullptr;
  std::vector<Cell> cells_;
  std::shared_ptr<Link> link_;
  std::shared_ptr<std::atomic<bool>> stop_;
  std::thread worker_;
  int scroll_ = 0;
  DragScroll drag_;
  bool cancel_pressed_ = false;
  bool done_ = false;
  int chosen_ = -1;
  int refused_ = -1;        // a tapped cell that cannot be used: its reason is shown
  std::u16string refusal_;  // that reason while its message box is up
};

}  // namespace platform::pimapps
