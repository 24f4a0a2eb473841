#include "core/print/print_common.h"

#include <algorithm>

namespace qv::print {

std::string headerDate(const Date& today) {
    return std::to_string(today.month) + "/" + std::to_string(today.day) + "/" +
           std::to_string(today.year);
}

std::string pageLabel(int page) {
    return "Page " + std::to_string(page);
}

std::optional<int> parsePageNumber(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return std::nullopt;
    const std::string_view digits = text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
    if (digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

int headerFontHeight(int pageWidth) {
    return std::max(1, pageWidth / 50);
}

}  // namespace qv::print
