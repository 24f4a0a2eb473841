#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/tickets/matching.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "core/wheels/wheel_info.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;

namespace {

void putZeros(Bytes& b, std::size_t n) {
    b.insert(b.end(), n, 0);
}
void putTicket(Bytes& b, const TicketType& t) {
    for (auto n : t.numbers) put16(b, n);
    for (auto n : t.bonus) put16(b, n);
    put16(b, t.month);
    put16(b, t.day);
    put16(b, t.year);
}
Bytes manualCurrent(long long count, int perTicket, int lotto, const std::vector<TicketType>& t) {
    Bytes b = signature("Quorvantile V3.4");
    put8(b, 0);
    put32(b, count);
    put32(b, perTicket);
    put32(b, lotto);
    for (const auto& x : t) putTicket(b, x);
    return b;
}
// Sections of a wheel file from the record on; `kindBytes` is the current 1-byte kind or the
// older 16-bit one.
Bytes wheelFile(const std::string& sig, int kindBytes, const std::vector<TicketType>& rows,
                const std::vector<TicketType>& tickets, std::initializer_list<int> used) {
    Bytes b = signature(sig);
    if (kindBytes == 1)
        put8(b, 1);
    else
        put16(b, 1);
    putWheelRecord(b, "Ten/six", 10, int(rows.size()), 3, 6, 4);
    for (const auto& r : rows) putTicket(b, r);
    for (const auto& t : tickets) putTicket(b, t);
    std::vector<int> u(used);
    u.resize(100);
    for (int v : u) put16(b, v);
    putZeros(b, 200);
    return b;
}

struct Decoded {
    IoResult result;
    TicketFile file;
};
Decoded decode(const Bytes& b) {
    Decoded d;
    d.result = ticketFileFromBytes(b, d.file);
    return d;
}
Decoded load(const std::string& path) {
    Decoded d;
    d.result = loadTicketFile(path, d.file);
    return d;
}

TicketFile decodeOk(const Bytes& b) {
    Decoded r = decode(b);
    EXPECT_TRUE(r.result.ok()) << r.result.message;
    return r.file;
}

}  // namespace

TEST(TicketFile, ManualFileIsExactlyItsLayout) {
    TicketFile f = newManualTicketFile(6, 49);
    EXPECT_TRUE(f.modified);
    Bytes empty = f.toBytes();
    ASSERT_EQ(empty.size(), 113u);
    EXPECT_EQ(empty, manualCurrent(0, 6, 49, {}));

    f.numbersPerTicket = 5;
    f.numbersInLotto = 90;
    f.tickets = {ticket({3, 7, 12, 19, 25}, {33}), ticket({1, 2, 3, 4, 5})};
    Bytes b = f.toBytes();
    EXPECT_EQ(b, manualCurrent(2, 5, 90, f.tickets));

    TicketFile back = decodeOk(b);
    EXPECT_EQ(back.kind, TicketFileKind::Manual);
    EXPECT_EQ(back.tickets, f.tickets);
    EXPECT_EQ(back.numbersPerTicket, 5);
    EXPECT_EQ(back.numbersInLotto, 90);
    EXPECT_FALSE(back.modified);
}

TEST(TicketFile, WheelFileIsExactlyItsLayout) {
    std::vector<TicketType> rows = {ticket({1, 2, 3, 4, 5, 6}), ticket({5, 6, 7, 8, 9, 10}),
                                    ticket({1, 3, 5, 7, 9, 10})};
    WheelInfo wheel;
    wheel.description = "Ten/six";
    wheel.numbersToWheel = 10;
    wheel.guarantee = 3;
    wheel.numbersPerTicket = 6;
    wheel.guaranteeIf = 4;
    wheel.setRows(rows);
    NumbersUsed used{};
    for (int i = 0; i < 10; ++i) used[i] = static_cast<std::int16_t>(11 * (i + 1));
    TicketFile f = newWheelTicketFile(wheel, used);
    ASSERT_EQ(f.tickets.size(), 3u);
    EXPECT_EQ(f.tickets[1], ticket({55, 66, 77, 88, 99, 110}));
    f.tickets[2].bonus[0] = 7;

    Bytes b = f.toBytes();
    ASSERT_EQ(b.size(), 536u + 64u * 3);
    EXPECT_EQ(b, wheelFile("Quorvantile V3.4", 1, rows, f.tickets,
                           {11, 22, 33, 44, 55, 66, 77, 88, 99, 110}));

    TicketFile back = decodeOk(b);
    back.modified = f.modified;
    EXPECT_EQ(back, f);
    EXPECT_EQ(back.chosenNumbers().size(), 10u);
    EXPECT_EQ(back.statedNumbersPerTicket(), 6);

    // Rows and tickets share the file's one count: a missing record is written empty.
    f.tickets.pop_back();
    Bytes padded = f.toBytes();
    EXPECT_EQ(padded.size(), 536u + 64u * 3);
    EXPECT_EQ(decodeOk(padded).tickets[2], TicketType{});
}

