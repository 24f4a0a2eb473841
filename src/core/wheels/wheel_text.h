#pragma once
// Wheel rows typed as text: the text files "&Text File" imports and the text "&Paste" takes
// from the clipboard. A line holds the positions of one row as whole numbers separated by
// spaces, tabs, commas or hyphens ("1 2 3 4", "1,2,3,4", "1-2-3-4"); nothing else may stand in it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/records.h"

namespace qv {

// The longest line a row may be written on.
inline constexpr std::size_t kMaxWheelTextLine = 254;

enum class WheelTextSource {
    File,   // rows keep the order of their line
    Paste,  // rows are sorted ascending, as "&Add" leaves them
};

// Why a text was refused. Nothing of a refused text is taken.
struct WheelTextProblem {
    enum class Kind {
        IllegalChar,  // `character` is not a digit, space, comma or hyphen
        LineTooLong,  // more than kMaxWheelTextLine characters
        OutOfRange,   // `value` is not a position 1..numbers to wheel
        Repeated,     // `value` stands twice among the row's positions
        TooManyRows,  // the wheel would pass its row limit at `line`
    };
    Kind kind = Kind::IllegalChar;
    int line = 0;           // 1 = the first line of the text
    std::string character;  // the offending character, UTF-8
    int value = 0;

    friend bool operator==(const WheelTextProblem&, const WheelTextProblem&) = default;
};

struct WheelTextRows {
    std::vector<TicketType> rows;
    std::optional<WheelTextProblem> problem;  // set: `rows` is empty
};

// Reads one row from every line that holds a number: its first `numbersPerTicket` (1..10)
// whole numbers, each a position 1..numbersToWheel, none twice; fewer leave the rest of the
// row 0. Blank lines are passed over, and a byte-order mark at the start is ignored.
// `rowsAlready` rows are in the wheel before these, so the total stays within its limit.
WheelTextRows readWheelText(std::string_view text, int numbersPerTicket, int numbersToWheel,
                            WheelTextSource source = WheelTextSource::File,
                            std::size_t rowsAlready = 0);

// A character as a message names it: 'h', tab, or the code of another control character.
std::string readableCharacter(const std::string& character);

// The message the command line prints for a problem (the windows show the same words).
std::string wheelTextProblemText(const WheelTextProblem& problem, int numbersToWheel,
                                 WheelTextSource source = WheelTextSource::File);

}  // namespace qv
