#include "toolkit/LightControl.h"

#include <vector>

namespace {

// Controls waiting to be deleted; UI thread only.
std::vector<std::unique_ptr<LightControl>>& Pending() {
  static std::vector<std::unique_ptr<LightControl>> pending;
  return pending;
}

}  // namespace

void LightControl::Resize(const RECT&) {}

bool LightControl::Paint(platform::Surface&, int, int, int, int) {
  return false;
}

RECT LightControl::OnPenDown(int, int) {
  return kEmptyRect;
}

RECT LightControl::OnPenMove(int, int) {
  return kEmptyRect;
}

RECT LightControl::OnPenUp(int, int) {
  return kEmptyRect;
}

RECT LightControl::OnPenReleased(int, int) {
  return kEmptyRect;
}

RECT LightControl::OnKey(uint32_t, char16_t) {
  return kEmptyRect;
}

bool LightControl::OnTimer(uintptr_t) {
  return false;
}

void LightControl::DeleteLater(std::unique_ptr<LightControl> control) {
  if (control) Pending().push_back(std::move(control));
}

void LightControl::DrainDeferredDeletions() {
  // A destructor may hand over more controls; take the list each round.
  while (!Pending().empty()) {
    std::vector<std::unique_ptr<LightControl>> batch;
    batch.swap(Pending());
    batch.clear();
  }
}

size_t LightControl::PendingDeletions() {
  return Pending().size();
}
