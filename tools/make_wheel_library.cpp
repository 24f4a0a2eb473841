// Builds the wheel library: a confirmed wheel for every set of terms the library holds, in
// the given folder (data/wheels). It only ever improves the folder: a wheel already there is
// kept unless the search finds a confirmed one with fewer rows (or as many, better balanced),
// and the search starts from it. So repeated runs, longer ones especially, only make the
// library better.
//
//   make_wheel_library [--folder DIR] [--data DIR] [--seconds S] [--rounds R] [--total S]
//                      [--threads T] [--targets-only] [--max-rows R]
//
// The wheels with a size target come first, then the rest from the smallest up. Each wheel
// gets a budget of S seconds (default 5), more for the targets and the large ones; every
// further round doubles the budgets. --total ends the run after that many seconds.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_library.h"
#include "wheel_targets.h"

namespace {

using namespace qv;
using Clock = std::chrono::steady_clock;

struct Job {
    GuaranteeTerms terms;
    long long lowerBound = 0;
    long long bestKnown = 0;  // 0: unknown
    long long estimate = 0;   // the best known size, else the lower bound
    int target = 0;           // most rows allowed; 0: none
};

bool sameTerms(const GuaranteeTerms& a, const GuaranteeTerms& b) {
    return a.numbersToWheel == b.numbersToWheel && a.guarantee == b.guarantee &&
           a.guaranteeIf == b.guaranteeIf && a.numbersPerTicket == b.numbersPerTicket;
}

std::string termsText(const GuaranteeTerms& t) {
    return std::to_string(t.numbersToWheel) + " nrs " + std::to_string(t.guarantee) + " if " +
           std::to_string(t.guaranteeIf) + " on " + std::to_string(t.numbersPerTicket);
}

// The targets first, in their table's order, then every other wheel from the smallest up.
std::vector<Job> plan(const CoveringTable& table, long long maxRows, bool targetsOnly) {
    std::vector<Job> targets, rest;
    auto jobOf = [&](const GuaranteeTerms& terms) {
        const WheelBounds bounds = wheelBounds(terms, table);
        return Job{terms, bounds.lowerBound, bounds.bestKnown.value_or(0),
                   bounds.bestKnown.value_or(bounds.lowerBound), 0};
    };
    for (const tools::WheelTarget& target : tools::wheelTargets()) {
        Job job = jobOf(target.terms);
        job.target = tools::targetRows(target, table);
        targets.push_back(job);
    }
    if (!targetsOnly) {
        for (const GuaranteeTerms& terms : libraryTerms()) {
            const bool isTarget = std::any_of(targets.begin(), targets.end(), [&](const Job& j) {
                return sameTerms(j.terms, terms);
            });
            if (isTarget) continue;
            const Job job = jobOf(terms);
            if (job.estimate <= maxRows) rest.push_back(job);
        }
        std::stable_sort(rest.begin(), rest.end(),
                         [](const Job& a, const Job& b) { return a.estimate < b.estimate; });
    }
    targets.insert(targets.end(), rest.begin(), rest.end());
    return targets;
}

// Ends a search once its wheel is valid and as small as the best known, or the lower bound
// where nothing is known: the time is better spent on the other wheels.
class StopAtBest : public GeneratorObserver {
public:
    explicit StopAtBest(long long goal) : goal_(goal) {}
    bool progress(const GeneratorProgress& p) override {
        return p.bestRows > 0 && p.covered == p.total && p.bestRows <= goal_;
    }

private:
    long long goal_;
};

// The wheel in the folder for these terms, when it is there and confirmed.
bool existingWheel(const std::string& path, const GuaranteeTerms& terms, WheelInfo& wheel) {
    if (!std::filesystem::exists(path) || !loadWheelFile(path, wheel)) return false;
    return sameTerms(GuaranteeTerms::of(wheel), terms) && wheelConfirmed(wheel);
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = "data/wheels";
    std::string data = "data";
    double seconds = 5;
    int rounds = 1;
    double total = 0;
    int threads = 2;
    long long maxRows = 2000;
    bool targetsOnly = false;
    for (int a = 1; a < argc; ++a) {
        const std::string key = argv[a];
        const char* value = a + 1 < argc ? argv[a + 1] : "";
        if (key == "--targets-only") {
            targetsOnly = true;
            continue;
        }
        if (a + 1 >= argc) {
            std::fprintf(stderr, "%s needs a value\n", key.c_str());
            return 2;
        }
        ++a;
        if (key == "--folder")
            folder = value;
        else if (key == "--data")
            data = value;
        else if (key == "--seconds")
            seconds = std::atof(value);
        else if (key == "--rounds")
            rounds = std::atoi(value);
        else if (key == "--total")
            total = std::atof(value);
        else if (key == "--threads")
            threads = std::atoi(value);
        else if (key == "--max-rows")
            maxRows = std::atoll(value);
        else {
            std::fprintf(stderr, "unknown option %s\n", key.c_str());
            return 2;
        }
    }
    CoveringTable table;
    if (!CoveringTable::load(data + "/" + kCoveringTableName, table))
        std::fprintf(stderr, "no covering table in %s: sizes unknown\n", data.c_str());
    std::filesystem::create_directories(folder);

    const std::vector<Job> jobs = plan(table, maxRows, targetsOnly);
    const auto started = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - started).count(); };
    std::printf("%zu wheels, %d round(s)\n", jobs.size(), rounds);
    for (int round = 0; round < rounds; ++round) {
        for (const Job& job : jobs) {
            if (total > 0 && elapsed() > total) {
                std::printf("time is up after %.0f s\n", elapsed());
                return 0;
            }
            const std::string path = folder + "/" + libraryFileName(job.terms);
            WheelInfo existing;
            const bool have = existingWheel(path, job.terms, existing);
            const long long haveRows = have ? static_cast<long long>(existing.rows.size()) : 0;
            // Nothing smaller can exist, or nothing smaller is known.
            if (have && haveRows <= std::max(job.lowerBound, job.estimate)) continue;

            // Larger wheels and the targets search longer; each round doubles the budget.
            double budget = seconds * std::clamp(std::sqrt(job.estimate / 20.0), 1.0, 8.0);
            if (job.target) budget *= 3;
            budget *= std::pow(2.0, round);
            GeneratorOptions options;
            options.seconds = budget;
            options.threads = threads;
            options.seed = 1 + static_cast<std::uint64_t>(round) * 7919u +
                           static_cast<std::uint64_t>(job.terms.numbersToWheel) * 31u;
            options.libraryFolders = {folder};
            const auto jobStart = Clock::now();
            StopAtBest stopAtBest(job.estimate);
            const GeneratedWheel made = generateWheel(job.terms, options, &stopAtBest);
            const double took = std::chrono::duration<double>(Clock::now() - jobStart).count();
            const WheelInfo wheel = generatedWheelInfo(job.terms, made);
            const long long rows = static_cast<long long>(made.rows.size());

            const bool confirmed = made.confirmed && wheelConfirmed(wheel);
            bool better = confirmed && rows <= maxRows && (!have || rows < haveRows);
            if (confirmed && have && rows == haveRows) {
                const auto [oldLo, oldHi] = wheelBalance(job.terms.numbersToWheel, existing.rows);
                better = made.balanceMax - made.balanceMin < oldHi - oldLo;
            }
            if (better) {
                const IoResult saved = saveWheelFile(path, wheel);
                if (!saved) {
                    std::fprintf(stderr, "%s: %s\n", path.c_str(), saved.message.c_str());
                    return 1;
                }
            }
            const std::string best = job.bestKnown ? std::to_string(job.bestKnown) : "-";
            std::printf(
                "%-16s %-22s rows %5lld (had %5lld) lower %5lld best %5s target %4d"
                " %6.1f s%s%s\n",
                libraryFileName(job.terms).c_str(), termsText(job.terms).c_str(), rows, haveRows,
                job.lowerBound, best.c_str(), job.target, took, better ? " saved" : "",
                confirmed ? "" : " NOT CONFIRMED");
            std::fflush(stdout);
        }
    }
    return 0;
}
