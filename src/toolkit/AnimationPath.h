// Precomputed motion paths: one position per 10 ms of an animation, eased through a table of
// fractions of the distance, so that a frame costs one lookup. LinePoints gives the integer
// points of a line, one per x, for the perspective of the page flip.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Types.h"

// Fractions of the distance covered: fast start, slow arrival.
inline constexpr double kEaseOutTable[] = {0.05, 0.2, 0.3,  0.4,  0.5,  0.6,  0.7, 0.8,
                                           0.85, 0.9, 0.93, 0.96, 0.97, 0.98, 0.99};
// Reaches the target, swings back and settles (a list returning to its top).
inline constexpr double kOvershootTable[] = {0.05, 0.2,  0.3,  0.4,  0.5,  0.6,  0.7, 0.8,
                                             0.85, 0.9,  0.93, 0.96, 0.97, 0.98, 1.0, 0.98,
                                             0.95, 0.93, 0.92, 0.93, 0.95, 0.98};

// Longest path built (100 s of motion); longer requests are cut to this many entries.
inline constexpr int32_t kMaxPathSteps = 10001;

// The number of path entries for a duration: one per 10 ms plus the end (at least one).
int32_t PathStepsFor(int32_t duration_ms);

// `steps` positions from `from` to `to` (0 or less counts as 1), eased through `table`
// (a table of fewer than two entries means the ease-out table). The last entry is exactly
// `to`. A position that would not move on from its predecessor (in the direction the table
// runs at that point) is put one pixel further, never outside from..to, so every frame moves
// and no frame jumps back.
std::vector<int32_t> BuildPath(int32_t from, int32_t to, int32_t steps,
                               std::span<const double> table = kEaseOutTable);

// The entry of `path` for `elapsed_ms` (entry elapsed / 10, the last one beyond the end).
int32_t PathAt(const std::vector<int32_t>& path, uint32_t elapsed_ms);

// The integer points of the line from (x0, y0) to (x1, y1), one per x, starting with
// (x0, y0) and ending at x1.
std::vector<POINT> LinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
