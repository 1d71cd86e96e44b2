#include "statistics/histogram.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace cesuan {
namespace {

TEST(Histogram, Quantiles) {
    const std::vector<double> sorted{1, 2, 3, 4, 10};
    EXPECT_EQ(QuantileOfSorted(sorted, 0), 1);
    EXPECT_EQ(QuantileOfSorted(sorted, 0.25), 2);
    EXPECT_EQ(QuantileOfSorted(sorted, 0.5), 3);
    EXPECT_EQ(QuantileOfSorted(sorted, 0.875), 7);
    EXPECT_EQ(QuantileOfSorted(sorted, 1), 10);
    EXPECT_TRUE(std::isnan(QuantileOfSorted({}, 0.5)));
}

TEST(Histogram, FreedmanDiaconisBinCount) {
    // 1 … 1000: IQR 499.5, width 2·499.5/10 = 99.9, range 999: 10 bins.
    std::vector<double> ramp(1000);
    std::iota(ramp.begin(), ramp.end(), 1.0);
    EXPECT_EQ(FreedmanDiaconisBins(ramp), 10);
    ramp.push_back(1100);  // IQR 500, width 100, range 1099: 11
    EXPECT_EQ(FreedmanDiaconisBins(ramp), 11);
    // 0 … 7 (n = 8): IQR 3.5, width 2·3.5/2 = 3.5, range 7: 2 bins.
    EXPECT_EQ(FreedmanDiaconisBins(std::vector<double>{7, 6, 5, 4, 3, 2, 1, 0}), 2);
    // An IQR of 0 with a spread: Sturges, ⌈log2 8⌉ + 1 = 4.
    EXPECT_EQ(FreedmanDiaconisBins(std::vector<double>{5, 5, 5, 5, 5, 5, 0, 100}), 4);
    EXPECT_EQ(FreedmanDiaconisBins(std::vector<double>{3, 3, 3}), 1);
    EXPECT_EQ(FreedmanDiaconisBins(std::vector<double>{}), 1);
    // Far-out values cannot ask for more bins than a picture can show.
    std::vector<double> outliers(100, 0.0);
    for (int i = 0; i < 100; ++i) outliers[std::size_t(i)] = i % 2 ? 1e-9 * i : 0;
    outliers.push_back(1e12);
    EXPECT_EQ(FreedmanDiaconisBins(outliers), kMaxHistogramBins);
    // Values that are no numbers are left out.
    EXPECT_EQ(FreedmanDiaconisBins(std::vector<double>{7, NAN, 6, 5, 4, INFINITY, 3, 2, 1, 0}), 2);
}

TEST(Histogram, CountsOfEqualBins) {
    const std::vector<double> values{0, 1, 1.5, 2, 2.5, 3.9, 4};
    const Histogram h = MakeHistogram(values, 4);
    EXPECT_EQ(h.low, 0);
    EXPECT_EQ(h.high, 4);
    EXPECT_EQ(h.binWidth(), 1);
    EXPECT_EQ(h.counts, (std::vector<int>{1, 2, 2, 2}));  // the greatest value in the last bin

    const Histogram same = MakeHistogram(std::vector<double>{2, 2, 2}, 5);
    EXPECT_EQ(same.counts, std::vector<int>{3});
    EXPECT_EQ(same.low, 1.5);
    EXPECT_EQ(same.high, 2.5);
    EXPECT_TRUE(MakeHistogram(std::vector<double>{NAN}, 3).counts.empty());
    EXPECT_EQ(MakeHistogram(values, 100000).counts.size(), std::size_t(kMaxHistogramBins));
    EXPECT_EQ(MakeHistogram(values, -3).counts.size(), 1u);
}

}  // namespace
}  // namespace cesuan
