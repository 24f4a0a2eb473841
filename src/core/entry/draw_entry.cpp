#include "core/entry/draw_entry.h"

#include <algorithm>
#include <chrono>

#include "core/entry/int_edit.h"
#include "core/tickets/ticket_file.h"

namespace qv {

EntryChoice::EntryChoice(int quota, int numbersInLotto, Rules rules)
    : quota_(std::clamp(quota, 1, kBoxes)),
      lotto_(std::clamp(numbersInLotto, 1, kBoxes)),
      rules_(rules) {
    clearAll();
}

void EntryChoice::setUp(std::span<const std::int16_t> list) {
    clearAll();
    // Before the boxes above N are dimmed, so a stored number above N is shown chosen.
    for (int i = 1; i <= kBoxes; ++i) boxOf(i) = BoxState::Free;
    for (std::int16_t n : list) {
        if (n == 0 || isFull()) break;
        if (!isLottoNumber(n) || isChosen(n)) continue;
        choose(n);
    }
    if (isFull()) dimAllButChosen();
    for (int i = lotto_ + 1; i <= kBoxes; ++i)
        if (boxOf(i) != BoxState::Chosen) boxOf(i) = BoxState::Grey;
}

BoxState EntryChoice::box(int n) const {
    if (!isLottoNumber(n)) return BoxState::Grey;
    return boxes_[static_cast<std::size_t>(n - 1)];
}

bool EntryChoice::isChosen(int n) const {
    return std::find(chosen_.begin(), chosen_.end(), n) != chosen_.end();
}

void EntryChoice::dimAllButChosen() {
    for (BoxState& b : boxes_)
        if (b != BoxState::Chosen) b = BoxState::Grey;
}

void EntryChoice::choose(int n) {
    boxOf(n) = BoxState::Chosen;
    chosen_.push_back(n);
}

void EntryChoice::remove(int n) {
    const auto it = std::find(chosen_.begin(), chosen_.end(), n);
    if (it != chosen_.end()) chosen_.erase(it);
}

bool EntryChoice::click(int n) {
    if (!isLottoNumber(n)) return false;
    switch (box(n)) {
        case BoxState::Free:
            if (isFull()) return false;
            choose(n);
            if (isFull()) dimAllButChosen();
            return true;
        case BoxState::Chosen: {
            const bool wasFull = isFull();
            remove(n);
            boxOf(n) = BoxState::Grey;
            // Winning numbers: every number of the game not chosen is open again, so one
            // click (or "Random") completes the draw.
            if (rules_ == Rules::Winners || wasFull) {
                for (int i = 1; i <= lotto_; ++i)
                    if (boxOf(i) == BoxState::Grey) boxOf(i) = BoxState::Free;
            }
            return true;
        }
        case BoxState::Grey:
            if (isChosen(n)) {
                // Dimmed by a lower numbers in the lotto while chosen: the click deselects it.
                remove(n);
                return true;
            }
            if (isFull()) return false;
            boxOf(n) = BoxState::Free;
            return true;
    }
    return false;
}

void EntryChoice::clearAll() {
    chosen_.clear();
    for (int i = 1; i <= kBoxes; ++i) boxOf(i) = i <= lotto_ ? BoxState::Free : BoxState::Grey;
}

int EntryChoice::randomPick(std::mt19937& random) {
    const int wanted = rules_ == Rules::Bonus ? 1 : quota_;
    int added = 0;
    std::vector<int> free;
    while (added < wanted && !isFull()) {
        free.clear();
        for (int i = 1; i <= lotto_; ++i)
            if (boxOf(i) == BoxState::Free) free.push_back(i);
        if (free.empty()) break;
        std::uniform_int_distribution<std::size_t> pick(0, free.size() - 1);
        choose(free[pick(random)]);
        ++added;
    }
    if (rules_ == Rules::Winners || isFull()) dimAllButChosen();
    return added;
}

bool EntryChoice::setNumbersInLotto(int n) {
    n = std::clamp(n, 1, kBoxes);
    if (n == lotto_) return false;
    if (n > lotto_) {
        for (int i = lotto_ + 1; i <= n; ++i)
            boxOf(i) = isChosen(i) ? BoxState::Chosen : BoxState::Free;
    } else {
        for (int i = n + 1; i <= lotto_; ++i) boxOf(i) = BoxState::Grey;
    }
    lotto_ = n;
    return true;
}

void EntryChoice::writeTo(std::span<std::int16_t> places) const {
    for (std::size_t i = 0; i < places.size(); ++i)
        places[i] = i < chosen_.size() ? static_cast<std::int16_t>(chosen_[i]) : std::int16_t(0);
}

std::mt19937 seededGenerator() {
    std::random_device device;
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{device(),
                       device(),
                       device(),
                       device(),
                       static_cast<unsigned>(now),
                       static_cast<unsigned>(now >> 32)};
    return std::mt19937(seed);
}

EntryGame entryGame(const TicketFile* tickets, const DataHeader* header) {
    EntryGame g;
    if (tickets) {
        g.numbersDrawn = tickets->statedNumbersPerTicket();
        if (g.numbersDrawn < 6) g.numbersInLotto = 35;
    }
    if (header) {
        g.numbersInLotto = header->numbersInLotto;
        g.numbersDrawn = header->numbersOnTicket;
    }
    g.numbersDrawn = std::clamp(g.numbersDrawn, 1, kMaxNumbersOnTicket);
    g.numbersInLotto = std::clamp(g.numbersInLotto, 1, kMaxLottoNumber);
    return g;
}

DrawEntry::DrawEntry(const EntryGame& game, const Date& today)
    : choice_(std::clamp(game.numbersDrawn, 1, kMaxNumbersOnTicket), game.numbersInLotto),
      date_(today) {}

TicketType DrawEntry::draw() const {
    TicketType t;
    choice_.writeTo(t.numbers);
    t.bonus = bonus_;
    t.setDate(date_);
    return t;
}

void DrawEntry::setBonus(std::span<const std::int16_t> list) {
    bonus_.fill(0);
    std::size_t k = 0;
    for (std::int16_t n : list) {
        if (n == 0 || k == bonus_.size()) break;
        if (isLottoNumber(n)) bonus_[k++] = n;
    }
}

void DrawEntry::readDateFields(std::string_view month, std::string_view day,
                               std::string_view year) {
    qv::readDateFields(month, day, year, date_);
}

EntryChoice bonusChoice(const DrawEntry& entry) {
    EntryChoice c(kMaxBonusNumbers, entry.choice().numbersInLotto(), EntryChoice::Rules::Bonus);
    c.setUp(entry.bonus());
    return c;
}

std::string winningNumbersLine(const TicketType& draw) {
    std::string out;
    for (std::int16_t n : draw.numbers) {
        if (n == 0) continue;
        if (!out.empty()) out += ' ';
        out += std::to_string(n);
    }
    return out;
}

}  // namespace qv
