#include <gtest/gtest.h>

#include <map>

#include "core/print/ticket_print.h"

namespace {

using qv::TicketType;
using namespace qv::print;

TicketType ticket(std::initializer_list<int> numbers, std::initializer_list<int> bonus = {}) {
    TicketType t;
    std::size_t i = 0;
    for (int n : numbers) t.numbers[i++] = static_cast<std::int16_t>(n);
    i = 0;
    for (int b : bonus) t.bonus[i++] = static_cast<std::int16_t>(b);
    return t;
}

std::string joined(const std::vector<TicketPiece>& pieces) {
    std::string s;
    for (const TicketPiece& p : pieces) s += p.text;
    return s;
}

// The pages a printout goes through from page 1, as the print loop asks: each page with
// whether it is drawn and the labels printed on it.
std::map<int, std::vector<int>> printedPages(std::size_t count, int perPage,
                                             const PageRange& range) {
    std::map<int, std::vector<int>> pages;
    for (int page = 1;; ++page) {
        if (!range.skips(page)) {
            std::vector<int>& labels = pages[page];
            const TicketSpan span = ticketsOnPage(page, perPage, count);
            for (std::size_t i = span.first; i < span.end; ++i) labels.push_back(int(i + 1));
        }
        if (!moreTicketPages(page, perPage, count, range)) break;
        if (page > 100000) {
            ADD_FAILURE() << "the pages never end";
            break;
        }
    }
    return pages;
}

TEST(TicketPrint, Description) {
    qv::TicketFile manual = qv::newManualTicketFile();
    manual.tickets.resize(12);
    EXPECT_EQ(ticketPrintDescription(manual), "12 manually entered tickets.");

    qv::TicketFile wheel;
    wheel.kind = qv::TicketFileKind::Wheel;
    wheel.wheel.description = "10 for 100%d";
    wheel.wheel.guarantee = 4;
    wheel.wheel.numbersPerTicket = 6;
    wheel.wheel.guaranteeIf = 5;
    EXPECT_EQ(ticketPrintDescription(wheel),
              "Wheeling table, 10 for 100%d which guarantees 4/6 if 5");
}

TEST(TicketPrint, LabelsWidenWithTheCount) {
    const struct {
        std::size_t count;
        int label;
        const char* text;
    } cases[] = {
        {9, 9, "9. "},
        {12, 1, " 1. "},
        {12, 12, "12. "},
        {100, 5, "  5. "},
        {1000, 7, "   7. "},
        {10000, 3, "    3. "},
        {200000, 123456, "123456. "},
    };
    for (const auto& c : cases) {
        const std::vector<TicketPiece> pieces = ticketPieces(TicketType{}, c.label, c.count, {});
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].text, c.text) << c.count << " tickets, label " << c.label;
    }
}

TEST(TicketPrint, HitsAreRedMainAndBonusApart) {
    const TicketType winning = ticket({3, 7, 11, 20, 33, 41}, {9});
    const struct {
        TicketType t;
        std::string text;
        std::vector<bool> red;  // label first
    } cases[] = {
        {ticket({3, 5, 7, 40}), "1.  3  5  7 40 ", {false, true, false, true, false}},
        // A bonus number is looked for among the winning bonus numbers only.
        {ticket({1, 2}, {9, 11}), "1.  1  2  9 11 ", {false, false, false, true, false}},
        // The numbers end at the first 0, and so do the bonus numbers.
        {ticket({3, 0, 7}, {0, 9}), "1.  3 ", {false, true}},
    };
    for (const auto& c : cases) {
        const std::vector<TicketPiece> pieces = ticketPieces(c.t, 1, 1, winning);
        EXPECT_EQ(joined(pieces), c.text);
        ASSERT_EQ(pieces.size(), c.red.size()) << c.text;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].colour, c.red[i] ? kPrintHitColour : kPrintPlainColour)
                << c.text << " piece " << i;
        }
    }
    // Nothing is red without winning numbers, and a bonus number stays black when the draw
    // has no bonus numbers, even where it is among the draw's main numbers.
    for (const TicketType& draw : {TicketType{}, ticket({3, 5})}) {
        for (const TicketPiece& p : ticketPieces(ticket({1, 2}, {3}), 1, 1, draw))
            EXPECT_EQ(p.colour, kPrintPlainColour) << p.text;
    }
}

