// db set, db delete and db past: the entry editor and the past performance from the command
// line. These run the real binary on files the tests write.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;
using qv::test::ticket;

namespace {

using qv::test::CliRun;
using qv::test::runCli;

class CliEntry : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv_cli_entry_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        db = (dir / "game.dat").string();
        ASSERT_EQ(cli({"db", "create", db}).status, 0);
        // Newest first: 3/5/2024, 3/2/2024 (with a bonus number), 2/28/2024.
        for (const auto& draw : std::vector<std::vector<std::string>>{
                 {"2/28/2024", "20", "21", "22", "23", "24", "25"},
                 {"3/2/2024", "1", "2", "3", "10", "11", "12", "+", "7"},
                 {"3/5/2024", "1", "2", "3", "4", "5", "6"}}) {
            std::vector<std::string> args = {"db", "add", db};
            args.insert(args.end(), draw.begin(), draw.end());
            ASSERT_EQ(cli(args).status, 0);
        }
    }
    void TearDown() override { fs::remove_all(dir); }

    CliRun cli(const std::vector<std::string>& args) const { return runCli(args); }
    std::string list() const { return cli({"db", "list", db}).out; }

    // Manual tickets: one with all six of the newest draw and the bonus number 7, one with
    // three, one with four of the oldest draw.
    std::string manualTickets() const {
        qv::TicketFile f = qv::newManualTicketFile(6, 49);
        f.tickets = {ticket({1, 2, 3, 4, 5, 6}, {7}), ticket({1, 2, 3, 40, 41, 42}),
                     ticket({20, 21, 22, 23, 1, 2})};
        const std::string path = (dir / "manual.qvt").string();
        EXPECT_TRUE(f.saveAs(path));
        return path;
    }
    // A wheel of 7 numbers on 1..7 in three tickets.
    std::string wheelTickets() const {
        qv::WheelInfo w;
        w.description = "Seven in three";
        w.numbersToWheel = 7;
        w.guarantee = 3;
        w.numbersPerTicket = 6;
        w.guaranteeIf = 4;
        w.setRows(
            {ticket({1, 2, 3, 4, 5, 6}), ticket({2, 3, 4, 5, 6, 7}), ticket({1, 3, 4, 5, 6, 7})});
        qv::NumbersUsed used{};
        for (int i = 0; i < 7; ++i) used[std::size_t(i)] = std::int16_t(i + 1);
        const std::string path = (dir / "wheel.qvt").string();
        EXPECT_TRUE(qv::newWheelTicketFile(w, used).saveAs(path));
        return path;
    }

    fs::path dir;
    std::string db;
};

TEST_F(CliEntry, SetReplacesTheNumbersOfOneEntryAndKeepsItsDate) {
    ASSERT_EQ(cli({"db", "set", db, "1", "9", "8", "49", "+", "100", "3"}).status, 0);
    EXPECT_EQ(list(),
              "3-5-2024 1 2 3 4 5 6\n"
              "3-2-2024 9 8 49 + 100 3\n"
              "2-28-2024 20 21 22 23 24 25\n");
    ASSERT_EQ(cli({"db", "set", db, "0", "5"}).status, 0);  // the bonus-free newest
    EXPECT_EQ(list().substr(0, 11), "3-5-2024 5\n");
}

TEST_F(CliEntry, DeleteMovesTheLaterEntriesUp) {
    ASSERT_EQ(cli({"db", "delete", db, "1"}).status, 0);
    EXPECT_EQ(list(), "3-5-2024 1 2 3 4 5 6\n2-28-2024 20 21 22 23 24 25\n");
    EXPECT_NE(cli({"db", "info", db}).out.find("Entries: 2\n"), std::string::npos);
    ASSERT_EQ(cli({"db", "delete", db, "1"}).status, 0);
    ASSERT_EQ(cli({"db", "delete", db, "0"}).status, 0);
    EXPECT_EQ(list(), "");
    EXPECT_EQ(fs::file_size(db), 57u);
}

struct BadCall {
    std::vector<std::string> args;  // after "db"; "{db}" is the database
    std::string message;
};

class CliEntryErrors : public CliEntry, public ::testing::WithParamInterface<BadCall> {};

