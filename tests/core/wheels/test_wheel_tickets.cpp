// Wheel ticket files: picking a wheel, applying it, changing numbers and wheels.

#include <gtest/gtest.h>

#include "core/wheels/wheel_tickets.h"
#include "test_support.h"

namespace qv {
namespace {

using test::ticket;

WheelInfo wheelOf(int n, int per, std::vector<TicketType> rows) {
    WheelInfo w;
    w.description = "test";
    w.numbersToWheel = static_cast<std::int16_t>(n);
    w.numbersPerTicket = static_cast<std::int16_t>(per);
    w.guarantee = 3;
    w.guaranteeIf = 4;
    w.setRows(std::move(rows));
    return w;
}

NumbersUsed numbers(std::initializer_list<int> list) {
    NumbersUsed used{};
    std::size_t k = 0;
    for (int n : list) used[k++] = static_cast<std::int16_t>(n);
    return used;
}

struct FilterCase {
    std::optional<int> database;
    std::optional<int> wheel;
    int index;
};

class WheelPicker : public ::testing::TestWithParam<FilterCase> {};

TEST_P(WheelPicker, FilterChosenFromTheGame) {
    const FilterCase c = GetParam();
    EXPECT_EQ(wheelPickerIndex(c.database, c.wheel), c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Games, WheelPicker,
    ::testing::Values(FilterCase{6, std::nullopt, 3}, FilterCase{5, std::nullopt, 2},
                      FilterCase{4, std::nullopt, 1}, FilterCase{3, std::nullopt, 0},
                      FilterCase{7, std::nullopt, 0}, FilterCase{0, std::nullopt, 0},
                      FilterCase{std::nullopt, std::nullopt, 0}, FilterCase{std::nullopt, 5, 2},
                      FilterCase{6, 4, 3}));

TEST(WheelTickets, ChangingNumbersRebuildsTheTicketsKeepingBonusNumbers) {
    TicketFile f = newWheelTicketFile(wheelOf(4, 3, {ticket({1, 2, 3}), ticket({2, 3, 4})}),
                                      numbers({10, 20, 30, 40}));
    EXPECT_EQ(f.tickets[1], ticket({20, 30, 40}));
    f.tickets[1].bonus = {5, 0, 0};
    f.modified = false;
    changeWheelNumbers(f, numbers({11, 21, 31, 41}));
    EXPECT_EQ(f.tickets[1], ticket({21, 31, 41}, {5}));
    EXPECT_TRUE(f.modified);
    EXPECT_EQ(wheelDescriptionLine(f.wheel), "Wheel Description: 4 Numbers 3 if 4, 2 Tickets");
    EXPECT_EQ(numbersUsedLine(f), "Numbers Used : 11 21 31 41 ");
}

TEST(WheelTickets, ChangingTheWheelCarriesBonusNumbersOver) {
    TicketFile f = newWheelTicketFile(
        wheelOf(3, 2, {ticket({1, 2}), ticket({2, 3}), ticket({1, 3})}), numbers({5, 6, 7}));
    f.tickets[0].bonus = {1, 0, 0};
    f.tickets[2].bonus = {3, 0, 0};
    const WheelInfo bigger = wheelOf(4, 3, {ticket({1, 2, 4}), ticket({3, 4, 1})});
    EXPECT_TRUE(wheelNeedsMoreNumbers(f, bigger));
    EXPECT_FALSE(wheelNeedsMoreNumbers(f, wheelOf(2, 2, {})));
    changeWheel(f, bigger, numbers({5, 6, 7, 8}));
    ASSERT_EQ(f.tickets.size(), 2u);
    EXPECT_EQ(f.tickets[0], ticket({5, 6, 8}, {1}));
    EXPECT_EQ(f.tickets[1], ticket({7, 8, 5}));
    EXPECT_EQ(f.wheel.ticketCount, 2);

    // A smaller wheel keeps the numbers; only its first ones are used and shown.
    changeWheel(f, wheelOf(2, 2, {ticket({2, 1})}), f.numbersUsed);
    EXPECT_EQ(f.tickets[0], ticket({6, 5}, {1}));
    EXPECT_EQ(numbersUsedLine(f), "Numbers Used : 5 6 ");
    EXPECT_EQ(f.numbersUsed[3], 8);
}

TEST(WheelTickets, ChosenNumbersThatCannotBeRight) {
    TicketFile f = newWheelTicketFile(wheelOf(3, 1, {}), numbers({4, 5, 6}));
    EXPECT_TRUE(checkChosenNumbers(f).ok());
    f.numbersUsed = numbers({4, 5, 4});
    EXPECT_TRUE(checkChosenNumbers(f).repeated);
    f.numbersUsed = numbers({4, 105, 6});
    EXPECT_TRUE(checkChosenNumbers(f).outOfRange);
    EXPECT_FALSE(checkChosenNumbers(f).repeated);
    // Numbers past the wheel's count are not looked at.
    f.numbersUsed = numbers({4, 5, 6, 4, 200});
    EXPECT_TRUE(checkChosenNumbers(f).ok());
}

}  // namespace
}  // namespace qv
