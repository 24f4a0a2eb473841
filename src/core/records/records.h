#pragma once
// The fixed-layout records shared by draw databases and ticket files.

#include <array>
#include <cstdint>
#include <string>

#include "core/records/byte_io.h"
#include "core/records/limits.h"

namespace qv {

struct Date {
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;

    friend bool operator==(const Date&, const Date&) = default;
};

// Dates order by (year, month, day), each compared as a signed number.
inline bool isLater(const Date& a, const Date& b) {
    if (a.year != b.year) return a.year > b.year;
    if (a.month != b.month) return a.month > b.month;
    return a.day > b.day;
}
inline bool isEarlier(const Date& a, const Date& b) {
    return isLater(b, a);
}

// One draw or one ticket: 32 bytes, all fields 16-bit signed. A list of numbers is filled
// from the front and ends at the first 0.
struct TicketType {
    static constexpr std::size_t kSize = 32;

    std::array<std::int16_t, kMaxNumbersOnTicket> numbers{};
    std::array<std::int16_t, kMaxBonusNumbers> bonus{};
    std::int16_t month = 0;
    std::int16_t day = 0;
    std::int16_t year = 0;

    Date date() const { return Date{month, day, year}; }
    void setDate(const Date& d) {
        month = d.month;
        day = d.day;
        year = d.year;
    }
    // Count of numbers before the first 0.
    int numberCount() const;
    int bonusCount() const;
    // Puts the numbers before the first 0 in ascending order; bonus numbers stay as they are.
    void sortNumbers();

    void write(ByteWriter& w) const;
    static TicketType read(ByteReader& r);

    friend bool operator==(const TicketType&, const TicketType&) = default;
};

// True when every number and bonus number lies in 0..100, so it can index a per-number table.
bool hasOnlyIndexableNumbers(const TicketType& t);

// The 41-byte head of a draw database.
struct DataHeader {
    static constexpr std::size_t kSize = 41;
    static constexpr std::size_t kDescriptionBytes = kMaxDescriptionChars + 1;

    std::string description;  // UTF-8 in memory, Latin-1 in the file
    std::uint16_t numbersInLotto = 49;
    std::uint16_t numbersOnTicket = 6;
    std::uint16_t entryCount = 0;

    void write(ByteWriter& w) const;
    static DataHeader read(ByteReader& r);

    friend bool operator==(const DataHeader&, const DataHeader&) = default;
};

// How the hot and cold quick picks choose: by the most (least) occurring numbers or pairs.
enum class PickMode : std::int16_t { Numbers = 0, Pairs = 1 };

// The statistics options record stored in every database file (16 bytes).
struct StatisticsSettings {
    static constexpr std::size_t kSize = 16;

    // As stored: 0 picks by numbers, any other value by pairs. A file's value is kept as it is
    // so that a save writes back what was read.
    std::int16_t hotPickMode = 0;
    std::int16_t coldPickMode = 0;
    Date fromDate;                  // 0/0/0 = no bound
    Date toDate;

    PickMode hotPick() const { return hotPickMode == 0 ? PickMode::Numbers : PickMode::Pairs; }
    PickMode coldPick() const { return coldPickMode == 0 ? PickMode::Numbers : PickMode::Pairs; }
    void setHotPick(PickMode mode) { hotPickMode = static_cast<std::int16_t>(mode); }
    void setColdPick(PickMode mode) { coldPickMode = static_cast<std::int16_t>(mode); }

    void write(ByteWriter& w) const;
    static StatisticsSettings read(ByteReader& r);

    friend bool operator==(const StatisticsSettings&, const StatisticsSettings&) = default;
};

}  // namespace qv
