#include <gtest/gtest.h>

#include <fstream>

#include "core/app/startup_files.h"
#include "test_support.h"

namespace qv {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> commandLine;
    std::string lastDatabase;
    std::string lastTicketFile;
    StartupFiles expected;
};

TEST(StartupFiles, NamedFilesTakeThePlaceOfTheLastSession) {
    const Case cases[] = {
        {"nothing named: the last session", {}, "last.dat", "last.qvt",
         {"last.dat", "last.qvt", "", true, true}},
        {"nothing at all", {}, "", "", {}},
        {"the first of each kind, any letter case",
         {"notes.txt", "a.DAT", "b.qvt", "c.dat", "d.QVT"}, "last.dat", "last.qvt",
         {"a.DAT", "b.qvt", "", false, false}},
        {"a wheeling table keeps the last ticket file closed", {"w.wl6"}, "last.dat", "last.qvt",
         {"last.dat", "", "w.wl6", true, false}},
        {"a wheeling table beside a ticket file is not used", {"w.WL10", "t.qvt"}, "", "",
         {"", "t.qvt", "", false, false}},
        {"only the first wheeling table", {"w.wl6", "x.wl5"}, "", "", {"", "", "w.wl6"}},
        {"a name of no known kind", {"w.wl11", "readme"}, "", "last.qvt",
         {"", "last.qvt", "", false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const StartupFiles got = chooseStartupFiles(c.commandLine, c.lastDatabase, c.lastTicketFile);
        EXPECT_EQ(got.database, c.expected.database);
        EXPECT_EQ(got.ticketFile, c.expected.ticketFile);
        EXPECT_EQ(got.wheelingTable, c.expected.wheelingTable);
        EXPECT_EQ(got.databaseFromLastSession, c.expected.databaseFromLastSession);
        EXPECT_EQ(got.ticketFileFromLastSession, c.expected.ticketFileFromLastSession);
    }
}

TEST(StartupFiles, ATicketFileIsKnownByItsSignatureWhateverItsName) {
    test::TempDir dir;
    const std::string tickets = dir.file("mine.bak");
    const std::string other = dir.file("other.bak");
    {
        std::ofstream(tickets, std::ios::binary) << "Quorvantile V3.4" << std::string(84, '\0');
        std::ofstream(other, std::ios::binary) << "Something else entirely";
    }
    EXPECT_EQ(chooseStartupFiles({other, tickets}, "", "").ticketFile, tickets);
    EXPECT_EQ(chooseStartupFiles({other}, "", "last.qvt").ticketFile, "last.qvt");
}

}  // namespace
}  // namespace qv
