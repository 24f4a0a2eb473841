// Wheeling-table files: decoding arbitrary bytes, describing them, writing and decoding again.

#include <cstdint>
#include <cstdlib>

#include "core/options/file_description.h"
#include "core/wheels/wheel_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Bytes bytes(data, data + size);
    for (auto kind : {qv::DescribedKind::WheelingTable, qv::DescribedKind::TicketFile,
                      qv::DescribedKind::Database}) {
        if (qv::describeFileBytes(bytes, kind).find('\n') == std::string::npos) std::abort();
    }
    // A row count far beyond the data decodes to empty rows (the unit tests check that);
    // allocating tens of thousands of them per input would only slow the search down.
    qv::ByteReader head(bytes);
    if (qv::WheelInfo::readRecord(head).ticketCount > static_cast<long long>(size) + 64) return 0;

    qv::WheelInfo wheel = qv::wheelFromBytes(bytes);
    if (int(wheel.rows.size()) != wheel.ticketCount) std::abort();
    if (!wheel.rows.empty() && (wheel.numbersPerTicket < 1 || wheel.numbersPerTicket > 10))
        std::abort();

    qv::Bytes saved = qv::wheelFileBytes(wheel);
    qv::WheelInfo again = qv::wheelFromBytes(saved);
    if (!(again == wheel)) std::abort();
    if (qv::wheelFileBytes(again) != saved) std::abort();
    return 0;
}
