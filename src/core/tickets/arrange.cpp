#include "core/tickets/arrange.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "core/statistics/selection_order.h"
#include "core/tickets/matching.h"
#include "core/util/file_io.h"

namespace qv {

namespace {

using Order = std::vector<std::uint32_t>;

template <typename T>
void permute(std::vector<T>& v, const Order& order) {
    if (v.size() != order.size()) return;
    std::vector<T> out;
    out.reserve(v.size());
    for (std::uint32_t from : order) out.push_back(v[from]);
    v.swap(out);
}

void permuteAll(const Order& order, std::vector<TicketType>& tickets, std::vector<TicketType>* rows,
                std::vector<int>* labels) {
    permute(tickets, order);
    if (rows) permute(*rows, order);
    if (labels) permute(*labels, order);
}

Order identity(std::size_t n) {
    Order order(n);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

}  // namespace

int resultKey(const TicketType& ticket, const TicketType& winning) {
    const MatchResult m = MatchTicket(ticket, winning);
    return m.MainHits * 16 + m.BonusHits;
}

std::size_t arrangeTicketsByResult(std::vector<TicketType>& tickets, std::vector<TicketType>* rows,
                                   std::vector<int>* labels, const TicketType& winning,
                                   ProgressReporter* progress, const std::string& caption) {
    const std::size_t n = tickets.size();
    std::vector<int> key(n);
    for (std::size_t k = 0; k < n; ++k) key[k] = resultKey(tickets[k], winning);
    Order order = identity(n);
    ProgressLoop loop(progress, caption, static_cast<long long>(n));
    const std::size_t done = selectionSortLargestFirst(
        order, [&key](std::uint32_t from) { return key[from]; },
        [&loop](std::size_t position) { return loop.unitDone(static_cast<long long>(position)); });
    loop.finish();
    permuteAll(order, tickets, rows, labels);
    return done;
}

void TicketOrder::attach(std::size_t count) {
    labels_.resize(count);
    std::iota(labels_.begin(), labels_.end(), 1);
    byNumber_ = true;
}

bool TicketOrder::arrangeByResult(std::vector<TicketType>& tickets, std::vector<TicketType>* rows,
                                  const TicketType& winning, ProgressReporter* progress,
                                  const std::string& caption) {
    if (!byNumber_) return false;
    if (labels_.size() != tickets.size()) attach(tickets.size());
    arrangeTicketsByResult(tickets, rows, &labels_, winning, progress, caption);
    byNumber_ = false;
    return true;
}

bool TicketOrder::arrangeByNumber(std::vector<TicketType>& tickets, std::vector<TicketType>* rows) {
    if (byNumber_) return false;
    if (labels_.size() != tickets.size()) {
        attach(tickets.size());
        return true;
    }
    // The selection of the smallest label, the first one found winning a tie.
    Order order = identity(tickets.size());
    selectionSortLargestFirst(
        order, [this](std::uint32_t from) { return -static_cast<long long>(labels_[from]); },
        [](std::size_t) { return false; });
    permuteAll(order, tickets, rows, &labels_);
    byNumber_ = true;
    return true;
}

std::string exportText(const std::vector<TicketType>& tickets) {
    std::string out;
    out.reserve(tickets.size() * 24);
    for (const TicketType& t : tickets) {
        for (std::int16_t n : t.numbers) {
            if (n == 0) break;
            out += std::to_string(n);
            out += ' ';
        }
        for (std::int16_t b : t.bonus) {
            if (b == 0) break;
            out += std::to_string(b);
            out += ' ';
        }
        out += '\n';
    }
    return out;
}

IoResult writeExport(const std::string& path, const std::string& text, bool append) {
    if (!append) return writeFileAtomic(path, text);
    // What is already in the file is never rewritten: the lines are added at its end.
    std::FILE* f = std::fopen(path.c_str(), "ab");
    if (!f)
        return IoResult::failure(IoStatus::CannotWrite,
                                 "Cannot open " + path + ": " + std::strerror(errno));
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed)
        return IoResult::failure(IoStatus::CannotWrite, "Cannot write " + path + ".");
    return IoResult::success();
}

}  // namespace qv
