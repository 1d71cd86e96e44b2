#pragma once
// Angles of the survey lists: D.MMSSsss (39.4125536 is 39°41'25.536"), decimal degrees and
// radians, and the rounding of the projections' results. Each helper works on the
// 15-significant-digit decimal of its double, as the text of the number reads.
//
// Two ways give the same doubles: the routines below take integer paths on those digits
// (geodesy/dms_digits.h); the textual:: ones go step by step on the decimal texts (text of the
// 15-digit decimal, digits cut out, Decimal96 arithmetic, number read back from text). The
// integer paths hand a value to the textual ones where it lies too close to a rounding
// boundary to decide quickly; the tests compare the two.

namespace cesuan {

// v rounded to `places` (0..17) decimal places, halves away from zero, on the 15-digit
// decimal of v. Returned unchanged: places outside 0..17, |v| > 179769313486232, and a v
// whose 15-digit decimal is whole (so GeoRound(2.0000000000000004, 3) is that double).
double GeoRound(double value, int places);

// D.MMSSsss to decimal degrees, on the 15-digit decimal of the angle. Seconds above 60
// count as 60, and so do minutes (with seconds) above 60. |angle| > 179769313486232 comes
// back unchanged; a NaN stays NaN.
double GeoDmsToDegrees(double angle);
// Decimal degrees to radians: the 15-digit decimal times π/180 to 28 digits; 0 when
// |degrees| > 179769313486232; a NaN stays NaN.
double GeoDegreesToRadians(double degrees);
// GeoDegreesToRadians(GeoDmsToDegrees(angle)).
double GeoDmsToRadians(double angle);

// Decimal degrees to D.MMSSsss, the seconds kept to 15 decimal places (60 carried into the
// minutes, 60 minutes into the degrees). |degrees| > 179769313486232 and whole degrees come
// back unchanged; a NaN stays NaN.
double GeoDegreesToDms(double degrees);
// D.MMSSsss with seconds or minutes of 60 and more carried over: 117.4960 is 117.5,
// 117.6 is 118. Values without a fraction and |angle| > 179769313486232 are unchanged.
double GeoNormaliseDms(double angle);

namespace textual {
double GeoRound(double value, int places);
double GeoDmsToDegrees(double angle);
double GeoDegreesToRadians(double degrees);
double GeoDmsToRadians(double angle);
double GeoDegreesToDms(double degrees);
double GeoNormaliseDms(double angle);
}  // namespace textual

}  // namespace cesuan
