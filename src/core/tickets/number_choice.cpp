#include "core/tickets/number_choice.h"

#include <algorithm>
#include <chrono>

#include "core/statistics/frequency.h"
#include "core/statistics/pairs.h"
#include "core/util/text.h"

namespace qv {

NumberChoice::NumberChoice(int quota, int numbersInLotto, std::span<const std::int16_t> initial)
    : quota_(std::clamp(quota, 0, kBoxes)), lotto_(std::clamp(numbersInLotto, 1, kBoxes)) {
    for (int n = 1; n <= kBoxes; ++n) box(n) = n <= lotto_ ? BoxState::Free : BoxState::Grey;
    const std::size_t examined = std::min(initial.size(), static_cast<std::size_t>(quota_));
    for (std::size_t k = 0; k < examined; ++k) {
        const int v = initial[k];
        if (v == 0) break;
        if (!isLottoNumber(v) || box(v) == BoxState::Chosen) continue;
        chosen_.push_back(v);
        box(v) = BoxState::Chosen;
    }
    if (full()) greyUnchosen();
}

BoxState NumberChoice::state(int number) const {
    if (!isLottoNumber(number)) return BoxState::Grey;
    return boxes_[static_cast<std::size_t>(number - 1)];
}

bool NumberChoice::anyFree() const {
    return std::find(boxes_.begin(), boxes_.end(), BoxState::Free) != boxes_.end();
}

bool NumberChoice::anyFreeUpToLotto() const {
    return std::find(boxes_.begin(), boxes_.begin() + lotto_, BoxState::Free) !=
           boxes_.begin() + lotto_;
}

void NumberChoice::greyUnchosen() {
    for (BoxState& b : boxes_)
        if (b != BoxState::Chosen) b = BoxState::Grey;
}

void NumberChoice::freeGreyUpToLotto() {
    for (int n = 1; n <= lotto_; ++n)
        if (box(n) == BoxState::Grey) box(n) = BoxState::Free;
}

bool NumberChoice::choose(int number) {
    if (!isLottoNumber(number) || full() || box(number) != BoxState::Free) return false;
    chosen_.push_back(number);
    box(number) = BoxState::Chosen;
    changed_ = true;
    if (full()) greyUnchosen();
    return true;
}

BoxClick NumberChoice::click(int number) {
    if (!isLottoNumber(number)) return BoxClick::Ignored;
    switch (box(number)) {
        case BoxState::Free:
            return choose(number) ? BoxClick::Chose : BoxClick::Ignored;
        case BoxState::Chosen: {
            const bool wasFull = full();
            chosen_.erase(std::find(chosen_.begin(), chosen_.end(), number));
            box(number) = BoxState::Grey;
            if (wasFull) freeGreyUpToLotto();
            changed_ = true;
            return BoxClick::Unchose;
        }
        case BoxState::Grey:
            if (full()) return BoxClick::Ignored;
            box(number) = BoxState::Free;
            changed_ = true;
            return BoxClick::Freed;
    }
    return BoxClick::Ignored;
}

bool NumberChoice::setNumbersInLotto(int numbers) {
    numbers = std::clamp(numbers, 1, kBoxes);
    if (numbers == lotto_) return false;
    if (numbers > lotto_) {
        // While the quota is full every box that is not chosen stays grey.
        if (!full())
            for (int n = lotto_ + 1; n <= numbers; ++n)
                if (box(n) == BoxState::Grey) box(n) = BoxState::Free;
    } else {
        for (int n = numbers + 1; n <= lotto_; ++n)
            if (box(n) != BoxState::Chosen) box(n) = BoxState::Grey;
    }
    lotto_ = numbers;
    return true;
}

void NumberChoice::clearAll() {
    chosen_.clear();
    for (int n = 1; n <= kBoxes; ++n) box(n) = n <= lotto_ ? BoxState::Free : BoxState::Grey;
    changed_ = true;
}

bool NumberChoice::setQuota(int quota) {
    quota = std::clamp(quota, 0, kBoxes);
    if (quota == quota_) return false;
    const bool wasFull = full();
    quota_ = quota;
    if (quota_ <= chosenCount()) {
        clearAll();
    } else if (wasFull) {
        // The boxes were grey only because the quota was full.
        freeGreyUpToLotto();
    }
    changed_ = true;
    return true;
}

std::vector<int> NumberChoice::fillRandom(std::mt19937& generator) {
    std::vector<int> picked;
    std::uniform_int_distribution<int> draw(1, lotto_);
    // Draws only reach 1..lotto: a free box above it must not keep the loop going.
    while (!full() && anyFreeUpToLotto()) {
        const int n = draw(generator);
        if (choose(n)) picked.push_back(n);
    }
    return picked;
}

int NumberChoice::chooseOneRandom(std::mt19937& generator) {
    if (full() || !anyFreeUpToLotto()) return 0;
    std::uniform_int_distribution<int> draw(1, lotto_);
    for (;;) {
        const int n = draw(generator);
        if (choose(n)) return n;
    }
}

NumberChoice::Picked NumberChoice::pickFrom(const std::vector<int>& sequence, std::size_t start,
                                            bool single) {
    Picked picked;
    std::size_t i = start < sequence.size() ? start : 0;
    while (i < sequence.size() && !full() && anyFree()) {
        const int n = sequence[i++];
        if (state(n) == BoxState::Free && choose(n)) {
            picked.numbers.push_back(n);
            if (single) break;
        }
    }
    picked.next = i >= sequence.size() ? 0 : i;
    return picked;
}

void NumberChoice::copyTo(std::span<std::int16_t> target) const {
    for (std::size_t k = 0; k < target.size(); ++k)
        target[k] = k < chosen_.size() ? static_cast<std::int16_t>(chosen_[k]) : 0;
}

std::mt19937 seededPickGenerator() {
    std::random_device device;
    const auto now = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{device(), device(), now};
    return std::mt19937(seed);
}

std::string choiceCaption(const NumberChoice& choice, const ChoiceTexts& texts) {
    const int left = choice.quota() - choice.chosenCount();
    if (left <= 0) return texts.full;
    if (left == 1) return texts.oneMore;
    return formatIntegers(texts.more, {left});
}

PickList hotColdPickList(PickKind kind, const DataHeader& header,
                         const std::vector<TicketType>& entries,
                         const StatisticsSettings& settings) {
    PickList list;
    const bool hot = kind == PickKind::Hot;
    list.byPairs = (hot ? settings.hotPickMode : settings.coldPickMode) != 0;
    if (!list.byPairs) {
        FrequencyCounts f = CountNumberFrequency(header, entries, settings);
        sortByFrequency(f.counts);
        list.highestNumber = f.highestNumber;
        for (const NumberCount& c : f.counts) list.sequence.push_back(c.number);
        if (!hot) std::reverse(list.sequence.begin(), list.sequence.end());
        return list;
    }
    const std::vector<PairCount> pairs = sortedPairs(CountPairs(header, entries, settings));
    list.sequence.reserve(pairs.size() * 2);
    if (hot) {
        for (const PairCount& p : pairs) {
            list.sequence.push_back(p.high);
            list.sequence.push_back(p.low);
        }
    } else {
        for (auto p = pairs.rbegin(); p != pairs.rend(); ++p) {
            list.sequence.push_back(p->low);
            list.sequence.push_back(p->high);
        }
    }
    return list;
}

NumberChoice::Picked pickHotCold(NumberChoice& choice, const PickList& list, std::size_t start,
                                 bool single) {
    if (list.highestNumber > 0) choice.setNumbersInLotto(list.highestNumber);
    return choice.pickFrom(list.sequence, start, single);
}

}  // namespace qv
