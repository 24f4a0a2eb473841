#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/wheels/manual_import.h"
#include "core/wheels/wheel_text.h"

namespace qv {
namespace {

using Kind = WheelTextProblem::Kind;

struct TextCase {
    const char* name;
    std::string text;
    int perTicket;
    int numbersToWheel;
    WheelTextSource source;
    std::vector<std::string> rows;  // each row's ten slots up to the last non-zero one
    std::string problem;            // the message, when the text is refused
};

std::string slots(const TicketType& t) {
    int last = 0;
    for (int j = 0; j < 10; ++j)
        if (t.numbers[static_cast<std::size_t>(j)] != 0) last = j + 1;
    std::string s;
    for (int j = 0; j < last; ++j) {
        if (j) s += ' ';
        s += std::to_string(t.numbers[static_cast<std::size_t>(j)]);
    }
    return s;
}

class WheelTextReading : public ::testing::TestWithParam<TextCase> {};

TEST_P(WheelTextReading, GivesTheRowsOrTheProblem) {
    const TextCase& c = GetParam();
    const WheelTextRows read = readWheelText(c.text, c.perTicket, c.numbersToWheel, c.source);
    std::vector<std::string> rows;
    for (const TicketType& t : read.rows) {
        rows.push_back(slots(t));
        EXPECT_EQ(t.bonus, (std::array<std::int16_t, 3>{})) << c.name;
    }
    EXPECT_EQ(rows, c.rows);
    if (c.problem.empty()) {
        EXPECT_FALSE(read.problem);
    } else {
        ASSERT_TRUE(read.problem);
        EXPECT_EQ(wheelTextProblemText(*read.problem, c.numbersToWheel, c.source), c.problem);
    }
}

constexpr auto File = WheelTextSource::File;
constexpr auto Paste = WheelTextSource::Paste;

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelTextReading,
    ::testing::Values(
        TextCase{"Spaces", "1 2 3 4\n5 6 7 8\n", 4, 10, File, {"1 2 3 4", "5 6 7 8"}, ""},
        TextCase{
            "HyphensAndCommas", "1-2-3-4\r\n4,3 , 2--1", 4, 10, File, {"1 2 3 4", "4 3 2 1"}, ""},
        TextCase{"FirstPNumbersOnly", "9 8 7 6 5 4 3\n", 4, 10, File, {"9 8 7 6"}, ""},
        TextCase{"FewerThanPLeaveZeros", "3 1\n\n   \n7\r", 6, 10, File, {"3 1", "7"}, ""},
        TextCase{"LeadingZeros", "001 010\n", 4, 10, File, {"1 10"}, ""},
        TextCase{"ByteOrderMark",
                 "\xEF\xBB\xBF"
                 "1 2 3 4\n",
                 4,
                 10,
                 File,
                 {"1 2 3 4"},
                 ""},
        TextCase{"PasteSorts", "4 3 2 1\r\n10 9\n", 4, 10, Paste, {"1 2 3 4", "9 10"}, ""},
        TextCase{"TenPerTicket",
                 "1 2 3 4 5 6 7 8 9 10 11\n",
                 10,
                 20,
                 File,
                 {"1 2 3 4 5 6 7 8 9 10"},
                 ""},
        TextCase{"Semicolon",
                 "1 2 3 4\n1;2;3;4\n",
                 4,
                 10,
                 File,
                 {},
                 "This file contains illegal char ';'"},
        TextCase{"Tab", "1\t2 3 4\n", 4, 10, File, {}, "This file contains illegal char '\t'"},
        TextCase{
            "Letter", "12abc\n", 4, 20, Paste, {}, "The pasted text contains illegal char 'a'"},
        TextCase{"Utf8Character",
                 "1 2 \xC3\xA9\n",
                 4,
                 10,
                 File,
                 {},
                 "This file contains illegal char '\xC3\xA9'"},
        TextCase{"Latin1Byte",
                 "1 2 \xE9\n",
                 4,
                 10,
                 File,
                 {},
                 "This file contains illegal char '\xC3\xA9'"},
        TextCase{"IllegalCharBeyondTheNumbersUsed",
                 "1 2 3 4 5 x\n",
                 4,
                 10,
                 File,
                 {},
                 "This file contains illegal char 'x'"},
        TextCase{"OutOfRange",
                 "1 2 3 4\n1 2 3 11\n",
                 4,
                 10,
                 File,
                 {},
                 "Line 2 holds 11, which is not a position from 1 to 10."},
        TextCase{"Zero",
                 "0 1 2 3\n",
                 4,
                 10,
                 Paste,
                 {},
                 "Line 1 holds 0, which is not a position from 1 to 10."},
        TextCase{"HugeNumber",
                 "99999999999999\n",
                 4,
                 10,
                 File,
                 {},
                 "Line 1 holds 2147483647, which is not a position from 1 to 10."},
        TextCase{"Repeated", "1 2 2 4\n", 4, 10, File, {}, "Line 1 holds the position 2 twice."},
        TextCase{"RepeatBeyondPIsIgnored", "1 2 3 4 4\n", 4, 10, File, {"1 2 3 4"}, ""},
        TextCase{"LongLine",
                 "1 2 3 4\n" + std::string(255, ' ') + "\n",
                 4,
                 10,
                 File,
                 {},
                 "Line 2 is longer than 254 characters."},
        TextCase{"LineOfExactly254", std::string(250, ' ') + "1 2 ", 4, 10, File, {"1 2"}, ""},
        TextCase{"Empty", "", 4, 10, File, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelText, RowLimitCountsTheRowsAlreadyThere) {
    const WheelTextRows ok = readWheelText("1 2\n3 4\n", 4, 10, Paste, 32765);
    EXPECT_EQ(ok.rows.size(), 2u);
    const WheelTextRows tooMany = readWheelText("1 2\n3 4\n5 6\n", 4, 10, Paste, 32765);
    ASSERT_TRUE(tooMany.problem);
    EXPECT_EQ(tooMany.problem->kind, Kind::TooManyRows);
    EXPECT_EQ(tooMany.problem->line, 3);
    EXPECT_TRUE(tooMany.rows.empty());
    EXPECT_EQ(wheelTextProblemText(*tooMany.problem, 10, Paste),
              "A wheel holds at most 32767 rows; line 3 is one too many.");
}

}  // namespace
}  // namespace qv

// --- "Enter Numbers" of a wheel ----------------------------------------------------------

namespace qv {
namespace {

TEST(ManualImport, BoxesCaptionsAndAdd) {
    ManualImport entry(4, 10);
    EXPECT_EQ(entry.caption(), "Enter Numbers");
    EXPECT_EQ(entry.choice().state(11), BoxState::Grey);
    // Boxes above the numbers to wheel never open, not even by a second click.
    EXPECT_EQ(entry.click(11), BoxClick::Ignored);
    EXPECT_EQ(entry.click(11), BoxClick::Ignored);
    EXPECT_EQ(entry.caption(), "Enter Numbers");

    std::vector<std::string> captions;
    for (int n : {9, 2, 5, 1}) {
        EXPECT_EQ(entry.click(n), BoxClick::Chose);
        captions.push_back(entry.caption());
    }
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Choose 3 More Numbers", "Choose 2 More Numbers",
                                        "Choose 1 More Number", "Select Add Ticket Button"}));
    EXPECT_EQ(entry.choice().state(3), BoxState::Grey);
    EXPECT_EQ(entry.click(3), BoxClick::Ignored);

