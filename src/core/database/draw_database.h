#pragma once
// The open draw database: header, statistics options block, draws newest first, update link.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/progress.h"
#include "core/records/byte_io.h"
#include "core/records/records.h"
#include "core/util/io_result.h"

namespace qv {

// What an insert of many draws did: how many went in, how many were refused because the
// database was full, and where the new entries stand once all are in (ascending).
struct InsertOutcome {
    std::size_t added = 0;
    std::size_t refused = 0;
    std::vector<std::size_t> positions;
    bool full() const { return refused > 0; }
};

class DrawDatabase {
public:
    static constexpr std::size_t kMaxEntries = kMaxDatabaseEntries;
    // Header, statistics block, a full set of entries and the longest link kept: nothing
    // beyond this is ever used, so a load never reads more.
    static constexpr std::size_t kMaxUsefulFileBytes =
        DataHeader::kSize + StatisticsSettings::kSize + kMaxEntries * TicketType::kSize +
        kMaxLinkChars;

    // Reads the file; when it cannot be read the database is left empty. Otherwise the file
    // name becomes `path` and the statistics options are the block stored in the file; a file
    // that ends before its header or its entries do is kept as far as it goes and reported
    // Damaged.
    IoResult load(const std::string& path, const StatisticsSettings& current = {});
    // Decodes a file's bytes. Damaged or short data gives a defined partial result: fields the
    // data does not reach are zero, except the statistics block, whose unread bytes keep the
    // values of `current` (the options in force before the load).
    void loadFromBytes(const Bytes& data, const StatisticsSettings& current = {});

    // The exact file contents for the current state.
    Bytes toBytes() const;
    // Atomic write under the current file name; the modified flag is cleared only on success.
    IoResult save();
    // As save, to `path`, which becomes the file name on success.
    IoResult saveAs(const std::string& path);

    // The statistics options stored with the database. Changing them does not mark the
    // database modified: they are written with it the next time it is saved.
    const StatisticsSettings& statistics() const { return statistics_; }
    void setStatistics(const StatisticsSettings& statistics) { statistics_ = statistics; }

    // Places the draw by date (after existing draws of the same date) and returns its index;
    // nullopt, with nothing changed, when the database is full.
    std::optional<std::size_t> insert(const TicketType& entry);
    // Inserts the draws one by one as insert does, stopping when the database is full.
    InsertOutcome insertAll(const std::vector<TicketType>& draws);
    // Removes the entries at the given positions (positions past the end are ignored).
    void removeEntries(const std::vector<std::size_t>& positions);
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
    StatisticsSettings statistics_;
    std::string link_;
    bool modified_ = false;
};

// The bytes of a new, empty database: the header with its description clipped and a count
// of 0, the statistics options as given, then the link.
Bytes newDatabaseBytes(const DataHeader& header, const StatisticsSettings& stats,
                       const std::string& link);
// Writes such a file atomically.
IoResult createDatabaseFile(const std::string& path, const DataHeader& header,
                            const StatisticsSettings& stats, const std::string& link);

}  // namespace qv
