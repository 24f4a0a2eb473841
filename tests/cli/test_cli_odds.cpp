// tickets odds and wheel profile through the real binary. The expected counts come from a
// plain count over bit masks written here.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "test_support.h"

namespace {

using qv::Bytes;
using qv::test::CliRun;
using qv::test::runCli;
using qv::test::TempDir;
using Numbers = std::vector<int>;

std::uint32_t maskOf(const Numbers& numbers) {
    std::uint32_t m = 0;
    for (int n : numbers) m |= std::uint32_t{1} << (n - 1);
    return m;
}

// Every draw of `per` out of 1..lotto (lotto below 32) as a mask, and with `ball` every ball
// left; each ticket's best score; the printed report.
std::string expectedOdds(const std::vector<Numbers>& tickets, int lotto, int per, bool ball) {
    std::vector<std::uint64_t> count(static_cast<std::size_t>(2 * per + 2), 0);  // by 2m + ball
    std::uint64_t draws = 0;
    for (std::uint32_t d = 0; d < (std::uint32_t{1} << lotto); ++d) {
        if (std::popcount(d) != per) continue;
        for (int b = ball ? 1 : 0; b <= (ball ? lotto : 0); ++b) {
            const std::uint32_t bm = b ? std::uint32_t{1} << (b - 1) : 0;
            if (bm & d) continue;
            int best = 0;
            for (const Numbers& t : tickets) {
                const int m = std::popcount(maskOf(t) & d);
                best = std::max(best, m == per ? 2 * per : 2 * m + ((maskOf(t) & bm) ? 1 : 0));
            }
            ++count[static_cast<std::size_t>(best)];
            ++draws;
        }
    }
    std::string out = "Draws: " + std::to_string(draws) + "\n";
    for (int m = per; m >= 0; --m) {
        if (ball && m < per)
            out += "Best " + std::to_string(m) + "+B: " +
                   std::to_string(count[static_cast<std::size_t>(2 * m + 1)]) + "\n";
        out += "Best " + std::to_string(m) + ": " +
               std::to_string(count[static_cast<std::size_t>(2 * m)]) + "\n";
    }
    return out;
}

// The profile of rows over positions 1..n, as printed.
std::string expectedProfile(const std::vector<Numbers>& rows, int n, int per) {
    std::string out;
    for (int i = std::min(n, per); i >= 1; --i) {
        std::vector<std::uint64_t> count(static_cast<std::size_t>(i + 1), 0);
        for (std::uint32_t s = 0; s < (std::uint32_t{1} << n); ++s) {
            if (std::popcount(s) != i) continue;
            int best = 0;
            for (const Numbers& r : rows) best = std::max(best, std::popcount(maskOf(r) & s));
            ++count[static_cast<std::size_t>(best)];
        }
        out += "If " + std::to_string(i) + ":";
        for (int m = i; m >= 0; --m)
            out += " " + std::to_string(m) + ":" + std::to_string(count[static_cast<std::size_t>(m)]);
        out += "\n";
    }
    return out;
}

void write(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes wheelFile(int n, int g, int per, int guaranteeIf, const std::vector<Numbers>& rows) {
    Bytes b = qv::test::wheelRecord("Test", n, static_cast<int>(rows.size()), g, per, guaranteeIf);
    for (const Numbers& r : rows)
        for (int j = 0; j < per; ++j) qv::test::put16(b, j < int(r.size()) ? r[j] : 0);
    return b;
}

struct OddsCase {
    const char* name;
    int per;
    std::vector<Numbers> tickets;
    std::vector<std::string> options;  // after the file
    int status;
    std::string err;  // the first line of standard error; for status 0, the expected output comes
                      // from the count above
    friend void PrintTo(const OddsCase& c, std::ostream* os) { *os << c.name; }
};

class TicketsOdds : public ::testing::TestWithParam<OddsCase> {};

TEST_P(TicketsOdds, CountsEveryDrawOrRefuses) {
    const OddsCase& c = GetParam();
    TempDir dir;
    const std::string file = dir.file("t.qvt");
    write(file, qv::test::manualTicketFile(c.per, 49, c.tickets));
    std::vector<std::string> args{"tickets", "odds", file};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun r = runCli(args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.status == 0) {
        const int lotto = std::stoi(*(std::find(c.options.begin(), c.options.end(), "--lotto") + 1));
        const bool ball =
            std::find(c.options.begin(), c.options.end(), "--bonus-ball") != c.options.end();
        EXPECT_EQ(r.out, expectedOdds(c.tickets, lotto, c.per, ball));
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1), c.err);
    }
}