TEST(TicketFile, OlderLayoutIsReadAndSavedInTheCurrentOne) {
    Bytes manual = signature("Quorvantile V3.0");
    put16(manual, 0);
    put16(manual, 2);
    put16(manual, 6);
    put16(manual, 49);
    std::vector<TicketType> tickets = {ticket({1, 2, 3, 4, 5, 6}, {9}),
                                       ticket({7, 8, 9, 10, 11, 12})};
    for (const auto& t : tickets) putTicket(manual, t);
    ASSERT_EQ(manual.size(), 108u + 64u);

    TicketFile m = decodeOk(manual);
    EXPECT_EQ(m.kind, TicketFileKind::Manual);
    EXPECT_EQ(m.tickets, tickets);
    EXPECT_EQ(m.numbersInLotto, 49);
    EXPECT_EQ(m.toBytes(), manualCurrent(2, 6, 49, tickets));

    std::vector<TicketType> rows = {ticket({1, 2}), ticket({2, 3})};
    std::vector<TicketType> wt = {ticket({4, 5}, {1}), ticket({5, 6})};
    Bytes olderWheel = wheelFile("Quorvantile V3.0", 2, rows, wt, {4, 5, 6});
    TicketFile w = decodeOk(olderWheel);
    EXPECT_EQ(w.kind, TicketFileKind::Wheel);
    EXPECT_EQ(w.wheel.rows, rows);
    EXPECT_EQ(w.tickets, wt);
    EXPECT_EQ(w.numbersUsed[2], 6);
    EXPECT_EQ(w.toBytes(), wheelFile("Quorvantile V3.4", 1, rows, wt, {4, 5, 6}));

    // The older kind is 16-bit: a non-zero high byte alone makes a wheel file.
    Bytes highByte = signature("Quorvantile V3.0");
    put16(highByte, 0x0100);
    EXPECT_EQ(probeTicketFileKind(highByte), TicketFileKind::Wheel);
    // Any other signature is read with the current layout.
    Bytes other = signature("something else");
    put8(other, 7);
    EXPECT_EQ(probeTicketFileKind(other), TicketFileKind::Wheel);
    EXPECT_EQ(probeTicketFileKind(Bytes{}), TicketFileKind::Manual);
    EXPECT_EQ(decode(Bytes{}).file.tickets.size(), 0u);
}

