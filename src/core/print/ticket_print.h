#pragma once
// The ticket printout's page plan: the description line, how many tickets go on a line and
// on a page, which tickets each page holds, whether another page follows, and the coloured
// pieces of one printed ticket. Also the rules of its print options dialog.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/print/print_common.h"
#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "core/view/ticket_view.h"

namespace qv::print {

// The printout's texts, English by default; the window passes its translations.
struct TicketPrintTexts {
    std::string manualDescription = "%d manually entered tickets.";
    // The wheel's description, guarantee, numbers per ticket and guarantee condition.
    std::string wheelDescription = "Wheeling table, %s which guarantees %d/%d if %d";
};

// The line under the page header.
std::string ticketPrintDescription(const TicketFile& file, const TicketPrintTexts& texts = {});

// The largest count of main numbers plus bonus numbers on any ticket.
int widestTicket(const std::vector<TicketType>& tickets);

inline constexpr Rgb kPrintHitColour{255, 0, 0};
inline constexpr Rgb kPrintPlainColour{0, 0, 0};

// Where things go on a drawn page, for a header ending at `headerBottom`.
struct TicketPageLayout {
    int perLine = 1;  // one or two tickets side by side
    int lines = 1;    // ticket lines on a page, at least one
    int perPage = 1;  // lines x perLine
    int descriptionX = 0;
    int descriptionY = 0;
    int firstLineY = 0;
    int lineHeight = 1;
    int columnX[2] = {0, 0};
};
// `widest` as widestTicket gives. Two tickets share a line when
// (2kw + (k + 2)w) x 2 <= page width - 6w. A page too small for even one line still takes
// one, so every page moves the printout on.
TicketPageLayout ticketPageLayout(const PageMetrics& page, int headerBottom, int widest);

// The tickets of page `page` (from 1): [first, end), empty past the last ticket.
struct TicketSpan {
    std::size_t first = 0;
    std::size_t end = 0;
};
TicketSpan ticketsOnPage(int page, int perPage, std::size_t ticketCount);

// Whether a page follows `page`: while tickets remain after it, whether it was drawn or
// passed over before the range. Nothing follows the range's last page.
bool moreTicketPages(int page, int perPage, std::size_t ticketCount, const PageRange& range);

// "%d. " widened with the count of tickets: "%2d. " from 10, "%3d. " from 100, "%4d. " from
// 1000, "%5d. " from 10000.
std::string ticketLabelFormat(std::size_t ticketCount);

struct TicketPiece {
    std::string text;
    Rgb colour;
    friend bool operator==(const TicketPiece&, const TicketPiece&) = default;
};
// One printed ticket, piece by piece from left to right: the label, each main number, each
// bonus number. A number is red when it is among the winning main numbers, a bonus number
// when it is among the winning bonus numbers (never looked for among the main numbers).
std::vector<TicketPiece> ticketPieces(const TicketType& ticket, int label, std::size_t ticketCount,
                                      const TicketType& winning);

// The print options dialog: two page edits, each up to three digits.
inline constexpr int kPageEditChars = 3;
static_assert(kMaxPageNumber == 999, "three digits");

struct PageRangeFields {
    bool allPages = true;
    std::string first;
    std::string last;
    friend bool operator==(const PageRangeFields&, const PageRangeFields&) = default;
};
// How the dialog opens on a remembered range: "All Pages" for 0 and 0, otherwise the two
// numbers with "Just these pages:".
PageRangeFields pageRangeFields(const PageRange& range);

enum class PageRangeProblem { None, MissingPage, PageZero, FirstAfterLast };
struct PageRangeChoice {
    PageRange range;
    PageRangeProblem problem = PageRangeProblem::None;
};
// The range the dialog's fields ask for: 0 and 0 for "All Pages"; otherwise both edits must
// hold a page number from 1, the first not after the last.
PageRangeChoice pageRangeFromFields(const PageRangeFields& fields);

}  // namespace qv::print
