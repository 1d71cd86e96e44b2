#include "geodesy/attitude.h"

#include "angles/angle_units.h"
#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "geodesy/geodesy_texts.h"

#include <array>
#include <cmath>

namespace cesuan {
namespace {

using V = CalcValue;

V sub(const V& x, const V& y) { return SubtractTwo(x, y); }
V add(const V& x, const V& y) { return AddTwo(x, y); }
V mul(const V& x, const V& y) { return MultiplyTwo(x, y); }
V div(const V& x, const V& y) { return DivideTwo(x, y); }
V neg(const V& x) { return SubtractTwo(V(0), x); }
V abs(const V& x) { return x.toDouble().value_or(0) < 0 ? neg(x) : x; }

bool isZero(const V& x) { return IsZeroValue(x); }
bool same(const V& x, const V& y) { return isZero(sub(x, y)); }
bool positive(const V& x) { return x.toDouble().value_or(0) > 0; }
bool negative(const V& x) { return x.toDouble().value_or(0) < 0; }

bool samePoint(const PlanePoint& p, const PlanePoint& q) { return same(p.x, q.x) && same(p.y, q.y) && same(p.z, q.z); }

// Decimal degrees of arctan(ratio): the double arctangent's radians rounded to 9 places,
// times 180/π, rounded to 6 places.
V arctanDegrees(const V& ratio) {
    const double radians = std::atan(ToCalcValue(ratio).toDouble().value_or(0));
    const V rounded = RoundHalfUp(ToCalcValue(V(radians)), 9);
    return RoundHalfUp(mul(rounded, V(kDegreesPerRadianText)), 6);
}

// |p − q| to 5 places.
V distance(const PlanePoint& p, const PlanePoint& q) {
    const V dx = sub(p.x, q.x), dy = sub(p.y, q.y), dz = sub(p.z, q.z);
    const V sum = add(add(mul(dx, dx), mul(dy, dy)), mul(dz, dz));
    return RoundHalfUp(PowerOf(sum, V(QStringLiteral("0.5"))), 5);
}

V toDms(const V& degrees) { return RoundHalfUp(DecimalDegreeToDms(degrees), 6); }

}  // namespace

bool PlaneAttitude(const PlanePoint& q1, const PlanePoint& q2, const PlanePoint& q3, PlaneResult& r,
                   MessageBoxService& box) {
    const int errorsBefore = Journal().errorCount;
    const auto round5 = [](const PlanePoint& p) {
        return PlanePoint{RoundHalfUp(p.x, 5), RoundHalfUp(p.y, 5), RoundHalfUp(p.z, 5)};
    };
    const PlanePoint p1 = round5(q1), p2 = round5(q2), p3 = round5(q3);
    const V &x1 = p1.x, &y1 = p1.y, &z1 = p1.z;
    const V &x2 = p2.x, &y2 = p2.y, &z2 = p2.z;
    const V &x3 = p3.x, &y3 = p3.y, &z3 = p3.z;

    // Degenerate point sets.
    if (samePoint(p1, p2) && samePoint(p2, p3)) {
        box.show(texts::kMsgPlanePointsAllEqual);
        return false;
    }
    if (samePoint(p1, p2) || samePoint(p2, p3) || samePoint(p1, p3)) {
        box.show(texts::kMsgPlaneTwoPointsEqual);
        return false;
    }
    {
        // (P1 − P2) × (P3 − P2)
        const V ux = sub(x1, x2), uy = sub(y1, y2), uz = sub(z1, z2);
        const V vx = sub(x3, x2), vy = sub(y3, y2), vz = sub(z3, z2);
        if (isZero(sub(mul(uy, vz), mul(uz, vy))) && isZero(sub(mul(uz, vx), mul(ux, vz))) &&
            isZero(sub(mul(ux, vy), mul(uy, vx)))) {
            box.show(texts::kMsgPlanePointsInLine);
            return false;
        }
    }

    // The normal (An, Bn, Cn) = (P2 − P1) × (P3 − P1), written with the coordinates.
    const auto normalComponent = [](const V& u1, const V& u2, const V& u3, const V& w1, const V& w2,
                                    const V& w3) {
        return RoundHalfUp(add(add(mul(u1, sub(w2, w3)), mul(u2, sub(w3, w1))), mul(u3, sub(w1, w2))), 15);
    };
    const V cn = normalComponent(x1, x2, x3, y1, y2, y3);
    const V an = normalComponent(y1, y2, y3, z1, z2, z3);
    const V bn = normalComponent(z1, z2, z3, x1, x2, x3);

    if (!isZero(cn)) {
        // Inclined or level: Z = −a·X − b·Y − d.
        r.c = V(1);
        r.a = RoundHalfUp(div(an, cn), 14);
        r.b = RoundHalfUp(div(bn, cn), 14);
        const auto constant = [&](const PlanePoint& p, int places) {
            return RoundHalfUp(sub(sub(neg(mul(r.a, p.x)), mul(r.b, p.y)), p.z), places);
        };
        const V d1 = constant(p1, 5), d2 = constant(p2, 5), d3 = constant(p3, 5);
        r.d = constant(p1, 14);
        if (!same(d1, d2) || !same(d2, d3)) box.show(texts::kMsgPlaneConstantImprecise);
    } else {
        r.c = V(0);
        if (isZero(an)) {  // the plane Y = y1
            r.a = V(0);
            r.b = V(1);
            r.d = neg(y1);
        } else {
            r.a = V(1);
            if (isZero(bn)) {  // the plane X = x1
                r.b = V(0);
                r.d = neg(x1);
            } else {
                // X + b·Y + d = 0 through two of the points; the last pair that serves wins.
                V b;
                if (!same(y2, y1)) b = div(sub(x1, x2), sub(y2, y1));
                if (!same(y3, y1)) b = div(sub(x1, x3), sub(y3, y1));
                if (!same(y2, y3)) b = div(sub(x3, x2), sub(y2, y3));
                r.b = RoundHalfUp(b, 14);
                r.d = RoundHalfUp(sub(neg(x1), mul(r.b, y1)), 14);
            }
        }
    }

    r.side12 = distance(p1, p2);
    r.side23 = distance(p2, p3);
    r.side13 = distance(p1, p3);
    {
        const std::array<const V*, 3> sides = {&r.side12, &r.side23, &r.side13};
        std::size_t longest = 0;
        for (std::size_t k = 1; k < 3; ++k)
            if (sides[k]->toDouble().value_or(0) > sides[longest]->toDouble().value_or(0)) longest = k;
        const V& l = *sides[longest];
        const V others = add(*sides[(longest + 1) % 3], *sides[(longest + 2) % 3]);
        r.confidence = RoundHalfUp(div(mul(V(100), sub(others, l)), l), 6);
    }

    // Strike, dip direction and dip in decimal degrees.
    V strike, dipDirection, dip;
    const bool aZero = isZero(r.a), bZero = isZero(r.b), vertical = isZero(r.c);
    if (aZero && bZero) {
        strike = V(0);
        dipDirection = V(0);
        dip = V(0);
    } else if (vertical && aZero) {
        strike = V(0);
        dipDirection = V(90);
        dip = V(90);
    } else if (vertical && bZero) {
        strike = V(90);
        dipDirection = V(0);
        dip = V(90);
    } else if (vertical) {
        // The azimuth of P1→P2 (of P1→P3 when P2 lies straight above or below P1), in 0–180.
        const PlanePoint& q = same(x1, x2) ? p3 : p2;
        strike = arctanDegrees(div(sub(q.y, y1), sub(q.x, x1)));
        if (negative(strike)) strike = add(strike, V(180));
        if (positive(sub(strike, V(180)))) strike = sub(strike, V(180));
        dipDirection = positive(sub(strike, V(90))) ? sub(strike, V(90)) : add(strike, V(90));
        dip = V(90);
    } else if (aZero) {
        strike = V(0);
        dipDirection = positive(r.b) ? V(90) : V(270);
        dip = arctanDegrees(abs(r.b));
    } else if (bZero) {
        strike = V(90);
        dipDirection = positive(r.a) ? V(0) : V(180);
        dip = arctanDegrees(abs(r.a));
    } else {
        const V s = arctanDegrees(div(abs(r.a), abs(r.b)));
        const bool aUp = positive(r.a), bUp = positive(r.b);
        if (aUp && bUp) {
            strike = sub(V(180), s);
            dipDirection = sub(V(90), s);
        } else if (aUp) {
            strike = s;
            dipDirection = add(V(270), s);
        } else if (bUp) {
            strike = s;
            dipDirection = add(V(90), s);
        } else {
            strike = sub(V(180), s);
            dipDirection = sub(V(270), s);
        }
        // The level line meets the axes at 8000/a and 8000/b; the dip is arctan(√(a² + b²)).
        const V gradient = SquareRoot(add(mul(r.a, r.a), mul(r.b, r.b)));
        dip = arctanDegrees(div(V(8000), div(V(8000), gradient)));
    }
    r.strike = toDms(strike);
    r.dipDirection = toDms(dipDirection);
    r.dip = toDms(dip);
    return Journal().errorCount == errorsBefore;
}

}  // namespace cesuan
