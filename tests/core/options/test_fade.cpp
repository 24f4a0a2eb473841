#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/options/fade.h"

using namespace qv;

namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b,
                            std::uint32_t a = 0xff) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

}  // namespace

TEST(Fade, AmountIsTruncatedPercentOf255AndClampedToTheRange) {
    EXPECT_EQ(fadeAmount(0), 0);
    EXPECT_EQ(fadeAmount(5), 12);
    EXPECT_EQ(fadeAmount(40), 102);
    EXPECT_EQ(fadeAmount(50), 127);
    EXPECT_EQ(fadeAmount(100), 255);
    // Levels a settings file can hold after "Increase Fade" from 97, or typed by hand.
    EXPECT_EQ(fadeAmount(102), 255);
    EXPECT_EQ(fadeAmount(-5), 0);
    // Every level in range moves at most one step from the exact value, never past it.
    for (int level = 0; level <= 100; ++level) {
        EXPECT_LE(fadeAmount(level) * 100, level * 255) << level;
        EXPECT_GT(fadeAmount(level) * 100 + 100, level * 255) << level;
    }
}

TEST(Fade, ColourTableEntriesMoveTowardWhiteAndSaturate) {
    std::vector<std::uint32_t> table{rgb(200, 100, 0), rgb(250, 243, 0), rgb(128, 127, 126),
                                     rgb(10, 20, 30, 0x40)};
    const std::vector<std::uint32_t> original = table;

    fadeColorTable(table, 0);
    EXPECT_EQ(table, original);

    fadeColorTable(table, 50);
    EXPECT_EQ(table[0], rgb(255, 227, 127));
    // 128 is exactly 255 - 127: already saturates.
    EXPECT_EQ(table[2], rgb(255, 254, 253));
    EXPECT_EQ(table[3], rgb(137, 147, 157, 0x40)) << "alpha is kept";

    table = original;
    fadeColorTable(table, 5);
    EXPECT_EQ(table[1], rgb(255, 255, 12));
    EXPECT_EQ(table[0], rgb(212, 112, 12));
}

TEST(Fade, FullFadeAndBeyondTurnEveryEntryWhite) {
    for (int level : {100, 102, 1000}) {
        std::vector<std::uint32_t> table{rgb(0, 0, 0), rgb(1, 254, 77), rgb(255, 255, 255),
                                         rgb(9, 9, 9, 0x00)};
        fadeColorTable(table, level);
        EXPECT_EQ(table, (std::vector<std::uint32_t>{rgb(255, 255, 255), rgb(255, 255, 255),
                                                     rgb(255, 255, 255), rgb(255, 255, 255, 0x00)}))
            << level;
    }
    std::vector<std::uint32_t> table{rgb(1, 2, 3)};
    fadeColorTable(table, -20);
    EXPECT_EQ(table[0], rgb(1, 2, 3));
}
