// wheel bound and wheel generate: how small a wheel can be, and a wheel made to order.

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/command_table.h"
#include "core/util/text.h"
#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_info.h"

namespace qv::cli {

namespace {

constexpr double kMaxSeconds = 7 * 24 * 3600.0;

// The data folder beside the program (a build tree's "data") or the installed share folder.
std::string dataDirectory() {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    const fs::path dir = program.parent_path();
    if (fs::is_directory(dir / "data", ec)) return (dir / "data").string();
    return (dir / ".." / "share" / "quorvantile").lexically_normal().string();
}

CoveringTable coveringTable() {
    CoveringTable table;
    // Without the table the best known is "unknown" and the bound is the formula's.
    (void)CoveringTable::load(dataDirectory() + "/" + kCoveringTableName, table);
    return table;
}

double parseSeconds(const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    if (text.empty() || end != begin + text.size() || errno != 0 || !(value >= 0) ||
        value > kMaxSeconds)
        throw UsageError{"--seconds must be a number of seconds from 0 to 604800"};
    return value;
}

struct GenerateRequest {
    GuaranteeTerms terms;
    GeneratorOptions options;
    std::string description;
    std::vector<std::string> files;
};

// The options of both commands; `generate` allows the search options and the OUT file.
GenerateRequest parseRequest(const Args& a, bool generate) {
    GenerateRequest request;
    request.options.threads = 0;
    bool numbers = false, perTicket = false, guarantee = false, ifCount = false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        // Terms out of range are refused by wheelTermsProblem with the field's own words.
        auto term = [&](bool& seen) {
            seen = true;
            const std::string& flag = a[i];
            return parseIntArg(value(), -1000, 1000, flag);
        };
        const std::string& flag = a[i];
        if (flag == "--numbers") {
            request.terms.numbersToWheel = term(numbers);
        } else if (flag == "--per-ticket") {
            request.terms.numbersPerTicket = term(perTicket);
        } else if (flag == "--guarantee") {
            request.terms.guarantee = term(guarantee);
        } else if (flag == "--if") {
            request.terms.guaranteeIf = term(ifCount);
        } else if (generate && flag == "--seconds") {
            request.options.seconds = parseSeconds(value());
        } else if (generate && flag == "--rows") {
            request.options.rowCap = parseIntArg(value(), 1, WheelInfo::kMaxRows, flag);
        } else if (generate && flag == "--seed") {
            request.options.seed = static_cast<std::uint64_t>(parseIntArg(value(), 0, 2147483647, flag));
        } else if (generate && flag == "--threads") {
            request.options.threads = parseIntArg(value(), 1, 64, flag);
        } else if (generate && flag == "--description") {
            request.description = utf8Left(value(), WheelInfo::kMaxDescriptionChars);
        } else if (flag.rfind("--", 0) == 0 || !generate || !request.files.empty()) {
            throw UsageError{"unexpected argument: " + flag};
        } else {
            request.files.push_back(flag);
        }
    }
    if (!numbers || !perTicket || !guarantee || !ifCount)
        throw UsageError{"--numbers, --per-ticket, --guarantee and --if are all needed"};
    if (generate && request.files.empty()) throw UsageError{"wheel generate takes an OUT file"};
    if (const WheelTermsProblem problem = wheelTermsProblem(request.terms))
        throw UsageError{problem.message};
    return request;
}

int wheelBound(const Args& a) {
    const GenerateRequest request = parseRequest(a, false);
    const WheelBounds bounds = wheelBounds(request.terms, coveringTable());
    std::cout << lowerBoundLine(bounds) << "\n" << bestKnownLine(bounds) << "\n";
    return kExitOk;
}

int wheelGenerate(const Args& a) {
    GenerateRequest request = parseRequest(a, true);
    const CoveringTable table = coveringTable();
    const WheelBounds bounds = wheelBounds(request.terms, table);
    request.options.coverings = &table;
    request.options.libraryFolders = {dataDirectory() + "/wheels"};
    request.options.lowerBound = bounds.lowerBound;
    const GeneratedWheel generated = generateWheel(request.terms, request.options);
    if (generated.rows.empty()) throw FileError{"No wheel was found in the time given."};

    std::cout << "Rows: " << generated.rows.size() << "\n"
              << lowerBoundLine(bounds) << "\n"
              << bestKnownLine(bounds) << "\n"
              << "Balance: each number on " << generated.balanceMin << " to "
              << generated.balanceMax << " tickets\n";
    if (!generated.confirmed) {
        // Only a row cap leaves a wheel unconfirmed, and such a wheel is not saved.
        std::cout << "Coverage: " << generated.covered << " of " << generated.total << "\n";
        return kExitWheelShort;
    }
    const WheelInfo wheel = generatedWheelInfo(request.terms, generated, request.description);
    if (IoResult saved = saveWheelFile(request.files.front(), wheel); !saved)
        throw FileError{saved.message};
    for (const std::string& line :
         guaranteeReportLines(generated.check, request.terms, wheel.ticketCount))
        std::cout << line << "\n";
    return kExitOk;
}

}  // namespace

CommandList wheelGenerateCommands() {
    return {
        {"wheel",
         "bound",
         {"wheel bound --numbers N --per-ticket P --guarantee G --if I"},
         wheelBound},
        {"wheel",
         "generate",
         {"wheel generate OUT.wlP --numbers N --per-ticket P --guarantee G --if I [--seconds S] "
          "[--rows R] [--seed X] [--threads T] [--description TEXT]"},
         wheelGenerate},
    };
}

}  // namespace qv::cli