TEST(TicketFile, ImpossibleCountsAreDamagedAndShortFilesKeepEmptyTickets) {
    for (long long count : {-1LL, 1'000'001LL, 0x7FFFFFFFLL}) {
        Decoded r = decode(manualCurrent(count, 6, 49, {}));
        EXPECT_EQ(r.result.status, IoStatus::Damaged) << count;
        EXPECT_FALSE(r.result.message.empty());
    }
    Bytes olderNegative = signature("Quorvantile V3.0");
    put16(olderNegative, 0);
    put16(olderNegative, -2);
    EXPECT_EQ(decode(olderNegative).result.status, IoStatus::Damaged);
    Bytes wheelNegative = signature("Quorvantile V3.4");
    put8(wheelNegative, 1);
    putWheelRecord(wheelNegative, "x", 10, -3, 3, 6, 4);
    EXPECT_EQ(decode(wheelNegative).result.status, IoStatus::Damaged);

    // The largest count accepted, with no records present: all of them empty.
    TicketFile big = decodeOk(manualCurrent(1'000'000, 6, 49, {}));
    ASSERT_EQ(big.tickets.size(), 1'000'000u);
    EXPECT_EQ(big.tickets.back(), TicketType{});

    TicketFile shortManual = decodeOk(manualCurrent(3, 6, 49, {ticket({1, 2, 3, 4, 5, 6})}));
    ASSERT_EQ(shortManual.tickets.size(), 3u);
    EXPECT_EQ(shortManual.tickets[0], ticket({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(shortManual.tickets[2], TicketType{});

    // A wheel file cut inside its tickets: later sections stay at their places, zero.
    std::vector<TicketType> rows = {ticket({1, 2}), ticket({2, 3})};
    Bytes cut = wheelFile("Quorvantile V3.4", 1, rows, {ticket({4, 5}), ticket({5, 6})}, {4, 5, 6});
    cut.resize(136 + 64 + 32);
    TicketFile w = decodeOk(cut);
    EXPECT_EQ(w.wheel.rows, rows);
    EXPECT_EQ(w.tickets[0], ticket({4, 5}));
    EXPECT_EQ(w.tickets[1], TicketType{});
    EXPECT_EQ(w.numbersUsed, NumbersUsed{});
}

TEST(TicketFile, SaveLoadAndProbeThroughFiles) {
    TempDir dir;
    TicketFile f = newManualTicketFile(6, 49);
    f.tickets = {ticket({5, 4, 3, 2, 1, 6}, {8})};
    EXPECT_FALSE(f.save().ok());  // no path yet
    EXPECT_TRUE(f.modified);
    ASSERT_TRUE(f.saveAs(dir.file("a.qvt")).ok());
    EXPECT_EQ(f.path, dir.file("a.qvt"));
    EXPECT_FALSE(f.modified);
    EXPECT_EQ(probeTicketFileKind(dir.file("a.qvt")), TicketFileKind::Manual);

    Decoded r = load(dir.file("a.qvt"));
    ASSERT_TRUE(r.result.ok());
    EXPECT_EQ(r.file, f);

    EXPECT_EQ(load(dir.file("missing.qvt")).result.status, IoStatus::CannotOpen);
    EXPECT_EQ(probeTicketFileKind(dir.file("missing.qvt")), std::nullopt);

    // A failed save leaves the flag set and the path as it was.
    f.modified = true;
    EXPECT_FALSE(f.saveAs(dir.file("no-such-dir/b.qvt")).ok());
    EXPECT_TRUE(f.modified);
    EXPECT_EQ(f.path, dir.file("a.qvt"));
}

TEST(TicketFile, SignatureTellsATicketFileWhateverItsName) {
    TempDir dir;
    const struct {
        Bytes head;
        bool ticketFile;
    } cases[] = {
        {signature("Quorvantile V3.4"), true},
        {signature("Quorvantile V3.0"), true},
        {Bytes{'Q', 'u', 'o', 'r', 'v', 'a', 'n', 't', 'i', 'l', 'e', ' ', 'V', '3'}, true},
        {Bytes{'Q', 'u', 'o', 'r', 'v', 'a', 'n', 't', 'i', 'l', 'e', ' ', 'V'}, false},  // cut
        {signature("quorvantile V3.4"), false},
        {signature("Lotto 6/49"), false},
        {Bytes{}, false},
    };
    int i = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(hasTicketFileSignature(c.head), c.ticketFile) << i;
        const std::string path = dir.file("file" + std::to_string(i));
        ASSERT_TRUE(writeFileAtomic(path, c.head).ok());
        EXPECT_EQ(hasTicketFileSignature(path), c.ticketFile) << i;
        ++i;
    }
    EXPECT_FALSE(hasTicketFileSignature(dir.file("missing")));
}

TEST(WheelFile, LayoutRoundTripAndDamagedRecords) {
    WheelInfo w;
    w.description = "Ten numbers, six a ticket";  // 25 characters: one too many
    w.numbersToWheel = 10;
    w.guarantee = 3;
    w.numbersPerTicket = 6;
    w.guaranteeIf = 4;
    std::vector<TicketType> rows;
    for (int k = 0; k < 20; ++k) rows.push_back(ticket({1 + k % 5, 2, 3, 4, 5, 6}));
    w.setRows(rows);
    EXPECT_EQ(w.ticketCount, 20);

    Bytes b = wheelFileBytes(w);
    Bytes expected;
    putWheelRecord(expected, "Ten numbers, six a ticke", 10, 20, 3, 6, 4);
    for (const auto& r : rows)
        for (int j = 0; j < 6; ++j) put16(expected, r.numbers[j]);
    ASSERT_EQ(b.size(), 275u);
    EXPECT_EQ(b, expected);

    WheelInfo back = wheelFromBytes(b);
    EXPECT_EQ(back.description, "Ten numbers, six a ticke");
    EXPECT_EQ(back.rows, rows);
    EXPECT_EQ(back.ticketCount, 20);

    // Rows are only as wide as numbersPerTicket; a short file leaves positions 0.
    Bytes cut(b.begin(), b.begin() + 35 + 12 + 4);
    WheelInfo partial = wheelFromBytes(cut);
    ASSERT_EQ(partial.rows.size(), 20u);
    EXPECT_EQ(partial.rows[1], ticket({2, 2}));
    EXPECT_EQ(partial.rows[19], TicketType{});

    for (int per : {0, 11, -1}) {
        Bytes bad;
        putWheelRecord(bad, "Bad", 10, 20, 3, per, 4);
        WheelInfo e = wheelFromBytes(bad);
        EXPECT_TRUE(e.rows.empty()) << per;
        EXPECT_EQ(e.ticketCount, 0);
        EXPECT_EQ(e.numbersPerTicket, 0);
        EXPECT_EQ(e.numbersToWheel, 10);
    }
    // The widest rows a wheel can have and the narrowest are read.
    for (int per : {1, 10}) {
        Bytes edge;
        putWheelRecord(edge, "Edge", 12, 2, 1, per, 1);
        for (int i = 0; i < 2 * per; ++i) put16(edge, 1 + i % 12);
        const WheelInfo w = wheelFromBytes(edge);
        ASSERT_EQ(w.rows.size(), 2u) << per;
        EXPECT_EQ(w.rows[1].numbers[std::size_t(per - 1)], 1 + (2 * per - 1) % 12) << per;
    }
    Bytes negative;
    putWheelRecord(negative, "Bad", 10, -5, 3, 6, 4);
    EXPECT_TRUE(wheelFromBytes(negative).rows.empty());
    EXPECT_EQ(wheelFromBytes(negative).ticketCount, 0);

    TempDir dir;
    ASSERT_TRUE(saveWheelFile(dir.file("w.wl6"), w).ok());
    WheelInfo loaded;
    ASSERT_TRUE(loadWheelFile(dir.file("w.wl6"), loaded).ok());
    EXPECT_EQ(loaded.path, dir.file("w.wl6"));
    EXPECT_EQ(loaded.rows, rows);
    EXPECT_FALSE(loadWheelFile(dir.file("none.wl6"), loaded).ok());
    EXPECT_TRUE(loaded.rows.empty());
    EXPECT_EQ(loaded.ticketCount, 0);
}

// A record no wheeling table can have is refused on open, naming the value; each value is
// judged on its own, so terms that cannot be guaranteed together still open.
TEST(TicketFile, WheelFilesWithImpossibleRecordsAreRefused) {
    struct Case {
        int n, tickets, g, per, i;
        std::size_t rowsHeld;
        const char* reason;  // empty: opens
    } cases[] = {
        {10, 2, 3, 6, 4, 2, ""},
        {10, 2, 3, 6, 7, 3, ""},  // more rows than the count: the rest is ignored
        {-15017, 2, 3, 6, 4, 2, "it says -15017 numbers"},
        {101, 2, 3, 6, 4, 2, "it says 101 numbers"},
        {10, 2, 3, 11, 4, 2, "it says 11 numbers per ticket"},
        {10, 2, 3, 0, 4, 2, "it says 0 numbers per ticket"},
        {10, 2, 11, 6, 4, 2, "it says a guarantee of 11"},
        {10, 2, 3, 6, -1, 2, "it says a guarantee if -1"},
        {10, 20, 3, 6, 4, 19, "it says 20 tickets but holds 19"},
        {10, -5, 3, 6, 4, 0, "it says -5 tickets but holds 0"},
    };
    TempDir dir;
    const std::string path = dir.file("w.wl6");
    for (const Case& c : cases) {
        Bytes b;
        putWheelRecord(b, "W", c.n, c.tickets, c.g, c.per, c.i);
        b.resize(b.size() + c.rowsHeld * 2 * std::size_t(std::max(c.per, 0)), 1);
        ASSERT_TRUE(writeFileAtomic(path, b).ok());
        WheelInfo w;
        const IoResult r = loadWheelFile(path, w);
        if (*c.reason == 0) {
            EXPECT_TRUE(r.ok()) << r.message;
            EXPECT_EQ(w.rows.size(), std::size_t(c.tickets));
            continue;
        }
        EXPECT_EQ(r.status, IoStatus::WrongKind);
        EXPECT_EQ(r.message, path + " is not a wheeling table: " + c.reason + ".");
        EXPECT_TRUE(w.rows.empty());
        EXPECT_EQ(w.ticketCount, 0);
    }
    ASSERT_TRUE(writeFileAtomic(path, Bytes(10, 0xA5)).ok());
    WheelInfo w;
    EXPECT_EQ(loadWheelFile(path, w).message,
              path + " is not a wheeling table: it has only 10 bytes.");
}

TEST(TicketFile, ApplyingAWheelBlanksPositionsOutsideTheTable) {
    TicketFile f;
    f.kind = TicketFileKind::Wheel;
    f.wheel.numbersToWheel = 4;
    f.wheel.numbersPerTicket = 3;
    f.wheel.setRows({ticket({1, 2, 4}), ticket({0, 101, -7}), ticket({100, 3, 2})});
    for (int i = 0; i < 100; ++i) f.numbersUsed[i] = static_cast<std::int16_t>(i + 1 + 10);
    f.tickets = {ticket({9, 9, 9, 9}, {5, 6})};
    f.applyWheel();
    ASSERT_EQ(f.tickets.size(), 3u);
    // Only the first numbersPerTicket slots are rewritten; bonus numbers stay.
    EXPECT_EQ(f.tickets[0], ticket({11, 12, 14, 9}, {5, 6}));
    EXPECT_EQ(f.tickets[1], TicketType{});
    EXPECT_EQ(f.tickets[2], ticket({110, 13, 12}));

    f.wheel.numbersPerTicket = 40;  // clamped to the slots a ticket has
    f.wheel.setRows({ticket({1, 2, 3, 4, 1, 2, 3, 4, 1, 2})});
    f.applyWheel();
    EXPECT_EQ(f.tickets[0], ticket({11, 12, 13, 14, 11, 12, 13, 14, 11, 12}, {5, 6}));
}

TEST(Matching, MainAndBonusHits) {
    const TicketType t = ticket({3, 7, 12, 19, 25, 41});
    const TicketType draw = ticket({7, 12, 19, 25, 33, 41});
    EXPECT_EQ(MatchTicket(t, draw), (MatchResult{5, 0}));
    EXPECT_EQ(resultText(MatchTicket(t, draw), 6, 0), "5/6");

    // Without bonus numbers in the draw a bonus number is looked up among its main numbers.
    const TicketType withBonus = ticket({3, 7, 12, 19, 25, 41}, {33});
    EXPECT_EQ(MatchTicket(withBonus, draw), (MatchResult{5, 1}));
    EXPECT_EQ(resultText(MatchTicket(withBonus, draw), 6, 1), "5/6 + 1B");
    EXPECT_EQ(MatchTicket(withBonus, ticket({7, 12, 19, 25, 33, 41}, {9})), (MatchResult{5, 0}));

    // A bonus number that is both the draw's first bonus and a main number counts once.
    EXPECT_EQ(MatchTicket(withBonus, ticket({7, 12, 19, 25, 33, 41}, {33})), (MatchResult{5, 1}));
    EXPECT_TRUE(isBonusHitAmongBonus(33, ticket({1}, {9, 33})));
    EXPECT_FALSE(isBonusHit(7, ticket({7}, {9})));

    // Lists end at the first 0 on both sides.
    EXPECT_EQ(MatchTicket(ticket({7, 0, 12}), draw).MainHits, 1);
    EXPECT_EQ(MatchTicket(ticket({12}), ticket({7, 0, 12})).MainHits, 0);
    EXPECT_EQ(MatchTicket(ticket({1, 2}, {3, 0, 4}), ticket({1, 2}, {3, 4})).BonusHits, 1);
}

TEST(Matching, TallyCountsTicketsWithTwoOrMoreHits) {
    const TicketType t = ticket({3, 7, 12, 19, 25, 41}, {33});
    const std::vector<TicketType> tickets = {t, ticket({7, 1, 2, 4, 5, 6}, {33})};

    bool want = true;
    TallyCounts c = TallyResults(tickets, ticket({7, 12, 19, 25, 33, 41}, {9}), want);
    EXPECT_TRUE(want);
    EXPECT_EQ(c.hits[3], 1);
    EXPECT_EQ(c.bonusHits[3], 0);  // 33 among the main numbers does not count here
    int total = 0;
    for (int v : c.hits) total += v;
    EXPECT_EQ(total, 1);  // the one-hit ticket is not counted anywhere

    c = TallyResults(tickets, ticket({7, 12, 19, 25, 33, 41}, {33}), want);
    EXPECT_EQ(c.hits[3], 1);
    EXPECT_EQ(c.bonusHits[3], 1);

    // A draw without bonus numbers: a ticket's bonus number among its main numbers is no hit
    // in the tally (the ticket window's result counts it; the tally does not).
    bool wanted = true;
    c = TallyResults(tickets, ticket({7, 12, 19, 25, 33, 41}), wanted);
    EXPECT_EQ(c.hits[3], 1);
    EXPECT_EQ(c.bonusHits[3], 0);

    // Not wanted: bonus numbers are not tallied at all.
    bool off = false;
    c = TallyResults(tickets, ticket({7, 12, 19, 25, 33, 41}, {33}), off);
    EXPECT_EQ(c.bonusHits[3], 0);

    // No ticket carries a bonus number: the caller's flag is cleared.
    bool flag = true;
    c = TallyResults({ticket({1, 2, 3}), ticket({1, 2})}, ticket({1, 2, 3}, {4}), flag);
    EXPECT_FALSE(flag);
    EXPECT_EQ(c.hits[1], 1);
    EXPECT_EQ(c.hits[0], 1);

    // Ten hits, the most a ticket can have, land in the range.
    const TicketType ten = ticket({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    c = TallyResults({ten}, ten, flag);
    EXPECT_EQ(c.hits[8], 1);
}

TEST(Matching, WheelConditionAndFileMeasures) {
    WheelInfo w;
    w.numbersToWheel = 4;
    w.guaranteeIf = 0;
    NumbersUsed used{};
    EXPECT_TRUE(WheelConditionMet(w, used, TicketType{}));

    used[0] = 5;
    used[1] = 6;
    used[2] = 7;
    used[3] = 8;
    used[4] = 9;  // beyond numbersToWheel: not counted
    w.guaranteeIf = 3;
    EXPECT_TRUE(WheelConditionMet(w, used, ticket({5, 6, 7, 1, 2, 3})));
    EXPECT_FALSE(WheelConditionMet(w, used, ticket({5, 6, 9, 1, 2, 3})));
    w.numbersToWheel = 30000;  // clamped to the 100 entries
    EXPECT_TRUE(WheelConditionMet(w, used, ticket({5, 6, 9, 1, 2, 3})));

    const std::vector<TicketType> tickets = {
        ticket({1, 2, 3, 4, 5}), ticket({1, 2, 3, 4, 5, 6, 7}, {1, 2, 3}), ticket({1}, {4})};
    EXPECT_EQ(mainNumberCount(tickets), 5);
    EXPECT_EQ(bonusColumnCount(tickets), 3);
    EXPECT_EQ(mainNumberCount({}), 0);
    EXPECT_EQ(bonusColumnCount({}), 0);

    TicketType s = ticket({42, 7, 19, 0, 3}, {9, 1});
    SortTicketNumbers(s);
    EXPECT_EQ(s, ticket({7, 19, 42, 0, 3}, {9, 1}));
}
