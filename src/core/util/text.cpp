#include "core/util/text.h"

#include <algorithm>
#include <climits>

namespace qv {

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {
// Length of the UTF-8 sequence starting at s[i] and its code point; 0 length when malformed.
std::size_t decodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
    auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = b(i);
    std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (len == 0 || i + len > s.size()) return 0;
    cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t k = 1; k < len; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    return len;
}
}  // namespace

std::string utf8ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(cp <= 0xFF ? static_cast<char>(cp) : '?');
        i += len;
    }
    return out;
}

std::size_t utf8Length(std::string_view utf8) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t cp = 0;
        std::size_t len = decodeUtf8(utf8, i, cp);
        i += len ? len : 1;
        ++n;
    }
    return n;
}

std::string utf8Left(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < count && i < utf8.size(); ++n) {
        char32_t cp = 0;
        std::size_t len = decodeUtf8(utf8, i, cp);
        i += len ? len : 1;
    }
    return std::string(utf8.substr(0, i));
}

int parseDigitsSaturating(std::string_view digits) {
    long long v = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        v = v * 10 + (c - '0');
        if (v > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(v);
}

std::string formatIntegers(std::string_view format, std::initializer_list<long long> values) {
    constexpr int kMaxWidth = 99;
    std::string out;
    auto next = values.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        bool left = false;
        if (j < format.size() && format[j] == '-') {
            left = true;
            ++j;
        }
        int width = 0;
        while (j < format.size() && format[j] >= '0' && format[j] <= '9') {
            width = std::min(width * 10 + (format[j] - '0'), kMaxWidth);
            ++j;
        }
        if (j >= format.size() || format[j] != 'd') {
            // Not ours: copied as it stands.
            out += c;
            ++i;
            continue;
        }
        const long long value = next != values.end() ? *next++ : 0;
        std::string digits = std::to_string(value);
        if (static_cast<int>(digits.size()) < width) {
            const std::string pad(static_cast<std::size_t>(width) - digits.size(), ' ');
            digits = left ? digits + pad : pad + digits;
        }
        out += digits;
        i = j + 1;
    }
    return out;
}

}  // namespace qv
