#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/database/draw_preview.h"
#include "core/util/file_io.h"
#include "reference_sort.h"
#include "test_support.h"

using namespace qv;
using namespace qv::test;
namespace fs = std::filesystem;

namespace {

void putEntry(Bytes& b, std::initializer_list<int> numbers, std::initializer_list<int> bonus,
              int month, int day, int year) {
    std::vector<int> n(numbers), bn(bonus);
    n.resize(10);
    bn.resize(3);
    for (int v : n) put16(b, v);
    for (int v : bn) put16(b, v);
    put16(b, month);
    put16(b, day);
    put16(b, year);
}
Bytes head(const std::string& description, int lotto, int ticket, int count,
           std::initializer_list<int> stats = {1, 0, 1, 1, 2004, 12, 31, 2004}) {
    Bytes b;
    putText(b, description, 35);
    put16(b, lotto);
    put16(b, ticket);
    put16(b, count);
    for (int v : stats) put16(b, v);
    return b;
}

std::vector<Date> datesOf(const DrawDatabase& db) {
    std::vector<Date> d;
    for (const auto& t : db.entries()) d.push_back(t.date());
    return d;
}

struct ScriptedReporter : ProgressReporter {
    long long cancelOnPoll = -1;  // the poll (counted from 1) that answers "cancelled"
    std::string caption;
    std::vector<int> shown;
    long long polls = 0;
    int opened = 0, closed = 0;
    void open(const std::string& c) override {
        caption = c;
        ++opened;
    }
    void show(int percent) override { shown.push_back(percent); }
    bool cancelled() override { return ++polls == cancelOnPoll; }
    void close() override { ++closed; }
};

}  // namespace

TEST(DrawDatabase, NewFileIsHeaderAndStatisticsThenLink) {
    DataHeader h;
    h.description = std::string(40, 'D');  // clipped to 34 characters
    h.numbersInLotto = 49;
    h.numbersOnTicket = 6;
    h.entryCount = 7;  // a new file never has entries
    StatisticsSettings s;
    s.hotPickMode = 1;
    s.fromDate = Date{1, 1, 2004};
    s.toDate = Date{12, 31, 2004};

    Bytes expected = head(std::string(34, 'D'), 49, 6, 0);
    EXPECT_EQ(newDatabaseBytes(h, s, ""), expected);
    ASSERT_EQ(expected.size(), 57u);

    TempDir dir;
    ASSERT_TRUE(createDatabaseFile(dir.file("new.dat"), h, s, "abc").ok());
    Bytes withLink = expected;
    withLink.insert(withLink.end(), {'a', 'b', 'c'});
    EXPECT_EQ(readWholeFile(dir.file("new.dat")), withLink);

    DrawDatabase db;
    StatisticsSettings loaded;
    db.loadFromBytes(expected, loaded);
    loaded = db.statistics();
    EXPECT_EQ(db.entryCount(), 0u);
    EXPECT_EQ(db.updateLink(), "");
    EXPECT_EQ(loaded, s);
    EXPECT_FALSE(db.newestEntry().has_value());
    EXPECT_FALSE(db.isModified());
}

