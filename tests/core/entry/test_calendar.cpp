#include <gtest/gtest.h>

#include <chrono>

#include "core/entry/calendar.h"

namespace {

using qv::CalendarDate;
using qv::CalendarPicker;
using qv::MonthGrid;

struct MonthLength {
    int month;
    int year;
    int days;
};

class DaysInMonth : public ::testing::TestWithParam<MonthLength> {};

TEST_P(DaysInMonth, FollowsTheFourYearRule) {
    EXPECT_EQ(qv::daysInMonth(GetParam().month, GetParam().year), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Months, DaysInMonth,
                         ::testing::Values(MonthLength{1, 2023, 31}, MonthLength{4, 2023, 30},
                                           MonthLength{12, 2023, 31}, MonthLength{2, 2023, 28},
                                           MonthLength{2, 2024, 29}, MonthLength{2, 2000, 29},
                                           // No century rule: stored dates were picked with it.
                                           MonthLength{2, 1900, 29}, MonthLength{2, 2100, 29},
                                           MonthLength{0, 2024, 0}, MonthLength{13, 2024, 0}));

TEST(Calendar, JulianDayNumbersOfKnownDates) {
    EXPECT_DOUBLE_EQ(qv::julianDay(2000, 1, 1), 2451544.5);
    EXPECT_DOUBLE_EQ(qv::julianDay(1858, 11, 17), 2400000.5);
    // The Gregorian reform: 4 October 1582 (Julian) was followed by 15 October.
    EXPECT_DOUBLE_EQ(qv::julianDay(1582, 10, 15), 2299160.5);
    EXPECT_DOUBLE_EQ(qv::julianDay(1582, 10, 4), 2299159.5);
    EXPECT_DOUBLE_EQ(qv::julianDay(0, 1, 1), 1721057.5);
}

// Every day from 1600 to 2400 against the standard library's own calendar, but 29 February
// of the century years, which only this calendar has (1900, 2100, ...) or where the two
// rules part (1600, 2000, 2400 are leap years in both, but are left out alike).
TEST(Calendar, WeekdaysAgreeWithTheStandardLibraryFrom1600To2400) {
    using namespace std::chrono;
    int checked = 0;
    for (int y = 1600; y <= 2400; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const year_month_day_last last{year{y} / month{unsigned(m)} / std::chrono::last};
            const int days = qv::daysInMonth(m, y);
            const bool centuryFebruary = m == 2 && y % 100 == 0;
            if (!centuryFebruary) {
                ASSERT_EQ(days, int(unsigned(last.day()))) << m << "/" << y;
            }
            for (int d = 1; d <= days; ++d) {
                if (centuryFebruary && d == 29) continue;
                const year_month_day date{year{y}, month{unsigned(m)}, day{unsigned(d)}};
                ASSERT_TRUE(date.ok());
                const int expected = int(weekday{sys_days{date}}.c_encoding());
                ASSERT_EQ(qv::dayOfWeek(y, m, d), expected) << m << "/" << d << "/" << y;
                ++checked;
            }
        }
    }
    // 801 years of days, less 29 February 1600, 2000 and 2400.
    EXPECT_EQ(checked, 801 * 365 + 195 - 3);
}

TEST(Calendar, FirstOfJanuary2000IsASaturdayInTheLastColumn) {
    const MonthGrid g = qv::monthGrid(CalendarDate{2000, 1, 1});
    EXPECT_EQ(g.firstColumn, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g.days[std::size_t(i)], 0);
    EXPECT_EQ(g.days[6], 1);
    EXPECT_EQ(g.days[36], 31);
    EXPECT_EQ(g.days[37], 0);
    EXPECT_EQ(g.selectedCell, 6);
}

TEST(Calendar, ALongMonthStartingOnSaturdayFillsTheSixthRow) {
    // March 2025 starts on a Saturday.
    const MonthGrid g = qv::monthGrid(CalendarDate{2025, 31, 3});
    EXPECT_EQ(g.firstColumn, 6);
    EXPECT_EQ(g.days[35], 30);  // first cell of the sixth row
    EXPECT_EQ(g.days[36], 31);
    EXPECT_EQ(g.days[41], 0);
    EXPECT_EQ(g.selectedCell, 36);
}

TEST(Calendar, February1900ShowsTwentyNineDays) {
    CalendarDate date{1900, 10, 2};
    CalendarPicker picker(date, 0, 3000);
    const MonthGrid& g = picker.grid();
    EXPECT_EQ(g.days[std::size_t(g.firstColumn + 28)], 29);
    EXPECT_EQ(g.days[std::size_t(g.firstColumn + 29)], 0);
}

TEST(Calendar, ChangingToAShorterMonthKeepsTheDayWithinIt) {
    CalendarDate date{2024, 31, 1};
    CalendarPicker picker(date, 0, 3000);
    picker.setMonth(2);
    EXPECT_EQ(date, (CalendarDate{2024, 29, 2}));
    EXPECT_EQ(qv::calendarDateLine(date), "Thursday, February 29, 2024");
    EXPECT_EQ(picker.grid().days[std::size_t(picker.grid().selectedCell)], 29);
    picker.setYear(2023);
    EXPECT_EQ(date.day, 28);
}

TEST(Calendar, CancelPutsBackTheDateThePickerOpenedOn) {
    CalendarDate date{2024, 5, 3};
    CalendarPicker picker(date, 0, 3000);
    picker.setMonth(11);
    picker.setYear(1999);
    ASSERT_TRUE(picker.pickCell(picker.grid().firstColumn + 20));
    EXPECT_EQ(date, (CalendarDate{1999, 21, 11}));
    picker.cancel();
    EXPECT_EQ(date, (CalendarDate{2024, 5, 3}));
}

TEST(Calendar, PickingAnEmptyCellOrOutsideTheGridChangesNothing) {
    CalendarDate date{2000, 15, 1};
    CalendarPicker picker(date, 0, 3000);
    EXPECT_FALSE(picker.pickCell(0));  // before the 1st, a Saturday
    EXPECT_FALSE(picker.pickCell(41));
    EXPECT_FALSE(picker.pickCell(-1));
    EXPECT_FALSE(picker.pickCell(42));
    EXPECT_EQ(date, (CalendarDate{2000, 15, 1}));
    EXPECT_TRUE(picker.pickCell(7));
    EXPECT_EQ(date.day, 2);
    EXPECT_EQ(picker.grid().selectedCell, 7);
}

TEST(Calendar, YearsAndMonthsStayWithinThePickersRange) {
    CalendarDate date{1850, 10, 14};  // a stray month and a year before the range
    CalendarPicker picker(date, 1900, 3000);
    EXPECT_EQ(date, (CalendarDate{1900, 10, 12}));
    picker.setYear(3500);
    EXPECT_EQ(date.year, 3000);
    picker.setMonth(0);
    picker.setMonth(13);
    EXPECT_EQ(date.month, 12);
}

TEST(Calendar, TheFirstAndLastMonthsArePickedAndNothingBeyond) {
    struct Case {
        int month;
        int expectedMonth;  // 5 when refused
        int days;
        const char* line;
    };
    const Case cases[] = {
        {1, 1, 31, "Thursday, January 15, 2004"},    {12, 12, 31, "Wednesday, December 15, 2004"},
        {11, 11, 30, "Monday, November 15, 2004"},   {0, 5, 31, "Saturday, May 15, 2004"},
        {13, 5, 31, "Saturday, May 15, 2004"},
    };
    for (const Case& c : cases) {
        CalendarDate date{2004, 15, 5};
        CalendarPicker picker(date, 0, 3000);
        picker.setMonth(c.month);
        EXPECT_EQ(date.month, c.expectedMonth) << c.month;
        EXPECT_EQ(qv::calendarDateLine(date), c.line) << c.month;
        const auto& days = picker.grid().days;
        EXPECT_EQ(days[std::size_t(picker.grid().firstColumn + c.days - 1)], c.days) << c.month;
        EXPECT_EQ(days[std::size_t(picker.grid().firstColumn + c.days)], 0) << c.month;
    }
}

TEST(Calendar, DateLineFollowsATranslatedFormat) {
    qv::CalendarTexts texts;
    texts.dayNames[2] = "mardi";
    texts.monthNames[2] = "mars";
    texts.dateLine = "%s %d %s %d (%q)";
    EXPECT_EQ(qv::calendarDateLine(CalendarDate{2024, 5, 3}, texts), "mardi 5 mars 2024 (%q)");
    EXPECT_EQ(qv::calendarDateLine(CalendarDate{2024, 5, 3}), "Tuesday, March 5, 2024");
}

}  // namespace
