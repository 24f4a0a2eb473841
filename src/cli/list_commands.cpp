// list create and list show: My Numbers list files.

#include <iostream>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/number_args.h"
#include "core/options/number_list.h"

namespace qv::cli {

namespace {

int listCreate(const Args& a) {
    if (a.size() < 2) throw UsageError{"list create needs FILE.lst and the numbers"};
    const std::vector<int> numbers =
        parseDistinctNumbers(a, 1, a.size(), kNumberListPlaces, "a list");
    if (IoResult saved = saveNumberList(a[0], numbers); !saved) throw FileError{saved.message};
    return kExitOk;
}

int listShow(const Args& a) {
    if (a.size() != 1) throw UsageError{"list show takes one FILE.lst"};
    std::vector<int> numbers;
    if (const IoResult loaded = loadNumberList(a[0], numbers); !loaded)
        throw FileError{openError(a[0], loaded)};
    std::string out = "Count: " + std::to_string(numbers.size()) + "\n";
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k > 0) out += ' ';
        out += std::to_string(numbers[k]);
    }
    std::cout << out << "\n";
    return kExitOk;
}

}  // namespace

CommandList listCommands() {
    return {
        {"list", "create", {"list create FILE.lst N1 [N2 ...]"}, listCreate},
        {"list", "show", {"list show FILE.lst"}, listShow},
    };
}

}  // namespace qv::cli