TEST(DrawDatabase, LoadsAndSavesTheSameBytes) {
    Bytes file = head("Lotto \xE9t\xE9", 49, 6, 3);  // Latin-1 in the file
    putEntry(file, {3, 12, 19, 27, 33, 41}, {7}, 2, 5, 2004);
    putEntry(file, {1, 2, 3, 4, 5, 6}, {}, 2, 3, 2004);
    putEntry(file, {44, 45, 46, 47, 48, 49}, {1, 2, 3}, 1, 31, 2004);
    file.insert(file.end(), {'a', 'b', 'c'});
    ASSERT_EQ(file.size(), 156u);

    TempDir dir;
    std::string path = dir.file("db.dat");
    ASSERT_TRUE(writeFileAtomic(path, file).ok());
    DrawDatabase db;
    StatisticsSettings stats;
    ASSERT_TRUE(db.load(path, stats));
    stats = db.statistics();
    EXPECT_EQ(db.fileName(), path);
    EXPECT_EQ(db.header().description, "Lotto \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(db.header().numbersInLotto, 49);
    EXPECT_EQ(db.header().numbersOnTicket, 6);
    ASSERT_EQ(db.entryCount(), 3u);
    EXPECT_EQ(db.entry(0), draw(2, 5, 2004, {3, 12, 19, 27, 33, 41}, {7}));
    EXPECT_EQ(db.newestEntry(), db.entry(0));
    EXPECT_EQ(db.entry(2).bonus[2], 3);
    EXPECT_EQ(db.entry(3), TicketType{}) << "past the end reads as an empty record";
    EXPECT_EQ(db.updateLink(), "abc");
    EXPECT_EQ(stats.toDate, (Date{12, 31, 2004}));

    EXPECT_EQ(db.toBytes(), file);
    db.setModified(true);
    ASSERT_TRUE(db.saveAs(dir.file("copy.dat")).ok());
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(db.fileName(), dir.file("copy.dat"));
    EXPECT_EQ(readWholeFile(dir.file("copy.dat")), file);

    const IoResult missing = db.load(dir.file("missing.dat"), stats);
    EXPECT_EQ(missing.status, IoStatus::CannotOpen);
    EXPECT_EQ(missing.reason, "No such file or directory");
    EXPECT_EQ(db.entryCount(), 0u);
    EXPECT_EQ(db.updateLink(), "");
}

TEST(DrawDatabase, AFileCutShortIsKeptAsFarAsItGoesAndReported) {
    Bytes file = head("Lotto", 49, 6, 2);
    putEntry(file, {3, 12, 19, 27, 33, 41}, {7}, 2, 5, 2004);
    putEntry(file, {1, 2, 3, 4, 5, 6}, {}, 2, 3, 2004);
    const std::size_t entriesEnd = file.size();
    file.insert(file.end(), {'a', 'b', 'c'});
    Bytes noEntries = head("Lotto", 49, 6, 0);
    struct Case {
        const Bytes* bytes;
        std::size_t size;
        IoStatus status;
        std::size_t entries;
    };
    const Case cases[] = {
        {&file, file.size(), IoStatus::Ok, 2},
        {&file, entriesEnd, IoStatus::Ok, 2},           // no link
        {&file, entriesEnd - 1, IoStatus::Damaged, 2},  // the last entry cut by one byte
        {&file, DataHeader::kSize, IoStatus::Damaged, 2},
        {&file, DataHeader::kSize - 1, IoStatus::Damaged, 2},  // the count is early in it
        {&file, 0, IoStatus::Damaged, 0},
        {&noEntries, DataHeader::kSize, IoStatus::Ok, 0},  // no entries, none missing
    };
    TempDir dir;
    const std::string path = dir.file("short.dat");
    for (const Case& c : cases) {
        const Bytes cut(c.bytes->begin(), c.bytes->begin() + std::ptrdiff_t(c.size));
        ASSERT_TRUE(writeFileAtomic(path, cut).ok());
        DrawDatabase db;
        const IoResult loaded = db.load(path);
        EXPECT_EQ(loaded.status, c.status) << c.size;
        EXPECT_TRUE(loaded.opened()) << c.size;
        EXPECT_EQ(db.entryCount(), c.entries) << c.size;
        EXPECT_EQ(db.fileName(), path) << c.size;
    }
    DrawDatabase db;
    ASSERT_TRUE(writeFileAtomic(path, Bytes(file.begin(), file.begin() + 100)).ok());
    EXPECT_EQ(db.load(path).message, "The database " + path + " ends before the 2 entries it counts.");
    EXPECT_EQ(db.entry(0).numbers[0], 3);  // what the file holds is kept
}

TEST(DrawDatabase, NormalisesTwoDigitYears) {
    const int years[] = {50, 99, 1, 49, 0, 2004, 100, -5};
    const int expected[] = {1950, 1999, 2001, 2049, 0, 2004, 100, -5};
    Bytes file = head("", 49, 6, 8);
    for (int y : years) putEntry(file, {1}, {}, 1, 1, y);
    DrawDatabase db;
    StatisticsSettings stats;
    db.loadFromBytes(file, stats);
    stats = db.statistics();
    ASSERT_EQ(db.entryCount(), 8u);
    for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(db.entry(i).year, expected[i]) << years[i];
}

TEST(DrawDatabase, TruncatedFilesGiveDefinedPartialResults) {
    StatisticsSettings before;
    before.hotPickMode = 1;
    before.coldPickMode = 0x0102;
    before.toDate = Date{5, 6, 2007};

    {  // ends inside the description: header fields zero, statistics untouched
        Bytes full = head("Description", 49, 6, 2);
        DrawDatabase db;
        StatisticsSettings stats = before;
        db.loadFromBytes(Bytes(full.begin(), full.begin() + 5), stats);
        stats = db.statistics();
        EXPECT_EQ(db.header().description, "Descr");
        EXPECT_EQ(db.header().numbersInLotto, 0);
        EXPECT_EQ(db.entryCount(), 0u);
        EXPECT_EQ(stats, before);
    }
    {  // ends inside the statistics block: only the bytes present overlay the record
        Bytes full = head("x", 49, 6, 0, {0, 0x0304, 9, 9, 9, 9, 9, 9});
        DrawDatabase db;
        StatisticsSettings stats = before;
        db.loadFromBytes(Bytes(full.begin(), full.begin() + 41 + 3), stats);
        stats = db.statistics();
        EXPECT_EQ(stats.hotPickMode, 0);
        EXPECT_EQ(stats.coldPickMode, 0x0104);
        EXPECT_EQ(stats.toDate, before.toDate);
    }
    {  // ends inside the second of three entries: bytes present are kept, the rest is zero
        Bytes file = head("x", 49, 6, 3);
        putEntry(file, {1, 2, 3, 4, 5, 6}, {7}, 2, 5, 4);
        putEntry(file, {8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, {18}, 2, 3, 2004);
        file.resize(57 + 32 + 15);
        DrawDatabase db;
        StatisticsSettings stats;
        db.loadFromBytes(file, stats);
        stats = db.statistics();
        ASSERT_EQ(db.entryCount(), 3u);
        EXPECT_EQ(db.entry(0), draw(2, 5, 2004, {1, 2, 3, 4, 5, 6}, {7}));
        EXPECT_EQ(db.entry(1).numbers[6], 14);
        EXPECT_EQ(db.entry(1).numbers[7], 15) << "low byte of a cut field is kept";
        EXPECT_EQ(db.entry(1).numbers[8], 0);
        EXPECT_EQ(db.entry(2), TicketType{});
        EXPECT_EQ(db.updateLink(), "");
        EXPECT_EQ(db.toBytes().size(), 57u + 96u);
    }
}

TEST(DrawDatabase, UpdateLinkIsClippedLatin1Text) {
    Bytes file = head("x", 49, 6, 0);
    file.push_back(0xE9);
    for (int i = 0; i < 300; ++i) file.push_back('a');
    DrawDatabase db;
    StatisticsSettings stats;
    db.loadFromBytes(file, stats);
    stats = db.statistics();
    EXPECT_EQ(db.updateLink(), "\xC3\xA9" + std::string(198, 'a'));
    Bytes saved = db.toBytes();
    EXPECT_EQ(saved.size(), 57u + 199u);
    EXPECT_EQ(saved[57], 0xE9);

    db.setUpdateLink(std::string(250, 'b'));
    EXPECT_EQ(db.updateLink(), std::string(199, 'b'));
    EXPECT_TRUE(db.isModified());

    Bytes withNul = head("x", 49, 6, 0);
    withNul.insert(withNul.end(), {'h', 't', 0, 'z'});
    db.loadFromBytes(withNul, stats);
    stats = db.statistics();
    EXPECT_EQ(db.updateLink(), "ht");
}

TEST(DrawDatabase, InsertPlacesByDateAfterEqualDates) {
    DrawDatabase db;
    EXPECT_EQ(db.insert(draw(2, 3, 2004, {5})), 0u) << "empty database";
    EXPECT_EQ(db.entryCount(), 1u);
    EXPECT_TRUE(db.isModified());

    db.replace(db.header(), {draw(2, 5, 2004), draw(2, 3, 2004), draw(1, 31, 2004)});
    EXPECT_EQ(db.insert(draw(2, 3, 2004, {9})), 2u);
    EXPECT_EQ(db.entry(2).numbers[0], 9);
    EXPECT_EQ(db.insert(draw(3, 1, 2004)), 0u);
    EXPECT_EQ(db.insert(draw(1, 1, 1999)), 5u) << "the oldest goes at the end";
    EXPECT_EQ(db.header().entryCount, 6);
}

TEST(DrawDatabase, NumbersInLottoIsRaisedOnlyWithinTableRange) {
    DrawDatabase db;
    ASSERT_EQ(db.header().numbersInLotto, 49);
    db.insert(draw(1, 1, 2004, {3, 52, 0, 99}));  // 99 lies past the list's end
    EXPECT_EQ(db.header().numbersInLotto, 52);
    db.insert(draw(1, 1, 2004, {1, 2}, {60}));
    EXPECT_EQ(db.header().numbersInLotto, 60);
    db.insert(draw(1, 1, 2004, {101, 5000, -3}, {101}));
    EXPECT_EQ(db.header().numbersInLotto, 60) << "never above 100";
    db.insert(draw(1, 1, 2004, {100}));
    EXPECT_EQ(db.header().numbersInLotto, 100);

    EXPECT_TRUE(hasOnlyIndexableNumbers(draw(1, 1, 2004, {0, 100, 1}, {0, 0, 100})));
    EXPECT_FALSE(hasOnlyIndexableNumbers(draw(1, 1, 2004, {1, 0, 101})));
    EXPECT_FALSE(hasOnlyIndexableNumbers(draw(1, 1, 2004, {1}, {0, 0, -1})));
}

TEST(DrawDatabase, InsertIsRefusedWhenFull) {
    DrawDatabase db;
    db.replace(db.header(), std::vector<TicketType>(DrawDatabase::kMaxEntries + 5));
    ASSERT_EQ(db.entryCount(), DrawDatabase::kMaxEntries);
    EXPECT_EQ(db.header().entryCount, 65535);
    db.setModified(false);
    EXPECT_FALSE(db.insert(draw(1, 1, 2004, {77})).has_value());
    EXPECT_EQ(db.entryCount(), DrawDatabase::kMaxEntries);
    EXPECT_EQ(db.header().numbersInLotto, 49);
    EXPECT_FALSE(db.isModified());
}

TEST(DrawDatabase, InsertAllStopsWhenFullAndItsDrawsCanBeTakenBackExactly) {
    DrawDatabase db;
    db.replace(db.header(), {draw(2, 5, 2004, {1}), draw(2, 3, 2004, {2}), draw(1, 31, 2004, {3})});
    const std::vector<TicketType> before = db.entries();
    // Interleaved with the entries, one equal to an existing draw, one newest, one oldest.
    const std::vector<TicketType> added = {draw(2, 4, 2004, {4}), draw(2, 3, 2004, {2}),
                                           draw(3, 1, 2004, {5}), draw(1, 1, 1999, {6})};
    const InsertOutcome outcome = db.insertAll(added);
    EXPECT_EQ(outcome.added, 4u);
    EXPECT_FALSE(outcome.full());
    ASSERT_EQ(outcome.positions, (std::vector<std::size_t>{0, 2, 4, 6}));
    for (std::size_t i = 0; i < outcome.positions.size(); ++i)
        EXPECT_NE(std::find(added.begin(), added.end(), db.entry(outcome.positions[i])),
                  added.end());

    db.removeEntries(outcome.positions);
    EXPECT_EQ(db.entries(), before) << "the existing draw of the same date stays";
    EXPECT_EQ(db.header().entryCount, 3);
    db.removeEntries({7, 99});  // past the end: nothing
    EXPECT_EQ(db.entryCount(), 3u);

    DrawDatabase full;
    full.replace(full.header(), std::vector<TicketType>(kMaxDatabaseEntries - 1));
    const InsertOutcome partly =
        full.insertAll({draw(1, 1, 2004), draw(1, 2, 2004), draw(1, 3, 2004)});
    EXPECT_EQ(partly.added, 1u);
    EXPECT_EQ(partly.refused, 2u);
    EXPECT_TRUE(partly.full());
    EXPECT_EQ(partly.positions.size(), 1u);
}

TEST(DrawDatabase, PreviewMarksShortAndRepeatedDraws) {
    DrawDatabase db;
    db.replace(db.header(), {draw(2, 5, 2004, {3, 12, 19, 27, 33, 41})});
    const std::vector<PreviewRow> rows = previewDraws(
        db, {draw(2, 5, 2004, {41, 33, 27, 19, 12, 3}, {7}),  // same draw, numbers reordered
             draw(2, 6, 2004, {3, 12, 19, 27, 33, 41}),       // another date
             draw(3, 9, 2017, {28, 40, 44, 12}),              // too few numbers
             draw(2, 6, 2004, {3, 12, 19, 27, 33, 41})});     // repeated within the text
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0].duplicate && !rows[0].incomplete);
    EXPECT_TRUE(rows[1].tickedByDefault());
    EXPECT_TRUE(rows[2].incomplete && !rows[2].duplicate);
    EXPECT_TRUE(rows[3].duplicate);
    EXPECT_EQ(tickedDraws(rows, {false, true, true}),
              (std::vector<TicketType>{rows[1].draw, rows[2].draw}));
}

