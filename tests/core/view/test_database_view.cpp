#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/view/database_view.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

// Every character 7 pixels wide; "W" (cw) is 10.
const TextWidth kWidth = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
constexpr int kCw = 10;

std::vector<std::string> textsOf(const std::vector<TextItem>& items) {
    std::vector<std::string> out;
    for (const TextItem& i : items) out.push_back(i.text);
    return out;
}

}  // namespace

TEST(DatabaseView, ColumnsFollowTheNewestDraw) {
    DatabaseTexts texts;
    // Six numbers and a bonus number.
    ListColumns c = listColumns(draw(1, 1, 2004, {1, 2, 3, 4, 5, 6}, {7}), kCw, 0, texts, kWidth);
    EXPECT_EQ(c.dateX, 10);
    EXPECT_EQ(c.markX, 0);
    EXPECT_EQ(c.numbersX, 10 + 11 * 7);  // after "00/00/0000 "
    EXPECT_EQ(c.numbersWidth, 120);
    EXPECT_EQ(c.bonusX, 87 + 120 + 10);
    EXPECT_EQ(c.bonusWidth, 20);
    ASSERT_EQ(c.results.size(), 4u);
    EXPECT_EQ(c.results[0].heading, "3/6  +B ");
    EXPECT_EQ(c.results[3].heading, "6/6  +B ");
    EXPECT_EQ(c.results[0].x, 217 + 20 + 20);
    EXPECT_EQ(c.results[0].width, 8 * 7 + kCw);
    EXPECT_EQ(c.results[1].x, c.results[0].x + c.results[0].width);

    auto header = headerItems(c, texts, kWidth);
    EXPECT_EQ(textsOf(header),
              (std::vector<std::string>{"Date", "Numbers On Ticket", "Bonus", "3/6  +B ",
                                        "4/6  +B ", "5/6  +B ", "6/6  +B "}));
    EXPECT_EQ(header[1].x, 87 + 60 - (17 * 7) / 2);  // centred over the numbers
    EXPECT_EQ(header[2].x, 217 + 10 - 35 / 2);

    // Without bonus numbers: no bonus heading, results right after one more cw.
    c = listColumns(draw(1, 1, 2004, {1, 2, 3, 4, 5}), kCw, 0, texts, kWidth);
    EXPECT_EQ(c.bonusWidth, 0);
    ASSERT_EQ(c.results.size(), 3u);
    EXPECT_EQ(c.results[2].heading, "5/5  ");
    EXPECT_EQ(c.results[0].x, 87 + 100 + 10);
    EXPECT_EQ(textsOf(headerItems(c, texts, kWidth)).size(), 5u);

    // Fewer than three numbers give no result column; the horizontal position shifts all.
    c = listColumns(draw(1, 1, 2004, {1, 2}), kCw, 3, texts, kWidth);
    EXPECT_TRUE(c.results.empty());
    EXPECT_EQ(c.dateX, 10 - 30);
    EXPECT_EQ(c.markX, -30);
}

TEST(DatabaseView, RowsShowDateNumbersAndTicketResults) {
    DatabaseTexts texts;
    const TicketType d = draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7});
    const ListColumns c = listColumns(d, kCw, 0, texts, kWidth);

    auto plain = rowItems(d, c, kCw, texts, kWidth, nullptr);
    EXPECT_EQ(textsOf(plain),
              (std::vector<std::string>{"1-15-2004", "3", "12", "19", "27", "33", "41", "7"}));
    EXPECT_EQ(plain[1].x, 87 + 10 - 3);        // "3" centred in the first 2 cw cell
    EXPECT_EQ(plain[2].x, 87 + 20 + 10 - 7);   // "12" in the second
    EXPECT_EQ(plain[7].x, c.bonusX + 10 - 3);  // bonus under its heading

    TicketFile manual;
    manual.tickets = {ticket({3, 12, 19, 27, 33, 41}, {7}), ticket({3, 12, 19, 1, 2, 4}, {8}),
                      ticket({3, 12, 19, 1, 2, 5}, {7}), ticket({3, 1, 2, 4, 5, 6}, {7})};
    auto withTickets = rowItems(d, c, kCw, texts, kWidth, &manual);
    ASSERT_EQ(withTickets.size(), 12u);
    // Level 3: two tickets, one with the bonus; level 6: one with the bonus; a ticket with a
    // single hit counts nowhere.
    EXPECT_EQ(withTickets[8].text, "   2,  1");
    EXPECT_EQ(withTickets[8].x, c.results[0].x);
    EXPECT_EQ(withTickets[9].text, "   0,  0");
    EXPECT_EQ(withTickets[11].text, "   1,  1");
    EXPECT_FALSE(withTickets[8].red);

    // A draw without a bonus number, or tickets without one, shows the hits alone.
    const TicketType noBonus = draw(1, 8, 2004, {3, 12, 19, 27, 33, 41});
    EXPECT_EQ(rowItems(noBonus, c, kCw, texts, kWidth, &manual).back().text, "   1");
    TicketFile plainTickets;
    plainTickets.tickets = {ticket({3, 12, 19, 27, 33, 41})};
    EXPECT_EQ(rowItems(d, c, kCw, texts, kWidth, &plainTickets).back().text, "   1");
}

