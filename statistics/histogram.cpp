#include "statistics/histogram.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cesuan {

namespace {

std::vector<double> finiteSorted(std::span<const double> values) {
    std::vector<double> sorted;
    sorted.reserve(values.size());
    for (double v : values)
        if (std::isfinite(v)) sorted.push_back(v);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace

double QuantileOfSorted(std::span<const double> sorted, double q) {
    if (sorted.empty()) return std::numeric_limits<double>::quiet_NaN();
    const double position = std::clamp(q, 0.0, 1.0) * double(sorted.size() - 1);
    const std::size_t below = std::size_t(std::floor(position));
    const std::size_t above = std::min(below + 1, sorted.size() - 1);
    const double fraction = position - double(below);
    return sorted[below] + fraction * (sorted[above] - sorted[below]);
}

int FreedmanDiaconisBins(std::span<const double> values) {
    const std::vector<double> sorted = finiteSorted(values);
    const std::size_t n = sorted.size();
    if (n == 0) return 1;
    const double range = sorted.back() - sorted.front();
    if (!(range > 0)) return 1;
    const double iqr = QuantileOfSorted(sorted, 0.75) - QuantileOfSorted(sorted, 0.25);
    const double width = 2 * iqr / std::cbrt(double(n));
    double bins = width > 0 && std::isfinite(range / width) ? std::ceil(range / width)
                                                            : std::ceil(std::log2(double(n))) + 1;
    return int(std::clamp(bins, 1.0, double(kMaxHistogramBins)));
}

Histogram MakeHistogram(std::span<const double> values, int bins) {
    Histogram histogram;
    const std::vector<double> sorted = finiteSorted(values);
    if (sorted.empty()) return histogram;
    bins = std::clamp(bins, 1, kMaxHistogramBins);
    histogram.low = sorted.front();
    histogram.high = sorted.back();
    if (!(histogram.high > histogram.low)) {
        histogram.low -= 0.5;
        histogram.high += 0.5;
        bins = 1;
    }
    histogram.counts.assign(std::size_t(bins), 0);
    const double width = (histogram.high - histogram.low) / bins;
    for (double v : sorted) {
        const double place = (v - histogram.low) / width;
        const int bin = std::clamp(int(std::floor(place)), 0, bins - 1);
        ++histogram.counts[std::size_t(bin)];
    }
    return histogram;
}

}  // namespace cesuan
