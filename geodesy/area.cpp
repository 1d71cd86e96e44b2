#include "geodesy/area.h"

#include "engine/arithmetic.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <utility>

namespace cesuan {

namespace {

using Corner = std::pair<double, double>;

CalcValue orZero(const CalcValue& v) { return v.isEmpty() ? CalcValue(0) : v; }

bool samePlace(const SurveyPoint& a, const SurveyPoint& b) {
    const auto same = [](const CalcValue& u, const CalcValue& v) {
        const std::optional<Decimal96> du = orZero(u).toDecimal(), dv = orZero(v).toDecimal();
        if (du && dv) return *du == *dv;
        return orZero(u).toDouble() == orZero(v).toDouble();
    };
    return same(a.x, b.x) && same(a.y, b.y);
}

// Twice the signed area, Σ (xᵢ - x₀)(yᵢ₊₁ - y₀) - (xᵢ₊₁ - x₀)(yᵢ - y₀): positive for a
// clockwise outline on a map (X north, Y east). Exact in decimals; empty when a value leaves
// their range.
std::optional<Decimal96> decimalShoelace(const std::vector<SurveyPoint>& points, std::size_t n) {
    const std::optional<Decimal96> x0 = orZero(points[0].x).toDecimal(), y0 = orZero(points[0].y).toDecimal();
    if (!x0 || !y0) return std::nullopt;
    std::vector<Decimal96> x(n), y(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::optional<Decimal96> px = orZero(points[i].x).toDecimal(), py = orZero(points[i].y).toDecimal();
        if (!px || !py) return std::nullopt;
        const std::optional<Decimal96> dx = subtract(*px, *x0), dy = subtract(*py, *y0);
        if (!dx || !dy) return std::nullopt;
        x[i] = *dx;
        y[i] = *dy;
    }
    Decimal96 sum(0);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const std::optional<Decimal96> a = multiply(x[i], y[j]), b = multiply(x[j], y[i]);
        if (!a || !b) return std::nullopt;
        const std::optional<Decimal96> term = subtract(*a, *b);
        if (!term) return std::nullopt;
        const std::optional<Decimal96> next = add(sum, *term);
        if (!next) return std::nullopt;
        sum = *next;
    }
    return sum;
}

long double doubleValue(const CalcValue& v) { return orZero(v).toDouble().value_or(0.0); }

long double longDoubleShoelace(const std::vector<SurveyPoint>& points, std::size_t n) {
    const long double x0 = doubleValue(points[0].x), y0 = doubleValue(points[0].y);
    long double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        sum += (doubleValue(points[i].x) - x0) * (doubleValue(points[j].y) - y0) -
               (doubleValue(points[j].x) - x0) * (doubleValue(points[i].y) - y0);
    }
    return sum;
}

// The corner relative to the first, in doubles (from the decimal difference where there is one).
Corner relative(const SurveyPoint& p, const SurveyPoint& first) {
    const auto difference = [](const CalcValue& v, const CalcValue& origin) {
        const std::optional<Decimal96> a = orZero(v).toDecimal(), b = orZero(origin).toDecimal();
        if (a && b)
            if (const std::optional<Decimal96> d = subtract(*a, *b)) return d->toDouble();
        return double(doubleValue(v) - doubleValue(origin));
    };
    return {difference(p.x, first.x), difference(p.y, first.y)};
}

// The sign of the turn a → b → c: 1 left, -1 right, 0 on one line.
int turn(const Corner& a, const Corner& b, const Corner& c) {
    const long double cross = (long double)(b.first - a.first) * (c.second - a.second) -
                              (long double)(b.second - a.second) * (c.first - a.first);
    return (cross > 0) - (cross < 0);
}

// c lies on the segment a–b, given that the three lie on one line.
bool within(const Corner& a, const Corner& b, const Corner& c) {
    return std::min(a.first, b.first) <= c.first && c.first <= std::max(a.first, b.first) &&
           std::min(a.second, b.second) <= c.second && c.second <= std::max(a.second, b.second);
}

// Where the segments p1–p2 and q1–q2 meet: their crossing, or a corner of one on the other.
std::optional<Corner> segmentsMeet(const Corner& p1, const Corner& p2, const Corner& q1, const Corner& q2) {
    const int d1 = turn(q1, q2, p1), d2 = turn(q1, q2, p2), d3 = turn(p1, p2, q1), d4 = turn(p1, p2, q2);
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        const long double rx = p2.first - p1.first, ry = p2.second - p1.second;
        const long double sx = q2.first - q1.first, sy = q2.second - q1.second;
        const long double along = ((q1.first - p1.first) * sy - (q1.second - p1.second) * sx) / (rx * sy - ry * sx);
        return Corner{double(p1.first + along * rx), double(p1.second + along * ry)};
    }
    if (d1 == 0 && within(q1, q2, p1)) return p1;
    if (d2 == 0 && within(q1, q2, p2)) return p2;
    if (d3 == 0 && within(p1, p2, q1)) return q1;
    if (d4 == 0 && within(p1, p2, q2)) return q2;
    return std::nullopt;
}

}  // namespace

