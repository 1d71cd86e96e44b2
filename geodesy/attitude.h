#pragma once
// The attitude (产状) of a plane through three surveyed points: the plane equation
// a·X + b·Y + c·Z + d = 0, strike (走向, 0–180), dip direction (倾向, 0–360) and dip (倾角,
// 0–90) in D.MMSSss form, the three side lengths and a confidence figure for the shape of the
// triangle. Coordinates are plane coordinates: X north, Y east, Z up; horizontal angles count
// clockwise from north, vertical ones from the horizontal.
//
// The arithmetic is decimal with the roundings named in attitude.cpp; arctangents are taken
// in double and their radians rounded to 9 places before they become degrees.

#include "engine/calc_value.h"
#include "engine/journal.h"

namespace cesuan {

struct PlanePoint {
    CalcValue x, y, z;
};

struct PlaneResult {
    CalcValue a, b, c, d;              // c is 1 for an inclined or level plane, 0 for a vertical one
    CalcValue strike;                  // D.MMSS, 0–180
    CalcValue dipDirection;            // D.MMSS, 0–360
    CalcValue dip;                     // D.MMSS, 0–90
    CalcValue side12, side23, side13;  // distances, 5 places
    CalcValue confidence;              // 0 (a line) to 100 (an equilateral triangle), 6 places
};

// Fills `result` and returns true. Returns false after adding a notice to the journal when
// the points coincide or lie on one line, and without a notice when the arithmetic fails (the
// failure is in the journal). A plane constant d that differs by more than the fifth place
// among the three points is a notice too, and the computation goes on.
bool PlaneAttitude(CalcErrorJournal& journal, const PlanePoint& p1, const PlanePoint& p2, const PlanePoint& p3,
                   PlaneResult& result);

}  // namespace cesuan
