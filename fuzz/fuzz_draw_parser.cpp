// Draw text of any content, as a file and as pasted text: no crash, pasted draws always pass
// the validity check, imported draws never hold a number above 100, and the one-character-
// at-a-time date test agrees with the whole-record one.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/database/draw_parser.h"

namespace {
bool anyAbove100(const qv::TicketType& t) {
    for (auto v : t.numbers)
        if (v > 100) return true;
    for (auto v : t.bonus)
        if (v > 100) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int numbersOnTicket = data[0] % 16;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    for (const qv::TicketType& t : qv::parseImportText(text).draws)
        if (anyAbove100(t)) std::abort();
    for (const qv::TicketType& t : qv::parseClipboardText(text, numbersOnTicket))
        if (!qv::isValidDrawRecord(t)) std::abort();
    (void)qv::parseDrawRecord(text, numbersOnTicket);

    const std::string_view head = text.substr(0, 64);
    qv::DateProbe probe;
    for (std::size_t m = 1; m <= head.size(); ++m)
        if (probe.feed(head[m - 1]) != qv::recordHoldsDate(head.substr(0, m))) std::abort();
    return 0;
}