bool OutlineSelfIntersects(const std::vector<Corner>& corners) { return OutlineCrossing(corners).has_value(); }

std::optional<Corner> OutlineCrossing(const std::vector<Corner>& given) {
    std::vector<Corner> corners;
    corners.reserve(given.size());
    for (const Corner& c : given)
        if (corners.empty() || corners.back() != c) corners.push_back(c);
    while (corners.size() > 1 && corners.back() == corners.front()) corners.pop_back();
    const std::size_t n = corners.size();
    if (n < 3) {  // two corners: the outline runs back over its one side
        if (n == 2) return corners[0];
        return std::nullopt;
    }

    // Sides sorted by their least X; a side is compared with those that start (in X) before it
    // ends, and of those only with the ones whose Y ranges overlap its own.
    struct Side {
        std::size_t index;
        double minX, maxX, minY, maxY;
    };
    std::vector<Side> sides(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Corner& a = corners[i];
        const Corner& b = corners[(i + 1) % n];
        sides[i] = {i, std::min(a.first, b.first), std::max(a.first, b.first), std::min(a.second, b.second),
                    std::max(a.second, b.second)};
    }
    std::sort(sides.begin(), sides.end(), [](const Side& a, const Side& b) { return a.minX < b.minX; });
    for (std::size_t k = 0; k < n; ++k) {
        const Side& s = sides[k];
        for (std::size_t m = k + 1; m < n && sides[m].minX <= s.maxX; ++m) {
            const Side& t = sides[m];
            if (t.maxY < s.minY || t.minY > s.maxY) continue;
            std::size_t i = s.index, j = t.index;
            if (i > j) std::swap(i, j);
            const Corner& p1 = corners[i];
            const Corner& p2 = corners[(i + 1) % n];
            const Corner& q1 = corners[j];
            const Corner& q2 = corners[(j + 1) % n];
            if (j == i + 1 || (i == 0 && j == n - 1)) {
                // Neighbours share a corner; they overlap when the second turns straight back.
                const Corner& from = j == i + 1 ? p1 : q1;
                const Corner& shared = j == i + 1 ? p2 : p1;
                const Corner& to = j == i + 1 ? q2 : p2;
                if (turn(from, shared, to) == 0 &&
                    (shared.first - from.first) * (to.first - shared.first) +
                            (shared.second - from.second) * (to.second - shared.second) < 0)
                    return shared;
                continue;
            }
            if (const std::optional<Corner> meeting = segmentsMeet(p1, p2, q1, q2)) return meeting;
        }
    }
    return std::nullopt;
}

AreaProblem MeasureParcel(const std::vector<SurveyPoint>& points, ParcelArea& result) {
    result = ParcelArea{};
    std::size_t n = points.size();
    if (n > 1 && samePlace(points.front(), points.back())) --n;
    result.points = int(n);
    if (n < 3) return AreaProblem::TooFewPoints;

    CalcErrorJournal journal;
    CalcValue twice;
    int sign = 0;
    if (const std::optional<Decimal96> sum = decimalShoelace(points, n)) {
        twice = sum->abs();
        sign = sum->isZero() ? 0 : (sum->isNegative() ? -1 : 1);
    } else {
        const long double wide = longDoubleShoelace(points, n);
        twice = double(std::fabs(wide));
        sign = (wide > 0) - (wide < 0);
    }
    std::vector<Corner> corners(n);
    double perimeter = 0;
    for (std::size_t i = 0; i < n; ++i) corners[i] = relative(points[i], points[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const Corner& a = corners[i];
        const Corner& b = corners[(i + 1) % n];
        perimeter += std::hypot(b.first - a.first, b.second - a.second);
    }
    result.perimeter = perimeter;
    result.area = DivideTwo(journal, twice, CalcValue(2));
    result.areaMu = MultiplyTwo(journal, result.area, CalcValue(QStringLiteral("0.0015")));
    result.areaHectares = DivideTwo(journal, result.area, CalcValue(kSquareMetresPerHectare));
    result.clockwise = sign > 0;
    if (const std::optional<Corner> crossing = OutlineCrossing(corners)) {
        result.selfIntersecting = true;
        result.crossing = {doubleValue(points[0].x) + crossing->first, doubleValue(points[0].y) + crossing->second};
    }
    if (sign != 0) return AreaProblem::None;
    // A sum of 0 is a parcel only when the outline crosses itself and its parts cancel out.
    for (std::size_t i = 2; i < n; ++i)
        if (turn(corners[0], corners[1], corners[i]) != 0) return AreaProblem::None;
    return AreaProblem::ZeroArea;
}

}  // namespace cesuan
