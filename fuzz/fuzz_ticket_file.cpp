// Ticket files: decoding arbitrary bytes, writing the result and decoding it again.

#include <cstdint>
#include <cstdlib>

#include "core/tickets/matching.h"
#include "core/tickets/ticket_file.h"

namespace {

// The ticket count a file's head claims, read without decoding the tickets.
long long claimedTickets(const qv::Bytes& bytes) {
    qv::ByteReader r(bytes);
    const qv::TicketFileHead head = qv::readTicketFileHead(r);
    if (head.kind == qv::TicketFileKind::Wheel) return qv::WheelInfo::readRecord(r).ticketCount;
    return head.older ? r.i16() : r.i32();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Bytes bytes(data, data + size);
    // A count far beyond the data decodes to empty tickets (the unit tests check that);
    // allocating millions of them per input would only slow the search down.
    if (claimedTickets(bytes) > static_cast<long long>(size / qv::TicketType::kSize) + 64) return 0;
    qv::TicketFile f;
    const qv::IoResult first = qv::ticketFileFromBytes(bytes, f);
    if (first.ok() != first.message.empty()) std::abort();
    if (!first.ok()) return 0;
    if (qv::probeTicketFileKind(bytes) != f.kind) std::abort();
    if (f.isWheel() &&
        (f.wheel.rows.size() != f.tickets.size() || int(f.tickets.size()) != f.wheel.ticketCount))
        std::abort();

    // What a save writes must decode to the same file and write the same bytes again.
    qv::Bytes saved = f.toBytes();
    qv::TicketFile second;
    if (!qv::ticketFileFromBytes(saved, second).ok() || !(second == f)) std::abort();
    if (second.toBytes() != saved) std::abort();

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
