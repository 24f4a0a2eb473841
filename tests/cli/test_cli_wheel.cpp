// wheel import and wheel check, through the real binary. Expected answers for large wheels come
// from a plain bitmask search written here, not from the program's own check.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "test_support.h"

namespace {

using qv::test::CliRun;
using qv::test::runCli;
using qv::test::slurp;

using qv::Bytes;
using qv::test::put16;
using qv::test::TempDir;

CliRun cli(const TempDir&, const std::vector<std::string>& args) {
    return runCli(args);
}

using Row = std::vector<int>;

// A wheeling-table file from its documented layout.
std::string writeWheel(const TempDir& dir, const std::string& name, int n, int g, int per,
                       int guaranteeIf, const std::vector<Row>& rows,
                       const std::string& description = "Test") {
    Bytes b =
        qv::test::wheelRecord(description, n, static_cast<int>(rows.size()), g, per, guaranteeIf);
    for (const Row& r : rows)
        for (int j = 0; j < per; ++j) put16(b, j < static_cast<int>(r.size()) ? r[j] : 0);
    const std::string path = dir.file(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return path;
}

std::string writeText(const TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

int field(const std::string& bytes, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// The rows of a wheeling-table file, read by offset: the record, then per-ticket positions.
std::vector<Row> rowsOf(const std::string& path) {
    const std::string bytes = slurp(path);
    std::vector<Row> rows;
    if (bytes.size() < 35) return rows;
    const int count = field(bytes, 27);
    const int per = field(bytes, 31);
    for (int k = 0; k < count; ++k) {
        Row r;
        for (int j = 0; j < per; ++j) r.push_back(field(bytes, 35 + 2 * (k * per + j)));
        rows.push_back(r);
    }
    return rows;
}

const std::string kValid = "The prize guarantee for this wheeling system is valid !\n";
const std::string kInvalid = "The prize guarantee for this wheeling system is invalid !\n";

std::string invalidFrom(const std::string& draw) {
    return "Wheel guarantee is invalid, starting with : " + draw + "\n" + kInvalid;
}

// --- A plain search for the expected answers (candidates up to 64) --------------------------

struct Game {
    int n, g, i, p;
    int m() const { return n + p - i; }
};

std::uint64_t maskOf(const Row& r) {
    std::uint64_t m = 0;
    for (int v : r)
        if (v >= 1 && v <= 64) m |= std::uint64_t{1} << (v - 1);
    return m;
}

// The first relevant draw (lexicographic) that no row holds G of. With `only`, draws of which
// that mask holds fewer than G are skipped: the ones a removed row alone could have covered.
std::optional<Row> firstUncovered(const Game& game, const std::vector<Row>& rows,
                                  std::uint64_t only = ~std::uint64_t{0}) {
    std::vector<std::uint64_t> masks;
    for (const Row& r : rows) masks.push_back(maskOf(r));
    const std::uint64_t chosen =
        game.n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << game.n) - 1;
    Row d(static_cast<std::size_t>(game.p));
    for (int k = 0; k < game.p; ++k) d[k] = k + 1;
    while (true) {
        const std::uint64_t dm = maskOf(d);
        if (std::popcount(dm & chosen) >= game.i && std::popcount(dm & only) >= game.g) {
            bool covered = false;
            for (std::uint64_t r : masks)
                if (std::popcount(r & dm) >= game.g) {
                    covered = true;
                    break;
                }
            if (!covered) return d;
        }
        int k = game.p - 1;
        while (k >= 0 && d[k] == game.m() - game.p + k + 1) --k;
        if (k < 0) return std::nullopt;
        ++d[k];
        for (int j = k + 1; j < game.p; ++j) d[j] = d[j - 1] + 1;
    }
}

std::string drawText(const Row& d, const Game& game) {
    std::string s;
    for (int v : d) {
        if (game.i != game.p && v > game.n) continue;
        s += (s.empty() ? "" : "-") + std::to_string(v);
    }
    return s;
}

Row firstRow(int p) {
    Row r;
    for (int k = 1; k <= p; ++k) r.push_back(k);
    return r;
}

// --- wheel import ----------------------------------------------------------------------------

struct ImportCase {
    const char* name;
    std::string text;
    std::vector<std::string> options;
    int status;
    std::string out;
    std::string err;
    std::vector<Row> rows;  // of OUT; none: OUT is not written

    friend void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }
};

class WheelImport : public ::testing::TestWithParam<ImportCase> {};

TEST_P(WheelImport, PrintsAndWrites) {
    const ImportCase& c = GetParam();
    TempDir dir;
    const std::string text = writeText(dir, "rows.txt", c.text);
    const std::string out = dir.file("out.wl");
    std::vector<std::string> args{"wheel", "import", text, out};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun r = cli(dir, args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, c.out);
    EXPECT_EQ(r.err, c.err);
    if (c.rows.empty()) {
        EXPECT_FALSE(std::ifstream(out).good());
    } else {
        EXPECT_EQ(rowsOf(out), c.rows);
    }
}

const std::vector<std::string> kFourOfFour{"--per-ticket", "4", "--guarantee", "4", "--if", "4"};

std::vector<std::string> with(std::vector<std::string> a, std::vector<std::string> b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelImport,
    ::testing::Values(
        ImportCase{"FourNumbersValid",
                   "1 2 3 4\n",
                   with(kFourOfFour, {"--numbers", "4", "--confirm"}),
                   0,
                   kValid,
                   "",
                   {{1, 2, 3, 4}}},
        ImportCase{"FiveNumbersInvalid",
                   "1 2 3 4\n",
                   with(kFourOfFour, {"--numbers", "5", "--confirm"}),
                   0,
                   invalidFrom("1-2-3-5"),
                   "",
                   {{1, 2, 3, 4}}},
        ImportCase{"FiveNumbersAddAll",
                   "1-2-3-4\n",
                   with(kFourOfFour, {"--numbers", "5", "--confirm", "--add-all"}),
                   0,
                   "Added 4 tickets\nThis wheel now has a total of 5 tickets.\n",
                   "",
                   {{1, 2, 3, 4}, {1, 2, 3, 5}, {1, 2, 4, 5}, {1, 3, 4, 5}, {2, 3, 4, 5}}},
        ImportCase{"AddAllWithoutConfirmChecksNothing",
                   "1 2 3 4\n",
                   with(kFourOfFour, {"--numbers", "5", "--add-all"}),
                   0,
                   "",
                   "",
                   {{1, 2, 3, 4}}},
        ImportCase{"Semicolon",
                   "1 2 3 4\n1;2;3;4\n",
                   with(kFourOfFour, {"--confirm"}),
                   1,
                   "",
                   "This file contains illegal char ';'\n",
                   {}},
        ImportCase{"NoRows", "\n  \n", {}, 1, "", "This file holds no wheel rows.\n", {}},
        ImportCase{"OutOfRange",
                   "1 2 3 4 5 11\n",
                   {"--confirm"},
                   1,
                   "",
                   "Line 1 holds 11, which is not a position from 1 to 10.\n",
                   {}},
        ImportCase{"Defaults",
                   "4 1 9 2 7 3 8\n3 5\n",
                   {},
                   0,
                   "",
                   "",
                   {{4, 1, 9, 2, 7, 3}, {3, 5, 0, 0, 0, 0}}},
        ImportCase{"SevenPerTicketCannotBeConfirmed",
                   "1 2 3 4 5 6 7\n",
                   {"--per-ticket", "7", "--confirm"},
                   0,
                   "Can't Confirm This Type of Wheel\n",
                   "",
                   {{1, 2, 3, 4, 5, 6, 7}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelImportFile, RecordHoldsTheOptionsAndTheRows) {
    TempDir dir;
    const std::string text = writeText(dir, "rows.txt", "1 2 3 4 5\r\n2,3,4,5,6\r\n");
    const std::string out = dir.file("w.wl5");
    const CliRun r =
        cli(dir, {"wheel", "import", text, out, "--description", "Five of six, nine", "--numbers",
                  "6", "--guarantee", "4", "--if", "5", "--per-ticket", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    Bytes expected = qv::test::wheelRecord("Five of six, nine", 6, 2, 4, 5, 5);
    for (int v : {1, 2, 3, 4, 5, 2, 3, 4, 5, 6}) put16(expected, v);
    EXPECT_EQ(slurp(out), std::string(expected.begin(), expected.end()));
}

TEST(WheelImportFile, UsageErrors) {
    TempDir dir;
    const std::string text = writeText(dir, "rows.txt", "1 2 3 4\n");
    for (const auto& [args, message] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"wheel", "import", text}, "wheel import takes TEXTFILE and OUT"},
             {{"wheel", "import", text, dir.file("o"), "--per-ticket", "3"},
              "--per-ticket must be from 4 to 10: 3"},
             {{"wheel", "import", text, dir.file("o"), "--numbers", "101"},
              "--numbers must be from 1 to 100: 101"},
             {{"wheel", "import", text, dir.file("o"), "--if"}, "--if needs a value"},
             {{"wheel", "check"}, "wheel check takes one FILE"},
             {{"wheel", "check", text, "--add-all"}, "--add-all needs an OUT file"},
             {{"wheel", "check", text, "extra"}, "unexpected argument: extra"}}) {
        const CliRun r = cli(dir, args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.err.rfind("quorvantile-cli: " + message + "\n", 0), 0u) << r.err;
    }
    EXPECT_EQ(cli(dir, {"wheel", "check", dir.file("missing.wl6")}).err,
              "Error opening file: " + dir.file("missing.wl6") + ": No such file or directory\n");
}

// --- wheel check -----------------------------------------------------------------------------

TEST(WheelCheck, StatusesOfThePartsSmallCases) {
    TempDir dir;
    const std::string four = writeWheel(dir, "four.wl4", 4, 4, 4, 4, {{1, 2, 3, 4}});
    CliRun r = cli(dir, {"wheel", "check", four});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kValid);

    const std::string five = writeWheel(dir, "five.wl4", 5, 4, 4, 4, {{1, 2, 3, 4}});
    r = cli(dir, {"wheel", "check", five});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, invalidFrom("1-2-3-5"));

    const std::string grown = dir.file("grown.wl4");
    r = cli(dir, {"wheel", "check", five, "--add-all", grown});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Added 4 tickets\nThis wheel now has a total of 5 tickets.\n");
    EXPECT_EQ(rowsOf(grown).size(), 5u);
    EXPECT_EQ(rowsOf(five).size(), 1u);

    // Nothing to add: OUT is not written.
    const std::string same = dir.file("same.wl4");
    r = cli(dir, {"wheel", "check", four, "--add-all", same});
    EXPECT_EQ(r.out, kValid);
    EXPECT_FALSE(std::ifstream(same).good());

    // With I below P the draw is named by its chosen numbers and nothing is added.
    const std::string below = writeWheel(dir, "below.wl4", 4, 4, 4, 3, {{1, 2, 3, 4}});
    r = cli(dir, {"wheel", "check", below, "--add-all", same});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, invalidFrom("1-2-3"));
    EXPECT_FALSE(std::ifstream(same).good());
}

TEST(WheelCheck, WheelsThatCannotBeChecked) {
    TempDir dir;
    struct Case {
        int n, g, per, i;
        std::string out;
    };
    for (const Case& c : {Case{10, 3, 7, 6, "Can't Confirm This Type of Wheel\n"},
                          Case{10, 3, 11, 6, "Can't Confirm This Type of Wheel\n"},
                          Case{0, 3, 6, 6,
                               "This wheel cannot be checked: its numbers to wheel (0) are not "
                               "from 1 to 100.\n"},
                          Case{100, 3, 6, -4,
                               "This wheel cannot be checked: it needs 110 candidate numbers, "
                               "more than 109.\n"}}) {
        const std::string path = writeWheel(dir, "w.wl", c.n, c.g, c.per, c.i, {{1, 2, 3, 4}});
        const CliRun r = cli(dir, {"wheel", "check", path});
        EXPECT_EQ(r.status, 4) << c.out;
        EXPECT_EQ(r.out, c.out);
    }
}

// Grows a wheel from its first row with `wheel check --add-all`, checks it valid, then takes
// rows out and compares the first uncovered draw with the plain search.
void growCheckAndRemove(const TempDir& dir, const Game& game, std::size_t removals) {
    SCOPED_TRACE("N " + std::to_string(game.n) + " " + std::to_string(game.g) + " if " +
                 std::to_string(game.i) + " on " + std::to_string(game.p));
    const std::string seed =
        writeWheel(dir, "seed.wl", game.n, game.g, game.p, game.i, {firstRow(game.p)});
    const std::string grown = dir.file("grown.wl");
    CliRun r = cli(dir, {"wheel", "check", seed, "--add-all", grown});
    ASSERT_EQ(r.status, 0) << r.out;
    const std::vector<Row> rows = rowsOf(grown);
    EXPECT_EQ(r.out, "Added " + std::to_string(rows.size() - 1) +
                         " tickets\nThis wheel now has a total of " + std::to_string(rows.size()) +
                         " tickets.\n");
    r = cli(dir, {"wheel", "check", grown});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kValid);

