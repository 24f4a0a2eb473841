#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/database/draw_parser.h"
#include "core/util/file_io.h"
#include "core/util/text.h"

using namespace qv;

namespace {

TicketType draw(int month, int day, int year, std::vector<int> numbers,
                std::vector<int> bonus = {}) {
    TicketType t;
    t.month = std::int16_t(month);
    t.day = std::int16_t(day);
    t.year = std::int16_t(year);
    for (std::size_t i = 0; i < numbers.size(); ++i) t.numbers[i] = std::int16_t(numbers[i]);
    for (std::size_t i = 0; i < bonus.size(); ++i) t.bonus[i] = std::int16_t(bonus[i]);
    return t;
}

}  // namespace

TEST(DrawRecord, ReadsTheThreeDateForms) {
    EXPECT_EQ(parseDrawRecord("01/15/2004 3 12 19 27 33 41 7", 6),
              draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7}));
    EXPECT_EQ(parseDrawRecord("2004-01-15 3 12 19 27 33 41 7", 6),
              draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7}));
    // The month name gives the month; the day and the year follow it.
    EXPECT_EQ(parseDrawRecord("Thursday, January 15, 04 3 12 19 27 33 41 7", 6),
              draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7}));
    // Without a digit first and without a month name nothing is read.
    EXPECT_EQ(parseDrawRecord("Draw 1234: 3 12 19 27 33 41 7", 6), TicketType{});
    EXPECT_EQ(parseDrawRecord("", 6), TicketType{});

    struct {
        const char* year;
        int expected;
    } years[] = {{"99", 1999}, {"04", 2004},   {"49", 2049},  {"50", 1950},
                 {"0", 2000},  {"1949", 1949}, {"2004", 2004}};
    for (const auto& y : years)
        EXPECT_EQ(parseDrawRecord(std::string("6/1/") + y.year + " 1", 0).year, y.expected)
            << y.year;
}

TEST(DrawRecord, MovesToTheBonusNumbers) {
    // Without a count, seven numbers are all winning numbers.
    EXPECT_EQ(parseDrawRecord("1/5/2004 5 9 14 22 31 40 12", 0),
              draw(1, 5, 2004, {5, 9, 14, 22, 31, 40, 12}));
    EXPECT_EQ(parseDrawRecord("1/5/2004 5 9 14 22 31 40 ~ 12", 0),
              draw(1, 5, 2004, {5, 9, 14, 22, 31, 40}, {12}));
    // After ten numbers come three bonus numbers; what follows is ignored.
    EXPECT_EQ(parseDrawRecord("1/5/2004 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", 0),
              draw(1, 5, 2004, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12, 13}));
    EXPECT_EQ(parseDrawRecord("1/5/2004 1 2 3 4 5 6 7 8", 3),
              draw(1, 5, 2004, {1, 2, 3}, {4, 5, 6}));
    // A count the record type cannot hold behaves as an unknown count.
    EXPECT_EQ(parseDrawRecord("1/5/2004 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", 12),
              draw(1, 5, 2004, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {11, 12, 13}));
}

TEST(DrawRecord, PrizeAmountsAreNotNumbers) {
    EXPECT_EQ(parseDrawRecord("01/15/2004 3 12 19 27 33 41 7 Jackpot 5 Million", 6),
              draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7}));
    EXPECT_EQ(parseDrawRecord("01/15/2004 3 12 19 27 33 41 $7", 6).numbers[5], 0);
    // Far enough from the end the word does not matter.
    EXPECT_EQ(parseDrawRecord("1/5/2004 5 from the Million", 0).numbers[0], 5);
    // A record starting with a letter is upper-cased, so any spelling counts.
    EXPECT_EQ(parseDrawRecord("Jan 5 2004 and 9 mILLion", 0), draw(1, 5, 2004, {}));
}

TEST(DrawRecord, HugeValuesSaturate) {
    const TicketType t =
        parseDrawRecord("1/5/99999999999999999999 70000 " + std::string(5000, '9') + " 4", 0);
    EXPECT_EQ(t.year, 32767);
    EXPECT_EQ(t.numbers[0], 32767);
    EXPECT_EQ(t.numbers[1], 32767);
    EXPECT_EQ(t.numbers[2], 4);
    EXPECT_EQ(parseDrawRecord("40000-70000-99999 1", 0).date(), (Date{32767, 32767, 32767}));
}

