#include "core/database/draw_database.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "core/util/file_io.h"
#include "core/util/text.h"

namespace qv {

namespace {

constexpr std::size_t kEntriesOffset = DataHeader::kSize + StatisticsSettings::kSize;

// The link ends at the file's end; a NUL ends it early, as it would end the text anywhere
// else. Only the first kMaxLinkChars characters are kept (Latin-1: one byte each).
std::string decodeLink(const std::uint8_t* p, std::size_t size) {
    std::string latin1;
    for (std::size_t i = 0; i < size && latin1.size() < kMaxLinkChars; ++i) {
        if (p[i] == 0) break;
        latin1.push_back(static_cast<char>(p[i]));
    }
    return latin1ToUtf8(latin1);
}

// A total order on dates that matches isLater for every 16-bit field value: each field is
// shifted to be non-negative and the three are packed year, month, day.
std::int64_t dateOrder(const TicketType& t) {
    return (std::int64_t(t.year + 32768) << 32) | (std::int64_t(t.month + 32768) << 16) |
           std::int64_t(t.day + 32768);
}

// Max-tree over positions answering "first position holding the latest date". A finished
// position (or padding) holds kGone, below every real date, so the root covers exactly the
// positions still to sort.
class LatestDateTree {
public:
    static constexpr std::int64_t kGone = -1;

    explicit LatestDateTree(const std::vector<TicketType>& entries) {
        while (leaves_ < entries.size()) leaves_ *= 2;
        key_.assign(2 * leaves_, kGone);
        pos_.assign(2 * leaves_, 0);
        for (std::size_t k = 0; k < leaves_; ++k) {
            pos_[leaves_ + k] = static_cast<std::uint32_t>(k);
            if (k < entries.size()) key_[leaves_ + k] = dateOrder(entries[k]);
        }
        for (std::size_t n = leaves_ - 1; n >= 1; --n) pull(n);
    }

    std::size_t latest() const { return pos_[1]; }

    void set(std::size_t position, std::int64_t key) {
        std::size_t n = leaves_ + position;
        key_[n] = key;
        for (n /= 2; n >= 1; n /= 2) pull(n);
    }

private:
    // The left child covers the lower positions, so it wins ties: the nearest position wins.
    void pull(std::size_t n) {
        std::size_t from = key_[2 * n + 1] > key_[2 * n] ? 2 * n + 1 : 2 * n;
        key_[n] = key_[from];
        pos_[n] = pos_[from];
    }

    std::size_t leaves_ = 1;
    std::vector<std::int64_t> key_;
    std::vector<std::uint32_t> pos_;
};

}  // namespace

void DrawDatabase::clear() {
    header_ = DataHeader{};
    header_.entryCount = 0;
    entries_.clear();
    link_.clear();
    modified_ = false;
}

IoResult DrawDatabase::load(const std::string& path, const StatisticsSettings& current) {
    auto data = readWholeFile(path, kMaxUsefulFileBytes);
    if (!data) {
        clear();
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open the database " + path + ".",
                                 data.reason);
    }
    loadFromBytes(*data, current);
    fileName_ = path;
    // What a short file holds is kept (what it does not reach reads as zeros), but the caller
    // is told.
    if (data->size() < DataHeader::kSize)
        return IoResult::failure(IoStatus::Damaged, "The database " + path + " ends in its header.");
    const std::size_t needed = kEntriesOffset + entries_.size() * TicketType::kSize;
    if (!entries_.empty() && data->size() < needed)
        return IoResult::failure(IoStatus::Damaged,
                                 "The database " + path + " ends before the " +
                                     std::to_string(entries_.size()) + " entries it counts.");
    return IoResult::success();
}

void DrawDatabase::loadFromBytes(const Bytes& data, const StatisticsSettings& current) {
    clear();
    ByteReader reader(data);
    header_ = DataHeader::read(reader);
    // A description that fills its field has no NUL; keep what a save can write back.
    header_.description = utf8Left(header_.description, kMaxDescriptionChars);

    // The statistics block overlays the current record byte by byte, so a file ending inside
    // it changes only the bytes it holds.
    Bytes statBytes;
    ByteWriter statWriter(statBytes);
    current.write(statWriter);
    if (data.size() > DataHeader::kSize) {
        std::size_t n = std::min(data.size() - DataHeader::kSize, StatisticsSettings::kSize);
        std::copy_n(data.begin() + DataHeader::kSize, n, statBytes.begin());
    }
    ByteReader statReader(statBytes);
    statistics_ = StatisticsSettings::read(statReader);

    // The count is 16-bit, so allocating that many records is always reasonable; a short file
    // leaves the records it does not reach zero and keeps the bytes of a partial one.
    const std::size_t count = header_.entryCount;
    const std::size_t available = data.size() > kEntriesOffset ? data.size() - kEntriesOffset : 0;
    const std::uint8_t* entryData = data.data() + std::min(data.size(), kEntriesOffset);
    ByteReader entryReader(entryData, std::min(available, count * TicketType::kSize));
    entries_.resize(count);
    for (TicketType& t : entries_) {
        t = TicketType::read(entryReader);
        t.year = static_cast<std::int16_t>(normalisedYear(t.year));
    }

    const std::size_t linkOffset = kEntriesOffset + count * TicketType::kSize;
    if (data.size() > linkOffset)
        link_ = decodeLink(data.data() + linkOffset, data.size() - linkOffset);
    modified_ = false;
}

