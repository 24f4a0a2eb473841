#include "core/print/ticket_print.h"

#include <algorithm>

#include "core/tickets/matching.h"
#include "core/util/text.h"

namespace qv::print {

std::string ticketPrintDescription(const TicketFile& file, const TicketPrintTexts& texts) {
    if (!file.isWheel()) {
        return formatIntegers(texts.manualDescription,
                              {static_cast<long long>(file.ticketCount())});
    }
    const WheelInfo& wheel = file.wheel;
    // The numbers first, the description last: a '%' in the description stays as it is.
    std::string line = formatIntegers(texts.wheelDescription,
                                      {wheel.guarantee, wheel.numbersPerTicket, wheel.guaranteeIf});
    const std::size_t at = line.find("%s");
    if (at != std::string::npos) line.replace(at, 2, wheel.description);
    return line;
}

int widestTicket(const std::vector<TicketType>& tickets) {
    int widest = 0;
    for (const TicketType& t : tickets) widest = std::max(widest, t.numberCount() + t.bonusCount());
    return widest;
}

TicketPageLayout ticketPageLayout(const PageMetrics& page, int headerBottom, int widest) {
    const long long w = std::max(1, page.w);
    const int h = std::max(1, page.h);
    const long long k = widest;
    TicketPageLayout l;
    l.perLine = (2 * k * w + (k + 2) * w) * 2 <= page.pageWidth - 6 * w ? 2 : 1;
    l.lines = std::max(1, (page.pageHeight - h - 2 * (headerBottom + h)) / h);
    l.perPage = l.lines * l.perLine;
    l.lineHeight = h;
    l.descriptionX = 3 * static_cast<int>(w);
    l.descriptionY = headerBottom + h;
    l.firstLineY = headerBottom + 2 * h;
    l.columnX[0] = 3 * static_cast<int>(w);
    l.columnX[1] = page.pageWidth / 2 + 3 * static_cast<int>(w);
    return l;
}

TicketSpan ticketsOnPage(int page, int perPage, std::size_t ticketCount) {
    if (page < 1 || perPage < 1) return {};
    const std::size_t per = static_cast<std::size_t>(perPage);
    const std::size_t first = std::min(static_cast<std::size_t>(page - 1) * per, ticketCount);
    return {first, std::min(first + per, ticketCount)};
}

bool moreTicketPages(int page, int perPage, std::size_t ticketCount, const PageRange& range) {
    // A page passed over leaves a next page only while tickets remain after it too, so a
    // range beyond the last page prints nothing rather than empty pages.
    if (range.endsAt(page)) return false;
    return ticketsOnPage(page, perPage, ticketCount).end < ticketCount;
}

std::string ticketLabelFormat(std::size_t ticketCount) {
    if (ticketCount < 10) return "%d. ";
    if (ticketCount < 100) return "%2d. ";
    if (ticketCount < 1000) return "%3d. ";
    if (ticketCount < 10000) return "%4d. ";
    return "%5d. ";
}

std::vector<TicketPiece> ticketPieces(const TicketType& ticket, int label, std::size_t ticketCount,
                                      const TicketType& winning) {
    std::vector<TicketPiece> pieces;
    pieces.push_back({formatIntegers(ticketLabelFormat(ticketCount), {label}), kPrintPlainColour});
    for (std::int16_t n : ticket.numbers) {
        if (n == 0) break;
        pieces.push_back({formatIntegers("%2d ", {n}),
                          isMainHit(n, winning) ? kPrintHitColour : kPrintPlainColour});
    }
    for (std::int16_t b : ticket.bonus) {
        if (b == 0) break;
        pieces.push_back({formatIntegers("%2d ", {b}),
                          isBonusHitAmongBonus(b, winning) ? kPrintHitColour : kPrintPlainColour});
    }
    return pieces;
}

PageRangeFields pageRangeFields(const PageRange& range) {
    if (range.all()) return {};
    return {false, std::to_string(range.first), std::to_string(range.last)};
}

PageRangeChoice pageRangeFromFields(const PageRangeFields& fields) {
    if (fields.allPages) return {};
    const std::optional<int> first = parsePageNumber(fields.first);
    const std::optional<int> last = parsePageNumber(fields.last);
    if (!first || !last) return {{}, PageRangeProblem::MissingPage};
    if (*first == 0 || *last == 0) return {{}, PageRangeProblem::PageZero};
    if (*first > *last) return {{}, PageRangeProblem::FirstAfterLast};
    return {{*first, *last}, PageRangeProblem::None};
}

}  // namespace qv::print
