#include "views/plot_view.h"

#include "geodesy/stereonet.h"
#include "screens/picture_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QHBoxLayout>
#include <QSplitter>
#include <QSvgGenerator>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace cesuan {

namespace t = texts::picture;

namespace {

QColor colourOf(PictureInk ink) {
    switch (ink) {
    case PictureInk::Text: return {20, 20, 20};
    case PictureInk::Point: return {0, 100, 120};
    case PictureInk::Origin: return {0, 0, 0};
    case PictureInk::Ray: return {70, 110, 190};
    case PictureInk::Plane: return {220, 0, 0};
    case PictureInk::Pole: return {0, 0, 230};
    case PictureInk::Fit: return {0, 150, 60};
    case PictureInk::Grid: return {185, 185, 185};
    case PictureInk::Outline: return {90, 60, 160};
    case PictureInk::Warning: return {230, 120, 0};
    case PictureInk::Bar: return {100, 150, 210};
    }
    return Qt::black;
}

// 1, 2 or 5 times a power of ten: about `count` steps over the span.
double niceStep(double span, int count) {
    if (!(span > 0) || !std::isfinite(span)) return 1;
    const double raw = span / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    return (fraction < 1.5 ? 1 : fraction < 3.5 ? 2 : fraction < 7.5 ? 5 : 10) * power;
}

// A tick's text: as many decimals as the step needs.
QString tickText(double value, double step) {
    const int decimals = std::clamp(int(std::ceil(-std::log10(step) - 1e-9)), 0, 12);
    if (std::fabs(value) < step * 1e-9) value = 0;
    return QString::number(value, 'f', decimals);
}

// The place of a point read out: to the units a pixel spans.
QString readoutText(double value, double pixelsPerUnit) {
    const int decimals = std::clamp(int(std::ceil(std::log10(std::max(pixelsPerUnit, 1e-300)))), 0, 10);
    return QString::number(value, 'f', decimals);
}

bool hasAxes(const Picture& picture) { return picture.kind != PictureKind::Stereonet; }

}  // namespace

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setToolTip(t::kTipPlot);
    setCursor(Qt::CrossCursor);
}

void PlotView::setServices(FileChooser* files, MessageBoxService* messages) {
    files_ = files;
    messages_ = messages;
}

void PlotView::setPicture(Picture picture) {
    picture_ = std::move(picture);
    zoom_ = 1;
    offset_ = QPointF();
    readout_.clear();
    update();
}

void PlotView::showPicture(const Picture& picture) {
    if (!(picture == picture_)) setPicture(picture);
}

QSplitter* PlaceBeside(QWidget& window, QWidget* picture, Qt::Orientation orientation) {
    const QSize before = window.size();
    auto* content = new QWidget;
    if (QLayout* own = window.layout()) content->setLayout(own);  // its widgets move along
    auto* splitter = new QSplitter(orientation);
    splitter->setObjectName(QStringLiteral("pictureSplitter"));
    splitter->addWidget(content);
    splitter->addWidget(picture);
    // A wider window widens the picture beside the text; a taller one heightens the text
    // above the picture, as it did before.
    const bool beside = orientation == Qt::Horizontal;
    splitter->setStretchFactor(0, beside ? 0 : 1);
    splitter->setStretchFactor(1, beside ? 1 : 0);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    // The window grows by the picture.
    const QSize added = picture->sizeHint();
    window.resize(orientation == Qt::Horizontal ? QSize(before.width() + added.width(), before.height())
                                                : QSize(before.width(), before.height() + added.height()));
    return splitter;
}

QPointF PlotView::Frame::toPixel(QPointF at) const {
    return {plot.center().x() + (at.x() - centre.x()) * hScale, plot.center().y() - (at.y() - centre.y()) * vScale};
}

QPointF PlotView::Frame::fromPixel(QPointF pixel) const {
    return {centre.x() + (pixel.x() - plot.center().x()) / hScale, centre.y() - (pixel.y() - plot.center().y()) / vScale};
}

QRectF PlotView::extent() const {
    if (picture_.kind == PictureKind::Stereonet) return QRectF(-1.14, -1.14, 2.28, 2.28);
    double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
    const auto take = [&](QPointF p) {
        if (!std::isfinite(p.x()) || !std::isfinite(p.y())) return;
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        bottom = std::min(bottom, p.y());
        top = std::max(top, p.y());
    };
    for (const PictureLine& line : picture_.lines)
        for (QPointF p : line.points) take(p);
    for (const PictureMark& mark : picture_.marks) take(mark.at);
    for (const PictureText& text : picture_.texts) take(text.at);
    for (const PictureBar& bar : picture_.bars) {
        take(QPointF(bar.from, 0));
        take(QPointF(bar.to, bar.height));
    }
    if (left > right) return QRectF(-1, -1, 2, 2);
    // A single point or a flat row still gets room about it.
    const auto widen = [](double& lo, double& hi) {
        if (hi - lo > 0) return;
        const double half = std::max(1.0, std::fabs(lo) * 1e-6);
        lo -= half;
        hi += half;
    };
    widen(left, right);
    widen(bottom, top);
    const double mh = (right - left) * 0.12, mv = (top - bottom) * 0.12;
    const bool barsFromZero = !picture_.bars.empty() && bottom >= 0;
    return QRectF(QPointF(left - mh, barsFromZero ? 0 : bottom - mv), QPointF(right + mh, top + mv));
}