TEST(TicketPrint, Layout) {
    // w = 10: two tickets share a line when (2k + k + 2) x 20 <= page width - 60.
    const struct {
        int pageWidth;
        int widest;
        int perLine;
    } cases[] = {{460, 6, 2}, {459, 6, 1}, {880, 13, 2}, {879, 13, 1}, {100, 0, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(ticketPageLayout({c.pageWidth, 3000, 10, 20}, 100, c.widest).perLine, c.perLine)
            << c.pageWidth << " wide, k " << c.widest;
    }
    EXPECT_EQ(widestTicket({ticket({1, 2, 3}, {4, 5}), ticket({1, 2, 3, 4, 5}, {6})}), 6);

    const TicketPageLayout l = ticketPageLayout({2000, 1000, 10, 20}, 100, 6);
    EXPECT_EQ(l.perPage, 2 * ((1000 - 20 - 240) / 20));
    EXPECT_EQ(l.firstLineY, 140);
    // A page too small for a line still takes one.
    EXPECT_EQ(ticketPageLayout({2000, 150, 10, 20}, 100, 6).lines, 1);
}

TEST(TicketPrint, PagesAndRanges) {
    // Brute force: every ticket once across the pages, in order.
    for (std::size_t count :
         {std::size_t{0}, std::size_t{75}, std::size_t{76}, std::size_t{1000}}) {
        const auto pages = printedPages(count, 75, PageRange{});
        std::vector<int> all;
        for (const auto& [page, labels] : pages)
            all.insert(all.end(), labels.begin(), labels.end());
        std::vector<int> expected(count);
        for (std::size_t i = 0; i < count; ++i) expected[i] = int(i + 1);
        EXPECT_EQ(all, expected) << count << " tickets";
        EXPECT_EQ(pages.size(), count == 0 ? 1u : (count + 74) / 75) << count << " tickets";
    }
    const struct {
        PageRange range;
        std::vector<int> drawn;
        int firstLabel;  // of the first drawn page
    } cases[] = {
        {{2, 2}, {2}, 76},      {{13, 99}, {13, 14}, 901},  // the document ends first
        {{0, 3}, {1, 2, 3}, 1}, {{14, 0}, {14}, 976},
        {{3, 2}, {}, 0},    // nothing lies in a reversed range
        {{20, 21}, {}, 0},  // nor in one beyond the last page
    };
    for (const auto& c : cases) {
        const auto pages = printedPages(1000, 75, c.range);
        std::vector<int> drawn;
        for (const auto& [page, labels] : pages) drawn.push_back(page);
        EXPECT_EQ(drawn, c.drawn) << c.range.first << " to " << c.range.last;
        if (!pages.empty()) {
            EXPECT_EQ(pages.begin()->second.front(), c.firstLabel);
        }
    }
}

TEST(TicketPrint, DialogFields) {
    EXPECT_EQ(pageRangeFields({0, 0}), (PageRangeFields{true, "", ""}));
    EXPECT_EQ(pageRangeFields({3, 0}), (PageRangeFields{false, "3", "0"}));

    const struct {
        PageRangeFields fields;
        int first;
        int last;
        PageRangeProblem problem;
    } cases[] = {
        {{true, "x", "0"}, 0, 0, PageRangeProblem::None},
        {{false, " 1", "999 "}, 1, 999, PageRangeProblem::None},
        {{false, "2", "  "}, 0, 0, PageRangeProblem::MissingPage},
        {{false, "-1", "3"}, 0, 0, PageRangeProblem::MissingPage},
        {{false, "000", "3"}, 0, 0, PageRangeProblem::PageZero},
        {{false, "5", "4"}, 0, 0, PageRangeProblem::FirstAfterLast},
    };
    for (const auto& c : cases) {
        const PageRangeChoice choice = pageRangeFromFields(c.fields);
        EXPECT_EQ(choice.problem, c.problem) << c.fields.first << " to " << c.fields.last;
        EXPECT_EQ(choice.range.first, c.first);
        EXPECT_EQ(choice.range.last, c.last);
    }
}

}  // namespace

TEST(TicketPrint, LabelsWidenAtEachPowerOfTen) {
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "%d. "},    {9, "%d. "},    {10, "%2d. "},   {99, "%2d. "},    {100, "%3d. "},
        {999, "%3d. "}, {1000, "%4d. "}, {9999, "%4d. "}, {10000, "%5d. "}, {65535, "%5d. "},
    };
    for (const auto& [count, format] : cases) EXPECT_EQ(ticketLabelFormat(count), format) << count;
}
