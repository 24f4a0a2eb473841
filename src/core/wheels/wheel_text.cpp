#include "core/wheels/wheel_text.h"

#include <algorithm>
#include <array>

#include "core/util/text.h"
#include "core/wheels/wheel_info.h"

namespace qv {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '-';
}

// The character starting at `at`: a whole UTF-8 sequence when one starts there, otherwise the
// byte read as Latin-1.
std::string characterAt(std::string_view line, std::size_t at) {
    const auto lead = static_cast<unsigned char>(line[at]);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    if (length > 0 && at + length <= line.size()) {
        bool whole = true;
        for (std::size_t i = 1; i < length; ++i)
            whole = whole && (static_cast<unsigned char>(line[at + i]) & 0xC0) == 0x80;
        if (whole) return std::string(line.substr(at, length));
    }
    if (lead < 0x80) return std::string(1, static_cast<char>(lead));
    return latin1ToUtf8(line.substr(at, 1));
}

}  // namespace

std::string readableCharacter(const std::string& character) {
    if (character.size() == 1) {
        const auto c = static_cast<unsigned char>(character[0]);
        if (c == '\t') return "tab";
        if (c < 0x20 || c == 0x7F) {
            static const char* const kHex = "0123456789ABCDEF";
            return std::string("code 0x") + kHex[c >> 4] + kHex[c & 0xF];
        }
    }
    return "'" + character + "'";
}

WheelTextRows readWheelText(std::string_view text, int numbersPerTicket, int numbersToWheel,
                            WheelTextSource source, std::size_t rowsAlready) {
    const int per = std::clamp(numbersPerTicket, 1, kMaxNumbersOnTicket);
    if (text.size() >= 3 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    WheelTextRows out;
    int lineNumber = 0;
    auto refuse = [&](WheelTextProblem problem) {
        if (!out.problem) out.problem = std::move(problem);
    };
    forEachLine(text, [&](std::string_view line) {
        ++lineNumber;
        if (out.problem) return;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (!isDigit(line[i]) && !isSeparator(line[i])) {
                refuse({WheelTextProblem::Kind::IllegalChar, lineNumber, characterAt(line, i), 0});
                return;
            }
        }
        if (line.size() > kMaxWheelTextLine) {
            refuse({WheelTextProblem::Kind::LineTooLong, lineNumber, {}, 0});
            return;
        }
        TicketType row;
        int count = 0;
        std::size_t i = 0;
        while (count < per) {
            while (i < line.size() && isSeparator(line[i])) ++i;
            if (i == line.size()) break;
            const std::size_t start = i;
            while (i < line.size() && isDigit(line[i])) ++i;
            const int value = parseDigitsSaturating(line.substr(start, i - start));
            if (value < 1 || value > numbersToWheel) {
                refuse({WheelTextProblem::Kind::OutOfRange, lineNumber, {}, value});
                return;
            }
            const auto taken = row.numbers.begin() + count;
            if (std::find(row.numbers.begin(), taken, value) != taken) {
                refuse({WheelTextProblem::Kind::Repeated, lineNumber, {}, value});
                return;
            }
            row.numbers[static_cast<std::size_t>(count++)] = static_cast<std::int16_t>(value);
        }
        if (count == 0) return;  // a blank line
        if (rowsAlready + out.rows.size() >= WheelInfo::kMaxRows) {
            refuse({WheelTextProblem::Kind::TooManyRows, lineNumber, {}, 0});
            return;
        }
        if (source == WheelTextSource::Paste) row.sortNumbers();
        out.rows.push_back(row);
    });
    if (out.problem) out.rows.clear();
    return out;
}

std::string wheelTextProblemText(const WheelTextProblem& problem, int numbersToWheel,
                                 WheelTextSource source) {
    const std::string line = std::to_string(problem.line);
    switch (problem.kind) {
        case WheelTextProblem::Kind::IllegalChar:
            return (source == WheelTextSource::Paste ? "The pasted text contains illegal char "
                                                     : "This file contains illegal char ") +
                   readableCharacter(problem.character) + " on line " + line + ".";
        case WheelTextProblem::Kind::LineTooLong:
            return "Line " + line + " is longer than " + std::to_string(kMaxWheelTextLine) +
                   " characters.";
        case WheelTextProblem::Kind::OutOfRange:
            return "Line " + line + " holds " + std::to_string(problem.value) +
                   ", which is not a position from 1 to " + std::to_string(numbersToWheel) + ".";
        case WheelTextProblem::Kind::Repeated:
            return "Line " + line + " holds the position " + std::to_string(problem.value) +
                   " twice.";
        case WheelTextProblem::Kind::TooManyRows:
            return "A wheel holds at most " + std::to_string(WheelInfo::kMaxRows) + " rows; line " +
                   line + " is one too many.";
    }
    return {};
}

}  // namespace qv