PlotView::Frame PlotView::frameFor(QSize size) const {
    const QFontMetrics metrics(font());
    const bool axes = hasAxes(picture_);
    const double top = picture_.title.isEmpty() ? 8 : metrics.height() + 12;
    const double left = axes ? metrics.horizontalAdvance(QStringLiteral("00000000.0")) + 12 : 8;
    const double bottom = axes ? 2 * metrics.height() + 10 : 8;
    Frame frame;
    frame.plot = QRectF(left, top, std::max(10.0, size.width() - left - 16), std::max(10.0, size.height() - top - bottom));
    const QRectF whole = extent();
    frame.hScale = frame.plot.width() / whole.width();
    frame.vScale = frame.plot.height() / whole.height();
    if (picture_.kind != PictureKind::Chart) frame.hScale = frame.vScale = std::min(frame.hScale, frame.vScale);
    frame.hScale *= zoom_;
    frame.vScale *= zoom_;
    frame.centre = QPointF(whole.center().x(), (whole.top() + whole.bottom()) / 2) + offset_;
    return frame;
}

QPointF PlotView::toPixel(QPointF at) const { return frameFor(size()).toPixel(at); }
QPointF PlotView::fromPixel(QPointF pixel) const { return frameFor(size()).fromPixel(pixel); }

void PlotView::zoomAt(QPointF pixel, double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    const QPointF before = fromPixel(pixel);
    zoom_ = std::clamp(zoom_ * factor, 0.05, 1e6);
    // The point under the pointer stays under it.
    const QPointF after = fromPixel(pixel);
    offset_ += before - after;
    update();
}

void PlotView::panBy(QPointF pixels) {
    const Frame frame = frameFor(size());
    offset_ -= QPointF(pixels.x() / frame.hScale, -pixels.y() / frame.vScale);
    update();
}

void PlotView::resetView() {
    zoom_ = 1;
    offset_ = QPointF();
    update();
}

QString PlotView::readoutAt(QPointF pixel) const {
    const Frame frame = frameFor(size());
    if (!frame.plot.contains(pixel) || picture_.isEmpty()) return QString();
    const QPointF at = frame.fromPixel(pixel);
    QString label;
    // A mark within a few pixels names itself.
    double nearest = 7;
    for (const PictureMark& mark : picture_.marks) {
        const QPointF d = frame.toPixel(mark.at) - pixel;
        const double distance = std::hypot(d.x(), d.y());
        if (distance < nearest && !mark.label.isEmpty()) {
            nearest = distance;
            label = mark.label + QStringLiteral("  ");
        }
    }
    switch (picture_.kind) {
    case PictureKind::Stereonet: {
        LineDirection line;
        if (!LineOfNetPoint({at.x(), at.y()}, line)) return QString();
        return label + t::netReadout(QString::number(line.trend, 'f', 1), QString::number(line.plunge, 'f', 1));
    }
    case PictureKind::Plan:
        return label + t::planReadout(readoutText(at.y(), frame.vScale), readoutText(at.x(), frame.hScale));
    case PictureKind::Chart:
        return label + t::chartReadout(readoutText(at.x(), frame.hScale), readoutText(at.y(), frame.vScale));
    }
    return QString();
}

