#include "core/wheels/wheel_library.h"

#include <algorithm>
#include <charconv>

namespace qv {

namespace {

constexpr int kLibraryMaxNumbers = 30;

// Says No to every row the check would add, so an uncovered draw ends it as invalid.
class ConfirmOnly : public GuaranteeObserver {
public:
    void showPercent(int) override {}
    long long cancelledAfter(long long, long long) override { return 0; }
    bool addCombination(const Combination&) override { return false; }
    bool addAll() override { return false; }
};

// Reads the whole number at the front of `text` and drops it; none when there is none.
std::optional<int> takeNumber(std::string_view& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end == text.data()) return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool takeText(std::string_view& text, std::string_view expected) {
    if (!text.starts_with(expected)) return false;
    text.remove_prefix(expected.size());
    return true;
}

}  // namespace

std::vector<GuaranteeTerms> libraryTerms() {
    std::vector<GuaranteeTerms> terms;
    for (int p = 4; p <= 6; ++p)
        for (int n = p + 1; n <= kLibraryMaxNumbers; ++n)
            for (int g = 2; g < p; ++g)
                for (int i = g; i <= p; ++i) terms.push_back(GuaranteeTerms{n, g, i, p});
    terms.push_back(GuaranteeTerms{49, 3, 6, 6});
    return terms;
}

std::string libraryFileName(const GuaranteeTerms& t) {
    std::string name = std::to_string(t.numbersToWheel);
    if (name.size() < 2) name.insert(0, "0");
    return name + "nrs-" + std::to_string(t.guarantee) + "if" + std::to_string(t.guaranteeIf) +
           ".wl" + std::to_string(t.numbersPerTicket);
}

std::optional<GuaranteeTerms> libraryFileTerms(std::string_view fileName) {
    std::string_view rest = fileName;
    const auto n = takeNumber(rest);
    if (!n || !takeText(rest, "nrs-")) return std::nullopt;
    const auto g = takeNumber(rest);
    if (!g || !takeText(rest, "if")) return std::nullopt;
    const auto i = takeNumber(rest);
    if (!i || !takeText(rest, ".wl")) return std::nullopt;
    const auto p = takeNumber(rest);
    if (!p || !rest.empty()) return std::nullopt;
    const GuaranteeTerms terms{*n, *g, *i, *p};
    // Only the name the library gives these terms ("07nrs", not "7nrs" or "+7nrs").
    if (libraryFileName(terms) != fileName) return std::nullopt;
    return terms;
}

bool wheelConfirmed(const WheelInfo& wheel, GuaranteeResult* check) {
    const int n = wheel.numbersToWheel;
    const int p = wheel.numbersPerTicket;
    if (p < 1 || p > kMaxNumbersOnTicket) return false;
    // A wheel of fewer numbers than a ticket holds has them all on its one row.
    const int held = std::min(p, n);
    for (const TicketType& row : wheel.rows)
        for (int j = 0; j < held; ++j) {
            const int position = row.numbers[static_cast<std::size_t>(j)];
            if (position < 1 || position > n) return false;
        }
    WheelInfo copy = wheel;
    ConfirmOnly observer;
    const GuaranteeResult result = checkGuarantee(copy, observer);
    if (check) *check = result;
    return result.checkable == GuaranteeCheckable::Yes &&
           guaranteeVerdict(result) == GuaranteeVerdict::Valid;
}

}  // namespace qv