TEST(DateTest, ProbeAgreesWithTheWholeRecordTest) {
    const std::vector<std::string> pieces = {"0",  "1", "9",  "12",  "2004", "/",   " ",
                                             "~",  "-", ",",  "x",   "Jan",  "may", "DEC",
                                             "ju", "n", "\t", "007", "Oc",   "t"};
    std::mt19937 rng(20040115);
    for (int round = 0; round < 20000; ++round) {
        std::string record;
        const int count = int(rng() % 14);
        for (int k = 0; k < count; ++k) record += pieces[rng() % pieces.size()];
        DateProbe probe;
        for (std::size_t m = 1; m <= record.size(); ++m) {
            const std::string prefix = record.substr(0, m);
            ASSERT_EQ(probe.feed(record[m - 1]), recordHoldsDate(prefix)) << '"' << prefix << '"';
        }
    }
    EXPECT_TRUE(recordHoldsDate("01/15/2"));
    EXPECT_FALSE(recordHoldsDate("01/15/ ~2004"));  // the year would be a bonus number
}

TEST(FileImport, ParsesDigitLinesAndSkipsTheRest) {
    const std::string text =
        "Lotto results\n"
        "1/5/2004 5 9 14 22 31 40 12\r\n"
        "1/5/2004 5 9 14 22 31 40 ~ 12\r"
        "1/5/04\n"
        "\n"
        "   \n"
        " 1/5/2004 1 2 3\n"
        "13/40/2004 1 2 3\n"
        "1/5/2004 5 101 7\n"
        "2004-01-15 3 12 19 27 33 41 7";
    const FileImportResult r = parseImportText(text);
    ASSERT_EQ(r.draws.size(), 4u);
    EXPECT_EQ(r.draws[0], draw(1, 5, 2004, {5, 9, 14, 22, 31, 40, 12}));
    EXPECT_EQ(r.draws[1], draw(1, 5, 2004, {5, 9, 14, 22, 31, 40}, {12}));
    EXPECT_EQ(r.draws[2], draw(13, 40, 2004, {1, 2, 3}));  // files are not checked
    EXPECT_EQ(r.draws[3], draw(1, 15, 2004, {3, 12, 19, 27, 33, 41, 7}));
    // The title, the short line and the line starting with a blank; empty lines not counted.
    EXPECT_EQ(r.skippedLines, 3);
    EXPECT_EQ(r.skippedOutOfRange, 1);
    EXPECT_TRUE(parseImportText("").draws.empty());
}

TEST(FileImport, ALineOfSevenCharactersIsTheShortestRead) {
    const FileImportResult seven = parseImportText("1/5/4 9");
    ASSERT_EQ(seven.draws.size(), 1u);
    EXPECT_EQ(seven.draws[0], draw(1, 5, 2004, {9}));
    const FileImportResult six = parseImportText("1/5/49");
    EXPECT_TRUE(six.draws.empty());
    EXPECT_EQ(six.skippedLines, 1);
}

TEST(Clipboard, JoinsADateLineWithTheNumbersBelow) {
    EXPECT_EQ(parseClipboardText("01/15/2004\r\n3 12 19 27 33 41 7\r\n", 6),
              std::vector{draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7})});
    EXPECT_EQ(parseClipboardText("Thursday, January 15, 04 3 12 19 27 33 41 7\n", 6),
              std::vector{draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7})});
    // A line end 20 characters from the start still joins (CRLF as one line end); at 21 the
    // record ends, holding no number, and its numbers line has no date of its own.
    EXPECT_EQ(parseClipboardText("1/15/04 Jackpot soon\r\nNumbers: 3 12 19 27 33 41 7\r\n", 6),
              std::vector{draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7})});
    EXPECT_EQ(parseClipboardText("1/15/04 Jackpot soon!\r\nNumbers: 3 12 19 27 33 41 7\r\n", 6),
              std::vector<TicketType>{});
    // Two draws, each on its own line, with other text around them.
    const std::string page =
        "\r\nWinning numbers\r\n"
        "  01/22/2004 1 2 3 4 5 6 7\r\n\r\n"
        "Ads and links\r\n"
        "01/15/2004 3 12 19 27 33 41 7\r\n";
    EXPECT_EQ(parseClipboardText(page, 6),
              (std::vector{draw(1, 22, 2004, {1, 2, 3, 4, 5, 6}, {7}),
                           draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7})}));
}

