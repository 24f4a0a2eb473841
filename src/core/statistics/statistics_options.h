#pragma once
// Changing the statistics options from text, as the command line does and as the options
// dialog's OK does: pick modes by name, dates as M-D-YYYY or the open ends.

#include <optional>
#include <string>

#include "core/records/records.h"

namespace qv {

// Each value that is given replaces the option; the others are kept.
struct StatisticsOptionChanges {
    std::optional<std::string> hot;   // "numbers" or "pairs"
    std::optional<std::string> cold;  // "numbers" or "pairs"
    std::optional<std::string> from;  // "oldest" or M-D-YYYY
    std::optional<std::string> to;    // "newest" or M-D-YYYY

    bool any() const { return hot || cold || from || to; }
};

// M-D-YYYY with a month of 1..12, a day of 1..31 and a year of 0..2999; any date of that
// shape, whether or not a draw was made on it.
std::optional<Date> parseOptionDate(const std::string& text);

// After the changes, a to date earlier than the from date swaps the two, unless the to date
// is open ("newest"). Returns an empty string on success; otherwise the message, and
// `settings` is left as it was.
std::string applyStatisticsOptions(StatisticsSettings& settings,
                                   const StatisticsOptionChanges& changes);

// The dialog's OK: the same swap for dates chosen from the lists.
void swapReversedDates(StatisticsSettings& settings);

// "Statistics options: hot H cold C from M-D-Y to M-D-Y" (0-0-0 for an open end).
std::string statisticsOptionsLine(const StatisticsSettings& settings);

}  // namespace qv
