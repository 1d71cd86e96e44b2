#include "geodesy/dms.h"

#include "geodesy/dms_digits.h"

namespace cesuan {

using namespace dms_digits;

double GeoRound(double value, int places) { return roundFast(value, places); }
double GeoDmsToDegrees(double angle) { return dmsToDegreesFast(angle); }
double GeoDegreesToRadians(double degrees) { return degreesToRadiansFast(degrees); }
double GeoDmsToRadians(double angle) { return dmsToRadiansFast(angle); }
double GeoDegreesToDms(double degrees) { return degreesToDmsFast(degrees); }
double GeoNormaliseDms(double angle) { return normaliseDmsFast(angle); }

}  // namespace cesuan
