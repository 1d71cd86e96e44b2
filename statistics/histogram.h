#pragma once
// The histogram of a column of numbers: the quartiles, the bin count the Freedman–Diaconis
// rule gives (bins of width 2·IQR·n^(−1/3) over the range), and the counts of equal bins.

#include <span>
#include <vector>

namespace cesuan {

// The q-quantile (0 ≤ q ≤ 1) of sorted values, interpolated linearly between the order
// statistics at the position q·(n − 1). NaN for no values.
double QuantileOfSorted(std::span<const double> sorted, double q);

// The bins for the values by the Freedman–Diaconis rule: ⌈range / (2·IQR·n^(−1/3))⌉, at
// least 1 and at most kMaxHistogramBins. Where the rule has no width (fewer than two values,
// an IQR of 0, or all values equal) it falls back to Sturges' ⌈log2 n⌉ + 1 (1 for equal
// values). Values that are not finite are left out.
inline constexpr int kMaxHistogramBins = 200;
int FreedmanDiaconisBins(std::span<const double> values);

struct Histogram {
    double low = 0, high = 0;  // the edges of the first and last bin
    std::vector<int> counts;   // bin i covers [low + i·w, low + (i+1)·w), the last one with high
    double binWidth() const { return counts.empty() ? 0 : (high - low) / double(counts.size()); }
};

// The counts of `bins` equal bins (clamped to 1 … kMaxHistogramBins) from the least to the
// greatest finite value; equal values get one bin of width 1 centred on them. No values: no
// bins.
Histogram MakeHistogram(std::span<const double> values, int bins);

}  // namespace cesuan
