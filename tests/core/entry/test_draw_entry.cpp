#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>

#include "core/entry/draw_entry.h"
#include "core/entry/int_edit.h"
#include "core/tickets/ticket_file.h"
#include "test_support.h"

namespace {

using qv::BoxState;
using qv::EntryChoice;

EntryChoice chooseAll(std::initializer_list<int> numbers, int quota = 6, int lotto = 49) {
    EntryChoice c(quota, lotto);
    for (int n : numbers) EXPECT_TRUE(c.click(n)) << n;
    return c;
}

std::vector<int> boxesIn(const EntryChoice& c, BoxState state) {
    std::vector<int> out;
    for (int n = 1; n <= 100; ++n)
        if (c.box(n) == state) out.push_back(n);
    return out;
}

TEST(EntryChoice, StartsClearUpToTheNumbersInTheLottoAndDimmedAbove) {
    EntryChoice c(6, 49);
    EXPECT_EQ(boxesIn(c, BoxState::Free).size(), 49u);
    EXPECT_EQ(c.box(49), BoxState::Free);
    EXPECT_EQ(c.box(50), BoxState::Grey);
    EXPECT_EQ(c.box(0), BoxState::Grey);
    EXPECT_EQ(c.box(101), BoxState::Grey);
    EXPECT_FALSE(c.click(0));
    EXPECT_FALSE(c.click(101));
}

// A full choice dims the rest; giving one number up opens every number of the game again,
// so a click or "Random" completes the draw.
TEST(EntryChoice, AFullChoiceDimsTheRestAndADeselectedNumberOpensThemAgain) {
    EntryChoice c = chooseAll({5, 17, 3, 44, 29, 11});
    EXPECT_EQ(boxesIn(c, BoxState::Chosen), (std::vector<int>{3, 5, 11, 17, 29, 44}));
    EXPECT_TRUE(boxesIn(c, BoxState::Free).empty());
    EXPECT_FALSE(c.click(20));  // dimmed while full: nothing

    EXPECT_TRUE(c.click(17));
    EXPECT_EQ(c.chosen(), (std::vector<int>{5, 3, 44, 29, 11}));
    EXPECT_EQ(boxesIn(c, BoxState::Free).size(), 44u);
    EXPECT_EQ(c.box(17), BoxState::Free);
    EXPECT_EQ(c.box(50), BoxState::Grey);
    std::mt19937 random(5);
    EXPECT_EQ(c.randomPick(random), 1);
    EXPECT_TRUE(c.isFull());

    EXPECT_TRUE(c.click(c.chosen().back()));
    EXPECT_TRUE(c.click(20));
    EXPECT_EQ(c.chosen(), (std::vector<int>{5, 3, 44, 29, 11, 20}));
}

TEST(EntryChoice, AClearBoxCannotBeChosenWhileTheChoiceIsFull) {
    EntryChoice c(2, 10);
    c.click(1);
    c.click(2);
    c.setNumbersInLotto(12);  // 11 and 12 come in clear
    EXPECT_EQ(c.box(11), BoxState::Free);
    EXPECT_FALSE(c.click(11));
    EXPECT_EQ(c.chosenCount(), 2);
}

TEST(EntryChoice, DeselectingTheLastNumberLeavesTheOthersInOrderAndZerosBehind) {
    qv::DrawEntry entry({6, 49}, qv::Date{3, 5, 2024});
    for (int n : {1, 2, 3, 4, 5, 6}) entry.choice().click(n);
    entry.choice().click(6);
    const qv::TicketType t = entry.draw();
    EXPECT_EQ(t.numbers, (std::array<std::int16_t, 10>{1, 2, 3, 4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(t.date(), (qv::Date{3, 5, 2024}));
    EXPECT_TRUE(entry.hasNumbers());
}

TEST(EntryChoice, ClearAllLeavesNothingOfTheEarlierChoiceInTheDraw) {
    qv::DrawEntry entry({6, 49}, qv::Date{3, 5, 2024});
    for (int n : {1, 2, 3, 4, 5, 6}) entry.choice().click(n);
    entry.choice().clearAll();
    EXPECT_FALSE(entry.hasNumbers());
    EXPECT_FALSE(entry.canAdd(true));
    entry.choice().click(9);
    EXPECT_EQ(entry.draw().numbers, (std::array<std::int16_t, 10>{9}));
    EXPECT_EQ(boxesIn(entry.choice(), BoxState::Free).size(), 48u);
    EXPECT_TRUE(entry.canAdd(true));
    EXPECT_FALSE(entry.canAdd(false));
}

TEST(EntryChoice, RandomFillsOnlyTheFreePlacesWithDistinctNumbersOfTheGame) {
    std::mt19937 random(20240305);
    for (int round = 0; round < 200; ++round) {
        EntryChoice c = chooseAll({7, 12, 30, 41});
        EXPECT_EQ(c.randomPick(random), 2);
        ASSERT_EQ(c.chosenCount(), 6);
        EXPECT_EQ(std::vector<int>(c.chosen().begin(), c.chosen().begin() + 4),
                  (std::vector<int>{7, 12, 30, 41}));
        const std::set<int> distinct(c.chosen().begin(), c.chosen().end());
        EXPECT_EQ(distinct.size(), 6u);
        for (int n : c.chosen()) EXPECT_TRUE(n >= 1 && n <= 49);
        EXPECT_TRUE(boxesIn(c, BoxState::Free).empty());
    }
}

TEST(EntryChoice, RandomTakesEveryFreeNumberWhenThereAreTooFewAndStops) {
    std::mt19937 random(1);
    EntryChoice c(6, 4);
    EXPECT_EQ(c.randomPick(random), 4);
    std::vector<int> chosen = c.chosen();
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(c.randomPick(random), 0);
}

TEST(EntryChoice, RandomReachesEveryNumberOfTheGame) {
    std::mt19937 random(99);
    std::array<int, 11> seen{};
    for (int round = 0; round < 2000; ++round) {
        EntryChoice c(1, 10);
        c.randomPick(random);
        ++seen[std::size_t(c.chosen().at(0))];
    }
    EXPECT_EQ(seen[0], 0);
    for (int n = 1; n <= 10; ++n) EXPECT_GT(seen[std::size_t(n)], 120) << n;  // about 200 each
}

TEST(EntryChoice, LoweringTheNumbersInTheLottoDimsAChosenNumberButKeepsIt) {
    EntryChoice c = chooseAll({3, 45, 20});
    EXPECT_TRUE(c.setNumbersInLotto(40));
    EXPECT_EQ(c.box(45), BoxState::Grey);
    EXPECT_EQ(c.box(41), BoxState::Grey);
    EXPECT_EQ(c.chosen(), (std::vector<int>{3, 45, 20}));
    EXPECT_FALSE(c.setNumbersInLotto(40));

    // Raising it again brings the number back as chosen, not as a second choice.
    EXPECT_TRUE(c.setNumbersInLotto(49));
    EXPECT_EQ(c.box(45), BoxState::Chosen);
    EXPECT_EQ(c.box(41), BoxState::Free);

    // A click on a chosen number shut out by the lower count deselects it; it can never be
    // in the list twice.
    c.setNumbersInLotto(40);
    EXPECT_TRUE(c.click(45));
    EXPECT_EQ(c.chosen(), (std::vector<int>{3, 20}));
    EXPECT_TRUE(c.click(45));  // now an ordinary dimmed box: clear
    EXPECT_TRUE(c.click(45));  // and chosen, once
    EXPECT_EQ(c.chosen(), (std::vector<int>{3, 20, 45}));
    EXPECT_EQ(c.setNumbersInLotto(0), true);  // brought into range: 1
    EXPECT_EQ(c.numbersInLotto(), 1);
}

TEST(EntryChoice, SetUpTakesAStoredListUpToItsFirstZero) {
    EntryChoice c(3, 49);
    const std::array<std::int16_t, 5> list{8, 8, 120, 52, 0};
    c.setUp(list);
    EXPECT_EQ(c.chosen(), (std::vector<int>{8, 52}));  // the repeat and 120 passed over
    EXPECT_EQ(c.box(52), BoxState::Chosen);
    EXPECT_EQ(c.box(53), BoxState::Grey);
    EXPECT_EQ(c.box(9), BoxState::Free);
    const std::array<std::int16_t, 4> full{4, 5, 6, 7};
    c.setUp(full);
    EXPECT_EQ(c.chosen(), (std::vector<int>{4, 5, 6}));
    EXPECT_TRUE(boxesIn(c, BoxState::Free).empty());
}

TEST(EntryChoice, BonusPickerFreesTheDimmedNumbersWhenAFullChoiceOpensAgain) {
    EntryChoice c(3, 49, EntryChoice::Rules::Bonus);
    for (int n : {7, 8, 9}) c.click(n);
    EXPECT_TRUE(boxesIn(c, BoxState::Free).empty());
    c.click(8);
    EXPECT_EQ(boxesIn(c, BoxState::Free).size(), 47u);  // 8 included, nothing above 49
    EXPECT_EQ(c.box(50), BoxState::Grey);

    std::mt19937 random(5);
    EXPECT_EQ(c.randomPick(random), 1);  // one number per press
    EXPECT_EQ(c.chosenCount(), 3);
    EXPECT_TRUE(boxesIn(c, BoxState::Free).empty());
    EXPECT_EQ(c.randomPick(random), 0);
}

TEST(DrawEntry, BonusNumbersGoThroughThePickerAndBack) {
    qv::DrawEntry entry({6, 49}, qv::Date{1, 2, 2024});
    for (int n : {4, 8, 15, 16, 23, 42}) entry.choice().click(n);
    EXPECT_EQ(qv::winningNumbersLine(entry.draw()), "4 8 15 16 23 42");
    EntryChoice picker = qv::bonusChoice(entry);
    EXPECT_EQ(picker.quota(), 3);
    picker.click(7);
    std::array<std::int16_t, 3> bonus{};
    picker.writeTo(bonus);
    entry.setBonus(bonus);
    EXPECT_EQ(entry.draw().bonus, (std::array<std::int16_t, 3>{7, 0, 0}));
    EXPECT_EQ(qv::bonusChoice(entry).chosen(), (std::vector<int>{7}));
}

TEST(DrawEntry, GameSizeFromTicketFileThenDatabase) {
    qv::TicketFile five = qv::newManualTicketFile(5, 39);
    qv::TicketFile six = qv::newManualTicketFile(6, 39);
    qv::TicketFile seven = qv::newManualTicketFile(7, 39);
    qv::DataHeader header;
    header.numbersInLotto = 54;
    header.numbersOnTicket = 6;
    qv::DataHeader damaged;
    damaged.numbersInLotto = 0;
    damaged.numbersOnTicket = 40;
    EXPECT_EQ(qv::entryGame(nullptr, nullptr), (qv::EntryGame{6, 49}));
    EXPECT_EQ(qv::entryGame(&five, nullptr), (qv::EntryGame{5, 35}));
    EXPECT_EQ(qv::entryGame(&six, nullptr), (qv::EntryGame{6, 49}));  // 35 is for fewer than 6
    EXPECT_EQ(qv::entryGame(&seven, nullptr), (qv::EntryGame{7, 49}));
    EXPECT_EQ(qv::entryGame(&five, &header), (qv::EntryGame{6, 54}));
    EXPECT_EQ(qv::entryGame(nullptr, &damaged), (qv::EntryGame{10, 1}));
}

// --- The date and number fields -------------------------------------------------------------

struct Typing {
    qv::IntEditRange range;
    std::string keys;  // typed one after another at the end; '\b' is a backspace
    std::string text;
};

class FieldTyping : public ::testing::TestWithParam<Typing> {};

TEST_P(FieldTyping, KeepsOnlyWhatTheFieldMayHold) {
    std::string text;
    for (char k : GetParam().keys)
        text =
            qv::typeCharacter(text, text.size(), static_cast<unsigned char>(k), GetParam().range);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldTyping,
    ::testing::Values(Typing{qv::kMonthField, "13", "1"},  // 13 is above 12
                      Typing{qv::kMonthField, "12", "12"}, Typing{qv::kMonthField, "0", ""},
                      Typing{qv::kMonthField, "1a-2", "12"}, Typing{qv::kDayField, "32", "3"},
                      Typing{qv::kDayField, "31", "31"},
                      // A first digit of a year stays; so do 1899 and 6000 while typing.
                      Typing{qv::kYearField, "1", "1"}, Typing{qv::kYearField, "18995", "1899"},
                      Typing{qv::kYearField, "6001", "600"}, Typing{qv::kYearField, "0", ""},
                      Typing{qv::kYearField, "2024\b\b", "20"},
                      Typing{qv::kNumberField, "101", "10"}, Typing{qv::kNumberField, "100", "100"},
                      Typing{qv::kNumberField, "0", "0"}, Typing{qv::kNumberField, "07", "07"},
                      Typing{qv::kNumberField,
                             "\xC3\xA9"
                             "5",
                             "5"}));

TEST(FieldTyping, ABackspaceThatWouldLeaveAnOutOfRangeValueIsRefused) {
    EXPECT_EQ(qv::typeCharacter("10", 1, 8, qv::kMonthField), "10");  // "0" is not a month
    EXPECT_EQ(qv::typeCharacter("10", 2, 8, qv::kMonthField), "1");
    EXPECT_EQ(qv::typeCharacter("15", 1, '0', qv::kMonthField), "15");  // 105 is too long
    EXPECT_EQ(qv::typeCharacter("1", 0, '1', qv::kMonthField), "11");
    EXPECT_FALSE(qv::isAcceptableTyping("-1", qv::kNumberField));
    EXPECT_FALSE(qv::isAcceptableTyping(" 1", qv::kNumberField));
    EXPECT_TRUE(qv::isAcceptableTyping("", qv::kYearField));
}

TEST(FieldReading, ReadsAsPrintfDoesAndSaturates) {
    EXPECT_EQ(qv::scanInteger("  42abc"), 42);
    EXPECT_EQ(qv::scanInteger("-7"), -7);
    EXPECT_EQ(qv::scanInteger("+7"), 7);
    EXPECT_EQ(qv::scanInteger(""), std::nullopt);
    EXPECT_EQ(qv::scanInteger("x1"), std::nullopt);
    EXPECT_EQ(qv::scanInteger("-"), std::nullopt);
    EXPECT_EQ(qv::scanInteger("99999999999999999999"), INT_MAX);
    EXPECT_EQ(qv::scanInteger("-99999999999999999999"), INT_MIN);
}

struct DateFields {
    std::string month, day, year;
    qv::Date expected;  // read over 3/5/2024
};

class DateReading : public ::testing::TestWithParam<DateFields> {};

TEST_P(DateReading, StoresEachPartOnlyWhenItIsInRange) {
    qv::DrawEntry entry({6, 49}, qv::Date{3, 5, 2024});
    entry.readDateFields(GetParam().month, GetParam().day, GetParam().year);
    EXPECT_EQ(entry.date(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DateReading,
    ::testing::Values(DateFields{"7", "14", "1999", {7, 14, 1999}},
                      DateFields{"", "", "", {3, 5, 2024}},  // empty fields keep the date
                      DateFields{"13", "0", "1899", {3, 5, 2024}},
                      DateFields{"x", "32", "6001", {3, 5, 2024}},
                      DateFields{"2", "31", "6000", {2, 31, 6000}},  // not checked together
                      DateFields{"12", "1", "1900", {12, 1, 1900}},
                      // Only as many characters as the field holds are read.
                      DateFields{"123", "3x", "20245", {12, 3, 2024}}));

}  // namespace
