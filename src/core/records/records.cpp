#include "core/records/records.h"

#include <algorithm>

#include "core/util/text.h"

namespace qv {

namespace {
template <std::size_t N>
int countBeforeZero(const std::array<std::int16_t, N>& a) {
    int n = 0;
    while (n < int(N) && a[n] != 0) ++n;
    return n;
}
}  // namespace

int TicketType::numberCount() const {
    return countBeforeZero(numbers);
}
int TicketType::bonusCount() const {
    return countBeforeZero(bonus);
}

void TicketType::sortNumbers() {
    std::sort(numbers.begin(), numbers.begin() + numberCount());
}

void TicketType::write(ByteWriter& w) const {
    for (auto n : numbers) w.i16(n);
    for (auto b : bonus) w.i16(b);
    w.i16(month);
    w.i16(day);
    w.i16(year);
}

TicketType TicketType::read(ByteReader& r) {
    TicketType t;
    for (auto& n : t.numbers) n = r.i16();
    for (auto& b : t.bonus) b = r.i16();
    t.month = r.i16();
    t.day = r.i16();
    t.year = r.i16();
    return t;
}

void DataHeader::write(ByteWriter& w) const {
    w.fixedText(utf8ToLatin1(description), kDescriptionBytes);
    w.u16(numbersInLotto);
    w.u16(numbersOnTicket);
    w.u16(entryCount);
}

DataHeader DataHeader::read(ByteReader& r) {
    DataHeader h;
    h.description = latin1ToUtf8(r.fixedText(kDescriptionBytes));
    h.numbersInLotto = r.u16();
    h.numbersOnTicket = r.u16();
    h.entryCount = r.u16();
    return h;
}

void StatisticsSettings::write(ByteWriter& w) const {
    w.i16(hotPickMode);
    w.i16(coldPickMode);
    for (const Date* d : {&fromDate, &toDate}) {
        w.i16(d->month);
        w.i16(d->day);
        w.i16(d->year);
    }
}

StatisticsSettings StatisticsSettings::read(ByteReader& r) {
    StatisticsSettings s;
    s.hotPickMode = r.i16();
    s.coldPickMode = r.i16();
    for (Date* d : {&s.fromDate, &s.toDate}) {
        d->month = r.i16();
        d->day = r.i16();
        d->year = r.i16();
    }
    return s;
}

bool hasOnlyIndexableNumbers(const TicketType& t) {
    auto ok = [](std::int16_t n) { return isStorableNumber(n); };
    return std::all_of(t.numbers.begin(), t.numbers.end(), ok) &&
           std::all_of(t.bonus.begin(), t.bonus.end(), ok);
}

}  // namespace qv
