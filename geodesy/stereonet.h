#pragma once
// The equal-area (Schmidt, Lambert azimuthal) projection of the lower hemisphere, as
// geologists plot planes and lines on it: the net's primitive circle has radius 1, north
// is +v, east is +h. A line of trend t (clockwise from north) and plunge p (down from the
// horizontal) lies at the distance √2·sin((90° − p)/2) from the centre, in the direction t.
// A plane is given by its dip direction and dip; its great circle holds every line in it,
// its pole is the line normal to it, plunging away from the dip direction.
//
// All angles are decimal degrees.

#include <vector>

namespace cesuan {

struct NetPoint {
    double h = 0;  // east
    double v = 0;  // north
};

// A line of the lower hemisphere; an upward plunge is taken as the opposite line below.
NetPoint ProjectLine(double trend, double plunge);

// The trend and plunge of the line a point of the net shows; nothing for a point outside the
// primitive circle (distance above 1 + 1e-12).
struct LineDirection {
    double trend = 0;   // 0 … 360
    double plunge = 0;  // 0 … 90
};
bool LineOfNetPoint(NetPoint point, LineDirection& line);

// The pole of a plane: trend dip direction + 180°, plunge 90° − dip.
LineDirection PoleOfPlane(double dipDirection, double dip);
// The deepest line of a plane: trend dip direction, plunge dip.
LineDirection DipLineOfPlane(double dipDirection, double dip);

// The great circle of a plane on the net, from one end of its strike line to the other,
// `segments` + 1 points (a level plane gives the primitive circle, a vertical one a diameter).
std::vector<NetPoint> GreatCircle(double dipDirection, double dip, int segments = 180);

// The small circle of the lines at the angle `cone` from the horizontal north–south axis
// (0 < cone < 180): on the equal-area net a "latitude" of the Schmidt grid, clipped to the
// lower hemisphere, from its west end to its east end; it bows towards north for a cone
// below 90, towards south above; cone 90 is the east–west diameter.
std::vector<NetPoint> SmallCircleAboutNorthSouth(double cone, int segments = 90);

// The Schmidt net's grid at `step` degrees: the great circles striking north–south
// (dipping east and west by step, 2·step … 90) and the small circles about the north–south
// axis (cones step, 2·step …, 180 − step). Each polyline is in net units.
std::vector<std::vector<NetPoint>> SchmidtGrid(double step = 10);

}  // namespace cesuan