TEST(Clipboard, DropsPrizeLinesAndInvalidDraws) {
    EXPECT_EQ(parseClipboardText("01/15/2004\n3 12 19 27 33 41 7 Jackpot 5 Million\n", 6),
              std::vector{draw(1, 15, 2004, {3, 12, 19, 27, 33, 41}, {7})});
    // A short dated line holding an amount word is a prize line, not a draw.
    EXPECT_EQ(parseClipboardText("1/15/04 $9 Million\nNumbers: 3 12 19 27 33 41 7\n", 6),
              std::vector<TicketType>{});
    EXPECT_EQ(parseClipboardText("13/40/2004 3 12 19 27 33 41 7\n", 6), std::vector<TicketType>{});
    EXPECT_EQ(parseClipboardText("1/15/2004 3 12 19 27 33 141 7\n", 6), std::vector<TicketType>{});
    EXPECT_EQ(parseClipboardText("1/15/99999 3 12 19 27 33 41 7\n", 6), std::vector<TicketType>{});
}

TEST(Clipboard, ShortAndDegenerateTexts) {
    const std::string line = "1/5/04 1 2 3 4 5 6";
    // Records only start while more than ten characters remain.
    for (std::size_t len = 0; len <= line.size(); ++len) {
        const auto r = parseClipboardText(line.substr(0, len), 6);
        EXPECT_EQ(r.size(), len > 10 ? 1u : 0u) << len;
    }
    EXPECT_TRUE(parseClipboardText(std::string(100, '\n'), 6).empty());
    // One enormous line in which a date never completes, and one that holds a date at once.
    const std::string noDate = "1" + std::string(2'000'000, 'x');
    EXPECT_TRUE(parseClipboardText(noDate, 6).empty());
    const std::string dated = "jan 1 1 " + std::string(2'000'000, ' ') + "7 8";
    EXPECT_EQ(parseClipboardText(dated, 6), std::vector{draw(1, 1, 2001, {7, 8})});
}

TEST(Clipboard, SampleHistoryInEveryLineEnding) {
    const auto csv = readTextFile(std::string(QV_SAMPLES_DIR) + "/lotto649-draws.csv");
    ASSERT_TRUE(csv.has_value());

    // The expected draws, read field by field; month names by their first three letters
    // since the history has typos such as "Febraury".
    const std::string months = "JANFEBMARAPRMAYJUNJULAUGSEPOCTNOVDEC";
    std::vector<TicketType> expected;
    forEachLine(*csv, [&](std::string_view line) {
        char name[16] = {};
        int f[9] = {};
        const std::string l(line);
        if (std::sscanf(l.c_str(), "\"%15[A-Za-z] %d, %d\",%d,%d,%d,%d,%d,%d,%d", name, &f[0],
                        &f[1], &f[2], &f[3], &f[4], &f[5], &f[6], &f[7], &f[8]) != 10)
            return;
        for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
        const std::size_t month = months.find(std::string(name, 3));
        ASSERT_TRUE(month < months.size() && month % 3 == 0) << line;
        expected.push_back(draw(int(month / 3) + 1, f[0], f[1], {f + 2, f + 8}, {f[8]}));
    });
    ASSERT_EQ(expected.size(), 3622u);

    std::string lf = *csv;
    std::erase(lf, '\r');
    std::string cr = lf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (const std::string& text : {*csv, lf, cr}) {
        const std::vector<TicketType> got = parseClipboardText(text, 6);
        ASSERT_EQ(got.size(), expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], expected[i]) << i;
    }
}
