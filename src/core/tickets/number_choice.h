#pragma once
// The rules of every number grid that picks numbers for tickets: 100 boxes that are free,
// chosen or grey, a quota of numbers to choose, the caption that says how many are left, and
// the quick picks (random, hot, cold, My Numbers). The dialogs show this state and forward
// clicks to it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/records/limits.h"
#include "core/records/records.h"
#include "core/tickets/box_state.h"

namespace qv {

// What a click on a number box did.
enum class BoxClick { Chose, Unchose, Freed, Ignored };

class NumberChoice {
public:
    static constexpr int kBoxes = kMaxLottoNumber;

    // `quota` numbers are to be chosen (0..100) out of 1..numbersInLotto (1..100). The target
    // list's entries up to its first 0 (at most the quota) start as chosen; an entry that is
    // not a number 1..100, or repeats one already taken, is passed over, as the grid can show
    // each number only once.
    explicit NumberChoice(int quota = 0, int numbersInLotto = 49,
                          std::span<const std::int16_t> initial = {});

    int quota() const { return quota_; }
    int numbersInLotto() const { return lotto_; }
    int chosenCount() const { return static_cast<int>(chosen_.size()); }
    bool full() const { return chosenCount() >= quota_; }
    // The chosen numbers in the order they were chosen.
    const std::vector<int>& chosen() const { return chosen_; }
    // Box of number 1..100; anything else reads as grey.
    BoxState state(int number) const;
    // The boxes of the numbers 1..100 in turn.
    const std::array<BoxState, kBoxes>& boxes() const { return boxes_; }
    bool anyFree() const;
    // True once the choice has changed since the grid was set up: the caption then says how
    // many numbers are left instead of the dialog's title.
    bool changed() const { return changed_; }
    void markChanged() { changed_ = true; }

    // A free box is chosen while the quota is not full; a chosen box is given up (it turns
    // grey, or, when that leaves a full quota, every grey box up to the numbers in the lotto
    // is freed); a grey box is freed while the quota is not full.
    BoxClick click(int number);
    // Chooses a free number while the quota is not full; false otherwise.
    bool choose(int number);

    // "Numbers In Lotto": boxes that come into range become free (grey while the quota is
    // full), boxes that leave it turn grey; chosen numbers stay chosen either way. False when
    // the value did not change.
    bool setNumbersInLotto(int numbers);
    // "Clear &All": nothing chosen, boxes up to the numbers in the lotto free, the rest grey.
    void clearAll();
    // "Numbers Per Ticket" of the manual grid: the new quota; at or below the chosen count the
    // choice is cleared. False when the value did not change.
    bool setQuota(int quota);

    // "&Random": fills the quota with numbers drawn uniformly from 1..numbersInLotto among
    // the free boxes; stops early when none of them is free. Returns the numbers chosen.
    std::vector<int> fillRandom(std::mt19937& generator);
    // The bonus grid's "&Random": one free number of 1..numbersInLotto, or 0 when there is none
    // (or the quota is full).
    int chooseOneRandom(std::mt19937& generator);

    // Takes the numbers of `sequence` from `start` on, choosing each whose box is free, until
    // the quota is full, no box is free or the sequence ends; with `single`, after the first
    // number chosen. `next` is where a later press continues: 0 again once the end was reached.
    struct Picked {
        std::vector<int> numbers;
        std::size_t next = 0;
    };
    Picked pickFrom(const std::vector<int>& sequence, std::size_t start = 0, bool single = false);

    // The chosen numbers written to a target list of `size` entries, zero after them.
    void copyTo(std::span<std::int16_t> target) const;

    friend bool operator==(const NumberChoice&, const NumberChoice&) = default;

private:
    void greyUnchosen();
    void freeGreyUpToLotto();
    bool anyFreeUpToLotto() const;
    BoxState& box(int number) { return boxes_[static_cast<std::size_t>(number - 1)]; }

    int quota_ = 0;
    int lotto_ = 49;
    std::array<BoxState, kBoxes> boxes_{};
    std::vector<int> chosen_;
    bool changed_ = false;
};

// A generator seeded from the system's entropy source and the clock.
std::mt19937 seededPickGenerator();

// The captions of a grid. The number-picking dialog says "All Numbers Selected" when the
// quota is full; the manual ticket grid asks for "&Add Ticket" instead.
struct ChoiceTexts {
    std::string full = "All Numbers Selected";
    std::string oneMore = "Choose 1 More Number";
    std::string more = "Choose %d More Numbers";
};
inline ChoiceTexts manualChoiceTexts() {
    return ChoiceTexts{"Select Add Ticket Button", "Choose 1 More Number",
                       "Choose %d More Numbers"};
}
// The caption for the choice as it stands (once it has changed).
std::string choiceCaption(const NumberChoice& choice, const ChoiceTexts& texts = {});

// --- The quick picks' lists -------------------------------------------------------------------

enum class PickKind { Hot, Cold };

// The numbers "&Hot" or "&Cold" go through, in the order they take them: by numbers, the
// numbers sorted by how often they were drawn (most first), from the top for Hot and from the
// bottom for Cold; by pairs, the pairs sorted the same way, Hot taking each pair's higher then
// lower number from the top, Cold each pair's lower then higher number from the bottom.
struct PickList {
    bool byPairs = false;
    // By numbers: the highest number the count reports, which the grid's "Numbers In Lotto"
    // then shows. 0 by pairs (the field stays as it is).
    int highestNumber = 0;
    std::vector<int> sequence;
};
// The mode comes from the statistics options (hot or cold pick mode: 0 numbers, else pairs),
// the counts from the span of draws those options select.
PickList hotColdPickList(PickKind kind, const DataHeader& header,
                         const std::vector<TicketType>& entries,
                         const StatisticsSettings& settings);

// What one press of Hot or Cold chooses on a grid: the grid's numbers in the lotto follow a
// by-numbers count first.
NumberChoice::Picked pickHotCold(NumberChoice& choice, const PickList& list, std::size_t start = 0,
                                 bool single = false);

}  // namespace qv
