#pragma once
// The angle conversion window as a controller over plain texts: the angle typed into its box
// is converted by one of six buttons among radians, decimal degrees (百分度) and
// degree-minute-second values (D.MMSSss), and the result is written into the result box.
//
// A view copies the angle in, calls the button's operation, and copies the angle, the result
// and the caption back out. The fixed texts of the window are in screens/screen_texts.h
// (texts::angles).

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "screens/message_box.h"

#include <QString>

namespace cesuan {

class AngleScreen {
public:
    // The degree-minute-second conversions show their warnings (seconds or minutes above
    // 60) in boxes.
    explicit AngleScreen(MessageBoxService& messages);

    // --- The window's texts ---
    QString angle;         // the angle to convert
    QString converted;     // the converted angle, or why there is none
    bool failed = false;   // the last conversion gave no angle (converted says why)
    QString angleCaption;  // "原始角度数", or the last conversion's name

    // --- Operations, one per event ---
    // Each resets the journal, puts its name into the caption, rewrites the angle with the
    // number it read and writes the result. An angle that is blank, no number or beyond the
    // decimal range stays as typed and the result box says so; so does a result that leaves
    // the decimal range.
    void radianToDms();            // "弧度 ==> 度分秒"
    void radianToDecimalDegree();  // "弧度 ==> 百分度"
    void decimalDegreeToDms();     // "百分度 ==> 度分秒"
    void decimalDegreeToRadian();  // "百分度 ==> 弧  度"
    void dmsToRadian();            // "度分秒 ==> 弧  度"
    void dmsToDecimalDegree();     // "度分秒 ==> 百分度"
    void angleTyped();             // a key typed into the angle: the caption back to "原始角度数"

    // The journal of the last conversion.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    // Steps shared by the six buttons: reads the angle, converts, writes both boxes.
    template <typename Conversion>
    void convert(const QString& name, Conversion conversion);

    MessageBoxService& messages_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
