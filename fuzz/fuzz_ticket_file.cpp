// Ticket files: decoding arbitrary bytes, writing the result and decoding it again.

#include <cstdint>
#include <cstdlib>

#include "core/tickets/ticket_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Bytes bytes(data, data + size);
    qv::TicketFileReadResult first = qv::ticketFileFromBytes(bytes);
    if (first.ok() != first.message.empty()) std::abort();
    if (!first.ok()) return 0;
    const qv::TicketFile& f = first.file;
    if (qv::probeTicketFileKind(bytes) != f.kind) std::abort();
    if (f.isWheel() &&
        (f.wheel.rows.size() != f.tickets.size() || int(f.tickets.size()) != f.wheel.ticketCount))
        std::abort();
    // A count far beyond the data decodes to empty tickets; writing all of them again only
    // slows the run down without reaching other code.
    if (f.tickets.size() > 4096) return 0;

    // What a save writes must decode to the same file and write the same bytes again.
    qv::Bytes saved = f.toBytes();
    qv::TicketFileReadResult second = qv::ticketFileFromBytes(saved);
    if (!second.ok() || !(second.file == f)) std::abort();
    if (second.file.toBytes() != saved) std::abort();

    // The matching rules over the decoded tickets, with the first ticket as the draw.
    const qv::TicketType draw = f.tickets.empty() ? qv::TicketType{} : f.tickets.front();
    bool wantBonus = draw.bonus[0] != 0;
    qv::TallyCounts tally = qv::TallyResults(f.tickets, draw, wantBonus);
    long long counted = 0;
    for (int h : tally.hits) counted += h;
    if (counted > static_cast<long long>(f.tickets.size())) std::abort();
    for (const qv::TicketType& t : f.tickets) {
        qv::MatchResult m = qv::MatchTicket(t, draw);
        if (m.MainHits > t.numberCount() || m.BonusHits > t.bonusCount()) std::abort();
    }
    qv::WheelConditionMet(f, draw);
    qv::TicketFile applied = f;
    applied.applyWheel();
    return 0;
}