    for (std::size_t k = 0; k < removals && k < rows.size(); ++k) {
        std::vector<Row> fewer = rows;
        const std::size_t at = (k * 7919) % rows.size();
        const Row removed = fewer[at];
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(at));
        const std::string path = writeWheel(dir, "fewer.wl", game.n, game.g, game.p, game.i, fewer);
        const std::optional<Row> expected = firstUncovered(game, fewer, maskOf(removed));
        r = cli(dir, {"wheel", "check", path});
        if (expected) {
            EXPECT_EQ(r.status, 3);
            EXPECT_EQ(r.out, invalidFrom(drawText(*expected, game)));
        } else {
            EXPECT_EQ(r.status, 0);
            EXPECT_EQ(r.out, kValid);
        }
    }
}

TEST(WheelCheck, SixOfFortyNineThreeIfSix) {
    TempDir dir;
    const Game game{49, 3, 6, 6};
    growCheckAndRemove(dir, game, 3);
    // The grown wheel holds the guarantee by the plain search too.
    const std::string grown = dir.file("grown.wl");
    EXPECT_EQ(firstUncovered(game, rowsOf(grown)), std::nullopt);
}

TEST(WheelCheck, SixOfFortyNineFourIfSix) {
    TempDir dir;
    growCheckAndRemove(dir, Game{49, 4, 6, 6}, 2);
}

