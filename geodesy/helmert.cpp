#include "geodesy/helmert.h"

#include "engine/parallel.h"
#include "geodesy/helmert_texts.h"

#include <Eigen/Dense>

#include <QChar>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace cesuan {

namespace t = texts::helmert;

namespace {

constexpr double kArcSecondsPerRadian = 648000 / std::numbers::pi;
constexpr double kMillimetre = 0.001;
constexpr int kNamedProblems = 20;  // problems named one by one before one line counts the rest
constexpr std::size_t kLinesPerChunk = 4096;

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }
bool isComma(QChar c) { return c == u',' || c == u'\uFF0C'; }

QStringView trimmedBlanks(QStringView s) {
    while (!s.isEmpty() && isBlank(s.front())) s = s.sliced(1);
    while (!s.isEmpty() && isBlank(s.back())) s.chop(1);
    return s;
}

// Calls line(number, text) for every line of [begin, end) of the text, the line ends (CR LF,
// LF or a lone CR) cut off; numbers from `first`. Returns the number of lines.
template <typename Line>
int forEachLine(QStringView text, int first, Line&& line) {
    int number = first;
    qsizetype start = 0;
    const qsizetype n = text.size();
    const QChar* c = text.constData();
    while (start < n) {
        qsizetype end = start;
        while (end < n && c[end] != u'\n' && c[end] != u'\r') ++end;
        line(number, text.sliced(start, end - start));
        ++number;
        if (end < n && c[end] == u'\r' && end + 1 < n && c[end + 1] == u'\n') ++end;
        start = end + 1;
    }
    return number - first;
}

// The fields of a line, split at commas (up to `capacity` kept, all counted), trimmed.
template <std::size_t N>
int splitFields(QStringView line, std::array<QStringView, N>& fields) {
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || isComma(line[i])) {
            if (count < int(N)) fields[std::size_t(count)] = trimmedBlanks(line.sliced(start, i - start));
            ++count;
            start = i + 1;
        }
    }
    return count;
}

bool skipped(QStringView line) {
    const QStringView s = trimmedBlanks(line);
    return s.isEmpty() || s.front() == u'#';
}

// Problems as they are found: named ones in order, the rest counted.
class Problems {
public:
    void add(const QString& message) {
        if (named_.size() < kNamedProblems) named_.append(message);
        else ++more_;
    }
    QStringList list() const {
        QStringList all = named_;
        if (more_ > 0) all.append(t::msgMoreProblems(more_));
        return all;
    }
    bool empty() const { return named_.isEmpty(); }

private:
    QStringList named_;
    int more_ = 0;
};

const QStringList& commonFieldNames(TransformModel model) {
    static const QStringList plane = {QStringLiteral("x1"), QStringLiteral("y1"), QStringLiteral("x2"),
                                      QStringLiteral("y2")};
    static const QStringList space = {QStringLiteral("X1"), QStringLiteral("Y1"), QStringLiteral("Z1"),
                                      QStringLiteral("X2"), QStringLiteral("Y2"), QStringLiteral("Z2")};
    return model == TransformModel::Four ? plane : space;
}

QString expectedFields(const QStringList& names) {
    return QStringLiteral("点名, ") + names.join(QStringLiteral(", ")) + QStringLiteral(" 共 ") +
           QString::number(names.size() + 1) + QStringLiteral(" 项");
}

CartesianPoint centroid(const std::vector<CommonPoint>& points, bool target) {
    const CartesianPoint& first = target ? points.front().target : points.front().source;
    double sx = 0, sy = 0, sz = 0;
    for (const CommonPoint& p : points) {
        const CartesianPoint& c = target ? p.target : p.source;
        sx += c.x - first.x;
        sy += c.y - first.y;
        sz += c.z - first.z;
    }
    const double n = double(points.size());
    return {first.x + sx / n, first.y + sy / n, first.z + sz / n};
}

}  // namespace

int ModelNumber(TransformModel model) {
    return model == TransformModel::Three ? 3 : model == TransformModel::Four ? 4 : 7;
}

