#include "toolkit/ContainerPanel.h"

#include <algorithm>
#include <cstdlib>

ContainerPanel::~ContainerPanel() {
  // In list order, as the children were added.
  for (auto& child : children_) child.reset();
}

LightControl* ContainerPanel::Child(size_t index) const {
  if (index >= children_.size()) std::abort();  // a programming error, never a user's
  return children_[index].get();
}

void ContainerPanel::Resize(const RECT& client) {
  for (size_t i = 0; i < children_.size(); ++i) children_[i]->Resize(client);
  rect = client;
}

bool ContainerPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  for (size_t i = children_.size(); i > 0; --i) {
    if (i > children_.size()) continue;  // a child removed others while painting
    LightControl* child = children_[i - 1].get();
    if (child->visible) child->Paint(dc, left, top, right, bottom);
  }
  return true;
}

RECT ContainerPanel::OnPenDown(int x, int y) {
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (!child->visible) continue;
    const RECT result = child->OnPenDown(x, y);
    if (result.bottom > 0) return result;
  }
  return kEmptyRect;
}

RECT ContainerPanel::OnPenMove(int x, int y) {
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (!child->visible) continue;
    const RECT result = child->OnPenMove(x, y);
    if (result.right > 0) return result;
  }
  return kEmptyRect;
}

RECT ContainerPanel::OnPenUp(int x, int y) {
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (!child->visible) continue;
    const RECT result = child->OnPenUp(x, y);
    if (result.right > 0) return result;
  }
  return kEmptyRect;
}

RECT ContainerPanel::OnPenReleased(int x, int y) {
  RECT merged = kEmptyRect;
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (!child->visible) continue;
    const RECT result = child->OnPenReleased(x, y);
    if (result.right > 0) merged = UnionRect(merged, result);
  }
  return merged;
}

RECT ContainerPanel::OnKey(uint32_t virtual_key, char16_t character) {
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (!child->visible) continue;
    const RECT result = child->OnKey(virtual_key, character);
    if (result.right > 0) return result;
  }
  return kEmptyRect;
}

bool ContainerPanel::OnTimer(uintptr_t timer_id) {
  for (size_t i = 0; i < children_.size(); ++i) {
    LightControl* child = children_[i].get();
    if (child->visible && child->OnTimer(timer_id)) return true;
  }
  return false;
}

void ContainerPanel::OnTransitionStart() {
  for (size_t i = 0; i < children_.size(); ++i) {
    if (auto* panel = dynamic_cast<ContainerPanel*>(children_[i].get())) {
      panel->OnTransitionStart();
    }
  }
}

void ContainerPanel::OnTransitionEnd() {
  for (size_t i = 0; i < children_.size(); ++i) {
    if (auto* panel = dynamic_cast<ContainerPanel*>(children_[i].get())) {
      panel->OnTransitionEnd();
    }
  }
}

std::unique_ptr<LightControl> ContainerPanel::RemoveChild(const LightControl* control) {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [control](const auto& child) { return child.get() == control; });
  if (it == children_.end()) return nullptr;
  std::unique_ptr<LightControl> removed = std::move(*it);
  children_.erase(it);
  return removed;
}

std::vector<std::unique_ptr<LightControl>> ContainerPanel::ClearChildren() {
  std::vector<std::unique_ptr<LightControl>> removed;
  removed.swap(children_);
  return removed;
}