TEST(WheelCheck, FiveOfThirtyNineAndFourOfTwenty) {
    TempDir dir;
    growCheckAndRemove(dir, Game{39, 3, 5, 5}, 3);
    growCheckAndRemove(dir, Game{39, 4, 5, 5}, 2);
    growCheckAndRemove(dir, Game{20, 3, 4, 4}, 3);
    growCheckAndRemove(dir, Game{20, 4, 4, 4}, 3);
}

TEST(WheelCheck, TenToThirtyNumbersOnSix) {
    TempDir dir;
    for (int n = 10; n <= 30; ++n) growCheckAndRemove(dir, Game{n, 3, 6, 6}, 2);
    // A "3 if 6" wheel asked for "3 if 5" or "4 if 6" fails where the plain search says.
    for (int n : {10, 15, 20, 25, 30}) {
        for (const Game& other : {Game{n, 3, 5, 6}, Game{n, 4, 6, 6}}) {
            const std::string seed = writeWheel(dir, "seed.wl", n, 3, 6, 6, {firstRow(6)});
            cli(dir, {"wheel", "check", seed, "--add-all", dir.file("g.wl")});
            const std::vector<Row> rows = rowsOf(dir.file("g.wl"));
            const std::string path = writeWheel(dir, "o.wl", n, other.g, 6, other.i, rows);
            const std::optional<Row> expected = firstUncovered(other, rows);
            const CliRun r = cli(dir, {"wheel", "check", path});
            EXPECT_EQ(r.status, expected ? 3 : 0);
            EXPECT_EQ(r.out, expected ? invalidFrom(drawText(*expected, other)) : kValid);
        }
    }
}

