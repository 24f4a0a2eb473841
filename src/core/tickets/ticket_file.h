#pragma once
// The open ticket file (manual or wheel) and its file layouts.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/byte_io.h"
#include "core/records/records.h"
#include "core/util/io_result.h"
#include "core/records/wheel_record.h"

namespace qv {

enum class TicketFileKind { Manual, Wheel };

inline constexpr std::size_t kNumbersUsedSize = 100;
using NumbersUsed = std::array<std::int16_t, kNumbersUsedSize>;

struct TicketFile {
    // The signature written into every file, and the one that marks the older layout.
    static constexpr const char* kSignature = "Quorvantile V3.4";
    static constexpr const char* kOldSignature = "Quorvantile V3.0";
    // What both signatures begin with; the desktop's file-type rule looks for the same text.
    static constexpr const char* kSignaturePrefix = "Quorvantile V3";
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
    // Atomic write to `path`; the modified flag is cleared on success.
    IoResult save();
    // As save, to `newPath`, which becomes the path on success.
    IoResult saveAs(const std::string& newPath);

    friend bool operator==(const TicketFile&, const TicketFile&) = default;
};

// A new manual file: no tickets, the given counts, modified (it has never been saved).
TicketFile newManualTicketFile(std::int32_t numbersPerTicket = 6, std::int32_t numbersInLotto = 49);
// A new wheel file: the wheel, the chosen numbers, one ticket per row with the wheel applied.
TicketFile newWheelTicketFile(WheelInfo wheel, const NumbersUsed& numbersUsed);

// Decodes either layout into `file`. Tickets a short file does not reach are all zero; a
// negative ticket count, or a manual count above kMaxManualTickets, gives Damaged.
IoResult ticketFileFromBytes(const Bytes& data, TicketFile& file);
// Reads the file; on success its path is `path` and the modified flag is clear.
IoResult loadTicketFile(const std::string& path, TicketFile& file);

// What the first bytes of a ticket file say: the layout (older or current) and the kind.
struct TicketFileHead {
    bool older = false;
    TicketFileKind kind = TicketFileKind::Manual;
};
// Reads the signature and the kind byte (or word, in the older layout) that follows it.
TicketFileHead readTicketFileHead(ByteReader& r);

// The kind of a ticket file from its first bytes (the signature and the kind that follows).
TicketFileKind probeTicketFileKind(const Bytes& data);
// nullopt when the file cannot be opened.
std::optional<TicketFileKind> probeTicketFileKind(const std::string& path);

// Whether the bytes begin with a ticket file's signature (either layout): how a ticket file
// is known when its name does not say so. The path form is false when the file cannot be read.
bool hasTicketFileSignature(const Bytes& data);
bool hasTicketFileSignature(const std::string& path);

// Puts the main numbers of a ticket in ascending order; bonus numbers stay.
void SortTicketNumbers(TicketType& ticket);

}  // namespace qv
