#pragma once
// The forward problem of surveying (stake-out): from a station X, Y (H) and lines of bearing
// (D.MMSS, clockwise from north), distance and optionally a vertical angle (D.MMSS, above the
// horizontal positive; the distance is then the slope distance S, reduced to D = S·cos V with
// the height difference dH = S·sin V), each point X = X0 + D·cos α, Y = Y0 + D·sin α. Radial
// from the station, or chained leg by leg (an open traverse: each line starts at the point
// before it, each bearing is that leg's azimuth); nothing is rounded between legs.

#include <QString>

#include <optional>
#include <vector>

namespace cesuan {

struct ForwardStation {
    double x = 0, y = 0;
    std::optional<double> h;  // without it the points have no height
};

struct ForwardLine {
    QString name;
    double bearing = 0;              // D.MMSS
    double distance = 0;             // m: horizontal, or slope with a vertical angle
    std::optional<double> vertical;  // D.MMSS
};

struct ForwardPoint {
    QString name;
    double x = 0, y = 0;
    std::optional<double> h;  // with the station's height only
};

enum class ForwardMode { Radial, Chain };

std::vector<ForwardPoint> ForwardPoints(const ForwardStation& station, const std::vector<ForwardLine>& lines,
                                        ForwardMode mode);

}  // namespace cesuan
