// The command-line program's output is a contract; these run the real binary.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli_test_support.h"
#include "core/database/draw_database.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using qv::test::CliRun;
using qv::test::runCli;
using qv::test::scratchFile;
using qv::test::slurp;

// What a usage error prints after its message.
const char* const kUsage =
    "usage:\n"
    "  quorvantile-cli db create FILE [--description TEXT] [--lotto N] [--ticket K] [--link URL]\n"
    "  quorvantile-cli db info FILE\n"
    "  quorvantile-cli db list FILE\n"
    "  quorvantile-cli db add FILE M/D/YYYY N1 [N2 ...] [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli db sort FILE\n"
    "  quorvantile-cli db import FILE TEXTFILE\n"
    "  quorvantile-cli db paste FILE [TEXTFILE | -]\n"
    "  quorvantile-cli db set FILE INDEX N1 [N2 ...] [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli db delete FILE INDEX\n"
    "  quorvantile-cli db past FILE.dat TICKETS.qvt INDEX\n"
    "  quorvantile-cli db list FILE.dat --tickets FILE.qvt\n"
    "  quorvantile-cli db import FILE TEXTFILE --preview\n"
    "  quorvantile-cli db paste FILE [TEXTFILE | -] --preview\n"
    "  quorvantile-cli describe FILE\n"
    "  quorvantile-cli tickets list FILE.qvt\n"
    "  quorvantile-cli tickets convert IN.qvt OUT.qvt\n"
    "  quorvantile-cli tickets match FILE.qvt N1 N2 ... [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli tickets new FILE.qvt [--lotto N] [--ticket K]\n"
    "  quorvantile-cli tickets add FILE.qvt N1 [N2 ...] [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli tickets delete FILE.qvt LABEL\n"
    "  quorvantile-cli tickets bonus FILE.qvt all|LABEL [B1 [B2 [B3]]]\n"
    "  quorvantile-cli tickets arrange FILE.qvt N1 ... [+ B1 [B2 [B3]]]\n"
    "  quorvantile-cli tickets export FILE.qvt OUT.txt [--append]\n"
    "  quorvantile-cli tickets odds FILE.qvt --lotto L [--bonus-ball]\n"
    "  quorvantile-cli stats options FILE [--hot numbers|pairs] [--cold numbers|pairs] "
    "[--from oldest|M-D-YYYY] [--to newest|M-D-YYYY]\n"
    "  quorvantile-cli stats range FILE\n"
    "  quorvantile-cli stats frequency FILE [--bonus] [--by-frequency]\n"
    "  quorvantile-cli stats pairs FILE [--by-frequency]\n"
    "  quorvantile-cli stats triples FILE [--sort-positions K]\n"
    "  quorvantile-cli stats skips FILE\n"
    "  quorvantile-cli stats cluster FILE\n"
    "  quorvantile-cli stats region FILE NEWEST OLDEST LOW HIGH\n"
    "  quorvantile-cli wheel rows FILE.wlN\n"
    "  quorvantile-cli wheel profile FILE.wlP\n"
    "  quorvantile-cli wheel apply WHEEL OUT.qvt N1 N2 ...\n"
    "  quorvantile-cli wheel import TEXTFILE OUT [--description TEXT] [--numbers N] "
    "[--guarantee G] [--if I] [--per-ticket P] [--confirm] [--add-all]\n"
    "  quorvantile-cli wheel check FILE.wlP [--add-all OUT]\n"
    "  quorvantile-cli wheel bound --numbers N --per-ticket P --guarantee G --if I\n"
    "  quorvantile-cli wheel generate OUT.wlP --numbers N --per-ticket P --guarantee G --if I "
    "[--seconds S] [--rows R] [--seed X] [--threads T] [--description TEXT]\n"
    "  quorvantile-cli pick hot|cold DB [--count Q]\n"
    "  quorvantile-cli list create FILE.lst N1 [N2 ...]\n"
    "  quorvantile-cli list show FILE.lst\n";

