// The command-line program's output is a contract; these run the real binary.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct CliRun {
    int status = -1;
    std::string out;
};

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

CliRun cli(const std::vector<std::string>& args, const std::string& stdinText = "") {
    std::string cmd = quote(QV_CLI_PATH);
    for (const auto& a : args) cmd += " " + quote(a);
    cmd += " 2>/dev/null";
    // Test processes run in parallel: every standard-input file gets a name of its own.
    std::string tmpl = (fs::temp_directory_path() / "qv_cli_in_XXXXXX").string();
    int fd = mkstemp(tmpl.data());
    if (fd >= 0) close(fd);
    fs::path in = tmpl;
    std::ofstream(in) << stdinText;
    cmd += " <" + quote(in.string());
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    fs::remove(in);
    return r;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv_cli_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        db = (dir / "game.dat").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string write(const std::string& name, const std::string& text) {
        std::string p = (dir / name).string();
        std::ofstream(p, std::ios::binary) << text;
        return p;
    }
    fs::path dir;
    std::string db;
};

TEST_F(CliTest, CreateAndInfo) {
    ASSERT_EQ(cli({"db", "create", db}).status, 0);
    EXPECT_EQ(fs::file_size(db), 57u);
    EXPECT_EQ(cli({"db", "info", db}).out,
              "Description: \nEntries: 0\nNumbers on a ticket: 6\nNumbers in lotto: 49\n"
              "Update link: \nStatistics options: hot 0 cold 0 from 0-0-0 to 0-0-0\n");
    std::string db2 = (dir / "b.dat").string();
    ASSERT_EQ(cli({"db", "create", db2, "--description", "Pick 6", "--lotto", "54", "--ticket",
                   "5", "--link", "abc"})
                  .status,
              0);
    EXPECT_EQ(fs::file_size(db2), 60u);
    EXPECT_EQ(cli({"db", "info", db2}).out,
              "Description: Pick 6\nEntries: 0\nNumbers on a ticket: 5\nNumbers in lotto: 54\n"
              "Update link: abc\nStatistics options: hot 0 cold 0 from 0-0-0 to 0-0-0\n");
}

TEST_F(CliTest, AddPlacesByDateRaisesLottoAndListsNewestFirst) {
    cli({"db", "create", db});
    ASSERT_EQ(cli({"db", "add", db, "2/5/2004", "1", "2", "3", "4", "5", "6", "+", "7"}).status, 0);
    cli({"db", "add", db, "2/3/2004", "9", "3", "41"});
    cli({"db", "add", db, "1/31/2004", "5", "6", "7"});
    cli({"db", "add", db, "2/3/2004", "8", "52", "+", "1", "2"});
    EXPECT_EQ(cli({"db", "list", db}).out,
              "2-5-2004 1 2 3 4 5 6 + 7\n"
              "2-3-2004 9 3 41\n"
              "2-3-2004 8 52 + 1 2\n"
              "1-31-2004 5 6 7\n");
    EXPECT_NE(cli({"db", "info", db}).out.find("Numbers in lotto: 52\n"), std::string::npos);
}

TEST_F(CliTest, SortOrdersDatesAndNumbers) {
    cli({"db", "create", db});
    // Insert keeps order, so build a disordered file through the model directly.
    qv::DrawDatabase d;
    qv::StatisticsSettings stats;
    ASSERT_TRUE(d.load(db, stats));
    std::vector<qv::TicketType> entries(3);
    entries[0].setDate({1, 1, 2003});
    entries[0].numbers = {9, 3, 41};
    entries[1].setDate({6, 1, 2004});
    entries[1].numbers = {2, 1};
    entries[2].setDate({3, 15, 2004});
    entries[2].numbers = {5};
    qv::DataHeader h = d.header();
    d.replace(h, entries);
    ASSERT_EQ(d.save(stats), "");
    ASSERT_EQ(cli({"db", "sort", db}).status, 0);
    EXPECT_EQ(cli({"db", "list", db}).out, "6-1-2004 1 2\n3-15-2004 5\n1-1-2003 3 9 41\n");
}

TEST_F(CliTest, ImportAndPasteModes) {
    cli({"db", "create", db});
    std::string text = write("draws.txt",
                             "1/5/2004 5 9 14 22 31 40 12\r\n"
                             "1/6/2004 5 9 14 22 31 40 ~ 12\n"
                             "Results for January\n"
                             "12 34\n"
                             "1/7/2004 200 1 2 3 4 5\n");
    CliRun r = cli({"db", "import", db, text});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "2 draws imported\n");
    EXPECT_EQ(cli({"db", "list", db}).out,
              "1-6-2004 5 9 14 22 31 40 + 12\n"
              "1-5-2004 5 9 14 22 31 40 12\n");

    std::string pasted = "Winning numbers\n01/15/2004\n3 12 19 27 33 41 7\n"
                         "13/40/2004 1 2 3 4 5 6 7 and more text here\n";
    r = cli({"db", "paste", db}, pasted);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 draws pasted\n");
    EXPECT_EQ(cli({"db", "list", db}).out.substr(0, 31), "1-15-2004 3 12 19 27 33 41 + 7\n");
}

