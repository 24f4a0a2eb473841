#pragma once
// What a database says about itself: its information line and the values of its attributes
// (description, numbers in the lotto and on a ticket, link), kept within what they allow.

#include <cstddef>
#include <string>

#include "core/records/records.h"

namespace qv {

inline constexpr const char* kInformationLineFormat =
    "%d Entries, %d Numbers on a Ticket, %d Numbers in Lotto";

// "n Entries, k Numbers on a Ticket, m Numbers in Lotto".
std::string informationLine(const DataHeader& header, std::size_t entryCount,
                            const std::string& format = kInformationLineFormat);

// The attributes editor's values, kept within what its controls allow.
class DatabaseAttributes {
public:
    static constexpr int kMaxNumbersOnTicket = 10;
    static constexpr int kMaxNumbersInLotto = 100;
    static constexpr std::size_t kMaxDescriptionChars = qv::kMaxDescriptionChars;
    static constexpr std::size_t kMaxLinkChars = qv::kMaxLinkChars;

    DatabaseAttributes() = default;
    DatabaseAttributes(const DataHeader& header, const std::string& link);

    const std::string& description() const { return description_; }
    int numbersInLotto() const { return numbersInLotto_; }
    int numbersOnTicket() const { return numbersOnTicket_; }
    const std::string& link() const { return link_; }

    void setDescription(const std::string& text);
    void setNumbersInLotto(int n);   // 1..100
    void setNumbersOnTicket(int n);  // 1..10
    void setLink(const std::string& text);

    // Writes the values back; the header's entry count is kept.
    void applyTo(DataHeader& header, std::string& link) const;

private:
    std::string description_;
    int numbersInLotto_ = 49;
    int numbersOnTicket_ = 6;
    std::string link_;
};

}  // namespace qv
