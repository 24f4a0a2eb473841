#include <gtest/gtest.h>

#include "core/records/records.h"
#include "core/util/text.h"

using namespace qv;

TEST(Records, TicketTypeIs32BytesLittleEndian) {
    TicketType t;
    t.numbers[0] = 3;
    t.numbers[1] = 0x1234;
    t.bonus[2] = -1;
    t.month = 12;
    t.day = 31;
    t.year = 2004;
    Bytes b;
    ByteWriter w(b);
    t.write(w);
    ASSERT_EQ(b.size(), TicketType::kSize);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[2], 0x34);
    EXPECT_EQ(b[3], 0x12);
    EXPECT_EQ(b[24], 0xFF);
    EXPECT_EQ(b[25], 0xFF);
    EXPECT_EQ(b[26], 12);
    EXPECT_EQ(b[30], 2004 & 0xFF);
    ByteReader r(b);
    EXPECT_EQ(TicketType::read(r), t);
    EXPECT_FALSE(r.wasShort());
}

TEST(Records, HeaderAndStatisticsLayouts) {
    DataHeader h;
    h.description = "Lotto 6/49 with a description far too long to fit";
    h.numbersInLotto = 49;
    h.numbersOnTicket = 6;
    h.entryCount = 513;
    StatisticsSettings s;
    s.hotPickMode = 1;
    s.toDate = Date{2, 3, 2004};
    Bytes b;
    ByteWriter w(b);
    h.write(w);
    s.write(w);
    ASSERT_EQ(b.size(), DataHeader::kSize + StatisticsSettings::kSize);
    EXPECT_EQ(b[34], 0) << "the description keeps its terminating NUL";
    EXPECT_EQ(b[35], 49);
    EXPECT_EQ(b[37], 6);
    EXPECT_EQ(b[39], 1);
    EXPECT_EQ(b[40], 2);
    EXPECT_EQ(b[41], 1);
    EXPECT_EQ(b[51], 2);
    ByteReader r(b);
    DataHeader h2 = DataHeader::read(r);
    EXPECT_EQ(h2.description, h.description.substr(0, 34));
    EXPECT_EQ(StatisticsSettings::read(r), s);
}

TEST(Records, TruncatedReadGivesZeroFields) {
    Bytes b = {7, 0, 9};
    ByteReader r(b);
    TicketType t = TicketType::read(r);
    EXPECT_TRUE(r.wasShort());
    EXPECT_EQ(t.numbers[0], 7);
    EXPECT_EQ(t.numbers[1], 9);
    EXPECT_EQ(t.year, 0);
}

TEST(Text, Latin1RoundTripAndReplacement) {
    EXPECT_EQ(latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(utf8ToLatin1("Caf\xC3\xA9 \xE2\x82\xAC"), "Caf\xE9 ?");
    EXPECT_EQ(utf8ToLatin1("\xFF"), "?");
    EXPECT_EQ(utf8Left("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
}

TEST(Text, AllThreeLineEndsEndALine) {
    std::vector<std::string> lines;
    forEachLine("a\nb\r\nc\rd", [&](std::string_view l) { lines.emplace_back(l); });
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(parseDigitsSaturating("99999999999999"), 2147483647);
}