TEST_F(CliTest, ErrorsLeaveFilesUntouched) {
    EXPECT_EQ(cli({"db", "info", (dir / "missing.dat").string()}).status, 1);
    EXPECT_EQ(cli({}).status, 2);
    EXPECT_EQ(cli({"db", "frobnicate", db}).status, 2);
    EXPECT_EQ(cli({"db", "create", db, "--lotto", "101"}).status, 2);
    EXPECT_FALSE(fs::exists(db));
    cli({"db", "create", db});
    auto before = qv::readWholeFile(db);
    EXPECT_EQ(cli({"db", "add", db, "13/1/2004", "1"}).status, 2);
    EXPECT_EQ(cli({"db", "add", db, "1/1/2004", "1", "+"}).status, 2);
    EXPECT_EQ(cli({"db", "add", db, "1/1/2004", "0"}).status, 2);
    EXPECT_EQ(cli({"db", "import", db, (dir / "nope.txt").string()}).status, 1);
    EXPECT_EQ(qv::readWholeFile(db), before);
    EXPECT_EQ(cli({"db", "create", (dir / "no/such/dir/x.dat").string()}).status, 1);
}

using qv::test::ticket;

// A 7-number wheel of three rows over the chosen numbers 3 7 12 19 25 33 41.
qv::TicketFile sampleWheel() {
    qv::WheelInfo w;
    w.description = "Seven in three";
    w.numbersToWheel = 7;
    w.guarantee = 3;
    w.numbersPerTicket = 6;
    w.guaranteeIf = 4;
    w.setRows({ticket({1, 2, 3, 4, 5, 6}), ticket({2, 3, 4, 5, 6, 7}), ticket({1, 3, 4, 5, 6, 7})});
    qv::NumbersUsed used{};
    int chosen[] = {3, 7, 12, 19, 25, 33, 41};
    for (int i = 0; i < 7; ++i) used[i] = static_cast<std::int16_t>(chosen[i]);
    return qv::newWheelTicketFile(w, used);
}

TEST_F(CliTest, TicketsListConvertAndMatch) {
    qv::TicketFile manual = qv::newManualTicketFile(6, 49);
    std::string empty = (dir / "empty.qvt").string();
    ASSERT_EQ(manual.saveAs(empty), "");
    EXPECT_EQ(fs::file_size(empty), 113u);
    EXPECT_EQ(cli({"tickets", "list", empty}).out,
              "Kind: manual\nTickets: 0\nNumbers on a ticket: 6\nNumbers in lotto: 49\n");

    manual.tickets = {ticket({3, 7, 12, 19, 25, 41}, {33}), ticket({1, 2, 3, 4, 5, 6})};
    std::string two = (dir / "two.qvt").string();
    ASSERT_EQ(manual.saveAs(two), "");
    EXPECT_EQ(cli({"tickets", "list", two}).out,
              "Kind: manual\nTickets: 2\nNumbers on a ticket: 6\nNumbers in lotto: 49\n"
              "3 7 12 19 25 41 + 33\n1 2 3 4 5 6\n");
    // 33 is a main number of a draw without bonus numbers, so it counts as the bonus hit.
    EXPECT_EQ(cli({"tickets", "match", two, "7", "12", "19", "25", "33", "41"}).out,
              "5/6 + 1B\n0/6 + 0B\n");
    EXPECT_EQ(cli({"tickets", "match", two, "7", "12", "19", "25", "33", "41", "+", "9"}).out,
              "5/6 + 0B\n0/6 + 0B\n");

    std::string wheel = (dir / "wheel.qvt").string();
    ASSERT_EQ(sampleWheel().saveAs(wheel), "");
    EXPECT_EQ(fs::file_size(wheel), 536u + 64u * 3u);
    EXPECT_EQ(cli({"tickets", "list", wheel}).out,
              "Kind: wheel\nTickets: 3\nNumbers on a ticket: 6\n"
              "Wheel: Seven in three, 7 numbers, 3 tickets, guarantees 3 of 6 if 4\n"
              "Numbers used: 3 7 12 19 25 33 41\n"
              "3 7 12 19 25 33\n7 12 19 25 33 41\n3 12 19 25 33 41\n");
    EXPECT_EQ(cli({"tickets", "match", wheel, "3", "12", "19", "25", "33", "41"}).out,
              "5/6\n5/6\n6/6\n");
}

