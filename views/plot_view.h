#pragma once
// The plotting widget of every picture beside a window's results (screens/picture.h): drawn
// with QPainter, a plan and the stereonet at one scale for both axes. The wheel zooms about
// the pointer, dragging pans, a double click shows the whole picture again; the pointer's
// place is read out in the lower left corner (X and Y on a plan, trend and plunge on the
// net). The context menu saves the picture as PNG or SVG through the file chooser, or copies
// it to the clipboard.

#include "screens/message_box.h"
#include "screens/picture.h"
#include "screens/platform.h"

#include <QImage>
#include <QWidget>

class QPainter;
class QSplitter;

namespace cesuan {

class PlotView : public QWidget {
    Q_OBJECT

public:
    explicit PlotView(QWidget* parent = nullptr);

    // The file chooser and message boxes of 保存图片; without them the menu has no 保存图片.
    void setServices(FileChooser* files, MessageBoxService* messages);

    // Shows a new picture, the whole of it.
    void setPicture(Picture picture);
    // The same, unless it is the picture on show (whose zoom and pan then stay).
    void showPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

    // The pixel of a point of the picture, as the widget draws it now.
    QPointF toPixel(QPointF at) const;
    // The point of the picture under a pixel.
    QPointF fromPixel(QPointF pixel) const;
    // The net's centre and radius in pixels (a stereonet).
    QPointF netCentre() const { return toPixel(QPointF(0, 0)); }
    double netRadius() const { return toPixel(QPointF(1, 0)).x() - netCentre().x(); }

    // Zoom about a pixel (factor above 1 enlarges), pan by pixels, and back to the whole.
    void zoomAt(QPointF pixel, double factor);
    void panBy(QPointF pixels);
    void resetView();

    // What the lower left corner reads for the pointer at that pixel.
    QString readoutAt(QPointF pixel) const;
    QString readout() const { return readout_; }

    // The picture drawn at that size on a white ground.
    QImage image(QSize size) const;
    // Writes the picture as it is shown: SVG for a name ending in .svg, PNG otherwise. False
    // when the file cannot be written.
    bool saveImage(const QString& path) const;
    // 保存图片: asks for the file, writes it; an error box when it cannot be written.
    void saveImageAs();
    void copyImage();

    // The size the picture asks for (420 × 380 unless set).
    void setPreferredSize(QSize size) {
        preferred_ = size;
        updateGeometry();
    }
    QSize sizeHint() const override { return preferred_; }
    QSize minimumSizeHint() const override { return {200, 120}; }

signals:
    // A line for the window's status: where a picture was saved, or that it was copied.
    void statusMessage(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The part of a picture shown, in its own coordinates, and the scales that put it on the
    // plot area of a given size.
    struct Frame {
        QRectF plot;      // pixels
        QPointF centre;   // the picture's point at the plot's centre
        double hScale = 1, vScale = 1;  // pixels per unit
        QPointF toPixel(QPointF at) const;
        QPointF fromPixel(QPointF pixel) const;
    };
    Frame frameFor(QSize size) const;
    void paint(QPainter& painter, QSize size) const;
    QRectF extent() const;  // of the whole picture

    Picture picture_;
    FileChooser* files_ = nullptr;
    MessageBoxService* messages_ = nullptr;
    double zoom_ = 1;
    QPointF offset_;  // the shown centre less the picture's centre, in picture units
    QPointF dragFrom_;
    bool dragging_ = false;
    QString readout_;
    QSize preferred_{420, 380};
};

// Puts a window's own layout, as it is, in the first pane of a splitter and `picture` in the
// second: side by side (a wider window widens the picture), or the picture below (a taller
// window heightens the text). The splitter is the window's layout then; the window grows by
// the picture's size hint.
QSplitter* PlaceBeside(QWidget& window, QWidget* picture, Qt::Orientation orientation = Qt::Horizontal);

}  // namespace cesuan
