#include <gtest/gtest.h>

#include "core/entry/past_performance.h"
#include "test_support.h"

namespace {

using qv::test::draw;
using qv::test::ticket;

// Newest first; the middle draw has a bonus number.
const std::vector<qv::TicketType> kEntries = {
    draw(3, 5, 2024, {1, 2, 3, 4, 5, 6}),
    draw(3, 2, 2024, {1, 2, 3, 10, 11, 12}, {7}),
    draw(2, 28, 2024, {20, 21, 22, 23, 24, 25}),
};
const std::vector<qv::TicketType> kTickets = {
    ticket({1, 2, 3, 4, 5, 6}, {7}),
    ticket({1, 2, 3, 40, 41, 42}),
    ticket({20, 21, 22, 23, 1, 2}),
};

const std::string kHeading = "the open ticket file returned the following results:\n\n";

struct Check {
    std::size_t clicked;
    std::string text;
};

class PastPerformanceText : public ::testing::TestWithParam<Check> {};

TEST_P(PastPerformanceText, TotalsEveryDrawFromTheNewestDownToTheClickedOne) {
    const qv::PastPerformance r = qv::checkPastPerformance(kEntries, kTickets, GetParam().clicked);
    EXPECT_EQ(qv::pastPerformanceText(r), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, PastPerformanceText,
    ::testing::Values(
        // The newest draw alone: one entry, its date, four levels for six numbers.
        Check{0, "For the last 1 entries (up to and including 3/5/2024)\n" + kHeading +
                     "3/6 =    1\n4/6 =    0\n5/6 =    0\n6/6 =    1\n"},
        // The last draw checked has a bonus number: the bonus totals follow.
        Check{1, "For the last 2 entries (up to and including 3/2/2024)\n" + kHeading +
                     "3/6 =    3 +Bonus =   1\n4/6 =    0 +Bonus =   0\n"
                     "5/6 =    0 +Bonus =   0\n6/6 =    1 +Bonus =   0\n"},
        Check{2, "For the last 3 entries (up to and including 2/28/2024)\n" + kHeading +
                     "3/6 =    3\n4/6 =    1\n5/6 =    0\n6/6 =    1\n"},
        // Past the end: the oldest.
        Check{7, "For the last 3 entries (up to and including 2/28/2024)\n" + kHeading +
                     "3/6 =    3\n4/6 =    1\n5/6 =    0\n6/6 =    1\n"}));

TEST(PastPerformance, LevelsFollowTheNewestDrawsSize) {
    std::vector<qv::TicketType> entries = kEntries;
    entries[0] = draw(3, 5, 2024, {1, 2, 3, 4});
    const qv::PastPerformance r = qv::checkPastPerformance(entries, kTickets, 0);
    EXPECT_EQ(r.k, 4);
    EXPECT_EQ(qv::pastPerformanceText(r),
              "For the last 1 entries (up to and including 3/5/2024)\n" + kHeading +
                  "3/4 =    1\n4/4 =    1\n");
    EXPECT_EQ(qv::checkPastPerformance({}, kTickets, 0).entriesChecked, 0u);
}

TEST(PastPerformance, TotalsWiderThanTheFieldAreWrittenWhole) {
    const std::vector<qv::TicketType> many(12345, ticket({1, 2, 3, 9, 9, 9}));
    const qv::PastPerformance r = qv::checkPastPerformance(kEntries, many, 0);
    EXPECT_NE(qv::pastPerformanceText(r).find("3/6 = 12345\n"), std::string::npos);
}

// Notes what the check reports and cancels at the chosen poll.
class ScriptedProgress : public qv::ProgressReporter {
public:
    explicit ScriptedProgress(int cancelAtPoll = -1) : cancelAt_(cancelAtPoll) {}
    void open(const std::string& caption) override { captions.push_back(caption); }
    void show(int percent) override { shown.push_back(percent); }
    bool cancelled() override { return polls++ == cancelAt_; }
    void close() override { ++closed; }

    std::vector<std::string> captions;
    std::vector<int> shown;
    int polls = 0;
    int closed = 0;

private:
    int cancelAt_;
};

TEST(PastPerformance, ReportsProgressPerDraw) {
    const std::vector<qv::TicketType> entries(5, draw(1, 1, 2024, {1, 2, 3, 4, 5, 6}));
    ScriptedProgress progress;
    const qv::PastPerformance r = qv::checkPastPerformance(entries, kTickets, 4, &progress);
    EXPECT_EQ(r.entriesChecked, 5u);
    EXPECT_EQ(progress.captions, (std::vector<std::string>{"Checking database entries..."}));
    EXPECT_EQ(progress.shown, (std::vector<int>{0, 25, 50, 75, 100}));
    EXPECT_EQ(progress.closed, 1);
}

TEST(PastPerformance, ACancelDuringTheFirstDrawGivesATextForOneDraw) {
    ScriptedProgress progress(0);
    const qv::PastPerformance r = qv::checkPastPerformance(kEntries, kTickets, 2, &progress);
    EXPECT_EQ(r.entriesChecked, 1u);
    EXPECT_EQ(qv::pastPerformanceText(r).rfind(
                  "For the last 1 entries (up to and including 3/5/2024)\n", 0),
              0u);
    EXPECT_EQ(progress.closed, 1);
}

struct Click {
    int horizontal;
    int charWidth;
    int x;
    bool reaches;
};

class DoubleClick : public ::testing::TestWithParam<Click> {};

TEST_P(DoubleClick, ReachesThePastPerformanceOnlyInTheLeftPartOfTheList) {
    EXPECT_EQ(qv::isPastPerformanceClick(GetParam().horizontal, GetParam().charWidth, GetParam().x),
              GetParam().reaches);
}

INSTANTIATE_TEST_SUITE_P(Points, DoubleClick,
                         ::testing::Values(Click{0, 8, 9, false}, Click{0, 8, 10, true},
                                           Click{0, 8, 249, true}, Click{0, 8, 250, false},
                                           Click{2, 8, 0, true}, Click{30, 8, 20, false},
                                           Click{0, 8, -5, false}));

}  // namespace
