#include "core/wheels/wheel_tickets.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/util/text.h"

namespace qv {

int wheelFilterIndex(int numbersPerTicket) {
    const int index = numbersPerTicket - 3;
    return index < 0 || index > 3 ? 0 : index;
}

int wheelPickerIndex(std::optional<int> databaseNumbersPerTicket,
                     std::optional<int> currentWheelNumbersPerTicket) {
    if (databaseNumbersPerTicket) return wheelFilterIndex(*databaseNumbersPerTicket);
    if (currentWheelNumbersPerTicket) return wheelFilterIndex(*currentWheelNumbersPerTicket);
    return 0;
}

int numbersToChoose(const WheelInfo& wheel) {
    return std::clamp<int>(wheel.numbersToWheel, 0, static_cast<int>(kNumbersUsedSize));
}

void changeWheelNumbers(TicketFile& file, const NumbersUsed& numbers) {
    file.numbersUsed = numbers;
    file.applyWheel();
    file.modified = true;
}

std::vector<TicketType> carryBonusNumbers(const std::vector<TicketType>& tickets,
                                          std::size_t newCount) {
    std::vector<TicketType> out(newCount);
    for (std::size_t k = 0; k < newCount && k < tickets.size(); ++k)
        out[k].bonus = tickets[k].bonus;
    return out;
}

bool wheelNeedsMoreNumbers(const TicketFile& file, const WheelInfo& newWheel) {
    return numbersToChoose(newWheel) > numbersToChoose(file.wheel);
}

void changeWheel(TicketFile& file, WheelInfo wheel, const NumbersUsed& numbers) {
    wheel.setRows(std::move(wheel.rows));
    file.tickets = carryBonusNumbers(file.tickets, wheel.rows.size());
    file.wheel = std::move(wheel);
    file.numbersUsed = numbers;
    file.applyWheel();
    file.modified = true;
}

std::string wheelDescriptionLine(const WheelInfo& wheel, const std::string& format) {
    return formatIntegers(
        format, {wheel.numbersToWheel, wheel.guarantee, wheel.guaranteeIf, wheel.ticketCount});
}

std::string numbersUsedLine(const TicketFile& file, const std::string& head) {
    std::string line = head;
    for (std::int16_t n : file.chosenNumbers()) line += std::to_string(n) + " ";
    return line;
}

ChosenNumbersCheck checkChosenNumbers(const TicketFile& file) {
    ChosenNumbersCheck check;
    std::array<bool, kMaxLottoNumber + 1> seen{};
    for (std::int16_t n : file.chosenNumbers()) {
        if (!isLottoNumber(n)) {
            check.outOfRange = true;
            continue;
        }
        if (seen[static_cast<std::size_t>(n)]) check.repeated = true;
        seen[static_cast<std::size_t>(n)] = true;
    }
    return check;
}

}  // namespace qv
