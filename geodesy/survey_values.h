#pragma once
// What the area, stake-out and geodesic routines share about the values of a list: the text
// of a result with a fixed number of decimals, and the check of a D.MMSS angle's fields.

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "engine/rounding.h"
#include "geodesy/dms.h"

#include <QString>

#include <cmath>

namespace cesuan {

// "-0.000" and the like, as rounding a small negative value leaves it, are written unsigned.
inline QString WithoutNegativeZero(QString text) {
    if (text.startsWith(u'-')) {
        bool nonZero = false;
        for (QChar c : QStringView(text).mid(1)) nonZero = nonZero || (c >= u'1' && c <= u'9');
        if (!nonZero) text.remove(0, 1);
    }
    return text;
}

// v rounded half away from zero to `places` decimals (on its 15-digit decimal) and written
// with exactly that many: 2 with 3 places is "2.000".
inline QString FixedPlaces(double v, int places) {
    return WithoutNegativeZero(QString::number(GeoRound(v, places), 'f', places));
}

// A decimal value rounded half away from zero and written with exactly `places` decimals; a
// value in exponent form comes back as its text.
inline QString FixedPlaces(const CalcValue& v, int places) {
    CalcErrorJournal journal;
    QString text = RoundHalfUp(journal, v, places).trimmedText();
    if (text.isEmpty() || text.contains(u'E') || text.contains(u'e')) return text;
    qsizetype point = text.indexOf(u'.');
    if (point < 0 && places > 0) {
        point = text.size();
        text += u'.';
    }
    const qsizetype decimals = point < 0 ? 0 : text.size() - point - 1;
    if (decimals < places) text += QString(places - decimals, u'0');
    return WithoutNegativeZero(text);
}

// Whether a D.MMSSsss angle has minutes and seconds below 60: 45.3060 (60 seconds) and 45.6
// (60 minutes) have not. An angle whose decimal cannot be written is taken as valid.
inline bool DmsFieldsValid(const CalcValue& angle) {
    const std::optional<Decimal96> d = angle.toDecimal();
    if (!d) return true;
    const QString text = d->toText();
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return true;
    const QString fraction = (text.mid(point + 1) + QStringLiteral("0000")).left(4);
    return fraction.left(2).toInt() < 60 && fraction.mid(2, 2).toInt() < 60;
}

}  // namespace cesuan
