#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/database/draw_database.h"
#include "core/database/import_undo.h"

using namespace qv;

namespace {

// A draw told apart by its date, 2020-01-`day`.
TicketType drawOn(int day) {
    TicketType t;
    for (int i = 0; i < 6; ++i) t.numbers[std::size_t(i)] = std::int16_t(i + 1 + day % 40);
    t.setDate(Date{1, std::int16_t(day), 2020});
    return t;
}

std::vector<int> daysOf(const DrawDatabase& db) {
    std::vector<int> days;
    for (const TicketType& t : db.entries()) days.push_back(t.day);
    return days;
}

// One step of what the user does to the open database.
struct Step {
    enum Kind { Import, Forget, Undo, Tamper, Shorten } kind;
    std::vector<int> days;  // the draws an import adds
};

struct Case {
    std::string name;
    std::vector<Step> steps;
    std::vector<int> after;  // the database's days, newest first
    bool available;          // whether something can still be taken back
    std::size_t lastUndo;    // what the last Undo step removed
};

class ImportUndoRule : public testing::TestWithParam<Case> {};

TEST_P(ImportUndoRule, TakesBackExactlyTheLastImport) {
    const Case& c = GetParam();
    DrawDatabase db;
    db.replace(DataHeader{}, {drawOn(20), drawOn(10), drawOn(1)});
    ImportUndo undo;
    std::size_t removed = 0;
    for (const Step& step : c.steps) {
        switch (step.kind) {
            case Step::Import: {
                std::vector<TicketType> draws;
                for (int d : step.days) draws.push_back(drawOn(d));
                undo.imported(db, db.insertAll(draws));
                break;
            }
            case Step::Forget:
                undo.forget();
                break;
            case Step::Undo:
                removed = undo.undo(db);
                break;
            case Step::Tamper: {
                // An edit this was not told of: the newest draw is replaced.
                std::vector<TicketType> entries = db.entries();
                entries.front() = drawOn(31);
                db.replace(db.header(), entries);
                break;
            }
            case Step::Shorten: {
                // The two oldest draws deleted behind its back.
                std::vector<TicketType> entries = db.entries();
                entries.resize(entries.size() - 2);
                db.replace(db.header(), entries);
                break;
            }
        }
    }
    EXPECT_EQ(daysOf(db), c.after);
    EXPECT_EQ(undo.available(), c.available);
    EXPECT_EQ(removed, c.lastUndo);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ImportUndoRule,
    testing::Values(Case{"NothingImported", {{Step::Undo, {}}}, {20, 10, 1}, false, 0},
                    Case{"ImportThenUndo",
                         {{Step::Import, {15, 25, 5}}, {Step::Undo, {}}},
                         {20, 10, 1},
                         false,
                         3},
                    Case{"ImportKeptUntilUndone", {{Step::Import, {15}}}, {20, 15, 10, 1}, true, 0},
                    // Only the second import goes; the first one's draw stays.
                    Case{"SecondImportReplacesTheFirst",
                         {{Step::Import, {15}}, {Step::Import, {25, 2}}, {Step::Undo, {}}},
                         {20, 15, 10, 1},
                         false,
                         2},
                    Case{"UndoTwiceTakesBackOnce",
                         {{Step::Import, {15}}, {Step::Undo, {}}, {Step::Undo, {}}},
                         {20, 10, 1},
                         false,
                         0},
                    Case{"OtherChangeForgets",
                         {{Step::Import, {15}}, {Step::Forget, {}}, {Step::Undo, {}}},
                         {20, 15, 10, 1},
                         false,
                         0},
                    // An insert that added nothing keeps the import before it.
                    Case{"EmptyImportKeepsTheEarlierOne",
                         {{Step::Import, {15}}, {Step::Import, {}}, {Step::Undo, {}}},
                         {20, 10, 1},
                         false,
                         1},
                    // A draw equal to one already there: exactly the added copy goes.
                    Case{"DuplicateDrawRemovesOnlyTheCopy",
                         {{Step::Import, {10}}, {Step::Undo, {}}},
                         {20, 10, 1},
                         false,
                         1},
                    // The draws are no longer where they were put: nothing is removed.
                    Case{"ChangedBehindItsBackRemovesNothing",
                         {{Step::Import, {25}}, {Step::Tamper, {}}, {Step::Undo, {}}},
                         {31, 20, 10, 1},
                         false,
                         0},
                    // The draw put third is now just past the end: nothing is removed.
                    Case{"ShortenedBehindItsBackRemovesNothing",
                         {{Step::Import, {5}}, {Step::Shorten, {}}, {Step::Undo, {}}},
                         {20, 10},
                         false,
                         0}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(ImportUndo, AFullDatabaseTakesBackOnlyWhatWentIn) {
    DrawDatabase db;
    db.replace(DataHeader{}, std::vector<TicketType>(DrawDatabase::kMaxEntries - 1, drawOn(1)));
    ImportUndo undo;
    const InsertOutcome outcome = db.insertAll({drawOn(5), drawOn(6)});
    ASSERT_EQ(outcome.added, 1u);
    undo.imported(db, outcome);
    EXPECT_EQ(undo.count(), 1u);
    EXPECT_EQ(undo.undo(db), 1u);
    EXPECT_EQ(db.entryCount(), DrawDatabase::kMaxEntries - 1);
    EXPECT_EQ(db.entry(0), drawOn(1));
}

}  // namespace
