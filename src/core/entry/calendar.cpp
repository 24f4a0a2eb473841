#include "core/entry/calendar.h"

#include <algorithm>
#include <cmath>

namespace qv {

int daysInMonth(int month, int year) {
    switch (month) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12:
            return 31;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return year % 4 == 0 ? 29 : 28;
        default:
            return 0;
    }
}

double julianDay(int year, int month, int day) {
    const bool gregorian =
        year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
    long long y = year;
    long long m = month;
    if (m == 1 || m == 2) {
        y -= 1;
        m += 12;
    }
    long long b = 0;
    if (gregorian) {
        const long long a = y / 100;
        b = 2 - a + a / 4;
    }
    const long long c = y < 0 ? static_cast<long long>(365.25 * double(y) - 0.75)
                              : static_cast<long long>(365.25 * double(y));
    const long long d = static_cast<long long>(30.6001 * double(m + 1));
    return double(b + c + d + day) + 1720994.5;
}

int dayOfWeek(int year, int month, int day) {
    const double x = (julianDay(year, month, day) + 1.5) / 7.0;
    return static_cast<int>((x - std::trunc(x)) * 7.0 + 0.5);
}

std::string calendarDateLine(const CalendarDate& date, const CalendarTexts& texts) {
    const int weekday = dayOfWeek(date.year, date.month, date.day);
    const std::string noName;
    const std::string& dayName =
        weekday >= 0 && weekday < 7 ? texts.dayNames[std::size_t(weekday)] : noName;
    const std::string& monthName = date.month >= 1 && date.month <= 12
                                       ? texts.monthNames[std::size_t(date.month - 1)]
                                       : noName;
    const std::string* names[] = {&dayName, &monthName};
    std::size_t nextName = 0;
    const long long numbers[] = {date.day, date.year};
    std::size_t nextNumber = 0;

    const std::string& f = texts.dateLine;
    std::string out;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == 's') {
            if (nextName < 2) out += *names[nextName++];
            ++i;
        } else if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == 'd') {
            if (nextNumber < 2) out += std::to_string(numbers[nextNumber++]);
            ++i;
        } else if (f[i] == '%' && i + 1 < f.size() && f[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += f[i];
        }
    }
    return out;
}

MonthGrid monthGrid(const CalendarDate& date) {
    MonthGrid g;
    const int first = dayOfWeek(date.year, date.month, 1);
    g.firstColumn = std::clamp(first, 0, MonthGrid::kColumns - 1);
    const int n = daysInMonth(date.month, date.year);
    for (int d = 1; d <= n; ++d) {
        const int cell = g.firstColumn + d - 1;
        if (cell >= MonthGrid::kCells) break;
        g.days[std::size_t(cell)] = d;
        if (d == date.day) g.selectedCell = cell;
    }
    return g;
}

CalendarPicker::CalendarPicker(CalendarDate& date, int firstYear, int lastYear)
    : date_(date),
      saved_(date),
      firstYear_(std::min(firstYear, lastYear)),
      lastYear_(std::max(firstYear, lastYear)) {
    date_.month = std::clamp(date_.month, 1, 12);
    date_.year = std::clamp(date_.year, firstYear_, lastYear_);
    date_.day = std::max(date_.day, 1);
    refresh();
}

void CalendarPicker::setMonth(int month) {
    if (month < 1 || month > 12) return;
    date_.month = month;
    refresh();
}

void CalendarPicker::setYear(int year) {
    date_.year = std::clamp(year, firstYear_, lastYear_);
    refresh();
}

bool CalendarPicker::pickCell(int cell) {
    if (cell < 0 || cell >= MonthGrid::kCells) return false;
    const int day = grid_.days[std::size_t(cell)];
    if (day == 0) return false;
    date_.day = day;
    refresh();
    return true;
}

void CalendarPicker::cancel() {
    date_ = saved_;
}

void CalendarPicker::refresh() {
    date_.day = std::min(date_.day, daysInMonth(date_.month, date_.year));
    grid_ = monthGrid(date_);
}

}  // namespace qv
