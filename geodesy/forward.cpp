#include "geodesy/forward.h"

#include "geodesy/dms.h"

#include <cmath>

namespace cesuan {

std::vector<ForwardPoint> ForwardPoints(const ForwardStation& station, const std::vector<ForwardLine>& lines,
                                        ForwardMode mode) {
    std::vector<ForwardPoint> points;
    points.reserve(lines.size());
    ForwardPoint from{QString(), station.x, station.y, station.h};
    for (const ForwardLine& line : lines) {
        double horizontal = line.distance;
        double rise = 0;
        if (line.vertical) {
            const double v = GeoDmsToRadians(*line.vertical);
            horizontal = line.distance * std::cos(v);
            rise = line.distance * std::sin(v);
        }
        const double alpha = GeoDmsToRadians(line.bearing);
        ForwardPoint p{line.name, from.x + horizontal * std::cos(alpha), from.y + horizontal * std::sin(alpha),
                       std::nullopt};
        if (from.h) p.h = *from.h + rise;
        points.push_back(p);
        if (mode == ForwardMode::Chain) from = p;
    }
    return points;
}

}  // namespace cesuan
