// The program's batch-printing options: what each command line asks for, and which ones are
// usage errors.

#include <gtest/gtest.h>

#include "core/print/batch_arguments.h"

using qv::print::PrintedChart;
using qv::print::BatchRequest;
using qv::print::parseBatchArguments;

namespace {

BatchRequest parsed(const std::vector<std::string>& args) {
    const qv::print::BatchParse parse = parseBatchArguments(args);
    EXPECT_TRUE(parse.ok()) << parse.error;
    return parse.request;
}

}  // namespace

TEST(BatchArguments, WithoutOwnOptionsTheWindowsStart) {
    EXPECT_EQ(parsed({}).kind, BatchRequest::Kind::None);
    EXPECT_EQ(parsed({"lotto.dat", "-platform", "xcb"}).kind, BatchRequest::Kind::None);
    EXPECT_EQ(parsed({"lotto.dat", "--help"}).kind, BatchRequest::Kind::Help);
    // --help wins over a broken print request.
    EXPECT_EQ(parsed({"--print-pdf", "--help"}).kind, BatchRequest::Kind::Help);
}

TEST(BatchArguments, ChartsByNameInAnyOrder) {
    const std::vector<std::pair<std::string, PrintedChart>> names{
        {"frequency", PrintedChart::Frequency}, {"bonus", PrintedChart::Bonus},
        {"pairs", PrintedChart::Pairs},         {"pairs-list", PrintedChart::PairsList},
        {"triples", PrintedChart::Triples},     {"skips", PrintedChart::Skips},
        {"cluster", PrintedChart::Cluster}};
    for (const auto& [name, chart] : names) {
        const BatchRequest r = parsed({"--print-pdf", "out.pdf", "--chart", name, "db.dat"});
        EXPECT_EQ(r.kind, BatchRequest::Kind::Chart);
        EXPECT_EQ(r.chart, chart) << name;
        EXPECT_EQ(r.output, "out.pdf");
        EXPECT_EQ(r.database, "db.dat");
        EXPECT_EQ(r.pageLimit, 0);
    }
    const BatchRequest r =
        parsed({"db.dat", "--pages", "2", "--chart", "triples", "--print-pdf", "o.pdf"});
    EXPECT_EQ(r.chart, PrintedChart::Triples);
    EXPECT_EQ(r.pageLimit, 2);
    EXPECT_EQ(r.database, "db.dat");
}

TEST(BatchArguments, TicketsWithWinningNumbersAndPages) {
    BatchRequest r = parsed({"--print-pdf", "o.pdf", "--tickets", "t.qvt"});
    EXPECT_EQ(r.kind, BatchRequest::Kind::Tickets);
    EXPECT_EQ(r.ticketFile, "t.qvt");
    EXPECT_EQ(r.database, "");
    EXPECT_TRUE(r.pages.all());

    r = parsed({"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--winning", "db.dat", "--pages",
                "2-5"});
    EXPECT_EQ(r.database, "db.dat");
    EXPECT_EQ(r.pages.first, 2);
    EXPECT_EQ(r.pages.last, 5);

    r = parsed({"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--pages", "3"});
    EXPECT_EQ(r.pages.first, 3);
    EXPECT_EQ(r.pages.last, 3);
}

TEST(BatchArguments, UsageErrors) {
    const std::vector<std::vector<std::string>> bad{
        {"--print-pdf"},
        {"--print-pdf", "o.pdf"},
        {"--print-pdf", "o.pdf", "db.dat"},
        {"--print-pdf", "o.pdf", "--chart", "pie", "db.dat"},
        {"--print-pdf", "o.pdf", "--chart", "pairs"},
        {"--print-pdf", "o.pdf", "--chart", "pairs", "a.dat", "b.dat"},
        {"--print-pdf", "o.pdf", "--chart", "triples", "db.dat", "--pages", "x"},
        {"--print-pdf", "o.pdf", "--chart", "triples", "db.dat", "--pages", "-1"},
        {"--print-pdf", "o.pdf", "--chart", "triples", "db.dat", "--pages", "1000"},
        {"--print-pdf", "o.pdf", "--chart", "pairs", "db.dat", "--winning", "db.dat"},
        {"--print-pdf", "o.pdf", "--chart", "pairs", "db.dat", "--tickets", "t.qvt"},
        {"--print-pdf", "o.pdf", "--tickets", "t.qvt", "extra.dat"},
        {"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--pages", "5-2"},
        {"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--pages", "0-2"},
        {"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--pages", "2-"},
        {"--print-pdf", "o.pdf", "--tickets", "t.qvt", "--colour"},
        {"--print-pdf", "o.pdf", "--print-pdf", "p.pdf", "--tickets", "t.qvt"},
        {"--print-pdf", "", "--tickets", "t.qvt"},
        // Printing options without --print-pdf do not open the windows.
        {"--chart", "pairs", "db.dat"},
        {"--tickets", "t.qvt"},
        {"lotto.dat", "--pages", "2"},
    };
    for (const auto& args : bad) {
        const qv::print::BatchParse parse = parseBatchArguments(args);
        std::string line;
        for (const auto& a : args) line += a + " ";
        EXPECT_FALSE(parse.ok()) << line;
    }
}
