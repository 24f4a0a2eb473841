#include "core/wheels/wheel_constructions.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_bounds.h"
#include "core/wheels/wheel_generator.h"
#include "core/wheels/wheel_info.h"
#include "core/wheels/wheel_library.h"

namespace qv::cover {

namespace {

Row rowOf(const std::vector<int>& positions) {
    Row row{};
    for (std::size_t j = 0; j < positions.size() && j < row.size(); ++j)
        row[j] = static_cast<std::uint8_t>(positions[j]);
    return row;
}

// The words of a linear code over GF(q) spanned by the cyclic shifts of `seed`, extended by
// one coordinate that makes the sum of each word 0; empty unless the code has `words` words.
std::vector<std::vector<int>> extendedCyclicCode(const std::vector<int>& seed, int q,
                                                 std::size_t words) {
    const int n = static_cast<int>(seed.size());
    auto inverse = [q](int a) {
        for (int b = 1; b < q; ++b)
            if (a * b % q == 1) return b;
        return 0;
    };
    std::vector<std::vector<int>> basis;
    for (int s = 0; s < n; ++s) {
        std::vector<int> v(static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j) v[static_cast<std::size_t>((j + s) % n)] = seed[static_cast<std::size_t>(j)];
        // Reduce against the basis (each basis vector has a leading 1 at a distinct column).
        for (const std::vector<int>& b : basis) {
            const int lead = static_cast<int>(std::find(b.begin(), b.end(), 1) - b.begin());
            const int f = v[static_cast<std::size_t>(lead)];
            if (f == 0) continue;
            for (int j = 0; j < n; ++j)
                v[static_cast<std::size_t>(j)] = ((v[static_cast<std::size_t>(j)] - f * b[static_cast<std::size_t>(j)]) % q + q) % q;
        }
        const auto nz = std::find_if(v.begin(), v.end(), [](int x) { return x != 0; });
        if (nz == v.end()) continue;
        const int inv = inverse(*nz);
        for (int& x : v) x = x * inv % q;
        // Keep the basis reduced at the new leading column.
        const std::size_t lead = static_cast<std::size_t>(nz - v.begin());
        for (std::vector<int>& b : basis) {
            const int f = b[lead];
            if (f == 0) continue;
            for (int j = 0; j < n; ++j)
                b[static_cast<std::size_t>(j)] = ((b[static_cast<std::size_t>(j)] - f * v[static_cast<std::size_t>(j)]) % q + q) % q;
        }
        basis.push_back(v);
    }
    const std::size_t k = basis.size();
    std::size_t size = 1;
    for (std::size_t b = 0; b < k && size <= words; ++b) size *= static_cast<std::size_t>(q);
    if (size != words) return {};
    // Every combination of the basis.
    std::vector<std::vector<int>> code;
    std::vector<int> coef(k, 0);
    while (true) {
        std::vector<int> w(static_cast<std::size_t>(n) + 1, 0);
        int sum = 0;
        for (int j = 0; j < n; ++j) {
            int x = 0;
            for (std::size_t b = 0; b < k; ++b) x += coef[b] * basis[b][static_cast<std::size_t>(j)];
            w[static_cast<std::size_t>(j)] = x % q;
            sum += x;
        }
        w[static_cast<std::size_t>(n)] = (q - sum % q) % q;
        code.push_back(std::move(w));
        std::size_t b = 0;
        while (b < k && ++coef[b] == q) coef[b++] = 0;
        if (b == k) break;
    }
    return code;
}

// The extended quadratic-residue code of prime length n over GF(q) with the given number of
// words, found among the cyclic codes spanned by a word constant on 0, the residues and the
// non-residues.
std::vector<std::vector<int>> extendedResidueCode(int n, int q, std::size_t words) {
    std::vector<bool> residue(static_cast<std::size_t>(n), false);
    for (int x = 1; x < n; ++x) residue[static_cast<std::size_t>(x * x % n)] = true;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b)
            for (int c = 0; c < q; ++c) {
                std::vector<int> seed(static_cast<std::size_t>(n));
                seed[0] = c;
                for (int j = 1; j < n; ++j) seed[static_cast<std::size_t>(j)] = residue[static_cast<std::size_t>(j)] ? a : b;
                auto code = extendedCyclicCode(seed, q, words);
                if (!code.empty()) return code;
            }
    return {};
}

// Supports of the words of the given weight, each once.
std::vector<std::vector<int>> supports(const std::vector<std::vector<int>>& code, int weight) {
    std::set<std::vector<int>> found;
    for (const std::vector<int>& w : code) {
        std::vector<int> s;
        for (std::size_t j = 0; j < w.size(); ++j)
            if (w[j] != 0) s.push_back(static_cast<int>(j));
        if (static_cast<int>(s.size()) == weight) found.insert(s);
    }
    return {found.begin(), found.end()};
}

// The field of prime power order: elements 0..size-1 as polynomials over GF(prime) with the
// digits of the number in base `prime` as coefficients, reduced by a monic polynomial that
// leaves no zero divisors.
class SmallField {
public:
    SmallField(int prime, int degree) : p_(prime), m_(degree) {
        size_ = 1;
        for (int j = 0; j < m_; ++j) size_ *= p_;
        // The low coefficients of a monic reducing polynomial x^m + ...; the first that
        // gives every nonzero element an inverse makes a field.
        for (int low = 0; low < size_; ++low) {
            reducer_ = digits(low);
            buildTables();
            if (isField()) return;
        }
        size_ = 0;
    }
    int size() const { return size_; }
    int add(int a, int b) const { return sum_[static_cast<std::size_t>(a * size_ + b)]; }
    int mul(int a, int b) const { return product_[static_cast<std::size_t>(a * size_ + b)]; }
    int inverse(int a) const {
        for (int b = 1; b < size_; ++b)
            if (mul(a, b) == 1) return b;
        return 0;
    }
    int power(int a, int e) const {
        int r = 1;
        while (e-- > 0) r = mul(r, a);
        return r;
    }

private:
    std::vector<int> digits(int a) const {
        std::vector<int> d(static_cast<std::size_t>(m_));
        for (int j = 0; j < m_; ++j, a /= p_) d[static_cast<std::size_t>(j)] = a % p_;
        return d;
    }
    int number(const std::vector<int>& d) const {
        int a = 0;
        for (int j = m_ - 1; j >= 0; --j) a = a * p_ + d[static_cast<std::size_t>(j)];
        return a;
    }
    void buildTables() {
        const std::size_t cells = static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_);
        sum_.assign(cells, 0);
        product_.assign(cells, 0);
        for (int a = 0; a < size_; ++a)
            for (int b = 0; b < size_; ++b) {
                const std::vector<int> da = digits(a), db = digits(b);
                std::vector<int> s(static_cast<std::size_t>(m_));
                std::vector<int> prod(static_cast<std::size_t>(2 * m_), 0);
                for (int i = 0; i < m_; ++i) {
                    s[static_cast<std::size_t>(i)] = (da[static_cast<std::size_t>(i)] + db[static_cast<std::size_t>(i)]) % p_;
                    for (int j = 0; j < m_; ++j)
                        prod[static_cast<std::size_t>(i + j)] += da[static_cast<std::size_t>(i)] * db[static_cast<std::size_t>(j)];
                }
                // x^m = -(reducer), from the top coefficient down.
                for (int k = 2 * m_ - 1; k >= m_; --k) {
                    const int c = prod[static_cast<std::size_t>(k)] % p_;
                    prod[static_cast<std::size_t>(k)] = 0;
                    for (int j = 0; j < m_; ++j)
                        prod[static_cast<std::size_t>(k - m_ + j)] += (p_ - reducer_[static_cast<std::size_t>(j)]) * c;
                }
                for (int& c : prod) c %= p_;
                const std::size_t cell = static_cast<std::size_t>(a * size_ + b);
                sum_[cell] = number(s);
                product_[cell] = number({prod.begin(), prod.begin() + m_});
            }
    }
    bool isField() const {
        for (int a = 1; a < size_; ++a)
            if (inverse(a) == 0) return false;
        return true;
    }