void PlotView::paint(QPainter& painter, QSize size) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const Frame frame = frameFor(size);

    if (!picture_.title.isEmpty()) {
        painter.setPen(colourOf(PictureInk::Text));
        painter.drawText(QRectF(0, 4, size.width(), metrics.height() + 4), Qt::AlignHCenter | Qt::AlignVCenter,
                         picture_.title);
    }

    // The axes: a light grid at round values, their numbers outside the plot, the titles.
    if (hasAxes(picture_)) {
        const QPointF low = frame.fromPixel(frame.plot.bottomLeft()), high = frame.fromPixel(frame.plot.topRight());
        const double hStep = niceStep(high.x() - low.x(), std::max(2, int(frame.plot.width() / 110)));
        const double vStep = niceStep(high.y() - low.y(), std::max(2, int(frame.plot.height() / 60)));
        painter.setPen(QPen(QColor(225, 225, 225), 1));
        QPen tickPen(colourOf(PictureInk::Text));
        for (double h = std::ceil(low.x() / hStep) * hStep; h <= high.x(); h += hStep) {
            const double x = frame.toPixel(QPointF(h, 0)).x();
            painter.setPen(QPen(QColor(225, 225, 225), 1));
            painter.drawLine(QPointF(x, frame.plot.top()), QPointF(x, frame.plot.bottom()));
            painter.setPen(tickPen);
            painter.drawText(QRectF(x - 60, frame.plot.bottom() + 2, 120, metrics.height()), Qt::AlignHCenter,
                             tickText(h, hStep));
        }
        for (double v = std::ceil(low.y() / vStep) * vStep; v <= high.y(); v += vStep) {
            const double y = frame.toPixel(QPointF(0, v)).y();
            painter.setPen(QPen(QColor(225, 225, 225), 1));
            painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
            painter.setPen(tickPen);
            painter.drawText(QRectF(0, y - metrics.height() / 2.0, frame.plot.left() - 4, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, tickText(v, vStep));
        }
        painter.setPen(tickPen);
        painter.drawText(QRectF(frame.plot.left(), frame.plot.bottom() + metrics.height() + 4, frame.plot.width(),
                                metrics.height()),
                         Qt::AlignHCenter, picture_.hAxis);
        painter.drawText(QRectF(2, frame.plot.top() - metrics.height() - 2, frame.plot.left() + 40, metrics.height()),
                         Qt::AlignLeft, picture_.vAxis);
        painter.setPen(QPen(QColor(120, 120, 120), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.plot);
    }

    painter.save();
    painter.setClipRect(frame.plot);
    const auto polyline = [&frame](const std::vector<QPointF>& points) {
        QPolygonF polygon;
        polygon.reserve(qsizetype(points.size()));
        for (QPointF p : points) polygon.append(frame.toPixel(p));
        return polygon;
    };

    if (picture_.kind == PictureKind::Stereonet) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colourOf(PictureInk::Grid), 0.8));
        for (const std::vector<NetPoint>& line : SchmidtGrid(10)) {
            QPolygonF polygon;
            for (const NetPoint& p : line) polygon.append(frame.toPixel(QPointF(p.h, p.v)));
            painter.drawPolyline(polygon);
        }
        const QPointF centre = frame.toPixel(QPointF(0, 0));
        const double radius = frame.toPixel(QPointF(1, 0)).x() - centre.x();
        painter.setPen(QPen(colourOf(PictureInk::Text), 1.5));
        painter.drawEllipse(centre, radius, radius);
        painter.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
        painter.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
        const std::pair<QPointF, const QString*> ends[] = {
            {{0, 1}, &t::kNorth}, {{1, 0}, &t::kEast}, {{0, -1}, &t::kSouth}, {{-1, 0}, &t::kWest}};
        for (const auto& [at, name] : ends) {
            const QPointF edge = frame.toPixel(at), outside = frame.toPixel(at * 1.08);
            painter.drawLine(edge, frame.toPixel(at * 1.03));
            painter.drawText(QRectF(outside.x() - 20, outside.y() - metrics.height() / 2.0, 40, metrics.height()),
                             Qt::AlignCenter, *name);
        }
    }

    for (const PictureBar& bar : picture_.bars) {
        const QRectF rect(frame.toPixel(QPointF(bar.from, bar.height)), frame.toPixel(QPointF(bar.to, 0)));
        painter.setPen(QPen(colourOf(PictureInk::Bar).darker(140), 1));
        painter.setBrush(colourOf(PictureInk::Bar));
        painter.drawRect(rect);
    }

    for (const PictureLine& line : picture_.lines) {
        if (line.points.empty()) continue;
        const QColor colour = colourOf(line.ink);
        painter.setPen(QPen(colour, line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF polygon = polyline(line.points);
        if (line.closed) {
            QColor tint = colour;
            tint.setAlpha(40);
            painter.setBrush(line.filled ? QBrush(tint) : QBrush(Qt::NoBrush));
            painter.drawPolygon(polygon);
        } else {
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(polygon);
        }
        if (!line.label.isEmpty()) {
            const QPointF middle = line.points.size() == 2 ? (polygon[0] + polygon[1]) / 2 : polygon[polygon.size() / 2];
            painter.setPen(colourOf(PictureInk::Text));
            painter.drawText(middle + QPointF(4, -4), line.label);
        }
    }

    for (const PictureMark& mark : picture_.marks) {
        const QPointF p = frame.toPixel(mark.at);
        const QColor colour = colourOf(mark.ink);
        painter.setPen(QPen(colour, 1.5));
        painter.setBrush(colour);
        switch (mark.shape) {
        case MarkShape::Dot: painter.drawEllipse(p, 4, 4); break;
        case MarkShape::Square: painter.drawRect(QRectF(p - QPointF(4, 4), QSizeF(8, 8))); break;
        case MarkShape::Triangle:
            painter.drawPolygon(QPolygonF({p + QPointF(0, -6), p + QPointF(5, 4), p + QPointF(-5, 4)}));
            break;
        case MarkShape::Cross:
            painter.setPen(QPen(colour, 2.5));
            painter.drawLine(p + QPointF(-6, -6), p + QPointF(6, 6));
            painter.drawLine(p + QPointF(-6, 6), p + QPointF(6, -6));
            break;
        }
        if (!mark.label.isEmpty()) {
            painter.setPen(colourOf(PictureInk::Text));
            painter.drawText(p + QPointF(7, -6), mark.label);
        }
    }

    for (const PictureText& text : picture_.texts) {
        const QPointF p = frame.toPixel(text.at);
        painter.setPen(colourOf(text.ink));
        if (text.centred) {
            const QRectF box = metrics.boundingRect(text.text);
            painter.drawText(QRectF(p.x() - box.width() / 2 - 2, p.y() - box.height() / 2, box.width() + 4, box.height()),
                             Qt::AlignCenter, text.text);
        } else {
            painter.drawText(p, text.text);
        }
    }
    painter.restore();

    // The notes in a box in the upper left corner.
    if (!picture_.notes.isEmpty()) {
        int width = 0;
        for (const QString& note : picture_.notes) width = std::max(width, metrics.horizontalAdvance(note));
        const QRectF box(frame.plot.left() + 6, frame.plot.top() + 6, width + 12,
                         metrics.lineSpacing() * picture_.notes.size() + 8);
        painter.setPen(QPen(QColor(160, 160, 160), 1));
        painter.setBrush(QColor(255, 255, 255, 225));
        painter.drawRect(box);
        painter.setPen(colourOf(PictureInk::Text));
        for (qsizetype i = 0; i < picture_.notes.size(); ++i)
            painter.drawText(QPointF(box.left() + 6, box.top() + 4 + metrics.ascent() + metrics.lineSpacing() * i),
                             picture_.notes[i]);
    }
}

void PlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, size());
    if (!readout_.isEmpty()) {
        const Frame frame = frameFor(size());
        const QFontMetrics metrics(font());
        const QRectF box(frame.plot.left() + 4, frame.plot.bottom() - metrics.height() - 8,
                         metrics.horizontalAdvance(readout_) + 12, metrics.height() + 4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 225, 235));
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, readout_);
    }
}