std::optional<TransformModel> ModelOfText(QStringView text) {
    const QStringView s = trimmedBlanks(text);
    if (s == u"3") return TransformModel::Three;
    if (s == u"4") return TransformModel::Four;
    if (s == u"7") return TransformModel::Seven;
    return std::nullopt;
}

int ModelDimensions(TransformModel model) { return model == TransformModel::Four ? 2 : 3; }

const QStringList& ParameterNames(TransformModel model) {
    static const QStringList three = {QStringLiteral("dx"), QStringLiteral("dy"), QStringLiteral("dz")};
    static const QStringList four = {QStringLiteral("dx"), QStringLiteral("dy"), QStringLiteral("rotation"),
                                     QStringLiteral("scale_ppm")};
    static const QStringList seven = {QStringLiteral("dx"), QStringLiteral("dy"), QStringLiteral("dz"),
                                      QStringLiteral("rx"), QStringLiteral("ry"), QStringLiteral("rz"),
                                      QStringLiteral("scale_ppm")};
    return model == TransformModel::Three ? three : model == TransformModel::Four ? four : seven;
}

std::optional<TransformParameters> ParametersOf(TransformModel model, const std::vector<double>& values) {
    if (values.size() != std::size_t(ParameterNames(model).size())) return std::nullopt;
    for (double v : values)
        if (!std::isfinite(v)) return std::nullopt;
    return TransformParameters{model, values};
}