    int p_, m_, size_ = 0;
    std::vector<int> reducer_;
    std::vector<int> sum_, product_;
};

// A design that algebra gives for these terms, or nothing. A cover of G-subsets serves any
// "G if I".
Rows knownDesign(const Terms& t) {
    static const Rows s3622 = steiner3_6_22();
    static const Rows s5612 = steiner5_6_12();
    if (t.p == 6 && t.g == 3 && t.n == 22) return s3622;
    if (t.p == 6 && t.g == 5 && t.n == 12) return s5612;
    // The inversive planes: q+1 positions a row, q^2+1 in all.
    if (t.g == 3 && t.p >= 4 && t.n == (t.p - 1) * (t.p - 1) + 1) {
        static const Rows planes[3] = {inversivePlane(3), inversivePlane(4), inversivePlane(5)};
        return planes[t.p - 4];
    }
    return {};
}

// Positions of a part (offset..offset+partN-1) and rows of a wheel on it, padded to p positions
// with positions from outside the part when the part is smaller than a row.
Rows placed(const Rows& partRows, int partN, int offset, int p) {
    Rows out;
    for (const Row& r : partRows) {
        Row row{};
        Mask m;
        const int own = std::min(p, partN);
        for (int j = 0; j < own; ++j) {
            row[j] = static_cast<std::uint8_t>(r[j] + offset);
            m.set(row[j]);
        }
        int fill = 0;
        for (int j = own; j < p; ++j) {
            while (m.test(fill)) ++fill;
            row[j] = static_cast<std::uint8_t>(fill);
            m.set(fill);
        }
        std::sort(row.begin(), row.begin() + p);
        out.push_back(row);
    }
    return out;
}

