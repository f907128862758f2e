// Eased paths and line points: the exact numbers the motions are built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "toolkit/AnimationPath.h"

namespace {

// Every entry lies between `from` and `to`, moves on by at least a pixel until it reaches
// `to` (equal neighbours of the eased table must not repeat or jump back), stays there, and
// the path ends on `to`.
void ExpectSteadyPath(const std::vector<int32_t>& path, int32_t from, int32_t to) {
  const int32_t sign = to > from ? 1 : -1;
  for (size_t i = 0; i < path.size(); ++i) {
    EXPECT_GE((path[i] - from) * sign, 0) << "entry " << i;
    EXPECT_LE((path[i] - to) * sign, 0) << "entry " << i;
    if (i > 0 && path[i - 1] != to) {
      EXPECT_GT((path[i] - path[i - 1]) * sign, 0) << "entry " << i;
    }
  }
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(path.back(), to);
}

TEST(AnimationPathTest, EasedAndOvershootPathsPinnedNeverRepeatJumpBackOrPassTheTarget) {
  const std::vector<int32_t> path = BuildPath(0, 240, 26);
  ASSERT_EQ(path.size(), 26u);
  EXPECT_EQ(path.front(), 12);
  // The first entries by hand: p = i * 14 / 26 into the ease-out table.
  EXPECT_EQ(path[1], 31);  // 0.05 + 0.538 * 0.15 = 0.1308 -> 31.4
  EXPECT_EQ(path[2], 49);  // 0.2 + 0.077 * 0.1 = 0.2077 -> 49.8
  ExpectSteadyPath(path, 0, 240);
  // The tail 0.96 .. 0.99 of 100 px over many steps would repeat positions; so would a short
  // distance with many steps. {from, to, steps}:
  const int paths[][3] = {{0, 100, 60}, {100, 0, 60}, {10, 15, 40}, {-3, -8, 40}};
  for (const auto& p : paths) ExpectSteadyPath(BuildPath(p[0], p[1], p[2]), p[0], p[1]);
  // The overshoot table reaches the target, swings back and settles.
  const std::vector<int32_t> bounce = BuildPath(500, 0, 51, kOvershootTable);
  ASSERT_EQ(bounce.size(), 51u);
  EXPECT_EQ(bounce.front(), 475);
  EXPECT_LE(*std::min_element(bounce.begin(), bounce.end() - 1), 5);  // within 1 % of it
  EXPECT_GT(bounce[bounce.size() - 2], 0);                            // swung back
  EXPECT_EQ(bounce.back(), 0);
}

TEST(AnimationPathTest, DegenerateStepCountsTablesAndLookups) {
  for (int steps : {0, -4, 1}) EXPECT_EQ(BuildPath(5, 77, steps), std::vector<int32_t>{77});
  EXPECT_EQ(BuildPath(0, 100, 2), (std::vector<int32_t>{5, 100}));
  // A table too short to interpolate falls back to the ease-out table.
  const double single[] = {0.5};
  EXPECT_EQ(BuildPath(0, 240, 26, single), BuildPath(0, 240, 26));
  EXPECT_EQ(BuildPath(0, 10, 1 << 30).size(), static_cast<size_t>(kMaxPathSteps));
  EXPECT_EQ(PathStepsFor(250), 26);
  for (int ms : {9, 0, -50}) EXPECT_EQ(PathStepsFor(ms), 1) << ms;
  const std::vector<int32_t> path{1, 2, 3};
  EXPECT_EQ(PathAt(path, 0), 1);
  EXPECT_EQ(PathAt(path, 19), 2);
  EXPECT_EQ(PathAt(path, 4000000000u), 3);
  EXPECT_EQ(PathAt({}, 10), 0);
}

TEST(AnimationPathTest, LinePointsOnePerColumnInBothDirections) {
  EXPECT_EQ(LinePoints(0, 0, 4, 8), (std::vector<POINT>{{0, 0}, {1, 2}, {2, 4}, {3, 6}, {4, 8}}));
  EXPECT_EQ(LinePoints(6, 0, 3, 3), (std::vector<POINT>{{6, 0}, {5, 1}, {4, 2}, {3, 3}}));
  // Fractions are truncated toward zero.
  EXPECT_EQ(LinePoints(0, 0, 3, 2), (std::vector<POINT>{{0, 0}, {1, 0}, {2, 1}, {3, 2}}));
  EXPECT_EQ(LinePoints(7, 3, 7, 90), (std::vector<POINT>{{7, 3}}));
}

}  // namespace
