// The ticket window's orders and the text export.

#include <gtest/gtest.h>

#include <random>

#include "core/tickets/arrange.h"
#include "core/util/file_io.h"
#include "reference_arrange.h"
#include "test_support.h"

namespace qv {
namespace {

using test::ticket;

struct ScriptedReporter : ProgressReporter {
    long long cancelOnPoll = -1;  // the poll (counted from 1) that answers "cancelled"
    std::vector<int> shown;
    long long polls = 0;
    int opened = 0, closed = 0;
    void open(const std::string&) override { ++opened; }
    void show(int percent) override { shown.push_back(percent); }
    bool cancelled() override { return ++polls == cancelOnPoll; }
    void close() override { ++closed; }
};

TicketType winning() {
    return ticket({7, 12, 19, 25, 33, 41}, {9});
}

TEST(TicketOrder, BonusHitsBreakTiesAndTheRestKeepsItsOrder) {
    std::vector<TicketType> tickets = {
        ticket({1, 2, 3, 4, 5, 6}), ticket({7, 12, 19, 25, 1, 2}),  // 4 hits, no bonus
        ticket({7, 12, 19, 1, 2, 3}),                               // 3 hits
        ticket({7, 12, 19, 25, 1, 2}, {9}),                         // 4 hits and a bonus hit
    };
    TicketOrder order(tickets.size());
    EXPECT_TRUE(order.arrangedByNumber());
    // Arranging by number right after attaching does nothing.
    EXPECT_FALSE(order.arrangeByNumber(tickets, nullptr));
    ASSERT_TRUE(order.arrangeByResult(tickets, nullptr, winning()));
    EXPECT_EQ(order.labels(), (std::vector<int>{4, 2, 3, 1}));
    // A second time: nothing.
    EXPECT_FALSE(order.arrangeByResult(tickets, nullptr, winning()));
    ASSERT_TRUE(order.arrangeByNumber(tickets, nullptr));
    EXPECT_EQ(order.labels(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(tickets[3], ticket({7, 12, 19, 25, 1, 2}, {9}));
}

TEST(TicketOrder, WheelRowsMoveWithTheirTickets) {
    std::vector<TicketType> tickets = {ticket({1, 2}), ticket({7, 12})};
    std::vector<TicketType> rows = {ticket({1, 2}), ticket({3, 4})};
    TicketOrder order(2);
    order.arrangeByResult(tickets, &rows, winning());
    EXPECT_EQ(rows[0], ticket({3, 4}));
    order.arrangeByNumber(tickets, &rows);
    EXPECT_EQ(rows[0], ticket({1, 2}));
    // Attaching again labels 1..n and counts as arranged by number.
    order.arrangeByResult(tickets, &rows, winning());
    order.attach(5);
    EXPECT_TRUE(order.arrangedByNumber());
    EXPECT_EQ(order.labels(), (std::vector<int>{1, 2, 3, 4, 5}));
}

// Random files of few distinct results, so ties on main and bonus hits abound.
std::vector<TicketType> randomTickets(std::mt19937& g, std::size_t n) {
    std::uniform_int_distribution<int> number(1, 12);
    std::uniform_int_distribution<int> bonusCount(0, 3);
    std::vector<TicketType> tickets(n);
    for (TicketType& t : tickets) {
        for (int k = 0; k < 6; ++k) t.numbers[k] = static_cast<std::int16_t>(number(g));
        const int b = bonusCount(g);
        for (int k = 0; k < b; ++k) t.bonus[k] = static_cast<std::int16_t>(number(g));
    }
    return tickets;
}

TEST(ArrangeByResult, MatchesTheLiteralSelectionIncludingAStop) {
    std::mt19937 g(2024);
    for (int round = 0; round < 40; ++round) {
        const std::size_t n = 1 + g() % 300;
        const std::vector<TicketType> tickets = randomTickets(g, n);
        TicketType w = ticket({1, 3, 5, 7, 9, 11});
        if (round % 2) w.bonus[0] = 2;  // with and without bonus numbers in the draw
        const long long stopAt = round % 3 == 0 ? static_cast<long long>(g() % n) + 1 : -1;

        std::vector<TicketType> expected = tickets;
        std::vector<int> expectedLabels(n);
        for (std::size_t k = 0; k < n; ++k) expectedLabels[k] = static_cast<int>(k + 1);
        ScriptedReporter ref;
        ref.cancelOnPoll = stopAt;
        reference::arrangeByResult(expected, expectedLabels, w, &ref);

        std::vector<TicketType> actual = tickets;
        std::vector<int> labels(n);
        for (std::size_t k = 0; k < n; ++k) labels[k] = static_cast<int>(k + 1);
        ScriptedReporter fast;
        fast.cancelOnPoll = stopAt;
        const std::size_t done = arrangeTicketsByResult(actual, nullptr, &labels, w, &fast);

        ASSERT_EQ(actual, expected) << "round " << round;
        ASSERT_EQ(labels, expectedLabels) << "round " << round;
        EXPECT_EQ(done, stopAt > 0 ? static_cast<std::size_t>(stopAt) : n);
        EXPECT_EQ(fast.shown, ref.shown);
        EXPECT_EQ(fast.polls, ref.polls);
        EXPECT_EQ(fast.closed, 1);
    }
}

TEST(Export, EveryNumberFollowedByASpace) {
    const std::vector<TicketType> tickets = {ticket({1, 2, 3, 4, 5, 6}, {7}), ticket({10, 20}),
                                             TicketType{}};
    EXPECT_EQ(exportText(tickets), "1 2 3 4 5 6 7 \n10 20 \n\n");

    test::TempDir dir;
    const std::string path = dir.file("out.txt");
    ASSERT_TRUE(writeExport(path, "a\n", false));
    ASSERT_TRUE(writeExport(path, "b\n", true));
    EXPECT_EQ(readTextFile(path).value(), "a\nb\n");
    ASSERT_TRUE(writeExport(path, "c\n", false));
    EXPECT_EQ(readTextFile(path).value(), "c\n");
    EXPECT_FALSE(writeExport(dir.file("missing/out.txt"), "x", true));
    EXPECT_FALSE(writeExport(dir.file("missing/out.txt"), "x", false));
}

}  // namespace
}  // namespace qv