// The rows a wheel of these terms is likely to take: a design's size, the best known, or a
// quarter above the lower bound.
long long estimateRows(const Terms& t, const Sources& sources) {
    const Rows known = knownDesign(t);
    if (!known.empty()) return static_cast<long long>(known.size());
    const GuaranteeTerms g{t.n, t.g, t.i, t.p};
    if (sources.coverings) {
        const WheelBounds bounds = wheelBounds(g, *sources.coverings);
        if (bounds.bestKnown) return *bounds.bestKnown;
    }
    return wheelLowerBound(g) * 5 / 4 + 1;
}

// Two parts with thresholds p1 + p2 = I + 1: every I-subset puts p1 positions in the first
// part or p2 in the second, so "G if p1" on the first and "G if p2" on the second together
// make a wheel. The split with the smallest estimate is built.
Rows splitWheel(const Terms& t, const Sources& sources, const Limits& limits) {
    long long bestEstimate = -1;
    Terms bestA, bestB;
    for (int p1 = t.g; p1 <= t.i; ++p1) {
        const int p2 = t.i + 1 - p1;
        if (p2 < t.g || p2 > t.i) continue;
        for (int n1 = std::max(p1, t.p); n1 + std::max(p2, t.p) <= t.n; ++n1) {
            const Terms a{n1, t.p, t.g, p1}, b{t.n - n1, t.p, t.g, p2};
            const bool buildable = (searchable(a) || !knownDesign(a).empty()) &&
                                   (searchable(b) || !knownDesign(b).empty());
            if (!buildable) continue;
            const long long estimate = estimateRows(a, sources) + estimateRows(b, sources);
            if (bestEstimate < 0 || estimate < bestEstimate) {
                bestEstimate = estimate;
                bestA = a;
                bestB = b;
            }
        }
    }
    if (bestEstimate < 0) return {};
    // Each part gets half of the time left.
    const auto now = std::chrono::steady_clock::now();
    Limits first = limits;
    const bool same = bestA.n == bestB.n && bestA.i == bestB.i;
    if (limits.deadline > now && !same) first.deadline = now + (limits.deadline - now) / 2;
    const Rows a = quickWheel(bestA, sources, first, 11);
    if (a.empty()) return {};
    // Parts of the same terms share one wheel.
    const Rows b = same ? a : quickWheel(bestB, sources, limits, 12);
    if (b.empty()) return {};
    Rows out = placed(a, bestA.n, 0, t.p);
    const Rows second = placed(b, bestB.n, bestA.n, t.p);
    out.insert(out.end(), second.begin(), second.end());
    return out;
}

