// wheel rows|apply, tickets new|add|delete|bonus|arrange|export, pick hot|cold and
// list create|show, through the real binary. The files it writes are compared byte for byte
// with fixtures built here from the documented layouts.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "core/util/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using CliResult = qv::test::CliRun;
using qv::test::runCli;

using qv::Bytes;
using qv::test::put16;
using qv::test::put32;
using qv::test::put8;

using qv::test::putTicket;

Bytes manualFile(int perTicket, int lotto, const std::vector<std::vector<int>>& tickets,
                 const std::vector<std::vector<int>>& bonus = {}) {
    return qv::test::manualTicketFile(perTicket, lotto, tickets, bonus);
}

Bytes listFile(const std::vector<int>& numbers) {
    Bytes b;
    put32(b, static_cast<long long>(numbers.size()));
    for (std::size_t k = 0; k < 100; ++k) put32(b, k < numbers.size() ? numbers[k] : 0);
    return b;
}

class CliTickets : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            if (c == '/') c = '_';
        dir =
            fs::temp_directory_path() / ("qv_cli_tickets_" + std::to_string(getpid()) + "_" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    CliResult cli(const std::vector<std::string>& args) const { return runCli(args); }
    Bytes bytes(const std::string& name) const { return qv::readWholeFile(path(name)).value(); }
    void write(const std::string& name, const Bytes& b) const {
        ASSERT_TRUE(qv::writeFileAtomic(path(name), b));
    }
    void ok(const std::vector<std::string>& args) const {
        const CliResult r = cli(args);
        ASSERT_EQ(r.status, 0) << r.err;
    }

    fs::path dir;
};

// A wheel of 5 numbers, 3 tickets of 3, guaranteeing 2 if 3.
Bytes smallWheel() {
    Bytes b = qv::test::wheelRecord("Five in three", 5, 3, 2, 3, 3);
    for (int v : {1, 2, 3, 1, 4, 5, 2, 3, 5}) put16(b, v);
    return b;
}

TEST_F(CliTickets, WheelApplyWritesTheFileAsSaveDoes) {
    write("five.wl3", smallWheel());
    EXPECT_EQ(cli({"wheel", "rows", path("five.wl3")}).out, "1 2 3\n1 4 5\n2 3 5\n");
    ok({"wheel", "apply", path("five.wl3"), path("w.qvt"), "40", "7", "22", "3", "15"});

    Bytes expected = qv::test::signature("Quorvantile V3.4");
    put8(expected, 1);
    qv::test::putWheelRecord(expected, "Five in three", 5, 3, 2, 3, 3);
    putTicket(expected, {1, 2, 3});
    putTicket(expected, {1, 4, 5});
    putTicket(expected, {2, 3, 5});
    putTicket(expected, {40, 7, 22});
    putTicket(expected, {40, 3, 15});
    putTicket(expected, {7, 22, 15});
    for (int k = 0; k < 100; ++k)
        put16(expected, k < 5 ? std::vector<int>{40, 7, 22, 3, 15}[k] : 0);
    for (int k = 0; k < 200; ++k) put8(expected, 0);
    EXPECT_EQ(bytes("w.qvt"), expected);
    EXPECT_EQ(expected.size(), 536u + 64 * 3);
}

TEST_F(CliTickets, WheelRowsOfAnEmptyOrMissingWheel) {
    write("bad.wl6", qv::test::wheelRecord("Eleven", 12, 4, 3, 11, 4));
    const CliResult empty = cli({"wheel", "rows", path("bad.wl6")});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(cli({"wheel", "rows", path("none.wl6")}).status, 1);
}

struct Refusal {
    const char* name;
    std::vector<std::string> args;  // "$" stands for the scratch directory
    int status;
};

class CliTicketRefusals : public CliTickets, public ::testing::WithParamInterface<Refusal> {};

