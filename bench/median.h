#pragma once

#include <algorithm>
#include <vector>

// The middle of a benchmark's runs: one slow run on a busy machine does not move it.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
