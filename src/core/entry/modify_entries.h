#pragma once
// The rules of the entry editor: it works on copies of a database's header and entries,
// corrects the numbers and bonus numbers of one entry at a time, deletes entries, and keeps
// a selected entry. Dates are shown but never edited, so the order of the entries holds.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/number_rules.h"
#include "core/records/records.h"

namespace qv {

class ModifyEntries {
public:
    static constexpr std::size_t kNumberFields = kMaxNumbersOnTicket;
    static constexpr std::size_t kBonusFields = kMaxBonusNumbers;
    static constexpr std::size_t kFields = kNumberFields + kBonusFields;
    // The ten numbers, then the three bonus numbers.
    using Values = std::array<int, kFields>;
    using Texts = std::array<std::string, kFields>;

    // The entry count of the header copy follows the entries.
    ModifyEntries(DataHeader header, std::vector<TicketType> entries);

    const DataHeader& header() const { return header_; }
    const std::vector<TicketType>& entries() const { return entries_; }
    std::size_t entryCount() const { return entries_.size(); }
    // Whether an update changed an entry or an entry was deleted.
    bool isChanged() const { return changed_; }

    // One line per entry, in stored order: "%d-%d-%d" of its month, day and year.
    std::vector<std::string> lines(const std::string& format = "%d-%d-%d") const;

    // The selected entry; nullopt when there are none left.
    std::optional<std::size_t> selected() const;
    // An index past the end is ignored.
    void select(std::size_t index);
    // The fields of the selected entry (0 in places not in use); nullopt with no entries.
    std::optional<Values> shownValues() const;

    // "&Update": each value of 0..100 is stored at its place of the selected entry (0 marks
    // a place not in use); any other value leaves that place as it was. The date stays. An
    // entry that would hold a number twice, or more numbers than the header's numbers on a
    // ticket, is refused and nothing changes; a number above the numbers in lotto is kept and
    // raises them, as an inserted draw does.
    // False with no entries or when refused.
    bool update(const Values& values);
    // Why update(values) would be refused; nullopt when it would not.
    std::optional<NumberProblem> problemWith(const Values& values) const;
    // The fields' texts as values: an empty field stores 0; an unreadable one, or one above
    // 100, leaves its place as it was.
    static Values valuesFromTexts(const Texts& texts);
    bool updateFromTexts(const Texts& texts) { return update(valuesFromTexts(texts)); }
    // The selected entry's name in messages: "the entry 3-5-2024".
    std::string selectedName() const;
    // "&Delete": the entries after the selected one move up one place and the count drops
    // by one; the selection stays on the same line, or moves up when the last line went.
    // False with no entries.
    bool removeSelected();

    // After the attributes were edited on the database itself: its description and counts
    // become those of the header copy, so OK does not undo them. The entry count stays.
    void adoptAttributes(const DataHeader& edited);

private:
    DataHeader header_;
    std::vector<TicketType> entries_;
    std::size_t selected_ = 0;
    bool changed_ = false;
};

}  // namespace qv
