#pragma once
// What every printout shares: the page header's texts, the measured page, and a page range.
// Sizes are printer pixels.

#include <optional>
#include <string>
#include <string_view>

#include "core/records/records.h"

namespace qv::print {

// The page as measured once a page is begun: its printable size, and the size of "W" in
// the printout's base font.
struct PageMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int w = 1;  // width of "W"
    int h = 1;  // height of "W"
};

// The header's date: today's, as month/day/year without leading zeros ("12/7/2026").
std::string headerDate(const Date& today);
// "Page %d".
std::string pageLabel(int page);
// The title font's pixel height for a page pw pixels wide: pw / 50, at least 1.
int headerFontHeight(int pageWidth);
// The margin left and right of the header: three widths of "W".
inline int headerMargin(int w) {
    return 3 * w;
}

// The charts that print: the number and bonus number frequency, the pairs as a table or a
// list, the triples, the skipping habit and the cluster analysis.
enum class PrintedChart { Frequency, Bonus, Pairs, PairsList, Triples, Skips, Cluster };

// The largest page number or page count the print options take (three digits).
inline constexpr int kMaxPageNumber = 999;
// A page number or page count as typed: digits alone, blanks around them allowed, from 0 to
// kMaxPageNumber. nullopt for anything else (empty, a sign, letters, too large).
std::optional<int> parsePageNumber(std::string_view text);

// Pages to print, counted from 1; 0 means from the first page or to the last page.
struct PageRange {
    int first = 0;
    int last = 0;

    bool all() const { return first == 0 && last == 0; }
    // A page before the range is passed through without drawing.
    bool skips(int page) const { return first > 0 && page < first; }
    // No page after `page` is printed.
    bool endsAt(int page) const { return last > 0 && page >= last; }
};

}  // namespace qv::print
