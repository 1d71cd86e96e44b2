#pragma once
// A picture a window shows beside its text, as plain data: points, lines, texts and bars in
// the coordinates of what they show, and how to scale them. The controllers fill it; the
// plotting widget (views/plot_view.h) draws it, saves it and reads the pointer's place back.
//
// Coordinates are (h, v): h grows to the right, v upwards. A plan puts Y (east) on h and
// X (north) on v at one scale; a stereonet draws the equal-area net of radius 1 about (0, 0);
// a chart scales each axis to its data.

#include <QPointF>
#include <QString>
#include <QStringList>

#include <vector>

namespace cesuan {

enum class PictureKind {
    Plan,       // one scale for both axes, X north up, Y east right
    Chart,      // each axis its own scale
    Stereonet,  // the lower-hemisphere equal-area net (the primitive circle and its grid)
};

// What a part of a picture stands for, which gives it its colour.
enum class PictureInk {
    Text,    // written notes and labels
    Point,   // measured or converted points
    Origin,  // the point rays start from
    Ray,     // a ray from the origin
    Plane,   // a plane's great circle
    Pole,    // a plane's pole
    Fit,     // a fitted curve
    Grid,    // the net's grid
    Outline, // the outline of a parcel
    Warning, // a marked fault, such as a self-intersection
    Bar,     // the bars of a histogram
};

enum class MarkShape { Dot, Square, Triangle, Cross };

struct PictureMark {
    QPointF at;
    QString label;  // written beside the mark (may be empty)
    PictureInk ink = PictureInk::Point;
    MarkShape shape = MarkShape::Dot;
    bool operator==(const PictureMark&) const = default;
};

struct PictureLine {
    std::vector<QPointF> points;
    PictureInk ink = PictureInk::Point;
    double width = 1;     // in pixels
    bool closed = false;  // a polygon: the last point joins the first
    bool filled = false;  // a closed line with its inside tinted
    QString label;        // written at the middle of the line (may be empty)
    bool operator==(const PictureLine&) const = default;
};

struct PictureText {
    QPointF at;
    QString text;
    PictureInk ink = PictureInk::Text;
    bool centred = true;  // centred on `at`; otherwise starting there
    bool operator==(const PictureText&) const = default;
};

// A bar of a histogram, from `from` to `to` on h and from 0 to `height` on v.
struct PictureBar {
    double from = 0, to = 0, height = 0;
    bool operator==(const PictureBar&) const = default;
};

struct Picture {
    PictureKind kind = PictureKind::Plan;
    QString title;
    QString hAxis, vAxis;  // the axis titles (none for a stereonet)
    std::vector<PictureLine> lines;
    std::vector<PictureBar> bars;
    std::vector<PictureMark> marks;
    std::vector<PictureText> texts;
    QStringList notes;  // lines written in a box in the picture's upper left corner

    bool isEmpty() const { return lines.empty() && bars.empty() && marks.empty() && texts.empty(); }
    bool operator==(const Picture&) const = default;
};

// An angle in decimal degrees as degrees, minutes and seconds to a tenth: 54°44′08.2″.
QString DegreesMinutesSeconds(double degrees);

// How many points a plan draws; a longer list is said in its notes.
inline constexpr int kPlanPointLimit = 2000;

// A parcel's outline, as an area window draws it: the vertices in order, numbered from 1,
// the closed outline tinted inside, a text (the area) at the centre of the vertices, and a
// marked point (a self-intersection) when there is one. Vertices are (X north, Y east).
struct OutlineVertex {
    double x = 0, y = 0;
};
Picture OutlinePicture(const std::vector<OutlineVertex>& vertices, const QString& inside,
                       const QPointF* markedXy = nullptr, const QString& markLabel = QString());

}  // namespace cesuan
