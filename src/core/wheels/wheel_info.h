#pragma once
// A wheeling table: the 35-byte record that heads every wheeling-table file (and is embedded
// in wheel ticket files) together with its rows of positions.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/records.h"
#include "core/util/io_result.h"

namespace qv {

struct WheelInfo {
    static constexpr std::size_t kSize = 35;
    static constexpr std::size_t kDescriptionBytes = 25;
    static constexpr std::size_t kMaxDescriptionChars = kDescriptionBytes - 1;
    // The row count is a signed 16-bit field.
    static constexpr std::size_t kMaxRows = 32767;
    // The largest wheeling-table file whose every byte is used.
    static constexpr std::size_t kMaxFileBytes = kSize + kMaxRows * kMaxNumbersOnTicket * 2;

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

// Decodes a wheeling-table file: the record, then ticketCount rows of numbersPerTicket 16-bit
// positions. A record with numbersPerTicket outside 1..10 or a negative ticketCount gives an
// empty wheel (no rows, both counts 0); positions a short file does not reach are 0.
WheelInfo wheelFromBytes(const Bytes& data);
// Why a wheeling-table file cannot be one ("it says -15017 numbers"), or nullopt: a record
// value no wheel can have, each taken on its own, or more rows than the file holds.
std::optional<std::string> impossibleWheelFile(const Bytes& data);
// Reads a wheeling-table file and sets its path. A file that cannot be opened, or that is
// not a wheeling table, reads as an empty wheel (with the path set) and the result says why.
IoResult loadWheelFile(const std::string& path, WheelInfo& wheel);

// The exact bytes of a wheeling-table file: the record (its ticketCount = rows.size()), then
// the first numbersPerTicket positions of each row.
Bytes wheelFileBytes(const WheelInfo& wheel);
// Atomic write.
IoResult saveWheelFile(const std::string& path, const WheelInfo& wheel);

// "%s\n%d Numbers, %d Tickets, Guarantees %d of %d if %d" from the record.
std::string describeWheel(const WheelInfo& wheel);
}  // namespace qv
