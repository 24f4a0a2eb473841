#include <gtest/gtest.h>

#include "core/entry/modify_entries.h"
#include "test_support.h"

namespace {

using qv::ModifyEntries;
using qv::test::draw;

// Four draws, newest first.
ModifyEntries fourEntries() {
    qv::DataHeader header;
    header.description = "Pick 6";
    header.entryCount = 4;
    return ModifyEntries(
        header,
        {draw(3, 5, 2024, {1, 2, 3, 4, 5, 6}, {7}), draw(3, 2, 2024, {11, 12, 13, 14, 15, 16}),
         draw(2, 28, 2024, {21, 22, 23, 24, 25, 26}), draw(2, 24, 2024, {31, 32, 33, 34, 35, 36})});
}

std::vector<int> firstNumbers(const ModifyEntries& m) {
    std::vector<int> out;
    for (const qv::TicketType& e : m.entries()) out.push_back(e.numbers[0]);
    return out;
}

TEST(ModifyEntries, ListsTheEntriesByDate) {
    const ModifyEntries m = fourEntries();
    EXPECT_EQ(m.lines(),
              (std::vector<std::string>{"3-5-2024", "3-2-2024", "2-28-2024", "2-24-2024"}));
    EXPECT_EQ(m.selected(), 0u);
    EXPECT_EQ(m.shownValues(), (ModifyEntries::Values{1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 7, 0, 0}));
}

struct Deletion {
    std::size_t selected;
    std::vector<int> left;  // first number of each remaining entry
    std::size_t selectedAfter;
};

class DeleteEntry : public ::testing::TestWithParam<Deletion> {};

TEST_P(DeleteEntry, ClosesTheGapAndKeepsASelection) {
    ModifyEntries m = fourEntries();
    m.select(GetParam().selected);
    ASSERT_TRUE(m.removeSelected());
    EXPECT_EQ(firstNumbers(m), GetParam().left);
    EXPECT_EQ(m.header().entryCount, 3);
    EXPECT_EQ(m.selected(), GetParam().selectedAfter);
    EXPECT_EQ(m.lines().size(), 3u);
    EXPECT_TRUE(m.isChanged());
}

INSTANTIATE_TEST_SUITE_P(
    Positions, DeleteEntry,
    ::testing::Values(Deletion{0, {11, 21, 31}, 0},   // the next one is now first
                      Deletion{1, {1, 21, 31}, 1},    // the line below moves up
                      Deletion{3, {1, 11, 21}, 2}));  // the new last line

TEST(ModifyEntries, DeletingEveryEntryLeavesAnEmptyDatabase) {
    ModifyEntries m = fourEntries();
    m.select(2);
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(m.removeSelected());
    EXPECT_EQ(m.entryCount(), 0u);
    EXPECT_EQ(m.header().entryCount, 0);
    EXPECT_EQ(m.selected(), std::nullopt);
    EXPECT_EQ(m.shownValues(), std::nullopt);
    EXPECT_FALSE(m.removeSelected());
    EXPECT_FALSE(m.update(ModifyEntries::Values{}));
    EXPECT_TRUE(m.lines().empty());
}

TEST(ModifyEntries, UpdateStoresTheFieldsButNotTheDate) {
    ModifyEntries m = fourEntries();
    m.select(1);
    m.select(9);  // past the end: ignored
    EXPECT_EQ(m.selected(), 1u);
    // Repeats and numbers above the game's 49 are taken as they are; 0 frees a place; 101 and
    // a negative value leave their places alone.
    ASSERT_TRUE(m.update({9, 9, 60, 0, 101, -1, 0, 0, 0, 0, 100, 0, 0}));
    const qv::TicketType& e = m.entries()[1];
    EXPECT_EQ(e.numbers, (std::array<std::int16_t, 10>{9, 9, 60, 0, 15, 16}));
    EXPECT_EQ(e.bonus, (std::array<std::int16_t, 3>{100, 0, 0}));
    EXPECT_EQ(e.date(), (qv::Date{3, 2, 2024}));
    EXPECT_EQ(m.lines()[1], "3-2-2024");
    EXPECT_TRUE(m.isChanged());
}

TEST(ModifyEntries, UpdateFromTheFieldsTexts) {
    ModifyEntries m = fourEntries();
    ModifyEntries::Texts texts;
    texts.fill("");
    texts[0] = "8";
    texts[1] = "abc";   // unreadable: kept
    texts[2] = "101";   // above 100: kept
    texts[3] = "1000";  // only three characters are read: 100
    texts[10] = " 5";
    ASSERT_TRUE(m.updateFromTexts(texts));
    EXPECT_EQ(m.entries()[0].numbers, (std::array<std::int16_t, 10>{8, 2, 3, 100}));
    EXPECT_EQ(m.entries()[0].bonus, (std::array<std::int16_t, 3>{5, 0, 0}));
}

TEST(ModifyEntries, AnUpdateThatStoresTheSameValuesIsNoChange) {
    ModifyEntries m = fourEntries();
    ASSERT_TRUE(m.update(*m.shownValues()));
    EXPECT_FALSE(m.isChanged());
}

TEST(ModifyEntries, AttributesEditedOnTheDatabaseAreTakenButNotItsCount) {
    ModifyEntries m = fourEntries();
    m.removeSelected();
    qv::DataHeader edited;
    edited.description = "Lotto Max";
    edited.numbersInLotto = 50;
    edited.numbersOnTicket = 7;
    edited.entryCount = 4;
    m.adoptAttributes(edited);
    EXPECT_EQ(m.header().description, "Lotto Max");
    EXPECT_EQ(m.header().numbersInLotto, 50);
    EXPECT_EQ(m.header().numbersOnTicket, 7);
    EXPECT_EQ(m.header().entryCount, 3);
}

}  // namespace