TransformMatrix MatrixOf(const TransformParameters& p) {
    TransformMatrix r;
    const std::vector<double>& v = p.values;
    const auto value = [&](std::size_t i) { return i < v.size() ? v[i] : 0.0; };
    switch (p.model) {
    case TransformModel::Three:
        r.m = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
        r.t = {value(0), value(1), value(2)};
        break;
    case TransformModel::Four: {
        const double k = 1 + value(3) * 1e-6;
        const double theta = value(2) / kArcSecondsPerRadian;
        const double c = k * std::cos(theta), s = k * std::sin(theta);
        r.m = {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
        r.t = {value(0), value(1), 0};
        r.dimensions = 2;
        break;
    }
    case TransformModel::Seven: {
        const double k = 1 + value(6) * 1e-6;
        const double rx = value(3) / kArcSecondsPerRadian, ry = value(4) / kArcSecondsPerRadian,
                     rz = value(5) / kArcSecondsPerRadian;
        r.m = {{{k, k * rz, -k * ry}, {-k * rz, k, k * rx}, {k * ry, -k * rx, k}}};
        r.t = {value(0), value(1), value(2)};
        break;
    }
    }
    return r;
}

CartesianPoint ApplyTransform(const TransformMatrix& a, const CartesianPoint& p) {
    if (a.dimensions == 2)
        return {a.t[0] + (a.m[0][0] * p.x + a.m[0][1] * p.y), a.t[1] + (a.m[1][0] * p.x + a.m[1][1] * p.y), p.z};
    return {a.t[0] + (a.m[0][0] * p.x + a.m[0][1] * p.y + a.m[0][2] * p.z),
            a.t[1] + (a.m[1][0] * p.x + a.m[1][1] * p.y + a.m[1][2] * p.z),
            a.t[2] + (a.m[2][0] * p.x + a.m[2][1] * p.y + a.m[2][2] * p.z)};
}

int MinimumCommonPoints(TransformModel model) {
    return model == TransformModel::Three ? 1 : model == TransformModel::Four ? 2 : 3;
}

TransformEstimate EstimateTransform(TransformModel model, const std::vector<CommonPoint>& points) {
    TransformEstimate e;
    e.parameters.model = model;
    e.parameters.values.assign(std::size_t(ParameterNames(model).size()), 0.0);
    const int n = int(points.size());
    e.points = n;
    if (n < MinimumCommonPoints(model)) {
        e.message = t::msgTooFewCommonPoints(ModelNumber(model), n, MinimumCommonPoints(model));
        return e;
    }
    const int d = ModelDimensions(model);
    CartesianPoint c1 = centroid(points, false), c2 = centroid(points, true);
    if (d == 2) c1.z = c2.z = 0;

    // Coordinates reduced to the centroids; how far the points spread round them.
    std::vector<CartesianPoint> u(static_cast<std::size_t>(n)), w(static_cast<std::size_t>(n));
    double spread1 = 0, spread2 = 0;
    for (std::size_t i = 0; i < std::size_t(n); ++i) {
        const CartesianPoint& s = points[i].source;
        const CartesianPoint& g = points[i].target;
        u[i] = {s.x - c1.x, s.y - c1.y, d == 2 ? 0 : s.z - c1.z};
        w[i] = {g.x - c2.x, g.y - c2.y, d == 2 ? 0 : g.z - c2.z};
        spread1 += u[i].x * u[i].x + u[i].y * u[i].y + u[i].z * u[i].z;
        spread2 += w[i].x * w[i].x + w[i].y * w[i].y + w[i].z * w[i].z;
    }
    if (!std::isfinite(spread1) || !std::isfinite(spread2)) {
        e.message = t::kMsgEstimateOverflow;
        return e;
    }
    const double limit = double(n) * kMillimetre * kMillimetre;  // an RMS spread of 1 mm
    if (model != TransformModel::Three) {
        if (spread1 < limit) {
            e.message = t::kMsgSourceCoincident;
            return e;
        }
        if (spread2 < limit) {
            e.message = t::kMsgTargetCoincident;
            return e;
        }
    }

    std::vector<double>& v = e.parameters.values;
    switch (model) {
    case TransformModel::Three:
        v = {c2.x - c1.x, c2.y - c1.y, c2.z - c1.z};
        break;
    case TransformModel::Four: {
        // a = (1+m) cos θ, b = (1+m) sin θ in closed form; a − 1 from the differences, so
        // that the scale keeps its digits.
        double aMinusOne = 0, b = 0;
        for (std::size_t i = 0; i < std::size_t(n); ++i) {
            aMinusOne += u[i].x * (w[i].x - u[i].x) + u[i].y * (w[i].y - u[i].y);
            b += u[i].x * w[i].y - u[i].y * w[i].x;
        }
        aMinusOne /= spread1;
        b /= spread1;
        const double a = 1 + aMinusOne;
        const double k = std::hypot(a, b);
        const double m = (2 * aMinusOne + aMinusOne * aMinusOne + b * b) / (k + 1);
        v = {0, 0, std::atan2(b, a) * kArcSecondsPerRadian, m * 1e6};
        break;
    }
    case TransformModel::Seven: {
        // Collinear source points leave the rotation about their line open.
        Eigen::Matrix3d scatter = Eigen::Matrix3d::Zero();
        for (const CartesianPoint& p : u) {
            const Eigen::Vector3d q(p.x, p.y, p.z);
            scatter += q * q.transpose();
        }
        const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> eigen(scatter, Eigen::EigenvaluesOnly);
        if (eigen.info() != Eigen::Success || eigen.eigenvalues()(0) + eigen.eigenvalues()(1) < limit) {
            e.message = t::kMsgSourceCollinear;
            return e;
        }
        // Unknowns m, (1+m)rx, (1+m)ry, (1+m)rz; observations the reduced target minus the
        // reduced source.
        Eigen::MatrixXd A(3 * n, 4);
        Eigen::VectorXd l(3 * n);
        for (int i = 0; i < n; ++i) {
            const CartesianPoint& p = u[std::size_t(i)];
            const CartesianPoint& q = w[std::size_t(i)];
            A.row(3 * i) << p.x, 0, -p.z, p.y;
            A.row(3 * i + 1) << p.y, p.z, 0, -p.x;
            A.row(3 * i + 2) << p.z, -p.y, p.x, 0;
            l(3 * i) = q.x - p.x;
            l(3 * i + 1) = q.y - p.y;
            l(3 * i + 2) = q.z - p.z;
        }
        const Eigen::Vector4d x = A.colPivHouseholderQr().solve(l);
        const double k = 1 + x(0);
        v = {0, 0, 0, x(1) / k * kArcSecondsPerRadian, x(2) / k * kArcSecondsPerRadian,
             x(3) / k * kArcSecondsPerRadian, x(0) * 1e6};
        break;
    }
    }
    // The shifts carry the source centroid onto the target centroid.
    if (model != TransformModel::Three) {
        const TransformMatrix rotation = MatrixOf(e.parameters);
        const CartesianPoint moved = ApplyTransform(rotation, c1);
        v[0] = c2.x - moved.x;
        v[1] = c2.y - moved.y;
        if (d == 3) v[2] = c2.z - moved.z;
    }
    for (double value : v) {
        if (!std::isfinite(value)) {
            e.message = t::kMsgEstimateOverflow;
            return e;
        }
    }

    const TransformMatrix matrix = MatrixOf(e.parameters);
    double sum = 0;
    e.residuals.reserve(std::size_t(n));
    for (const CommonPoint& p : points) {
        const CartesianPoint moved = ApplyTransform(matrix, p.source);
        PointResidual r;
        r.name = p.name;
        r.v = {moved.x - p.target.x, moved.y - p.target.y, d == 2 ? 0 : moved.z - p.target.z};
        r.length = std::sqrt(r.v.x * r.v.x + r.v.y * r.v.y + r.v.z * r.v.z);
        sum += r.length * r.length;
        e.residuals.push_back(std::move(r));
    }
    e.redundancy = model == TransformModel::Three ? 3 * n - 3 : model == TransformModel::Four ? 2 * n - 4 : 3 * n - 7;
    e.sigma0 = e.redundancy > 0 ? std::sqrt(sum / e.redundancy) : 0;
    for (PointResidual& r : e.residuals) r.flagged = r.length > 3 * e.sigma0 && r.length > kMillimetre;
    return e;
}

// ---- Texts ----

std::optional<double> ReadNumberField(QStringView field) {
    field = trimmedBlanks(field);
    if (!field.isEmpty() && field.front() == u'+') field = field.sliced(1);
    if (field.isEmpty() || field.size() > 64) return std::nullopt;
    char buffer[64];
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t c = field[i].unicode();
        // digits, point, sign and exponent only: no "inf", "nan" or hexadecimal
        if (!((c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E'))
            return std::nullopt;
        buffer[i] = char(c);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + field.size(), value, std::chars_format::general);
    if (error != std::errc() || end != buffer + field.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

CommonPointList ParseCommonPoints(TransformModel model, QStringView text) {
    CommonPointList list;
    Problems problems;
    const QStringList& names = commonFieldNames(model);
    const int numbers = int(names.size());
    forEachLine(text, 1, [&](int line, QStringView content) {
        if (skipped(content)) return;
        std::array<QStringView, 7> fields;
        const int count = splitFields(content, fields);
        if (count != numbers + 1) {
            problems.add(t::msgFieldCount(line, expectedFields(names), count));
            return;
        }
        if (fields[0].isEmpty()) {
            problems.add(t::msgNoName(line));
            return;
        }
        double values[6] = {};
        bool good = true;
        for (int i = 0; i < numbers; ++i) {
            const std::optional<double> value = ReadNumberField(fields[std::size_t(i + 1)]);
            if (!value) {
                problems.add(t::msgValueNotANumber(line, fields[0].toString(), names[i], fields[std::size_t(i + 1)].toString()));
                good = false;
            } else {
                values[i] = *value;
            }
        }
        if (!good) return;
        CommonPoint p;
        p.name = fields[0].toString();
        if (numbers == 4) {
            p.source = {values[0], values[1], 0};
            p.target = {values[2], values[3], 0};
        } else {
            p.source = {values[0], values[1], values[2]};
            p.target = {values[3], values[4], values[5]};
        }
        list.points.push_back(std::move(p));
    });
    list.problems = problems.list();
    return list;
}

namespace {

// One problem of an applied list, its line counted within its chunk until the chunks are joined.
struct LineProblem {
    int line;  // within the chunk, from 1
    enum class Kind { FieldCount, NoName, NotANumber } kind;
    int count = 0;
    QString name, field, value;
};

}  // namespace

AppliedText ApplyTransformToText(const TransformParameters& parameters, QStringView text, std::size_t threads) {
    const TransformMatrix matrix = MatrixOf(parameters);
    const bool plane = parameters.model == TransformModel::Four;
    static const QStringList planeNames = {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    static const QStringList spaceNames = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    const QStringList& fieldNames = plane ? planeNames : spaceNames;

    // Pieces of whole lines, cut after a line feed: about one a thread for a long text.
    const std::size_t approxLines = std::size_t(text.size() / 40) + 1;
    const std::vector<Chunk> chunks = ChunksOf(approxLines, kLinesPerChunk, threads);
    std::vector<qsizetype> bounds(chunks.size() + 1, text.size());
    bounds[0] = 0;
    for (std::size_t i = 1; i < chunks.size(); ++i) {
        qsizetype at = std::max(bounds[i - 1], qsizetype(double(text.size()) * double(i) / double(chunks.size())));
        const qsizetype lineFeed = text.indexOf(u'\n', at);
        bounds[i] = lineFeed < 0 ? text.size() : lineFeed + 1;
    }

    struct Piece {
        QString text;
        std::vector<LineProblem> problems;
        int lines = 0;
        qsizetype points = 0;
    };
    std::vector<Piece> pieces(chunks.size());
    RunChunks(chunks, [&](const Chunk& chunk) {
        Piece& piece = pieces[chunk.index];
        const QStringView part = text.sliced(bounds[chunk.index], bounds[chunk.index + 1] - bounds[chunk.index]);
        piece.text.reserve(part.size() + part.size() / 4);
        piece.lines = forEachLine(part, 1, [&](int line, QStringView content) {
            if (skipped(content)) return;
            std::array<QStringView, 4> fields;
            const int count = splitFields(content, fields);
            if (count != 4 && !(plane && count == 3)) {
                piece.problems.push_back({line, LineProblem::Kind::FieldCount, count, {}, {}, {}});
                return;
            }
            if (fields[0].isEmpty()) {
                piece.problems.push_back({line, LineProblem::Kind::NoName, 0, {}, {}, {}});
                return;
            }
            double values[3] = {0, 0, 0};
            bool good = true;
            for (int i = 1; i < count; ++i) {
                const std::optional<double> value = ReadNumberField(fields[std::size_t(i)]);
                if (value) {
                    values[i - 1] = *value;
                    continue;
                }
                good = false;
                piece.problems.push_back({line, LineProblem::Kind::NotANumber, 0, fields[0].toString(),
                                          fieldNames[i - 1], fields[std::size_t(i)].toString()});
            }
            if (!good || !piece.problems.empty()) return;  // nothing more is written once a line is bad
            const CartesianPoint moved = ApplyTransform(matrix, {values[0], values[1], values[2]});
            piece.text += fields[0];
            piece.text += QLatin1StringView(", ");
            AppendFixed(piece.text, moved.x, 4);
            piece.text += QLatin1StringView(", ");
            AppendFixed(piece.text, moved.y, 4);
            if (count == 4) {
                piece.text += QLatin1StringView(", ");
                AppendFixed(piece.text, moved.z, 4);
            }
            piece.text += QLatin1StringView("\r\n");
            ++piece.points;
        });
    });

    AppliedText result;
    Problems problems;
    const QString expected = plane ? QStringLiteral("点名, x, y[, z] 共 3 或 4 项") : QStringLiteral("点名, X, Y, Z 共 4 项");
    int offset = 0;
    for (const Piece& piece : pieces) {
        for (const LineProblem& p : piece.problems) {
            const int line = offset + p.line;
            switch (p.kind) {
            case LineProblem::Kind::FieldCount: problems.add(t::msgFieldCount(line, expected, p.count)); break;
            case LineProblem::Kind::NoName: problems.add(t::msgNoName(line)); break;
            case LineProblem::Kind::NotANumber: problems.add(t::msgValueNotANumber(line, p.name, p.field, p.value)); break;
            }
        }
        offset += piece.lines;
        result.points += piece.points;
    }
    result.problems = problems.list();
    if (!result.problems.isEmpty()) {
        result.points = 0;
        return result;
    }
    std::vector<QString> texts;
    texts.reserve(pieces.size());
    for (Piece& piece : pieces) texts.push_back(std::move(piece.text));
    pieces.clear();
    result.text = JoinPieces(texts);
    return result;
}

AppliedText ConvertCartesianText(const EllipsoidConstants& ellipsoid, bool toCartesian, QStringView text) {
    static const QStringList geodeticNames = {QStringLiteral("B"), QStringLiteral("L"), QStringLiteral("H")};
    static const QStringList cartesianNames = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    const QStringList& names = toCartesian ? geodeticNames : cartesianNames;
    const QString expected =
        toCartesian ? QStringLiteral("点名, B, L[, H] 共 3 或 4 项") : QStringLiteral("点名, X, Y, Z 共 4 项");
    AppliedText result;
    Problems problems;
    forEachLine(text, 1, [&](int line, QStringView content) {
        if (skipped(content)) return;
        std::array<QStringView, 4> fields;
        const int count = splitFields(content, fields);
        if (count != 4 && !(toCartesian && count == 3)) {
            problems.add(t::msgFieldCount(line, expected, count));
            return;
        }
        if (fields[0].isEmpty()) {
            problems.add(t::msgNoName(line));
            return;
        }
        const QString name = fields[0].toString();
        double values[3] = {0, 0, 0};
        bool good = true;
        for (int i = 1; i < count; ++i) {
            const QStringView field = fields[std::size_t(i)];
            if (toCartesian && i < 3) {
                const std::optional<double> angle = DmsTextToRadians(field);
                if (!angle) {
                    problems.add(t::msgNotDms(line, name, names[i - 1], field.toString()));
                    good = false;
                } else if (std::abs(*angle) > std::numbers::pi / (i == 1 ? 2 : 1) * (1 + 1e-15)) {
                    problems.add(t::msgAngleOutOfRange(line, name, names[i - 1], field.toString()));
                    good = false;
                } else {
                    values[i - 1] = *angle;
                }
                continue;
            }
            const std::optional<double> value = ReadNumberField(field);
            if (!value) {
                problems.add(t::msgValueNotANumber(line, name, names[i - 1], field.toString()));
                good = false;
            } else {
                values[i - 1] = *value;
            }
        }
        if (!good || !problems.empty()) return;
        result.text += fields[0];
        result.text += QLatin1StringView(", ");
        if (toCartesian) {
            const CartesianPoint c = GeodeticToCartesian(ellipsoid, {values[0], values[1], values[2]});
            AppendFixed(result.text, c.x, 4);
            result.text += QLatin1StringView(", ");
            AppendFixed(result.text, c.y, 4);
            result.text += QLatin1StringView(", ");
            AppendFixed(result.text, c.z, 4);
        } else {
            const GeodeticHeight g = CartesianToGeodetic(ellipsoid, {values[0], values[1], values[2]});
            result.text += RadiansToDmsText(g.latitude, 10);
            result.text += QLatin1StringView(", ");
            result.text += RadiansToDmsText(g.longitude, 10);
            result.text += QLatin1StringView(", ");
            AppendFixed(result.text, g.height, 4);
        }
        result.text += QLatin1StringView("\r\n");
        ++result.points;
    });
    result.problems = problems.list();
    if (!result.problems.isEmpty()) {
        result.text.clear();
        result.points = 0;
    }
    return result;
}

QString ParametersText(const TransformParameters& p) {
    QString text = t::kParametersRemark + QStringLiteral("\r\nmodel = ") + QString::number(ModelNumber(p.model)) +
                   QStringLiteral("\r\n");
    const QStringList& names = ParameterNames(p.model);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const bool shift = names[i].startsWith(u'd');
        text += names[i] + QStringLiteral(" = ");
        AppendFixed(text, i < qsizetype(p.values.size()) ? p.values[std::size_t(i)] : 0.0, shift ? 6 : 9);
        text += QStringLiteral("\r\n");
    }
    return text;
}

std::optional<TransformParameters> ParseParametersText(QStringView text, QString& problem) {
    static const QStringList known = {QStringLiteral("model"), QStringLiteral("dx"), QStringLiteral("dy"),
                                      QStringLiteral("dz"),    QStringLiteral("rx"), QStringLiteral("ry"),
                                      QStringLiteral("rz"),    QStringLiteral("rotation"),
                                      QStringLiteral("scale_ppm")};
    std::optional<TransformModel> model;
    std::vector<std::pair<QString, double>> given;
    problem.clear();
    forEachLine(text, 1, [&](int line, QStringView content) {
        if (!problem.isEmpty() || skipped(content)) return;
        qsizetype at = -1;
        for (qsizetype i = 0; i < content.size() && at < 0; ++i)
            if (content[i] == u'=' || content[i] == u':' || content[i] == u'\uFF1D' || content[i] == u'\uFF1A') at = i;
        if (at < 0) {
            problem = t::msgParameterLine(line, trimmedBlanks(content).toString());
            return;
        }
        const QString name = trimmedBlanks(content.first(at)).toString().toLower();
        const QStringView value = trimmedBlanks(content.sliced(at + 1));
        if (!known.contains(name)) {
            problem = t::msgUnknownParameter(line, name, known);
            return;
        }
        if (name == u"model") {
            model = ModelOfText(value);
            if (!model) problem = t::msgBadModel(value.toString());
            return;
        }
        const std::optional<double> number = ReadNumberField(value);
        if (!number) {
            problem = t::msgParameterNotANumber(name, value.toString());
            return;
        }
        given.emplace_back(name, *number);
    });
    if (!problem.isEmpty()) return std::nullopt;
    if (given.empty()) {
        problem = t::kMsgNoParameters;
        return std::nullopt;
    }
    const auto has = [&](const char16_t* name) {
        return std::any_of(given.begin(), given.end(), [&](const auto& g) { return g.first == name; });
    };
    if (!model) {
        model = has(u"rx") || has(u"ry") || has(u"rz")       ? TransformModel::Seven
                : has(u"rotation")                           ? TransformModel::Four
                : has(u"scale_ppm") && !has(u"dz")           ? TransformModel::Four
                : has(u"scale_ppm")                          ? TransformModel::Seven
                                                             : TransformModel::Three;
    }
    const QStringList& names = ParameterNames(*model);
    TransformParameters parameters{*model, std::vector<double>(std::size_t(names.size()), 0.0)};
    std::vector<bool> seen(std::size_t(names.size()), false);
    for (const auto& [name, value] : given) {
        const qsizetype i = names.indexOf(name);
        if (i < 0) {
            problem = t::msgParameterNotInModel(ModelNumber(*model), name, names);
            return std::nullopt;
        }
        parameters.values[std::size_t(i)] = value;
        seen[std::size_t(i)] = true;
    }
    QStringList missing;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!seen[std::size_t(i)]) missing.append(names[i]);
    if (!missing.isEmpty()) {
        problem = t::msgMissingParameters(ModelNumber(*model), missing);
        return std::nullopt;
    }
    return parameters;
}

std::optional<TransformParameters> ParseParameterValues(TransformModel model, QStringView text, QString& problem) {
    const QStringList& names = ParameterNames(model);
    std::vector<double> values;
    int count = 0;
    qsizetype start = 0;
    problem.clear();
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isComma(text[i])) continue;
        const QStringView field = text.sliced(start, i - start);
        start = i + 1;
        ++count;
        if (count > names.size()) continue;
        const std::optional<double> value = ReadNumberField(field);
        if (!value) {
            if (problem.isEmpty()) problem = t::msgParameterNotANumber(names[count - 1], trimmedBlanks(field).toString());
            continue;
        }
        values.push_back(*value);
    }
    if (count != names.size()) {
        problem = t::msgParameterCount(ModelNumber(model), int(names.size()), count);
        return std::nullopt;
    }
    if (!problem.isEmpty()) return std::nullopt;
    return ParametersOf(model, values);
}

}  // namespace cesuan
