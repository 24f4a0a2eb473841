#pragma once
// A wheeling table: the 35-byte record that heads every wheeling-table file (and is embedded
// in wheel ticket files) together with its rows of positions.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/records.h"

namespace qv {

struct WheelInfo {
    static constexpr std::size_t kSize = 35;
    static constexpr std::size_t kDescriptionBytes = 25;
    static constexpr std::size_t kMaxDescriptionChars = kDescriptionBytes - 1;
    // The row count is a signed 16-bit field.
    static constexpr std::size_t kMaxRows = 32767;

    std::string description;  // UTF-8 in memory, Latin-1 in the file
    std::int16_t numbersToWheel = 0;
    std::int16_t ticketCount = 0;
    std::int16_t guarantee = 0;
    std::int16_t numbersPerTicket = 0;
    std::int16_t guaranteeIf = 0;

    // Not stored in the record.
    std::string path;
    // Row k holds the positions (1..numbersToWheel) of ticket k, the rest zero. The readers
    // keep rows.size() == ticketCount; the writers store rows.size() as the count.
    std::vector<TicketType> rows;

    // The 35-byte record alone; a description that fills its field is cut to the characters
    // a write can hold, so a record reads back as it was written.
    void writeRecord(ByteWriter& w) const;
    static WheelInfo readRecord(ByteReader& r);

    // Installs rows and keeps ticketCount in step (at most kMaxRows rows are kept).
    void setRows(std::vector<TicketType> newRows);
    // numbersPerTicket clamped to the slots a row has (0..10).
    int positionsPerRow() const;

    friend bool operator==(const WheelInfo&, const WheelInfo&) = default;
};

}  // namespace qv
