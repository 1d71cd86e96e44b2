#include "cli/cli_commands.h"

#include "cli/offline_platform.h"
#include "engine/calc_value.h"
#include "engine/journal.h"
#include "engine/line_ends.h"
#include "evaluator/calc_context.h"
#include "files/text_file.h"
#include "evaluator/text_to_number.h"
#include "radix/radix.h"
#include "radix/radix_arithmetic.h"
#include "geodesy/projection.h"
#include "screens/angle_screen.h"
#include "screens/area_screen.h"
#include "screens/attitude_screen.h"
#include "screens/forward_screen.h"
#include "geodesy/geodesic.h"
#include "geodesy/survey_values.h"
#include "screens/bearing_texts.h"
#include "screens/base_calculator_screen.h"
#include "screens/base_calculator_texts.h"
#include "screens/bearing_screen.h"
#include "screens/screen_texts.h"
#include "geodesy/point_list.h"
#include "screens/coordinate_screen.h"
#include "screens/coordinate_texts.h"
#include "screens/equations_screen.h"
#include "screens/calculus_screen.h"
#include "screens/errors_screen.h"
#include "screens/matrix_screen.h"
#include "screens/main_screen.h"
#include "screens/number_split.h"
#include "screens/regression_screen.h"
#include "screens/statistics_screen.h"
#include "screens/statistics_texts.h"
#include "screens/transform_screen.h"
#include "screens/variable_editor.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <limits>
#include <map>
#include <optional>

namespace cesuan::cli {
namespace {

const char kUsage[] =
    "usage: cesuan-cli calc [--places N] [--unit rad|deg|dms] [--var r=VALUE ...] [--json] [FORMULA ...]\n"
    "       cesuan-cli angle --from rad|deg|dms --to rad|deg|dms VALUE ...\n"
    "       cesuan-cli stats [--lead 0|1|2|3] [--sep C|tab|blank] [FILE]\n"
    "       cesuan-cli regress [--x COL] [--y COL] [--degree 1|2|3] [--lead N] [--sep C] [--json] [FILE]\n"
    "       cesuan-cli coord --op J6|J3|J1.5|6J|3J|1.5J|1.5to3|3to6|3to1.5|6to3 [--ellipsoid BJ|XA|WGS|CGCS|BJ-STD]\n"
    "                        [--meridian DEG] [--order XYZ|YXZ] [--sep C] [--no-serial] [--limit N] [FILE]\n"
    "       cesuan-cli transform estimate --model 3|4|7 [--json] [FILE]\n"
    "       cesuan-cli transform apply --model 3|4|7 --params V1,V2,... [FILE]\n"
    "       cesuan-cli cart --ellipsoid BJ|BJ-STD|XA|WGS|CGCS --to xyz|blh [FILE]\n"
    "       cesuan-cli points [--no-serial] [FILE]\n"
    "       cesuan-cli bearing [--origin SERIAL] [--no-serial] [FILE]\n"
    "       cesuan-cli attitude [--first SERIAL] [FILE]\n"
    "       cesuan-cli area [--no-serial] [--json] [FILE]\n"
    "       cesuan-cli forward --station X,Y[,H] [--chain] [--json] [FILE]\n"
    "       cesuan-cli geodesic --ellipsoid CODE [--json] [FILE]\n"
    "       cesuan-cli radix --from 2|8|10|16 --to 2|8|10|16 VALUE ...\n"
    "       cesuan-cli base --radix 2|8|10|16 --op add|sub|mul|div|pow|rem|and|or|not|xor|nand|nor A B\n"
    "       cesuan-cli split NUMBER\n"
    "       cesuan-cli matrix --op det|inv|rank|eig|mul|add|sub|transpose [--json] FILE [FILE2]\n"
    "       cesuan-cli solve [--least-squares] [--json] [FILE]\n"
    "       cesuan-cli errors --observations FILE [--json]\n"
    "       cesuan-cli errors --propagate FORMULA --var x=VALUE±ERROR ... [--json]\n"
    "       cesuan-cli derive --at X0 [--order 1|2] [--unit rad|deg|dms] [--json] FORMULA\n"
    "       cesuan-cli integrate --from A --to B [--unit rad|deg|dms] [--json] FORMULA\n"
    "\n"
    "calc   computes each FORMULA (or each line of standard input) as the compute button does,\n"
    "       each from the same settings: 15 places, radians, variables r..z = 1..9 unless given.\n"
    "       Prints the result box without its alignment, or with --json one object per line.\n"
    "angle  converts each VALUE as the angle screen does (rad: radians, deg: decimal degrees,\n"
    "       dms: degree-minute-second written D.MMSSss).\n"
    "stats  computes the statistics of the table in FILE (or standard input) as the statistics\n"
    "       screen does: prints the aligned table, an empty line, then the ten rows of the result\n"
    "       grid, five tab-separated cells each. --lead: leading name columns (1); --sep: the\n"
    "       separator (*).\n"
    "regress   fits y on x by least squares, a polynomial of --degree (1), from number columns\n"
    "          --x (1) and --y (2) of the table in FILE (or standard input), read as stats reads\n"
    "          it, and prints the regression window's result; --json prints one object with\n"
    "          coefficients (constant first), std_errors, r, r2, residual_sd and n in full\n"
    "          precision. Exit status 1 when the data cannot be fitted (the reason on standard error).\n"
    "coord  converts the points in FILE (or standard input) as the coordinate screen does and\n"
    "       prints the result block; the cleaned input and its remarks go to standard error.\n"
    "       Defaults: BJ, meridian 117, order XYZ, separator \",\", serials, no point limit.\n"
    "transform estimate  the least-squares parameters of the model from common points, lines\n"
    "          \"name, x1, y1, x2, y2\" (model 4) or \"name, X1, Y1, Z1, X2, Y2, Z2\" (models 3, 7): prints\n"
    "          the window's report (parameters, sigma0, residuals), or with --json one object.\n"
    "transform apply  the parameters (in the order dx,dy,dz | dx,dy,rotation,scale_ppm |\n"
    "          dx,dy,dz,rx,ry,rz,scale_ppm; rotations in arc seconds, scale in ppm; write\n"
    "          --params=V1,... when the first value begins with \"-\") on lines \"name, x, y[, z]\".\n"
    "cart      \"name, B, L, H\" (D.MMSS) to \"name, X, Y, Z\" (--to xyz) or back (--to blh).\n"
    "          Data errors of transform and cart go to standard error with exit status 1.\n"
    "points    prints the aligned text of a point list (serial, X, Y, H by commas).\n"
    "bearing   distance, bearing, slope distance and vertical angle of every point from the\n"
    "          origin (its serial, or 0 for the point 0, 0, 0) as the bearing screen shows them.\n"
    "attitude  strike, dip direction and dip of the plane through three points, starting at\n"
    "          --first (0: the first three points), as the attitude screen shows them.\n"
    "area      area of a parcel from its points (serial, X, Y) in order around it: perimeter, ㎡, 亩,\n"
    "          公顷, orientation (north up) and whether the outline crosses itself.\n"
    "forward   points from a station and lines \"name, bearing, distance[, vertical]\" (D.MMSS; with\n"
    "          a vertical angle the distance is a slope distance): \"name, X, Y[, H]\", radial from the\n"
    "          station or with --chain leg by leg.\n"
    "geodesic  lines \"name, B1, L1, B2, L2\" (D.MMSS) on the ellipsoid (BJ, XA, WGS, CGCS …):\n"
    "          \"name, distance, azimuth1, azimuth2\", azimuth2 the back azimuth at the second point.\n"
    "radix     converts each VALUE between the radixes as the base calculator does.\n"
    "base      computes A op B as the base calculator does and prints data 1, data 2, the result\n"
    "          and, when shown, the too-long-result warning, one per line (not: B alone is enough).\n"
    "split     splits NUMBER as the number split screen does and prints its integer part and its\n"
    "          fractional digits, one per line (NUMBER may begin with \"-\").\n"
    "matrix    computes with the matrix in FILE (rows of entries, each a formula) as the matrix\n"
    "          window does; mul, add and sub take B from FILE2. Prints the result; with --json\n"
    "          {\"value\"} (det, rank), {\"values\", \"vectors\"} (eig, values ascending, one vector\n"
    "          for each value) or {\"matrix\"}. The condition of the matrix goes to standard error.\n"
    "solve     solves the linear system in FILE (or standard input): one equation a line,\n"
    "          2x+3y-z=1 or 2x加3y减z等于1, the unknowns r..z; or the rows of the augmented matrix.\n"
    "          --least-squares: least squares for an over-determined system without solution.\n"
    "          --json: {\"status\": unique|none|infinite|least-squares, \"rank\", \"unknowns\"}.\n"
    "errors    --observations: mean, mean errors, relative error 1/N and the 3m blunder check of\n"
    "          repeated observations; --json: {\"n\", \"mean\", \"m\", \"m_mean\", \"relative\" (N),\n"
    "          \"blunders\" (numbered from 1)}. --propagate: the value of FORMULA and its mean error by\n"
    "          the law of propagation, each --var x=VALUE±ERROR (or +-) a variable r..z; --json:\n"
    "          {\"value\", \"m\", \"shares\" (each variable's percent of m²)}.\n"
    "derive    the first (or second) derivative of FORMULA in x at X0, per unit of x as typed;\n"
    "          --json: {\"value\", \"error\"} (the error estimate). dms is refused.\n"
    "integrate the definite integral of FORMULA in x from A to B (each may be a formula, or\n"
    "          inf, -inf, ∞, -∞) by adaptive Gauss-Kronrod; --json: {\"value\", \"error\"}.\n"
    "matrix, solve and errors compute their entries at 15 places in radians, r..z = 1..9; a\n"
    "FILE may be - for standard input, and so may the FORMULA of derive and integrate.\n"
    "\n"
    "A FILE or standard input is read as UTF-8 (with or without its mark) or as GBK.\n";

void write(std::FILE* f, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
}

int usage(std::FILE* err, const QString& problem) {
    if (!problem.isEmpty()) write(err, QStringLiteral("cesuan-cli: ") + problem + u'\n');
    std::fputs(kUsage, err);
    return 2;
}

// The result box without its alignment: leading blanks, the "_" padding (blanks after an
// approximate result) and a lone trailing point removed; 约数 kept in front.
QString unaligned(const QString& box) {
    QString text = TrimBlanks(box);
    const QString approximate = QStringLiteral("约数");
    const bool marked = text.startsWith(approximate);
    if (marked) text = TrimBlanks(text.mid(approximate.size()));
    while (text.endsWith(u'_') || text.endsWith(u' ')) text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return marked ? approximate + u' ' + text : text;
}

// Writes a text with its CR LF line ends as LF (a lone CR stays), converted on every core a
// window of lines at a time, so that a long text is neither copied nor converted as a whole.
void writeWithLf(std::FILE* f, QStringView text) {
    constexpr qsizetype kWindow = qsizetype(1) << 22;  // characters
    const LineEnds toLf{LineEnds::Read::CrLf, u"\n"};
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = text.size();
        if (to - from > kWindow) {  // up to a line feed, so that no CR LF is split
            const qsizetype lineFeed = text.indexOf(u'\n', from + kWindow);
            if (lineFeed >= 0) to = lineFeed + 1;
        }
        const QByteArray bytes = EncodeUtf8Lines(text.sliced(from, to - from), toLf);
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), f);
        from = to;
    }
}

