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

bool isZero(const V& x) { return IsZeroValue(x); }
bool positive(const V& x) { return x.toDouble().value_or(0) > 0; }
bool negative(const V& x) { return x.toDouble().value_or(0) < 0; }

// The decimal steps of the computation, each logging its failures in one journal.
struct Steps {
    CalcErrorJournal& journal;

    V sub(const V& x, const V& y) const { return SubtractTwo(journal, x, y); }
    V add(const V& x, const V& y) const { return AddTwo(journal, x, y); }
    V mul(const V& x, const V& y) const { return MultiplyTwo(journal, x, y); }
    V div(const V& x, const V& y) const { return DivideTwo(journal, x, y); }
    V neg(const V& x) const { return SubtractTwo(journal, V(0), x); }
    V abs(const V& x) const { return x.toDouble().value_or(0) < 0 ? neg(x) : x; }
    bool same(const V& x, const V& y) const { return isZero(sub(x, y)); }
    bool samePoint(const PlanePoint& p, const PlanePoint& q) const {
        return same(p.x, q.x) && same(p.y, q.y) && same(p.z, q.z);
    }

    // Decimal degrees of arctan(ratio): the double arctangent's radians rounded to 9 places,
    // times 180/π, rounded to 6 places.
    V arctanDegrees(const V& ratio) const {
        const double radians = std::atan(ToCalcValue(journal, ratio).toDouble().value_or(0));
        const V rounded = RoundHalfUp(journal, ToCalcValue(journal, V(radians)), 9);
        return RoundHalfUp(journal, mul(rounded, V(kDegreesPerRadianText)), 6);
    }

    // |p − q| to 5 places.
    V distance(const PlanePoint& p, const PlanePoint& q) const {
        const V dx = sub(p.x, q.x), dy = sub(p.y, q.y), dz = sub(p.z, q.z);
        const V sum = add(add(mul(dx, dx), mul(dy, dy)), mul(dz, dz));
        return RoundHalfUp(journal, PowerOf(journal, sum, V(QStringLiteral("0.5"))), 5);
    }

    V toDms(const V& degrees) const { return RoundHalfUp(journal, DecimalDegreeToDms(journal, degrees), 6); }
};

}  // namespace