TEST(DrawDatabase, SortOrdersNewestFirstWithAscendingNumbers) {
    DrawDatabase db;
    db.replace(db.header(),
               {draw(1, 1, 2003, {9, 3, 41, 0, 2}, {8, 1}), draw(6, 1, 2004), draw(3, 15, 2004)});
    db.setModified(false);
    ScriptedReporter progress;
    EXPECT_TRUE(db.sort(&progress));
    EXPECT_EQ(datesOf(db), (std::vector<Date>{{6, 1, 2004}, {3, 15, 2004}, {1, 1, 2003}}));
    EXPECT_EQ(db.entry(2), draw(1, 1, 2003, {3, 9, 41, 0, 2}, {8, 1}));
    EXPECT_FALSE(db.isModified());
    EXPECT_EQ(progress.caption, "Sorting database entries...");
    EXPECT_EQ(progress.shown, (std::vector<int>{0, 33, 66}));
    EXPECT_EQ(progress.polls, 3);
    EXPECT_EQ(progress.opened, 1);
    EXPECT_EQ(progress.closed, 1);
}

TEST(DrawDatabase, SortMatchesSelectionSortIncludingCancel) {
    std::mt19937 rng(12345);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 40; ++round) {
        const int n = round < 4 ? round : pick(4, 400);
        std::vector<TicketType> entries(n);
        for (auto& t : entries) {
            // Few distinct dates so that ties are common; now and then a damaged date.
            t.setDate(Date{std::int16_t(pick(1, 3)), std::int16_t(pick(1, 2)),
                           std::int16_t(pick(2003, 2004))});
            if (pick(0, 20) == 0) t.month = std::int16_t(pick(-32768, 32767));
            for (auto& v : t.numbers) v = std::int16_t(pick(0, 6) == 0 ? 0 : pick(1, 49));
            t.bonus[0] = std::int16_t(pick(0, 49));
        }
        std::vector<long long> cancels = {-1, 1, 2, n / 2, n - 1, n};
        for (long long cancelOn : cancels) {
            std::vector<TicketType> expected = entries;
            ScriptedReporter refProgress, fastProgress;
            refProgress.cancelOnPoll = fastProgress.cancelOnPoll = cancelOn;
            bool refDone = reference::selectionSortEntries(expected, &refProgress);

            DrawDatabase db;
            db.replace(db.header(), entries);
            bool done = db.sort(&fastProgress);
            ASSERT_EQ(done, refDone) << "n=" << n << " cancel=" << cancelOn;
            ASSERT_EQ(db.entries(), expected) << "n=" << n << " cancel=" << cancelOn;
            ASSERT_EQ(fastProgress.shown, refProgress.shown);
            ASSERT_EQ(fastProgress.polls, refProgress.polls);
        }
        DrawDatabase db;
        db.replace(db.header(), entries);
        std::vector<TicketType> expected = entries;
        reference::selectionSortEntries(expected, nullptr);
        ASSERT_TRUE(db.sort(nullptr));
        ASSERT_EQ(db.entries(), expected);
    }
}

