#include <gtest/gtest.h>

#include <string>

#include "core/options/file_description.h"
#include "core/util/file_io.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;

TEST(FileDescription, DatabaseHeader) {
    Bytes db;
    putText(db, "Pick 6", 35);
    put16(db, 49);
    put16(db, 6);
    put16(db, 312);
    EXPECT_EQ(describeFileBytes(db, DescribedKind::Database),
              "Pick 6\n312 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto");

    // Cut inside the header: the missing fields read as zero.
    Bytes cut(db.begin(), db.begin() + 37);
    EXPECT_EQ(describeFileBytes(cut, DescribedKind::Database),
              "Pick 6\n0 Entries, 0 Numbers on a Ticket, 49 Numbers in Lotto");
    // Latin-1 text is shown as the characters it stands for.
    Bytes latin;
    putText(latin,
            "Loto Fran\xE7"
            "ais",
            35);
    EXPECT_EQ(describeFileBytes(latin, DescribedKind::Database).substr(0, 15),
              "Loto Fran\xC3\xA7"
              "ais\n");
}

TEST(FileDescription, TicketFilesOfBothLayoutsAndKinds) {
    Bytes manual = signature("Quorvantile V3.4");
    put8(manual, 0);
    put32(manual, 12);
    put32(manual, 6);
    const std::string twelve =
        "This is a manually entered ticket file with\n12 Tickets and 6 Numbers on each Ticket";
    EXPECT_EQ(describeFileBytes(manual, DescribedKind::TicketFile), twelve);

    Bytes older = signature("Quorvantile V3.0");
    put16(older, 0);
    put16(older, 12);
    put16(older, 6);
    EXPECT_EQ(describeFileBytes(older, DescribedKind::TicketFile), twelve);

    const std::string wheelText = "Big wheel\n10 Numbers, 20 Tickets, Guarantees 3 of 6 if 4";
    Bytes wheel = signature("Quorvantile V3.4");
    put8(wheel, 1);
    Bytes rec = wheelRecord("Big wheel", 10, 20, 3, 6, 4);
    wheel.insert(wheel.end(), rec.begin(), rec.end());
    EXPECT_EQ(describeFileBytes(wheel, DescribedKind::TicketFile), wheelText);

    Bytes olderWheel = signature("Quorvantile V3.0");
    put16(olderWheel, 1);
    olderWheel.insert(olderWheel.end(), rec.begin(), rec.end());
    EXPECT_EQ(describeFileBytes(olderWheel, DescribedKind::TicketFile), wheelText);

    // Counts are shown as stored, even ones a reader refuses.
    Bytes negative = signature("x");
    put8(negative, 0);
    put32(negative, -4);
    EXPECT_EQ(
        describeFileBytes(negative, DescribedKind::TicketFile),
        "This is a manually entered ticket file with\n-4 Tickets and 0 Numbers on each Ticket");
    EXPECT_EQ(
        describeFileBytes(Bytes{}, DescribedKind::TicketFile),
        "This is a manually entered ticket file with\n0 Tickets and 0 Numbers on each Ticket");
}

TEST(FileDescription, WheelingTables) {
    Bytes w = wheelRecord("Pick 5 cover", 12, -1, 3, 5, 4);
    EXPECT_EQ(describeFileBytes(w, DescribedKind::WheelingTable),
              "Pick 5 cover\n12 Numbers, -1 Tickets, Guarantees 3 of 5 if 4");
    // A record whose row width is out of range is still described as stored.
    EXPECT_EQ(describeFileBytes(wheelRecord("W", 1, 2, 3, 11, 5), DescribedKind::WheelingTable),
              "W\n1 Numbers, 2 Tickets, Guarantees 3 of 11 if 5");
    EXPECT_EQ(describeFileBytes(Bytes{'A', 'b'}, DescribedKind::WheelingTable),
              "Ab\n0 Numbers, 0 Tickets, Guarantees 0 of 0 if 0");
}

TEST(FileDescription, KindByPatternAndExtensionAndFiles) {
    EXPECT_EQ(describedKindForPattern("*.dat"), DescribedKind::Database);
    EXPECT_EQ(describedKindForPattern("*.qvt"), DescribedKind::TicketFile);
    EXPECT_EQ(describedKindForPattern("*.wl?"), DescribedKind::WheelingTable);
    EXPECT_EQ(describedKindForPattern("*.wl5"), DescribedKind::WheelingTable);
    EXPECT_EQ(describedKindForPath("C:\\games\\LOTTO.DAT"), DescribedKind::Database);
    EXPECT_EQ(describedKindForPath("/x/a.dat/tickets.qvt"), DescribedKind::TicketFile);
    EXPECT_EQ(describedKindForPath("/x.dat/wheel"), DescribedKind::WheelingTable);
    EXPECT_EQ(describedKindForPath("w.wl6"), DescribedKind::WheelingTable);

    TempDir dir;
    std::string wl = dir.file("w.wl6");
    Bytes rec = wheelRecord("Six", 9, 12, 3, 6, 4);
    rec.resize(rec.size() + 12 * 12, 1);
    ASSERT_TRUE(writeFileAtomic(wl, rec).ok());
    EXPECT_EQ(*describeFileByExtension(wl), "Six\n9 Numbers, 12 Tickets, Guarantees 3 of 6 if 4");
    EXPECT_EQ(*describeFile(wl, "*.wl?"), *describeFileByExtension(wl));
    const auto missing = describeFileByExtension(dir.file("missing.dat"));
    EXPECT_EQ(missing.status, IoStatus::CannotOpen);
    EXPECT_EQ(missing.reason, "No such file or directory");
    const auto directory = describeFile(dir.path().string(), "*.dat");
    EXPECT_EQ(directory.status, IoStatus::CannotOpen);
    EXPECT_EQ(directory.reason, "Is a directory");
}