Bytes DrawDatabase::toBytes() const {
    Bytes out;
    out.reserve(kEntriesOffset + entries_.size() * TicketType::kSize + link_.size());
    ByteWriter w(out);
    DataHeader h = header_;
    h.entryCount = static_cast<std::uint16_t>(entries_.size());
    h.write(w);
    statistics_.write(w);
    for (const TicketType& t : entries_) t.write(w);
    std::string link = utf8ToLatin1(link_);
    w.raw(link.data(), link.size());
    return out;
}

IoResult DrawDatabase::save() {
    return saveAs(fileName_);
}

IoResult DrawDatabase::saveAs(const std::string& path) {
    if (path.empty())
        return IoResult::failure(IoStatus::CannotWrite, "The database has no file name.");
    IoResult result = writeFileAtomic(path, toBytes());
    if (result) {
        fileName_ = path;
        modified_ = false;
    }
    return result;
}

InsertOutcome DrawDatabase::insertAll(const std::vector<TicketType>& draws) {
    InsertOutcome outcome;
    // Marks which entries are new; it moves with the entries as each insert shifts them.
    std::vector<char> fresh(entries_.size(), 0);
    for (const TicketType& draw : draws) {
        const auto place = insert(draw);
        if (!place) {
            outcome.refused = draws.size() - outcome.added;
            break;
        }
        fresh.insert(fresh.begin() + static_cast<std::ptrdiff_t>(*place), 1);
        ++outcome.added;
    }
    for (std::size_t i = 0; i < fresh.size(); ++i)
        if (fresh[i]) outcome.positions.push_back(i);
    return outcome;
}

void DrawDatabase::removeEntries(const std::vector<std::size_t>& positions) {
    std::vector<char> gone(entries_.size(), 0);
    bool any = false;
    for (std::size_t p : positions) {
        if (p < gone.size() && !gone[p]) {
            gone[p] = 1;
            any = true;
        }
    }
    if (!any) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (!gone[i]) entries_[kept++] = entries_[i];
    entries_.resize(kept);
    header_.entryCount = static_cast<std::uint16_t>(entries_.size());
    modified_ = true;
}

std::optional<std::size_t> DrawDatabase::insert(const TicketType& entry) {
    if (entries_.size() >= kMaxDatabaseEntries) return std::nullopt;
    // The first entry with an earlier date, scanning from the newest; the order of a database
    // whose order was disturbed is not assumed, so this stays a plain scan.
    const Date date = entry.date();
    std::size_t place = entries_.size();
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        if (isEarlier(entries_[k].date(), date)) {
            place = k;
            break;
        }
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(place), entry);
    header_.entryCount = static_cast<std::uint16_t>(entries_.size());
    modified_ = true;

    // A number above the game's range widens it, but never past what per-number tables hold.
    auto raise = [&](std::int16_t n) {
        if (n > int(header_.numbersInLotto) && isLottoNumber(n))
            header_.numbersInLotto = static_cast<std::uint16_t>(n);
    };
    for (int k = 0; k < entry.numberCount(); ++k) raise(entry.numbers[k]);
    for (int k = 0; k < entry.bonusCount(); ++k) raise(entry.bonus[k]);
    return place;
}

bool DrawDatabase::sort(ProgressReporter* progress) {
    // A selection sort in effect (latest date first, the nearest position on a tie, numbers
    // put in order before and after each exchange), with the search for the latest date
    // answered by a tree in O(log n) instead of a scan.
    const std::size_t count = entries_.size();
    ProgressLoop loop(progress, "Sorting database entries...", static_cast<long long>(count));
    if (count == 0) return true;
    LatestDateTree tree(entries_);
    for (std::size_t i = 0; i < count; ++i) {
        entries_[i].sortNumbers();
        std::size_t j = tree.latest();
        if (j != i) {
            std::swap(entries_[i], entries_[j]);
            tree.set(j, dateOrder(entries_[j]));
        }
        entries_[i].sortNumbers();
        tree.set(i, LatestDateTree::kGone);
        if (loop.unitDone(static_cast<long long>(i))) return false;
    }
    return true;
}

void DrawDatabase::replace(const DataHeader& header, std::vector<TicketType> entries) {
    if (entries.size() > kMaxDatabaseEntries) entries.resize(kMaxDatabaseEntries);
    entries_ = std::move(entries);
    setHeader(header);
}

void DrawDatabase::setHeader(const DataHeader& header) {
    header_ = header;
    header_.description = utf8Left(header_.description, kMaxDescriptionChars);
    header_.entryCount = static_cast<std::uint16_t>(entries_.size());
    modified_ = true;
}

const TicketType& DrawDatabase::entry(std::size_t i) const {
    static const TicketType kNone{};
    return i < entries_.size() ? entries_[i] : kNone;
}

std::optional<TicketType> DrawDatabase::newestEntry() const {
    if (entries_.empty()) return std::nullopt;
    return entries_.front();
}

void DrawDatabase::setUpdateLink(const std::string& link) {
    std::string clipped = utf8Left(link, kMaxLinkChars);
    if (clipped == link_) return;
    link_ = std::move(clipped);
    modified_ = true;
}

Bytes newDatabaseBytes(const DataHeader& header, const StatisticsSettings& stats,
                       const std::string& link) {
    DrawDatabase db;
    db.setHeader(header);
    db.setUpdateLink(link);
    db.setStatistics(stats);
    return db.toBytes();
}

IoResult createDatabaseFile(const std::string& path, const DataHeader& header,
                            const StatisticsSettings& stats, const std::string& link) {
    return writeFileAtomic(path, newDatabaseBytes(header, stats, link));
}

}  // namespace qv