CliRun cli(const std::vector<std::string>& args, const std::string& stdinText = "") {
    return runCli(args, stdinText);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');
        dir = fs::temp_directory_path() / ("qv_cli_" + std::to_string(getpid()) + "_" + name);
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
    ASSERT_EQ(cli({"db", "create", db2, "--description", "Pick 6", "--lotto", "54", "--ticket", "5",
                   "--link", "abc"})
                  .status,
              0);
    EXPECT_EQ(fs::file_size(db2), 60u);
    EXPECT_EQ(cli({"db", "info", db2}).out,
              "Description: Pick 6\nEntries: 0\nNumbers on a ticket: 5\nNumbers in lotto: 54\n"
              "Update link: abc\nStatistics options: hot 0 cold 0 from 0-0-0 to 0-0-0\n");
}

TEST_F(CliTest, InfoShowsTheStatisticsOptionsStoredInTheFile) {
    cli({"db", "create", db});
    qv::DrawDatabase d;
    ASSERT_TRUE(d.load(db));
    qv::StatisticsSettings stats;
    stats.hotPickMode = 1;
    stats.fromDate = {2, 14, 1999};
    stats.toDate = {12, 1, 2004};
    d.setStatistics(stats);
    ASSERT_TRUE(d.save());
    EXPECT_EQ(lines(cli({"db", "info", db}).out).back(),
              "Statistics options: hot 1 cold 0 from 2-14-1999 to 12-1-2004");
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
    ASSERT_TRUE(d.load(db));
    std::vector<qv::TicketType> entries(3);
    entries[0].setDate({1, 1, 2003});
    entries[0].numbers = {9, 3, 41};
    entries[1].setDate({6, 1, 2004});
    entries[1].numbers = {2, 1};
    entries[2].setDate({3, 15, 2004});
    entries[2].numbers = {5};
    qv::DataHeader h = d.header();
    d.replace(h, entries);
    ASSERT_TRUE(d.save());
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
    EXPECT_EQ(r.err, "1 lines skipped: a number above 100\n");
    EXPECT_EQ(cli({"db", "list", db}).out,
              "1-6-2004 5 9 14 22 31 40 + 12\n"
              "1-5-2004 5 9 14 22 31 40 12\n");

    std::string pasted =
        "Winning numbers\n01/15/2004\n3 12 19 27 33 41 7\n"
        "13/40/2004 1 2 3 4 5 6 7 and more text here\n";
    r = cli({"db", "paste", db}, pasted);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 draws pasted\n");
    EXPECT_EQ(cli({"db", "list", db}).out.substr(0, 31), "1-15-2004 3 12 19 27 33 41 + 7\n");
}

// A failed command writes nothing; its message goes to standard error, with the usage after a
// usage error. "{db}" is a database holding one draw, "{dir}" the test's folder.
struct ErrorCase {
    std::vector<std::string> args;
    int status;
    std::string message;  // the first line of standard error; "" for the usage alone
};

