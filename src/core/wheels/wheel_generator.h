#pragma once
// Making wheels: a valid wheel with as few rows as a search can find in a time budget.
//
// A wheel of N positions, P per row, "G if I" is valid when every set of I positions out of
// 1..N meets some row in at least G positions. The generator starts from a construction, a
// wheel from a library folder, or a greedy cover, then removes a row and repairs the cover by
// local search, again and again, until the budget runs out. Every wheel it calls confirmed
// has passed the guarantee check of guarantee.h.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/records/records.h"
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_info.h"

namespace qv {

class CoveringTable;

// Why terms cannot be generated, and which field is to blame.
enum class WheelTermsField { None, Numbers, PerTicket, Guarantee, If };
struct WheelTermsProblem {
    WheelTermsField field = WheelTermsField::None;
    std::string message;  // empty when the terms are fine
    explicit operator bool() const { return field != WheelTermsField::None; }
};
// Refuses G < 1, G > I, I > P, N < I, P outside 4..6, and N above what the check accepts.
WheelTermsProblem wheelTermsProblem(const GuaranteeTerms& terms);

// "18 nrs 3 if 4": the description a generated wheel gets unless the user gives one.
std::string defaultWheelDescription(const GuaranteeTerms& terms);

struct GeneratorOptions {
    double seconds = 10.0;  // the budget for the search (the final check comes after it)
    int rowCap = 0;         // at most this many rows; 0: no cap
    std::uint64_t seed = 1;
    int threads = 1;        // searches run side by side, each with its own seed; 0: one per core
    // A proven lower bound known to the caller; the search ends when a wheel reaches it or
    // the bound of wheelBounds (with the covering table below, when given).
    long long lowerBound = 0;
    // Folders holding wheeling-table files: a confirmed wheel of the same terms (or of N+1
    // positions) found there is a starting point, so the result is never larger.
    std::vector<std::string> libraryFolders;
    // Best-known coverings: which constructions are worth building, and their lower bounds
    // (not owned; may be null).
    const CoveringTable* coverings = nullptr;
};

// What the search has reached so far.
struct GeneratorProgress {
    int bestRows = 0;           // rows of the best wheel so far (0: none yet)
    long long covered = 0;      // I-subsets that get G from that wheel
    long long total = 0;        // C(N, I)
    double elapsedSeconds = 0;
};

// Polled on the thread that called generateWheel, about every 50 milliseconds and whenever
// the best wheel changes, so a window can update and keep responding between polls.
class GeneratorObserver {
public:
    virtual ~GeneratorObserver() = default;
    // Returns true to stop: the search ends and the best wheel found so far is returned.
    virtual bool progress(const GeneratorProgress& progress) = 0;
};

struct GeneratedWheel {
    // Rows as in WheelInfo: positions 1..N ascending in the first P slots, the rest zero.
    std::vector<TicketType> rows;
    // The guarantee check found the wheel valid. False only when a row cap left I-subsets
    // without G (or the terms were refused).
    bool confirmed = false;
    long long covered = 0;  // I-subsets that get G
    long long total = 0;    // C(N, I)
    // How many rows each position is on: the fewest and the most.
    int balanceMin = 0;
    int balanceMax = 0;
    bool stopped = false;  // the observer stopped the search
    GuaranteeResult check;  // the guarantee check of the rows
};

GeneratedWheel generateWheel(const GuaranteeTerms& terms, const GeneratorOptions& options,
                             GeneratorObserver* observer = nullptr);

// The wheel's record and rows, ready for saveWheelFile; an empty description gets the
// default one.
WheelInfo generatedWheelInfo(const GuaranteeTerms& terms, const GeneratedWheel& wheel,
                             const std::string& description = {});

// Exact count of the I-subsets of 1..N that meet some row in at least G positions. Slow;
// for checks and small terms.
long long coveredSubsets(const GuaranteeTerms& terms, const std::vector<TicketType>& rows);

// How many rows each position 1..N is on: {fewest, most}.
std::pair<int, int> wheelBalance(int numbersToWheel, const std::vector<TicketType>& rows);

}  // namespace qv
