#pragma once
// Calendar arithmetic of the date picker and the month it shows: days per month, the Julian
// day number, the day of the week, and the 6 x 7 grid of a month with its date line.
//
// February has 29 days in every year divisible by 4, 1900 and 2100 included: stored draw
// dates were picked with this rule, so the picker keeps it.

#include <array>
#include <string>

namespace qv {

// 31, 30, or 28/29 for February; 0 for a month outside 1..12.
int daysInMonth(int month, int year);

// The astronomical Julian day number of a date (noon-based, so whole days end in .5); the
// Gregorian correction applies from 15 October 1582 on.
double julianDay(int year, int month, int day);

// 0 = Sunday .. 6 = Saturday.
int dayOfWeek(int year, int month, int day);

// The date the picker edits: year, day of the month and month (1 = January).
struct CalendarDate {
    int year = 0;
    int day = 1;
    int month = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The picker's words, English by default; the window passes its translations.
struct CalendarTexts {
    std::array<std::string, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};
    std::array<std::string, 12> monthNames{"January",   "February", "March",    "April",
                                           "May",       "June",     "July",     "August",
                                           "September", "October",  "November", "December"};
    // Day name, month name, day, year: "Tuesday, March 5, 2024".
    std::string dateLine = "%s, %s %d, %d";
};

// "%s, %s %d, %d" filled with the day name and month name of `date`, its day and its year.
// A format from a translation may order and repeat %s and %d as it likes; other '%'
// sequences are copied as they stand.
std::string calendarDateLine(const CalendarDate& date, const CalendarTexts& texts = {});

// The month of a date laid out in 6 rows of 7 days, Sunday first.
struct MonthGrid {
    static constexpr int kRows = 6;
    static constexpr int kColumns = 7;
    static constexpr int kCells = kRows * kColumns;

    std::array<int, kCells> days{};  // 0 = an empty cell
    int firstColumn = 0;             // the weekday of the 1st
    int selectedCell = 0;            // the cell of the date's day
};
// `date`'s day must lie within its month.
MonthGrid monthGrid(const CalendarDate& date);

// The date picker's rules: the month, the year and the day change the caller's date at once;
// a day beyond the new month's end becomes its last day; Cancel puts the date back as it was
// when the picker opened.
class CalendarPicker {
public:
    CalendarPicker(CalendarDate& date, int firstYear, int lastYear);

    const CalendarDate& date() const { return date_; }
    int firstYear() const { return firstYear_; }
    int lastYear() const { return lastYear_; }
    const MonthGrid& grid() const { return grid_; }

    // A month outside 1..12 is ignored.
    void setMonth(int month);
    // Kept within the picker's years, as the year control keeps its position.
    void setYear(int year);
    // The day shown in `cell` becomes the date's day; false (nothing changes) for an empty
    // cell or a cell outside the grid.
    bool pickCell(int cell);
    // Restores the date the picker was opened on.
    void cancel();

private:
    void refresh();

    CalendarDate& date_;
    CalendarDate saved_;
    int firstYear_;
    int lastYear_;
    MonthGrid grid_;
};

}  // namespace qv
