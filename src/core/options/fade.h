#pragma once
// The fade that lightens a background picture so text drawn over it stays readable. It works
// on a picture's colour table only, so a picture without one is shown as it is.

#include <cstdint>
#include <vector>

#include "core/records/limits.h"

namespace qv {

inline constexpr int kMinFade = 0;

// How much every colour component moves toward white at `level` percent: 0 at 0, 12 at 5,
// 127 at 50, 255 at 100. Settings files may hold levels outside 0..100; those fade like the
// nearest end.
int fadeAmount(int level);

// One 0xAARRGGBB colour lightened by `amount` (0..255) per component; alpha is kept.
std::uint32_t fadeColor(std::uint32_t argb, int amount);

// Lightens every entry of a colour table of 0xAARRGGBB values in place.
void fadeColorTable(std::vector<std::uint32_t>& table, int level);

}  // namespace qv
