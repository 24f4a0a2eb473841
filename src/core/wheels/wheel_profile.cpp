#include "core/wheels/wheel_profile.h"

#include <algorithm>

#include "core/tickets/best_match.h"

namespace qv {

std::optional<std::vector<ProfileLine>> wheelProfile(const WheelInfo& wheel,
                                                     ProgressReporter* progress) {
    const int n = std::min<int>(wheel.numbersToWheel, kMaxMatchNumber);
    const int top = std::min(wheel.positionsPerRow(), n);
    std::vector<int> sizes;
    for (int i = top; i >= 1; --i) sizes.push_back(i);
    std::vector<NumberSet> rows;
    rows.reserve(wheel.rows.size());
    for (const TicketType& row : wheel.rows)
        rows.emplace_back(row.numbers.begin(), row.numbers.begin() + wheel.positionsPerRow());
    const auto counted = countBestMatches(rows, n, sizes, progress, "Counting the wheel's profile");
    if (!counted) return std::nullopt;
    std::vector<ProfileLine> profile;
    for (const BestMatchCounts& c : *counted) profile.push_back({c.size, c.counts});
    return profile;
}

bool profileHoldsGuarantee(const std::vector<ProfileLine>& profile, int guarantee,
                           int guaranteeIf) {
    for (const ProfileLine& line : profile) {
        if (line.winning != guaranteeIf) continue;
        for (int m = 0; m < guarantee && m < static_cast<int>(line.counts.size()); ++m)
            if (line.counts[static_cast<std::size_t>(m)] != 0) return false;
        return true;
    }
    return false;
}

std::string profileLineText(const ProfileLine& line) {
    std::string text = "If " + std::to_string(line.winning) + ":";
    for (int m = line.winning; m >= 0; --m)
        text += " " + std::to_string(m) + ":" +
                std::to_string(line.counts[static_cast<std::size_t>(m)]);
    return text;
}

}  // namespace qv
