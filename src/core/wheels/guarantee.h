#pragma once
// Confirming a wheel's prize guarantee by exhaustive search.
//
// The candidate numbers are 1..M with M = N + P - I: 1..N stand for the numbers the user
// will choose, N+1..M for numbers not chosen. Every P-subset D of them (a possible draw) is
// visited in lexicographic order. D is relevant when at least I of its members are among
// 1..N, and covered when some row holds at least G of its members. A relevant D that is not
// covered breaks the guarantee. When I = P the check can grow the wheel: each such D may be
// added as a new row, which then counts for the draws after it.
//
// The search answers exactly as a check that compares every row with every subset, shows the
// percentage after every subset and polls for a cancel after every subset would; it only
// gets there faster. Positions of a row are its first P slots; a position outside 1..M
// never matches, and a position written twice counts once.

#include <cstdint>
#include <string>
#include <vector>

#include "core/wheels/wheel_info.h"

namespace qv {

// N stays within the game's numbers, and M within them plus the widest ticket.
inline constexpr int kMaxCandidateNumbers = 109;

struct GuaranteeTerms {
    int numbersToWheel = 0;    // N
    int guarantee = 0;         // G
    int guaranteeIf = 0;       // I
    int numbersPerTicket = 0;  // P

    static GuaranteeTerms of(const WheelInfo& wheel);
    // M = N + P - I.
    int candidateCount() const { return numbersToWheel + numbersPerTicket - guaranteeIf; }
    // Uncovered draws may be added as rows.
    bool canGrow() const { return guaranteeIf == numbersPerTicket; }
};

enum class GuaranteeCheckable {
    Yes,
    WrongTicketSize,    // P outside 4..6: "Can't Confirm This Type of Wheel"
    NoNumbers,          // N outside 1..100
    TooManyCandidates,  // M above kMaxCandidateNumbers
    ImpossibleTerms,    // no wheel can promise G if I with tickets of P out of N
};
GuaranteeCheckable guaranteeCheckable(const GuaranteeTerms& terms);

// C(M, P): the number of draws the check visits (0 when M < P).
long long guaranteeSubsetCount(const GuaranteeTerms& terms);

// One draw D, its members ascending.
using Combination = std::vector<int>;

// What the check tells its user and asks of them. Draws are numbered 1..total in the order
// they are visited; after draw c the percentage c * 100 / total (truncated) is shown when it
// differs from the one shown last.
class GuaranteeObserver {
public:
    virtual ~GuaranteeObserver() = default;
    virtual void showPercent(int percent) = 0;
    // Draws first..last have been checked. Returns the number of the draw after which the
    // user cancelled (first..last), or 0. A reporter that only knows "cancelled by now"
    // returns `first`.
    virtual long long cancelledAfter(long long first, long long last) = 0;
    // I = P and not "add all": add this uncovered draw as a row? No ends the check.
    virtual bool addCombination(const Combination& draw) = 0;
    // Asked after each Yes above: add every further uncovered draw without asking?
    virtual bool addAll() = 0;
};

struct GuaranteeResult {
    GuaranteeCheckable checkable = GuaranteeCheckable::Yes;
    long long total = 0;    // draws to visit
    long long checked = 0;  // draws visited when the check ended
    bool invalid = false;   // a relevant draw was left uncovered
    bool cancelled = false;
    // The wheel holds WheelInfo::kMaxRows rows, so `uncovered` could not be added.
    bool full = false;
    int rowsAdded = 0;
    // The draw that ended the check (invalid, or full); empty otherwise.
    Combination uncovered;

    friend bool operator==(const GuaranteeResult&, const GuaranteeResult&) = default;
};

// Runs the check on the wheel's record and rows; rows it adds are appended to `wheel.rows`
// (ticketCount follows). A wheel that is not checkable is left alone.
GuaranteeResult checkGuarantee(WheelInfo& wheel, GuaranteeObserver& observer);

// --- What the user is told -----------------------------------------------------------------

// D as the messages show it: its members among 1..N joined by "-" when I differs from P, all
// its members when I = P.
std::string combinationText(const Combination& draw, const GuaranteeTerms& terms);

// The message that closes a check: rows added, else invalid, else aborted, else valid.
enum class GuaranteeVerdict { RowsAdded, Invalid, Aborted, Valid };
GuaranteeVerdict guaranteeVerdict(const GuaranteeResult& result);

// The lines the command line prints for a finished check, one per line of the windows'
// messages: why it cannot be checked, or the uncovered draw and the verdict.
std::vector<std::string> guaranteeReportLines(const GuaranteeResult& result,
                                              const GuaranteeTerms& terms, int rowCount);

// The wheel could take no more rows: "A wheel holds at most 32767 tickets: the combination
// <D> could not be added."
std::string fullWheelText(const GuaranteeResult& result, const GuaranteeTerms& terms);

// Why no wheel can keep these terms, naming the field ("the prize guarantee (7) is not from
// 1 to \"if\" (6)"), or empty when it can: G runs from 1 to I, I from G to P, and N is at
// least I.
std::string impossibleTermsReason(const GuaranteeTerms& terms);

// The reason a wheel cannot be checked, as shown to the user; empty when it can.
std::string notCheckableText(const GuaranteeTerms& terms);

}  // namespace qv
