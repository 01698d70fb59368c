#pragma once
// The median of a benchmark's timings: one iteration that met a burst of the machine's other work
// does not move it.
#include <algorithm>
#include <vector>

inline double Median(std::vector<double> v)
{
    if (v.empty()) return 0;
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}
