#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_library.h"
#include "test_support.h"
#include "wheel_targets.h"

namespace qv {
namespace {

using test::makeWheel;
using test::ticket;

std::string libraryFolder() {
    return std::string(QV_DATA_DIR) + "/" + kWheelLibraryFolder;
}

TEST(WheelLibrary, FileNamesReadBackAsTheirTermsAndNothingElseDoes) {
    for (const GuaranteeTerms& t : libraryTerms()) {
        const auto back = libraryFileTerms(libraryFileName(t));
        ASSERT_TRUE(back) << libraryFileName(t);
        EXPECT_EQ(libraryFileName(*back), libraryFileName(t));
    }
    EXPECT_EQ(libraryFileName({7, 3, 4, 6}), "07nrs-3if4.wl6");
    for (const char* other : {"7nrs-3if4.wl6", "07nrs-3if4.wl6.bak", "07nrs-3if4.wl",
                              "18-6-3if4.wl6", "+7nrs-3if4.wl6", "readme.txt", ""})
        EXPECT_FALSE(libraryFileTerms(other)) << other;
}

TEST(WheelLibrary, AWheelIsConfirmedOnlyWhenValidAndWithinItsNumbers) {
    // Five numbers "3 if 4" on 4: the rows 1234 and 1235 meet every four of 1..5 in three.
    const WheelInfo valid = makeWheel(5, 3, 4, 4, {ticket({1, 2, 3, 4}), ticket({1, 2, 3, 5})});
    EXPECT_TRUE(wheelConfirmed(valid));
    // "4 if 4" on the same rows lacks 1245 and more; the check must not grow the wheel.
    EXPECT_FALSE(wheelConfirmed(makeWheel(5, 4, 4, 4, valid.rows)));
    // A position above N stands for a number not chosen: such a wheel is not one of N.
    EXPECT_FALSE(wheelConfirmed(makeWheel(4, 3, 3, 4, {ticket({1, 2, 3, 5})})));
    EXPECT_FALSE(wheelConfirmed(makeWheel(4, 3, 3, 4, {ticket({0, 2, 3, 4})})));
    // Terms the check cannot take.
    EXPECT_FALSE(wheelConfirmed(makeWheel(5, 3, 3, 3, {ticket({1, 2, 3})})));
}

// Every wheel shipped in the library: named after its record's terms, described for the
// file dialog, and confirmed by the guarantee check.
TEST(WheelLibrary, EveryShippedWheelIsConfirmed) {
    int wheels = 0;
    for (const auto& entry : std::filesystem::directory_iterator(libraryFolder())) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const auto terms = libraryFileTerms(name);
        ASSERT_TRUE(terms) << "not a library name";
        WheelInfo wheel;
        ASSERT_TRUE(loadWheelFile(entry.path().string(), wheel));
        EXPECT_EQ(wheel.numbersToWheel, terms->numbersToWheel);
        EXPECT_EQ(wheel.numbersPerTicket, terms->numbersPerTicket);
        EXPECT_EQ(wheel.guarantee, terms->guarantee);
        EXPECT_EQ(wheel.guaranteeIf, terms->guaranteeIf);
        EXPECT_EQ(wheel.description, defaultWheelDescription(*terms));
        EXPECT_EQ(static_cast<std::size_t>(wheel.ticketCount), wheel.rows.size());
        EXPECT_LE(wheel.rows.size(), 2000u);
        EXPECT_TRUE(wheelConfirmed(wheel));
        ++wheels;
    }
    EXPECT_GT(wheels, 0);
}

// Every target's wheel ships at or below its size, so a worse wheel in the data is caught.
TEST(WheelLibrary, ShippedTargetsAreWithinTheirSizes) {
    CoveringTable table;
    ASSERT_TRUE(CoveringTable::load(std::string(QV_DATA_DIR) + "/" + kCoveringTableName, table));
    int checked = 0;
    for (const tools::WheelTarget& target : tools::wheelTargets()) {
        const GuaranteeTerms& t = target.terms;
        SCOPED_TRACE(libraryFileName(t));
        const int most = tools::targetRows(target, table);
        ASSERT_GT(most, 0);
        WheelInfo wheel;
        ASSERT_TRUE(loadWheelFile(libraryFolder() + "/" + libraryFileName(t), wheel));
        EXPECT_LE(static_cast<int>(wheel.rows.size()), most);
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace qv