TEST(DrawDatabase, FailedSaveKeepsOldFileAndModifiedFlag) {
    TempDir dir;
    // The atomic save writes a temporary ".name.XXXXXX" beside the target; with a 250-byte
    // name that temporary name exceeds the file-name limit, so the save fails even as root.
    std::string path = dir.file(std::string(250, 'n'));
    Bytes old = {'o', 'l', 'd'};
    ASSERT_TRUE(writeFileAtomic(dir.file("short"), old).ok());
    fs::rename(dir.file("short"), path);

    DrawDatabase db;
    db.insert(draw(1, 1, 2004));
    db.setFileName(path);
    EXPECT_FALSE(db.save().ok());
    EXPECT_TRUE(db.isModified());
    EXPECT_EQ(readWholeFile(path), old);

    std::string elsewhere = dir.file("sub");  // a directory cannot be replaced by a file
    fs::create_directory(elsewhere);
    EXPECT_FALSE(db.saveAs(elsewhere).ok());
    EXPECT_EQ(db.fileName(), path);
    EXPECT_TRUE(fs::is_directory(elsewhere));
    EXPECT_EQ(dir.fileCount(), 2u) << "no temporary file is left behind";

    DrawDatabase unnamed;
    EXPECT_FALSE(unnamed.save().ok());
}