// A cover of G-subsets of N positions from one of N-1 positions (`smaller`) and a cover of
// (G-1)-subsets of N-1 positions by rows one shorter, each with position N-1 added. Worth it
// where the first comes from algebra or the library; the second gets a quarter of the time
// left.
Rows pointAdded(const Terms& t, Rows smaller, const Sources& sources, const Limits& limits) {
    if (t.g != t.i || t.g < 2 || t.p < 2 || smaller.empty()) return {};
    const Terms shorter{t.n - 1, t.p - 1, t.g - 1, t.g - 1};
    Limits part = limits;
    const auto now = std::chrono::steady_clock::now();
    if (limits.deadline > now) part.deadline = now + (limits.deadline - now) / 4;
    const Rows extra = quickWheel(shorter, sources, part, 13);
    if (extra.empty()) return {};
    for (Row row : extra) {
        row[static_cast<std::size_t>(t.p - 1)] = static_cast<std::uint8_t>(t.n - 1);
        smaller.push_back(row);
    }
    return smaller;
}

bool sameTerms(const WheelInfo& w, const Terms& t, int n) {
    return w.numbersToWheel == n && w.numbersPerTicket == t.p && w.guarantee == t.g &&
           w.guaranteeIf == t.i;
}

}  // namespace

Rows steiner3_6_22() {
    // Octads of the extended binary Golay code (the extended residue code of length 23);
    // those through the last two coordinates, without them.
    const auto code = extendedResidueCode(23, 2, 4096);
    Rows rows;
    for (const std::vector<int>& octad : supports(code, 8)) {
        if (octad[6] != 22 || octad[7] != 23) continue;
        rows.push_back(rowOf({octad.begin(), octad.begin() + 6}));
    }
    return rows;
}

Rows steiner5_6_12() {
    const auto code = extendedResidueCode(11, 3, 729);
    Rows rows;
    for (const std::vector<int>& hexad : supports(code, 6)) rows.push_back(rowOf(hexad));
    return rows;
}

Rows inversivePlane(int q) {
    int prime = 0, e = 0;
    if (q == 3 || q == 5) prime = q, e = 1;
    if (q == 4) prime = 2, e = 2;
    if (prime == 0) return {};
    const SmallField field(prime, 2 * e);
    const int f = field.size();  // q^2; position f stands for infinity
    if (f != q * q) return {};
    using Block = std::vector<int>;
    // The subline: GF(q) (the elements with x^q = x) and infinity.
    Block base;
    for (int x = 0; x < f; ++x)
        if (field.power(x, q) == x) base.push_back(x);
    base.push_back(f);
    // x -> x + a, x -> a x and x -> 1/x generate the Mobius maps; the circles are the
    // images of the subline under them.
    auto image = [&](const Block& b, int kind, int a) {
        Block out;
        for (int x : b) {
            int y = x;
            if (kind == 0 && x != f) y = field.add(x, a);
            if (kind == 1 && x != f) y = field.mul(x, a);
            if (kind == 2) y = x == f ? 0 : x == 0 ? f : field.inverse(x);
            out.push_back(y);
        }
        std::sort(out.begin(), out.end());
        return out;
    };
    std::set<Block> found{base};
    std::vector<Block> todo{base};
    while (!todo.empty()) {
        const Block b = todo.back();
        todo.pop_back();
        for (int kind = 0; kind < 3; ++kind)
            for (int a = kind == 1 ? 1 : 0; a < (kind == 2 ? 1 : f); ++a) {
                Block next = image(b, kind, a);
                if (found.insert(next).second) todo.push_back(std::move(next));
            }
    }
    if (static_cast<int>(found.size()) != q * (f + 1)) return {};
    Rows rows;
    for (const Block& b : found) rows.push_back(rowOf(b));
    return rows;
}

Rows dropLastPosition(const Rows& rows, int n, int p) {
    std::set<Row> seen;
    Rows out;
    for (Row row : rows) {
        Mask m = maskOf(row, p);
        for (int j = 0; j < p; ++j) {
            if (row[j] != n) continue;
            int fill = 0;
            while (m.test(fill)) ++fill;
            row[j] = static_cast<std::uint8_t>(fill);
            m.set(fill);
        }
        std::sort(row.begin(), row.begin() + p);
        if (seen.insert(row).second) out.push_back(row);
    }
    return out;
}

bool coversAll(const Terms& t, const Rows& rows) {
    if (searchable(t)) {
        CoverState state(t);
        state.assign(rows);
        return state.uncovered() == 0;
    }
    // Too many I-subsets to count: the guarantee check decides.
    GeneratedWheel generated;
    generated.rows = ticketsOf(rows, t.p);
    return wheelConfirmed(generatedWheelInfo(GuaranteeTerms{t.n, t.g, t.i, t.p}, generated));
}

