// Adding, changing and deleting manual tickets, and bonus numbers for one or all tickets.

#include <gtest/gtest.h>

#include "core/tickets/ticket_editing.h"
#include "test_support.h"

namespace qv {
namespace {

using test::ticket;

TEST(ManualTicketEntry, TwoTicketsOfSixComeOutSorted) {
    TicketFile file = newManualTicketFile();
    ManualTicketEntry entry(file);
    EXPECT_EQ(entry.caption(), "");  // the dialog's title stands until the first change
    for (int n : {30, 4, 17, 9, 44, 2}) entry.click(n);
    EXPECT_EQ(entry.caption(), "Select Add Ticket Button");
    ASSERT_TRUE(entry.addTicket());
    EXPECT_EQ(entry.caption(), "1 Ticket");
    // In the working copy the numbers keep the order they were chosen in.
    EXPECT_EQ(entry.tickets()[0], ticket({30, 4, 17, 9, 44, 2}));
    EXPECT_TRUE(entry.choice().chosen().empty());
    for (int n : {6, 5, 4, 3, 2}) entry.click(n);
    EXPECT_EQ(entry.caption(), "Choose 1 More Number");
    EXPECT_FALSE(entry.addTicket());
    entry.click(1);
    ASSERT_TRUE(entry.addTicket());
    EXPECT_EQ(entry.caption(), "2 Tickets");

    ASSERT_TRUE(entry.applyTo(file));
    ASSERT_EQ(file.tickets.size(), 2u);
    EXPECT_EQ(file.tickets[0], ticket({2, 4, 9, 17, 30, 44}));
    EXPECT_EQ(file.tickets[1], ticket({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(file.numbersPerTicket, 6);
}

TEST(ManualTicketEntry, SmallerQuotaGivesAShorterSecondTicket) {
    TicketFile file = newManualTicketFile(6, 40);
    ManualTicketEntry entry(file);
    EXPECT_EQ(entry.choice().numbersInLotto(), 40);
    for (int n : {1, 2, 3, 4, 5, 6}) entry.click(n);
    ASSERT_TRUE(entry.addTicket());
    EXPECT_TRUE(entry.setNumbersPerTicket(5));
    for (int n : {11, 12, 13, 14, 15}) entry.click(n);
    ASSERT_TRUE(entry.addTicket());
    ASSERT_TRUE(entry.applyTo(file));
    EXPECT_EQ(file.tickets[1], ticket({11, 12, 13, 14, 15}));
    EXPECT_EQ(file.numbersPerTicket, 5);
    EXPECT_EQ(file.numbersInLotto, 40);  // not the grid's to change
}

TEST(ManualTicketEntry, NothingAddedLeavesTheFileAlone) {
    TicketFile file = newManualTicketFile();
    file.tickets = {ticket({1, 2, 3, 4, 5, 6})};
    file.modified = false;
    ManualTicketEntry entry(file);
    for (int n : {7, 8, 9}) entry.click(n);  // built but never added
    EXPECT_FALSE(entry.applyTo(file));
    EXPECT_EQ(file.tickets.size(), 1u);
    EXPECT_FALSE(file.modified);
}

TEST(ManualTicketEntry, NextContinuesWhereTheLastPressStopped) {
    TicketFile file = newManualTicketFile(3, 49);
    ManualTicketEntry entry(file);
    PickList hot;
    hot.sequence = {10, 20, 30, 40, 50, 60, 70};
    EXPECT_EQ(entry.pickHot(hot, false).numbers, (std::vector<int>{10, 20, 30}));
    entry.addTicket();
    // Next: the next hottest numbers not yet chosen; 50 and up are grey and passed over.
    entry.click(40);
    EXPECT_EQ(entry.pickHot(hot, true).numbers, std::vector<int>{});
    entry.click(40);  // given up: grey
    EXPECT_EQ(entry.pickHot(hot, false).numbers, (std::vector<int>{10, 20, 30}));
    entry.clearAll();
    EXPECT_TRUE(entry.setNumbersInLotto(100));
    EXPECT_EQ(entry.pickHot(hot, true).numbers, (std::vector<int>{40, 50, 60}));
    entry.clearAll();
    // Next goes on with 70; the end of the list ends the press and the next one starts over.
    EXPECT_EQ(entry.pickHot(hot, true).numbers, std::vector<int>{70});
    EXPECT_EQ(entry.pickHot(hot, true).numbers, (std::vector<int>{10, 20}));

    // My Numbers: from the start, then from the saved position, and round again at the end.
    entry.clearAll();
    const std::vector<int> mine = {5, 6, 7, 8};
    EXPECT_EQ(entry.pickMyNumbers(mine, true).numbers, (std::vector<int>{5, 6, 7}));
    entry.clearAll();
    EXPECT_EQ(entry.pickMyNumbers(mine, true).numbers, std::vector<int>{8});
    EXPECT_EQ(entry.pickMyNumbers(mine, true).numbers, (std::vector<int>{5, 6}));
    entry.clearAll();
    EXPECT_EQ(entry.pickMyNumbers(mine, false).numbers, (std::vector<int>{5, 6, 7}));
}

TEST(ManualTicketFile, AddDeleteAndBonusNumbers) {
    TicketFile file = newManualTicketFile();
    file.modified = false;
    addManualTicket(file, ticket({9, 3, 7}, {4}));
    EXPECT_EQ(file.numbersPerTicket, 3);
    EXPECT_TRUE(file.modified);
    file.tickets.push_back(ticket({8, 1, 5, 2}));  // not sorted, as an old file may hold
    addManualTicket(file, ticket({40, 30, 20, 10, 5}));
    EXPECT_EQ(file.numbersPerTicket, 5);
    EXPECT_EQ(file.tickets[0], ticket({3, 7, 9}, {4}));
    EXPECT_EQ(file.tickets[1], ticket({1, 2, 5, 8}));
    EXPECT_EQ(file.tickets[2], ticket({5, 10, 20, 30, 40}));

    const std::int16_t bonus[] = {33, 12};
    ASSERT_TRUE(setBonusNumbers(file, std::nullopt, bonus));
    for (const TicketType& t : file.tickets)
        EXPECT_EQ(t.bonus, (std::array<std::int16_t, 3>{33, 12, 0}));
    ASSERT_TRUE(setBonusNumbers(file, 1, {}));
    EXPECT_EQ(file.tickets[1].bonusCount(), 0);
    EXPECT_FALSE(setBonusNumbers(file, 3, bonus));

    ASSERT_TRUE(deleteManualTicket(file, 0));
    EXPECT_EQ(file.tickets.size(), 2u);
    EXPECT_EQ(file.tickets[0], ticket({1, 2, 5, 8}));
    EXPECT_FALSE(deleteManualTicket(file, 2));
}

TEST(ModifyTickets, DeletingTheLastSelectsTheOneBefore) {
    ModifyTicketsModel m({ticket({1}), ticket({2}), ticket({3})}, {3, 1, 2});
    m.select(2);
    ASSERT_TRUE(m.deleteCurrent());
    EXPECT_EQ(m.current(), 1u);
    EXPECT_EQ(m.labels(), (std::vector<int>{3, 1}));
    m.select(0);
    ASSERT_TRUE(m.deleteCurrent());
    EXPECT_EQ(m.current(), 0u);
    EXPECT_EQ(m.tickets()[0], ticket({2}));
    ASSERT_TRUE(m.deleteCurrent());
    EXPECT_EQ(m.count(), 0u);
    EXPECT_FALSE(m.deleteCurrent());
    EXPECT_EQ(m.fieldTexts()[0], "");
}

struct FieldCase {
    const char* text;
    int slotAfter;  // the slot started at 7
    bool refused;
};

class ModifyTicketsField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ModifyTicketsField, ReadsAsTyped) {
    const FieldCase c = GetParam();
    ModifyTicketsModel m({ticket({7, 8, 9}, {7})}, {1});
    std::array<std::string, ModifyTicketsModel::kFields> fields = m.fieldTexts();
    EXPECT_EQ(fields[0], "7");
    EXPECT_EQ(fields[5], "0");
    fields[0] = c.text;
    fields[10] = c.text;
    const std::vector<int> refused = m.update(fields);
    EXPECT_EQ(m.tickets()[0].numbers[0], c.slotAfter);
    EXPECT_EQ(m.tickets()[0].bonus[0], c.slotAfter);
    EXPECT_EQ(refused, c.refused ? (std::vector<int>{0, 10}) : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Fields, ModifyTicketsField,
                         ::testing::Values(FieldCase{"42", 42, false}, FieldCase{" 5", 5, false},
                                           FieldCase{"0", 0, false}, FieldCase{"100", 100, false},
                                           FieldCase{"12x", 12, false}, FieldCase{"101", 7, true},
                                           FieldCase{"999", 7, true}, FieldCase{"-3", 7, true},
                                           FieldCase{"", 7, false}, FieldCase{"ab", 7, false},
                                           FieldCase{"1234", 7, true}));

TEST(BonusNumbersEditor, ChangeAllAndMovingBetweenTickets) {
    BonusNumbersEditor e({ticket({1, 2, 3}, {9, 8}), ticket({4, 5, 6}), ticket({7, 8, 9}, {1})},
                         {2, 3, 1}, 49);
    EXPECT_EQ(e.currentLabel(), 2);
    EXPECT_EQ(e.ticketLine(), "1 2 3");
    EXPECT_EQ(e.choice().chosen(), (std::vector<int>{9, 8}));
    e.choice().clearAll();
    e.choice().click(7);
    e.changeAll();
    std::vector<TicketType> out = e.result();
    for (const TicketType& t : out) EXPECT_EQ(t.bonus, (std::array<std::int16_t, 3>{7, 0, 0}));

    e.select(1);
    EXPECT_EQ(e.ticketLine(), "4 5 6");
    EXPECT_EQ(e.choice().chosen(), std::vector<int>{7});
    e.choice().click(7);
    e.choice().click(20);
    e.select(0);
    out = e.result();
    EXPECT_EQ(out[1].bonus, (std::array<std::int16_t, 3>{20, 0, 0}));
    EXPECT_EQ(out[0].bonus, (std::array<std::int16_t, 3>{7, 0, 0}));

    BonusNumbersEditor none({}, {}, 49);
    EXPECT_EQ(none.currentLabel(), 1);
    EXPECT_TRUE(none.result().empty());
}

TEST(BonusNumbers, ManualFilesAreSortedWheelFilesAreNot) {
    TicketFile manual = newManualTicketFile();
    manual.tickets = {ticket({9, 1, 5})};
    replaceBonusNumbers(manual, {ticket({9, 1, 5}, {2})});
    EXPECT_EQ(manual.tickets[0], ticket({1, 5, 9}, {2}));
    TicketFile wheel;
    wheel.kind = TicketFileKind::Wheel;
    replaceBonusNumbers(wheel, {ticket({9, 1, 5}, {2})});
    EXPECT_EQ(wheel.tickets[0], ticket({9, 1, 5}, {2}));
    EXPECT_TRUE(wheel.modified);
}

}  // namespace
}  // namespace qv
