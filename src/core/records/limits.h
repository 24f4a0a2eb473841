#pragma once
// Every limit the program's files and windows share, in one place.

#include <cstddef>

namespace qv {

// Games have at most 100 numbers (1..100) and at most 10 numbers on a ticket; per-number
// tables have 100 places.
inline constexpr int kMaxLottoNumber = 100;
inline constexpr int kMaxNumbersOnTicket = 10;
inline constexpr int kMaxBonusNumbers = 3;

// A database's entry count is a 16-bit field.
inline constexpr std::size_t kMaxDatabaseEntries = 65535;
// Descriptions of databases: 35 bytes with the terminating NUL.
inline constexpr std::size_t kMaxDescriptionChars = 34;
// The update link kept with a database.
inline constexpr std::size_t kMaxLinkChars = 199;
// File names stored in the settings file and the option dialogs.
inline constexpr std::size_t kMaxPathChars = 259;
// Wallpaper fade, in percent.
inline constexpr int kMaxFade = 100;

// A value that may stand in a number slot: 1..100, or 0 for a slot not in use.
constexpr bool isStorableNumber(int n) {
    return n >= 0 && n <= kMaxLottoNumber;
}
// A number of the game: 1..100.
constexpr bool isLottoNumber(int n) {
    return n >= 1 && n <= kMaxLottoNumber;
}

// Two-digit years: 1..49 are 2001..2049 and 50..99 are 1950..1999; other years are kept,
// so 0 (no date) stays 0.
constexpr int normalisedYear(int year) {
    if (year >= 1 && year <= 49) return year + 2000;
    if (year >= 50 && year <= 99) return year + 1900;
    return year;
}

}  // namespace qv