    EXPECT_EQ(entry.add(), ManualImport::AddResult::Added);
    EXPECT_EQ(entry.caption(), "Select 4 more numbers");
    EXPECT_EQ(entry.choice().chosenCount(), 0);
    EXPECT_EQ(entry.choice().state(3), BoxState::Free);

    // Fewer than P positions still make a row; none make nothing.
    entry.click(7);
    entry.click(3);
    EXPECT_EQ(entry.add(), ManualImport::AddResult::Added);
    EXPECT_EQ(entry.add(), ManualImport::AddResult::NothingChosen);
    ASSERT_EQ(entry.rows().size(), 2u);
    EXPECT_EQ(entry.rows()[0].numbers, (std::array<std::int16_t, 10>{1, 2, 5, 9}));
    EXPECT_EQ(entry.rows()[1].numbers, (std::array<std::int16_t, 10>{3, 7}));
    EXPECT_EQ(entry.listing(), (std::vector<std::string>{"1 2 5 9 ", "3 7 "}));
}

TEST(ManualImport, PasteAppendsSortedRowsOrNothing) {
    ManualImport entry(4, 10);
    entry.click(4);
    EXPECT_FALSE(entry.paste("4 3 2 1\r\n\r\n10,9\r\n"));
    EXPECT_EQ(entry.listing(), (std::vector<std::string>{"1 2 3 4 ", "9 10 "}));
    EXPECT_EQ(entry.caption(), "Select 4 more numbers");
    EXPECT_EQ(entry.choice().chosenCount(), 0);

    const auto problem = entry.paste("5 6\n5 6 11\n");
    ASSERT_TRUE(problem);
    EXPECT_EQ(wheelTextProblemText(*problem, 10, WheelTextSource::Paste),
              "Line 2 holds 11, which is not a position from 1 to 10.");
    EXPECT_EQ(entry.rows().size(), 2u);
}

}  // namespace
}  // namespace qv
