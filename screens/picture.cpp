#include "screens/picture.h"

#include "screens/picture_texts.h"

#include <cmath>

namespace cesuan {

QString DegreesMinutesSeconds(double degrees) {
    if (!std::isfinite(degrees)) return QString::number(degrees);
    const long long tenths = std::llround(std::fabs(degrees) * 36000);
    const long long d = tenths / 36000, m = tenths / 600 % 60, s = tenths % 600;
    return QStringLiteral("%1%2°%3′%4.%5″")
        .arg(degrees < 0 && tenths > 0 ? QStringLiteral("-") : QString())
        .arg(d)
        .arg(m, 2, 10, QChar(u'0'))
        .arg(s / 10, 2, 10, QChar(u'0'))
        .arg(s % 10);
}

Picture OutlinePicture(const std::vector<OutlineVertex>& vertices, const QString& inside, const QPointF* markedXy,
                       const QString& markLabel) {
    Picture picture;
    picture.kind = PictureKind::Plan;
    picture.title = texts::picture::kOutlineTitle;
    picture.hAxis = texts::picture::kEastAxis;
    picture.vAxis = texts::picture::kNorthAxis;
    if (vertices.empty()) return picture;
    PictureLine outline;
    outline.ink = PictureInk::Outline;
    outline.width = 2;
    outline.closed = true;
    outline.filled = true;
    double sumH = 0, sumV = 0;
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const QPointF at(vertices[i].y, vertices[i].x);
        outline.points.push_back(at);
        picture.marks.push_back({at, QString::number(i + 1), PictureInk::Point, MarkShape::Dot});
        sumH += at.x();
        sumV += at.y();
    }
    picture.lines.push_back(std::move(outline));
    const double n = double(vertices.size());
    if (!inside.isEmpty()) picture.texts.push_back({QPointF(sumH / n, sumV / n), inside, PictureInk::Text, true});
    if (markedXy != nullptr)
        picture.marks.push_back({QPointF(markedXy->y(), markedXy->x()), markLabel, PictureInk::Warning, MarkShape::Cross});
    return picture;
}

}  // namespace cesuan
