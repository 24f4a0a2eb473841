#pragma once
// A wheel's hit profile: for each count i of winning numbers among the N chosen ones, from
// min(P, N) down to 1, how the i-sets of positions fall by their best row (the most of them
// one row holds). The wheel guarantees "G if I" exactly when the line for I has nothing
// below G; the rest of the line shows how often it does better.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/wheels/wheel_info.h"

namespace qv {

struct ProfileLine {
    int winning = 0;  // i
    // counts[m]: how many i-sets of positions have m of them on their best row, m = 0..i.
    std::vector<std::uint64_t> counts;

    friend bool operator==(const ProfileLine&, const ProfileLine&) = default;
};

// The lines from min(P, N) down to 1 (none when either is below 1). A row's positions are its
// first P slots; a position outside 1..N never matches and one written twice counts once.
// nullopt when the user cancelled.
std::optional<std::vector<ProfileLine>> wheelProfile(const WheelInfo& wheel,
                                                     ProgressReporter* progress);

// Whether the profile shows the wheel's stated guarantee: its line for I has no set below G.
// False when the profile has no line for I.
bool profileHoldsGuarantee(const std::vector<ProfileLine>& profile, int guarantee, int guaranteeIf);

// "If <i>: <i>:<count> <i-1>:<count> ... 0:<count>".
std::string profileLineText(const ProfileLine& line);

}  // namespace qv
