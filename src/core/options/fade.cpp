#include "core/options/fade.h"

#include <algorithm>

namespace qv {

int fadeAmount(int level) {
    const int clamped = std::clamp(level, kMinFade, kMaxFade);
    return static_cast<int>(clamped * 255.0 * 0.01);
}

std::uint32_t fadeColor(std::uint32_t argb, int amount) {
    const auto lighten = [amount](std::uint32_t c) -> std::uint32_t {
        return int(c) >= 255 - amount ? 255u : c + std::uint32_t(amount);
    };
    const std::uint32_t a = argb & 0xff000000u;
    const std::uint32_t r = lighten((argb >> 16) & 0xffu);
    const std::uint32_t g = lighten((argb >> 8) & 0xffu);
    const std::uint32_t b = lighten(argb & 0xffu);
    return a | (r << 16) | (g << 8) | b;
}

void fadeColorTable(std::vector<std::uint32_t>& table, int level) {
    const int amount = fadeAmount(level);
    if (amount == 0) return;
    for (std::uint32_t& entry : table) entry = fadeColor(entry, amount);
}

}  // namespace qv
