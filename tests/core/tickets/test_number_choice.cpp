// The number grids: box states, quota, captions, random fill and the quick picks.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/tickets/number_choice.h"
#include "test_support.h"

namespace qv {
namespace {

using test::draw;

std::vector<int> boxesIn(const NumberChoice& c, BoxState s) {
    std::vector<int> out;
    for (int n = 1; n <= 100; ++n)
        if (c.state(n) == s) out.push_back(n);
    return out;
}

TEST(NumberChoice, TenNumberWheelCaptionsAndGreyBoxes) {
    NumberChoice c(10, 49);
    EXPECT_FALSE(c.changed());
    EXPECT_EQ(choiceCaption(c), "Choose 10 More Numbers");
    // Boxes above the numbers in the lotto start grey.
    EXPECT_EQ(boxesIn(c, BoxState::Grey).front(), 50);
    EXPECT_EQ(boxesIn(c, BoxState::Grey).size(), 51u);
    for (int n = 1; n <= 9; ++n) EXPECT_EQ(c.click(n * 3), BoxClick::Chose);
    EXPECT_TRUE(c.changed());
    EXPECT_EQ(choiceCaption(c), "Choose 1 More Number");
    EXPECT_EQ(c.click(40), BoxClick::Chose);
    EXPECT_EQ(choiceCaption(c), "All Numbers Selected");
    EXPECT_EQ(choiceCaption(c, manualChoiceTexts()), "Select Add Ticket Button");
    // Every other box is grey and stays so.
    EXPECT_EQ(boxesIn(c, BoxState::Grey).size(), 90u);
    EXPECT_EQ(c.click(1), BoxClick::Ignored);
    EXPECT_EQ(c.click(77), BoxClick::Ignored);
    EXPECT_EQ(c.chosen(), (std::vector<int>{3, 6, 9, 12, 15, 18, 21, 24, 27, 40}));
}

TEST(NumberChoice, BoxesAboveTheLottoNeedTwoClicks) {
    NumberChoice c(6, 49);
    EXPECT_EQ(c.click(50), BoxClick::Freed);
    EXPECT_EQ(c.state(50), BoxState::Free);
    EXPECT_EQ(c.click(50), BoxClick::Chose);
    EXPECT_EQ(c.chosen(), std::vector<int>{50});
    EXPECT_EQ(c.click(0), BoxClick::Ignored);
    EXPECT_EQ(c.click(101), BoxClick::Ignored);
}

TEST(NumberChoice, UnchoosingFromAFullQuotaFreesUpToTheLottoOnly) {
    NumberChoice c(3, 40);
    for (int n : {5, 45, 7}) {
        if (c.state(n) == BoxState::Grey) c.click(n);
        c.click(n);
    }
    ASSERT_TRUE(c.full());
    EXPECT_EQ(c.click(45), BoxClick::Unchose);
    EXPECT_EQ(c.chosen(), (std::vector<int>{5, 7}));
    // Grey boxes up to 40 are free again, those above stay grey (45 included).
    EXPECT_EQ(boxesIn(c, BoxState::Free).size(), 38u);
    EXPECT_EQ(c.state(41), BoxState::Grey);
    EXPECT_EQ(c.state(45), BoxState::Grey);
    // From a choice that is not full, a given-up box turns grey and needs two clicks again.
    EXPECT_EQ(c.click(5), BoxClick::Unchose);
    EXPECT_EQ(c.state(5), BoxState::Grey);
    EXPECT_EQ(c.click(5), BoxClick::Freed);
    EXPECT_EQ(c.click(5), BoxClick::Chose);
    EXPECT_EQ(c.chosen(), (std::vector<int>{7, 5}));
    std::array<std::int16_t, 4> target{9, 9, 9, 9};
    c.copyTo(target);
    EXPECT_EQ(target, (std::array<std::int16_t, 4>{7, 5, 0, 0}));
}

TEST(NumberChoice, SetUpFromTheTargetList) {
    // Entries up to the first 0, at most the quota; repeats and numbers past 100 are passed over.
    const std::int16_t list[] = {4, 4, 120, 9, 0, 11};
    NumberChoice c(5, 49, list);
    EXPECT_EQ(c.chosen(), (std::vector<int>{4, 9}));
    EXPECT_FALSE(c.changed());
    const std::int16_t full[] = {1, 2, 60};
    NumberChoice f(3, 49, full);
    EXPECT_TRUE(f.full());
    EXPECT_EQ(f.state(60), BoxState::Chosen);
    EXPECT_EQ(boxesIn(f, BoxState::Grey).size(), 97u);
    EXPECT_EQ(choiceCaption(f), "All Numbers Selected");
}

TEST(NumberChoice, NumbersInLottoAndClearAll) {
    NumberChoice c(4, 49);
    c.click(48);
    EXPECT_FALSE(c.setNumbersInLotto(49));
    EXPECT_TRUE(c.setNumbersInLotto(40));
    // A chosen number above the new value stays chosen; the others turn grey.
    EXPECT_EQ(c.state(48), BoxState::Chosen);
    EXPECT_EQ(c.state(45), BoxState::Grey);
    EXPECT_TRUE(c.setNumbersInLotto(45));
    EXPECT_EQ(c.state(45), BoxState::Free);
    EXPECT_EQ(c.state(46), BoxState::Grey);
    c.clearAll();
    EXPECT_TRUE(c.chosen().empty());
    EXPECT_EQ(boxesIn(c, BoxState::Free).size(), 45u);
    // While the quota is full, boxes coming into range stay grey.
    NumberChoice full(1, 10);
    full.click(3);
    full.setNumbersInLotto(20);
    EXPECT_EQ(full.state(15), BoxState::Grey);
}

TEST(NumberChoice, QuotaChangesOfTheManualGrid) {
    NumberChoice c(6, 49);
    for (int n : {1, 2, 3, 4, 5, 6}) c.click(n);
    ASSERT_TRUE(c.full());
    // A larger quota frees the boxes that were grey only because the quota was full.
    EXPECT_TRUE(c.setQuota(7));
    EXPECT_EQ(c.state(7), BoxState::Free);
    EXPECT_EQ(choiceCaption(c), "Choose 1 More Number");
    // At or below the chosen count the choice is cleared.
    EXPECT_TRUE(c.setQuota(6));
    EXPECT_TRUE(c.chosen().empty());
    EXPECT_FALSE(c.setQuota(6));
}

TEST(NumberChoice, RandomFillStaysWithinTheLottoAndEnds) {
    std::mt19937 g(7);
    NumberChoice c(6, 49);
    const std::vector<int> picked = c.fillRandom(g);
    EXPECT_EQ(picked, c.chosen());
    EXPECT_TRUE(c.full());
    for (int n : picked) EXPECT_TRUE(n >= 1 && n <= 49);
    EXPECT_EQ(std::set<int>(picked.begin(), picked.end()).size(), 6u);

    // Only a box above the lotto is free: the fill cannot reach it and stops.
    NumberChoice tight(5, 3);
    tight.click(60);
    tight.fillRandom(g);
    EXPECT_EQ(tight.chosenCount(), 3);
    EXPECT_EQ(tight.state(60), BoxState::Free);
    EXPECT_EQ(tight.chooseOneRandom(g), 0);

    // The bonus grid's random pick takes one number at a time.
    NumberChoice bonus(3, 49);
    const int one = bonus.chooseOneRandom(g);
    EXPECT_TRUE(one >= 1 && one <= 49);
    EXPECT_EQ(bonus.chosen(), std::vector<int>{one});
}

TEST(NumberChoice, RandomFillIsUniform) {
    std::mt19937 g(12345);
    std::array<int, 10> hits{};
    for (int round = 0; round < 20000; ++round) {
        NumberChoice c(1, 10);
        c.fillRandom(g);
        ++hits[c.chosen()[0] - 1];
    }
    for (int h : hits) EXPECT_NEAR(h, 2000, 200);
}

TEST(NumberChoice, PickingFromASequence) {
    NumberChoice c(3, 49);
    c.click(8);
    c.click(9);
    c.click(9);  // grey now: skipped
    auto p = c.pickFrom({8, 9, 20, 21, 22}, 0);
    EXPECT_EQ(p.numbers, (std::vector<int>{20, 21}));
    EXPECT_EQ(p.next, 4u);
    // The end of the sequence brings the position back to the start.
    NumberChoice d(5, 49);
    p = d.pickFrom({1, 2}, 0);
    EXPECT_EQ(p.next, 0u);
    // Single pick stops after the first number chosen.
    NumberChoice s(3, 49);
    s.click(4);
    p = s.pickFrom({4, 5, 6}, 0, true);
    EXPECT_EQ(p.numbers, std::vector<int>{5});
    EXPECT_EQ(p.next, 2u);
}

// Draws built so that the counts have ties: 1 and 2 are drawn three times, 3 and 4 twice,
// everything else once or never.
std::vector<TicketType> tiedDraws() {
    return {draw(3, 1, 2020, {2, 1, 4}), draw(2, 1, 2020, {1, 2, 3}),
            draw(1, 1, 2020, {4, 3, 1, 2, 5})};
}

TEST(HotColdPicks, ByNumbersWithTies) {
    DataHeader header;
    header.numbersInLotto = 6;
    const std::vector<TicketType> draws = tiedDraws();
    StatisticsSettings settings;
    const PickList hot = hotColdPickList(PickKind::Hot, header, draws, settings);
    EXPECT_FALSE(hot.byPairs);
    EXPECT_EQ(hot.highestNumber, 6);
    // Selection order, first of the greatest count: 1 2 (3 each), 3 4 (2), 5 (1), 6 (0).
    EXPECT_EQ(hot.sequence, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    const PickList cold = hotColdPickList(PickKind::Cold, header, draws, settings);
    EXPECT_EQ(cold.sequence, (std::vector<int>{6, 5, 4, 3, 2, 1}));

    // The grid's numbers in the lotto follow the count.
    NumberChoice c(2, 49);
    auto p = pickHotCold(c, cold);
    EXPECT_EQ(c.numbersInLotto(), 6);
    EXPECT_EQ(p.numbers, (std::vector<int>{6, 5}));
}

TEST(HotColdPicks, ByPairsTakeBothNumbersInTurn) {
    DataHeader header;
    header.numbersInLotto = 5;
    StatisticsSettings settings;
    settings.hotPickMode = 1;
    settings.coldPickMode = 7;  // any value but 0 means pairs
    const std::vector<TicketType> draws = {draw(2, 1, 2020, {4, 2}), draw(1, 1, 2020, {2, 4, 5})};
    const PickList hot = hotColdPickList(PickKind::Hot, header, draws, settings);
    EXPECT_TRUE(hot.byPairs);
    EXPECT_EQ(hot.highestNumber, 0);
    // {4,2} twice, then {5,2} and {5,4} once, then the pairs never drawn in table order.
    ASSERT_GE(hot.sequence.size(), 6u);
    EXPECT_EQ(std::vector<int>(hot.sequence.begin(), hot.sequence.begin() + 6),
              (std::vector<int>{4, 2, 5, 2, 5, 4}));
    EXPECT_EQ(hot.sequence.size(), 20u);
    const PickList cold = hotColdPickList(PickKind::Cold, header, draws, settings);
    // From the bottom of the same list, lower number first.
    EXPECT_EQ(std::vector<int>(cold.sequence.end() - 2, cold.sequence.end()),
              (std::vector<int>{2, 4}));

    NumberChoice c(3, 49);
    auto p = pickHotCold(c, hot);
    EXPECT_EQ(c.numbersInLotto(), 49);  // pairs leave the field alone
    EXPECT_EQ(p.numbers, (std::vector<int>{4, 2, 5}));
    EXPECT_EQ(p.next, 3u);
}

TEST(HotColdPicks, FollowTheSelectedSpan) {
    DataHeader header;
    header.numbersInLotto = 6;
    StatisticsSettings settings;
    settings.toDate = {2, 1, 2020};  // leaves out the newest draw
    std::vector<TicketType> draws = {draw(3, 1, 2020, {6, 6, 6}), draw(2, 1, 2020, {5}),
                                     draw(1, 1, 2020, {5, 4})};
    const PickList hot = hotColdPickList(PickKind::Hot, header, draws, settings);
    EXPECT_EQ(hot.sequence.front(), 5);
}

}  // namespace
}  // namespace qv