TEST(WheelCheck, SixOfFortyNineThreeIfThreeAndFiveIfFive) {
    TempDir dir;
    // Every set of three of 1..49 in a row: each set with the three smallest numbers beside it.
    std::vector<Row> rows;
    for (int a = 1; a <= 49; ++a)
        for (int b = a + 1; b <= 49; ++b)
            for (int c = b + 1; c <= 49; ++c) {
                Row r{a, b, c};
                for (int x = 1; r.size() < 6; ++x)
                    if (x != a && x != b && x != c) r.push_back(x);
                std::sort(r.begin(), r.end());
                rows.push_back(r);
            }
    const Game threeIfThree{49, 3, 3, 6};
    std::string path = writeWheel(dir, "t.wl6", 49, 3, 6, 3, rows);
    CliRun r = cli(dir, {"wheel", "check", path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, kValid);

    // Without the row of 20 21 22, that set is held by no other row.
    const auto gone = std::find(rows.begin(), rows.end(), Row{1, 2, 3, 20, 21, 22});
    ASSERT_NE(gone, rows.end());
    const Row removed = *gone;
    rows.erase(gone);
    path = writeWheel(dir, "t.wl6", 49, 3, 6, 3, rows);
    const std::optional<Row> expected = firstUncovered(threeIfThree, rows, maskOf(removed));
    ASSERT_TRUE(expected);
    r = cli(dir, {"wheel", "check", path});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, invalidFrom(drawText(*expected, threeIfThree)));

    // "5 if 5" asks far more of the same rows.
    const Game fiveIfFive{49, 5, 5, 6};
    path = writeWheel(dir, "f.wl6", 49, 5, 6, 5, rows);
    const std::optional<Row> first = firstUncovered(fiveIfFive, rows);
    ASSERT_TRUE(first);
    r = cli(dir, {"wheel", "check", path});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, invalidFrom(drawText(*first, fiveIfFive)));
}

}  // namespace