void PlotView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

void PlotView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) zoomAt(event->position(), std::pow(1.25, steps));
    event->accept();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
    QWidget::mousePressEvent(event);
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        panBy(event->position() - dragFrom_);
        dragFrom_ = event->position();
    }
    const QString text = readoutAt(event->position());
    if (text != readout_) {
        readout_ = text;
        update();
    }
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        setCursor(Qt::CrossCursor);
    }
    QWidget::mouseReleaseEvent(event);
}

void PlotView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) resetView();
}

void PlotView::leaveEvent(QEvent* event) {
    readout_.clear();
    update();
    QWidget::leaveEvent(event);
}

void PlotView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    if (files_ != nullptr && messages_ != nullptr) menu.addAction(t::kSaveImage, this, &PlotView::saveImageAs);
    menu.addAction(t::kCopyImage, this, &PlotView::copyImage);
    menu.addAction(t::kResetView, this, &PlotView::resetView);
    menu.exec(event->globalPos());
}

QImage PlotView::image(QSize size) const {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, size);
    painter.end();
    return image;
}

bool PlotView::saveImage(const QString& path) const {
    if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) != 0)
        return image(size()).save(path, "PNG");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size());
    svg.setViewBox(QRect(QPoint(0, 0), size()));
    svg.setTitle(picture_.title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paint(painter, size());
    painter.end();
    return file.error() == QFileDevice::NoError;
}

void PlotView::saveImageAs() {
    if (files_ == nullptr || messages_ == nullptr) return;
    const QString path = files_->savePath(t::kSaveImageTitle, t::kImageFilter, t::kImageFileName);
    if (path.isEmpty()) return;
    if (!saveImage(path)) {
        messages_->showError(t::msgImageNotWritten(path));
        return;
    }
    emit statusMessage(t::imageSaved(path));
}

void PlotView::copyImage() {
    QApplication::clipboard()->setImage(image(size()));
    emit statusMessage(t::kImageCopied);
}

}  // namespace cesuan
