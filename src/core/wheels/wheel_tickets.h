#pragma once
// Wheel ticket files made from a wheel and the numbers the user chose: picking a wheel,
// applying it, changing the numbers or the wheel, and the two lines the wheel ticket window
// shows above its tickets.

#include <optional>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_info.h"

namespace qv {

// The wheel picker's filter lines and the line shown first for a game of `numbersPerTicket`
// numbers: "Pick 4 Wheels" for 4, "Pick 5 Wheels" for 5, "Pick 6 Wheels" for 6, "All Wheeling
// Tables" for anything else.
inline constexpr const char* kWheelPickerPattern = "*.wl?";
inline constexpr const char* kWheelPickerFilter =
    "All Wheeling Tables *.wl?|Pick 4 Wheels *.wl4|Pick 5 Wheels *.wl5|Pick 6 Wheels *.wl6";
int wheelFilterIndex(int numbersPerTicket);
// The value the filter is chosen from: the open database's numbers per ticket; without a
// database, the current wheel's (when changing the wheel of a file), else none (index 0).
int wheelPickerIndex(std::optional<int> databaseNumbersPerTicket,
                     std::optional<int> currentWheelNumbersPerTicket = std::nullopt);

// How many numbers the grid asks for: the wheel's numbers to wheel, within 0..100.
int numbersToChoose(const WheelInfo& wheel);

// "&Modify Numbers": the chosen numbers replace the file's, the tickets are rebuilt from the
// rows (their bonus numbers stay) and the file is modified.
void changeWheelNumbers(TicketFile& file, const NumbersUsed& numbers);

// "Change &Wheel": the new wheel's tickets, ticket k keeping the bonus numbers of ticket k of
// the file for k below both counts; the file takes the wheel and the numbers (the grid asked
// for more when the new wheel takes more), the wheel is applied and the file is modified.
std::vector<TicketType> carryBonusNumbers(const std::vector<TicketType>& tickets,
                                          std::size_t newCount);
void changeWheel(TicketFile& file, WheelInfo wheel, const NumbersUsed& numbers);
// True when the new wheel takes more numbers than the file's wheel, so the grid must run.
bool wheelNeedsMoreNumbers(const TicketFile& file, const WheelInfo& newWheel);

// First line: "Wheel Description: %d Numbers %d if %d, %d Tickets".
std::string wheelDescriptionLine(
    const WheelInfo& wheel,
    const std::string& format = "Wheel Description: %d Numbers %d if %d, %d Tickets");
// Second line: "Numbers Used : " then "%d " for each chosen number.
std::string numbersUsedLine(const TicketFile& file, const std::string& head = "Numbers Used : ");

// What is wrong with a file's chosen numbers, if anything: a number chosen twice, or one
// outside 1..100. The file is shown as it is; the window only says so.
struct ChosenNumbersCheck {
    bool repeated = false;
    bool outOfRange = false;
    bool ok() const { return !repeated && !outOfRange; }
};
ChosenNumbersCheck checkChosenNumbers(const TicketFile& file);

}  // namespace qv
