#include "core/wheels/wheel_info.h"

#include <algorithm>
#include <utility>

#include "core/util/file_io.h"
#include "core/util/text.h"

namespace qv {

namespace {

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

std::optional<std::string> impossibleWheelFile(const Bytes& data) {
    if (data.size() < WheelInfo::kSize)
        return "it has only " + std::to_string(data.size()) + " bytes";
    ByteReader r(data);
    const WheelInfo w = WheelInfo::readRecord(r);
    const auto says = [](int value, const char* what) {
        return "it says " + std::to_string(value) + what;
    };
    if (!isLottoNumber(w.numbersToWheel)) return says(w.numbersToWheel, " numbers");
    if (w.numbersPerTicket < 1 || w.numbersPerTicket > kMaxNumbersOnTicket)
        return says(w.numbersPerTicket, " numbers per ticket");
    if (w.guarantee < 0 || w.guarantee > kMaxNumbersOnTicket)
        return "it says a guarantee of " + std::to_string(w.guarantee);
    if (w.guaranteeIf < 0 || w.guaranteeIf > kMaxNumbersOnTicket)
        return "it says a guarantee if " + std::to_string(w.guaranteeIf);
    const std::size_t rowBytes = 2 * static_cast<std::size_t>(w.numbersPerTicket);
    const std::size_t rowsHeld = (data.size() - WheelInfo::kSize) / rowBytes;
    if (w.ticketCount < 0 || static_cast<std::size_t>(w.ticketCount) > rowsHeld)
        return says(w.ticketCount, " tickets") + " but holds " + std::to_string(rowsHeld);
    return std::nullopt;
}

IoResult loadWheelFile(const std::string& path, WheelInfo& wheel) {
    auto data = readWholeFile(path, WheelInfo::kMaxFileBytes);
    std::optional<std::string> impossible;
    if (data) impossible = impossibleWheelFile(*data);
    if (data && !impossible) {
        wheel = wheelFromBytes(*data);
    } else {
        wheel = WheelInfo{};
        makeEmpty(wheel);
    }
    wheel.path = path;
    if (!data)
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open the wheel " + path + ".",
                                 data.reason);
    if (impossible)
        return IoResult::failure(IoStatus::WrongKind,
                                 path + " is not a wheeling table: " + *impossible + ".");
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
