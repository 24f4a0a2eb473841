// stats ...: the statistics windows' counts, over the span of draws the database's statistics
// options select.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/statistics/statistics_options.h"
#include "core/statistics/statistics_report.h"

namespace qv::cli {

namespace {

void printLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::cout << line << "\n";
}

// FILE followed only by the flags in `allowed`; returns the flags given.
std::vector<std::string> fileAndFlags(const Args& a, const std::string& command,
                                      const std::vector<std::string>& allowed) {
    if (a.empty()) throw UsageError{command + " needs a FILE"};
    std::vector<std::string> given;
    for (std::size_t i = 1; i < a.size(); ++i) {
        bool known = false;
        for (const std::string& flag : allowed) known = known || a[i] == flag;
        if (!known) throw UsageError{"unexpected argument: " + a[i]};
        given.push_back(a[i]);
    }
    return given;
}

bool has(const std::vector<std::string>& flags, const std::string& flag) {
    for (const std::string& f : flags)
        if (f == flag) return true;
    return false;
}

int statsOptions(const Args& a) {
    if (a.empty()) throw UsageError{"stats options needs a FILE"};
    StatisticsOptionChanges changes;
    for (std::size_t i = 1; i < a.size(); ++i) {
        auto value = [&]() -> const std::string& {
            if (i + 1 >= a.size()) throw UsageError{a[i] + " needs a value"};
            return a[++i];
        };
        if (a[i] == "--hot") {
            changes.hot = value();
        } else if (a[i] == "--cold") {
            changes.cold = value();
        } else if (a[i] == "--from") {
            changes.from = value();
        } else if (a[i] == "--to") {
            changes.to = value();
        } else {
            throw UsageError{"unexpected argument: " + a[i]};
        }
    }
    DrawDatabase database = loadDatabase(a[0]);
    StatisticsSettings settings = database.statistics();
    if (const std::string error = applyStatisticsOptions(settings, changes); !error.empty())
        throw UsageError{error};
    if (changes.any()) {
        database.setStatistics(settings);
        saveDatabase(database);
    }
    std::cout << statisticsOptionsLine(database.statistics()) << "\n";
    return kExitOk;
}

int statsRange(const Args& a) {
    fileAndFlags(a, "stats range", {});
    const DrawDatabase database = loadDatabase(a[0]);
    std::cout << rangeReport(selectedRange(database.entries(), database.statistics())) << "\n";
    return kExitOk;
}

int statsFrequency(const Args& a) {
    const auto flags = fileAndFlags(a, "stats frequency", {"--bonus", "--by-frequency"});
    const DrawDatabase database = loadDatabase(a[0]);
    const FrequencyCounts counts =
        has(flags, "--bonus")
            ? CountBonusFrequency(database.header(), database.entries(), database.statistics())
            : CountNumberFrequency(database.header(), database.entries(), database.statistics());
    printLines(frequencyReport(counts, has(flags, "--by-frequency")));
    return kExitOk;
}

int statsPairs(const Args& a) {
    const auto flags = fileAndFlags(a, "stats pairs", {"--by-frequency"});
    const DrawDatabase database = loadDatabase(a[0]);
    printLines(pairsReport(CountPairs(database.header(), database.entries(), database.statistics()),
                           has(flags, "--by-frequency")));
    return kExitOk;
}

int statsTriples(const Args& a) {
    if (a.empty()) throw UsageError{"stats triples needs a FILE"};
    std::size_t positions = kSortAllPositions;
    for (std::size_t i = 1; i < a.size(); ++i) {
        if (a[i] == "--sort-positions" && i + 1 < a.size()) {
            positions = static_cast<std::size_t>(
                parseIntArg(a[++i], 0, 999'999'999, "--sort-positions"));
        } else if (a[i] == "--sort-positions") {
            throw UsageError{"--sort-positions needs a value"};
        } else {
            throw UsageError{"unexpected argument: " + a[i]};
        }
    }
    const DrawDatabase database = loadDatabase(a[0]);
    TerminalProgress progress;
    printLines(triplesReport(CountTriples(database.header(), database.entries(),
                                          database.statistics(), &progress, positions)));
    return kExitOk;
}

int statsSkips(const Args& a) {
    fileAndFlags(a, "stats skips", {});
    const DrawDatabase database = loadDatabase(a[0]);
    printLines(skipsReport(CountSkips(database.header(), database.entries(), database.statistics())));
    return kExitOk;
}

int statsCluster(const Args& a) {
    fileAndFlags(a, "stats cluster", {});
    const DrawDatabase database = loadDatabase(a[0]);
    printLines(
        clusterReport(CountClusters(database.header(), database.entries(), database.statistics())));
    return kExitOk;
}

int statsRegion(const Args& a) {
    if (a.size() != 5) throw UsageError{"stats region takes FILE NEWEST OLDEST LOW HIGH"};
    ClusterRegion region;
    region.newest = static_cast<std::size_t>(parseIntArg(a[1], 0, 65535, "NEWEST"));
    region.oldest = static_cast<std::size_t>(parseIntArg(a[2], 0, 65535, "OLDEST"));
    region.low = parseIntArg(a[3], 1, kMaxLottoNumber, "LOW");
    region.high = parseIntArg(a[4], 1, kMaxLottoNumber, "HIGH");
    const DrawDatabase database = loadDatabase(a[0]);
    const auto text =
        regionReport(database.header(), database.entries(), database.statistics(), region);
    if (!text) throw UsageError{"the region lies outside the draws the statistics count"};
    std::cout << *text << "\n";
    return kExitOk;
}

}  // namespace

CommandList statisticsCommands() {
    return {
        {"stats",
         "options",
         {"stats options FILE [--hot numbers|pairs] [--cold numbers|pairs] "
          "[--from oldest|M-D-YYYY] [--to newest|M-D-YYYY]"},
         statsOptions},
        {"stats", "range", {"stats range FILE"}, statsRange},
        {"stats", "frequency", {"stats frequency FILE [--bonus] [--by-frequency]"}, statsFrequency},
        {"stats", "pairs", {"stats pairs FILE [--by-frequency]"}, statsPairs},
        {"stats", "triples", {"stats triples FILE [--sort-positions K]"}, statsTriples},
        {"stats", "skips", {"stats skips FILE"}, statsSkips},
        {"stats", "cluster", {"stats cluster FILE"}, statsCluster},
        {"stats", "region", {"stats region FILE NEWEST OLDEST LOW HIGH"}, statsRegion},
    };
}

}  // namespace qv::cli
