// pick hot|cold: the numbers the number grid's "&Hot" and "&Cold" choose from a database.

#include <iostream>
#include <optional>
#include <string>

#include "cli/command_table.h"
#include "core/tickets/number_choice.h"

namespace qv::cli {

namespace {

int pick(const Args& args, PickKind kind) {
    std::string path;
    std::optional<int> count;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--count") {
            if (i + 1 >= args.size()) throw UsageError{"--count needs a value"};
            count = parseIntArg(args[++i], 1, kMaxLottoNumber, "--count");
        } else if (args[i].rfind("--", 0) == 0 || !path.empty()) {
            throw UsageError{"unexpected argument: " + args[i]};
        } else {
            path = args[i];
        }
    }
    if (path.empty()) throw UsageError{"pick needs a DB"};
    const DrawDatabase database = loadDatabase(path);
    const DataHeader& header = database.header();
    // An empty choice as the grid starts it: the game's numbers, a quota of one ticket.
    NumberChoice choice(count ? *count : header.numbersOnTicket, header.numbersInLotto);
    const PickList list = hotColdPickList(kind, header, database.entries(), database.statistics());
    const NumberChoice::Picked picked = pickHotCold(choice, list);
    std::string out;
    for (int n : picked.numbers) {
        if (!out.empty()) out += ' ';
        out += std::to_string(n);
    }
    std::cout << out << "\n";
    return kExitOk;
}

int pickHot(const Args& a) {
    return pick(a, PickKind::Hot);
}

int pickCold(const Args& a) {
    return pick(a, PickKind::Cold);
}

}  // namespace

CommandList pickCommands() {
    return {
        {"pick", "hot", {"pick hot|cold DB [--count Q]"}, pickHot},
        {"pick", "cold", {}, pickCold},
    };
}

}  // namespace qv::cli
