#pragma once
// The library of wheels that ships with the program: one wheeling-table file for each set of
// terms, in the data folder's wheels/, named after its terms ("18nrs-3if4.wl6" is 18 numbers,
// 3 if 4, 6 per ticket).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_info.h"

namespace qv {

// The library's folder inside the data folder.
inline constexpr const char* kWheelLibraryFolder = "wheels";

// The wheels the library is made of: 4, 5 and 6 per ticket, N from P + 1 to 30, every
// "G if I" with 2 <= G <= I <= P and G < P, and the full 6/49 game "3 if 6".
std::vector<GuaranteeTerms> libraryTerms();

// "18nrs-3if4.wl6": N on two digits so that the files list in order of their numbers.
std::string libraryFileName(const GuaranteeTerms& terms);
// The terms a library file name stands for; none for any other name.
std::optional<GuaranteeTerms> libraryFileTerms(std::string_view fileName);

// The wheel confirmed: every row within 1..N (its first min(N, P) numbers), and the guarantee
// check finds it valid without adding a row. `check`, when given, receives the check's result
// (left as it was when a row is out of range).
bool wheelConfirmed(const WheelInfo& wheel, GuaranteeResult* check = nullptr);

}  // namespace qv
