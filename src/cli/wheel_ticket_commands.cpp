// wheel rows, wheel profile and wheel apply: a wheeling table's rows and how they fall over
// every set of winning positions, and a wheel ticket file made from a wheel and the numbers
// chosen for it.

#include <iostream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/number_args.h"
#include "core/tickets/ticket_file.h"
#include "core/wheels/wheel_info.h"
#include "core/wheels/wheel_profile.h"
#include "core/wheels/wheel_tickets.h"

namespace qv::cli {

namespace {

WheelInfo loadWheel(const std::string& path) {
    WheelInfo wheel;
    if (const IoResult loaded = loadWheelFile(path, wheel); !loaded)
        throw FileError{openError(path, loaded)};
    return wheel;
}

int wheelRows(const Args& a) {
    if (a.size() != 1) throw UsageError{"wheel rows takes one FILE.wlN"};
    const WheelInfo wheel = loadWheel(a[0]);
    std::string out;
    for (const TicketType& row : wheel.rows) {
        for (int j = 0; j < wheel.positionsPerRow(); ++j) {
            if (j > 0) out += ' ';
            out += std::to_string(row.numbers[j]);
        }
        out += '\n';
    }
    std::cout << out;
    return kExitOk;
}

int wheelProfileCommand(const Args& a) {
    if (a.size() != 1) throw UsageError{"wheel profile takes one FILE.wlP"};
    const WheelInfo wheel = loadWheel(a[0]);
    TerminalProgress progress;
    const auto profile = wheelProfile(wheel, &progress);
    std::string out;
    for (const ProfileLine& line : *profile) out += profileLineText(line) + '\n';
    std::cout << out;
    return kExitOk;
}

int wheelApply(const Args& a) {
    if (a.size() < 2) throw UsageError{"wheel apply needs WHEEL, OUT.qvt and the numbers"};
    const std::vector<int> chosen =
        parseDistinctNumbers(a, 2, a.size(), kNumbersUsedSize, "the numbers to wheel");
    WheelInfo wheel = loadWheel(a[0]);
    if (static_cast<int>(chosen.size()) != wheel.numbersToWheel)
        throw UsageError{"the wheel takes " + std::to_string(wheel.numbersToWheel) +
                         " numbers, not " + std::to_string(chosen.size())};
    NumbersUsed numbersUsed{};
    for (std::size_t k = 0; k < chosen.size(); ++k)
        numbersUsed[k] = static_cast<std::int16_t>(chosen[k]);
    TicketFile f = newWheelTicketFile(std::move(wheel), numbersUsed);
    if (IoResult saved = f.saveAs(a[1]); !saved) throw FileError{saved.message};
    return kExitOk;
}

}  // namespace

CommandList wheelTicketCommands() {
    return {
        {"wheel", "rows", {"wheel rows FILE.wlN"}, wheelRows},
        {"wheel", "profile", {"wheel profile FILE.wlP"}, wheelProfileCommand},
        {"wheel", "apply", {"wheel apply WHEEL OUT.qvt N1 N2 ..."}, wheelApply},
    };
}

}  // namespace qv::cli