TEST_P(CliEntryErrors, AreUsageErrorsAndChangeNothing) {
    const qv::Bytes before = *qv::readWholeFile(db);
    std::vector<std::string> args = {"db"};
    for (const std::string& a : GetParam().args) args.push_back(a == "{db}" ? db : a);
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n') + 1),
              "quorvantile-cli: " + GetParam().message + "\n");
    EXPECT_EQ(*qv::readWholeFile(db), before);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CliEntryErrors,
    ::testing::Values(
        BadCall{{"set", "{db}", "3", "1"}, "INDEX must be from 0 to 2: 3"},
        BadCall{{"set", "{db}", "-1", "1"}, "INDEX must be a whole number from 0 to 2: \"-1\""},
        BadCall{{"set", "{db}", "0", "101"}, "a number must be from 1 to 100: 101"},
        BadCall{{"set", "{db}", "0", "0"}, "a number must be from 1 to 100: 0"},
        BadCall{{"set", "{db}", "0"}, "db set needs FILE, INDEX and at least one number"},
        BadCall{{"set", "{db}", "0", "1", "+", "2", "3", "4", "5"},
                "a draw has at most 3 bonus numbers"},
        BadCall{{"set", "{db}", "1", "3", "3", "19", "27", "35", "44"},
                "The number 3 stands twice in the entry 3-2-2024."},
        BadCall{{"set", "{db}", "1", "3", "19", "27", "35", "44", "49", "99"},
                "There are 7 numbers in the entry 3-2-2024, more than the 6 numbers on a ticket."},
        BadCall{{"add", "{db}", "1/1/2025", "1", "2", "1"},
                "The number 1 stands twice in the entry 1-1-2025."},
        BadCall{{"delete", "{db}", "x"}, "INDEX must be a whole number from 0 to 2: \"x\""},
        BadCall{{"delete", "{db}"}, "db delete takes FILE and INDEX"},
        BadCall{{"past", "{db}", "t.qvt"}, "db past takes FILE.dat, TICKETS.qvt and INDEX"}));

TEST_F(CliEntry, SetAndDeleteOnAnEmptyDatabaseSayThereAreNoEntries) {
    const std::string empty = (dir / "empty.dat").string();
    cli({"db", "create", empty});
    CliRun r = cli({"db", "delete", empty, "0"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "quorvantile-cli: the database has no entries");
    EXPECT_EQ(cli({"db", "set", (dir / "missing.dat").string(), "0", "1"}).status, 1);
}

TEST_F(CliEntry, PastTotalsAManualFileFromTheNewestDownToTheEntry) {
    const std::string tickets = manualTickets();
    const std::string heading = "the open ticket file returned the following results:\n\n";
    EXPECT_EQ(cli({"db", "past", db, tickets, "0"}).out,
              "For the last 1 entries (up to and including 3/5/2024)\n" + heading +
                  "3/6 =    1\n4/6 =    0\n5/6 =    0\n6/6 =    1\n");
    EXPECT_EQ(cli({"db", "past", db, tickets, "1"}).out,
              "For the last 2 entries (up to and including 3/2/2024)\n" + heading +
                  "3/6 =    3 +Bonus =   1\n4/6 =    0 +Bonus =   0\n"
                  "5/6 =    0 +Bonus =   0\n6/6 =    1 +Bonus =   0\n");
    EXPECT_EQ(cli({"db", "past", db, tickets, "2"}).out,
              "For the last 3 entries (up to and including 2/28/2024)\n" + heading +
                  "3/6 =    3\n4/6 =    1\n5/6 =    0\n6/6 =    1\n");
}

TEST_F(CliEntry, PastTotalsAWheelFile) {
    const std::string tickets = wheelTickets();
    // Newest 1..6: the tickets hold 6, 5 and 5 of them; then 1 2 3: 3, 2, 2; then none.
    EXPECT_EQ(cli({"db", "past", db, tickets, "2"}).out,
              "For the last 3 entries (up to and including 2/28/2024)\n"
              "the open ticket file returned the following results:\n\n"
              "3/6 =    1\n4/6 =    0\n5/6 =    2\n6/6 =    1\n");
    EXPECT_EQ(cli({"db", "past", db, tickets, "3"}).status, 2);
    EXPECT_EQ(cli({"db", "past", db, (dir / "none.qvt").string(), "0"}).status, 1);
}

TEST_F(CliEntry, PastOverTheWholeSampleHistoryCountsEveryDraw) {
    const std::string sample = QV_BUILD_DATA_DIR "/lotto649.dat";
    qv::DrawDatabase d;
    ASSERT_TRUE(d.load(sample));
    ASSERT_GT(d.entryCount(), 100u);
    const std::string oldest = std::to_string(d.entryCount() - 1);
    const CliRun r = cli({"db", "past", sample, manualTickets(), oldest});
    ASSERT_EQ(r.status, 0) << r.err;
    const qv::Date last = d.entries().back().date();
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')),
              "For the last " + std::to_string(d.entryCount()) + " entries (up to and including " +
                  std::to_string(last.month) + "/" + std::to_string(last.day) + "/" +
                  std::to_string(last.year) + ")");
}

}  // namespace