TEST(DatabaseView, WheelMarkWhereTheConditionIsMet) {
    DatabaseTexts texts;
    TicketFile wheel;
    wheel.kind = TicketFileKind::Wheel;
    wheel.wheel.numbersToWheel = 7;
    wheel.wheel.numbersPerTicket = 6;
    wheel.wheel.guaranteeIf = 4;
    wheel.numbersUsed = {1, 2, 3, 4, 5, 6, 7};
    wheel.tickets = {ticket({1, 2, 3, 4, 5, 6})};

    const TicketType met = draw(2, 1, 2004, {1, 2, 3, 4, 40, 41});
    const TicketType notMet = draw(2, 4, 2004, {1, 2, 3, 40, 41, 42});
    const ListColumns c = listColumns(met, kCw, 0, texts, kWidth);
    auto row = rowItems(met, c, kCw, texts, kWidth, &wheel);
    ASSERT_FALSE(row.empty());
    EXPECT_EQ(row.front(), (TextItem{0, "*", true}));
    EXPECT_FALSE(rowItems(notMet, c, kCw, texts, kWidth, &wheel).front().red);

    EXPECT_EQ(wheelNoteItems(c, texts),
              (std::vector<TextItem>{{0, "*", true},
                                     {10,
                                      "Indicates the condition of the wheel was met for "
                                      "that draw."}}));
    EXPECT_EQ(doubleClickNoteItems(c, texts).front().text,
              "Double click any entry for past performance.");
}

TEST(DatabaseView, VisibleLinesAndRows) {
    using K = ListLineKind;
    EXPECT_TRUE(visibleLines(0, 0, 400, 20).empty());

    // Room for the header and 4 rows: rows 2..5 of 10, no notes.
    auto lines = visibleLines(10, 2, 100, 20);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], (ListLine{K::Header, 0, 0}));
    EXPECT_EQ(lines[1], (ListLine{K::Entry, 20, 2}));
    EXPECT_EQ(lines[4], (ListLine{K::Entry, 80, 5}));

    // The last entry painted: the two notes follow.
    lines = visibleLines(3, 1, 400, 20);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], (ListLine{K::Entry, 40, 2}));
    EXPECT_EQ(lines[3], (ListLine{K::WheelNote, 60, 0}));
    EXPECT_EQ(lines[4], (ListLine{K::DoubleClickNote, 80, 0}));

    EXPECT_EQ(entryAt(5, 20, 4, 10), std::nullopt);  // the header
    EXPECT_EQ(entryAt(20, 20, 4, 10), 4u);
    EXPECT_EQ(entryAt(79, 20, 4, 10), 6u);
    EXPECT_EQ(entryAt(200, 20, 4, 10), std::nullopt);  // below the last entry
}

TEST(DatabaseView, ScrollRangesAndBars) {
    EXPECT_EQ(verticalScrollMaximum(3622, 400, 16), 3622 + 1 - 25 + 2);
    // At the end of the range the last entry and both notes fit above the bottom.
    const int max = verticalScrollMaximum(100, 400, 16);
    const auto lines = visibleLines(100, static_cast<std::size_t>(max), 400, 16);
    EXPECT_EQ(lines.back().kind, ListLineKind::DoubleClickNote);
    EXPECT_LE(lines.back().y + 16, 400);
    // A short list does not scroll.
    EXPECT_EQ(verticalScrollMaximum(5, 400, 16), 0);
    EXPECT_EQ(verticalScrollMaximum(0, 400, 16), 0);

    const ListScrollBars bars = listScrollBars(500, 300, 16);
    EXPECT_EQ(bars.vertical, (Box{485, 0, 15, 285}));
    EXPECT_EQ(bars.horizontal, (Box{0, 285, 485, 15}));
    EXPECT_EQ(bars.verticalRepaint, (Box{0, 16, 485, 269}));
    EXPECT_EQ(bars.horizontalRepaint, (Box{0, 0, 485, 285}));
}

TEST(DatabaseView, WindowLayout) {
    DatabaseWindowLayout l = databaseWindowLayout(600, 576, 20);
    EXPECT_EQ(l.list, (Box{15, 50, 570, 441}));
    EXPECT_EQ(l.buttonsY, 576 - 85);
    EXPECT_EQ(l.asButtonY, 576 - 65);
    // Taller buttons keep the "As" button right under the row, a gap moves both down.
    l = databaseWindowLayout(600, 576, 30, 6);
    EXPECT_EQ(l.list.height, 576 - 50 - 30 - 65);
    EXPECT_EQ(l.list.y + l.list.height + 6, l.buttonsY);
    EXPECT_EQ(l.buttonsY + 30, l.asButtonY);
    // A very wide window keeps the list inside.
    l = databaseWindowLayout(2000, 576, 20);
    EXPECT_EQ(l.list.x, 50);
    EXPECT_EQ(l.list.x + l.list.width, 2000);
    // Too small a window gives an empty list, not a negative one.
    EXPECT_EQ(databaseWindowLayout(10, 60, 20).list.height, 0);

    EXPECT_EQ(databaseWindowHeight(768), 576);
    EXPECT_EQ(databaseWindowHeight(1023), 767);
    EXPECT_EQ(listLineHeight(13), 16);
    EXPECT_EQ(listLineHeight(16), 20);
}

TEST(DatabaseView, FadeSteps) {
    EXPECT_EQ(increasedFade(0), 5);
    EXPECT_EQ(increasedFade(95), 100);
    EXPECT_EQ(increasedFade(97), 102);
    EXPECT_EQ(increasedFade(100), std::nullopt);
    EXPECT_EQ(decreasedFade(100), 95);
    EXPECT_EQ(decreasedFade(3), 0);
    EXPECT_EQ(decreasedFade(0), std::nullopt);
}
