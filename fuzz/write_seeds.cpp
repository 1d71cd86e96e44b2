// Writes the seed corpora: the examples each screen starts with or offers, with the
// selector bytes that put them on their screens' usual settings.
//   write_seeds DIR   (fuzz/corpus in the repository)

#include "screens/area_texts.h"
#include "screens/attitude_texts.h"
#include "screens/forward_texts.h"
#include "screens/bearing_texts.h"
#include "screens/coordinate_texts.h"
#include "screens/main_screen_texts.h"
#include "screens/statistics_texts.h"
#include "screens/transform_texts.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

QString g_root;

void seed(const char* target, const QString& name, int selector, const QString& text) {
    QDir().mkpath(g_root + u'/' + QLatin1StringView(target));
    QFile file(g_root + u'/' + QLatin1StringView(target) + u'/' + name);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
    file.write(QByteArray(1, char(selector)) + text.toUtf8());
}

QString number(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds DIR\n");
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    namespace t = cesuan::texts;

    // The calculator's history examples at 15 places, in radians, degrees and D.MMSS.
    const QString units[] = {QStringLiteral("rad"), QStringLiteral("deg"), QStringLiteral("dms")};
    for (int k = 0; k < int(t::main::kExamples.size()); ++k)
        for (int unit = 0; unit < 3; ++unit)
            seed("formula", QStringLiteral("example") + number(k + 1) + u'-' + units[unit], unit * 29 + 15,
                 t::main::kExamples[std::size_t(k)]);
    const QString formulas[] = {
        QStringLiteral("1/0"),         QStringLiteral("((1+2)"),    QStringLiteral("sin90"),
        QStringLiteral("3!%"),         QStringLiteral("0.001^-9.5"), QStringLiteral("1e30\\7"),
        QStringLiteral("sh67+ch67"),   QStringLiteral("arctan1"),   QStringLiteral("2^0.5*π-ε"),
        QStringLiteral("1.2.3+1"),
    };
    for (int k = 0; k < int(std::size(formulas)); ++k)
        seed("formula", QStringLiteral("edge") + number(k + 1), 29 + 28, formulas[k]);
    // Formulas the way people write them, in degrees at 15 places.
    const QString phrases[] = {
        QStringLiteral("三亿五千万加1.5万"),         QStringLiteral("三分之一加百分之五"),
        QStringLiteral("2的3次方+五的平方"),         QStringLiteral("三的平方加四的平方再开平方"),
        QStringLiteral("正弦30乘以反余弦0.5"),       QStringLiteral("以2为底8的对数"),
        QStringLiteral("log 3 （27）+sqrt(16)*exp1"), QStringLiteral("开3次方27的阶乘是多少"),
        QStringLiteral("根号(3的平方+4的平方)斤"),   QStringLiteral("十二点五乘方两然后除以圆周率"),
    };
    for (int k = 0; k < int(std::size(phrases)); ++k)
        seed("formula", QStringLiteral("words") + number(k + 1), 29 + 15, phrases[k]);

    // Numbers as typed into a box, through each reading.
    const QString numbers[] = {
        QStringLiteral("123.456"), QStringLiteral("-1.5e+3"), QStringLiteral("１２３．４"),
        QStringLiteral("  -0.0012 "), QStringLiteral("79228162514264337593543950335"), QStringLiteral("1e-28"),
        QStringLiteral("abc"),
    };
    for (int reading = 0; reading < 3; ++reading)
        for (int k = 0; k < int(std::size(numbers)); ++k)
            seed("number", QStringLiteral("reading") + QString::number(reading) + u'-' + number(k + 1), reading, numbers[k]);

    // Angles through the six conversions.
    const QString angles[] = {
        QStringLiteral("1.2345"), QStringLiteral("45.3"), QStringLiteral("-10.499999999999999999999999999"),
        QStringLiteral("359.5959"), QStringLiteral("3.14159265358979323846"),
    };
    for (int conversion = 0; conversion < 6; ++conversion)
        for (int k = 0; k < int(std::size(angles)); ++k)
            seed("angles", QStringLiteral("conversion") + QString::number(conversion) + u'-' + number(k + 1), conversion,
                 angles[k]);

    // The base calculator: conversions (selector 48 + from + 4 × to, radixes 2 8 10 16) and
    // computations (selector radix + 4 × operation).
    struct Case { int selector; const char* name; QString text; };
    const Case radixCases[] = {
        {48 + 2 + 4 * 0, "dec-to-bin", QStringLiteral("-10.625")},
        {48 + 0 + 4 * 3, "bin-to-hex", QStringLiteral("1011011.101")},
        {48 + 3 + 4 * 1, "hex-to-oct", QStringLiteral("FF.8")},
        {48 + 1 + 4 * 2, "oct-to-dec", QStringLiteral("777.4")},
        {2 + 4 * 0, "dec-add", QStringLiteral("123.5\n-7")},
        {0 + 4 * 6, "bin-and", QStringLiteral("1011\n110")},
        {3 + 4 * 2, "hex-multiply", QStringLiteral("FF.8\n1A")},
        {1 + 4 * 4, "oct-power", QStringLiteral("7\n3")},
        {2 + 4 * 3, "dec-divide", QStringLiteral("1\n3")},
        {2 + 4 * 5, "dec-remainder", QStringLiteral("100\n7")},
        {0 + 4 * 8, "bin-not", QStringLiteral("\n101")},
        {3 + 4 * 9, "hex-xor", QStringLiteral("-1F\nA")},
    };
    for (const Case& c : radixCases) seed("radix", QLatin1StringView(c.name), c.selector, c.text);

    // The statistics screen's start table (one name column, "*"), and a table without names.
    seed("statistics", QStringLiteral("start"), 1, t::statistics::kStartData);
    seed("statistics", QStringLiteral("numbers-only"), 0, QStringLiteral("1*2*3\r\n4*5*6\r\n7.5*-8*9e2\r\n"));

    // The coordinate screen: its start text through the forward conversions, and grid
    // points through the inverse and zone conversions (meridian 117 on the first line).
    const QString meridian = QStringLiteral("117\n");
    for (int conversion = 0; conversion < 3; ++conversion)
        seed("coordinates", QStringLiteral("start-") + QString::number(conversion), conversion,
             meridian + t::coordinates::kStartInput);
    seed("coordinates", QStringLiteral("grid6"), 3,
         meridian + QStringLiteral("A01,4395879.562,20400348.322,23.441\r\nB2,2350816.825,20544093.359,5\r\n"));
    seed("coordinates", QStringLiteral("grid3"), 4, meridian + QStringLiteral("A01,4395879.562,39400348.322,23.441\r\n"));
    seed("coordinates", QStringLiteral("grid1p5"), 5, meridian + QStringLiteral("A01,4395879.562,77400348.322\r\n"));
    seed("coordinates", QStringLiteral("zone-3to6"), 7, meridian + QStringLiteral("4395879.562,39400348.322\r\n"));
    seed("coordinates", QStringLiteral("zone-6to3-yxz"), 49, meridian + QStringLiteral("20400348.322,4395879.562\r\n"));
    seed("coordinates", QStringLiteral("west"), 20, QStringLiteral("-75\n-33.2,-70.3\r\n"));

    // The survey screens: the point lists they start with.
    seed("survey", QStringLiteral("points"), 0, t::bearing::kStartPoints);
    seed("survey", QStringLiteral("points-no-serial"), 1, QStringLiteral("4395879.562,40400348.322,23.441\r\n1,2,3"));
    seed("survey", QStringLiteral("bearing"), 2, QStringLiteral("0\n") + t::bearing::kStartPoints);
    seed("survey", QStringLiteral("bearing-origin"), 2, QStringLiteral("Z02\n") + t::bearing::kStartPoints);
    seed("survey", QStringLiteral("bearing-geodetic"), 6, QStringLiteral("0\nA,39.4125536,117.5017873,23\r\nB,39.4041,117.4814,19"));
    seed("survey", QStringLiteral("attitude"), 3, QStringLiteral("0\n") + t::attitude::kStartPoints);
    seed("survey", QStringLiteral("attitude-first"), 3, QStringLiteral("G4\n") + t::attitude::kStartPoints);
    // Values that are no numbers, serials without coordinates, empty lines, a missing origin.
    seed("survey", QStringLiteral("bad-values"), 2, QStringLiteral("0\nP1,10,20,5\r\nP2,abc,30,1\r\n\r\nJ\r\nP4,3,4"));
    seed("survey", QStringLiteral("bad-origin"), 2, QStringLiteral("Q\nP1,10,20,5\r\nP4,3,4"));

    // The transformation window's boxes with its start example: common points for the
    // models 7 and 4, points to transform, a parameter text and the Cartesian box both ways.
    seed("transform", QStringLiteral("common-7"), 8, t::transform::kStartCommonPoints);
    seed("transform", QStringLiteral("common-4"), 4, QStringLiteral("A,0,0,100,200\r\nB,0,1000,100,1200.01\r\nC,5,5,105,x"));
    seed("transform", QStringLiteral("apply-7"), 9, t::transform::kStartApplyPoints);
    seed("transform", QStringLiteral("parameters"), 10,
         QStringLiteral("model = 7\r\ndx = 1\r\ndy = 2\r\ndz = 3\r\nrx = 0.1\r\nry = 0.2\r\nrz = 0.3\r\nscale_ppm = 4"));
    seed("transform", QStringLiteral("cartesian-to-xyz"), 3, t::transform::kStartCartesian);
    seed("transform", QStringLiteral("cartesian-to-blh"), 67, t::transform::kStartApplyPoints);
    seed("survey", QStringLiteral("attitude-bad"), 3, QStringLiteral("0\nA,0,0,0\r\nB,x,0,0\r\nC,0,1,1e400"));
    seed("statistics", QStringLiteral("not-numbers"), 1, QStringLiteral("a*1*abc\r\nb*3e400*x*1*2*3*4*5\r\n"));
    seed("coordinates", QStringLiteral("unread-and-99"), 0, meridian + QStringLiteral("P1,39.9999,117.3\r\nP2,abc,117.1\r\n"));
    for (int conversion = 0; conversion < 6; ++conversion)
        seed("angles", QStringLiteral("no-number-") + QString::number(conversion), conversion,
             conversion % 2 ? QStringLiteral("1E+35") : QStringLiteral("abc"));
    // The area window, the stake-out window and geodesics: their start texts and edge cases.
    seed("area", QStringLiteral("start"), 0, t::area::kStartPoints);
    seed("area", QStringLiteral("bow-tie"), 1, QStringLiteral("0,0\r\n10,10\r\n10,0\r\n0,20\r\n0,0"));
    seed("area", QStringLiteral("line-and-bad"), 0, QStringLiteral("A,0,0\r\nB,1,1\r\nC,2,2\r\nD,x,1e400"));
    seed("forward", QStringLiteral("start"), 0,
         t::forward::kStartStationX + u',' + t::forward::kStartStationY + u',' + t::forward::kStartStationH + u'\n' +
             t::forward::kStartLines);
    seed("forward", QStringLiteral("chain-no-height"), 1, QStringLiteral("0,0\nT1,0,10\r\nT2,90,20,30\r\nT3,359.5959,1e9"));
    seed("forward", QStringLiteral("bad"), 0, QStringLiteral("a,\nP,45.6,-1,95\r\nQ,10"));
    seed("geodesic", QStringLiteral("start"), 2, QStringLiteral("A\nA,30,117,5\r\nB,31,118\r\nJFK,40.3824,-73.4648"));
    seed("geodesic", QStringLiteral("poles"), 0, QStringLiteral("0\nN,90,0\r\nS,-90,180\r\nX,0,179.5959"));
    seed("geodesic", QStringLiteral("bad"), 1, QStringLiteral("Q\nA,91,0\r\nB,30.6,400\r\nC,1"));
    seed("number", QStringLiteral("long"), 2, QStringLiteral("123456789012345678901234567890.123456789"));
    seed("radix", QStringLiteral("hex-invalid"), 3 + 4 * 0, QStringLiteral("GZ!\n1"));
    // The matrix window's example for every operation at 15 places, and the equations window's.
    for (int operation = 0; operation < 9; ++operation)
        seed("matrix", QStringLiteral("example-") + number(operation), 2 * 9 + operation,
             QStringLiteral("4  1  1\n1  3  0\n1  0  2\n\n6\n4\n3\n"));
    seed("matrix", QStringLiteral("formulas-commas"), 2 * 9 + 5, QStringLiteral("sin 30, 1/3\t2\n根号2，三分之一, x\n"));
    seed("matrix", QStringLiteral("singular"), 2 * 9 + 5, QStringLiteral("1 2 3\n4 5 6\n7 8 9"));
    seed("equations", QStringLiteral("example"), 2 * 2, QStringLiteral("2x+3y-z=5\nx-y+2z=5\n3x加y减z等于2\n"));
    seed("equations", QStringLiteral("least-squares"), 2 * 2 + 1, QStringLiteral("x=1\nx=2\nx=6\n"));
    seed("equations", QStringLiteral("augmented"), 2 * 2, QStringLiteral("1 1 3\n1 -1 1\n"));
    seed("equations", QStringLiteral("not-linear"), 2 * 2, QStringLiteral("x*y=1\n1/x=2\nsin(z)=0\n"));
    // The derivative and integral windows' examples, an infinite range, a pole, and 度分秒.
    seed("calculus", QStringLiteral("derivative"), 0, QStringLiteral("x^3-2*x\n1.5"));
    seed("calculus", QStringLiteral("second-derivative"), 2, QStringLiteral("ln(x)\n0.01"));
    seed("calculus", QStringLiteral("integral"), 1, QStringLiteral("sin(x)\n0 π"));
    seed("calculus", QStringLiteral("infinite"), 1, QString::fromUtf16(u"1/ε^(x^2)\n-∞ inf"));
    seed("calculus", QStringLiteral("pole"), 1 + 4, QStringLiteral("sec(x)\n0 180"));
    seed("calculus", QStringLiteral("dms"), 8, QStringLiteral("sin(x)\n30"));
    return 0;
}