const std::vector<Numbers> kSharing{{1, 2, 3, 4}, {3, 4, 5, 6}, {1, 2, 3, 4}, {7, 11, 14, 15}, {2, 4, 6, 8}};

INSTANTIATE_TEST_SUITE_P(
    Cases, TicketsOdds,
    ::testing::Values(
        OddsCase{"SharedAndRepeatedTickets", 4, kSharing, {"--lotto", "15"}, 0, ""},
        OddsCase{"WithTheBall", 4, kSharing, {"--bonus-ball", "--lotto", "15"}, 0, ""},
        OddsCase{"FiveOfEighteenWithTheBall", 5, {{1, 5, 9, 13, 17}, {2, 5, 9, 14, 18}, {3, 4, 5, 6, 7}},
                 {"--lotto", "18", "--bonus-ball"}, 0, ""},
        OddsCase{"NoTickets", 3, {}, {"--lotto", "10", "--bonus-ball"}, 0, ""},
        OddsCase{"NoBallLeft", 4, {{1, 2, 3, 4}, {1, 2}}, {"--lotto", "4", "--bonus-ball"}, 0, ""},
        OddsCase{"NumberAboveTheGame", 4, kSharing, {"--lotto", "14"}, 2,
                 "quorvantile-cli: Ticket 4 holds 15, which is not one of the numbers 1 to 14.\n"},
        OddsCase{"GameBelowATicket", 4, {}, {"--lotto", "3"}, 2,
                 "quorvantile-cli: A game of 3 numbers cannot draw 4.\n"},
        OddsCase{"GameAboveAHundred", 4, {}, {"--lotto", "101"}, 2,
                 "quorvantile-cli: --lotto must be from 1 to 100: 101\n"},
        OddsCase{"NoGame", 4, {}, {"--bonus-ball"}, 2,
                 "quorvantile-cli: tickets odds needs --lotto L\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TicketsOddsFile, MissingOrUnreadableIsAFileError) {
    TempDir dir;
    const CliRun missing = runCli({"tickets", "odds", dir.file("none.qvt"), "--lotto", "49"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "Error opening file: " + dir.file("none.qvt") + ": No such file or directory\n");
    const CliRun profile = runCli({"wheel", "profile", dir.file("none.wl6")});
    EXPECT_EQ(profile.status, 1);
    EXPECT_EQ(profile.err,
              "Error opening file: " + dir.file("none.wl6") + ": No such file or directory\n");
}

// A wheel ticket file is counted on its tickets (the numbers chosen), and the wheel's
// profile on its rows; a wheel of fewer numbers than a row holds has lines up to N only.
TEST(WheelProfile, SmallWheelsAndTheirTicketFiles) {
    TempDir dir;
    const std::vector<Numbers> rows{{1, 2, 3}, {1, 4, 5}, {2, 3, 5}, {2, 4, 6}};
    write(dir.file("six.wl3"), wheelFile(6, 2, 3, 3, rows));
    CliRun r = runCli({"wheel", "profile", dir.file("six.wl3")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expectedProfile(rows, 6, 3));

    const std::vector<Numbers> shortRows{{1, 2}, {3}, {2, 3}};
    write(dir.file("three.wl5"), wheelFile(3, 1, 5, 1, shortRows));
    r = runCli({"wheel", "profile", dir.file("three.wl5")});
    EXPECT_EQ(r.out, expectedProfile(shortRows, 3, 5));
    EXPECT_EQ(r.out.substr(0, 5), "If 3:");

    ASSERT_EQ(runCli({"wheel", "apply", dir.file("six.wl3"), dir.file("w.qvt"), "20", "4", "9",
                      "13", "2", "17"})
                  .status,
              0);
    r = runCli({"tickets", "odds", dir.file("w.qvt"), "--lotto", "20", "--bonus-ball"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, expectedOdds({{20, 4, 9}, {20, 13, 2}, {4, 9, 2}, {4, 13, 17}}, 20, 3, true));
}

}  // namespace
