#pragma once
// The rules of the database window: its information line, the columns and lines of the list
// of draws with the ticket file's results, the scroll ranges, the fade steps, where the list
// and the buttons go, and the values the attributes editor keeps.

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/database_attributes.h"
#include "core/database/draw_report.h"
#include "core/records/records.h"
#include "core/tickets/matching.h"
#include "core/tickets/ticket_file.h"

namespace qv {

// The window's texts and formats, English by default; the window passes its translations.
struct DatabaseTexts {
    std::string informationLine = kInformationLineFormat;
    std::string dateHeading = "Date";
    std::string dateSample = "00/00/0000 ";  // measured: the numbers start after it
    std::string numbersHeading = "Numbers On Ticket";
    std::string bonusHeading = "Bonus";
    std::string levelHeading = "%d/%d  ";
    std::string levelBonusMark = "+B ";
    std::string rowDate = kDrawDateFormat;
    std::string number = "%d";
    std::string hitsCell = "%4d";
    std::string bonusHitsCell = ", %2d";
    std::string wheelMark = "*";
    std::string wheelNote = "Indicates the condition of the wheel was met for that draw.";
    std::string doubleClickNote = "Double click any entry for past performance.";
};

// Width in pixels of a text in the list's font.
using TextWidth = std::function<int(std::string_view)>;

// The text is centred on left + width / 2 (halves truncated).
int centredTextX(int left, int width, int textWidth);

// The line height of the list: the height of "W" times 1.25, truncated.
int listLineHeight(int charHeight);

// Dates start this far from the left edge; the wheel mark sits in the gap.
inline constexpr int kListLeftMargin = 10;

struct ResultColumn {
    int level = 0;  // matches out of the numbers on a ticket, 3..k
    int x = 0;
    int width = 0;
    std::string heading;
    friend bool operator==(const ResultColumn&, const ResultColumn&) = default;
};

// Columns of the list, laid out from the newest draw: k numbers, b bonus numbers.
struct ListColumns {
    int markX = 0;  // the wheel mark, at the left edge
    int dateX = 0;
    int numbersX = 0;
    int numbersWidth = 0;  // 2 cw per number
    int bonusX = 0;
    int bonusWidth = 0;    // 2 cw per bonus number, 0 when the newest draw has none
    int numbers = 0;       // k
    int bonusNumbers = 0;  // b
    std::vector<ResultColumn> results;
};

// `cw` is the width of "W"; `horizontalPosition` shifts everything left by that many cw.
ListColumns listColumns(const TicketType& newest, int cw, int horizontalPosition,
                        const DatabaseTexts& texts, const TextWidth& width);

struct TextItem {
    int x = 0;
    std::string text;
    bool red = false;  // the wheel mark; everything else is dark green
    friend bool operator==(const TextItem&, const TextItem&) = default;
};

std::vector<TextItem> headerItems(const ListColumns& columns, const DatabaseTexts& texts,
                                  const TextWidth& width);

// One draw: its date, its numbers and bonus numbers centred in cells of 2 cw and, with a
// ticket file, the wheel mark and the count of tickets at each result level.
std::vector<TextItem> rowItems(const TicketType& draw, const ListColumns& columns, int cw,
                               const DatabaseTexts& texts, const TextWidth& width,
                               const TicketFile* tickets);

// The two notes that close the list.
std::vector<TextItem> wheelNoteItems(const ListColumns& columns, const DatabaseTexts& texts);
std::vector<TextItem> doubleClickNoteItems(const ListColumns& columns, const DatabaseTexts& texts);

enum class ListLineKind { Header, Entry, WheelNote, DoubleClickNote };

struct ListLine {
    ListLineKind kind = ListLineKind::Header;
    int y = 0;
    std::size_t entry = 0;  // for Entry lines
    friend bool operator==(const ListLine&, const ListLine&) = default;
};

// The lines painted in a list `height` pixels high whose first row shows entry `first`:
// the header, rows until one would start at or below the bottom, and the two notes once the
// last entry has been painted. An empty database paints nothing.
std::vector<ListLine> visibleLines(std::size_t entryCount, std::size_t first, int height, int lh);

// The entry under a point `y` pixels from the top, if a row is there.
std::optional<std::size_t> entryAt(int y, int lh, std::size_t first, std::size_t entryCount);

// The vertical scroll range is 0 .. count + 1 - floor(height / lh) + 2 (the header and the
// two notes are lines too); never below 0.
int verticalScrollMaximum(std::size_t entryCount, int height, int lh);
inline constexpr int kHorizontalScrollMaximum = 50;
inline constexpr int kScrollBarThickness = 15;

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// Scroll bars of a list `width` x `height` and the part each one repaints when it moves:
// the vertical bar everything below the header line, the horizontal bar the whole list.
struct ListScrollBars {
    Box vertical;
    Box verticalRepaint;
    Box horizontal;
    Box horizontalRepaint;
};
ListScrollBars listScrollBars(int width, int height, int lh);

// Where the list and the buttons go in a window `width` x `height` (its outer size). The
// list starts at floor(width x 0.025), 50, is width - 30 wide, but never reaches past the
// right edge, and height - 50 - buttonHeight - 65 high. The first six buttons stand `gap`
// below it (so at height - 85 for 20-pixel buttons and no gap) and "As" right under "Save".
struct DatabaseWindowLayout {
    Box list;
    int buttonsY = 0;
    int asButtonY = 0;
};
DatabaseWindowLayout databaseWindowLayout(int width, int height, int buttonHeight, int gap = 0);

// The window is three quarters of the desktop's bottom coordinate high.
int databaseWindowHeight(int desktopBottom);

// "Increase Fade" adds 5 below 100 (97 becomes 102, which fades like 100), "Decrease Fade"
// takes 5 off above 0 but stops at 0; nullopt when the level stays as it is.
inline constexpr int kFadeStep = 5;
std::optional<int> increasedFade(int level);
std::optional<int> decreasedFade(int level);

}  // namespace qv
