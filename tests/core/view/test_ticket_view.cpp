// The ticket window's columns, coloured rows, score sounds and dialog layout.

#include <gtest/gtest.h>

#include <array>

#include "core/view/ticket_view.h"
#include "test_support.h"

namespace qv {
namespace {

using test::ticket;

// Every character is 10 pixels wide.
const TextWidth kWidth = [](std::string_view s) { return static_cast<int>(s.size()) * 10; };

TEST(TicketView, ColumnsFromTheFirstTicketAndTheBonusColumns) {
    // "Ticket #" is 80 wide, " + " 30, "Results" 70, "Numbers On Ticket" 170. The numbers
    // start two cw after the labels, the results one cw after the numbers.
    struct Case {
        int cw, scrolled, mainNumbers, bonusColumns;
        int labelX, numbersX, bonusWidth, numbersWidth, resultsX, numbersHeadingX;
    };
    const Case cases[] = {
        {12, 0, 6, 0, 10, 114, 0, 144, 270, 101},
        {12, 1, 6, 2, -2, 102, 78, 222, 336, 128},
        {10, 0, 5, 1, 10, 110, 50, 150, 270, 100},
        {10, 3, 10, 3, -20, 80, 90, 290, 380, 140},
    };
    for (const Case& c : cases) {
        const TicketColumns t =
            ticketColumns(c.cw, c.scrolled, c.mainNumbers, c.bonusColumns, TicketTexts{}, kWidth);
        EXPECT_EQ((std::array{t.labelX, t.numbersX, t.bonusWidth, t.numbersWidth, t.resultsX}),
                  (std::array{c.labelX, c.numbersX, c.bonusWidth, c.numbersWidth, c.resultsX}))
            << c.cw << " " << c.scrolled << " " << c.mainNumbers << " " << c.bonusColumns;
        const auto header = ticketHeaderItems(t, TicketTexts{}, kWidth);
        ASSERT_EQ(header.size(), 3u);
        EXPECT_EQ(header[0].x, c.labelX);  // the label heading fills its column
        EXPECT_EQ(header[1].x, c.numbersHeadingX);
        EXPECT_EQ(header[2].x, c.resultsX);
        EXPECT_EQ(header[2].colour, kTicketHeadingColour);
    }
}

TEST(TicketView, RowColoursAndResultText) {
    const TicketType w = ticket({7, 12, 19, 25, 33, 41});
    const TicketColumns c = ticketColumns(10, 0, 6, 1, TicketTexts{}, kWidth);
    const auto items =
        ticketRowItems(ticket({3, 7, 12, 19, 25, 41}, {33}), 4, c, w, TicketTexts{}, kWidth);
    ASSERT_EQ(items.size(), 1u + 6 + 1 + 1 + 1);
    EXPECT_EQ(items[0].text, "4");
    EXPECT_EQ(items[1].colour, kTicketPlainColour);  // 3
    EXPECT_EQ(items[2].colour, kTicketHitColour);    // 7
    EXPECT_EQ(items[7].text, " + ");
    EXPECT_EQ(items[7].x, c.numbersX + 6 * 20);
    // 33 is one of the draw's main numbers and the draw has no bonus number: a bonus hit.
    EXPECT_EQ(items[8].colour, kTicketHitColour);
    EXPECT_EQ(items[9].text, "5/6 + 1B");
    EXPECT_EQ(items[9].colour, (Rgb{255, 0, 0}));

    // Without bonus columns, no " + %dB".
    const TicketColumns none = ticketColumns(10, 0, 6, 0, TicketTexts{}, kWidth);
    const auto plain =
        ticketRowItems(ticket({1, 2, 3, 7, 12, 19}), 1, none, w, TicketTexts{}, kWidth);
    EXPECT_EQ(plain.back().text, "3/6");
    EXPECT_EQ(plain.back().colour, (Rgb{255, 128, 0}));
}

TEST(TicketView, ResultColoursByScore) {
    EXPECT_EQ(resultColour(0), kTicketHeadingColour);
    EXPECT_EQ(resultColour(2), kTicketHeadingColour);
    EXPECT_EQ(resultColour(3), (Rgb{255, 128, 0}));
    EXPECT_EQ(resultColour(4), (Rgb{255, 64, 0}));
    EXPECT_EQ(resultColour(5), (Rgb{255, 0, 0}));
    EXPECT_EQ(resultColour(6), (Rgb{255, 0, 0}));
    EXPECT_EQ(scoreSound(2), std::nullopt);
    EXPECT_EQ(scoreSound(3), 2);
    EXPECT_EQ(scoreSound(4), 1);
    EXPECT_EQ(scoreSound(7), 0);
}

TEST(TicketView, PaintStopsAfterTheFirstRowAtTheBottom) {
    // Rows of 20 in a window 100 high: rows at 20, 40, 60, 80, 100 (the last one at the bottom).
    EXPECT_EQ(paintedRows(50, 0, 100, 20).end, 5u);
    EXPECT_EQ(paintedRows(50, 47, 100, 20).end, 50u);
    EXPECT_EQ(paintedRows(3, 0, 100, 20).end, 3u);
    EXPECT_EQ(paintedRows(0, 0, 100, 20).end, 0u);
    EXPECT_EQ(paintedRows(3, 9, 100, 20).first, 3u);
}

TEST(TicketView, FirstPaintSounds) {
    const TicketType w = ticket({1, 2, 3, 4, 5, 6});
    std::vector<TicketType> tickets = {ticket({1, 2, 3, 4, 5, 9}),  ticket({1, 2, 3, 4, 8, 9}),
                                       ticket({1, 2, 3, 7, 8, 9}),  ticket({1, 2, 7, 8, 9, 10}),
                                       ticket({1, 2, 3, 8, 9, 10}), ticket({1, 2, 3, 4, 9, 10})};
    // The first four rows were painted; of the rest only those with 3 hits are heard.
    EXPECT_EQ(firstPaintSounds(tickets, PaintedRows{0, 4}, w), (std::vector<int>{0, 1, 2, 2}));
    // From 100 tickets on, the rows below are not matched.
    tickets.resize(100, ticket({1, 2, 3, 9, 10, 11}));
    EXPECT_EQ(firstPaintSounds(tickets, PaintedRows{0, 1}, w), std::vector<int>{0});
}

TEST(TicketView, ScrollRangeAndDialogLayout) {
    EXPECT_EQ(ticketScrollMaximum(10, 100, 20), 8);
    EXPECT_EQ(ticketScrollMaximum(0, 100, 20), 0);
    const TicketDialogLayout manual = ticketDialogLayout(false, 500, 600, 20);
    EXPECT_EQ(manual.window, (Box{12, 6, 470, 509}));
    EXPECT_EQ(manual.buttonsY, 515);
    EXPECT_EQ(manual.asButtonY, 535);
    const TicketDialogLayout wheel = ticketDialogLayout(true, 500, 600, 20);
    EXPECT_EQ(wheel.window, (Box{12, 70, 470, 445}));  // the wheel's line above
    EXPECT_EQ(ticketDialogHeight(1024), 768);
}

}  // namespace
}  // namespace qv