std::vector<TicketType> ticketsOf(const Rows& rows, int p) {
    std::vector<TicketType> out(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int j = 0; j < p; ++j)
            out[r].numbers[static_cast<std::size_t>(j)] = static_cast<std::int16_t>(rows[r][j] + 1);
    return out;
}

Rows libraryWheel(const Terms& t, const std::vector<std::string>& folders) {
    namespace fs = std::filesystem;
    Rows best;
    const std::string extension = ".wl" + std::to_string(t.p);
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (!it->is_regular_file(ec) || it->path().extension() != extension) continue;
            WheelInfo wheel;
            if (!loadWheelFile(it->path().string(), wheel)) continue;
            const bool same = sameTerms(wheel, t, t.n), larger = sameTerms(wheel, t, t.n + 1);
            if (!same && !larger) continue;
            const int n = wheel.numbersToWheel;
            Rows rows;
            bool sane = true;
            for (const TicketType& ticket : wheel.rows) {
                Row row{};
                Mask m;
                for (int j = 0; j < t.p && sane; ++j) {
                    const int v = ticket.numbers[static_cast<std::size_t>(j)];
                    sane = v >= 1 && v <= n && !m.test(v - 1);
                    if (sane) {
                        m.set(v - 1);
                        row[j] = static_cast<std::uint8_t>(v - 1);
                    }
                }
                std::sort(row.begin(), row.begin() + t.p);
                rows.push_back(row);
            }
            if (!sane || rows.empty()) continue;
            if (larger) rows = dropLastPosition(rows, t.n, t.p);
            if ((best.empty() || rows.size() < best.size()) && coversAll(t, rows))
                best = std::move(rows);
        }
    }
    return best;
}

Rows startingWheel(const Terms& t, const Sources& sources, const Limits& limits) {
    Rows best = libraryWheel(t, sources.folders);
    auto consider = [&](Rows rows) {
        if (!rows.empty() && (best.empty() || rows.size() < best.size()) && coversAll(t, rows))
            best = std::move(rows);
    };
    consider(knownDesign(t));
    // Designs on one or two positions more, with those dropped.
    for (int extra = 1; extra <= 2 && t.n + extra <= kMaxPositions; ++extra) {
        Rows design = knownDesign({t.n + extra, t.p, t.g, t.i});
        for (int k = extra; k >= 1 && !design.empty(); --k)
            design = dropLastPosition(design, t.n + k - 1, t.p);
        consider(std::move(design));
    }
    // A position added to a design, or to a library wheel, of one position fewer, when that
    // promises fewer rows.
    if (t.g == t.i && t.n - 1 > t.p) {
        const Terms fewer{t.n - 1, t.p, t.g, t.g};
        Rows smaller = knownDesign(fewer);
        if (smaller.empty()) smaller = libraryWheel(fewer, sources.folders);
        const long long promise = static_cast<long long>(smaller.size()) +
                                  estimateRows({t.n - 1, t.p - 1, t.g - 1, t.g - 1}, sources);
        const long long now = best.empty() ? estimateRows(t, sources) * 11 / 10
                                           : static_cast<long long>(best.size());
        if (!smaller.empty() && promise < now)
            consider(pointAdded(t, std::move(smaller), sources, limits));
    }
    // Lotto wheels split well; a covering only when nothing else can be had.
    if (t.i > t.g || (!searchable(t) && best.empty())) consider(splitWheel(t, sources, limits));
    return best;
}

Rows quickWheel(const Terms& t, const Sources& sources, const Limits& limits, std::uint64_t seed) {
    if (t.n <= t.p) {
        Row row{};
        for (int j = 0; j < t.n; ++j) row[j] = static_cast<std::uint8_t>(j);
        return {row};
    }
    Rows valid = startingWheel(t, sources, limits);
    if (!searchable(t)) return valid;
    CoverState state(t);
    Random random(seed);
    DescentGoal goal;
    goal.lowerBound = wheelLowerBound(GuaranteeTerms{t.n, t.g, t.i, t.p});
    descend(state, random, limits, goal, valid, nullptr);
    return valid;
}

}  // namespace qv::cover