QByteArray readAllBytes(std::FILE* in) {
    QFile file;
    if (!file.open(in, QIODevice::ReadOnly)) return QByteArray();
    return file.readAll();
}

QString readAll(std::FILE* in) { return QString::fromUtf8(readAllBytes(in)); }

int calc(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption places(QStringLiteral("places"), QStringLiteral("decimal places, 0..28"), QStringLiteral("N"),
                                    QStringLiteral("15"));
    const QCommandLineOption unit(QStringLiteral("unit"), QStringLiteral("rad, deg or dms"), QStringLiteral("UNIT"),
                                  QStringLiteral("rad"));
    const QCommandLineOption variable(QStringLiteral("var"), QStringLiteral("r=VALUE … z=VALUE"), QStringLiteral("VAR"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object per formula"));
    parser.addOptions({places, unit, variable, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());

    bool ok = false;
    const int decimalPlaces = parser.value(places).toInt(&ok);
    if (!ok || decimalPlaces < 0 || decimalPlaces > 28) return usage(err, QStringLiteral("--places takes 0..28"));
    const std::map<QString, AngleUnit> units = {{QStringLiteral("rad"), AngleUnit::Radian},
                                                {QStringLiteral("deg"), AngleUnit::DecimalDegree},
                                                {QStringLiteral("dms"), AngleUnit::Dms}};
    const auto angleUnit = units.find(parser.value(unit));
    if (angleUnit == units.end()) return usage(err, QStringLiteral("--unit takes rad, deg or dms"));
    std::map<int, CalcValue> variables;
    for (const QString& assignment : parser.values(variable)) {
        const qsizetype equals = assignment.indexOf(u'=');
        const QString name = assignment.left(equals).trimmed();
        if (equals < 0 || name.size() != 1 || name[0] < u'r' || name[0] > u'z')
            return usage(err, QStringLiteral("--var takes r=VALUE … z=VALUE: ") + assignment);
        CalcErrorJournal journal;  // a value that reads as no number is 0, as in the variable editor
        variables[name[0].unicode() - u'r'] = TextToNumber(journal, assignment.mid(equals + 1));
    }

    QStringList formulas = parser.positionalArguments().mid(1);  // after "calc"
    if (formulas.isEmpty()) formulas = splitLines(readAll(in));

    StreamMessageBox messages(err);
    NoWebPages web;
    NoRandom random;
    NoScreens screens;
    CalcSettings settings;
    MainScreen screen(settings, messages, web, random, screens);
    for (const QString& formula : formulas) {
        screen.load();
        screen.chooseDecimalPlaces(decimalPlaces);
        screen.setAngleUnit(angleUnit->second);
        for (const auto& [index, value] : variables) settings.memoryVariables[std::size_t(index)] = value;
        screen.formula = formula;
        screen.compute();
        if (parser.isSet(json)) {
            const QJsonObject object{{QStringLiteral("formula"), screen.formula},
                                     {QStringLiteral("result"), screen.result},
                                     {QStringLiteral("status"), screen.status},
                                     {QStringLiteral("approximate"), screen.lastApproximate},
                                     {QStringLiteral("reliableDigits"), screen.lastReliableDigits},
                                     {QStringLiteral("errorCount"), screen.lastErrorCount}};
            write(out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
        } else {
            write(out, (screen.lastErrorCount > 0 ? TrimBlanks(screen.result) : unaligned(screen.result)) + u'\n');
        }
    }
    return 0;
}

int angle(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("rad, deg or dms"), QStringLiteral("UNIT"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("rad, deg or dms"), QStringLiteral("UNIT"));
    parser.addOptions({from, to});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList units = {QStringLiteral("rad"), QStringLiteral("deg"), QStringLiteral("dms")};
    if (!units.contains(parser.value(from)) || !units.contains(parser.value(to)))
        return usage(err, QStringLiteral("--from and --to take rad, deg or dms"));
    const QStringList values = parser.positionalArguments().mid(1);
    if (values.isEmpty()) return usage(err, QStringLiteral("angle needs at least one VALUE"));

    using Conversion = void (AngleScreen::*)();
    const std::map<QString, Conversion> conversions = {
        {QStringLiteral("rad>dms"), &AngleScreen::radianToDms},
        {QStringLiteral("rad>deg"), &AngleScreen::radianToDecimalDegree},
        {QStringLiteral("deg>dms"), &AngleScreen::decimalDegreeToDms},
        {QStringLiteral("deg>rad"), &AngleScreen::decimalDegreeToRadian},
        {QStringLiteral("dms>rad"), &AngleScreen::dmsToRadian},
        {QStringLiteral("dms>deg"), &AngleScreen::dmsToDecimalDegree},
    };
    const auto conversion = conversions.find(parser.value(from) + u'>' + parser.value(to));

    StreamMessageBox messages(err);
    AngleScreen screen(messages);
    bool failed = false;
    for (const QString& value : values) {
        screen.angle = value;
        if (conversion == conversions.end()) {  // the same unit: the value as the screen reads it
            CalcErrorJournal journal;
            const CalcValue v = ToCalcValue(journal, value);
            if (journal.errorCount > 0 || TrimBlanks(value).isEmpty()) {
                messages.show(TrimBlanks(value).isEmpty() ? texts::angles::kNoAngle
                                                          : texts::angles::msgAngleNotANumber(TrimBlanks(value)));
                write(out, QStringLiteral("\n"));
                failed = true;
                continue;
            }
            write(out, v.text().remove(u' ') + u'\n');
            continue;
        }
        (screen.*conversion->second)();
        if (screen.failed) {
            // Why there is no angle goes to standard error; its line stays empty.
            messages.show(screen.converted);
            write(out, QStringLiteral("\n"));
            failed = true;
            continue;
        }
        write(out, screen.converted + u'\n');
    }
    return failed ? 1 : 0;
}

// The number split screen: the integer part and the fractional digits of one number. The
// number is taken as it is, so that a negative one needs no "--" (which is skipped).
int split(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QStringList values = arguments.mid(2);
    if (values.value(0) == u"--") values.removeFirst();
    if (values.size() != 1) return usage(err, QStringLiteral("split needs one NUMBER"));
    NumberSplit screen;
    screen.number = values.first();
    screen.split();
    if (screen.failed) {
        write(err, screen.integerPart + u'\n');
        return 1;
    }
    write(out, screen.integerPart + u'\n' + screen.fractionDigits + u'\n');
    return 0;
}

// The input of a command: FILE, or standard input without one, in UTF-8 (with or without its
// mark) or GBK; any line ends become CR LF.
std::optional<QString> readInput(const QStringList& files, std::FILE* in, std::FILE* err) {
    QByteArray bytes;
    if (files.isEmpty()) {
        bytes = readAllBytes(in);
    } else {
        QFile file(files.first());
        if (!file.open(QIODevice::ReadOnly)) {
            write(err, QStringLiteral("cesuan-cli: cannot read ") + files.first() + u'\n');
            return std::nullopt;
        }
        bytes = file.readAll();
    }
    const LineEnds lines{LineEnds::Read::Any, u"\r\n", true};
    QString text = DecodeUtf8Lines(bytes, lines);
    // A replacement character that the bytes do not hold marks bytes that are no UTF-8: GBK then.
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD")) {
        const TextFileContent content = DecodeTextBytes(bytes);
        if (!content.ok()) {
            write(err, QStringLiteral("cesuan-cli: ") + (files.isEmpty() ? QStringLiteral("standard input") : files.first()) +
                           QStringLiteral(" is no text in UTF-8 or GBK\n"));
            return std::nullopt;
        }
        text = ConvertLineEnds(content.text, lines);
    }
    if (text.startsWith(QChar::ByteOrderMark)) text.remove(0, 1);
    return text;
}

// The options --lead and --sep of the commands that read a data table as the statistics
// window does.
struct TableOptions {
    QCommandLineOption lead{QStringLiteral("lead"), QStringLiteral("leading name columns, 0..3"), QStringLiteral("N"),
                            QStringLiteral("1")};
    QCommandLineOption sep{QStringLiteral("sep"), QStringLiteral("the separator: a character, tab or blank"),
                           QStringLiteral("C"), QStringLiteral("*")};
    int leading = 1;
    int separatorIndex = 0;

    // The values of the parsed options; the usage problem when one is wrong.
    QString read(const QCommandLineParser& parser) {
        bool ok = false;
        leading = parser.value(lead).toInt(&ok);
        if (!ok || leading < 0 || leading > 3) return QStringLiteral("--lead takes 0..3");
        QString separator = parser.value(sep);
        if (separator.compare(QStringLiteral("blank"), Qt::CaseInsensitive) == 0) separator = QStringLiteral(" ");
        separatorIndex = int(texts::statistics::kSeparators.indexOf(
            separator.compare(QStringLiteral("tab"), Qt::CaseInsensitive) == 0 ? QStringLiteral("Tab") : separator));
        if (separatorIndex < 0)
            return QStringLiteral("--sep takes one of * / , %% $ # @ & ! ? ; : \" ' ( ) < > [ ] { } | _ - \\ ^ ~ `, tab or blank");
        return QString();
    }
};

int stats(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    TableOptions table;
    parser.addOptions({table.lead, table.sep});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    if (const QString problem = table.read(parser); !problem.isEmpty()) return usage(err, problem);
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("stats reads one FILE"));

    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoFileDialogs dialogs;
    NoScreens screens;
    StatisticsScreen screen(messages, printer, dialogs, screens);
    screen.chooseLeadingColumns(table.leading);
    screen.chooseSeparator(table.separatorIndex);
    screen.data = *input;
    screen.computeStatistics();

    write(out, ConvertLineEnds(screen.data, LineEnds{LineEnds::Read::CrLf, u"\n"}) + u'\n');
    for (const auto& row : screen.grid) write(out, QStringList(row.begin(), row.end()).join(u'\t') + u'\n');
    return 0;
}

int regress(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    TableOptions table;
    const QCommandLineOption xColumn(QStringLiteral("x"), QStringLiteral("the number column of x, 1..5"),
                                     QStringLiteral("COL"), QStringLiteral("1"));
    const QCommandLineOption yColumn(QStringLiteral("y"), QStringLiteral("the number column of y, 1..5"),
                                     QStringLiteral("COL"), QStringLiteral("2"));
    const QCommandLineOption degree(QStringLiteral("degree"), QStringLiteral("the polynomial degree, 1..3"),
                                    QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object"));
    parser.addOptions({xColumn, yColumn, degree, table.lead, table.sep, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    if (const QString problem = table.read(parser); !problem.isEmpty()) return usage(err, problem);
    const auto number = [&parser](const QCommandLineOption& option, int low, int high) {
        bool ok = false;
        const int value = parser.value(option).toInt(&ok);
        return ok && value >= low && value <= high ? value : 0;
    };
    const int x = number(xColumn, 1, 5), y = number(yColumn, 1, 5), d = number(degree, 1, 3);
    if (x == 0 || y == 0) return usage(err, QStringLiteral("--x and --y take a number column, 1..5"));
    if (d == 0) return usage(err, QStringLiteral("--degree takes 1, 2 or 3"));
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("regress reads one FILE"));

    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoFileDialogs dialogs;
    NoScreens screens;
    RegressionScreen screen(messages, dialogs, screens);
    screen.chooseLeadingColumns(table.leading);
    screen.chooseSeparator(table.separatorIndex);
    screen.xColumnIndex = x - 1;
    screen.yColumnIndex = y - 1;
    screen.degreeIndex = d - 1;
    screen.xText.clear();
    screen.data = *input;
    screen.compute();
    if (!screen.fitted) return 1;

    if (parser.isSet(json)) {
        const auto array = [](const std::vector<double>& values) {
            QJsonArray list;
            for (double v : values) list.append(v);
            return list;
        };
        const QJsonObject object{
            {QStringLiteral("coefficients"), array(screen.fit.coefficients)},
            {QStringLiteral("std_errors"), array(screen.fit.stdErrors)},
            {QStringLiteral("r"), screen.fit.r},
            {QStringLiteral("r2"), screen.fit.r2},
            {QStringLiteral("residual_sd"), screen.fit.residualSd},
            {QStringLiteral("n"), screen.fit.n},
        };
        write(out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
        return 0;
    }
    write(out, ConvertLineEnds(screen.resultText, LineEnds{LineEnds::Read::CrLf, u"\n"}));
    return 0;
}

int coord(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption op(QStringLiteral("op"), QStringLiteral("the conversion"), QStringLiteral("OP"));
    const QCommandLineOption ellipsoid(QStringLiteral("ellipsoid"), QStringLiteral("BJ, XA, WGS, CGCS or BJ-STD"),
                                       QStringLiteral("CODE"), QStringLiteral("BJ"));
    const QCommandLineOption meridian(QStringLiteral("meridian"), QStringLiteral("central meridian, degrees"),
                                      QStringLiteral("DEG"), QStringLiteral("117"));
    const QCommandLineOption order(QStringLiteral("order"), QStringLiteral("XYZ or YXZ"), QStringLiteral("ORDER"),
                                   QStringLiteral("XYZ"));
    const QCommandLineOption sep(QStringLiteral("sep"), QStringLiteral("the separator"), QStringLiteral("C"),
                                 QStringLiteral(","));
    const QCommandLineOption noSerial(QStringLiteral("no-serial"), QStringLiteral("lines without the serial column"));
    const QCommandLineOption limit(QStringLiteral("limit"), QStringLiteral("at most N points"), QStringLiteral("N"));
    parser.addOptions({op, ellipsoid, meridian, order, sep, noSerial, limit});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());

    using Conversion = void (CoordinateScreen::*)();
    const std::map<QString, Conversion> conversions = {
        {QStringLiteral("J6"), &CoordinateScreen::geoToZone6},     {QStringLiteral("J3"), &CoordinateScreen::geoToZone3},
        {QStringLiteral("J1.5"), &CoordinateScreen::geoToZone1p5}, {QStringLiteral("6J"), &CoordinateScreen::zone6ToGeo},
        {QStringLiteral("3J"), &CoordinateScreen::zone3ToGeo},     {QStringLiteral("1.5J"), &CoordinateScreen::zone1p5ToGeo},
        {QStringLiteral("1.5to3"), &CoordinateScreen::zone1p5To3}, {QStringLiteral("3to6"), &CoordinateScreen::zone3To6},
        {QStringLiteral("3to1.5"), &CoordinateScreen::zone3To1p5}, {QStringLiteral("6to3"), &CoordinateScreen::zone6To3},
    };
    const auto conversion = conversions.find(parser.value(op));
    if (conversion == conversions.end()) return usage(err, QStringLiteral("--op takes J6 J3 J1.5 6J 3J 1.5J 1.5to3 3to6 3to1.5 6to3"));
    const auto& ellipsoids = EllipsoidChoices();
    const auto found = std::find_if(ellipsoids.begin(), ellipsoids.end(),
                                    [&](const EllipsoidChoice& e) { return e.code == parser.value(ellipsoid).toUpper(); });
    const qsizetype ellipsoidIndex = found == ellipsoids.end() ? -1 : found - ellipsoids.begin();
    if (ellipsoidIndex < 0) return usage(err, QStringLiteral("--ellipsoid takes BJ, XA, WGS, CGCS or BJ-STD"));
    const QString orderValue = parser.value(order).toUpper();
    if (orderValue != u"XYZ" && orderValue != u"YXZ") return usage(err, QStringLiteral("--order takes XYZ or YXZ"));
    QString separator = parser.value(sep);
    if (separator.compare(QStringLiteral("tab"), Qt::CaseInsensitive) == 0) separator = QStringLiteral("Tab");
    if (separator.compare(QStringLiteral("blank"), Qt::CaseInsensitive) == 0) separator = QStringLiteral(" ");
    const qsizetype separatorIndex = texts::coordinates::kSeparators.indexOf(separator);
    if (separatorIndex < 0) return usage(err, QStringLiteral("--sep takes a character of the separator list, tab or blank"));
    bool ok = true;
    const int pointLimit = parser.isSet(limit) ? parser.value(limit).toInt(&ok) : std::numeric_limits<int>::max();
    if (!ok || pointLimit < 1) return usage(err, QStringLiteral("--limit takes a positive number"));
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("coord reads one FILE"));
    std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoFileDialogs dialogs;
    NoWebPages web;
    NoScreens screens;
    CoordinateScreen screen(messages, printer, web, screens, dialogs);
    screen.pointLimit = pointLimit;
    screen.ellipsoidIndex = int(ellipsoidIndex);
    screen.separatorIndex = int(separatorIndex);
    screen.meridianText = parser.value(meridian);
    if (orderValue == u"YXZ") screen.toggleDataOrder();
    screen.serialToggled(!parser.isSet(noSerial));
    screen.input = std::move(*input);  // the screen replaces it: no second long text
    screen.output.clear();
    (screen.*conversion->second)();

    writeWithLf(err, screen.input);
    std::fputc('\n', err);
    writeWithLf(out, screen.output);
    return 0;
}

// Problems of a list, one a line on standard error; exit status 1.
int dataError(std::FILE* err, const QStringList& problems) {
    for (const QString& problem : problems) write(err, QString(problem).replace(u'\n', u' ') + u'\n');
    return 1;
}

// A JSON string.
QString jsonString(const QString& text) {
    QString quoted = QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
    return quoted.mid(1, quoted.size() - 2);
}

// The estimate as one JSON object, each number with its contract decimals: shifts and
// residuals 4, rotations and scale 6, sigma0 4.
QString estimateJson(const TransformEstimate& e) {
    const QStringList& names = ParameterNames(e.parameters.model);
    QString json = QStringLiteral("{\"model\":\"") + QString::number(ModelNumber(e.parameters.model)) +
                   QStringLiteral("\",\"parameters\":{");
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0) json += u',';
        json += u'"' + names[i] + QStringLiteral("\":") +
                FixedText(e.parameters.values[std::size_t(i)], names[i].startsWith(u'd') ? 4 : 6);
    }
    json += QStringLiteral("},\"sigma0\":") + FixedText(e.sigma0, 4) + QStringLiteral(",\"residuals\":[");
    const bool plane = e.parameters.model == TransformModel::Four;
    for (std::size_t i = 0; i < e.residuals.size(); ++i) {
        const PointResidual& r = e.residuals[i];
        if (i > 0) json += u',';
        json += QStringLiteral("{\"name\":") + jsonString(r.name) + QStringLiteral(",\"vx\":") + FixedText(r.v.x, 4) +
                QStringLiteral(",\"vy\":") + FixedText(r.v.y, 4);
        if (!plane) json += QStringLiteral(",\"vz\":") + FixedText(r.v.z, 4);
        json += QStringLiteral(",\"flagged\":") + (r.flagged ? QStringLiteral("true") : QStringLiteral("false")) + u'}';
    }
    return json + QStringLiteral("]}");
}

int transform(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption model(QStringLiteral("model"), QStringLiteral("3, 4 or 7"), QStringLiteral("N"));
    const QCommandLineOption params(QStringLiteral("params"), QStringLiteral("the parameter values"), QStringLiteral("V"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object"));
    parser.addOptions({model, params, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList positionals = parser.positionalArguments().mid(1);  // after "transform"
    const QString action = positionals.value(0);
    if (action != u"estimate" && action != u"apply") return usage(err, QStringLiteral("transform takes estimate or apply"));
    const std::optional<TransformModel> chosen = ModelOfText(parser.value(model));
    if (!chosen) return usage(err, QStringLiteral("--model takes 3, 4 or 7"));
    const QStringList files = positionals.mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("transform reads one FILE"));

    if (action == u"estimate") {
        if (parser.isSet(params)) return usage(err, QStringLiteral("transform estimate takes no --params"));
        const std::optional<QString> input = readInput(files, in, err);
        if (!input) return 1;
        const CommonPointList list = ParseCommonPoints(*chosen, *input);
        if (!list.problems.isEmpty()) return dataError(err, list.problems);
        const TransformEstimate e = EstimateTransform(*chosen, list.points);
        if (!e.ok()) return dataError(err, {e.message});
        if (parser.isSet(json)) write(out, estimateJson(e) + u'\n');
        else writeWithLf(out, TransformScreen::reportOf(e));
        return 0;
    }

    if (parser.isSet(json)) return usage(err, QStringLiteral("transform apply takes no --json"));
    if (!parser.isSet(params)) return usage(err, QStringLiteral("transform apply needs --params"));
    QString problem;
    const std::optional<TransformParameters> parameters = ParseParameterValues(*chosen, parser.value(params), problem);
    if (!parameters) return usage(err, QStringLiteral("--params: ") + problem);
    std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;
    const AppliedText result = ApplyTransformToText(*parameters, *input);
    input.reset();
    if (!result.problems.isEmpty()) return dataError(err, result.problems);
    writeWithLf(out, result.text);
    return 0;
}

int cart(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption ellipsoid(QStringLiteral("ellipsoid"), QStringLiteral("BJ, BJ-STD, XA, WGS or CGCS"),
                                       QStringLiteral("CODE"), QStringLiteral("BJ"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("xyz or blh"), QStringLiteral("FORM"));
    parser.addOptions({ellipsoid, to});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const auto& ellipsoids = EllipsoidChoices();
    const QString code = parser.value(ellipsoid).trimmed().toUpper();
    if (std::none_of(ellipsoids.begin(), ellipsoids.end(), [&](const EllipsoidChoice& e) { return e.code == code; }))
        return usage(err, QStringLiteral("--ellipsoid takes BJ, BJ-STD, XA, WGS or CGCS"));
    const QString form = parser.value(to).toLower();
    if (form != u"xyz" && form != u"blh") return usage(err, QStringLiteral("--to takes xyz or blh"));
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("cart reads one FILE"));
    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;
    const AppliedText result = ConvertCartesianText(EllipsoidOfCode(code), form == u"xyz", *input);
    if (!result.problems.isEmpty()) return dataError(err, result.problems);
    writeWithLf(out, result.text);
    return 0;
}

// points, bearing and attitude: the survey screens on a point list.
int survey(const QString& command, const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption noSerial(QStringLiteral("no-serial"), QStringLiteral("the lines carry no serials"));
    const QCommandLineOption origin(QStringLiteral("origin"), QStringLiteral("serial of the origin"),
                                    QStringLiteral("SERIAL"), QStringLiteral("0"));
    const QCommandLineOption first(QStringLiteral("first"), QStringLiteral("serial of the first point"),
                                   QStringLiteral("SERIAL"), QStringLiteral("0"));
    if (command == u"attitude") parser.addOption(first);
    else parser.addOption(noSerial);
    if (command == u"bearing") parser.addOption(origin);
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, command + QStringLiteral(" reads one FILE"));
    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoFileDialogs dialogs;
    NoScreens screens;
    QString result;
    bool failed = false;
    if (command == u"points") {
        PointList list;
        CalcErrorJournal journal;
        result = ParsePointList(journal, *input, !parser.isSet(noSerial), list);
        ShowNotices(messages, journal.notices);
        if (!list.badValues.isEmpty()) {
            // The list as typed, its bad values named.
            messages.show(list.badValues.join(u'\n'));
            result = *input;
            failed = true;
        }
    } else if (command == u"bearing") {
        BearingScreen screen(messages, printer, screens, dialogs);
        screen.serialColumnClicked(!parser.isSet(noSerial));
        screen.pointText = *input;
        screen.chosenSerial = parser.value(origin);
        screen.compute();
        result = screen.resultText;
        failed = screen.failed;
    } else {
        AttitudeScreen screen(messages, printer, screens, dialogs);
        screen.pointText = *input;
        screen.chosenSerial = parser.value(first);
        screen.compute();
        result = screen.resultText;
        failed = screen.failed;
    }
    result = ConvertLineEnds(result, LineEnds{LineEnds::Read::CrLf, u"\n"});
    write(out, result.endsWith(u'\n') ? result : result + u'\n');
    return failed ? 1 : 0;
}

// The codes of the ellipsoid list, "BJ, XA, WGS or CGCS".
QString ellipsoidCodes() {
    QStringList codes;
    for (const EllipsoidChoice& choice : EllipsoidChoices()) codes.append(choice.code);
    const QString last = codes.takeLast();
    return codes.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

// The parcel area of a point list as the area window computes it; the numbers keep their
// fixed decimals in the JSON too.
int area(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption noSerial(QStringLiteral("no-serial"), QStringLiteral("the lines carry no serials"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object"));
    parser.addOptions({noSerial, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("area reads one FILE"));
    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoFileDialogs dialogs;
    NoScreens screens;
    AreaScreen screen(messages, printer, screens, dialogs);
    screen.serialColumnClicked(!parser.isSet(noSerial));
    screen.pointText = *input;
    screen.compute();
    if (screen.failed) return 1;
    const AreaFigures& f = screen.figures;
    if (parser.isSet(json)) {
        write(out, QStringLiteral("{\"points\":") + QString::number(f.points) + QStringLiteral(",\"perimeter\":") +
                       f.perimeter + QStringLiteral(",\"area_m2\":") + f.squareMetres + QStringLiteral(",\"area_mu\":") +
                       f.mu + QStringLiteral(",\"area_ha\":") + f.hectares + QStringLiteral(",\"orientation\":\"") +
                       (f.clockwise ? QStringLiteral("clockwise") : QStringLiteral("counterclockwise")) +
                       QStringLiteral("\",\"self_intersecting\":") +
                       (f.selfIntersecting ? QStringLiteral("true") : QStringLiteral("false")) + QStringLiteral("}\n"));
        return 0;
    }
    writeWithLf(out, screen.resultText);
    return 0;
}

// The forward problem from a station as the stake-out window computes it.
int forward(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption station(QStringLiteral("station"), QStringLiteral("X,Y[,H] of the station"),
                                     QStringLiteral("X,Y[,H]"));
    const QCommandLineOption chain(QStringLiteral("chain"), QStringLiteral("leg by leg (an open traverse)"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object"));
    parser.addOptions({station, chain, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList parts = parser.value(station).split(u',');
    if (!parser.isSet(station) || parts.size() < 2 || parts.size() > 3)
        return usage(err, QStringLiteral("forward needs --station X,Y or X,Y,H"));
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("forward reads one FILE"));
    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoFileDialogs dialogs;
    NoScreens screens;
    ForwardScreen screen(messages, printer, screens, dialogs);
    screen.stationX = parts[0];
    screen.stationY = parts[1];
    screen.stationH = parts.value(2);
    if (parser.isSet(chain)) screen.chainClicked();
    screen.lineText = *input;
    screen.compute();
    if (screen.failed) return 1;
    if (parser.isSet(json)) {
        QStringList objects;
        for (const QStringList& row : screen.rows)
            objects.append(QStringLiteral("{\"name\":") + jsonString(row[0]) + QStringLiteral(",\"x\":") + row[1] +
                           QStringLiteral(",\"y\":") + row[2] +
                           (row.size() > 3 ? QStringLiteral(",\"h\":") + row[3] : QString()) + u'}');
        write(out, QStringLiteral("{\"points\":[") + objects.join(u',') + QStringLiteral("]}\n"));
        return 0;
    }
    for (const QStringList& row : screen.rows) write(out, row.join(QStringLiteral(", ")) + u'\n');
    return 0;
}

// Geodesics between two points a line on the chosen ellipsoid.
int geodesic(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption ellipsoid(QStringLiteral("ellipsoid"), QStringLiteral("the ellipsoid's code"),
                                       QStringLiteral("CODE"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("one JSON object"));
    parser.addOptions({ellipsoid, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const auto& ellipsoids = EllipsoidChoices();
    const auto found = std::find_if(ellipsoids.begin(), ellipsoids.end(), [&](const EllipsoidChoice& e) {
        return e.code == parser.value(ellipsoid).trimmed().toUpper();
    });
    if (found == ellipsoids.end()) return usage(err, QStringLiteral("--ellipsoid takes ") + ellipsoidCodes());
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("geodesic reads one FILE"));
    const std::optional<QString> input = readInput(files, in, err);
    if (!input) return 1;

    namespace t = texts::bearing;
    StreamMessageBox messages(err);
    PointList list;
    CalcErrorJournal journal;
    ParsePointList(journal, *input, true, list, t::kGeodesicLineFieldNames);
    ShowNotices(messages, journal.notices);
    if (!list.badValues.isEmpty()) {
        messages.show(list.badValues.join(u'\n') + u'\n' + t::kMsgDataError);
        return 1;
    }
    if (list.points.empty()) {
        messages.show(t::kMsgNoGeodesicLines);
        return 1;
    }
    QStringList problems;
    std::vector<std::array<double, 4>> places;
    places.reserve(list.points.size());
    for (const SurveyPoint& p : list.points) {
        const CalcValue* fields[4] = {&p.x, &p.y, &p.h, &p.extra};
        std::array<double, 4> degrees{};
        for (int k = 0; k < 4; ++k)
            degrees[std::size_t(k)] =
                GeodeticDegrees(p.serial, *fields[k], t::kGeodesicLineFieldNames[k], k % 2 == 0, problems);
        places.push_back(degrees);
    }
    if (!problems.isEmpty()) {
        messages.show(problems.join(u'\n') + u'\n' + t::kMsgDataError);
        return 1;
    }
    const GeodesicSolver solver(EllipsoidOfCode(found->code));
    QStringList lines;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const auto& [b1, l1, b2, l2] = places[i];
        const GeodesicResult r = solver.inverse(b1, l1, b2, l2);
        const QString& name = list.points[i].serial;
        const QString distance = FixedPlaces(r.distance, 4), azimuth1 = AzimuthDmsText(r.azimuth1, 8),
                      azimuth2 = AzimuthDmsText(r.backAzimuth, 8);
        if (parser.isSet(json))
            lines.append(QStringLiteral("{\"name\":") + jsonString(name) + QStringLiteral(",\"distance\":") + distance +
                         QStringLiteral(",\"azimuth1\":") + azimuth1 + QStringLiteral(",\"azimuth2\":") + azimuth2 + u'}');
        else
            lines.append(QStringList{name, distance, azimuth1, azimuth2}.join(QStringLiteral(", ")));
    }
    if (parser.isSet(json)) write(out, QStringLiteral("{\"lines\":[") + lines.join(u',') + QStringLiteral("]}\n"));
    else write(out, lines.join(u'\n') + u'\n');
    return 0;
}

std::optional<int> radixOf(const QString& text) {
    for (int radix : {2, 8, 10, 16})
        if (text == QString::number(radix)) return radix;
    return std::nullopt;
}

int radix(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("2, 8, 10 or 16"), QStringLiteral("R"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("2, 8, 10 or 16"), QStringLiteral("R"));
    parser.addOptions({from, to});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const std::optional<int> source = radixOf(parser.value(from)), target = radixOf(parser.value(to));
    if (!source || !target) return usage(err, QStringLiteral("--from and --to take 2, 8, 10 or 16"));
    const QStringList values = parser.positionalArguments().mid(1);
    if (values.isEmpty()) return usage(err, QStringLiteral("radix needs at least one VALUE"));
    StreamMessageBox messages(err);
    bool failed = false;
    for (const QString& value : values) {
        // Characters that are no digits of the radix are named, never read as nothing.
        const QString bad = InvalidRadixDigits(TrimBlanks(value), *source);
        if (!bad.isEmpty()) {
            const auto& names = texts::base_calculator::kRadixNames;
            const int index = *source == 2 ? 0 : *source == 8 ? 1 : *source == 10 ? 2 : 3;
            messages.show(texts::base_calculator::invalidDigits(QStringLiteral("数据"), TrimBlanks(value), bad,
                                                                names[std::size_t(index)]));
            write(out, QStringLiteral("\n"));
            failed = true;
            continue;
        }
        CalcErrorJournal journal;
        const QString converted = ConvertRadix(journal, value, *source, *target);
        ShowNotices(messages, journal.notices);
        write(out, converted + u'\n');
    }
    return failed ? 1 : 0;
}

int base(const QStringList& arguments, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption radixOption(QStringLiteral("radix"), QStringLiteral("2, 8, 10 or 16"), QStringLiteral("R"));
    const QCommandLineOption op(QStringLiteral("op"), QStringLiteral("the operation"), QStringLiteral("OP"));
    parser.addOptions({radixOption, op});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const std::optional<int> radixValue = radixOf(parser.value(radixOption));
    if (!radixValue) return usage(err, QStringLiteral("--radix takes 2, 8, 10 or 16"));
    using Op = BaseCalculatorScreen::Operation;
    const std::map<QString, Op> operations = {
        {QStringLiteral("add"), Op::Add}, {QStringLiteral("sub"), Op::Subtract}, {QStringLiteral("mul"), Op::Multiply},
        {QStringLiteral("div"), Op::Divide}, {QStringLiteral("pow"), Op::Power}, {QStringLiteral("rem"), Op::Remainder},
        {QStringLiteral("and"), Op::And}, {QStringLiteral("or"), Op::Or}, {QStringLiteral("not"), Op::Not},
        {QStringLiteral("xor"), Op::Xor}, {QStringLiteral("nand"), Op::AndNot}, {QStringLiteral("nor"), Op::OrNot},
    };
    const auto operation = operations.find(parser.value(op));
    if (operation == operations.end()) return usage(err, QStringLiteral("--op takes add sub mul div pow rem and or not xor nand nor"));
    const QStringList values = parser.positionalArguments().mid(1);
    const bool unary = operation->second == Op::Not;
    if (values.size() != 2 && !(unary && values.size() == 1)) return usage(err, QStringLiteral("base takes A and B"));

    StreamMessageBox messages(err);
    NoPrinter printer;
    NoWebPages web;
    NoScreens screens;
    BaseCalculatorScreen screen(messages, printer, web, screens);
    screen.radixClicked(*radixValue);
    screen.operationClicked(operation->second);
    screen.data1 = values.size() == 2 ? values[0] : QString();
    screen.data2 = values.last();
    screen.compute();
    write(out, screen.data1 + u'\n' + screen.data2 + u'\n' + screen.result + u'\n');
    if (screen.longResultVisible) write(out, screen.longResultNote + u'\n');
    return 0;
}

// FILE, or standard input for "-".
std::optional<QString> readFileOrInput(const QString& path, std::FILE* in, std::FILE* err) {
    return readInput(path == u"-" ? QStringList() : QStringList{path}, in, err);
}

void writeJson(std::FILE* out, const QJsonObject& object) {
    write(out, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
}

// A result text of a screen, its CR LF line ends as LF; the status line (the condition, or a
// warning) goes to standard error.
// A window's outcome: nothing more when it failed (its box said why), else its JSON when one is
// given or its result text, and its status line on standard error.
int writeResult(std::FILE* out, std::FILE* err, bool failed, const std::optional<QJsonObject>& json,
                const QString& result, const QString& status) {
    if (failed) return 1;
    if (json) writeJson(out, *json);
    else write(out, WithLfLineEnds(result));
    if (!status.isEmpty()) write(err, status + u'\n');
    return 0;
}

int matrix(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption op(QStringLiteral("op"), QStringLiteral("the operation"), QStringLiteral("OP"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("the result as JSON"));
    parser.addOptions({op, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const std::map<QString, MatrixOperation> operations = {
        {QStringLiteral("det"), MatrixOperation::Determinant}, {QStringLiteral("inv"), MatrixOperation::Inverse},
        {QStringLiteral("rank"), MatrixOperation::Rank},       {QStringLiteral("eig"), MatrixOperation::Eigen},
        {QStringLiteral("mul"), MatrixOperation::Multiply},    {QStringLiteral("add"), MatrixOperation::Add},
        {QStringLiteral("sub"), MatrixOperation::Subtract},    {QStringLiteral("transpose"), MatrixOperation::Transpose}};
    const auto operation = operations.find(parser.value(op));
    if (operation == operations.end())
        return usage(err, QStringLiteral("--op takes det, inv, rank, eig, mul, add, sub or transpose"));
    const QStringList files = parser.positionalArguments().mid(1);
    const qsizetype needed = UsesSecondMatrix(operation->second) ? 2 : 1;
    if (files.size() != needed)
        return usage(err, QStringLiteral("matrix --op %1 reads %2 FILE%3").arg(parser.value(op)).arg(needed).arg(needed == 2 ? QStringLiteral("s") : QString()));
    if (files.size() == 2 && files[0] == u"-" && files[1] == u"-")
        return usage(err, QStringLiteral("only one FILE can be standard input"));

    StreamMessageBox messages(err);
    WorkRunner work;
    NoScreens screens;
    CalcSettings settings;
    MatrixScreen screen(settings, messages, work, screens);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const std::optional<QString> text = readFileOrInput(files[i], in, err);
        if (!text) return 1;
        (i == 0 ? screen.matrixA : screen.matrixB) = *text;
    }
    screen.chooseOperation(int(operation->second));
    screen.compute();
    const auto asJson = parser.isSet(json) && !screen.failed ? std::optional(screen.json()) : std::nullopt;
    return writeResult(out, err, screen.failed, asJson, screen.result, screen.status);
}

int solve(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("the solution as JSON"));
    const QCommandLineOption leastSquares(QStringLiteral("least-squares"),
                                          QStringLiteral("least squares for an over-determined system"));
    parser.addOptions({json, leastSquares});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const QStringList files = parser.positionalArguments().mid(1);
    if (files.size() > 1) return usage(err, QStringLiteral("solve reads one FILE"));
    const std::optional<QString> text = readFileOrInput(files.value(0, QStringLiteral("-")), in, err);
    if (!text) return 1;

    StreamMessageBox messages(err);
    WorkRunner work;
    NoScreens screens;
    CalcSettings settings;
    EquationsScreen screen(settings, messages, work, screens);
    screen.system = *text;
    screen.leastSquares = parser.isSet(leastSquares);
    screen.solve();
    const auto asJson = parser.isSet(json) && !screen.failed ? std::optional(screen.json()) : std::nullopt;
    return writeResult(out, err, screen.failed, asJson, screen.result, screen.status);
}

int errors(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    QCommandLineParser parser;
    const QCommandLineOption observations(QStringLiteral("observations"), QStringLiteral("the observations"),
                                          QStringLiteral("FILE"));
    const QCommandLineOption propagate(QStringLiteral("propagate"), QStringLiteral("the formula"),
                                       QStringLiteral("FORMULA"));
    const QCommandLineOption variable(QStringLiteral("var"), QStringLiteral("x=VALUE±ERROR"), QStringLiteral("VAR"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("the result as JSON"));
    parser.addOptions({observations, propagate, variable, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    if (parser.isSet(observations) == parser.isSet(propagate))
        return usage(err, QStringLiteral("errors takes either --observations FILE or --propagate FORMULA"));
    if (parser.positionalArguments().size() > 1) return usage(err, QStringLiteral("errors takes no further arguments"));

    StreamMessageBox messages(err);
    WorkRunner work;
    NoScreens screens;
    CalcSettings settings;
    ErrorsScreen screen(settings, messages, work, screens);
    if (parser.isSet(observations)) {
        const std::optional<QString> text = readFileOrInput(parser.value(observations), in, err);
        if (!text) return 1;
        screen.observations = *text;
        screen.computeObservations();
        const auto asJson = parser.isSet(json) && !screen.observationsFailed ? std::optional(screen.observationsJson())
                                                                              : std::nullopt;
        return writeResult(out, err, screen.observationsFailed, asJson, screen.observationsResult, QString());
    }
    if (!parser.isSet(variable)) return usage(err, QStringLiteral("--propagate needs --var x=VALUE±ERROR for its variables"));
    screen.formula = parser.value(propagate);
    screen.variables = parser.values(variable).join(QStringLiteral("\r\n"));
    screen.propagate();
    const auto asJson =
        parser.isSet(json) && !screen.propagationFailed ? std::optional(screen.propagationJson()) : std::nullopt;
    return writeResult(out, err, screen.propagationFailed, asJson, screen.propagationResult, QString());
}

// derive and integrate: one formula in x, through the derivative or the integral window.
int calculus(CalculusScreen::Kind kind, const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    const bool derivative = kind == CalculusScreen::Kind::Derivative;
    const QString command = derivative ? QStringLiteral("derive") : QStringLiteral("integrate");
    QCommandLineParser parser;
    const QCommandLineOption at(QStringLiteral("at"), QStringLiteral("the point"), QStringLiteral("X0"));
    const QCommandLineOption order(QStringLiteral("order"), QStringLiteral("1 or 2"), QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption from(QStringLiteral("from"), QStringLiteral("the lower limit"), QStringLiteral("A"));
    const QCommandLineOption to(QStringLiteral("to"), QStringLiteral("the upper limit"), QStringLiteral("B"));
    const QCommandLineOption unit(QStringLiteral("unit"), QStringLiteral("rad, deg or dms"), QStringLiteral("UNIT"),
                                  QStringLiteral("rad"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("the result as JSON"));
    if (derivative)
        parser.addOptions({at, order, unit, json});
    else
        parser.addOptions({from, to, unit, json});
    if (!parser.parse(arguments)) return usage(err, parser.errorText());
    const std::map<QString, AngleUnit> units = {{QStringLiteral("rad"), AngleUnit::Radian},
                                                {QStringLiteral("deg"), AngleUnit::DecimalDegree},
                                                {QStringLiteral("dms"), AngleUnit::Dms}};
    const auto angleUnit = units.find(parser.value(unit));
    if (angleUnit == units.end()) return usage(err, QStringLiteral("--unit takes rad, deg or dms"));
    if (derivative && !parser.isSet(at)) return usage(err, QStringLiteral("derive needs --at X0"));
    if (!derivative && (!parser.isSet(from) || !parser.isSet(to)))
        return usage(err, QStringLiteral("integrate needs --from A and --to B"));
    if (derivative && parser.value(order) != u"1" && parser.value(order) != u"2")
        return usage(err, QStringLiteral("--order takes 1 or 2"));
    const QStringList formulas = parser.positionalArguments().mid(1);
    if (formulas.size() != 1) return usage(err, command + QStringLiteral(" takes one FORMULA"));

    QString formula = formulas.first();
    if (formula == u"-") {
        const std::optional<QString> text = readFileOrInput(formula, in, err);
        if (!text) return 1;
        formula = splitLines(*text).join(QString()).trimmed();
    }
    StreamMessageBox messages(err);
    WorkRunner work;
    NoScreens screens;
    CalcSettings settings;
    settings.angleUnit = angleUnit->second;
    CalculusScreen screen(kind, settings, messages, work, screens);
    screen.formula = formula;
    if (derivative) {
        screen.pointText = parser.value(at);
        screen.orderIndex = parser.value(order) == u"2" ? 1 : 0;
    } else {
        screen.fromText = parser.value(from);
        screen.toText = parser.value(to);
    }
    screen.compute();
    const auto asJson = parser.isSet(json) && !screen.failed ? std::optional(screen.json()) : std::nullopt;
    return writeResult(out, err, screen.failed, asJson, screen.resultText, QString());
}

}  // namespace

QStringList splitLines(const QString& text) {
    QStringList lines = WithLfLineEnds(text).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // after the last line end
    return lines;
}

namespace {

// Every option is a long one, so an argument that starts with a single "-" is a formula or a
// value (-2^2, -10.625), never an option: such arguments go after a "--" (the option values,
// "--places -3" among them, stay where they are). Arguments the user already separated by
// "--", or without a leading "-", are left as they are.
QStringList dashedArgumentsAsPositionals(const QStringList& arguments) {
    static const QStringList valueOptions = {
        QStringLiteral("places"), QStringLiteral("unit"),     QStringLiteral("var"),      QStringLiteral("from"),
        QStringLiteral("to"),     QStringLiteral("lead"),     QStringLiteral("sep"),      QStringLiteral("op"),
        QStringLiteral("ellipsoid"), QStringLiteral("meridian"), QStringLiteral("order"), QStringLiteral("limit"),
        QStringLiteral("origin"), QStringLiteral("first"),    QStringLiteral("radix"),    QStringLiteral("model"),
        QStringLiteral("params"), QStringLiteral("station"),  QStringLiteral("x"),        QStringLiteral("y"),
        QStringLiteral("degree"), QStringLiteral("observations"), QStringLiteral("propagate"),
        QStringLiteral("at")};
    QStringList options, positionals;
    bool dashed = false;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--") return arguments;
        if (a.startsWith(QStringLiteral("--"))) {
            options.append(a);
            if (!a.contains(u'=') && valueOptions.contains(a.mid(2)) && i + 1 < arguments.size()) options.append(arguments[++i]);
            continue;
        }
        dashed = dashed || (a.startsWith(u'-') && a.size() > 1);
        positionals.append(a);
    }
    if (!dashed) return arguments;
    return arguments.mid(0, 2) + options + QStringList{QStringLiteral("--")} + positionals;
}

}  // namespace

int runCommand(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err) {
    const QString command = arguments.value(1);
    // The parser skips the program name; the command is its first positional argument.
    const QStringList rest = dashedArgumentsAsPositionals(arguments);
    if (command == u"calc") return calc(rest, in, out, err);
    if (command == u"angle") return angle(rest, out, err);
    if (command == u"stats") return stats(rest, in, out, err);
    if (command == u"regress") return regress(rest, in, out, err);
    if (command == u"coord") return coord(rest, in, out, err);
    if (command == u"transform") return transform(rest, in, out, err);
    if (command == u"cart") return cart(rest, in, out, err);
    if (command == u"radix") return radix(rest, out, err);
    if (command == u"base") return base(rest, out, err);
    if (command == u"split") return split(rest, out, err);
    if (command == u"area") return area(rest, in, out, err);
    if (command == u"forward") return forward(rest, in, out, err);
    if (command == u"geodesic") return geodesic(rest, in, out, err);
    if (command == u"matrix") return matrix(rest, in, out, err);
    if (command == u"solve") return solve(rest, in, out, err);
    if (command == u"errors") return errors(rest, in, out, err);
    if (command == u"derive") return calculus(CalculusScreen::Kind::Derivative, rest, in, out, err);
    if (command == u"integrate") return calculus(CalculusScreen::Kind::Integral, rest, in, out, err);
    if (command == u"points" || command == u"bearing" || command == u"attitude")
        return survey(command, rest, in, out, err);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(kUsage, out);
        return 0;
    }
    return usage(err, command.isEmpty() ? QString() : QStringLiteral("unknown command: ") + command);
}

}  // namespace cesuan::cli
