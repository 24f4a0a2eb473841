#pragma once
// Lists of distinct game numbers on the command line: tickets, bonus numbers, the numbers
// chosen for a wheel and My Numbers lists.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "cli/cli_support.h"
#include "core/records/limits.h"

namespace qv::cli {

// a[from..to) as numbers 1..100, none repeated and at most `most` of them; `what` names them
// in the messages ("a ticket", "the bonus numbers").
inline std::vector<int> parseDistinctNumbers(const Args& a, std::size_t from, std::size_t to,
                                             std::size_t most, const std::string& what) {
    std::vector<int> numbers;
    for (std::size_t i = from; i < to && i < a.size(); ++i) {
        const int n = parseIntArg(a[i], 1, kMaxLottoNumber, "a number");
        if (std::find(numbers.begin(), numbers.end(), n) != numbers.end())
            throw UsageError{what + " cannot hold " + a[i] + " twice"};
        numbers.push_back(n);
    }
    if (numbers.size() > most)
        throw UsageError{what + " holds at most " + std::to_string(most) + " numbers"};
    return numbers;
}

}  // namespace qv::cli
