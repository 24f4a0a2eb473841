// Wheeling-table files: decoding arbitrary bytes, describing them, writing and decoding again.

#include <cstdint>
#include <cstdlib>

#include "core/options/file_description.h"
#include "core/tickets/wheel_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Bytes bytes(data, data + size);
    qv::WheelInfo wheel = qv::wheelFromBytes(bytes);
    if (int(wheel.rows.size()) != wheel.ticketCount) std::abort();
    if (!wheel.rows.empty() && (wheel.numbersPerTicket < 1 || wheel.numbersPerTicket > 10))
        std::abort();

    for (auto kind : {qv::DescribedKind::WheelingTable, qv::DescribedKind::TicketFile,
                      qv::DescribedKind::Database}) {
        if (qv::describeFileBytes(bytes, kind).find('\n') == std::string::npos) std::abort();
    }

    qv::Bytes saved = qv::wheelFileBytes(wheel);
    qv::WheelInfo again = qv::wheelFromBytes(saved);
    if (!(again == wheel)) std::abort();
    if (qv::wheelFileBytes(again) != saved) std::abort();
    return 0;
}
