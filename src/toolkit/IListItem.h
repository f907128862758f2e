// The row interface of every smart list: a row knows its height, draws itself into the
// rectangle the list gives it and reacts when it is tapped. Lists own their rows and delete
// them through this interface.
//
// This header holds the data form of the interface. Rows that draw override Draw; the base
// behaviour of each operation is the "nothing to do" answer described at its declaration.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {
class Surface;
}

class SmartListControl;

class IListItem {
 public:
  IListItem() = default;
  explicit IListItem(int32_t initial_height) : height(initial_height) {}
  virtual ~IListItem() = default;
  IListItem(const IListItem&) = delete;
  IListItem& operator=(const IListItem&) = delete;

  // Draws the row into `row` on `surface`. Drawn by subclasses; the base draws nothing and
  // returns false.
  virtual bool Draw(platform::Surface& surface, const RECT& row, bool selected);

  // A text query no row type answers: always false.
  virtual bool QueryText(std::u16string text);

  // Rows of variable height compute their height here. The base keeps its height.
  virtual void Measure(platform::Surface& surface, const RECT& row);

  // Reaction to a tap on the row, given the list that holds it. The base does nothing.
  virtual void OnClick(SmartListControl& list);

  // The character the row is filed under (letter index and letter filters).
  virtual char16_t GetIndexChar() const = 0;

  // Row height in pixels; lists sum these to lay their rows out. Changed only by the thread
  // that owns the list (or under the list's lock).
  int32_t height = 0;
};
