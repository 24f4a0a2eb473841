// Draw database files: decoding arbitrary bytes, writing them back, inserting and sorting.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/database/draw_database.h"

namespace {

// Cancels at a poll chosen by the input (0: never), so partial sorts are exercised too.
struct CancelAt : qv::ProgressReporter {
    long long cancelOn = 0;
    long long polls = 0;
    void open(const std::string&) override {}
    void show(int percent) override {
        if (percent < 0 || percent > 99) std::abort();
    }
    bool cancelled() override { return ++polls == cancelOn; }
    void close() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qv::Bytes bytes(data, data + size);
    qv::StatisticsSettings stats;
    qv::DrawDatabase db;
    db.loadFromBytes(bytes, stats);
    if (db.header().entryCount != db.entryCount()) std::abort();

    // What a save writes must load back to the same state.
    qv::Bytes saved = db.toBytes(stats);
    qv::DrawDatabase again;
    qv::StatisticsSettings stats2;
    again.loadFromBytes(saved, stats2);
    if (again.toBytes(stats2) != saved) std::abort();

    qv::TicketType extra;
    if (db.entryCount() > 0) extra = db.entry(db.entryCount() - 1);
    extra.numbers[0] = static_cast<std::int16_t>(size);
    auto place = db.insert(extra);
    if (place && !(db.entry(*place) == extra)) std::abort();

    // Large counts mostly repeat zero records: decoding them is checked above, and sorting
    // tens of thousands of them per input would slow the search for anything new.
    if (db.entryCount() > 4096) return 0;
    CancelAt reporter;
    reporter.cancelOn = size > 0 ? data[0] : 0;
    if (!db.sort(&reporter)) return 0;
    // After a full sort no entry is later than the one before it.
    for (std::size_t i = 1; i < db.entryCount(); ++i)
        if (qv::isLater(db.entry(i).date(), db.entry(i - 1).date())) std::abort();
    return 0;
}
