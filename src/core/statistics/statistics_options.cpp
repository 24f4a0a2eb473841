#include "core/statistics/statistics_options.h"

#include <utility>
#include <vector>

namespace qv {

namespace {

std::optional<int> wholeNumber(const std::string& text, int lo, int hi) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int v = std::stoi(text);
    if (v < lo || v > hi) return std::nullopt;
    return v;
}

std::optional<PickMode> pickMode(const std::string& text) {
    if (text == "numbers") return PickMode::Numbers;
    if (text == "pairs") return PickMode::Pairs;
    return std::nullopt;
}

std::string dateText(const Date& d) {
    return std::to_string(d.month) + "-" + std::to_string(d.day) + "-" + std::to_string(d.year);
}

}  // namespace

std::optional<Date> parseOptionDate(const std::string& text) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == '-')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    if (parts.size() != 3) return std::nullopt;
    auto month = wholeNumber(parts[0], 1, 12);
    auto day = wholeNumber(parts[1], 1, 31);
    auto year = wholeNumber(parts[2], 0, 2999);
    if (!month || !day || !year) return std::nullopt;
    return Date{std::int16_t(*month), std::int16_t(*day), std::int16_t(*year)};
}

void swapReversedDates(StatisticsSettings& settings) {
    if (settings.toDate != Date{} && isEarlier(settings.toDate, settings.fromDate))
        std::swap(settings.fromDate, settings.toDate);
}

std::string applyStatisticsOptions(StatisticsSettings& settings,
                                   const StatisticsOptionChanges& changes) {
    StatisticsSettings s = settings;
    if (changes.hot) {
        auto mode = pickMode(*changes.hot);
        if (!mode) return "--hot must be numbers or pairs: \"" + *changes.hot + "\"";
        s.setHotPick(*mode);
    }
    if (changes.cold) {
        auto mode = pickMode(*changes.cold);
        if (!mode) return "--cold must be numbers or pairs: \"" + *changes.cold + "\"";
        s.setColdPick(*mode);
    }
    if (changes.from) {
        if (*changes.from == "oldest") {
            s.fromDate = Date{};
        } else if (auto d = parseOptionDate(*changes.from)) {
            s.fromDate = *d;
        } else {
            return "--from must be oldest or a date M-D-YYYY: \"" + *changes.from + "\"";
        }
    }
    if (changes.to) {
        if (*changes.to == "newest") {
            s.toDate = Date{};
        } else if (auto d = parseOptionDate(*changes.to)) {
            s.toDate = *d;
        } else {
            return "--to must be newest or a date M-D-YYYY: \"" + *changes.to + "\"";
        }
    }
    swapReversedDates(s);
    settings = s;
    return {};
}

std::string statisticsOptionsLine(const StatisticsSettings& settings) {
    return "Statistics options: hot " + std::to_string(settings.hotPickMode) + " cold " +
           std::to_string(settings.coldPickMode) + " from " + dateText(settings.fromDate) + " to " +
           dateText(settings.toDate);
}

}  // namespace qv
