#pragma once
// Wheeling-table files: reading, writing and describing them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/records/wheel_record.h"
#include "core/util/io_result.h"

namespace qv {

// Decodes a wheeling-table file: the record, then ticketCount rows of numbersPerTicket 16-bit
// positions. A record with numbersPerTicket outside 1..10 or a negative ticketCount gives an
// empty wheel (no rows, both counts 0); positions a short file does not reach are 0.
WheelInfo wheelFromBytes(const Bytes& data);
// Reads a wheeling-table file and sets its path. A file that cannot be opened reads as an
// empty wheel (with the path set) and the result says why.
IoResult loadWheelFile(const std::string& path, WheelInfo& wheel);

// The exact bytes of a wheeling-table file: the record (its ticketCount = rows.size()), then
// the first numbersPerTicket positions of each row.
Bytes wheelFileBytes(const WheelInfo& wheel);
// Atomic write.
IoResult saveWheelFile(const std::string& path, const WheelInfo& wheel);

// "%s\n%d Numbers, %d Tickets, Guarantees %d of %d if %d" from the record.
std::string describeWheel(const WheelInfo& wheel);
}  // namespace qv
