#include "core/tickets/ticket_editing.h"

#include <algorithm>
#include <utility>

#include "core/util/text.h"

namespace qv {

namespace {

void sortAll(std::vector<TicketType>& tickets) {
    for (TicketType& t : tickets) SortTicketNumbers(t);
}

std::array<std::int16_t, kMaxBonusNumbers> bonusSlots(std::span<const std::int16_t> bonus) {
    std::array<std::int16_t, kMaxBonusNumbers> slots{};
    for (std::size_t k = 0; k < slots.size() && k < bonus.size(); ++k) slots[k] = bonus[k];
    return slots;
}

}  // namespace

// --- Whole-file changes ----------------------------------------------------------------------

void replaceManualTickets(TicketFile& file, std::vector<TicketType> tickets) {
    sortAll(tickets);
    file.tickets = std::move(tickets);
    file.modified = true;
}

void addManualTicket(TicketFile& file, const TicketType& ticket) {
    TicketType t;
    t.numbers = ticket.numbers;
    t.bonus = ticket.bonus;
    file.numbersPerTicket = t.numberCount();
    std::vector<TicketType> tickets = file.tickets;
    tickets.push_back(t);
    replaceManualTickets(file, std::move(tickets));
}

bool deleteManualTicket(TicketFile& file, std::size_t index) {
    if (index >= file.tickets.size()) return false;
    std::vector<TicketType> tickets = file.tickets;
    tickets.erase(tickets.begin() + static_cast<std::ptrdiff_t>(index));
    replaceManualTickets(file, std::move(tickets));
    return true;
}

bool setBonusNumbers(TicketFile& file, std::optional<std::size_t> index,
                     std::span<const std::int16_t> bonus) {
    if (index && *index >= file.tickets.size()) return false;
    const auto slots = bonusSlots(bonus);
    std::vector<TicketType> tickets = file.tickets;
    if (index) {
        tickets[*index].bonus = slots;
    } else {
        for (TicketType& t : tickets) t.bonus = slots;
    }
    replaceBonusNumbers(file, std::move(tickets));
    return true;
}

void replaceBonusNumbers(TicketFile& file, std::vector<TicketType> tickets) {
    if (!file.isWheel()) sortAll(tickets);
    file.tickets = std::move(tickets);
    file.modified = true;
}

// --- The manual ticket grid ------------------------------------------------------------------

ManualTicketEntry::ManualTicketEntry(const TicketFile& file)
    : tickets_(file.tickets),
      choice_(std::clamp<int>(file.numbersPerTicket, 1, kMaxNumbersOnTicket), file.numbersInLotto) {
}

BoxClick ManualTicketEntry::click(int number) {
    const BoxClick result = choice_.click(number);
    if (result != BoxClick::Ignored) showTickets_ = false;
    return result;
}

void ManualTicketEntry::clearAll() {
    choice_.clearAll();
    showTickets_ = false;
}

std::vector<int> ManualTicketEntry::fillRandom(std::mt19937& generator) {
    showTickets_ = false;
    return choice_.fillRandom(generator);
}

bool ManualTicketEntry::setNumbersInLotto(int numbers) {
    return choice_.setNumbersInLotto(numbers);
}

bool ManualTicketEntry::setNumbersPerTicket(int quota) {
    if (!choice_.setQuota(std::clamp(quota, 1, kMaxNumbersOnTicket))) return false;
    showTickets_ = false;
    return true;
}

bool ManualTicketEntry::addTicket() {
    if (!choice_.full()) {
        showTickets_ = false;
        return false;
    }
    TicketType t;
    std::size_t k = 0;
    for (int n : choice_.chosen()) {
        if (k == t.numbers.size()) break;
        t.numbers[k++] = static_cast<std::int16_t>(n);
    }
    tickets_.push_back(t);
    ++added_;
    choice_.clearAll();
    showTickets_ = true;
    return true;
}

std::string ManualTicketEntry::caption(const ManualEntryTexts& texts) const {
    if (showTickets_) {
        const std::size_t n = tickets_.size();
        return n == 1 ? texts.oneTicket
                      : formatIntegers(texts.tickets, {static_cast<long long>(n)});
    }
    if (!choice_.changed()) return {};
    return choiceCaption(choice_, texts.choice);
}

NumberChoice::Picked ManualTicketEntry::pick(const std::vector<int>& sequence,
                                             std::size_t& position, bool next, int highestNumber) {
    if (highestNumber > 0) choice_.setNumbersInLotto(highestNumber);
    NumberChoice::Picked picked = choice_.pickFrom(sequence, next ? position : 0);
    position = picked.next;
    choice_.markChanged();
    showTickets_ = false;
    return picked;
}

NumberChoice::Picked ManualTicketEntry::pickHot(const PickList& list, bool next) {
    return pick(list.sequence, hotPosition_, next, list.highestNumber);
}

NumberChoice::Picked ManualTicketEntry::pickCold(const PickList& list, bool next) {
    return pick(list.sequence, coldPosition_, next, list.highestNumber);
}

NumberChoice::Picked ManualTicketEntry::pickMyNumbers(const std::vector<int>& list, bool next) {
    return pick(list, listPosition_, next, 0);
}

bool ManualTicketEntry::applyTo(TicketFile& file) const {
    if (added_ == 0) return false;
    file.numbersPerTicket = choice_.quota();
    replaceManualTickets(file, tickets_);
    return true;
}

// --- "Modify Tickets" ------------------------------------------------------------------------

ModifyTicketsModel::ModifyTicketsModel(std::vector<TicketType> tickets, std::vector<int> labels)
    : tickets_(std::move(tickets)), labels_(std::move(labels)) {
    // Every ticket has a label to show, whatever the caller passed.
    labels_.resize(tickets_.size(), 0);
    for (std::size_t k = 0; k < labels_.size(); ++k)
        if (labels_[k] == 0) labels_[k] = static_cast<int>(k + 1);
}

void ModifyTicketsModel::select(std::size_t index) {
    if (index < tickets_.size()) current_ = index;
}

std::array<std::string, ModifyTicketsModel::kFields> ModifyTicketsModel::fieldTexts() const {
    std::array<std::string, kFields> texts;
    if (tickets_.empty()) return texts;
    const TicketType& t = tickets_[current_];
    for (int k = 0; k < kMaxNumbersOnTicket; ++k) texts[k] = std::to_string(t.numbers[k]);
    for (int k = 0; k < kMaxBonusNumbers; ++k)
        texts[kMaxNumbersOnTicket + k] = std::to_string(t.bonus[k]);
    return texts;
}

std::optional<int> ModifyTicketsModel::parseField(std::string_view text) {
    // The fields hold three characters.
    text = text.substr(0, 3);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return std::nullopt;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + (text[i++] - '0');
    return negative ? -value : value;
}

std::vector<int> ModifyTicketsModel::update(const std::array<std::string, kFields>& fields) {
    std::vector<int> refused;
    if (tickets_.empty()) return refused;
    TicketType& t = tickets_[current_];
    for (int k = 0; k < kFields; ++k) {
        const std::optional<int> value = parseField(fields[k]);
        if (!value) continue;
        if (!isStorableNumber(*value)) {
            refused.push_back(k);
            continue;
        }
        std::int16_t& slot =
            k < kMaxNumbersOnTicket ? t.numbers[k] : t.bonus[k - kMaxNumbersOnTicket];
        slot = static_cast<std::int16_t>(*value);
    }
    return refused;
}

bool ModifyTicketsModel::deleteCurrent() {
    if (tickets_.empty()) return false;
    tickets_.erase(tickets_.begin() + static_cast<std::ptrdiff_t>(current_));
    labels_.erase(labels_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= tickets_.size() && current_ > 0) --current_;
    return true;
}

// --- Bonus numbers ----------------------------------------------------------------------------

BonusNumbersEditor::BonusNumbersEditor(std::vector<TicketType> tickets, std::vector<int> labels,
                                       int numbersInLotto)
    : tickets_(std::move(tickets)),
      labels_(std::move(labels)),
      choice_(kQuota, numbersInLotto,
              tickets_.empty() ? std::span<const std::int16_t>{}
                               : std::span<const std::int16_t>(tickets_[0].bonus)) {}

int BonusNumbersEditor::currentLabel() const {
    if (current_ < labels_.size()) return labels_[current_];
    return static_cast<int>(current_ + 1);
}

void BonusNumbersEditor::storeCurrent() {
    if (current_ < tickets_.size()) choice_.copyTo(tickets_[current_].bonus);
}

void BonusNumbersEditor::select(std::size_t index) {
    if (index >= tickets_.size() || index == current_) return;
    storeCurrent();
    current_ = index;
    choice_ = NumberChoice(kQuota, choice_.numbersInLotto(), tickets_[current_].bonus);
}

void BonusNumbersEditor::changeAll() {
    std::array<std::int16_t, kMaxBonusNumbers> slots{};
    choice_.copyTo(slots);
    for (std::size_t k = 0; k < tickets_.size(); ++k)
        if (k != current_) tickets_[k].bonus = slots;
}

std::string BonusNumbersEditor::ticketLine() const {
    std::string line;
    if (current_ >= tickets_.size()) return line;
    for (std::int16_t n : tickets_[current_].numbers) {
        if (n == 0) break;
        if (!line.empty()) line += ' ';
        line += std::to_string(n);
    }
    return line;
}

std::vector<TicketType> BonusNumbersEditor::result() const {
    std::vector<TicketType> out = tickets_;
    if (current_ < out.size()) choice_.copyTo(out[current_].bonus);
    return out;
}

}  // namespace qv
