#include "core/tickets/ticket_file.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/util/file_io.h"

namespace qv {

namespace {

constexpr std::size_t kReservedBytes = 200;
constexpr std::size_t kWheelFixedBytes =
    TicketFile::kSignatureBytes + 1 + WheelInfo::kSize + kNumbersUsedSize * 2 + kReservedBytes;
// Nothing past these sizes is ever decoded, so a load never reads more.
constexpr std::size_t kMaxManualFileBytes =
    TicketFile::kSignatureBytes + 1 + 12 +
    std::size_t(TicketFile::kMaxManualTickets) * TicketType::kSize;
constexpr std::size_t kMaxWheelFileBytes =
    kWheelFixedBytes + 1 + WheelInfo::kMaxRows * 2 * TicketType::kSize;
constexpr std::size_t kMaxTicketFileBytes = std::max(kMaxManualFileBytes, kMaxWheelFileBytes);

// Reads the records in place; those past the data stay as they are (zero after a resize),
// and the reader still moves over all of them, so the next section starts where it should.
void readRecords(ByteReader& r, std::vector<TicketType>& records) {
    std::size_t k = 0;
    for (; k < records.size() && !r.exhausted(); ++k) records[k] = TicketType::read(r);
    r.skip((records.size() - k) * TicketType::kSize);
}

IoResult damaged(long long count) {
    return IoResult::failure(IoStatus::Damaged, "The ticket file is damaged: it claims " +
                                                    std::to_string(count) + " tickets.");
}

std::size_t wheelTicketCount(const TicketFile& f) {
    return std::min(std::max(f.wheel.rows.size(), f.tickets.size()), WheelInfo::kMaxRows);
}

// What blocks a save: a count the file cannot hold or a reader would refuse.
std::string unsavableReason(const TicketFile& f) {
    if (f.isWheel()) {
        if (std::max(f.wheel.rows.size(), f.tickets.size()) > WheelInfo::kMaxRows)
            return "A wheel ticket file holds at most " + std::to_string(WheelInfo::kMaxRows) +
                   " tickets.";
    } else if (f.tickets.size() > std::size_t(TicketFile::kMaxManualTickets)) {
        return "A ticket file holds at most " + std::to_string(TicketFile::kMaxManualTickets) +
               " tickets.";
    }
    return {};
}

}  // namespace

int TicketFile::statedNumbersPerTicket() const {
    return isWheel() ? wheel.numbersPerTicket : numbersPerTicket;
}

std::vector<std::int16_t> TicketFile::chosenNumbers() const {
    if (!isWheel()) return {};
    const int n = std::clamp<int>(wheel.numbersToWheel, 0, int(kNumbersUsedSize));
    return std::vector<std::int16_t>(numbersUsed.begin(), numbersUsed.begin() + n);
}

void TicketFile::applyWheel() {
    tickets.resize(wheel.rows.size());
    const int per = wheel.positionsPerRow();
    for (std::size_t k = 0; k < wheel.rows.size(); ++k) {
        for (int j = 0; j < per; ++j) {
            const int position = wheel.rows[k].numbers[j];
            tickets[k].numbers[j] =
                position >= 1 && position <= int(kNumbersUsedSize) ? numbersUsed[position - 1] : 0;
        }
    }
}

Bytes TicketFile::toBytes() const {
    Bytes out;
    ByteWriter w(out);
    w.fixedText(kSignature, kSignatureBytes);
    if (!isWheel()) {
        out.reserve(kSignatureBytes + 13 + tickets.size() * TicketType::kSize);
        w.u8(0);
        w.i32(static_cast<std::int32_t>(tickets.size()));
        w.i32(numbersPerTicket);
        w.i32(numbersInLotto);
        for (const TicketType& t : tickets) t.write(w);
        return out;
    }
    const std::size_t n = wheelTicketCount(*this);
    out.reserve(kWheelFixedBytes + n * 2 * TicketType::kSize);
    w.u8(1);
    WheelInfo head = wheel;
    head.ticketCount = static_cast<std::int16_t>(n);
    head.writeRecord(w);
    // The layout gives rows and tickets the same count; a missing record is written empty.
    const TicketType empty{};
    for (std::size_t k = 0; k < n; ++k) (k < wheel.rows.size() ? wheel.rows[k] : empty).write(w);
    for (std::size_t k = 0; k < n; ++k) (k < tickets.size() ? tickets[k] : empty).write(w);
    for (std::int16_t v : numbersUsed) w.i16(v);
    for (std::size_t k = 0; k < kReservedBytes; ++k) w.u8(0);
    return out;
}

IoResult TicketFile::save() {
    return saveAs(path);
}

IoResult TicketFile::saveAs(const std::string& newPath) {
    if (newPath.empty())
        return IoResult::failure(IoStatus::CannotWrite, "The ticket file has no file name.");
    if (std::string why = unsavableReason(*this); !why.empty())
        return IoResult::failure(IoStatus::CannotWrite, why);
    IoResult result = writeFileAtomic(newPath, toBytes());
    if (result) {
        path = newPath;
        modified = false;
    }
    return result;
}

TicketFile newManualTicketFile(std::int32_t numbersPerTicket, std::int32_t numbersInLotto) {
    TicketFile f;
    f.kind = TicketFileKind::Manual;
    f.numbersPerTicket = numbersPerTicket;
    f.numbersInLotto = numbersInLotto;
    f.modified = true;
    return f;
}

TicketFile newWheelTicketFile(WheelInfo wheel, const NumbersUsed& numbersUsed) {
    TicketFile f;
    f.kind = TicketFileKind::Wheel;
    f.wheel = std::move(wheel);
    f.wheel.setRows(std::move(f.wheel.rows));
    f.numbersUsed = numbersUsed;
    f.applyWheel();
    f.modified = true;
    return f;
}

TicketFileHead readTicketFileHead(ByteReader& r) {
    // The signature is not checked beyond telling the older layout apart: anything else is
    // read as the current one.
    TicketFileHead head;
    head.older = r.fixedText(TicketFile::kSignatureBytes) == TicketFile::kOldSignature;
    const bool wheel = head.older ? r.i16() != 0 : r.u8() != 0;
    head.kind = wheel ? TicketFileKind::Wheel : TicketFileKind::Manual;
    return head;
}

IoResult ticketFileFromBytes(const Bytes& data, TicketFile& f) {
    ByteReader r(data);
    const TicketFileHead head = readTicketFileHead(r);
    f = TicketFile{};
    if (head.kind == TicketFileKind::Manual) {
        f.kind = TicketFileKind::Manual;
        long long count = 0;
        if (head.older) {
            count = r.i16();
            f.numbersPerTicket = r.i16();
            f.numbersInLotto = r.i16();
        } else {
            count = r.i32();
            f.numbersPerTicket = r.i32();
            f.numbersInLotto = r.i32();
        }
        if (count < 0 || count > TicketFile::kMaxManualTickets) return damaged(count);
        f.tickets.resize(static_cast<std::size_t>(count));
        readRecords(r, f.tickets);
        return IoResult::success();
    }

    f.kind = TicketFileKind::Wheel;
    f.wheel = WheelInfo::readRecord(r);
    if (f.wheel.ticketCount < 0) return damaged(f.wheel.ticketCount);
    const std::size_t n = static_cast<std::size_t>(f.wheel.ticketCount);
    f.wheel.rows.resize(n);
    f.tickets.resize(n);
    readRecords(r, f.wheel.rows);
    readRecords(r, f.tickets);
    for (std::int16_t& v : f.numbersUsed) v = r.i16();
    return IoResult::success();
}

IoResult loadTicketFile(const std::string& path, TicketFile& file) {
    auto data = readWholeFile(path, kMaxTicketFileBytes);
    if (!data)
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open the ticket file " + path + ".",
                                 data.reason);
    IoResult result = ticketFileFromBytes(*data, file);
    if (result) {
        file.path = path;
        file.modified = false;
    }
    return result;
}

TicketFileKind probeTicketFileKind(const Bytes& data) {
    ByteReader r(data);
    return readTicketFileHead(r).kind;
}

std::optional<TicketFileKind> probeTicketFileKind(const std::string& path) {
    auto data = readWholeFile(path, TicketFile::kSignatureBytes + 2);
    if (!data) return std::nullopt;
    return probeTicketFileKind(*data);
}

bool hasTicketFileSignature(const Bytes& data) {
    const std::string_view prefix = TicketFile::kSignaturePrefix;
    return data.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), data.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

bool hasTicketFileSignature(const std::string& path) {
    const auto data = readWholeFile(path, std::string_view(TicketFile::kSignaturePrefix).size());
    return data && hasTicketFileSignature(*data);
}

void SortTicketNumbers(TicketType& ticket) {
    ticket.sortNumbers();
}

}  // namespace qv
