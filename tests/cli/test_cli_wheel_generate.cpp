// wheel bound and wheel generate through the real binary: the printed lines, the exit
// statuses, and the wheel file judged by a plain search written here.

#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_test_support.h"
#include "test_support.h"

namespace {

using qv::test::runCli;
using qv::test::slurp;
using qv::test::TempDir;

int field(const std::string& bytes, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::vector<std::string> terms(int n, int p, int g, int i) {
    return {"--numbers", std::to_string(n), "--per-ticket", std::to_string(p), "--guarantee",
            std::to_string(g), "--if", std::to_string(i)};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(CliWheelBound, PrintsTheBoundAndTheBestKnown) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {terms(18, 6, 3, 3), "Lower bound: 48\nBest known: 48\n"},
        {terms(14, 6, 4, 4), "Lower bound: 75\nBest known: 80\n"},
        {terms(22, 6, 3, 6), "Lower bound: 7\nBest known: unknown\n"},
    };
    for (const auto& [args, out] : cases) {
        const auto r = runCli(std::vector<std::string>{"wheel", "bound"} + args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, out);
    }
}

TEST(CliWheelGenerate, WritesAConfirmedWheel) {
    const TempDir dir;
    const std::string out = dir.file("w.wl6");
    const auto r = runCli(std::vector<std::string>{"wheel", "generate", out} + terms(15, 6, 3, 4) +
                          std::vector<std::string>{"--seconds", "1", "--seed", "5"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = slurp(out);
    ASSERT_GE(bytes.size(), 35u);
    EXPECT_EQ(bytes.substr(0, 13), std::string("15 nrs 3 if 4"));
    const int rows = field(bytes, 27);
    EXPECT_EQ(field(bytes, 25), 15);
    EXPECT_EQ(field(bytes, 29), 3);
    EXPECT_EQ(field(bytes, 31), 6);
    EXPECT_EQ(field(bytes, 33), 4);
    ASSERT_EQ(bytes.size(), 35u + 12u * static_cast<std::size_t>(rows));
    // Every 4 of the 15 numbers share 3 with some row.
    std::vector<unsigned> masks;
    for (int k = 0; k < rows; ++k) {
        unsigned m = 0;
        for (int j = 0; j < 6; ++j) m |= 1u << field(bytes, 35 + static_cast<std::size_t>(k * 12 + j * 2));
        masks.push_back(m);
    }
    for (unsigned s = 0; s < (1u << 16); s += 2) {
        if (std::popcount(s) != 4) continue;
        bool met = false;
        for (unsigned m : masks) met = met || std::popcount(m & s) >= 3;
        ASSERT_TRUE(met) << s;
    }
    std::string expected = "Rows: " + std::to_string(rows) + "\nLower bound: 8\nBest known: unknown\n";
    EXPECT_EQ(r.out.substr(0, expected.size()), expected);
    EXPECT_NE(r.out.find("\nBalance: each number on "), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.size() - 57),
              "\nThe prize guarantee for this wheeling system is valid !\n");
}

TEST(CliWheelGenerate, ARowCapTooSmallReportsCoverageAndWritesNothing) {
    const TempDir dir;
    const std::string out = dir.file("w.wl6");
    const auto r = runCli(std::vector<std::string>{"wheel", "generate", out} + terms(10, 6, 3, 3) +
                          std::vector<std::string>{"--seconds", "0.3", "--rows", "4"});
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_NE(r.out.find("Rows: 4\n"), std::string::npos) << r.out;
    const std::size_t at = r.out.find("Coverage: ");
    ASSERT_NE(at, std::string::npos);
    const long long met = std::stoll(r.out.substr(at + 10));
    EXPECT_GT(met, 0);
    EXPECT_LT(met, 120);
    EXPECT_EQ(r.out.substr(r.out.find(" of ", at)), " of 120\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(CliWheelGenerate, BadTermsAreUsageErrorsAndWriteNothing) {
    const TempDir dir;
    const std::string out = dir.file("w.wl6");
    const std::vector<std::string> bad[] = {
        terms(10, 6, 0, 3),
        terms(10, 6, 4, 3),
        terms(10, 6, 3, 7),
        terms(4, 6, 3, 5),
        terms(10, 7, 3, 3),
        terms(10, 3, 2, 2),
        terms(101, 6, 3, 3),
        terms(40, 4, 4, 4),
        {"--numbers", "10", "--per-ticket", "6", "--guarantee", "3"},
        terms(10, 6, 3, 3) + std::vector<std::string>{"--seconds", "-1"},
    };
    for (const auto& args : bad) {
        for (const std::string command : {"generate", "bound"}) {
            std::vector<std::string> a{"wheel", command};
            if (command == "generate") a.push_back(out);
            const auto r = runCli(a + args);
            EXPECT_EQ(r.status, 2) << command << " " << args[1] << " " << args[5];
            EXPECT_NE(r.err.find("quorvantile-cli: "), std::string::npos);
            EXPECT_TRUE(r.out.empty());
        }
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