TEST_P(CliTicketRefusals, Refused) {
    write("five.wl3", smallWheel());
    write("m.qvt", manualFile(6, 49, {{1, 2, 3, 4, 5, 6}}));
    ok({"wheel", "apply", path("five.wl3"), path("w.qvt"), "1", "2", "3", "4", "5"});
    const Bytes manualBefore = bytes("m.qvt");
    const Bytes wheelBefore = bytes("w.qvt");
    std::vector<std::string> args;
    for (std::string a : GetParam().args) {
        if (a.rfind("$/", 0) == 0) a = path(a.substr(2));
        args.push_back(a);
    }
    const CliResult r = cli(args);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(bytes("m.qvt"), manualBefore);
    EXPECT_EQ(bytes("w.qvt"), wheelBefore);
    EXPECT_FALSE(fs::exists(path("out.qvt")));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliTicketRefusals,
    ::testing::Values(
        Refusal{
            "tooFewToWheel", {"wheel", "apply", "$/five.wl3", "$/out.qvt", "1", "2", "3", "4"}, 2},
        Refusal{"repeatedToWheel",
                {"wheel", "apply", "$/five.wl3", "$/out.qvt", "1", "2", "3", "4", "4"},
                2},
        Refusal{"zeroToWheel",
                {"wheel", "apply", "$/five.wl3", "$/out.qvt", "0", "2", "3", "4", "5"},
                2},
        Refusal{"aboveHundred",
                {"wheel", "apply", "$/five.wl3", "$/out.qvt", "101", "2", "3", "4", "5"},
                2},
        Refusal{"missingWheel",
                {"wheel", "apply", "$/none.wl3", "$/out.qvt", "1", "2", "3", "4", "5"},
                1},
        Refusal{"addToWheelFile", {"tickets", "add", "$/w.qvt", "1", "2", "3"}, 1},
        Refusal{"deleteFromWheelFile", {"tickets", "delete", "$/w.qvt", "1"}, 1},
        Refusal{"addRepeat", {"tickets", "add", "$/m.qvt", "1", "2", "2"}, 2},
        Refusal{
            "addEleven",
            {"tickets", "add", "$/m.qvt", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"},
            2},
        Refusal{"addFourBonus", {"tickets", "add", "$/m.qvt", "1", "+", "2", "3", "4", "5"}, 2},
        Refusal{"addNothing", {"tickets", "add", "$/m.qvt"}, 2},
        Refusal{"addBareplus", {"tickets", "add", "$/m.qvt", "1", "+"}, 2},
        Refusal{"deleteLabelPastEnd", {"tickets", "delete", "$/m.qvt", "2"}, 2},
        Refusal{"deleteLabelZero", {"tickets", "delete", "$/m.qvt", "0"}, 2},
        Refusal{"bonusLabelPastEnd", {"tickets", "bonus", "$/m.qvt", "5", "3"}, 2},
        Refusal{"bonusFour", {"tickets", "bonus", "$/m.qvt", "all", "1", "2", "3", "4"}, 2},
        Refusal{"bonusRepeat", {"tickets", "bonus", "$/w.qvt", "all", "9", "9"}, 2},
        Refusal{"newBadLotto", {"tickets", "new", "$/out.qvt", "--lotto", "101"}, 2},
        Refusal{"newBadTicket", {"tickets", "new", "$/out.qvt", "--ticket", "11"}, 2},
        Refusal{"addToMissingFile", {"tickets", "add", "$/none.qvt", "1"}, 1}),
    [](const ::testing::TestParamInfo<Refusal>& i) { return std::string(i.param.name); });

TEST_F(CliTickets, ManualFileBuiltTicketByTicket) {
    ok({"tickets", "new", path("m.qvt")});
    EXPECT_EQ(bytes("m.qvt"), manualFile(6, 49, {}));
    EXPECT_EQ(bytes("m.qvt").size(), 113u);
    ok({"tickets", "new", path("n.qvt"), "--lotto", "54", "--ticket", "5"});
    EXPECT_EQ(bytes("n.qvt"), manualFile(5, 54, {}));

    ok({"tickets", "add", path("m.qvt"), "30", "4", "17", "9", "44", "2"});
    ok({"tickets", "add", path("m.qvt"), "8", "1", "5", "+", "12", "3"});
    EXPECT_EQ(bytes("m.qvt"), manualFile(3, 49, {{2, 4, 9, 17, 30, 44}, {1, 5, 8}}, {{}, {12, 3}}));
    ok({"tickets", "add", path("m.qvt"), "11", "12", "13", "14", "15", "16"});
    ok({"tickets", "delete", path("m.qvt"), "2"});
    EXPECT_EQ(bytes("m.qvt"), manualFile(6, 49, {{2, 4, 9, 17, 30, 44}, {11, 12, 13, 14, 15, 16}}));
    ok({"tickets", "delete", path("m.qvt"), "1"});
    ok({"tickets", "delete", path("m.qvt"), "1"});
    EXPECT_EQ(bytes("m.qvt"), manualFile(6, 49, {}));
}

TEST_F(CliTickets, AnOlderManualFileIsSortedAndWrittenInTheCurrentLayout) {
    Bytes old = qv::test::signature("Quorvantile V3.0");
    put16(old, 0);
    put16(old, 1);
    put16(old, 6);
    put16(old, 49);
    putTicket(old, {9, 8, 7, 3, 2, 1});
    write("old.qvt", old);
    ok({"tickets", "add", path("old.qvt"), "5", "4"});
    EXPECT_EQ(bytes("old.qvt"), manualFile(2, 49, {{1, 2, 3, 7, 8, 9}, {4, 5}}));
}

TEST_F(CliTickets, BonusNumbersForOneOrAllTickets) {
    write("m.qvt", manualFile(6, 49, {{6, 5, 4, 3, 2, 1}, {7, 8, 9, 10, 11, 12}}));
    ok({"tickets", "bonus", path("m.qvt"), "all", "33"});
    EXPECT_EQ(bytes("m.qvt"),
              manualFile(6, 49, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {{33}, {33}}));
    ok({"tickets", "bonus", path("m.qvt"), "2", "40", "41", "42"});
    ok({"tickets", "bonus", path("m.qvt"), "1"});
    EXPECT_EQ(bytes("m.qvt"),
              manualFile(6, 49, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, {{}, {40, 41, 42}}));

    // A wheel file keeps its numbers in wheel order.
    write("five.wl3", smallWheel());
    ok({"wheel", "apply", path("five.wl3"), path("w.qvt"), "40", "7", "22", "3", "15"});
    ok({"tickets", "bonus", path("w.qvt"), "3", "9"});
    const std::string listed = cli({"tickets", "list", path("w.qvt")}).out;
    const std::string tickets = "40 7 22\n40 3 15\n7 22 15 + 9\n";
    ASSERT_GE(listed.size(), tickets.size());
    EXPECT_EQ(listed.substr(listed.size() - tickets.size()), tickets);
}

TEST_F(CliTickets, ArrangeByResultWithTiesOnBonusHits) {
    write("m.qvt", manualFile(6, 49,
                              {{1, 2, 3, 4, 5, 6},
                               {7, 12, 19, 25, 1, 2},
                               {7, 12, 19, 1, 2, 3},
                               {7, 12, 19, 25, 1, 2},
                               {7, 12, 19, 25, 33, 3}},
                              {{}, {}, {}, {9}, {}}));
    const Bytes before = bytes("m.qvt");
    const CliResult r =
        cli({"tickets", "arrange", path("m.qvt"), "7", "12", "19", "25", "33", "41", "+", "9"});
    ASSERT_EQ(r.status, 0) << r.err;
    // The tickets as the file holds them; every result has its bonus column.
    EXPECT_EQ(r.out,
              "5: 7 12 19 25 33 3 | 5/6 + 0B\n"
              "4: 7 12 19 25 1 2 + 9 | 4/6 + 1B\n"
              "2: 7 12 19 25 1 2 | 4/6 + 0B\n"
              "3: 7 12 19 1 2 3 | 3/6 + 0B\n"
              "1: 1 2 3 4 5 6 | 0/6 + 0B\n");
    EXPECT_EQ(bytes("m.qvt"), before);
}

TEST_F(CliTickets, ExportReplacesOrAppends) {
    write("m.qvt", manualFile(6, 49, {{1, 2, 3, 4, 5, 6}, {10, 20, 30, 40, 41, 42}}, {{7}}));
    std::ofstream(path("out.txt")) << "old\n";
    ok({"tickets", "export", path("m.qvt"), path("out.txt")});
    const std::string lines = "1 2 3 4 5 6 7 \n10 20 30 40 41 42 \n";
    EXPECT_EQ(qv::readTextFile(path("out.txt")).value(), lines);
    ok({"tickets", "export", path("m.qvt"), path("out.txt"), "--append"});
    EXPECT_EQ(qv::readTextFile(path("out.txt")).value(), lines + lines);
    EXPECT_EQ(cli({"tickets", "export", path("m.qvt"), path("no/out.txt")}).status, 1);
}

TEST_F(CliTickets, HotAndColdPicksByNumbersAndByPairs) {
    const std::string db = path("game.dat");
    ok({"db", "create", db, "--lotto", "9", "--ticket", "3"});
    // 1 is drawn three times, 2 and 3 twice, 4..6 once, 7..9 never.
    for (const auto& d : std::vector<std::vector<std::string>>{{"1/1/2020", "1", "2", "4"},
                                                               {"1/2/2020", "1", "3", "5"},
                                                               {"1/3/2020", "1", "2", "3"},
                                                               {"1/4/2020", "6"}}) {
        std::vector<std::string> args = {"db", "add", db};
        args.insert(args.end(), d.begin(), d.end());
        ok(args);
    }
    EXPECT_EQ(cli({"pick", "hot", db}).out, "1 2 3\n");
    EXPECT_EQ(cli({"pick", "hot", db, "--count", "5"}).out, "1 2 3 4 5\n");
    EXPECT_EQ(cli({"pick", "cold", db}).out, "9 8 7\n");
    EXPECT_EQ(cli({"pick", "cold", db, "--count", "12"}).out, "9 8 7 6 5 4 3 2 1\n");

    ok({"stats", "options", db, "--hot", "pairs", "--cold", "pairs"});
    // Pairs {2,1} and {3,1} twice; then {3,2}, {4,1}, {4,2}, {5,1}, {5,3} once.
    EXPECT_EQ(cli({"pick", "hot", db, "--count", "4"}).out, "2 1 3 4\n");
    // From the bottom: the pairs never drawn, last in table order first: {9,8}, {9,7}, ...
    EXPECT_EQ(cli({"pick", "cold", db, "--count", "4"}).out, "8 9 7 6\n");
    EXPECT_EQ(cli({"pick", "warm", db}).status, 2);
    EXPECT_EQ(cli({"pick", "hot", path("none.dat")}).status, 1);
}

TEST_F(CliTickets, ListFiles) {
    ok({"list", "create", path("a.lst"), "3", "17", "42"});
    EXPECT_EQ(bytes("a.lst"), listFile({3, 17, 42}));
    EXPECT_EQ(bytes("a.lst").size(), 404u);
    EXPECT_EQ(cli({"list", "show", path("a.lst")}).out, "Count: 3\n3 17 42\n");

    // A damaged list: its count kept within 0..100, numbers outside 1..100 dropped.
    Bytes damaged;
    put32(damaged, 400);
    for (int v : {5, 0, 130, 9, -2}) put32(damaged, v);
    for (int k = 5; k < 100; ++k) put32(damaged, 0);
    write("d.lst", damaged);
    EXPECT_EQ(cli({"list", "show", path("d.lst")}).out, "Count: 2\n5 9\n");

    EXPECT_EQ(cli({"list", "create", path("b.lst"), "3", "3"}).status, 2);
    EXPECT_EQ(cli({"list", "create", path("b.lst"), "0"}).status, 2);
    EXPECT_EQ(cli({"list", "create", path("b.lst")}).status, 2);
    EXPECT_FALSE(fs::exists(path("b.lst")));
    EXPECT_EQ(cli({"list", "show", path("b.lst")}).status, 1);
}

}  // namespace
