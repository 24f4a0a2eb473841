#pragma once
// The open ticket file (manual or wheel), its file layouts, and the rules that match tickets
// against a draw.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/records.h"
#include "core/tickets/wheel_info.h"

namespace qv {

enum class TicketFileKind { Manual, Wheel };

inline constexpr std::size_t kNumbersUsedSize = 100;
using NumbersUsed = std::array<std::int16_t, kNumbersUsedSize>;

struct TicketFile {
    // The signature written into every file, and the one that marks the older layout.
    static constexpr const char* kSignature = "Quorvantile V3.4";
    static constexpr const char* kOldSignature = "Quorvantile V3.0";
    static constexpr std::size_t kSignatureBytes = 100;
    // A manual file claiming more tickets than this is taken as damaged.
    static constexpr std::int32_t kMaxManualTickets = 1'000'000;

    TicketFileKind kind = TicketFileKind::Manual;
    // Manual: one ticket per entry. Wheel: ticket k was made from row k of the wheel.
    std::vector<TicketType> tickets;

    // Manual file only.
    std::int32_t numbersPerTicket = 6;
    std::int32_t numbersInLotto = 49;

    // Wheel file only: the wheel with its rows, and the numbers the user chose, entries
    // 0..numbersToWheel-1 in use, the rest 0.
    WheelInfo wheel;
    NumbersUsed numbersUsed{};

    std::string path;
    bool modified = false;

    std::size_t ticketCount() const { return tickets.size(); }
    bool isWheel() const { return kind == TicketFileKind::Wheel; }
    // Numbers on each ticket as the file states it (the wheel's numbersPerTicket for a wheel).
    int statedNumbersPerTicket() const;
    // The chosen numbers of a wheel file: the first numbersToWheel entries of numbersUsed
    // (clamped to 0..100); empty for a manual file.
    std::vector<std::int16_t> chosenNumbers() const;

    // Ticket k slot j = numbersUsed[row k slot j - 1] for j below numbersPerTicket, with one
    // ticket per row; bonus numbers stay. A position outside 1..100 gives 0.
    void applyWheel();

    // The exact bytes of the file in the current layout.
    Bytes toBytes() const;
    // Atomic write to `path`; empty on success (the modified flag is then cleared),
    // otherwise the message.
    std::string save();
    // As save, to `newPath`, which becomes the path on success.
    std::string saveAs(const std::string& newPath);

    friend bool operator==(const TicketFile&, const TicketFile&) = default;
};

// A new manual file: no tickets, the given counts, modified (it has never been saved).
TicketFile newManualTicketFile(std::int32_t numbersPerTicket = 6, std::int32_t numbersInLotto = 49);
// A new wheel file: the wheel, the chosen numbers, one ticket per row with the wheel applied.
TicketFile newWheelTicketFile(WheelInfo wheel, const NumbersUsed& numbersUsed);

enum class TicketReadStatus { Ok, CannotOpen, Damaged };

struct TicketFileReadResult {
    TicketReadStatus status = TicketReadStatus::Ok;
    std::string message;  // empty when Ok
    TicketFile file;      // the decoded file when Ok
    bool ok() const { return status == TicketReadStatus::Ok; }
};

// Decodes either layout. Tickets a short file does not reach are all zero; a negative
// ticket count, or a manual count above kMaxManualTickets, gives Damaged.
TicketFileReadResult ticketFileFromBytes(const Bytes& data);
// Reads the file; on success its path is `path` and the modified flag is clear.
TicketFileReadResult loadTicketFile(const std::string& path);

// The kind of a ticket file from its first bytes (the signature and the kind that follows).
TicketFileKind probeTicketFileKind(const Bytes& data);
// nullopt when the file cannot be opened.
std::optional<TicketFileKind> probeTicketFileKind(const std::string& path);

// Puts the main numbers of a ticket in ascending order; bonus numbers stay.
void SortTicketNumbers(TicketType& ticket);

// --- Matching -----------------------------------------------------------------------------

struct MatchResult {
    int MainHits = 0;
    int BonusHits = 0;
    friend bool operator==(const MatchResult&, const MatchResult&) = default;
};

// Main number `n` is one of the winning main numbers.
bool isMainHit(std::int16_t n, const TicketType& winning);
// Bonus number `b` is one of the winning bonus numbers.
bool isBonusHitAmongBonus(std::int16_t b, const TicketType& winning);
// Bonus number `b` counts as a hit: found among the winning bonus numbers, or, when the draw
// has no bonus numbers, among its main numbers. Each bonus number counts at most once.
bool isBonusHit(std::int16_t b, const TicketType& winning);

MatchResult MatchTicket(const TicketType& ticket, const TicketType& winning);

inline constexpr std::size_t kTallySize = 12;
struct TallyCounts {
    // hits[i]: tickets with exactly i + 2 main hits; bonusHits[i]: their bonus hits in total.
    std::array<int, kTallySize> hits{};
    std::array<int, kTallySize> bonusHits{};
};

// `wantBonus` is set by the caller when the draw has a bonus number; it is cleared when no
// ticket carries a bonus number. Bonus numbers are looked up among the draw's bonus numbers
// only.
TallyCounts TallyResults(const std::vector<TicketType>& tickets, const TicketType& draw,
                         bool& wantBonus);

// At least guaranteeIf of the chosen numbers are among the draw's main numbers.
bool WheelConditionMet(const WheelInfo& wheel, const NumbersUsed& numbersUsed,
                       const TicketType& draw);
bool WheelConditionMet(const TicketFile& file, const TicketType& draw);

// The largest number of bonus numbers on any ticket (0..3).
int bonusColumnCount(const std::vector<TicketType>& tickets);
// The main numbers on the first ticket (0..10), used as the count for every row.
int mainNumberCount(const std::vector<TicketType>& tickets);
// "%d/%d" of MainHits and the main-number count, with " + %dB" of BonusHits when the file
// has a bonus column.
std::string resultText(const MatchResult& result, int mainNumbers, int bonusColumns);

}  // namespace qv
