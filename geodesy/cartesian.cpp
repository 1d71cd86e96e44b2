#include "geodesy/cartesian.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace cesuan {

CartesianPoint GeodeticToCartesian(const EllipsoidConstants& e, const GeodeticHeight& p) {
    const double sinB = std::sin(p.latitude), cosB = std::cos(p.latitude);
    const double n = e.a / std::sqrt(1 - e.e2 * sinB * sinB);  // radius of the prime vertical
    const double r = (n + p.height) * cosB;
    return {r * std::cos(p.longitude), r * std::sin(p.longitude), (n * (1 - e.e2) + p.height) * sinB};
}

GeodeticHeight CartesianToGeodetic(const EllipsoidConstants& e, const CartesianPoint& c) {
    const double p = std::hypot(c.x, c.y);
    GeodeticHeight g;
    g.longitude = p == 0 ? 0 : std::atan2(c.y, c.x);
    if (p == 0 && c.z == 0) {  // the centre: no direction
        g.height = -e.a;
        return g;
    }
    const double b = e.a * std::sqrt(1 - e.e2);
    const double ep2 = e.e2 / (1 - e.e2);
    const double ratio = b / e.a;
    // Parametric latitude β, then the latitude from it; each turn gains many digits, a point
    // near the ellipsoid settles in two or three.
    double beta = std::atan2(c.z, p * ratio);
    double latitude = 0;
    for (int turn = 0; turn < 8; ++turn) {
        const double sinBeta = std::sin(beta), cosBeta = std::cos(beta);
        latitude = std::atan2(c.z + ep2 * b * sinBeta * sinBeta * sinBeta, p - e.e2 * e.a * cosBeta * cosBeta * cosBeta);
        const double next = std::atan2(ratio * std::sin(latitude), std::cos(latitude));
        if (next == beta) break;
        beta = next;
    }
    const double sinB = std::sin(latitude), cosB = std::cos(latitude);
    g.latitude = latitude;
    // Stable at every latitude: no division by cos B.
    g.height = p * cosB + c.z * sinB - e.a * std::sqrt(1 - e.e2 * sinB * sinB);
    return g;
}

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

bool isDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

}  // namespace

std::optional<double> DmsTextToRadians(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.first(point);
    const QStringView fraction = point < 0 ? QStringView() : text.sliced(point + 1);
    if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
    if (whole.size() > 6) return std::nullopt;  // no angle has that many degrees
    long double degrees = 0;
    for (QChar c : whole) {
        if (!isDigit(c)) return std::nullopt;
        degrees = degrees * 10 + (c.unicode() - u'0');
    }
    for (QChar c : fraction)
        if (!isDigit(c)) return std::nullopt;
    const auto digit = [&](qsizetype i) { return i < fraction.size() ? int(fraction[i].unicode() - u'0') : 0; };
    const int minutes = digit(0) * 10 + digit(1);
    const int seconds = digit(2) * 10 + digit(3);
    if (minutes > 59 || seconds > 59) return std::nullopt;
    long double part = 0, unit = 1;
    for (qsizetype i = 4; i < fraction.size() && i < 30; ++i) {
        unit /= 10;
        part += digit(i) * unit;
    }
    const long double arcSeconds = degrees * 3600 + minutes * 60 + seconds + part;
    const long double radians = arcSeconds * kPi / 648000;
    return double(negative ? -radians : radians);
}

QString RadiansToDmsText(double radians, int places) {
    if (!std::isfinite(radians)) return QString::number(radians);
    places = std::clamp(places, 4, 12);
    std::int64_t scale = 1;
    for (int i = 4; i < places; ++i) scale *= 10;
    const long double arcSeconds = std::fabs((long double)radians) * 648000 / kPi;
    if (arcSeconds * scale > 9e17L) return QString::number(radians);
    const std::int64_t units = std::llroundl(arcSeconds * scale);
    const std::int64_t perSecond = scale, perMinute = 60 * scale, perDegree = 3600 * scale;
    QString text;
    if (radians < 0 && units != 0) text += u'-';
    text += QString::number(units / perDegree);
    text += u'.';
    text += QStringLiteral("%1").arg(units / perMinute % 60, 2, 10, QLatin1Char('0'));
    text += QStringLiteral("%1").arg(units / perSecond % 60, 2, 10, QLatin1Char('0'));
    if (places > 4) text += QStringLiteral("%1").arg(units % perSecond, places - 4, 10, QLatin1Char('0'));
    return text;
}

void AppendFixed(QString& text, double value, int places) {
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
    if (error != std::errc()) {
        text += QString::number(value, 'g', 17);
        return;
    }
    const char* from = buffer;
    if (*from == '-') {
        bool zero = true;
        for (const char* c = from + 1; c < end && zero; ++c) zero = *c == '0' || *c == '.';
        if (zero) ++from;
    }
    text += QLatin1StringView(from, end - from);
}

QString FixedText(double value, int places) {
    QString text;
    AppendFixed(text, value, places);
    return text;
}

}  // namespace cesuan
