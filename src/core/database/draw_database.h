#pragma once
// The open draw database: header, statistics options block, draws newest first, update link.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/records/byte_io.h"
#include "core/records/records.h"

namespace qv {

// True when every number and bonus number lies in 0..100, so it can index a per-number table.
bool hasOnlyIndexableNumbers(const TicketType& t);

class DrawDatabase {
public:
    // The entry count is a 16-bit field.
    static constexpr std::size_t kMaxEntries = 65535;
    static constexpr std::size_t kMaxLinkChars = 199;
    static constexpr std::size_t kMaxDescriptionChars = DataHeader::kDescriptionBytes - 1;
    // Header, statistics block, a full set of entries and the longest link kept: nothing
    // beyond this is ever used, so a load never reads more.
    static constexpr std::size_t kMaxUsefulFileBytes =
        DataHeader::kSize + StatisticsSettings::kSize + kMaxEntries * TicketType::kSize +
        kMaxLinkChars;

    // Reads the file; false when it cannot be opened, leaving the database empty and `stats`
    // untouched. On success the file name becomes `path` and `stats` is overwritten by the
    // block stored in the file.
    bool load(const std::string& path, StatisticsSettings& stats);
    // Decodes a file's bytes. Damaged or short data gives a defined partial result: fields the
    // data does not reach are zero, except the statistics block, whose unread bytes keep the
    // values `stats` had.
    void loadFromBytes(const Bytes& data, StatisticsSettings& stats);

    // The exact file contents for the current state and the given statistics options.
    Bytes toBytes(const StatisticsSettings& stats) const;
    // Atomic write under the current file name. Empty on success, otherwise the message; the
    // modified flag is cleared only on success.
    std::string save(const StatisticsSettings& stats);
    // As save, to `path`, which becomes the file name on success.
    std::string saveAs(const std::string& path, const StatisticsSettings& stats);

    // Places the draw by date (after existing draws of the same date) and returns its index;
    // nullopt, with nothing changed, when the database is full.
    std::optional<std::size_t> insert(const TicketType& entry);
    // Restores newest-first order and ascending numbers. False when the user cancelled; the
    // positions finished by then stay sorted. Does not set the modified flag.
    bool sort(ProgressReporter* progress);
    // Installs edited copies of the header and the entries; entries beyond kMaxEntries are
    // dropped and the header's entry count follows the entries.
    void replace(const DataHeader& header, std::vector<TicketType> entries);

    const std::string& fileName() const { return fileName_; }
    void setFileName(std::string path) { fileName_ = std::move(path); }

    const DataHeader& header() const { return header_; }
    // Attribute change: description, numbers in lotto and on a ticket; the entry count is kept.
    void setHeader(const DataHeader& header);

    std::size_t entryCount() const { return entries_.size(); }
    // Entry i, 0 = newest; an index past the end gives an all-zero record.
    const TicketType& entry(std::size_t i) const;
    const std::vector<TicketType>& entries() const { return entries_; }
    // The draw that becomes the current winning numbers after a load.
    std::optional<TicketType> newestEntry() const;

    const std::string& updateLink() const { return link_; }
    // Keeps the first kMaxLinkChars characters; a change sets the modified flag.
    void setUpdateLink(const std::string& link);

    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }

private:
    void clear();

    std::string fileName_;
    DataHeader header_;
    std::vector<TicketType> entries_;
    std::string link_;
    bool modified_ = false;
};

// The bytes of a new, empty database: the header with its description clipped and a count
// of 0, the statistics options as given, then the link.
Bytes newDatabaseBytes(const DataHeader& header, const StatisticsSettings& stats,
                       const std::string& link);
// Writes such a file atomically; empty on success, otherwise the message.
std::string createDatabaseFile(const std::string& path, const DataHeader& header,
                               const StatisticsSettings& stats, const std::string& link);

}  // namespace qv
