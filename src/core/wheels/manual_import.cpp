#include "core/wheels/manual_import.h"

#include <algorithm>

#include "core/wheels/wheel_info.h"

namespace qv {

ManualImport::ManualImport(int numbersPerTicket, int numbersToWheel)
    : perTicket_(std::clamp(numbersPerTicket, 1, kMaxNumbersOnTicket)),
      numbersToWheel_(std::clamp(numbersToWheel, 1, kMaxLottoNumber)),
      choice_(perTicket_, numbersToWheel_) {}

BoxClick ManualImport::click(int number) {
    if (number < 1 || number > numbersToWheel_) return BoxClick::Ignored;
    const BoxClick done = choice_.click(number);
    if (done != BoxClick::Ignored) afterAdd_ = false;
    return done;
}

void ManualImport::append(const TicketType& row) {
    rows_.push_back(row);
    std::string line;
    for (std::int16_t position : row.numbers)
        if (position != 0) line += std::to_string(position) + " ";
    listing_.push_back(line);
}

void ManualImport::restartChoice() {
    choice_ = NumberChoice(perTicket_, numbersToWheel_);
    afterAdd_ = true;
}

ManualImport::AddResult ManualImport::add() {
    if (choice_.chosenCount() == 0) return AddResult::NothingChosen;
    if (rows_.size() >= WheelInfo::kMaxRows) return AddResult::WheelFull;
    TicketType row;
    choice_.copyTo(row.numbers);
    row.sortNumbers();
    append(row);
    restartChoice();
    return AddResult::Added;
}

std::optional<WheelTextProblem> ManualImport::paste(std::string_view text) {
    WheelTextRows read =
        readWheelText(text, perTicket_, numbersToWheel_, WheelTextSource::Paste, rows_.size());
    if (read.problem) return read.problem;
    for (const TicketType& row : read.rows) append(row);
    if (!read.rows.empty()) restartChoice();
    return std::nullopt;
}

ManualImport::Caption ManualImport::captionState() const {
    using Kind = Caption::Kind;
    if (afterAdd_) return {Kind::AfterAdd, perTicket_};
    if (!choice_.changed()) return {Kind::Start, 0};
    const int left = choice_.quota() - choice_.chosenCount();
    return left <= 0 ? Caption{Kind::Full, 0} : Caption{Kind::Left, left};
}

std::string ManualImport::caption() const {
    const Caption c = captionState();
    switch (c.kind) {
        case Caption::Kind::Start:
            return "Enter Numbers";
        case Caption::Kind::AfterAdd:
            return "Select " + std::to_string(c.count) + " more numbers";
        case Caption::Kind::Full:
        case Caption::Kind::Left:
            break;
    }
    return choiceCaption(choice_, manualChoiceTexts());
}

}  // namespace qv
