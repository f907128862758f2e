#include "support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "platform/Surface.h"

namespace testing_support {

namespace {

std::string GoldenPath(const std::string& folder, const std::string& name) {
  return std::string(QB_SOURCE_DIR) + "/tests/unit/" + folder + "/golden/" + name + ".png";
}

}  // namespace

void ExpectMatchesGolden(const platform::Surface& rendered, const std::string& folder,
                         const std::string& name) {
  const std::string path = GoldenPath(folder, name);
  const char* update = std::getenv("QB_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    ASSERT_TRUE(rendered.WritePng(path));
    return;
  }
  auto golden = platform::Surface::ReadPng(path);
  ASSERT_NE(golden, nullptr) << "missing reference " << path;
  bool same = golden->Width() == rendered.Width() && golden->Height() == rendered.Height();
  for (int y = 0; same && y < rendered.Height(); ++y) {
    for (int x = 0; same && x < rendered.Width(); ++x) {
      same = golden->Pixels()[y * golden->StridePixels() + x] ==
             rendered.Pixels()[y * rendered.StridePixels() + x];
    }
  }
  if (!same) {
    rendered.WritePng(name + "_err.png");
    ADD_FAILURE() << name << " differs from its reference; wrote " << name << "_err.png";
  }
}

}  // namespace testing_support