TEST_F(CliTest, OlderTicketLayoutConvertsToTheCurrentOne) {
    // "Quorvantile V3.0", a 16-bit kind 0, 16-bit counts (1 ticket of 6, lotto 49), the ticket.
    std::string old(100, '\0');
    old.replace(0, 16, "Quorvantile V3.0");
    for (int v : {0, 1, 6, 49}) old += {static_cast<char>(v), '\0'};
    qv::Bytes rec;
    qv::ByteWriter w(rec);
    ticket({5, 6, 7, 8, 9, 10}).write(w);
    old.append(rec.begin(), rec.end());
    std::string in = write("old.qvt", old);
    std::string out = (dir / "new.qvt").string();
    ASSERT_EQ(cli({"tickets", "convert", in, out}).status, 0);
    auto bytes = qv::readWholeFile(out);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 113u + 32u);
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 17), std::string("Quorvantile V3.4\0", 17));
    EXPECT_EQ((*bytes)[100], 0);
    EXPECT_EQ((*bytes)[101], 1);
    EXPECT_EQ((*bytes)[105], 6);
    EXPECT_EQ((*bytes)[109], 49);
    EXPECT_EQ(cli({"tickets", "list", out}).out,
              "Kind: manual\nTickets: 1\nNumbers on a ticket: 6\nNumbers in lotto: 49\n"
              "5 6 7 8 9 10\n");
    // A count no file can hold marks the file as damaged.
    std::string bad = old;
    bad[102] = '\xFF';
    bad[103] = '\xFF';
    EXPECT_EQ(cli({"tickets", "list", write("bad.qvt", bad)}).status, 1);
}

TEST_F(CliTest, DatabaseListWithTicketResultsAndDescriptions) {
    cli({"db", "create", db, "--description", "Pick 6"});
    cli({"db", "add", db, "1/3/2004", "3", "12", "19", "25", "33", "41", "+", "7"});
    cli({"db", "add", db, "1/10/2004", "1", "2", "3", "4", "5", "6"});
    std::string wheel = (dir / "wheel.qvt").string();
    ASSERT_EQ(sampleWheel().saveAs(wheel), "");
    EXPECT_EQ(cli({"db", "list", db, "--tickets", wheel}).out,
              "1-10-2004 1 2 3 4 5 6  | 3/6:0 4/6:0 5/6:0 6/6:0\n"
              "1-3-2004 3 12 19 25 33 41 + 7  | 3/6:0+0 4/6:0+0 5/6:2+0 6/6:1+0 *\n");
    EXPECT_EQ(cli({"describe", db}).out,
              "Pick 6\n2 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto\n");
    EXPECT_EQ(cli({"describe", wheel}).out,
              "Seven in three\n7 Numbers, 3 Tickets, Guarantees 3 of 6 if 4\n");
    std::string manual = (dir / "m.qvt").string();
    ASSERT_EQ(qv::newManualTicketFile(5, 39).saveAs(manual), "");
    EXPECT_EQ(cli({"describe", manual}).out,
              "This is a manually entered ticket file with\n0 Tickets and 5 Numbers on each Ticket\n");
    EXPECT_EQ(cli({"describe", (dir / "none.wl6").string()}).status, 1);
    EXPECT_EQ(cli({"db", "list", db, "--tickets", (dir / "none.qvt").string()}).status, 1);
}

// The sample database is built from the CSV history by the paste parser at build time.
TEST(SampleDatabase, HoldsEveryDrawOfTheHistoryNewestFirst) {
    qv::DrawDatabase d;
    qv::StatisticsSettings stats;
    ASSERT_TRUE(d.load(std::string(QV_BUILD_DATA_DIR) + "/lotto649.dat", stats));
    EXPECT_EQ(d.header().description, "Lotto 6/49");
    EXPECT_EQ(d.header().numbersInLotto, 49);
    EXPECT_EQ(d.header().numbersOnTicket, 6);
    std::ifstream csv(std::string(QV_SAMPLES_DIR) + "/lotto649-draws.csv");
    std::string line;
    std::getline(csv, line);  // header
    std::vector<std::vector<int>> rows;
    while (std::getline(csv, line)) {
        // "Month Day, Year",N1..N6,Bonus
        std::size_t close = line.find('"', 1);
        std::vector<int> v;
        std::stringstream rest(line.substr(close + 2));
        std::string cell;
        while (std::getline(rest, cell, ',')) v.push_back(std::stoi(cell));
        std::stringstream date(line.substr(1, close - 1));
        std::string month, day;
        int year;
        date >> month >> day >> year;
        v.push_back(std::stoi(day));
        v.push_back(year);
        static const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
        v.push_back(static_cast<int>(months.find(month.substr(0, 3)) / 3 + 1));
        rows.push_back(v);
    }
    // The history is oldest first, though a few draws stand out of date order; the database
    // holds them newest first, equal dates in the order they came.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        return std::tie(a[8], a[9], a[7]) > std::tie(b[8], b[9], b[7]);
    });
    ASSERT_EQ(rows.size(), 3622u);
    ASSERT_EQ(d.entryCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& want = rows[i];
        const qv::TicketType& t = d.entry(i);
        for (int k = 0; k < 6; ++k) ASSERT_EQ(t.numbers[k], want[k]) << "entry " << i;
        ASSERT_EQ(t.numbers[6], 0);
        ASSERT_EQ(t.bonus[0], want[6]) << "entry " << i;
        ASSERT_EQ(t.bonus[1], 0);
        ASSERT_EQ(t.day, want[7]);
        ASSERT_EQ(t.year, want[8]);
        ASSERT_EQ(t.month, want[9]);
        if (i > 0) {
            ASSERT_FALSE(qv::isLater(t.date(), d.entry(i - 1).date()));
        }
    }
}

}  // namespace
