// wheel import and wheel check: wheels read from text, and their guarantee confirmed.

#include <iostream>
#include <string>

#include "cli/command_table.h"
#include "core/util/file_io.h"
#include "core/util/text.h"
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_info.h"
#include "core/wheels/wheel_text.h"

namespace qv::cli {

namespace {

// The dialog's questions answered all Yes (--add-all) or all No; the percentage on a terminal.
class CommandLineAnswers : public GuaranteeObserver {
public:
    explicit CommandLineAnswers(bool yes) : yes_(yes) {}
    void showPercent(int percent) override { progress_.show(percent); }
    long long cancelledAfter(long long, long long) override { return 0; }
    bool addCombination(const Combination&) override { return yes_; }
    bool addAll() override { return yes_; }
    TerminalProgress& progress() { return progress_; }

private:
    bool yes_;
    TerminalProgress progress_;
};

// Runs the check, prints what the dialog would show, and returns the exit status.
int confirm(WheelInfo& wheel, bool addAll) {
    const GuaranteeTerms terms = GuaranteeTerms::of(wheel);
    GuaranteeResult result;
    if (guaranteeCheckable(terms) == GuaranteeCheckable::Yes) {
        CommandLineAnswers answers(addAll);
        answers.progress().open("Checking Combinations...");
        result = checkGuarantee(wheel, answers);
        answers.progress().close();
    } else {
        result.checkable = guaranteeCheckable(terms);
    }
    std::string out;
    for (const std::string& line : guaranteeReportLines(result, terms, wheel.ticketCount))
        out += line + "\n";
    std::cout << out;
    if (result.checkable != GuaranteeCheckable::Yes) return kExitNotCheckable;
    return result.invalid ? kExitWheelShort : kExitOk;
}

void save(const std::string& path, const WheelInfo& wheel) {
    if (IoResult saved = saveWheelFile(path, wheel); !saved) throw FileError{saved.message};
}

int wheelImport(const Args& a) {
    WheelInfo wheel;
    wheel.description = "Description";
    wheel.numbersToWheel = 10;
    wheel.guarantee = 3;
    wheel.guaranteeIf = 6;
    wheel.numbersPerTicket = 6;
    bool check = false;
    bool addAll = false;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        auto number = [&](int lo, int hi) {
            const std::string& flag = a[i];
            return static_cast<std::int16_t>(parseIntArg(value(), lo, hi, flag));
        };
        if (a[i] == "--description") {
            wheel.description = utf8Left(value(), WheelInfo::kMaxDescriptionChars);
        } else if (a[i] == "--numbers") {
            wheel.numbersToWheel = number(1, kMaxLottoNumber);
        } else if (a[i] == "--guarantee") {
            wheel.guarantee = number(1, kMaxNumbersOnTicket);
        } else if (a[i] == "--if") {
            wheel.guaranteeIf = number(1, kMaxNumbersOnTicket);
        } else if (a[i] == "--per-ticket") {
            wheel.numbersPerTicket = number(4, kMaxNumbersOnTicket);
        } else if (a[i] == "--confirm") {
            check = true;
        } else if (a[i] == "--add-all") {
            addAll = true;
        } else if (a[i].rfind("--", 0) == 0 || files.size() == 2) {
            throw UsageError{"unexpected argument: " + a[i]};
        } else {
            files.push_back(a[i]);
        }
    }
    if (files.size() != 2) throw UsageError{"wheel import takes TEXTFILE and OUT"};

    const auto text = readTextFile(files[0]);
    if (!text) throw FileError{openError(files[0], text)};
    WheelTextRows read = readWheelText(*text, wheel.numbersPerTicket, wheel.numbersToWheel);
    if (read.problem) throw FileError{wheelTextProblemText(*read.problem, wheel.numbersToWheel)};
    if (read.rows.empty()) throw FileError{"This file holds no wheel rows."};
    wheel.setRows(std::move(read.rows));

    if (check) confirm(wheel, addAll);
    save(files[1], wheel);
    return kExitOk;
}

int wheelCheck(const Args& a) {
    std::string file;
    std::string out;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--add-all") {
            if (i + 1 >= a.size()) throw UsageError{"--add-all needs an OUT file"};
            out = a[++i];
        } else if (a[i].rfind("--", 0) == 0 || !file.empty()) {
            throw UsageError{"unexpected argument: " + a[i]};
        } else {
            file = a[i];
        }
    }
    if (file.empty()) throw UsageError{"wheel check takes one FILE"};

    WheelInfo wheel;
    if (IoResult loaded = loadWheelFile(file, wheel); !loaded)
        throw FileError{openError(file, loaded)};
    const std::size_t before = wheel.rows.size();
    const int status = confirm(wheel, !out.empty());
    // Rows were added only when asked for; the grown wheel is kept only when it holds.
    if (!out.empty() && status == kExitOk && wheel.rows.size() != before) save(out, wheel);
    return status;
}

}  // namespace

CommandList wheelImportCommands() {
    return {
        {"wheel",
         "import",
         {"wheel import TEXTFILE OUT [--description TEXT] [--numbers N] [--guarantee G] [--if I] "
          "[--per-ticket P] [--confirm] [--add-all]"},
         wheelImport},
        {"wheel", "check", {"wheel check FILE.wlP [--add-all OUT]"}, wheelCheck},
    };
}

}  // namespace qv::cli
