#include "core/entry/modify_entries.h"

#include "core/entry/int_edit.h"
#include "core/util/text.h"

namespace qv {

ModifyEntries::ModifyEntries(DataHeader header, std::vector<TicketType> entries)
    : header_(std::move(header)), entries_(std::move(entries)) {
    if (entries_.size() > kMaxDatabaseEntries) entries_.resize(kMaxDatabaseEntries);
    header_.entryCount = static_cast<std::uint16_t>(entries_.size());
}

std::vector<std::string> ModifyEntries::lines(const std::string& format) const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const TicketType& e : entries_)
        out.push_back(formatIntegers(format, {e.month, e.day, e.year}));
    return out;
}

std::optional<std::size_t> ModifyEntries::selected() const {
    if (entries_.empty()) return std::nullopt;
    return selected_;
}

void ModifyEntries::select(std::size_t index) {
    if (index < entries_.size()) selected_ = index;
}

std::optional<ModifyEntries::Values> ModifyEntries::shownValues() const {
    if (entries_.empty()) return std::nullopt;
    const TicketType& e = entries_[selected_];
    Values v{};
    for (std::size_t i = 0; i < kNumberFields; ++i) v[i] = e.numbers[i];
    for (std::size_t i = 0; i < kBonusFields; ++i) v[kNumberFields + i] = e.bonus[i];
    return v;
}

bool ModifyEntries::update(const Values& values) {
    if (entries_.empty()) return false;
    TicketType& e = entries_[selected_];
    const TicketType before = e;
    auto store = [](std::int16_t& place, int v) {
        if (isStorableNumber(v)) place = static_cast<std::int16_t>(v);
    };
    for (std::size_t i = 0; i < kNumberFields; ++i) store(e.numbers[i], values[i]);
    for (std::size_t i = 0; i < kBonusFields; ++i) store(e.bonus[i], values[kNumberFields + i]);
    if (!(e == before)) changed_ = true;
    return true;
}

bool ModifyEntries::updateFromTexts(const Texts& texts) {
    Values values{};
    for (std::size_t i = 0; i < kFields; ++i) {
        const std::string& t = texts[i];
        if (t.find_first_not_of(" \t") == std::string::npos) {
            values[i] = 0;
        } else {
            // -1 is refused by update(), so the place keeps its value.
            values[i] = readField(t, kNumberField).value_or(-1);
        }
    }
    return update(values);
}

bool ModifyEntries::removeSelected() {
    if (entries_.empty()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(selected_));
    header_.entryCount = static_cast<std::uint16_t>(entries_.size());
    if (selected_ == entries_.size() && selected_ > 0) --selected_;
    changed_ = true;
    return true;
}

void ModifyEntries::adoptAttributes(const DataHeader& edited) {
    header_.description = edited.description;
    header_.numbersInLotto = edited.numbersInLotto;
    header_.numbersOnTicket = edited.numbersOnTicket;
}

}  // namespace qv
