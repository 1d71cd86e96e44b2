#pragma once
// Similarity transformations between two coordinate frames, estimated from common points by
// least squares and applied to point lists.
//
// Models (rotations in arc seconds and the scale in ppm wherever they are text;
// m = scale · 10⁻⁶):
//   3 parameters:  X2 = X1 + dX,  Y2 = Y1 + dY,  Z2 = Z1 + dZ
//   4 parameters (plane, x north, y east, metres):
//                  x2 = dx + (1+m)(x1 cos θ − y1 sin θ),  y2 = dy + (1+m)(x1 sin θ + y1 cos θ)
//   7 parameters (Bursa–Wolf, rotation of the coordinate frame, small angles):
//                  X2 = dX + (1+m)( X1 + rz Y1 − ry Z1)
//                  Y2 = dY + (1+m)(−rz X1 + Y1 + rx Z1)
//                  Z2 = dZ + (1+m)( ry X1 − rx Y1 + Z1)
//
// The estimate works on coordinates reduced to the centroids of both point sets, so lists of
// 10⁶–10⁷ m keep their millimetres. The 7-parameter model is linear in (m, (1+m)rx, (1+m)ry,
// (1+m)rz), so its least squares are solved exactly (QR of the reduced design matrix) and
// noise-free points give their parameters back to the last digits. Residuals are
// v = transformed source − target; σ0 = √(Σv²/r) with the redundancy r (3n−3, 2n−4, 3n−7),
// 0 when r = 0; a point whose residual vector is longer than both 3σ0 and 1 mm is flagged.
//
// Texts: the point lists are lines of fields separated by commas (full-width commas count),
// any line ends; blank lines and lines starting with "#" are skipped. The routines keep
// nothing between calls, never throw and show nothing: problems come back as messages.

#include "geodesy/cartesian.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace cesuan {

enum class TransformModel { Three, Four, Seven };

// 3, 4 or 7.
int ModelNumber(TransformModel model);
// The model of "3", "4" or "7" (blanks around it allowed); nothing for anything else.
std::optional<TransformModel> ModelOfText(QStringView text);
// Coordinates a point has under the model: 2 (plane) or 3.
int ModelDimensions(TransformModel model);
// The names of the parameter values, in their order: dx dy dz (3); dx dy rotation
// scale_ppm (4); dx dy dz rx ry rz scale_ppm (7).
const QStringList& ParameterNames(TransformModel model);

struct TransformParameters {
    TransformModel model = TransformModel::Seven;
    // In the order of ParameterNames: shifts in metres, rotations in arc seconds, the scale
    // in ppm.
    std::vector<double> values = std::vector<double>(7, 0.0);
};

// The parameters of a model from its values in order; nothing when the count is wrong or a
// value is not finite.
std::optional<TransformParameters> ParametersOf(TransformModel model, const std::vector<double>& values);

// A transformation ready to apply: p2 = t + M p1 (the plane model uses the upper 2×2).
struct TransformMatrix {
    std::array<std::array<double, 3>, 3> m{};
    std::array<double, 3> t{};
    int dimensions = 3;
};
TransformMatrix MatrixOf(const TransformParameters& parameters);

// One point through the transformation (z is left alone by the plane model).
CartesianPoint ApplyTransform(const TransformMatrix& matrix, const CartesianPoint& point);
inline CartesianPoint ApplyTransform(const TransformParameters& parameters, const CartesianPoint& point) {
    return ApplyTransform(MatrixOf(parameters), point);
}

// ---- Estimation ----

struct CommonPoint {
    QString name;
    CartesianPoint source;  // the frame transformed from (z unused by the plane model)
    CartesianPoint target;  // the frame transformed to
};

struct PointResidual {
    QString name;
    CartesianPoint v;     // transformed source − target, m (z 0 for the plane model)
    double length = 0;    // |v|, m
    bool flagged = false; // |v| > 3σ0 and |v| > 1 mm
};

struct TransformEstimate {
    QString message;  // "" when the parameters were estimated, else why not
    TransformParameters parameters;
    int points = 0;
    int redundancy = 0;
    double sigma0 = 0;  // m
    std::vector<PointResidual> residuals;
    bool ok() const { return message.isEmpty(); }
};

// Points the estimate needs at least: 1, 2 and 3 for the three models.
int MinimumCommonPoints(TransformModel model);

// The least-squares parameters of the model from the common points. Too few points,
// coincident points (models 4 and 7, in either frame) or collinear source points (model 7)
// give a message and no parameters.
TransformEstimate EstimateTransform(TransformModel model, const std::vector<CommonPoint>& points);

// ---- Texts ----

// The common points of a text: lines "name, x1, y1, x2, y2" (model 4) or
// "name, X1, Y1, Z1, X2, Y2, Z2" (models 3 and 7). Every line that is not as it should be is
// named in `problems` (up to 20, then one line that counts the rest); a list with problems
// should not be used.
struct CommonPointList {
    std::vector<CommonPoint> points;
    QStringList problems;
};
CommonPointList ParseCommonPoints(TransformModel model, QStringView text);

// A point list through the transformation: lines "name, x, y, z" (models 3 and 7) or
// "name, x, y[, z]" (model 4, z carried along unchanged) become "name, x', y'[, z']" with
// 4 decimals, each ended by CR LF; skipped lines leave no line. When any line is not as it
// should be, `problems` names it (as ParseCommonPoints does) and `text` is empty. A long
// list runs on `threads` threads (0: one a core).
struct AppliedText {
    QString text;
    QStringList problems;
    qsizetype points = 0;
};
AppliedText ApplyTransformToText(const TransformParameters& parameters, QStringView text, std::size_t threads = 0);

// The parameter file and box: "model = 7" and one "name = value" line per parameter, CR LF
// line ends, after a remark line ("# …") that names the units. Shifts with 6 decimals,
// rotations and scale with 9, so that reading the text back moves no point by more than a
// micrometre.
QString ParametersText(const TransformParameters& parameters);

// Reads such a text: "name = value" lines (":" also separates; names in any case; blank and
// "#" lines skipped). Without a model line the names tell the model. A problem (an unknown
// name, a missing value, a value that is no number) gives its message and no parameters.
std::optional<TransformParameters> ParseParametersText(QStringView text, QString& problem);

// A comma-separated list of values in the order of ParameterNames.
std::optional<TransformParameters> ParseParameterValues(TransformModel model, QStringView text, QString& problem);

// Cartesian conversion of a point list on an ellipsoid: lines "name, B, L[, H]" (B and L in
// D.MMSS, H 0 when missing) become "name, X, Y, Z" (toCartesian), lines "name, X, Y, Z"
// become "name, B, L, H"; X, Y, Z and H with 4 decimals, B and L in D.MMSS with 10, each
// line ended by CR LF. Problems as for ApplyTransformToText: any of them, and `text` is empty.
AppliedText ConvertCartesianText(const EllipsoidConstants& ellipsoid, bool toCartesian, QStringView text);

// A number field: blanks around it allowed, a leading "+", an exponent; nothing for anything
// else (an empty field, "1.2.3", "nan", "inf", a value beyond a double).
std::optional<double> ReadNumberField(QStringView field);

}  // namespace cesuan
