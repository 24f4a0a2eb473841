#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "core/wheels/guarantee.h"
#include "reference_guarantee.h"
#include "test_support.h"

namespace qv {
namespace {

using test::makeWheel;
using test::ticket;

// Answers from a script and writes down everything the check said and asked. A cancel is
// made after draw `cancelAt` (0: never), as a user whose click is seen at the next poll.
struct ScriptedObserver : GuaranteeObserver {
    std::deque<bool> addAnswers;
    std::deque<bool> addAllAnswers;
    long long cancelAt = 0;
    std::vector<int> percents;
    std::vector<std::string> asked;

    void showPercent(int percent) override { percents.push_back(percent); }
    long long cancelledAfter(long long first, long long last) override {
        return cancelAt >= first && cancelAt <= last ? cancelAt : 0;
    }
    bool addCombination(const Combination& draw) override {
        std::string d = "add";
        for (int v : draw) d += " " + std::to_string(v);
        asked.push_back(d);
        return take(addAnswers);
    }
    bool addAll() override {
        asked.push_back("all");
        return take(addAllAnswers);
    }
    static bool take(std::deque<bool>& answers) {
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

std::vector<std::string> rowTexts(const WheelInfo& w) {
    std::vector<std::string> out;
    for (const TicketType& r : w.rows) {
        std::string s;
        for (int j = 0; j < w.numbersPerTicket && j < 10; ++j)
            s += std::to_string(r.numbers[j]) + " ";
        out.push_back(s);
    }
    return out;
}

// --- The fast check against the literal one, on random small wheels ----------------------

struct RandomFamily {
    const char* name;
    bool growing;                // I = P, with random answers
    double cancelShare;          // how often a cancel is scripted
    bool untidyRows;             // positions out of range, repeated, missing
    int maxRows = 25;            // above 64 the rows fill several words of the row counters
    bool highGuarantee = false;  // G = P - 1 or P: the counters rather than the set tables

    friend void PrintTo(const RandomFamily& f, std::ostream* os) { *os << f.name; }
};

class GuaranteeMatchesLiteral : public ::testing::TestWithParam<RandomFamily> {};

TEST_P(GuaranteeMatchesLiteral, OnRandomWheels) {
    const RandomFamily family = GetParam();
    std::mt19937 rng(20240611u + static_cast<unsigned>(family.growing) * 7u +
                     static_cast<unsigned>(family.cancelShare * 100) + family.untidyRows * 3u);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&](double share) {
        return std::uniform_real_distribution<double>()(rng) < share;
    };

    for (int round = 0; round < 500; ++round) {
        const int p = pick(4, 6);
        const int n = pick(1, 15);
        const int i = family.growing ? p : pick(p - 4, p + 4);
        // G mostly within 1..P, sometimes outside it.
        const int g = family.highGuarantee ? pick(p - 1, p)
                      : chance(0.1)        ? pick(-1, p + 2)
                                           : pick(1, p);
        // Keeps the literal check quick: a growing wheel can gain a row for every draw.
        if (n + p - i > (family.growing ? 13 : 16)) continue;
        std::vector<TicketType> rows;
        const int rowCount = pick(0, family.maxRows);
        const int m = n + p - i;
        for (int r = 0; r < rowCount; ++r) {
            TicketType t;
            for (int j = 0; j < p; ++j) {
                int v = pick(1, std::max(n, 1));
                if (family.untidyRows && chance(0.15)) v = pick(-2, m + 3);
                if (!family.untidyRows) {
                    // Distinct positions, as the readers make them.
                    while (std::find(t.numbers.begin(), t.numbers.begin() + j, v) !=
                               t.numbers.begin() + j &&
                           j < n)
                        v = pick(1, n);
                    if (j >= n) v = 0;
                }
                t.numbers[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(v);
            }
            rows.push_back(t);
        }
        WheelInfo fast = makeWheel(n, g, i, p, rows);
        WheelInfo slow = fast;
        ScriptedObserver fastSeen;
        for (int a = 0; a < 40; ++a) {
            fastSeen.addAnswers.push_back(chance(0.85));
            fastSeen.addAllAnswers.push_back(chance(0.3));
        }
        const long long total = guaranteeSubsetCount(GuaranteeTerms::of(fast));
        if (total > 0 && chance(family.cancelShare))
            fastSeen.cancelAt = std::uniform_int_distribution<long long>(1, total)(rng);
        ScriptedObserver slowSeen = fastSeen;

        const GuaranteeResult expected = test::literalGuaranteeCheck(slow, slowSeen);
        const GuaranteeResult got = checkGuarantee(fast, fastSeen);
        SCOPED_TRACE("round " + std::to_string(round) + ": N " + std::to_string(n) + " P " +
                     std::to_string(p) + " G " + std::to_string(g) + " I " + std::to_string(i) +
                     " rows " + std::to_string(rowCount) + " cancel " +
                     std::to_string(fastSeen.cancelAt));
        ASSERT_EQ(got, expected);
        ASSERT_EQ(rowTexts(fast), rowTexts(slow));
        ASSERT_EQ(fast.ticketCount, slow.ticketCount);
        ASSERT_EQ(fastSeen.asked, slowSeen.asked);
        ASSERT_EQ(fastSeen.percents, slowSeen.percents);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, GuaranteeMatchesLiteral,
    ::testing::Values(RandomFamily{"Checks", false, 0.0, false},
                      RandomFamily{"ChecksWithCancels", false, 0.5, false},
                      RandomFamily{"UntidyRows", false, 0.2, true},
                      RandomFamily{"Growing", true, 0.0, false},
                      RandomFamily{"GrowingWithCancels", true, 0.6, false},
                      RandomFamily{"GrowingUntidy", true, 0.3, true},
                      RandomFamily{"ManyRowsHighGuarantee", false, 0.2, false, 400, true},
                      RandomFamily{"GrowingHighGuarantee", true, 0.3, true, 150, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Every added row counts for the draws after it, with the answer "add all" at once: the
// wheel grows the same way from one row on a larger game too.
TEST(Guarantee, GrowingMatchesLiteralOnAMediumGame) {
    for (int g : {2, 3, 4, 5}) {
        WheelInfo fast = makeWheel(13, g, 6, 6, {ticket({1, 2, 3, 4, 5, 6})});
        WheelInfo slow = fast;
        ScriptedObserver a;
        a.addAnswers = {true};
        a.addAllAnswers = {true};
        ScriptedObserver b = a;
        EXPECT_EQ(checkGuarantee(fast, a), test::literalGuaranteeCheck(slow, b)) << "G " << g;
        EXPECT_EQ(rowTexts(fast), rowTexts(slow)) << "G " << g;
        EXPECT_EQ(a.percents, b.percents);
    }
}

// --- The Part's own cases ------------------------------------------------------------------

TEST(Guarantee, FourOfFourWithItsOnlyRowIsValid) {
    WheelInfo w = makeWheel(4, 4, 4, 4, {ticket({1, 2, 3, 4})});
    ScriptedObserver seen;
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_EQ(r.total, 1);
    EXPECT_EQ(r.checked, 1);
    EXPECT_FALSE(r.invalid);
    EXPECT_EQ(guaranteeVerdict(r), GuaranteeVerdict::Valid);
    EXPECT_EQ(seen.percents, std::vector<int>{100});
    EXPECT_EQ(guaranteeReportLines(r, GuaranteeTerms::of(w), 1),
              std::vector<std::string>{"The prize guarantee for this wheeling system is valid !"});
}

TEST(Guarantee, FiveNumbersGrowByFourRowsAfterYesYes) {
    WheelInfo w = makeWheel(5, 4, 4, 4, {ticket({1, 2, 3, 4})});
    ScriptedObserver seen;
    seen.addAnswers = {true};
    seen.addAllAnswers = {true};
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_EQ(seen.asked, (std::vector<std::string>{"add 1 2 3 5", "all"}));
    EXPECT_EQ(rowTexts(w), (std::vector<std::string>{"1 2 3 4 ", "1 2 3 5 ", "1 2 4 5 ", "1 3 4 5 ",
                                                     "2 3 4 5 "}));
    EXPECT_EQ(r.rowsAdded, 4);
    EXPECT_EQ(w.ticketCount, 5);
    EXPECT_EQ(
        guaranteeReportLines(r, GuaranteeTerms::of(w), w.ticketCount),
        (std::vector<std::string>{"Added 4 tickets", "This wheel now has a total of 5 tickets."}));
}

TEST(Guarantee, NoToTheFirstQuestionEndsInvalid) {
    WheelInfo w = makeWheel(5, 4, 4, 4, {ticket({1, 2, 3, 4})});
    ScriptedObserver seen;
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_TRUE(r.invalid);
    EXPECT_EQ(r.checked, 1);
    EXPECT_EQ(r.uncovered, (Combination{1, 2, 3, 5}));
    EXPECT_EQ(w.ticketCount, 1);
    EXPECT_EQ(
        guaranteeReportLines(r, GuaranteeTerms::of(w), 1),
        (std::vector<std::string>{"Wheel guarantee is invalid, starting with : 1-2-3-5",
                                  "The prize guarantee for this wheeling system is invalid !"}));
}

TEST(Guarantee, WithIBelowPTheDrawIsNamedByItsChosenNumbers) {
    // 10 numbers, "3 if 5" on 6: M = 11. The row covers every draw holding 1, 2 and one of
    // 6..9; the first draw without one of those is 1 2 3 4 5 10.
    WheelInfo w = makeWheel(10, 3, 5, 6, {ticket({1, 2, 6, 7, 8, 9})});
    ScriptedObserver seen;
    const GuaranteeResult r = checkGuarantee(w, seen);
    ASSERT_TRUE(r.invalid);
    EXPECT_EQ(r.uncovered, (Combination{1, 2, 3, 4, 5, 10}));
    EXPECT_TRUE(seen.asked.empty());
    EXPECT_EQ(combinationText(r.uncovered, GuaranteeTerms::of(w)), "1-2-3-4-5-10");
    // With I = 4 the draw reaches the numbers not chosen, which the message leaves out.
    w = makeWheel(4, 4, 3, 4, {ticket({2, 3, 4, 1})});
    const GuaranteeResult r2 = checkGuarantee(w, seen);
    ASSERT_TRUE(r2.invalid);
    EXPECT_EQ(r2.uncovered, (Combination{1, 2, 3, 5}));
    EXPECT_EQ(combinationText(r2.uncovered, GuaranteeTerms::of(w)), "1-2-3");
}

TEST(Guarantee, CancelKeepsRowsAddedUpToItAndTheVerdictFollowsTheOrder) {
    // 8 numbers, "4 if 4" from nothing: every draw is added; a cancel after draw 10 keeps 10.
    WheelInfo w = makeWheel(8, 4, 4, 4);
    ScriptedObserver seen;
    seen.addAnswers = {true};
    seen.addAllAnswers = {true};
    seen.cancelAt = 10;
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.checked, 10);
    EXPECT_EQ(r.rowsAdded, 10);
    EXPECT_EQ(guaranteeVerdict(r), GuaranteeVerdict::RowsAdded);

    WheelInfo valid = makeWheel(4, 4, 4, 4, {ticket({1, 2, 3, 4})});
    ScriptedObserver cancelAtEnd;
    cancelAtEnd.cancelAt = 1;
    const GuaranteeResult aborted = checkGuarantee(valid, cancelAtEnd);
    EXPECT_EQ(guaranteeVerdict(aborted), GuaranteeVerdict::Aborted);
    EXPECT_EQ(guaranteeReportLines(aborted, GuaranteeTerms::of(valid), 1),
              std::vector<std::string>{"Confirmation of guarantee was aborted by the user."});
}

TEST(Guarantee, AFullWheelStopsGrowingAndStaysInvalid) {
    // "5 if 5" over 21 numbers needs every one of its 20349 draws; starting from 30000 rows
    // that cover none of them the wheel fills up.
    std::vector<TicketType> rows(30000, ticket({1, 1, 1, 1, 1}));
    WheelInfo w = makeWheel(21, 5, 5, 5, rows);
    ScriptedObserver seen;
    seen.addAnswers = {true};
    seen.addAllAnswers = {true};
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_TRUE(r.full);
    EXPECT_TRUE(r.invalid);
    EXPECT_EQ(r.rowsAdded, 2767);
    EXPECT_EQ(w.rows.size(), WheelInfo::kMaxRows);
    const auto lines = guaranteeReportLines(r, GuaranteeTerms::of(w), w.ticketCount);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("A wheel holds at most 32767 tickets: the combination ", 0), 0u);
    EXPECT_EQ(lines[1], "Added 2767 tickets");
    EXPECT_EQ(lines[2], "This wheel now has a total of 32767 tickets.");
}

// --- Wheels that cannot be checked ---------------------------------------------------------

struct NotCheckableCase {
    int n, g, i, p;
    GuaranteeCheckable why;
    const char* text;
};

class GuaranteeNotCheckable : public ::testing::TestWithParam<NotCheckableCase> {};

TEST_P(GuaranteeNotCheckable, IsRefusedBeforeAnyDraw) {
    const NotCheckableCase c = GetParam();
    WheelInfo w = makeWheel(c.n, c.g, c.i, c.p, {ticket({1, 2, 3, 4})});
    const WheelInfo before = w;
    ScriptedObserver seen;
    const GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_EQ(r.checkable, c.why);
    EXPECT_EQ(r.checked, 0);
    EXPECT_EQ(w, before);
    EXPECT_TRUE(seen.percents.empty());
    EXPECT_EQ(guaranteeReportLines(r, GuaranteeTerms::of(w), 1), std::vector<std::string>{c.text});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuaranteeNotCheckable,
    ::testing::Values(
        NotCheckableCase{10, 3, 6, 7, GuaranteeCheckable::WrongTicketSize,
                         "Can't Confirm This Type of Wheel"},
        NotCheckableCase{10, 3, 3, 3, GuaranteeCheckable::WrongTicketSize,
                         "Can't Confirm This Type of Wheel"},
        NotCheckableCase{0, 3, 6, 6, GuaranteeCheckable::NoNumbers,
                         "This wheel cannot be checked: its numbers to wheel (0) are not from 1 "
                         "to 100."},
        NotCheckableCase{101, 3, 6, 6, GuaranteeCheckable::NoNumbers,
                         "This wheel cannot be checked: its numbers to wheel (101) are not from "
                         "1 to 100."},
        NotCheckableCase{100, 3, -5, 6, GuaranteeCheckable::TooManyCandidates,
                         "This wheel cannot be checked: it needs 111 candidate numbers, more "
                         "than 109."}));

TEST(Guarantee, FewerCandidatesThanADrawHoldsLeaveNothingToCheck) {
    // A record read from a file can ask for any "if": M = 10 + 6 - 30000 is far below zero.
    for (int i : {12, 30000}) {
        WheelInfo w = makeWheel(10, 3, i, 6, {ticket({1, 2, 3, 4, 5, 6})});
        ScriptedObserver seen;
        const GuaranteeResult r = checkGuarantee(w, seen);
        EXPECT_EQ(r.total, 0);
        EXPECT_EQ(guaranteeVerdict(r), GuaranteeVerdict::Valid);
        EXPECT_TRUE(seen.percents.empty());
    }
}

TEST(Guarantee, ALargeGameCountsEveryDraw) {
    // 100 numbers, "3 if 7" on 6: M = 99 and no draw can hold 7 chosen numbers, so all
    // C(99, 6) draws are counted and the guarantee holds.
    WheelInfo w = makeWheel(100, 3, 7, 6, {ticket({1, 2, 3, 4, 5, 6})});
    ScriptedObserver seen;
    GuaranteeResult r = checkGuarantee(w, seen);
    EXPECT_EQ(r.total, 1120529256LL);
    EXPECT_FALSE(r.invalid);
    EXPECT_EQ(r.checked, r.total);
    EXPECT_EQ(seen.percents.size(), 101u);
}

}  // namespace
}  // namespace qv
