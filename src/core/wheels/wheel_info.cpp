#include "core/wheels/wheel_info.h"

#include <algorithm>
#include <utility>

#include "core/util/file_io.h"
#include "core/util/text.h"

namespace qv {

namespace {

// The largest wheeling-table file whose every byte is used.
constexpr std::size_t kMaxWheelFileBytes =
    WheelInfo::kSize + WheelInfo::kMaxRows * kMaxNumbersOnTicket * 2;

void makeEmpty(WheelInfo& wheel) {
    wheel.numbersPerTicket = 0;
    wheel.ticketCount = 0;
    wheel.rows.clear();
}

}  // namespace

WheelInfo wheelFromBytes(const Bytes& data) {
    ByteReader r(data);
    WheelInfo wheel = WheelInfo::readRecord(r);
    if (wheel.numbersPerTicket < 1 || wheel.numbersPerTicket > kMaxNumbersOnTicket ||
        wheel.ticketCount < 0) {
        makeEmpty(wheel);
        return wheel;
    }
    // The count is at most 32767, so allocating it whole stays small even for a short file.
    wheel.rows.resize(static_cast<std::size_t>(wheel.ticketCount));
    for (TicketType& row : wheel.rows)
        for (int j = 0; j < wheel.numbersPerTicket; ++j) row.numbers[j] = r.i16();
    return wheel;
}

IoResult loadWheelFile(const std::string& path, WheelInfo& wheel) {
    auto data = readWholeFile(path, kMaxWheelFileBytes);
    if (data) {
        wheel = wheelFromBytes(*data);
    } else {
        wheel = WheelInfo{};
        makeEmpty(wheel);
    }
    wheel.path = path;
    if (!data)
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open the wheel " + path + ".",
                                 data.reason);
    return IoResult::success();
}

Bytes wheelFileBytes(const WheelInfo& wheel) {
    const std::size_t count = std::min(wheel.rows.size(), WheelInfo::kMaxRows);
    // A record whose row width no reader accepts carries no positions.
    const int per = wheel.numbersPerTicket >= 1 && wheel.numbersPerTicket <= kMaxNumbersOnTicket
                        ? wheel.numbersPerTicket
                        : 0;
    Bytes out;
    out.reserve(WheelInfo::kSize + count * static_cast<std::size_t>(per) * 2);
    ByteWriter w(out);
    WheelInfo head = wheel;
    head.ticketCount = static_cast<std::int16_t>(count);
    head.writeRecord(w);
    for (std::size_t k = 0; k < count; ++k)
        for (int j = 0; j < per; ++j) w.i16(wheel.rows[k].numbers[j]);
    return out;
}

IoResult saveWheelFile(const std::string& path, const WheelInfo& wheel) {
    return writeFileAtomic(path, wheelFileBytes(wheel));
}

std::string describeWheel(const WheelInfo& wheel) {
    return wheel.description + "\n" + std::to_string(wheel.numbersToWheel) + " Numbers, " +
           std::to_string(wheel.ticketCount) + " Tickets, Guarantees " +
           std::to_string(wheel.guarantee) + " of " + std::to_string(wheel.numbersPerTicket) +
           " if " + std::to_string(wheel.guaranteeIf);
}

}  // namespace qv