class CliErrors : public CliTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(CliErrors, ReportAndWriteNothing) {
    cli({"db", "create", db});
    cli({"db", "add", db, "1/3/2004", "3", "12", "19", "25", "33", "41", "+", "7"});
    const auto before = qv::readWholeFile(db);
    const auto filesBefore = std::distance(fs::directory_iterator(dir), fs::directory_iterator{});
    auto expand = [&](std::string s) {
        const std::pair<std::string, std::string> places[] = {{"{db}", db},
                                                              {"{dir}", dir.string()}};
        for (const auto& [key, value] : places)
            if (auto at = s.find(key); at != std::string::npos) s.replace(at, key.size(), value);
        return s;
    };
    std::vector<std::string> args;
    for (const auto& a : GetParam().args) args.push_back(expand(a));
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    const std::string message = expand(GetParam().message);
    if (GetParam().status == 2)
        EXPECT_EQ(r.err, (message.empty() ? "" : "quorvantile-cli: " + message + "\n") + kUsage);
    else
        EXPECT_EQ(r.err, message + "\n");
    EXPECT_EQ(qv::readWholeFile(db), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), filesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliErrors,
    ::testing::Values(
        ErrorCase{{}, 2, ""}, ErrorCase{{"db"}, 2, ""}, ErrorCase{{"tickets"}, 2, ""},
        ErrorCase{{"frobnicate", "{db}"}, 2, ""},
        ErrorCase{{"db", "frobnicate", "{db}"}, 2, "unknown command: db frobnicate"},
        ErrorCase{{"tickets", "frob"}, 2, "unknown command: tickets frob"},
        ErrorCase{{"describe"}, 2, "describe takes one FILE"},
        ErrorCase{{"describe", "{db}", "{db}"}, 2, "describe takes one FILE"},
        ErrorCase{{"db", "create", "{dir}/n.dat", "--lotto", "101"},
                  2,
                  "--lotto must be from 1 to 100: 101"},
        ErrorCase{{"db", "create", "{dir}/n.dat", "--ticket", "x"},
                  2,
                  "--ticket must be a whole number from 1 to 10: \"x\""},
        ErrorCase{{"db", "create", "{dir}/n.dat", "--link"}, 2, "--link needs a value"},
        ErrorCase{{"db", "create", "{dir}/n.dat", "extra"}, 2, "unexpected argument: extra"},
        ErrorCase{{"db", "add", "{db}", "13/1/2004", "1"}, 2, "the month must be from 1 to 12: 13"},
        ErrorCase{{"db", "add", "{db}", "1/1", "1"}, 2, "the date must be M/D/YYYY: \"1/1\""},
        ErrorCase{{"db", "add", "{db}", "1/1/2004", "1", "+"},
                  2,
                  "\"+\" must be followed by a bonus number"},
        ErrorCase{{"db", "add", "{db}", "1/1/2004", "0"}, 2, "a number must be from 1 to 100: 0"},
        ErrorCase{{"db", "add", "{db}", "1/1/2004", "1", "+", "2", "3", "4", "5"},
                  2,
                  "a draw has at most 3 bonus numbers"},
        ErrorCase{{"db", "list", "{db}", "--tickets"}, 2, "--tickets needs a FILE.qvt"},
        ErrorCase{{"db", "import", "{db}", "--preview"}, 2, "db import takes FILE and TEXTFILE"},
        ErrorCase{{"db", "paste", "{db}", "a", "b", "--preview"},
                  2,
                  "db paste takes FILE and an optional TEXTFILE"},
        ErrorCase{{"tickets", "match", "{dir}/t.qvt", "1", "x"},
                  2,
                  "a number must be a whole number from 1 to 100: \"x\""},
        ErrorCase{{"db", "info", "{dir}/missing.dat"},
                  1,
                  "Error opening file: {dir}/missing.dat: No such file or directory"},
        ErrorCase{{"db", "import", "{db}", "{dir}/nope.txt"},
                  1,
                  "Error opening file: {dir}/nope.txt: No such file or directory"},
        ErrorCase{{"db", "paste", "{db}", "{dir}/nope.txt", "--preview"},
                  1,
                  "Error opening file: {dir}/nope.txt: No such file or directory"},
        ErrorCase{{"db", "paste", "{dir}/missing.dat", "--preview"},
                  1,
                  "Error opening file: {dir}/missing.dat: No such file or directory"},
        ErrorCase{{"tickets", "list", "{dir}/none.qvt"},
                  1,
                  "Error opening file: {dir}/none.qvt: No such file or directory"},
        ErrorCase{{"describe", "{dir}/none.wl6"},
                  1,
                  "Error opening file: {dir}/none.wl6: No such file or directory"}));

TEST_F(CliTest, FailedSavesAndLostOutputAreFailures) {
    CliRun r = cli({"db", "create", (dir / "no/such/dir/x.dat").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("Cannot create a file in ", 0), 0u) << r.err;
    // A list that cannot reach its reader is no success.
    cli({"db", "create", db});
    cli({"db", "add", db, "1/3/2004", "3", "12", "19"});
    const std::string cmd = qv::test::shellQuote(QV_CLI_PATH) + " db list " +
                            qv::test::shellQuote(db) + " >/dev/full 2>/dev/null";
    const int st = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(st));
    EXPECT_EQ(WEXITSTATUS(st), 1);
}

// --preview lists what a paste or an import would add, marked as the insert dialog marks
// it, and writes nothing; without it the same command adds exactly those draws.
struct PreviewCase {
    const char* name;
    const char* command;  // "paste" or "import"
    const char* text;
    const char* preview;
};

class CliPreview : public CliTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(CliPreview, ListsTheDrawsFoundAndWritesNothing) {
    const PreviewCase& c = GetParam();
    cli({"db", "create", db});
    cli({"db", "add", db, "1/5/2004", "5", "9", "14", "22", "31", "40", "+", "12"});
    const std::string text = write("found.txt", c.text);
    const auto before = qv::readWholeFile(db);

