#pragma once
// Turns published draw results (text files, tables copied from a web page) into draw records.

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/records/records.h"

namespace qv {

// Parses one record: a date (month/day/year, year-month-day, or a month name followed by the
// day and the year) and then the winning numbers and the bonus numbers. `numbersOnTicket` is
// the game's count of winning numbers (0 = unknown); the number after that many becomes the
// first bonus number, as does a number preceded by "~". Never fails: what is not found stays 0.
TicketType parseDrawRecord(std::string_view record, int numbersOnTicket);

// Whether the record begins with the three date fields (a month name counting as one).
bool recordHoldsDate(std::string_view record);

// recordHoldsDate() for a record that grows one character at a time, in constant time per
// character; pasted text is tested after every character collected.
class DateProbe {
public:
    // Appends the next character; returns recordHoldsDate() of everything fed so far.
    bool feed(char c);

private:
    enum class Stage : unsigned char {
        Start,
        FirstRun,
        SkipBeforeSecond,
        SecondRun,
        SecondEnded,
        SkipBeforeThird,
        ThirdRun,
    };
    Stage stage_ = Stage::Start;
    std::size_t index_ = 0;
    bool monthFound_ = false;
    bool bonusMark_ = false;
    char recent_[2] = {0, 0};  // the two characters before this one, upper-cased
};

// Day 1..31, month 1..12, year 0..2999, every number and bonus number (unused places too)
// 0..100.
bool isValidDrawRecord(const TicketType& draw);

struct FileImportResult {
    std::vector<TicketType> draws;
    int skippedLines = 0;       // not empty, but shorter than 7 or not starting with a digit
    int skippedOutOfRange = 0;  // held a number above 100
};

// A text file of draws, one a line. Lines of 7 or more characters that start with a digit are
// parsed without a known count of winning numbers and kept unchecked, except that a record
// holding a number above 100 is skipped: it could never index a per-number table.
FileImportResult parseImportText(std::string_view text);

// Clipboard text, where a draw's date and numbers may be on separate lines and mixed with
// other text. Returns the valid records found, in the order of the text.
std::vector<TicketType> parseClipboardText(std::string_view text, int numbersOnTicket);

}  // namespace qv
