#include "core/database/draw_parser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/util/text.h"

namespace qv {

namespace {

// A number followed by one of these near the end of its record is a prize amount.
constexpr std::array<std::string_view, 10> kAmountWords = {
    "MILLION",  "Million", "million", "THOUSAND", "Thousand",
    "thousand", "HUNDRED", "Hundred", "hundred",  "$"};
// The amount word only counts when fewer than this many characters follow the digits.
constexpr std::size_t kAmountTailLimit = 12;

constexpr std::array<std::string_view, 12> kMonthNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// A "~" this early is part of the date ("1/5/~04" is not a bonus mark).
constexpr std::size_t kFirstBonusMarkIndex = 6;

// Field indexes: 0..2 date, 3..12 winning numbers, 13..15 bonus numbers, 16 ignored.
constexpr int kFirstNumberField = 3;
constexpr int kFirstBonusField = 13;
constexpr int kLastDateField = 2;
constexpr int kFieldLimit = 17;

// A line end in pasted text this far or less from the record's start may still split a
// date from its numbers.
constexpr std::size_t kJoinedLineReach = 20;
// Records are only looked for while more than this many characters remain.
constexpr std::size_t kPasteTailIgnored = 10;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

std::int16_t saturate16(int v) {
    return std::int16_t(std::clamp(v, -32768, 32767));
}

bool containsAmountWord(std::string_view s) {
    return std::any_of(kAmountWords.begin(), kAmountWords.end(),
                       [&](std::string_view w) { return s.find(w) != std::string_view::npos; });
}

// Month 1..12 of the first name in list order found anywhere in the upper-cased record; 0
// when there is none.
int findMonthName(std::string_view upper) {
    for (std::size_t m = 0; m < kMonthNames.size(); ++m)
        if (upper.find(kMonthNames[m]) != std::string_view::npos) return int(m) + 1;
    return 0;
}

struct Number {
    int value = 0;
    std::size_t digits = 0;
    bool bonus = false;
};

// Reads the number at or after `p` and moves `p` past the character that ended its digits.
Number readNumber(std::string_view rec, std::size_t& p) {
    Number num;
    std::size_t i = p;
    while (i < rec.size() && !isDigit(rec[i])) {
        if (rec[i] == '~' && i >= kFirstBonusMarkIndex) num.bonus = true;
        ++i;
    }
    const std::size_t runStart = i;
    while (i < rec.size() && isDigit(rec[i])) ++i;
    num.digits = i - runStart;
    num.value = parseDigitsSaturating(rec.substr(runStart, num.digits));
    const std::string_view tail = rec.substr(i);
    if (num.digits > 0 && tail.size() < kAmountTailLimit && containsAmountWord(tail)) num.value = 0;
    p = i < rec.size() ? i + 1 : rec.size();
    return num;
}

// A written two-digit year: "00" is 2000 (a stored 0 means no date, so the shared rule
// keeps it; typed, it is the year 2000). A year written in full stays as written.
int writtenYear(int year) {
    return year == 0 ? 2000 : normalisedYear(year);
}

// Runs the field loop over the record up to field `lastField` and returns the field index
// reached; it is lastField + 1 exactly when every field up to lastField was stored in order.
int readFields(std::string_view record, int numbersOnTicket, int lastField, TicketType& t) {
    if (numbersOnTicket < 0 || numbersOnTicket > kMaxNumbersOnTicket) numbersOnTicket = 0;
    std::string upper;
    std::string_view rec = record;
    int f = 0;
    bool yearFirst = false;
    if (!rec.empty() && !isDigit(rec[0])) {
        upper.resize(rec.size());
        std::transform(rec.begin(), rec.end(), upper.begin(), upperAscii);
        rec = upper;
        const int month = findMonthName(rec);
        if (month == 0) return f;
        t.month = std::int16_t(month);
        f = 1;  // the next number is the day
    }
    std::size_t p = 0;
    while (p < rec.size() && f < kFieldLimit && f <= lastField) {
        const Number num = readNumber(rec, p);
        if (num.bonus || (numbersOnTicket > 0 && f == kFirstNumberField + numbersOnTicket))
            f = kFirstBonusField;
        switch (f) {
            case 0:
                if (num.digits >= 3) {
                    yearFirst = true;
                    t.year = saturate16(num.value);
                } else {
                    t.month = saturate16(num.value);
                }
                break;
            case 1:
                (yearFirst ? t.month : t.day) = saturate16(num.value);
                break;
            case 2:
                if (yearFirst)
                    t.day = saturate16(num.value);
                else
                    t.year = saturate16(writtenYear(num.value));
                break;
            default:
                if (f < kFirstBonusField)
                    t.numbers[f - kFirstNumberField] = saturate16(num.value);
                else if (f < kFirstBonusField + kMaxBonusNumbers)
                    t.bonus[f - kFirstBonusField] = saturate16(num.value);
                break;
        }
        ++f;
    }
    return f;
}

}  // namespace

TicketType parseDrawRecord(std::string_view record, int numbersOnTicket) {
    TicketType t;
    readFields(record, numbersOnTicket, kFieldLimit, t);
    return t;
}

bool recordHoldsDate(std::string_view record) {
    TicketType t;
    return readFields(record, 0, kLastDateField, t) == kLastDateField + 1;
}

// Follows readNumber() over the first three fields: the character that ends a digit run is
// passed over unseen, and a "~" in the non-digits before the second or third field makes it
// a bonus number, which fails the test for good.
bool DateProbe::feed(char c) {
    const std::size_t i = index_++;
    const bool digit = isDigit(c);
    const bool mark = c == '~' && i >= kFirstBonusMarkIndex;
    switch (stage_) {
        case Stage::Start:
            monthFound_ = digit;  // a record starting with a digit needs no month name
            stage_ = digit ? Stage::FirstRun : Stage::SkipBeforeSecond;
            break;
        case Stage::FirstRun:
            if (!digit) stage_ = Stage::SkipBeforeSecond;
            break;
        case Stage::SkipBeforeSecond:
            if (digit)
                stage_ = Stage::SecondRun;
            else if (mark)
                bonusMark_ = true;
            break;
        case Stage::SecondRun:
            if (!digit) stage_ = Stage::SecondEnded;
            break;
        case Stage::SecondEnded:
        case Stage::SkipBeforeThird:
            if (digit)
                stage_ = Stage::ThirdRun;
            else {
                if (mark) bonusMark_ = true;
                stage_ = Stage::SkipBeforeThird;
            }
            break;
        case Stage::ThirdRun:
            break;
    }
    const char u = upperAscii(c);
    if (!monthFound_ && i >= 2) {
        const char name[3] = {recent_[0], recent_[1], u};
        const std::string_view s(name, 3);
        monthFound_ = std::find(kMonthNames.begin(), kMonthNames.end(), s) != kMonthNames.end();
    }
    recent_[0] = recent_[1];
    recent_[1] = u;
    return monthFound_ && !bonusMark_ &&
           (stage_ == Stage::SkipBeforeThird || stage_ == Stage::ThirdRun);
}

bool isValidDrawRecord(const TicketType& t) {
    if (t.day < 1 || t.day > 31 || t.month < 1 || t.month > 12) return false;
    if (t.year < 0 || t.year > 2999) return false;
    return hasOnlyIndexableNumbers(t);
}

FileImportResult parseImportText(std::string_view text) {
    constexpr std::size_t kShortestLine = 7;
    FileImportResult result;
    forEachLine(text, [&](std::string_view line) {
        if (line.size() < kShortestLine || !isDigit(line[0])) {
            if (!std::all_of(line.begin(), line.end(), isBlank)) ++result.skippedLines;
            return;
        }
        const TicketType t = parseDrawRecord(line, 0);
        // Parsed values are never negative, so this only catches numbers above 100.
        if (!hasOnlyIndexableNumbers(t)) {
            ++result.skippedOutOfRange;
            return;
        }
        result.draws.push_back(t);
    });
    return result;
}

std::vector<TicketType> parseClipboardText(std::string_view text, int numbersOnTicket) {
    std::vector<TicketType> draws;
    const std::size_t n = text.size();
    std::size_t pos = 0;
    if (n > 0 && isLineEnd(text[0])) {
        pos = 1;
        if (n > 1 && text[1] == '\n') pos = 2;
    }
    while (pos + kPasteTailIgnored < n) {
        while (pos < n && isBlank(text[pos])) ++pos;
        const std::size_t start = pos;
        DateProbe probe;
        bool dated = false;
        bool dropped = false;
        std::size_t i = start;
        while (i < n) {
            const char c = text[i];
            if (isLineEnd(c)) {
                const std::size_t lineEndLength =
                    (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
                if (!dated) {
                    dropped = true;
                    pos = i + lineEndLength;
                    break;
                }
                if (i - start > kJoinedLineReach) break;
                if (containsAmountWord(text.substr(start, i - start))) {
                    dropped = true;
                    break;
                }
                i += lineEndLength;  // the numbers may follow on the next line
                continue;
            }
            if (!dated) dated = probe.feed(c);
            ++i;
        }
        const std::string_view record = text.substr(start, i - start);
        if (dated) {
            pos = i;
            while (pos < n && isLineEnd(text[pos])) ++pos;
        } else if (!dropped) {
            pos = n;  // reached the end without a date
        }
        if (dated && !dropped) {
            const TicketType t = parseDrawRecord(record, numbersOnTicket);
            // A dated line without a single number (a headline, a jackpot notice) is no draw.
            if (isValidDrawRecord(t) && t.numbers[0] != 0) draws.push_back(t);
        }
    }
    return draws;
}

}  // namespace qv