    const CliRun r = cli({"db", c.command, db, text, "--preview"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, c.preview);
    EXPECT_EQ(qv::readWholeFile(db), before);
    EXPECT_EQ(cli({"db", c.command, "--preview", db, text}).out, c.preview);

    const std::vector<std::string> shown = lines(c.preview);
    const CliRun added = cli({"db", c.command, db, text});
    EXPECT_EQ(added.out, std::to_string(shown.size()) + " draws " + c.command +
                             (std::string(c.command) == "paste" ? "d\n" : "ed\n"));
    const std::vector<std::string> listed = lines(cli({"db", "list", db}).out);
    ASSERT_EQ(listed.size(), 1 + shown.size());
    for (std::string line : shown) {
        line = line.substr(0, line.find("  ["));
        EXPECT_NE(std::find(listed.begin(), listed.end(), line), listed.end()) << line;
    }
}

// The database holds 1-5-2004 5 9 14 22 31 40 + 12 and has 6 numbers on a ticket.
INSTANTIATE_TEST_SUITE_P(
    Texts, CliPreview,
    ::testing::Values(
        // The paste rules read the weekday line as no draw and the numbers line as a date
        // (3/9/17) with four numbers.
        PreviewCase{"ResultsPage", "paste",
                    "Saturday, NOVEMBER 22, 2025\n3 9 17 28 40 44 Bonus 12\n",
                    "3-9-2017 28 40 44 12  [incomplete]\n"},
        PreviewCase{"SameShortDrawTwice", "paste",
                    "Saturday, NOVEMBER 22, 2025\n3 9 17 28 40 44 Bonus 12\n"
                    "Saturday, NOVEMBER 22, 2025\n3 9 17 28 40 44 Bonus 12\n",
                    "3-9-2017 28 40 44 12  [incomplete]\n"
                    "3-9-2017 28 40 44 12  [incomplete] [duplicate]\n"},
        PreviewCase{"ExistingDrawInAnotherOrder", "paste",
                    "1/5/2004 40 31 22 14 9 5 12\nWinning numbers\n01/15/2004\n"
                    "3 12 19 27 33 41 7\n",
                    "1-5-2004 40 31 22 14 9 5 + 12  [duplicate]\n"
                    "1-15-2004 3 12 19 27 33 41 + 7\n"},
        PreviewCase{"NoDrawsAtAll", "paste", "Results for January\nnothing drawn yet today\n", ""},
        // Import does not know the count: seven numbers are seven winning numbers, and only
        // "~" makes a bonus number.
        PreviewCase{"ImportFile", "import",
                    "1/5/2004 5 9 14 22 31 40 12\n1/5/2004 5 9 14 22 31 40 ~ 12\n"
                    "1/7/2004 200 1 2 3 4 5\n1/7/2004 1 2 3 4 5\n1/5/2004 12 5 9 14 22 31 40\n",
                    "1-5-2004 5 9 14 22 31 40 12\n"
                    "1-5-2004 5 9 14 22 31 40 + 12  [duplicate]\n"
                    "1-7-2004 1 2 3 4 5  [incomplete]\n"
                    "1-5-2004 12 5 9 14 22 31 40  [duplicate]\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Text of words, numbers, dates and line ends drawn at random from a fixed seed.
std::string randomPage(std::size_t size, unsigned seed) {
    static const std::vector<std::string> pieces = {
        "the ", "Bonus ", "Jackpot ", "NOVEMBER ", "Sat, ", "/",     "-", ", ",  " ",
        "\n",   "\r\n",   "\t",       "~",         "$",     "2025 ", "1", "2",   "3",
        "4",    "5",      "6",        "7",         "8",     "9",     "0", "12 ", "31 "};
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::string text;
    while (text.size() < size) text += pieces[pick(rng)];
    return text;
}

TEST_F(CliTest, PreviewOfRandomTextShowsExactlyWhatThePasteAdds) {
    cli({"db", "create", db});
    const std::string text = randomPage(60'000, 7);
    const auto before = qv::readWholeFile(db);
    const CliRun preview = cli({"db", "paste", db, "-", "--preview"}, text);
    ASSERT_EQ(preview.status, 0);
    EXPECT_EQ(qv::readWholeFile(db), before);
    std::vector<std::string> shown;
    for (const std::string& line : lines(preview.out))
        shown.push_back(line.substr(0, line.find("  [")));
    ASSERT_GT(shown.size(), 20u);  // junk reads as draws: the reason for the preview

    EXPECT_EQ(cli({"db", "paste", db}, text).out, std::to_string(shown.size()) + " draws pasted\n");
    std::vector<std::string> listed = lines(cli({"db", "list", db}).out);
    std::sort(shown.begin(), shown.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(shown, listed);
}

TEST_F(CliTest, PreviewOfTheHistoryOnTheSampleDatabaseMarksEveryDraw) {
    const std::string history = std::string(QV_SAMPLES_DIR) + "/lotto649-draws.csv";
    cli({"db", "create", db});
    const std::vector<std::string> fresh =
        lines(cli({"db", "paste", db, history, "--preview"}).out);
    ASSERT_EQ(fresh.size(), 3622u);
    EXPECT_EQ(std::count_if(fresh.begin(), fresh.end(),
                            [](const auto& l) { return l.find('[') != std::string::npos; }),
              0);

    fs::copy_file(std::string(QV_BUILD_DATA_DIR) + "/lotto649.dat", dir / "sample.dat");
    const std::vector<std::string> again =
        lines(cli({"db", "paste", (dir / "sample.dat").string(), history, "--preview"}).out);
    ASSERT_EQ(again.size(), fresh.size());
    for (std::size_t i = 0; i < again.size(); ++i) ASSERT_EQ(again[i], fresh[i] + "  [duplicate]");
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
    ASSERT_TRUE(manual.saveAs(empty));
    EXPECT_EQ(fs::file_size(empty), 113u);
    EXPECT_EQ(cli({"tickets", "list", empty}).out,
              "Kind: manual\nTickets: 0\nNumbers on a ticket: 6\nNumbers in lotto: 49\n");

    manual.tickets = {ticket({3, 7, 12, 19, 25, 41}, {33}), ticket({1, 2, 3, 4, 5, 6}),
                      ticket({}, {5})};
    std::string three = (dir / "three.qvt").string();
    ASSERT_TRUE(manual.saveAs(three));
    EXPECT_EQ(cli({"tickets", "list", three}).out,
              "Kind: manual\nTickets: 3\nNumbers on a ticket: 6\nNumbers in lotto: 49\n"
              "3 7 12 19 25 41 + 33\n1 2 3 4 5 6\n+ 5\n");
    // 33 is a main number of a draw without bonus numbers, so it counts as the bonus hit.
    EXPECT_EQ(cli({"tickets", "match", three, "7", "12", "19", "25", "33", "41"}).out,
              "5/6 + 1B\n0/6 + 0B\n0/6 + 0B\n");
    EXPECT_EQ(cli({"tickets", "match", three, "7", "12", "19", "25", "33", "41", "+", "9"}).out,
              "5/6 + 0B\n0/6 + 0B\n0/6 + 0B\n");

    std::string wheel = (dir / "wheel.qvt").string();
    ASSERT_TRUE(sampleWheel().saveAs(wheel));
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
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 17),
              std::string("Quorvantile V3.4\0", 17));
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
    const std::string badPath = write("bad.qvt", bad);
    const CliRun r = cli({"tickets", "list", badPath});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, badPath + ": The ticket file is damaged: it claims -1 tickets.\n");
}

TEST_F(CliTest, DatabaseListWithTicketResultsAndDescriptions) {
    cli({"db", "create", db, "--description", "Pick 6"});
    cli({"db", "add", db, "1/3/2004", "3", "12", "19", "25", "33", "41", "+", "7"});
    cli({"db", "add", db, "1/10/2004", "1", "2", "3", "4", "5", "6"});
    std::string wheel = (dir / "wheel.qvt").string();
    ASSERT_TRUE(sampleWheel().saveAs(wheel));
    EXPECT_EQ(cli({"db", "list", db, "--tickets", wheel}).out,
              "1-10-2004 1 2 3 4 5 6  | 3/6:0 4/6:0 5/6:0 6/6:0\n"
              "1-3-2004 3 12 19 25 33 41 + 7  | 3/6:0+0 4/6:0+0 5/6:2+0 6/6:1+0 *\n");
    EXPECT_EQ(cli({"describe", db}).out,
              "Pick 6\n2 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto\n");
    EXPECT_EQ(cli({"describe", wheel}).out,
              "Seven in three\n7 Numbers, 3 Tickets, Guarantees 3 of 6 if 4\n");
    std::string manual = (dir / "m.qvt").string();
    ASSERT_TRUE(qv::newManualTicketFile(5, 39).saveAs(manual));
    EXPECT_EQ(
        cli({"describe", manual}).out,
        "This is a manually entered ticket file with\n0 Tickets and 5 Numbers on each Ticket\n");
    EXPECT_EQ(cli({"db", "list", db, "--tickets", (dir / "none.qvt").string()}).status, 1);
}

// The sample database is built from the CSV history by the paste parser at build time.
// A 5-number game of three draws, newest first: 3/10/1998, 3/7/1998, 3/3/1998.
class CliStats : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        ASSERT_EQ(cli({"db", "create", db, "--lotto", "5", "--ticket", "3"}).status, 0);
        for (const auto& draw :
             std::vector<std::vector<std::string>>{{"3/3/1998", "1", "2", "3", "+", "4"},
                                                   {"3/7/1998", "2", "3", "5", "+", "1"},
                                                   {"3/10/1998", "1", "3", "4", "+", "1"}}) {
            std::vector<std::string> args = {"db", "add", db};
            args.insert(args.end(), draw.begin(), draw.end());
            ASSERT_EQ(cli(args).status, 0);
        }
    }
    std::string run(std::vector<std::string> args) {
        args.insert(args.begin() + 2, db);
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }
};

TEST_F(CliStats, CountsOverTheChosenSpan) {
    EXPECT_EQ(run({"stats", "range"}), "0 3\n");
    // 9 numbers over 5: average 1.80; 1 and 2 twice, 3 three times, 4 and 5 once. With
    // E = 1.8, X2 = 2.8 / 1.8 x (5 - 1) / (5 - 3) = 3.11 on 4 degrees of freedom.
    EXPECT_EQ(run({"stats", "frequency"}),
              "Highest number: 5\nDraws: 3\nStatistical Avg. =  1.80\n"
              "1 2 hot\n2 2 hot\n3 3 hot\n4 1 cold\n5 1 cold\n"
              "Uniformity: chi-square = 3.11, df = 4, p = 0.539\n");
    EXPECT_EQ(run({"stats", "pairs"}),
              "2 1 1\n3 1 2\n3 2 2\n4 1 1\n4 2 0\n4 3 1\n5 1 0\n5 2 1\n5 3 1\n5 4 0\n");
    EXPECT_EQ(run({"stats", "triples"}).substr(0, 21), "1-2-3, 1\n1-3-4, 1\n2-3");

    // From 3-3-1998 to 3-7-1998: the two older draws; a later "from" than "to" swaps.
    EXPECT_EQ(run({"stats", "options", "--from", "3-7-1998", "--to", "3-3-1998"}),
              "Statistics options: hot 0 cold 0 from 3-3-1998 to 3-7-1998\n");
    EXPECT_EQ(run({"stats", "range"}), "1 3\n");
    // Marks touch the eight cells around them; the draw of 3/10 lies outside the span.
    EXPECT_EQ(run({"stats", "cluster"}), "3/7/1998 2:2 3:2 5:0\n3/3/1998 1:2 2:2 3:2\n");
    // 3 of the 2 x 3 numbers drawn lie in 1..2.
    EXPECT_EQ(run({"stats", "region", "1", "2", "1", "2"}),
              "The numbers you selected, (1 - 2) account for 50.00% of the winning numbers "
              "between 3/3/1998 and 3/7/1998.\n");
    EXPECT_EQ(run({"stats", "options", "--hot", "pairs", "--to", "newest"}),
              "Statistics options: hot 1 cold 0 from 3-3-1998 to 0-0-0\n");
}

TEST_F(CliStats, BadValuesAreUsageErrorsAndChangeNothing) {
    const std::string before = slurp(db);
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"stats", "options", db, "--hot", "triples"},
             {"stats", "options", db, "--from", "13-1-2000"},
             {"stats", "frequency", db, "--pairs"},
             {"stats", "region", db, "0", "1", "0", "3"},
             {"stats", "triples", db, "--sort-positions", "-1"}}) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args[1] << " " << args.back();
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    EXPECT_EQ(slurp(db), before);
}

TEST(SampleDatabase, HoldsEveryDrawOfTheHistoryNewestFirst) {
    qv::DrawDatabase d;
    ASSERT_TRUE(d.load(std::string(QV_BUILD_DATA_DIR) + "/lotto649.dat"));
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
