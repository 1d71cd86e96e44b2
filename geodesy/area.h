#pragma once
// The area of a parcel from the points of its outline, in order around it: the shoelace sum in
// decimal arithmetic (in long double where a value leaves the decimal range), the perimeter,
// the orientation as seen on a map with north up (X north, Y east) and whether the outline
// crosses or touches itself. A last point equal to the first closes the outline and is not
// counted twice.

#include "engine/calc_value.h"
#include "geodesy/point_list.h"

#include <optional>
#include <utility>
#include <vector>

namespace cesuan {

// 1 亩 is 10000/15 ㎡.
inline constexpr int kSquareMetresPerHectare = 10000;

struct ParcelArea {
    int points = 0;              // the corners counted (a closing repeat of the first not)
    CalcValue area;              // ㎡, unrounded, never negative: half the absolute shoelace sum
    CalcValue areaMu;            // 亩
    CalcValue areaHectares;      // 公顷
    double perimeter = 0;        // m, the closing side included
    bool clockwise = false;      // the sign of the shoelace sum (a sum of 0, from the parts of a
                                 // crossing outline cancelling out, counts as counterclockwise)
    bool selfIntersecting = false;
    std::pair<double, double> crossing;  // X, Y of a place where the outline meets itself, if it does
};

enum class AreaProblem {
    None,
    TooFewPoints,  // fewer than three corners
    ZeroArea,      // every corner lies on one line: there is no parcel
};

// Measures the outline; empty coordinates count as 0. `result` is filled unless the problem is
// TooFewPoints (then only its point count is).
AreaProblem MeasureParcel(const std::vector<SurveyPoint>& points, ParcelArea& result);

// Whether the closed outline through these corners (X north, Y east) crosses or touches itself:
// two sides that are not neighbours meet, or two neighbouring sides overlap (the outline turns
// back on itself). Repeated neighbouring corners are taken once.
bool OutlineSelfIntersects(const std::vector<std::pair<double, double>>& corners);
// Where it does so first found: a crossing of two sides, a corner on another side, or the corner
// where the outline turns straight back.
std::optional<std::pair<double, double>> OutlineCrossing(const std::vector<std::pair<double, double>>& corners);

}  // namespace cesuan
