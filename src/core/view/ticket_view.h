#pragma once
// The rules of the ticket window: its columns and the coloured texts of the heading and of
// each ticket row, the rows a paint reaches, the score sounds of the first paint, the scroll
// range, and where the window and the buttons go in the two ticket-file dialogs.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/view/database_view.h"

namespace qv {

// The window's texts and formats, English by default; the window passes its translations.
struct TicketTexts {
    std::string labelHeading = "Ticket #";
    std::string numbersHeading = "Numbers On Ticket";
    std::string resultsHeading = "Results";
    std::string plus = " + ";
    std::string label = "%d";
    std::string number = "%d";
    std::string result = "%d/%d";
    std::string bonusResult = " + %dB";
};

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kTicketHeadingColour{50, 100, 0};  // heading, labels, low results
inline constexpr Rgb kTicketHitColour{200, 0, 0};       // a number among the winning numbers
inline constexpr Rgb kTicketPlainColour{0, 0, 0};
// The result's colour by main hits: 3, 4, 5 or more, anything else.
Rgb resultColour(int mainHits);

// The line height of the window: the height of its characters times 1.25, truncated (the
// width of "W" is too little in the fonts here: lines would overlap).
int ticketRowHeight(int charHeight);

// Columns from the current tickets: p main numbers on the first ticket, k bonus columns.
struct TicketColumns {
    int cw = 0;
    int labelX = 0;  // x0
    int labelWidth = 0;
    int numbersX = 0;  // x1
    int numbersWidth = 0;
    int bonusWidth = 0;  // bw: " + " and 2 cw per bonus column, 0 without bonus numbers
    int resultsX = 0;    // x2
    int resultsWidth = 0;
    int mainNumbers = 0;  // p
    int bonusColumns = 0;
};
TicketColumns ticketColumns(int cw, int horizontalPosition, int mainNumbers, int bonusColumns,
                            const TicketTexts& texts, const TextWidth& width);

struct ColouredText {
    int x = 0;
    std::string text;
    Rgb colour;
    friend bool operator==(const ColouredText&, const ColouredText&) = default;
};

std::vector<ColouredText> ticketHeaderItems(const TicketColumns& columns, const TicketTexts& texts,
                                            const TextWidth& width);
// One row: the label, the main numbers (red when among the winning numbers), " + " and the
// bonus numbers when the ticket has any, and the result in its colour.
std::vector<ColouredText> ticketRowItems(const TicketType& ticket, int label,
                                         const TicketColumns& columns, const TicketType& winning,
                                         const TicketTexts& texts, const TextWidth& width);

// The rows a paint reaches, from `first`: row i stands at y = (i - first + 1) x row height,
// and painting stops after the first row at or below the bottom. [first, end).
struct PaintedRows {
    std::size_t first = 0;
    std::size_t end = 0;
};
PaintedRows paintedRows(std::size_t ticketCount, std::size_t first, int height, int rowHeight);

// The score sound of a row: wave file 2 for 3 main hits, 1 for 4, 0 for 5 or more.
std::optional<int> scoreSound(int mainHits);
// The wave files the first paint plays, in order: the painted rows' scores, then, for a file
// of fewer than 100 tickets, each row below them with exactly 3 main hits.
std::vector<int> firstPaintSounds(const std::vector<TicketType>& tickets, PaintedRows painted,
                                  const TicketType& winning);

// The vertical scroll range: 0 .. count - rows that fit + 3, never below 0.
int ticketScrollMaximum(std::size_t ticketCount, int height, int rowHeight);

// Where the ticket window and the buttons go in a host dialog `width` x `height` (its outer
// size), for buttons `buttonHeight` high standing `gap` below the window. Manual: the window
// at 12, 6, width - 30 wide and height - 6 - buttonHeight - 65 high. Wheel: at
// floor(width x 0.025), 70 (below the two lines of the wheel), height - 70 - buttonHeight - 65
// high. The row of buttons follows it and "&As" goes right under "&Save".
struct TicketDialogLayout {
    Box window;
    int buttonsY = 0;
    int asButtonY = 0;
};
TicketDialogLayout ticketDialogLayout(bool wheel, int width, int height, int buttonHeight,
                                      int gap = 0);

// The dialog is three quarters of the screen's bottom coordinate high.
int ticketDialogHeight(int screenBottom);

}  // namespace qv
