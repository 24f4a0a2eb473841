#include "core/tickets/best_match.h"

#include <algorithm>
#include <array>
#include <bit>

namespace qv {

namespace {

using Word = std::uint64_t;

// Numbers as bits: bit n stands for number n (1..kMaxMatchNumber).
struct Numbers {
    Word w[2] = {0, 0};

    void set(int n) { w[n >> 6] |= Word{1} << (n & 63); }
    Numbers& operator|=(const Numbers& o) {
        w[0] |= o.w[0];
        w[1] |= o.w[1];
        return *this;
    }
    int countIn(const Numbers& o) const {
        return std::popcount(w[0] & o.w[0]) + std::popcount(w[1] & o.w[1]);
    }
};
static_assert(kMaxMatchNumber < 128);

// C(n, k) for the numbers and set sizes counted here: every value fits in 64 bits.
struct Binomials {
    std::array<std::array<std::uint64_t, kMaxMatchSetSize + 1>, kMaxMatchNumber + 1> c{};
    Binomials() {
        for (int n = 0; n <= kMaxMatchNumber; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= kMaxMatchSetSize; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    std::uint64_t operator()(int n, int k) const {
        if (n < 0 || k < 0 || k > kMaxMatchSetSize) return 0;
        return c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};
const Binomials& binomials() {
    static const Binomials table;
    return table;
}

// Calls f(ticket) for every ticket in the bit set.
template <typename F>
void forEachTicket(const Word* set, int words, F&& f) {
    for (int i = 0; i < words; ++i)
        for (Word bits = set[i]; bits; bits &= bits - 1)
            f(i * 64 + std::countr_zero(bits));
}

class BestMatchSearch {
public:
    BestMatchSearch(const std::vector<NumberSet>& tickets, int numberCount,
                    const std::vector<int>& sizes)
        : numberCount_(numberCount), sizes_(sizes) {
        const int ticketCount = static_cast<int>(tickets.size());
        words_ = std::max(1, (ticketCount + 63) / 64);
        holders_.assign(static_cast<std::size_t>((numberCount_ + 1) * words_), 0);
        all_.assign(static_cast<std::size_t>(words_), 0);
        // Tickets by their highest number, so those that can still change after a number
        // are the words from some point on.
        std::vector<std::pair<int, Numbers>> byHighest;
        for (const NumberSet& ticket : tickets) {
            Numbers mine;
            int highest = 0;
            for (int n : ticket)
                if (n >= 1 && n <= numberCount_) {
                    mine.set(n);
                    highest = std::max(highest, n);
                }
            byHighest.emplace_back(highest, mine);
        }
        std::stable_sort(byHighest.begin(), byHighest.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        int largest = 0;
        for (const auto& ticket : byHighest) numbersOf_.push_back(ticket.second);
        for (int x = 0, t = 0; x <= numberCount_; ++x) {
            while (t < ticketCount && byHighest[static_cast<std::size_t>(t)].first <= x) ++t;
            firstWord_.push_back(t < ticketCount ? t >> 6 : words_);
        }
        for (int t = 0; t < ticketCount; ++t) {
            const Numbers& mine = numbersOf_[static_cast<std::size_t>(t)];
            for (int n = 1; n <= numberCount_; ++n)
                if ((mine.w[n >> 6] >> (n & 63)) & 1u) holder(n)[t >> 6] |= Word{1} << (t & 63);
            largest = std::max(largest, mine.countIn(mine));
            all_[static_cast<std::size_t>(t >> 6)] |= Word{1} << (t & 63);
        }
        planes_ = std::max(1, static_cast<int>(std::bit_width(static_cast<unsigned>(largest))));
        for (int x = 0; x <= numberCount_; ++x) {
            Numbers& a = above_[static_cast<std::size_t>(x)];
            for (int n = x + 1; n <= numberCount_; ++n) a.set(n);
        }
        for (int r : sizes_) {
            counts_.push_back(BestMatchCounts{r, std::vector<std::uint64_t>(
                                                     static_cast<std::size_t>(std::max(r, 0) + 1), 0)});
            if (r >= 1 && r <= kMaxMatchSetSize && r <= numberCount_) largest_ = std::max(largest_, r);
        }
        const std::size_t depths = static_cast<std::size_t>(std::max(largest_, 1));
        stack_.assign(depths * static_cast<std::size_t>(planes_ * words_), 0);
        leaders_.assign(static_cast<std::size_t>(words_), 0);
        runnersUp_.assign(static_cast<std::size_t>(words_), 0);
    }

    std::optional<std::vector<BestMatchCounts>> run(ProgressReporter* progress,
                                                    const std::string& caption) {
        if (largest_ == 0) return counts_;
        const std::uint64_t total = binomials()(numberCount_, largest_);
        ProgressLoop loop(progress, caption, static_cast<long long>(total));
        loop_ = &loop;
        // Progress is told, and a cancel polled, at the beginnings this deep: deep enough to
        // come often, shallow enough to cost nothing beside the work under them.
        progressDepth_ = std::max(0, largest_ - 4);
        visit(0, 0, stack_.data());
        loop_ = nullptr;
        if (cancelled_) return std::nullopt;
        return counts_;
    }

private:
    Word* holder(int n) { return &holders_[static_cast<std::size_t>(n * words_)]; }
    const Word* holder(int n) const { return &holders_[static_cast<std::size_t>(n * words_)]; }

    // The best count among the tickets at this node, the tickets that have it (leaders_),
    // those one below it (runnersUp_), and the numbers of the leaders.
    int rank(const Word* planes, Numbers& leaderNumbers) {
        int best = 0;
        std::copy(all_.begin(), all_.end(), leaders_.begin());
        for (int b = planes_ - 1; b >= 0; --b) {
            const Word* plane = planes + b * words_;
            Word any = 0;
            for (int i = 0; i < words_; ++i) any |= leaders_[static_cast<std::size_t>(i)] & plane[i];
            if (!any) continue;
            for (int i = 0; i < words_; ++i) leaders_[static_cast<std::size_t>(i)] &= plane[i];
            best |= 1 << b;
        }
        std::fill(runnersUp_.begin(), runnersUp_.end(), 0);
        if (best > 0) {
            const int below = best - 1;
            for (int i = 0; i < words_; ++i) {
                Word w = all_[static_cast<std::size_t>(i)];
                for (int b = 0; b < planes_; ++b) {
                    const Word p = planes[b * words_ + i];
                    w &= ((below >> b) & 1) ? p : ~p;
                }
                runnersUp_[static_cast<std::size_t>(i)] = w;
            }
        }
        leaderNumbers = Numbers{};
        forEachTicket(leaders_.data(), words_, [&](int t) {
            leaderNumbers |= numbersOf_[static_cast<std::size_t>(t)];
        });
        return best;
    }

    // The sets that complete this node's beginning (ending at `last`, best count `best`)
    // with two more numbers x < y. Taking x either lifts some leader (the best becomes
    // best + 1, led by the leaders holding x) or not (the leaders stay, joined by the
    // runners-up holding x); then y lifts the best once more exactly when a new leader holds it.
    void countPairs(int last, int best, const Numbers& leaderNumbers,
                    std::vector<std::uint64_t>& counts) const {
        for (int x = last + 1; x < numberCount_; ++x) {
            const Word* h = holder(x);
            // Only tickets whose highest number is x or more hold x.
            const int from = firstWord_[static_cast<std::size_t>(x - 1)];
            Numbers lifting;
            bool lifted = false;
            for (int i = from; i < words_; ++i) {
                for (Word bits = leaders_[static_cast<std::size_t>(i)] & h[i]; bits; bits &= bits - 1) {
                    lifting |= numbersOf_[static_cast<std::size_t>(i * 64 + std::countr_zero(bits))];
                    lifted = true;
                }
            }
            int after = best + 1;
            if (!lifted) {
                after = best;
                lifting = leaderNumbers;
                for (int i = from; i < words_; ++i)
                    for (Word bits = runnersUp_[static_cast<std::size_t>(i)] & h[i]; bits; bits &= bits - 1)
                        lifting |= numbersOf_[static_cast<std::size_t>(i * 64 + std::countr_zero(bits))];
            }
            const int ys = numberCount_ - x;
            const int up = lifting.countIn(above_[static_cast<std::size_t>(x)]);
            counts[static_cast<std::size_t>(after + 1)] += static_cast<std::uint64_t>(up);
            counts[static_cast<std::size_t>(after)] += static_cast<std::uint64_t>(ys - up);
        }
    }

    void visit(int depth, int last, const Word* planes) {
        int deepest = 0;  // the smallest size still needing three or more numbers
        bool ranked = false;
        int best = 0;
        Numbers leaderNumbers;
        for (std::size_t s = 0; s < sizes_.size(); ++s) {
            const int r = sizes_[s];
            if (r < 1 || r > largest_) continue;
            const int rest = r - depth;
            if (rest >= 3) {
                if (deepest == 0 || r < deepest) deepest = r;
                continue;
            }
            // A set of one number is counted at the start; longer ones two numbers before
            // their end.
            if (rest != 2 && !(rest == 1 && depth == 0)) continue;
            if (!ranked) {
                best = rank(planes, leaderNumbers);
                ranked = true;
            }
            std::vector<std::uint64_t>& counts = counts_[s].counts;
            if (rest == 2) {
                countPairs(last, best, leaderNumbers, counts);
            } else {
                const int up = leaderNumbers.countIn(above_[0]);
                counts[static_cast<std::size_t>(best + 1)] += static_cast<std::uint64_t>(up);
                counts[static_cast<std::size_t>(best)] +=
                    static_cast<std::uint64_t>(numberCount_ - up);
            }
        }
        if (deepest != 0) {
            const std::size_t slab = static_cast<std::size_t>(planes_ * words_);
            Word* child = stack_.data() + static_cast<std::size_t>(depth + 1) * slab;
            const int lastX = numberCount_ - (deepest - depth - 1);
            for (int x = last + 1; x <= lastX && !cancelled_; ++x) {
                const Word* h = holder(x);
                for (int i = 0; i < words_; ++i) {
                    Word carry = h[i];
                    for (int b = 0; b < planes_; ++b) {
                        const Word p = planes[b * words_ + i];
                        child[b * words_ + i] = p ^ carry;
                        carry &= p;
                    }
                }
                visit(depth + 1, x, child);
            }
        }
        if (depth == progressDepth_ && !cancelled_) {
            done_ += binomials()(numberCount_ - last, largest_ - depth);
            cancelled_ = loop_->unitDone(static_cast<long long>(done_));
        }
    }

    int numberCount_;
    std::vector<int> sizes_;
    int words_ = 1;
    int planes_ = 1;
    int largest_ = 0;
    std::vector<Numbers> numbersOf_;  // by highest number, ascending
    // Per number x, the first word holding a ticket whose highest number is above x.
    std::vector<int> firstWord_;
    std::vector<Word> holders_;  // per number, the tickets holding it
    std::vector<Word> all_;
    std::array<Numbers, kMaxMatchNumber + 1> above_{};
    std::vector<Word> stack_;  // the bit planes of each depth
    std::vector<Word> leaders_;
    std::vector<Word> runnersUp_;
    std::vector<BestMatchCounts> counts_;
    ProgressLoop* loop_ = nullptr;
    int progressDepth_ = 0;
    std::uint64_t done_ = 0;
    bool cancelled_ = false;
};

}  // namespace

std::optional<std::vector<BestMatchCounts>> countBestMatches(const std::vector<NumberSet>& tickets,
                                                             int numberCount,
                                                             const std::vector<int>& sizes,
                                                             ProgressReporter* progress,
                                                             const std::string& caption) {
    numberCount = std::clamp(numberCount, 0, kMaxMatchNumber);
    BestMatchSearch search(tickets, numberCount, sizes);
    return search.run(progress, caption);
}

}  // namespace qv
