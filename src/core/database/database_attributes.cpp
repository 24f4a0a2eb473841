#include "core/database/database_attributes.h"

#include <algorithm>

#include "core/util/text.h"

namespace qv {

std::string informationLine(const DataHeader& header, std::size_t entryCount,
                            const std::string& format) {
    return formatIntegers(format, {static_cast<long long>(entryCount), header.numbersOnTicket,
                                   header.numbersInLotto});
}

DatabaseAttributes::DatabaseAttributes(const DataHeader& header, const std::string& link) {
    setDescription(header.description);
    setNumbersInLotto(header.numbersInLotto);
    setNumbersOnTicket(header.numbersOnTicket);
    setLink(link);
}

void DatabaseAttributes::setDescription(const std::string& text) {
    description_ = utf8Left(text, kMaxDescriptionChars);
}

void DatabaseAttributes::setNumbersInLotto(int n) {
    numbersInLotto_ = std::clamp(n, 1, kMaxNumbersInLotto);
}

void DatabaseAttributes::setNumbersOnTicket(int n) {
    numbersOnTicket_ = std::clamp(n, 1, kMaxNumbersOnTicket);
}

void DatabaseAttributes::setLink(const std::string& text) {
    link_ = utf8Left(text, kMaxLinkChars);
}

void DatabaseAttributes::applyTo(DataHeader& header, std::string& link) const {
    header.description = description_;
    header.numbersInLotto = static_cast<std::uint16_t>(numbersInLotto_);
    header.numbersOnTicket = static_cast<std::uint16_t>(numbersOnTicket_);
    link = link_;
}

}  // namespace qv
