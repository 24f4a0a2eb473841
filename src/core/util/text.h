#pragma once
// Text conversions at the edges of the program's files. Inside the program text is UTF-8;
// 8-bit text stored in binary files is Latin-1.

#include <initializer_list>
#include <string>
#include <string_view>

namespace qv {

// Latin-1 bytes to UTF-8.
std::string latin1ToUtf8(std::string_view latin1);
// UTF-8 to Latin-1; a character outside Latin-1 (or a malformed sequence) becomes '?'.
std::string utf8ToLatin1(std::string_view utf8);
// Number of characters in a UTF-8 text (malformed bytes count one each).
std::size_t utf8Length(std::string_view utf8);
// The first `count` characters of a UTF-8 text.
std::string utf8Left(std::string_view utf8, std::size_t count);

// Splits text into lines; LF, CRLF and CR all end a line. The line ends are not kept.
// A final line without a line end is returned too; an empty text gives no lines.
template <typename F>
void forEachLine(std::string_view text, F&& onLine) {
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n' || c == '\r') {
            onLine(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) onLine(text.substr(start));
}

// printf for %d alone, safe with formats that come from translations: "%d", "%4d", "%-3d"
// and "%%" are understood; a %d without a value left prints 0, values left over are
// ignored, and any other '%' sequence is copied as it stands.
std::string formatIntegers(std::string_view format, std::initializer_list<long long> values);

// Saturating decimal conversion of a run of digits (no sign).
int parseDigitsSaturating(std::string_view digits);

}  // namespace qv
