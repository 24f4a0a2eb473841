#pragma once
// The rules of "Enter Numbers" when a wheel is typed in: the number boxes choose the positions
// of one row (quota P, positions 1..N), "&Add" appends it, "&Paste" appends rows from text,
// and the list under "Combinations Entered :" shows every row added.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/records.h"
#include "core/tickets/number_choice.h"
#include "core/wheels/wheel_text.h"

namespace qv {

class ManualImport {
public:
    // Rows of `numbersPerTicket` positions out of 1..numbersToWheel.
    ManualImport(int numbersPerTicket, int numbersToWheel);

    const NumberChoice& choice() const { return choice_; }
    int numbersPerTicket() const { return perTicket_; }
    int numbersToWheel() const { return numbersToWheel_; }

    // A click on the box of `number`. Boxes above the numbers to wheel stay grey: a row never
    // holds a position the wheel does not have.
    BoxClick click(int number);

    enum class AddResult { Added, NothingChosen, WheelFull };
    // "&Add": the chosen positions, ascending, become a row whatever their count; the boxes
    // start again. A row with no position is not added.
    AddResult add();
    // "&Paste": a row from every line of the text (as a wheel text file, each row ascending).
    // A refused text adds nothing and says why.
    std::optional<WheelTextProblem> paste(std::string_view text);

    const std::vector<TicketType>& rows() const { return rows_; }
    // One line per row for "Combinations Entered :": each position followed by a space.
    const std::vector<std::string>& listing() const { return listing_; }

    // The dialog's caption: "Enter Numbers" until the boxes change; then how many numbers are
    // left, or "Select Add Ticket Button" once P are chosen; "Select P more numbers" after a
    // row was added.
    struct Caption {
        enum class Kind { Start, Left, Full, AfterAdd };
        Kind kind = Kind::Start;
        int count = 0;  // numbers left (Left), P (AfterAdd)
    };
    Caption captionState() const;
    std::string caption() const;

private:
    void append(const TicketType& row);
    void restartChoice();

    int perTicket_;
    int numbersToWheel_;
    NumberChoice choice_;
    std::vector<TicketType> rows_;
    std::vector<std::string> listing_;
    bool afterAdd_ = false;
};

}  // namespace qv
