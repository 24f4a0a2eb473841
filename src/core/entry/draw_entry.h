#pragma once
// The rules of the draw-entry dialog: its 100 number boxes with their chosen list, the
// random pick, the change of the numbers in the lotto, and the draw being entered (numbers,
// bonus numbers, date). The dialog shows this state and forwards clicks to it.

#include <array>
#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "core/records/records.h"
#include "core/tickets/box_state.h"

namespace qv {

struct TicketFile;

class EntryChoice {
public:
    enum class Rules {
        // A draw's winning numbers: deselecting a number makes every dimmed number up to the
        // numbers in the lotto clear again, the deselected one too; "Random" fills every free
        // place.
        Winners,
        // A draw's bonus numbers: deselecting from a full choice makes every dimmed number up
        // to the numbers in the lotto clear again; "Random" adds one number.
        Bonus,
    };
    static constexpr int kBoxes = kMaxLottoNumber;

    // `quota` numbers may be chosen (1..100) from a game of `numbersInLotto` (1..100);
    // values outside are brought into range. Every box starts clear up to the numbers in the
    // lotto and dimmed above.
    EntryChoice(int quota, int numbersInLotto, Rules rules = Rules::Winners);

    // Starts over from a list: its numbers up to the first 0, at most the quota, are chosen
    // in order (numbers outside 1..100 and repeats are passed over); a full choice dims every
    // other box, and the boxes above the numbers in the lotto are dimmed.
    void setUp(std::span<const std::int16_t> list);

    int quota() const { return quota_; }
    int numbersInLotto() const { return lotto_; }
    Rules rules() const { return rules_; }
    int chosenCount() const { return static_cast<int>(chosen_.size()); }
    bool isFull() const { return chosenCount() >= quota_; }
    // Grey for a number outside 1..100. A grey box takes one click to become free and another
    // to be chosen.
    BoxState box(int n) const;
    // The boxes of the numbers 1..100 in turn.
    const std::array<BoxState, kBoxes>& boxes() const { return boxes_; }
    // In the order chosen.
    const std::vector<int>& chosen() const { return chosen_; }
    bool isChosen(int n) const;

    // A click on the box of number n. Returns true when something changed (the click sound
    // plays then). A number that stays in the chosen list after its box was dimmed by a
    // lower numbers in the lotto is taken out of the list by a click, so it can never be
    // chosen twice.
    bool click(int n);
    // Boxes 1..N clear, the rest dimmed, nothing chosen.
    void clearAll();
    // Winners: chooses free numbers of 1..N, each equally likely, until the choice is full or
    // no number of 1..N is free, then dims every box not chosen. Bonus: chooses one free
    // number of 1..N, if there is one, and dims the rest when that fills the choice. Returns
    // how many numbers were chosen.
    int randomPick(std::mt19937& random);
    // The numbers in the lotto changed (brought into 1..100): boxes that come into the game
    // become clear (or chosen again when their number is still in the list), boxes that leave
    // it are dimmed; the chosen list stays as it is. False when nothing changed.
    bool setNumbersInLotto(int n);
    // The chosen numbers in order, then 0 in every other place.
    void writeTo(std::span<std::int16_t> places) const;

private:
    BoxState& boxOf(int n) { return boxes_[static_cast<std::size_t>(n - 1)]; }
    void dimAllButChosen();
    void choose(int n);
    void remove(int n);

    int quota_;
    int lotto_;
    Rules rules_;
    std::array<BoxState, kBoxes> boxes_{};
    std::vector<int> chosen_;
};

// A generator for the random picks, seeded from the system's entropy source and the clock.
std::mt19937 seededGenerator();

// The draw size the entry dialog opens with: 6 of 49; with an open ticket file its numbers
// on a ticket (and 35 numbers when that is below 6); with an open database the numbers on a
// ticket and in the lotto of its header, which win. Always within 1..10 and 1..100.
struct EntryGame {
    int numbersDrawn = 6;
    int numbersInLotto = 49;
    friend bool operator==(const EntryGame&, const EntryGame&) = default;
};
EntryGame entryGame(const TicketFile* tickets, const DataHeader* header);

// The draw the entry dialog edits: winning numbers from the choice, up to three bonus
// numbers, and the date (today's when the dialog opens).
class DrawEntry {
public:
    DrawEntry(const EntryGame& game, const Date& today);

    EntryChoice& choice() { return choice_; }
    const EntryChoice& choice() const { return choice_; }

    // The whole record: the chosen numbers in order with 0 in the other places, the bonus
    // numbers and the date.
    TicketType draw() const;

    const std::array<std::int16_t, kMaxBonusNumbers>& bonus() const { return bonus_; }
    // The numbers of the list up to its first 0 that lie in 1..100 (at most 3); 0 elsewhere.
    void setBonus(std::span<const std::int16_t> list);

    const Date& date() const { return date_; }
    void setDate(const Date& date) { date_ = date; }
    // Before OK and "Add To Database": see readDateFields.
    void readDateFields(std::string_view month, std::string_view day, std::string_view year);

    // At least one number is chosen, so OK and "Add To Database" have a draw to hand on.
    bool hasNumbers() const { return choice_.chosenCount() > 0; }
    // "Add To Database" is offered with an open database and a draw to add.
    bool canAdd(bool databaseOpen) const { return databaseOpen && hasNumbers(); }

private:
    EntryChoice choice_;
    std::array<std::int16_t, kMaxBonusNumbers> bonus_{};
    Date date_;
};

// The bonus picker of a draw: a choice of at most 3 numbers of the same game, starting from
// the draw's bonus numbers.
EntryChoice bonusChoice(const DrawEntry& entry);

// The draw's winning numbers as the bonus picker shows them: "%d", then " %d" for each
// further one; places holding 0 are left out.
std::string winningNumbersLine(const TicketType& draw);

}  // namespace qv
