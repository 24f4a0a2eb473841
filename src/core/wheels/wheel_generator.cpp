#include "core/wheels/wheel_generator.h"

namespace qv {

WheelTermsProblem wheelTermsProblem(const GuaranteeTerms&) { return {}; }

std::string defaultWheelDescription(const GuaranteeTerms& t) {
    return std::to_string(t.numbersToWheel) + " nrs " + std::to_string(t.guarantee) + " if " +
           std::to_string(t.guaranteeIf);
}

GeneratedWheel generateWheel(const GuaranteeTerms&, const GeneratorOptions&, GeneratorObserver*) {
    return {};
}

WheelInfo generatedWheelInfo(const GuaranteeTerms& terms, const GeneratedWheel& wheel,
                             const std::string& description) {
    WheelInfo info;
    info.description = description.empty() ? defaultWheelDescription(terms) : description;
    info.numbersToWheel = static_cast<std::int16_t>(terms.numbersToWheel);
    info.guarantee = static_cast<std::int16_t>(terms.guarantee);
    info.numbersPerTicket = static_cast<std::int16_t>(terms.numbersPerTicket);
    info.guaranteeIf = static_cast<std::int16_t>(terms.guaranteeIf);
    info.setRows(wheel.rows);
    return info;
}

long long coveredSubsets(const GuaranteeTerms&, const std::vector<TicketType>&) { return 0; }

std::pair<int, int> wheelBalance(int, const std::vector<TicketType>&) { return {0, 0}; }

}  // namespace qv
