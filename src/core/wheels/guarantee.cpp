#include "core/wheels/guarantee.h"

#include <algorithm>
#include <array>
#include <bit>

namespace qv {

namespace {

constexpr int kMinCheckedPerTicket = 4;
constexpr int kMaxCheckedPerTicket = 6;

// Candidate numbers as bits: bit v stands for number v (1..kMaxCandidateNumbers).
struct Mask {
    std::uint64_t w[2] = {0, 0};

    bool test(int v) const { return (w[v >> 6] >> (v & 63)) & 1u; }
    void set(int v) { w[v >> 6] |= std::uint64_t{1} << (v & 63); }
    bool empty() const { return (w[0] | w[1]) == 0; }
    int lowest() const { return w[0] ? std::countr_zero(w[0]) : 64 + std::countr_zero(w[1]); }
    Mask& operator|=(const Mask& o) {
        w[0] |= o.w[0];
        w[1] |= o.w[1];
        return *this;
    }
    friend Mask operator&(const Mask& a, const Mask& b) {
        return Mask{{a.w[0] & b.w[0], a.w[1] & b.w[1]}};
    }
    friend Mask operator~(const Mask& a) { return Mask{{~a.w[0], ~a.w[1]}}; }
};
static_assert(kMaxCandidateNumbers < 128);

// Bits 0..count-1.
Mask lowBits(int count) {
    Mask m;
    if (count <= 0) return m;
    if (count >= 64) {
        m.w[0] = ~std::uint64_t{0};
        const int high = std::min(count - 64, 64);
        m.w[1] = high == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << high) - 1;
    } else {
        m.w[0] = (std::uint64_t{1} << count) - 1;
    }
    return m;
}

// Bits after+1..upto.
Mask bitsBetween(int after, int upto) {
    return lowBits(upto + 1) & ~lowBits(after + 1);
}

// C(n, k) for the candidate numbers and ticket sizes the check handles.
struct Binomials {
    std::array<std::array<long long, kMaxCheckedPerTicket + 1>, kMaxCandidateNumbers + 1> c{};
    Binomials() {
        for (int n = 0; n <= kMaxCandidateNumbers; ++n) {
            c[n][0] = 1;
            for (int k = 1; k <= kMaxCheckedPerTicket; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
    long long operator()(int n, int k) const {
        if (n < 0 || k < 0 || k > kMaxCheckedPerTicket || n < k) return 0;
        return c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
    }
};
const Binomials& binomials() {
    static const Binomials table;
    return table;
}

// A row as the check sees it: its distinct positions among the candidates, ascending.
struct RowSet {
    std::array<int, kMaxCheckedPerTicket> v{};
    int size = 0;
};

RowSet rowSet(const TicketType& row, int perTicket, int candidates) {
    RowSet set;
    for (int j = 0; j < perTicket && j < kMaxCheckedPerTicket; ++j) {
        const int p = row.numbers[static_cast<std::size_t>(j)];
        if (p < 1 || p > candidates) continue;
        // Kept ascending as it is built; a repeated position is left out.
        int at = set.size;
        while (at > 0 && set.v[static_cast<std::size_t>(at - 1)] > p) --at;
        if (at > 0 && set.v[static_cast<std::size_t>(at - 1)] == p) continue;
        for (int k = set.size; k > at; --k)
            set.v[static_cast<std::size_t>(k)] = set.v[static_cast<std::size_t>(k - 1)];
        set.v[static_cast<std::size_t>(at)] = p;
        ++set.size;
    }
    return set;
}

// The depth-first search over draws in lexicographic order. At a node of depth k the draw's
// first k members d[1..k] are fixed; `covered_[k]` says a row already holds G of them, and
// `reach_[k]` is the set of numbers x for which some row holds G of d[1..k] and x. A child
// whose first new member lies in reach_ is covered with everything below it, so whole runs of
// draws are counted without being looked at; the last member is settled a word at a time.
//
// How reach_ grows with each member depends on G:
//  - G - 1 <= 3: a table from every (G-1)-set of numbers that lies in a row to the union of
//    those rows; the new (G-1)-sets are the ones holding the new member.
//  - G - 1 >= 4: counters along the path, kept bit-sliced over the rows: held_[k][j] is the
//    set of rows holding at least j of d[1..k], one bit per row, and rowsAt_[v] the rows
//    holding v. A new member turns "at least j - 1" into "at least j" where its rows meet,
//    a word of rows at a time; the rows that reach G - 1 at this member add to reach_.
//  - G <= 0 or G > P: no table; rows cover everything (G <= 0) or nothing (G > P).
class Search {
public:
    Search(WheelInfo& wheel, const GuaranteeTerms& terms, GuaranteeObserver& observer)
        : wheel_(wheel),
          observer_(observer),
          n_(terms.numbersToWheel),
          p_(terms.numbersPerTicket),
          i_(terms.guaranteeIf),
          g_(terms.guarantee),
          m_(terms.candidateCount()),
          grow_(terms.canGrow()),
          c_(binomials()) {
        result_.total = c_(m_, p_);
        const int key = g_ - 1;
        // With fewer candidates than a draw holds there is nothing to visit or to index.
        if (g_ <= 0 || g_ > p_ || m_ < p_)
            kind_ = Kind::None;
        else if (key <= 3)
            kind_ = Kind::Table;
        else
            kind_ = Kind::Counters;
        stride_ = m_ + 1;
        if (kind_ == Kind::Table) {
            if (key == 1) table_.resize(static_cast<std::size_t>(stride_));
            if (key == 2) table_.resize(static_cast<std::size_t>(stride_ * stride_));
            if (key == 3) table_.resize(static_cast<std::size_t>(c_(m_, 3)));
        }
        if (kind_ == Kind::Counters)
            growWords(std::max<std::size_t>(1, (wheel_.rows.size() + 63) / 64));
        covered_[0] = g_ <= 0 && !wheel_.rows.empty();
        for (const TicketType& row : wheel_.rows) addRowSet(rowSet(row, p_, m_));
        if (kind_ == Kind::Table && key == 0) reach_[0] = whole_;
    }

    GuaranteeResult run() {
        if (m_ >= p_ && !visit(0)) return finish();
        if (!flushTo(result_.total)) return finish();
        result_.checked = result_.total;
        return finish();
    }

private:
    enum class Kind { None, Table, Counters };
    static constexpr int kStepsPerPoll = 1024;

    // --- rows -----------------------------------------------------------------------------

    Mask maskOf(const RowSet& set) const {
        Mask m;
        for (int j = 0; j < set.size; ++j) m.set(set.v[static_cast<std::size_t>(j)]);
        return m;
    }

    std::size_t tripleIndex(int a, int b, int c) const {
        return static_cast<std::size_t>((a - 1) + c_(b - 1, 2) + c_(c - 1, 3));
    }

    // Enters a row's positions in the structures the search reads.
    void addRowSet(const RowSet& set) {
        if (kind_ == Kind::None || set.size < g_) return;
        const Mask mask = maskOf(set);
        const auto& v = set.v;
        const int s = set.size;
        if (kind_ == Kind::Counters) {
            addCountedRow(mask, set, 0);
            return;
        }
        switch (g_ - 1) {
            case 0:
                whole_ |= mask;
                break;
            case 1:
                for (int a = 0; a < s; ++a) table_[static_cast<std::size_t>(v[a])] |= mask;
                break;
            case 2:
                for (int a = 0; a < s; ++a)
                    for (int b = a + 1; b < s; ++b)
                        table_[static_cast<std::size_t>(v[a] * stride_ + v[b])] |= mask;
                break;
            case 3:
                for (int a = 0; a < s; ++a)
                    for (int b = a + 1; b < s; ++b)
                        for (int c = b + 1; c < s; ++c)
                            table_[tripleIndex(v[a], v[b], v[c])] |= mask;
                break;
            default:
                break;
        }
    }

    // A draw of the current path, d[1..P-1] and x, becomes a row: it holds every member of the
    // path, so at depth j it counts j, covers from depth G on and reaches from depth G-1 on.
    void addDrawAsRow(int x, long long number) {
        TicketType row;
        for (int j = 1; j < p_; ++j)
            row.numbers[static_cast<std::size_t>(j - 1)] = static_cast<std::int16_t>(d_[j]);
        row.numbers[static_cast<std::size_t>(p_ - 1)] = static_cast<std::int16_t>(x);
        wheel_.rows.push_back(row);
        addedAt_.push_back(number);
        ++result_.rowsAdded;

        RowSet set;
        for (int j = 0; j < p_; ++j) set.v[static_cast<std::size_t>(j)] = row.numbers[j];
        set.size = p_;
        const Mask mask = maskOf(set);
        if (kind_ == Kind::Counters)
            addCountedRow(mask, set, p_ - 1);
        else
            addRowSet(set);
        for (int j = 0; j < p_; ++j) {
            if (j >= g_ - 1) reach_[j] |= mask;
            if (j >= g_) covered_[j] = true;
        }
    }

    // A row joins the counters. It holds d[1..pathDepth], so at each depth k up to there it
    // counts k (the deeper nodes of the path are built again before they are read).
    void addCountedRow(const Mask& mask, const RowSet& set, int pathDepth) {
        const std::size_t r = rowMasks_.size();
        rowMasks_.push_back(mask);
        if (r / 64 >= words_) growWords(std::max<std::size_t>(words_ * 2, r / 64 + 1));
        const std::size_t word = r / 64;
        const std::uint64_t bit = std::uint64_t{1} << (r % 64);
        for (int j = 0; j < set.size; ++j) rowsAt(set.v[static_cast<std::size_t>(j)])[word] |= bit;
        for (int k = 1; k <= pathDepth; ++k)
            for (int c = 1; c <= std::min(k, g_ - 1); ++c) held(k, c)[word] |= bit;
    }

    // Room for `words` words of rows in every bit set; the new words hold no row.
    void growWords(std::size_t words) {
        auto regrow = [&](std::vector<std::uint64_t>& sets, std::size_t count) {
            std::vector<std::uint64_t> wider(count * words, 0);
            for (std::size_t s = 0; s < count; ++s)
                std::copy_n(sets.begin() + static_cast<std::ptrdiff_t>(s * words_), words_,
                            wider.begin() + static_cast<std::ptrdiff_t>(s * words));
            sets.swap(wider);
        };
        regrow(rowsAt_, static_cast<std::size_t>(m_ + 1));
        regrow(held_, heldSets());
        words_ = words;
    }

    std::size_t heldSets() const { return static_cast<std::size_t>((p_ + 1) * g_); }
    std::uint64_t* rowsAt(int v) { return rowsAt_.data() + static_cast<std::size_t>(v) * words_; }
    std::uint64_t* held(int k, int c) {
        return held_.data() + static_cast<std::size_t>(k * g_ + c) * words_;
    }

    // The counters at depth k from those at depth k-1 once d[k] = v joins the path.
    void count(int k, int v) {
        const std::uint64_t* at = rowsAt(v);
        // Rows holding fewer than `least` of d[1..k] cannot reach G - 1 by the last member.
        const int least = std::max(1, g_ - p_ + k);
        const int most = std::min(k, g_ - 1);
        if (k < p_ - 1) {
            for (int c = most; c >= least; --c) {
                std::uint64_t* out = held(k, c);
                const std::uint64_t* same = held(k - 1, c);
                if (c == 1) {
                    for (std::size_t w = 0; w < words_; ++w) out[w] = same[w] | at[w];
                } else {
                    const std::uint64_t* fewer = held(k - 1, c - 1);
                    for (std::size_t w = 0; w < words_; ++w) out[w] = same[w] | (fewer[w] & at[w]);
                }
            }
        }
        if (k < g_ - 1) return;
        const std::uint64_t* almost = held(k - 1, g_ - 2);
        const std::uint64_t* reached = held(k - 1, g_ - 1);
        for (std::size_t w = 0; w < words_; ++w) {
            std::uint64_t fresh = almost[w] & at[w] & ~reached[w];
            while (fresh) {
                const std::size_t r = w * 64 + static_cast<std::size_t>(std::countr_zero(fresh));
                reach_[k] |= rowMasks_[r];
                fresh &= fresh - 1;
            }
        }
    }

    // --- search ---------------------------------------------------------------------------

    // reach_[k] from reach_[k-1] once d[k] = v joins the path.
    void extend(int k, int v) {
        reach_[k] = reach_[k - 1];
        if (kind_ == Kind::Table) {
            switch (g_ - 1) {
                case 1:
                    reach_[k] |= table_[static_cast<std::size_t>(v)];
                    break;
                case 2:
                    for (int j = 1; j < k; ++j)
                        reach_[k] |= table_[static_cast<std::size_t>(d_[j] * stride_ + v)];
                    break;
                case 3:
                    for (int a = 1; a < k; ++a)
                        for (int b = a + 1; b < k; ++b)
                            reach_[k] |= table_[tripleIndex(d_[a], d_[b], v)];
                    break;
                default:
                    break;
            }
        } else if (kind_ == Kind::Counters) {
            count(k, v);
        }
    }

    // Visits every draw below the node of depth k; false when the check ended there.
    bool visit(int k) {
        const int remaining = p_ - k - 1;  // members still to choose after the child's
        const int last = m_ - remaining;
        for (int v = d_[k] + 1; v <= last; ++v) {
            const int chosen = chosen_[k] + (v <= n_ ? 1 : 0);
            const int mostChosen = chosen + std::min(remaining, std::max(0, n_ - v));
            if (mostChosen < i_ || covered_[k] || reach_[k].test(v)) {
                visited_ += c_(m_ - v, remaining);
                if (!step()) return false;
                continue;
            }
            d_[k + 1] = v;
            chosen_[k + 1] = chosen;
            covered_[k + 1] = false;
            extend(k + 1, v);
            if (!(k + 1 == p_ - 1 ? lastMembers() : visit(k + 1))) return false;
        }
        return true;
    }

    // The node d[1..P-1]: its draws differ only in the last member x.
    bool lastMembers() {
        const int k = p_ - 1;
        const int v0 = d_[k];
        const long long before = visited_;
        const Mask range = bitsBetween(v0, m_);
        Mask relevant = range;
        if (chosen_[k] < i_) relevant = relevant & lowBits(n_ + 1);
        Mask open = relevant & ~reach_[k];
        while (!covered_[k] && !open.empty()) {
            const int x = open.lowest();
            const long long number = before + (x - v0);
            if (!uncovered(x, number)) return false;
            open = relevant & ~reach_[k] & bitsBetween(x, m_);
        }
        visited_ = before + (m_ - v0);
        return step();
    }

    // The draw d[1..P-1] x, number `number`, is relevant and not covered.
    bool uncovered(int x, long long number) {
        auto draw = [&] {
            Combination d(d_.begin() + 1, d_.begin() + p_);
            d.push_back(x);
            return d;
        };
        if (!addAll_ || wheel_.rows.size() >= WheelInfo::kMaxRows) {
            if (!flushTo(number - 1)) return false;
        }
        const bool full = wheel_.rows.size() >= WheelInfo::kMaxRows;
        if (!grow_ || full || (!addAll_ && !observer_.addCombination(draw()))) {
            result_.invalid = true;
            result_.full = grow_ && full;
            result_.uncovered = draw();
            result_.checked = number - 1;
            return false;
        }
        addDrawAsRow(x, number);
        if (!addAll_ && observer_.addAll()) addAll_ = true;
        return true;
    }

    // --- progress and cancel ----------------------------------------------------------------

    bool step() {
        if (++steps_ < kStepsPerPoll) return true;
        steps_ = 0;
        return flushTo(visited_);
    }

    // Draws up to `upto` have been checked: the percentages they show, and the cancel.
    bool flushTo(long long upto) {
        if (upto <= flushed_) return true;
        long long stop = observer_.cancelledAfter(flushed_ + 1, upto);
        if (stop < flushed_ + 1 || stop > upto) stop = 0;
        const long long end = stop ? stop : upto;
        for (long long c = flushed_ + 1; c <= end;) {
            const int percent = static_cast<int>(c * 100 / result_.total);
            if (percent != shown_) {
                shown_ = percent;
                observer_.showPercent(percent);
            }
            // The first draw whose percentage is higher.
            c = std::max(c + 1, ((percent + 1) * result_.total + 99) / 100);
        }
        flushed_ = end;
        if (!stop) return true;
        result_.cancelled = true;
        result_.checked = stop;
        // Rows added after the cancel was noticed were never added.
        while (!addedAt_.empty() && addedAt_.back() > stop) {
            addedAt_.pop_back();
            wheel_.rows.pop_back();
            --result_.rowsAdded;
        }
        return false;
    }

    GuaranteeResult finish() {
        wheel_.ticketCount = static_cast<std::int16_t>(wheel_.rows.size());
        return result_;
    }

    WheelInfo& wheel_;
    GuaranteeObserver& observer_;
    const int n_, p_, i_, g_, m_;
    const bool grow_;
    const Binomials& c_;
    Kind kind_ = Kind::None;
    int stride_ = 0;

    std::vector<Mask> table_;
    Mask whole_;
    std::vector<Mask> rowMasks_;
    std::size_t words_ = 0;
    std::vector<std::uint64_t> rowsAt_;
    std::vector<std::uint64_t> held_;

    std::array<int, kMaxCheckedPerTicket + 1> d_{};
    std::array<int, kMaxCheckedPerTicket + 1> chosen_{};
    std::array<bool, kMaxCheckedPerTicket + 1> covered_{};
    std::array<Mask, kMaxCheckedPerTicket + 1> reach_{};

    bool addAll_ = false;
    std::vector<long long> addedAt_;
    long long visited_ = 0;
    long long flushed_ = 0;
    int shown_ = -1;
    int steps_ = 0;
    GuaranteeResult result_;
};

}  // namespace

GuaranteeTerms GuaranteeTerms::of(const WheelInfo& wheel) {
    return GuaranteeTerms{wheel.numbersToWheel, wheel.guarantee, wheel.guaranteeIf,
                          wheel.numbersPerTicket};
}

GuaranteeCheckable guaranteeCheckable(const GuaranteeTerms& terms) {
    if (terms.numbersPerTicket < kMinCheckedPerTicket ||
        terms.numbersPerTicket > kMaxCheckedPerTicket)
        return GuaranteeCheckable::WrongTicketSize;
    if (terms.numbersToWheel < 1 || terms.numbersToWheel > kMaxLottoNumber)
        return GuaranteeCheckable::NoNumbers;
    if (terms.candidateCount() > kMaxCandidateNumbers) return GuaranteeCheckable::TooManyCandidates;
    if (!impossibleTermsReason(terms).empty()) return GuaranteeCheckable::ImpossibleTerms;
    return GuaranteeCheckable::Yes;
}

long long guaranteeSubsetCount(const GuaranteeTerms& terms) {
    if (guaranteeCheckable(terms) != GuaranteeCheckable::Yes) return 0;
    return binomials()(terms.candidateCount(), terms.numbersPerTicket);
}

GuaranteeResult checkGuarantee(WheelInfo& wheel, GuaranteeObserver& observer) {
    const GuaranteeTerms terms = GuaranteeTerms::of(wheel);
    GuaranteeResult result;
    result.checkable = guaranteeCheckable(terms);
    if (result.checkable != GuaranteeCheckable::Yes) return result;
    return Search(wheel, terms, observer).run();
}

std::string combinationText(const Combination& draw, const GuaranteeTerms& terms) {
    std::string text;
    for (int member : draw) {
        if (!terms.canGrow() && member > terms.numbersToWheel) continue;
        if (!text.empty()) text += '-';
        text += std::to_string(member);
    }
    return text;
}

GuaranteeVerdict guaranteeVerdict(const GuaranteeResult& result) {
    if (result.rowsAdded > 0) return GuaranteeVerdict::RowsAdded;
    if (result.invalid) return GuaranteeVerdict::Invalid;
    if (result.cancelled) return GuaranteeVerdict::Aborted;
    return GuaranteeVerdict::Valid;
}

std::string impossibleTermsReason(const GuaranteeTerms& terms) {
    const auto value = [](int v) { return " (" + std::to_string(v) + ")"; };
    const std::string g = "the prize guarantee" + value(terms.guarantee);
    const std::string i = "\"if\"" + value(terms.guaranteeIf);
    if (terms.guarantee < 1 || terms.guarantee > terms.guaranteeIf)
        return g + " is not from 1 to " + i;
    if (terms.guaranteeIf > terms.numbersPerTicket)
        return i + " is not from " + g + " to the numbers per ticket" +
               value(terms.numbersPerTicket);
    if (terms.numbersToWheel < terms.guaranteeIf)
        return "the numbers to wheel" + value(terms.numbersToWheel) + " are fewer than " + i;
    return {};
}

std::string notCheckableText(const GuaranteeTerms& terms) {
    switch (guaranteeCheckable(terms)) {
        case GuaranteeCheckable::Yes:
            return {};
        case GuaranteeCheckable::WrongTicketSize:
            return "Can't Confirm This Type of Wheel";
        case GuaranteeCheckable::NoNumbers:
            return "This wheel cannot be checked: its numbers to wheel (" +
                   std::to_string(terms.numbersToWheel) + ") are not from 1 to " +
                   std::to_string(kMaxLottoNumber) + ".";
        case GuaranteeCheckable::TooManyCandidates:
            return "This wheel cannot be checked: it needs " +
                   std::to_string(terms.candidateCount()) + " candidate numbers, more than " +
                   std::to_string(kMaxCandidateNumbers) + ".";
        case GuaranteeCheckable::ImpossibleTerms:
            return "This wheel cannot be checked: " + impossibleTermsReason(terms) + ".";
    }
    return {};
}

std::string fullWheelText(const GuaranteeResult& result, const GuaranteeTerms& terms) {
    return "A wheel holds at most " + std::to_string(WheelInfo::kMaxRows) +
           " tickets: the combination " + combinationText(result.uncovered, terms) +
           " could not be added.";
}

std::vector<std::string> guaranteeReportLines(const GuaranteeResult& result,
                                              const GuaranteeTerms& terms, int rowCount) {
    if (result.checkable != GuaranteeCheckable::Yes) return {notCheckableText(terms)};
    std::vector<std::string> lines;
    const std::string invalidLine = "The prize guarantee for this wheeling system is invalid !";
    // A full wheel is told first, then the verdict, as the windows show them.
    if (result.full) lines.push_back(fullWheelText(result, terms));
    switch (guaranteeVerdict(result)) {
        case GuaranteeVerdict::RowsAdded:
            lines.push_back("Added " + std::to_string(result.rowsAdded) + " tickets");
            lines.push_back("This wheel now has a total of " + std::to_string(rowCount) +
                            " tickets.");
            break;
        case GuaranteeVerdict::Invalid:
            if (!result.full)
                lines.push_back("Wheel guarantee is invalid, starting with : " +
                                combinationText(result.uncovered, terms));
            lines.push_back(invalidLine);
            break;
        case GuaranteeVerdict::Aborted:
            lines.push_back("Confirmation of guarantee was aborted by the user.");
            break;
        case GuaranteeVerdict::Valid:
            lines.push_back("The prize guarantee for this wheeling system is valid !");
            break;
    }
    return lines;
}

}  // namespace qv
