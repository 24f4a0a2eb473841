#pragma once
// One of the 100 number boxes of the dialogs that pick numbers (winning numbers, bonus
// numbers, ticket numbers, wheel rows): free to choose, chosen, or grey (not to be chosen now:
// above the numbers in the lotto, shut out by a full choice, or just given up). Only the
// dialog's rules change a box; the values are those of a three-state check box.

#include <cstdint>

namespace qv {

enum class BoxState : std::uint8_t { Free = 0, Chosen = 1, Grey = 2 };

}  // namespace qv
