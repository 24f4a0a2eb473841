// The wheel generator on the target table: for each wheel the rows reached within the budget,
// the time taken, the best known size and the lower bound.
//
//   wheel_targets [--seconds S] [--threads T] [--only "G if I"] [--data DIR]
//
// Prints one line per wheel and the count of wheels above their target; exit 1 when a
// wheel is above its target or not confirmed.

#include "wheel_targets.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_library.h"

int main(int argc, char** argv) {
    double seconds = 10;
    int threads = 2;
    std::string only, data = "data";
    for (int a = 1; a + 1 < argc; a += 2) {
        const std::string k = argv[a], v = argv[a + 1];
        if (k == "--seconds")
            seconds = std::atof(v.c_str());
        else if (k == "--threads")
            threads = std::atoi(v.c_str());
        else if (k == "--only")
            only = v;
        else if (k == "--data")
            data = v;
    }
    qv::CoveringTable table;
    if (!qv::CoveringTable::load(data + "/" + qv::kCoveringTableName, table))
        std::fprintf(stderr, "no covering table in %s\n", data.c_str());
    int above = 0;
    std::printf("%-12s %3s %3s %6s %6s %6s %6s %7s %s\n", "wheel", "N", "P", "rows", "target",
                "best", "lower", "seconds", "balance");
    for (const qv::tools::WheelTarget& target : qv::tools::wheelTargets()) {
        const qv::GuaranteeTerms& terms = target.terms;
        const std::string name =
            std::to_string(terms.guarantee) + " if " + std::to_string(terms.guaranteeIf);
        if (!only.empty() && only != name) continue;
        const qv::WheelBounds bounds = qv::wheelBounds(terms, table);
        const int most = qv::tools::targetRows(target, table);
        qv::GeneratorOptions options;
        options.seconds = seconds;
        options.threads = threads;
        options.coverings = &table;
        // As "wheel generate" does: the shipped library is the start.
        options.libraryFolders = {data + "/" + qv::kWheelLibraryFolder};
        const auto start = std::chrono::steady_clock::now();
        const qv::GeneratedWheel wheel = qv::generateWheel(terms, options);
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const int rows = static_cast<int>(wheel.rows.size());
        const bool bad = !wheel.confirmed || rows > most;
        above += bad;
        std::printf("%-12s %3d %3d %6d %6d %6s %6lld %7.2f %d-%d%s\n", name.c_str(),
                    terms.numbersToWheel, terms.numbersPerTicket, rows, most,
                    bounds.bestKnown ? std::to_string(*bounds.bestKnown).c_str() : "-",
                    bounds.lowerBound, took, wheel.balanceMin, wheel.balanceMax,
                    !wheel.confirmed ? "  NOT CONFIRMED"
                    : rows > most    ? "  ABOVE"
                                     : "");
        std::fflush(stdout);
    }
    std::printf("%d above target\n", above);
    return above ? 1 : 0;
}