bool PlaneAttitude(CalcErrorJournal& journal, const PlanePoint& q1, const PlanePoint& q2, const PlanePoint& q3,
                   PlaneResult& r) {
    const Steps dec{journal};
    const int errorsBefore = journal.errorCount;
    const auto round5 = [&](const PlanePoint& p) {
        return PlanePoint{RoundHalfUp(journal, p.x, 5), RoundHalfUp(journal, p.y, 5), RoundHalfUp(journal, p.z, 5)};
    };
    const PlanePoint p1 = round5(q1), p2 = round5(q2), p3 = round5(q3);
    const V &x1 = p1.x, &y1 = p1.y, &z1 = p1.z;
    const V &x2 = p2.x, &y2 = p2.y, &z2 = p2.z;
    const V &x3 = p3.x, &y3 = p3.y, &z3 = p3.z;

    // Degenerate point sets.
    if (dec.samePoint(p1, p2) && dec.samePoint(p2, p3)) {
        AddNotice(journal, texts::kMsgPlanePointsAllEqual);
        return false;
    }
    if (dec.samePoint(p1, p2) || dec.samePoint(p2, p3) || dec.samePoint(p1, p3)) {
        AddNotice(journal, texts::kMsgPlaneTwoPointsEqual);
        return false;
    }
    {
        // (P1 − P2) × (P3 − P2)
        const V ux = dec.sub(x1, x2), uy = dec.sub(y1, y2), uz = dec.sub(z1, z2);
        const V vx = dec.sub(x3, x2), vy = dec.sub(y3, y2), vz = dec.sub(z3, z2);
        if (isZero(dec.sub(dec.mul(uy, vz), dec.mul(uz, vy))) && isZero(dec.sub(dec.mul(uz, vx), dec.mul(ux, vz))) &&
            isZero(dec.sub(dec.mul(ux, vy), dec.mul(uy, vx)))) {
            AddNotice(journal, texts::kMsgPlanePointsInLine);
            return false;
        }
    }

    // The normal (An, Bn, Cn) = (P2 − P1) × (P3 − P1), written with the coordinates.
    const auto normalComponent = [&](const V& u1, const V& u2, const V& u3, const V& w1, const V& w2,
                                    const V& w3) {
        return RoundHalfUp(journal, dec.add(dec.add(dec.mul(u1, dec.sub(w2, w3)), dec.mul(u2, dec.sub(w3, w1))), dec.mul(u3, dec.sub(w1, w2))), 15);
    };
    const V cn = normalComponent(x1, x2, x3, y1, y2, y3);
    const V an = normalComponent(y1, y2, y3, z1, z2, z3);
    const V bn = normalComponent(z1, z2, z3, x1, x2, x3);

    if (!isZero(cn)) {
        // Inclined or level: Z = −a·X − b·Y − d.
        r.c = V(1);
        r.a = RoundHalfUp(journal, dec.div(an, cn), 14);
        r.b = RoundHalfUp(journal, dec.div(bn, cn), 14);
        const auto constant = [&](const PlanePoint& p, int places) {
            return RoundHalfUp(journal, dec.sub(dec.sub(dec.neg(dec.mul(r.a, p.x)), dec.mul(r.b, p.y)), p.z), places);
        };
        const V d1 = constant(p1, 5), d2 = constant(p2, 5), d3 = constant(p3, 5);
        r.d = constant(p1, 14);
        if (!dec.same(d1, d2) || !dec.same(d2, d3)) AddNotice(journal, texts::kMsgPlaneConstantImprecise);
    } else {
        r.c = V(0);
        if (isZero(an)) {  // the plane Y = y1
            r.a = V(0);
            r.b = V(1);
            r.d = dec.neg(y1);
        } else {
            r.a = V(1);
            if (isZero(bn)) {  // the plane X = x1
                r.b = V(0);
                r.d = dec.neg(x1);
            } else {
                // X + b·Y + d = 0 through two of the points; the last pair that serves wins.
                V b;
                if (!dec.same(y2, y1)) b = dec.div(dec.sub(x1, x2), dec.sub(y2, y1));
                if (!dec.same(y3, y1)) b = dec.div(dec.sub(x1, x3), dec.sub(y3, y1));
                if (!dec.same(y2, y3)) b = dec.div(dec.sub(x3, x2), dec.sub(y2, y3));
                r.b = RoundHalfUp(journal, b, 14);
                r.d = RoundHalfUp(journal, dec.sub(dec.neg(x1), dec.mul(r.b, y1)), 14);
            }
        }
    }

    r.side12 = dec.distance(p1, p2);
    r.side23 = dec.distance(p2, p3);
    r.side13 = dec.distance(p1, p3);
    {
        const std::array<const V*, 3> sides = {&r.side12, &r.side23, &r.side13};
        std::size_t longest = 0;
        for (std::size_t k = 1; k < 3; ++k)
            if (sides[k]->toDouble().value_or(0) > sides[longest]->toDouble().value_or(0)) longest = k;
        const V& l = *sides[longest];
        const V others = dec.add(*sides[(longest + 1) % 3], *sides[(longest + 2) % 3]);
        r.confidence = RoundHalfUp(journal, dec.div(dec.mul(V(100), dec.sub(others, l)), l), 6);
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
        const PlanePoint& q = dec.same(x1, x2) ? p3 : p2;
        strike = dec.arctanDegrees(dec.div(dec.sub(q.y, y1), dec.sub(q.x, x1)));
        if (negative(strike)) strike = dec.add(strike, V(180));
        if (positive(dec.sub(strike, V(180)))) strike = dec.sub(strike, V(180));
        dipDirection = positive(dec.sub(strike, V(90))) ? dec.sub(strike, V(90)) : dec.add(strike, V(90));
        dip = V(90);
    } else if (aZero) {
        strike = V(0);
        dipDirection = positive(r.b) ? V(90) : V(270);
        dip = dec.arctanDegrees(dec.abs(r.b));
    } else if (bZero) {
        strike = V(90);
        dipDirection = positive(r.a) ? V(0) : V(180);
        dip = dec.arctanDegrees(dec.abs(r.a));
    } else {
        const V s = dec.arctanDegrees(dec.div(dec.abs(r.a), dec.abs(r.b)));
        const bool aUp = positive(r.a), bUp = positive(r.b);
        if (aUp && bUp) {
            strike = dec.sub(V(180), s);
            dipDirection = dec.sub(V(90), s);
        } else if (aUp) {
            strike = s;
            dipDirection = dec.add(V(270), s);
        } else if (bUp) {
            strike = s;
            dipDirection = dec.add(V(90), s);
        } else {
            strike = dec.sub(V(180), s);
            dipDirection = dec.sub(V(270), s);
        }
        // The level line meets the axes at 8000/a and 8000/b; the dip is arctan(√(a² + b²)).
        const V gradient = SquareRoot(journal, dec.add(dec.mul(r.a, r.a), dec.mul(r.b, r.b)));
        dip = dec.arctanDegrees(dec.div(V(8000), dec.div(V(8000), gradient)));
    }
    r.strike = dec.toDms(strike);
    r.dipDirection = dec.toDms(dipDirection);
    r.dip = dec.toDms(dip);
    return journal.errorCount == errorsBefore;
}

}  // namespace cesuan
