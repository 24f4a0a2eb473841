#pragma once
// Changing the tickets of an open ticket file: the manual ticket grid that adds tickets one
// by one, the editor that changes or deletes manual tickets, and the bonus numbers of one
// ticket or of all of them. Each editor works on a copy that the file takes on OK.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/number_rules.h"
#include "core/records/records.h"
#include "core/tickets/number_choice.h"
#include "core/tickets/ticket_file.h"

namespace qv {

// --- Whole-file changes ----------------------------------------------------------------------

// A manual file's tickets after an edit: each ticket's main numbers in ascending order, the
// file modified.
void replaceManualTickets(TicketFile& file, std::vector<TicketType> tickets);
// Appends one ticket to a manual file: its main numbers sorted, the file's numbers per ticket
// become its count of main numbers; every ticket's main numbers end up sorted, as the grid's
// OK leaves them.
void addManualTicket(TicketFile& file, const TicketType& ticket);
// Removes ticket `index` (0-based) of a manual file; false when there is no such ticket.
bool deleteManualTicket(TicketFile& file, std::size_t index);
// Sets the bonus numbers (up to 3, zero after them) of ticket `index`, or of every ticket
// when `index` is nullopt. The main numbers of a manual file are sorted afterwards. False
// when there is no such ticket.
bool setBonusNumbers(TicketFile& file, std::optional<std::size_t> index,
                     std::span<const std::int16_t> bonus);
// Takes the tickets the bonus-number editor leaves (same count) into either kind of file.
void replaceBonusNumbers(TicketFile& file, std::vector<TicketType> tickets);

// --- The manual ticket grid ------------------------------------------------------------------

// The grid that adds manual tickets: a working copy of the tickets, the ticket being built
// with its quota (numbers per ticket) and the positions where Hot, Cold and My Numbers
// continue.
struct ManualEntryTexts {
    ChoiceTexts choice = manualChoiceTexts();
    std::string oneTicket = "1 Ticket";
    std::string tickets = "%d Tickets";
};

class ManualTicketEntry {
public:
    explicit ManualTicketEntry(const TicketFile& file);

    NumberChoice& choice() { return choice_; }
    const NumberChoice& choice() const { return choice_; }
    const std::vector<TicketType>& tickets() const { return tickets_; }
    int added() const { return added_; }

    // The grid's own changes; each ends the ticket count shown in the caption.
    BoxClick click(int number);
    void clearAll();
    std::vector<int> fillRandom(std::mt19937& generator);
    // "Numbers In Lotto"; false when it did not change.
    bool setNumbersInLotto(int numbers);
    // "Numbers Per Ticket" (1..10); false when it did not change.
    bool setNumbersPerTicket(int quota);
    // "&Add Ticket": false when the quota is not full yet (only the caption follows).
    bool addTicket();

    // How many numbers are left to choose; right after a ticket was added, the count of
    // tickets until the choice changes again.
    std::string caption(const ManualEntryTexts& texts = {}) const;
    // The picks. `next` continues from where the previous press of the same kind stopped.
    NumberChoice::Picked pickHot(const PickList& list, bool next);
    NumberChoice::Picked pickCold(const PickList& list, bool next);
    NumberChoice::Picked pickMyNumbers(const std::vector<int>& list, bool next);

    // "&OK": when a ticket was added, the file takes the working tickets and the quota as its
    // numbers per ticket, each ticket's main numbers sorted. False when nothing was added.
    bool applyTo(TicketFile& file) const;

private:
    NumberChoice::Picked pick(const std::vector<int>& sequence, std::size_t& position, bool next,
                              int highestNumber);

    std::vector<TicketType> tickets_;
    NumberChoice choice_;
    int added_ = 0;
    bool showTickets_ = false;
    std::size_t hotPosition_ = 0;
    std::size_t coldPosition_ = 0;
    std::size_t listPosition_ = 0;
};

// --- "Modify Tickets" ------------------------------------------------------------------------

// The editor of manual tickets: 13 fields (10 main numbers, 3 bonus numbers) show the current
// ticket; "&Update Numbers" reads them back, "&Delete" removes the current ticket.
class ModifyTicketsModel {
public:
    static constexpr int kFields = kMaxNumbersOnTicket + kMaxBonusNumbers;

    // `numbersInLotto` is the file's: no main number may be above it.
    ModifyTicketsModel(std::vector<TicketType> tickets, std::vector<int> labels,
                       int numbersInLotto = kMaxLottoNumber);

    std::size_t count() const { return tickets_.size(); }
    std::size_t current() const { return current_; }
    const std::vector<TicketType>& tickets() const { return tickets_; }
    const std::vector<int>& labels() const { return labels_; }

    void select(std::size_t index);
    // "%d" of each slot of the current ticket (empty slots show 0); nothing without tickets.
    std::array<std::string, kFields> fieldTexts() const;
    // Reads the fields into the current ticket. A field that holds no number leaves its slot as
    // it was; so does a number above 100 or below 0, which no per-number table could hold.
    // Returns the fields refused for their value (not those without a number). A ticket that
    // would hold a number twice, or a main number above the file's numbers in lotto, is
    // refused whole: nothing changes (problemWith says why).
    std::vector<int> update(const std::array<std::string, kFields>& fields);
    std::optional<NumberProblem> problemWith(const std::array<std::string, kFields>& fields) const;
    // The current ticket's name in messages: "ticket 3" by its label.
    std::string currentName() const;
    // Removes the current ticket; the one after it (or before it, when it was the last)
    // becomes current. False without tickets.
    bool deleteCurrent();

    // One field's value: nullopt when it holds no number. Leading spaces and a sign are taken
    // as a decimal reader would; reading stops at the first character that is not a digit.
    static std::optional<int> parseField(std::string_view text);

private:
    std::vector<TicketType> tickets_;
    std::vector<int> labels_;
    std::size_t current_ = 0;
    int numbersInLotto_ = kMaxLottoNumber;
};

// --- Bonus numbers ----------------------------------------------------------------------------

// The bonus-number grid over a copy of the tickets: quota 3, one ticket at a time.
class BonusNumbersEditor {
public:
    static constexpr int kQuota = kMaxBonusNumbers;

    BonusNumbersEditor(std::vector<TicketType> tickets, std::vector<int> labels,
                       int numbersInLotto);

    NumberChoice& choice() { return choice_; }
    const NumberChoice& choice() const { return choice_; }
    std::size_t current() const { return current_; }
    std::size_t count() const { return tickets_.size(); }
    // The current ticket's label (1 when there are no labels).
    int currentLabel() const;
    const std::vector<int>& labels() const { return labels_; }

    // Another ticket: the choice is written back to the ticket left, and the new ticket's
    // bonus numbers become the choice.
    void select(std::size_t index);
    // "&Change All": the choice, all three slots, becomes every other ticket's bonus numbers.
    void changeAll();
    // The main numbers of the current ticket, "%d" then " %d" for each further one.
    std::string ticketLine() const;
    // The tickets with the choice written back to the current one.
    std::vector<TicketType> result() const;

private:
    void storeCurrent();

    std::vector<TicketType> tickets_;
    std::vector<int> labels_;
    std::size_t current_ = 0;
    NumberChoice choice_;
};

}  // namespace qv
