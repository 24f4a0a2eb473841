#pragma once
// The integer edit fields of the draw editors: what typing may leave in them, and how their
// text is read back. A field has a declared range and a width in characters; while typing,
// a lower bound above 9 counts as 1, so that the first digits of a four-digit year can be
// typed, and the declared range is enforced where the value is read.

#include <optional>
#include <string>
#include <string_view>

#include "core/records/records.h"

namespace qv {

struct IntEditRange {
    int lower = 0;
    int upper = 0;
    int maxChars = 0;

    // The lower bound that holds while typing.
    int typingLower() const { return lower > 9 ? 1 : lower; }
    bool contains(int v) const { return v >= lower && v <= upper; }
};

// The date fields of the entry dialog and the number fields of the entry editor. A number
// field takes 0 (a place not in use) to 100; it is three characters wide so that 100, the
// highest number of a game, can be typed.
inline constexpr IntEditRange kMonthField{1, 12, 2};
inline constexpr IntEditRange kDayField{1, 31, 2};
inline constexpr IntEditRange kYearField{1900, 6000, 4};
inline constexpr IntEditRange kNumberField{0, 100, 3};

// Reads a number as "%d" does: leading blanks, an optional sign, then digits; whatever
// follows the digits is ignored. nullopt when there are no digits. Values beyond the int
// range saturate.
std::optional<int> scanInteger(std::string_view text);

// Whether typing may leave `text` in the field: empty, or at most maxChars digits whose
// value lies between the typing lower bound and the upper bound. Anything else (a sign, a
// letter, a value out of range) is refused, so the keystroke or paste that would produce it
// is dropped.
bool isAcceptableTyping(std::string_view text, const IntEditRange& range);

// The field's text after `typed` is typed at `cursor`: a digit is inserted and taken back
// again when the value leaves the range or the field is full; a backspace removes the
// character before the cursor unless what is left would be refused ("0" from "10" in the
// month); every other character is dropped.
std::string typeCharacter(std::string_view text, std::size_t cursor, char32_t typed,
                          const IntEditRange& range);

// The value a field's text stands for when it is read: the text's first maxChars characters
// read as "%d". nullopt when unreadable or outside the declared range.
std::optional<int> readField(std::string_view text, const IntEditRange& range);

// Reading the three date fields into `date`: each part is stored only when its field reads
// as a value in its range; any other part keeps the date's value. The parts are not checked
// against each other (31 February is taken as it stands).
void readDateFields(std::string_view month, std::string_view day, std::string_view year,
                    Date& date);

}  // namespace qv
