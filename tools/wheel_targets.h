#pragma once
// The sizes the wheel library must reach: for each wheel the most rows it may have. Wheels
// "3 if 3" on 19 to 30 numbers may have a tenth more than the best known design.

#include <vector>

#include "core/wheels/guarantee.h"
#include "core/wheels/wheel_bounds.h"

namespace qv::tools {

struct WheelTarget {
    GuaranteeTerms terms;
    int maxRows = 0;  // 0: a tenth above the best known
};

inline std::vector<WheelTarget> wheelTargets() {
    std::vector<WheelTarget> t;
    auto add = [&](int p, int g, int i, int n, int rows) {
        t.push_back({GuaranteeTerms{n, g, i, p}, rows});
    };
    const int cover3[] = {10, 11, 15, 21, 25, 31, 38, 44, 48};
    for (int n = 10; n <= 18; ++n) add(6, 3, 3, n, cover3[n - 10]);
    for (int n = 19; n <= 30; ++n) add(6, 3, 3, n, 0);
    const int cover4[] = {20, 32, 41, 66, 80};
    for (int n = 10; n <= 14; ++n) add(6, 4, 4, n, cover4[n - 10]);
    const int cover5[] = {50, 100, 132, 245};
    for (int n = 10; n <= 13; ++n) add(6, 5, 5, n, cover5[n - 10]);
    const int cover35[] = {17, 20, 29, 34, 43};
    for (int n = 10; n <= 14; ++n) add(5, 3, 3, n, cover35[n - 10]);
    struct Sized {
        int g, i, n, rows;
    };
    for (const Sized s :
         {Sized{3, 4, 12, 6}, {3, 4, 15, 14},  {3, 4, 18, 26}, {3, 4, 20, 38}, {3, 4, 24, 74},
          {3, 5, 15, 7},      {3, 5, 18, 12},  {3, 5, 20, 18}, {3, 5, 24, 30}, {3, 6, 15, 4},
          {3, 6, 18, 8},      {3, 6, 20, 13},  {3, 6, 22, 18}, {4, 5, 12, 14}, {4, 5, 15, 42},
          {4, 5, 18, 108},    {4, 6, 12, 6},   {4, 6, 15, 19}, {4, 6, 18, 53}, {4, 6, 20, 86},
          {5, 6, 12, 38},     {5, 6, 15, 173}, {3, 6, 49, 175}})
        add(6, s.g, s.i, s.n, s.rows);
    return t;
}

// The most rows the target's wheel may have; 0 when it is a tenth above a best known size the
// table does not hold.
inline int targetRows(const WheelTarget& target, const CoveringTable& table) {
    if (target.maxRows) return target.maxRows;
    const WheelBounds bounds = wheelBounds(target.terms, table);
    return bounds.bestKnown ? static_cast<int>(*bounds.bestKnown * 11 / 10) : 0;
}

}  // namespace qv::tools
