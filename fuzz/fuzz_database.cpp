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
    // A count far beyond the data only adds zero records (the unit tests check that); keep
    // the work for each input in proportion to its size so the search stays fast.
    constexpr std::size_t kCountOffset = qv::DataHeader::kSize - 2;
    if (bytes.size() >= kCountOffset + 2) {
        const std::size_t claimed = bytes[kCountOffset] | (bytes[kCountOffset + 1] << 8);
        const std::size_t bound = bytes.size() / qv::TicketType::kSize + 64;
        if (claimed > bound) {
            bytes[kCountOffset] = static_cast<std::uint8_t>(bound & 0xFF);
            bytes[kCountOffset + 1] = static_cast<std::uint8_t>(bound >> 8);
        }
    }
    qv::DrawDatabase db;
    db.loadFromBytes(bytes);
    if (db.header().entryCount != db.entryCount()) std::abort();

    // What a save writes must load back to the same state.
    qv::Bytes saved = db.toBytes();
    qv::DrawDatabase again;
    again.loadFromBytes(saved);
    if (again.toBytes() != saved) std::abort();

    qv::TicketType extra;
    if (db.entryCount() > 0) extra = db.entry(db.entryCount() - 1);
    extra.numbers[0] = static_cast<std::int16_t>(size);
    auto place = db.insert(extra);
    if (place && !(db.entry(*place) == extra)) std::abort();

    CancelAt reporter;
    reporter.cancelOn = size > 0 ? data[0] : 0;
    if (!db.sort(&reporter)) return 0;
    // After a full sort no entry is later than the one before it.
    for (std::size_t i = 1; i < db.entryCount(); ++i)
        if (qv::isLater(db.entry(i).date(), db.entry(i - 1).date())) std::abort();
    return 0;
}
