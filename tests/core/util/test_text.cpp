#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/util/text.h"

using namespace qv;

TEST(FormatIntegers, IsSafeWithAnyFormat) {
    struct Case {
        const char* format;
        std::initializer_list<long long> values;
        const char* expected;
    };
    const Case cases[] = {
        {"%4d", {7}, "   7"},
        {", %2d", {3}, ",  3"},
        {"%2d", {12}, "12"},   // exactly the width: no padding
        {"%2d", {123}, "123"},  // wider than the width: never cut
        {"%d-%d-%d", {1, 15, 2004}, "1-15-2004"},
        {"%-3d|", {5}, "5  |"},
        {"%d%%", {40}, "40%"},
        {"%d", {-12}, "-12"},
        // A translation with too many or foreign conversions cannot read past the values.
        {"%d %d %d", {1}, "1 0 0"},
        {"%d", {1, 2}, "1"},
        {"%s %d %", {9}, "%s 9 %"},
        {"%", {}, "%"},
        {"%-", {}, "%-"},
        {"%5", {}, "%5"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatIntegers(c.format, c.values), c.expected) << c.format;
    // Widths stop at 99 characters.
    EXPECT_EQ(formatIntegers("%99d", {1}).size(), 99u);
    EXPECT_EQ(formatIntegers("%12345678901d", {1}).size(), 99u);
}
