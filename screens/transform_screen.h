#pragma once
// The transformation window (GPS坐标转换) as a controller over plain texts: common points give
// 3-, 4- or 7-parameter transformations by least squares, with σ0 and a residual table whose
// blunders are flagged; the parameters, editable in their box and kept in small text files,
// transform a point list; and latitude, longitude and height convert to and from Cartesian
// X, Y, Z on a chosen ellipsoid.

#include "geodesy/helmert.h"
#include "screens/platform.h"

#include <QString>

namespace cesuan {

class TransformScreen {
public:
    TransformScreen(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files);

    // --- The window's texts and choices (CR LF) ---
    int modelIndex = 2;        // the model list: 三参数, 四参数, 七参数
    QString commonPoints;      // the common points
    QString commonFormat;      // what a common point's line holds, for the model
    QString report;            // the estimate: parameters, σ0, residuals
    QString parameters;        // the parameter text, as estimated, read or typed
    QString applyPoints;       // the points to transform
    QString applyFormat;       // what their lines hold
    QString applied;           // the transformed points
    int ellipsoidIndex = 0;    // EllipsoidChoices()
    QString cartesianInput;
    QString cartesianOutput;
    QString statusLine;
    bool failed = false;       // the last command refused its data

    // --- Operations, one per event ---
    void load();
    void modelChosen(int index);
    void estimate();          // 计算参数
    void apply();             // 应用参数
    void saveParameters();    // 保存参数
    void readParameters();    // 读取参数
    void toCartesian();       // B L H → X Y Z
    void toGeodetic();        // X Y Z → B L H
    void showCalculator();
    void showHelp();

    TransformModel model() const;
    // The report of an estimate as the window shows it.
    static QString reportOf(const TransformEstimate& estimate);

private:
    void convertCartesian(bool toCartesian);
    void refuse(const QString& message);

    MessageBoxService& messages_;
    ScreenNavigator& screens_;
    FileChooser& files_;
};

}  // namespace cesuan
