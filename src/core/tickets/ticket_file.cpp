#include "core/tickets/ticket_file.h"

#include <algorithm>
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

TicketFileReadResult damaged(long long count) {
    TicketFileReadResult res;
    res.status = TicketReadStatus::Damaged;
    res.message = "The ticket file is damaged: it claims " + std::to_string(count) + " tickets.";
    return res;
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

std::string TicketFile::save() {
    return saveAs(path);
}

std::string TicketFile::saveAs(const std::string& newPath) {
    if (newPath.empty()) return "The ticket file has no file name.";
    if (std::string why = unsavableReason(*this); !why.empty()) return why;
    std::string err = writeFileAtomic(newPath, toBytes());
    if (err.empty()) {
        path = newPath;
        modified = false;
    }
    return err;
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

TicketFileReadResult ticketFileFromBytes(const Bytes& data) {
    ByteReader r(data);
    // The signature is not checked beyond telling the older layout apart: anything else is
    // read as the current one.
    const bool older = r.fixedText(TicketFile::kSignatureBytes) == TicketFile::kOldSignature;
    const bool wheel = older ? r.i16() != 0 : r.u8() != 0;

    TicketFileReadResult res;
    TicketFile& f = res.file;
    if (!wheel) {
        f.kind = TicketFileKind::Manual;
        long long count = 0;
        if (older) {
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
        return res;
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
    return res;
}

TicketFileReadResult loadTicketFile(const std::string& path) {
    auto data = readWholeFile(path, kMaxTicketFileBytes);
    if (!data) {
        TicketFileReadResult res;
        res.status = TicketReadStatus::CannotOpen;
        res.message = "Cannot open the ticket file " + path + ".";
        return res;
    }
    TicketFileReadResult res = ticketFileFromBytes(*data);
    if (res.ok()) {
        res.file.path = path;
        res.file.modified = false;
    }
    return res;
}

TicketFileKind probeTicketFileKind(const Bytes& data) {
    ByteReader r(data);
    const bool older = r.fixedText(TicketFile::kSignatureBytes) == TicketFile::kOldSignature;
    const bool wheel = older ? r.i16() != 0 : r.u8() != 0;
    return wheel ? TicketFileKind::Wheel : TicketFileKind::Manual;
}

std::optional<TicketFileKind> probeTicketFileKind(const std::string& path) {
    auto data = readWholeFile(path, TicketFile::kSignatureBytes + 2);
    if (!data) return std::nullopt;
    return probeTicketFileKind(*data);
}

void SortTicketNumbers(TicketType& ticket) {
    ticket.sortNumbers();
}

bool isMainHit(std::int16_t n, const TicketType& winning) {
    for (std::int16_t w : winning.numbers) {
        if (w == 0) break;
        if (w == n) return true;
    }
    return false;
}

bool isBonusHitAmongBonus(std::int16_t b, const TicketType& winning) {
    for (std::int16_t w : winning.bonus) {
        if (w == 0) break;
        if (w == b) return true;
    }
    return false;
}

bool isBonusHit(std::int16_t b, const TicketType& winning) {
    if (isBonusHitAmongBonus(b, winning)) return true;
    return winning.bonus[0] == 0 && isMainHit(b, winning);
}

MatchResult MatchTicket(const TicketType& ticket, const TicketType& winning) {
    MatchResult m;
    for (std::int16_t n : ticket.numbers) {
        if (n == 0) break;
        if (isMainHit(n, winning)) ++m.MainHits;
    }
    for (std::int16_t b : ticket.bonus) {
        if (b == 0) break;
        if (isBonusHit(b, winning)) ++m.BonusHits;
    }
    return m;
}

TallyCounts TallyResults(const std::vector<TicketType>& tickets, const TicketType& draw,
                         bool& wantBonus) {
    if (wantBonus && bonusColumnCount(tickets) == 0) wantBonus = false;
    TallyCounts t;
    for (const TicketType& ticket : tickets) {
        int main = 0;
        for (std::int16_t n : ticket.numbers) {
            if (n == 0) break;
            if (isMainHit(n, draw)) ++main;
        }
        const int slot = main - 2;
        if (slot < 0 || slot >= int(kTallySize)) continue;
        ++t.hits[slot];
        if (!wantBonus) continue;
        for (std::int16_t b : ticket.bonus) {
            if (b == 0) break;
            if (isBonusHitAmongBonus(b, draw)) ++t.bonusHits[slot];
        }
    }
    return t;
}

bool WheelConditionMet(const WheelInfo& wheel, const NumbersUsed& numbersUsed,
                       const TicketType& draw) {
    const int n = std::clamp<int>(wheel.numbersToWheel, 0, int(kNumbersUsedSize));
    int found = 0;
    for (int i = 0; i < n; ++i)
        if (isMainHit(numbersUsed[i], draw)) ++found;
    return found >= wheel.guaranteeIf;
}

bool WheelConditionMet(const TicketFile& file, const TicketType& draw) {
    return WheelConditionMet(file.wheel, file.numbersUsed, draw);
}

int bonusColumnCount(const std::vector<TicketType>& tickets) {
    int most = 0;
    for (const TicketType& t : tickets) most = std::max(most, t.bonusCount());
    return most;
}

int mainNumberCount(const std::vector<TicketType>& tickets) {
    return tickets.empty() ? 0 : tickets.front().numberCount();
}

std::string resultText(const MatchResult& result, int mainNumbers, int bonusColumns) {
    std::string s = std::to_string(result.MainHits) + "/" + std::to_string(mainNumbers);
    if (bonusColumns > 0) s += " + " + std::to_string(result.BonusHits) + "B";
    return s;
}

}  // namespace qv
