#include "geodesy/ellipsoid.h"

#include "geodesy/geodesy_texts.h"

#include <string_view>

namespace cesuan {

const EllipsoidConstants kBeijing1954 = {
    6378245.116,         6356863.0188,       0.00335234799088584, 0.00669345774472,
    0.0067385620248935,  6335552.60183059,   6367558.55507442,    0.998324529595332,
    0.0025142600555184,  2.6383176967516e-06, 3.41663363e-09,     0.0025184784143561,
    3.6999259641e-06,    7.44472571e-09,
};
const EllipsoidConstants kXian1980 = {
    6378140.0,           6356755.2882,       0.003352813171238,   0.0066943849863148,
    0.00673950180602026, 6335442.27534339,   6367452.13294706,    0.998324297200603,
    0.002514608940384,   2.639050543e-06,    3.41805e-09,         0.002518828470568,
    3.700954578e-06,     7.447831e-09,
};
const EllipsoidConstants kWgs84 = {
    6378137.0,           6356752.3142,       0.00335281067183097, 0.0066943800042608,
    0.00673949675658688, 6335439.32720276,   6367449.14593825,    0.998324298449256,
    0.002514607065831,   2.639046605e-06,    3.41805e-09,         0.0025188265897211,
    3.7009490513e-06,    7.4478139e-09,
};
// CGCS2000: a = 6378137 m, f = 1/298.257222101, derived the way the rows above were made:
// b = a (1 - f) rounded to 0.1 mm, f = (a - b) / a, e2 = (a² - b²) / a², ep2 = (a² - b²) / b²,
// a1e2 = a (1 - e2), arcK = 1 - e2/4 - 3e2²/64 - 5e2³/256, rectRadius = a arcK,
// arcC2 = 3e2/8 + 3e2²/32 + 45e2³/1024, arcC4 = 15e2²/256 + 45e2³/1024, arcC6 = 35e2³/3072,
// and with e1 = (1 - √(1 - e2)) / (1 + √(1 - e2)): fp2 = 3e1/2 - 27e1³/32,
// fp4 = 21e1²/16 - 55e1⁴/32, fp6 = 151e1³/96; computed with 50-digit decimals and written to
// 15 significant digits. (The same formulas give the WGS 84 row above to its printed digits,
// f and fp6 within one unit of the last.)
const EllipsoidConstants kCgcs2000 = {
    6378137.0,           6356752.3141,       0.00335281068750953, 0.00669438003551279,
    0.00673949678826153, 6335439.32700343,   6367449.14588829,    0.998324298441424,
    0.00251460707759023, 2.6390466301995e-06, 3.41804615609369e-09, 0.00251882660151953,
    3.70094908595582e-06, 7.44781391944711e-09,
};
// The standard Krassovsky 1940 ellipsoid of Beijing 1954: a = 6378245 m, f = 1/298.3,
// derived as the CGCS2000 row above (b rounds to the same 6356863.0188 m as the first row's).
const EllipsoidConstants kBeijing1954Standard = {
    6378245.0,           6356863.0188,       0.00335232986503341, 0.00669342161454282,
    0.00673852540614646, 6335552.71705415,   6367558.49702577,    0.998324538650643,
    0.00251424646114446, 2.63828914328972e-06, 3.41657830181469e-09, 0.00251846477434381,
    3.69988588686354e-06, 7.44460475499527e-09,
};

const std::array<EllipsoidChoice, 5>& EllipsoidChoices() {
    static const std::array<EllipsoidChoice, 5> choices = {{
        {QStringLiteral("BJ"), texts::kEllipsoidBeijing},
        {QStringLiteral("XA"), texts::kEllipsoidXian},
        {QStringLiteral("WGS"), texts::kEllipsoidWgs},
        {QStringLiteral("CGCS"), texts::kEllipsoidCgcs2000},
        {QStringLiteral("BJ-STD"), texts::kEllipsoidBeijingStandard},
    }};
    return choices;
}

namespace {

// The row of one of the five codes as the screens pass them, without blanks and in
// capitals; nothing for any other text.
[[gnu::always_inline]] inline const EllipsoidConstants* ellipsoidOfExactCode(const QString& code) {
    const QChar* c = code.constData();
    const qsizetype n = code.size();
    return n == 2 && c[0] == u'B' && c[1] == u'J'                                 ? &kBeijing1954
           : n == 2 && c[0] == u'X' && c[1] == u'A'                               ? &kXian1980
           : n == 3 && c[0] == u'W' && c[1] == u'G' && c[2] == u'S'               ? &kWgs84
           : n == 4 && c[0] == u'C' && c[1] == u'G' && c[2] == u'C' && c[3] == u'S' ? &kCgcs2000
           : n == 6 && QStringView(code) == u"BJ-STD"                                 ? &kBeijing1954Standard
                                                                                    : nullptr;
}

}  // namespace

const EllipsoidConstants& EllipsoidOfCode(const QString& code) {
    // The five codes as the screens pass them, without blanks and in capitals, at once.
    if (const EllipsoidConstants* exact = ellipsoidOfExactCode(code)) return *exact;
    // Trimmed of blanks and upper-cased. An ASCII code is compared in place; any other goes
    // through QString::toUpper, which may still make one of the codes ("wgſ" is "WGS").
    qsizetype from = 0, to = code.size();
    while (from < to && code[from] == u' ') ++from;
    while (to > from && code[to - 1] == u' ') --to;
    const QStringView trimmed = QStringView(code).sliced(from, to - from);
    bool ascii = true;
    for (QChar c : trimmed) ascii = ascii && c.unicode() < 0x80;
    const QString folded = ascii ? QString() : trimmed.toString().toUpper();
    const QStringView upper = ascii ? trimmed : QStringView(folded);
    const auto is = [upper](std::u16string_view name) {
        if (upper.size() != qsizetype(name.size())) return false;
        for (std::size_t i = 0; i < name.size(); ++i) {
            char16_t c = upper[qsizetype(i)].unicode();
            if (c >= u'a' && c <= u'z') c = char16_t(c - u'a' + u'A');
            if (c != name[i]) return false;
        }
        return true;
    };
    if (is(u"XA")) return kXian1980;
    if (is(u"WGS")) return kWgs84;
    if (is(u"CGCS")) return kCgcs2000;
    if (is(u"BJ-STD")) return kBeijing1954Standard;
    return kBeijing1954;
}

}  // namespace cesuan
