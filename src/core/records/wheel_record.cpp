#include "core/records/wheel_record.h"

#include <algorithm>
#include <utility>

#include "core/util/text.h"

namespace qv {

void WheelInfo::writeRecord(ByteWriter& w) const {
    w.fixedText(utf8ToLatin1(description), kDescriptionBytes);
    w.i16(numbersToWheel);
    w.i16(ticketCount);
    w.i16(guarantee);
    w.i16(numbersPerTicket);
    w.i16(guaranteeIf);
}

WheelInfo WheelInfo::readRecord(ByteReader& r) {
    WheelInfo wheel;
    wheel.description =
        utf8Left(latin1ToUtf8(r.fixedText(kDescriptionBytes)), kMaxDescriptionChars);
    wheel.numbersToWheel = r.i16();
    wheel.ticketCount = r.i16();
    wheel.guarantee = r.i16();
    wheel.numbersPerTicket = r.i16();
    wheel.guaranteeIf = r.i16();
    return wheel;
}

void WheelInfo::setRows(std::vector<TicketType> newRows) {
    if (newRows.size() > kMaxRows) newRows.resize(kMaxRows);
    rows = std::move(newRows);
    ticketCount = static_cast<std::int16_t>(rows.size());
}

int WheelInfo::positionsPerRow() const {
    return std::clamp<int>(numbersPerTicket, 0, kMaxNumbersOnTicket);
}

}  // namespace qv
