#include "cli/cli_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <iterator>

#include "core/util/file_io.h"

namespace qv::cli {

TerminalProgress::TerminalProgress() : enabled_(isatty(STDERR_FILENO) != 0) {}

void TerminalProgress::open(const std::string& caption) {
    caption_ = caption;
    if (enabled_) std::fprintf(stderr, "%s", caption_.c_str());
}

void TerminalProgress::show(int percent) {
    if (enabled_) std::fprintf(stderr, "\r%s %d%%", caption_.c_str(), percent);
}

void TerminalProgress::close() {
    if (enabled_) std::fprintf(stderr, "\r%s done\n", caption_.c_str());
}

int parseIntArg(const std::string& text, int lo, int hi, const std::string& what) {
    // Nine digits at most, so the conversion below cannot overflow.
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError{what + " must be a whole number from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ": \"" + text + "\""};
    const int v = std::stoi(text);
    if (v < lo || v > hi)
        throw UsageError{what + " must be from " + std::to_string(lo) + " to " +
                         std::to_string(hi) + ": " + text};
    return v;
}

Date parseDateArg(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '/')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 3) throw UsageError{"the date must be M/D/YYYY: \"" + text + "\""};
    Date d;
    d.month = static_cast<std::int16_t>(parseIntArg(parts[0], 1, 12, "the month"));
    d.day = static_cast<std::int16_t>(parseIntArg(parts[1], 1, 31, "the day"));
    d.year = static_cast<std::int16_t>(parseIntArg(parts[2], 0, 2999, "the year"));
    return d;
}

void parseNumberArgs(const Args& a, std::size_t from, TicketType& draw) {
    std::size_t i = from;
    int count = 0;
    for (; i < a.size() && a[i] != "+"; ++i) {
        if (count == kMaxNumbersOnTicket) throw UsageError{"a draw has at most 10 numbers"};
        draw.numbers[count++] =
            static_cast<std::int16_t>(parseIntArg(a[i], 1, kMaxLottoNumber, "a number"));
    }
    if (count == 0) throw UsageError{"at least one number is needed"};
    if (i == a.size()) return;
    ++i;  // the "+"
    int bonus = 0;
    for (; i < a.size(); ++i) {
        if (bonus == kMaxBonusNumbers) throw UsageError{"a draw has at most 3 bonus numbers"};
        draw.bonus[bonus++] =
            static_cast<std::int16_t>(parseIntArg(a[i], 1, kMaxLottoNumber, "a bonus number"));
    }
    if (bonus == 0) throw UsageError{"\"+\" must be followed by a bonus number"};
}

bool takeFlag(Args& a, const std::string& flag) {
    const auto it = std::find(a.begin(), a.end(), flag);
    if (it == a.end()) return false;
    a.erase(it);
    return true;
}

std::string openError(const std::string& path, const IoResult& result) {
    std::string text = "Error opening file: " + path;
    if (!result.reason.empty()) text += ": " + result.reason;
    return text;
}

DrawDatabase loadDatabase(const std::string& path) {
    DrawDatabase database;
    // A database cut short is used as far as it goes, as the window does.
    if (const IoResult loaded = database.load(path); !loaded.opened())
        throw FileError{openError(path, loaded)};
    return database;
}

void saveDatabase(DrawDatabase& database) {
    if (IoResult saved = database.save(); !saved) throw FileError{saved.message};
}

TicketFile loadTickets(const std::string& path) {
    TicketFile file;
    const IoResult loaded = loadTicketFile(path, file);
    if (!loaded.opened()) throw FileError{openError(path, loaded)};
    if (!loaded) throw FileError{path + ": " + loaded.message};
    return file;
}

std::string readInputText(const std::string& source) {
    if (source == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin),
                           std::istreambuf_iterator<char>());
    auto text = readTextFile(source);
    if (!text) throw FileError{openError(source, text)};
    return *text;
}

}  // namespace qv::cli
