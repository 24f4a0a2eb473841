#include "core/entry/int_edit.h"

#include <climits>

namespace qv {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::optional<int> scanInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !isDigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long v = 0;
    for (; i < text.size() && isDigit(static_cast<unsigned char>(text[i])); ++i) {
        if (v <= INT_MAX) v = v * 10 + (text[i] - '0');
    }
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

bool isAcceptableTyping(std::string_view text, const IntEditRange& range) {
    if (text.empty()) return true;
    if (text.size() > static_cast<std::size_t>(range.maxChars)) return false;
    for (char c : text)
        if (!isDigit(static_cast<unsigned char>(c))) return false;
    const std::optional<int> v = scanInteger(text);
    return v && *v >= range.typingLower() && *v <= range.upper;
}

std::string typeCharacter(std::string_view text, std::size_t cursor, char32_t typed,
                          const IntEditRange& range) {
    std::string before(text);
    if (cursor > before.size()) cursor = before.size();
    if (typed == 8) {
        if (cursor == 0) return before;
        std::string after = before;
        after.erase(cursor - 1, 1);
        return isAcceptableTyping(after, range) ? after : before;
    }
    if (!isDigit(typed)) return before;
    std::string after = before;
    after.insert(cursor, 1, static_cast<char>(typed));
    return isAcceptableTyping(after, range) ? after : before;
}

std::optional<int> readField(std::string_view text, const IntEditRange& range) {
    const std::optional<int> v =
        scanInteger(text.substr(0, static_cast<std::size_t>(range.maxChars)));
    if (!v || !range.contains(*v)) return std::nullopt;
    return v;
}

void readDateFields(std::string_view month, std::string_view day, std::string_view year,
                    Date& date) {
    if (const auto m = readField(month, kMonthField)) date.month = static_cast<std::int16_t>(*m);
    if (const auto d = readField(day, kDayField)) date.day = static_cast<std::int16_t>(*d);
    if (const auto y = readField(year, kYearField)) date.year = static_cast<std::int16_t>(*y);
}

}  // namespace qv
