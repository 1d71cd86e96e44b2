#pragma once
// The angle conversion window (Form202) as a controller over plain texts: the angle typed
// into Text1 is converted by one of six buttons among radians, decimal degrees (百分度) and
// degree-minute-second values (D.MMSSss), and the result is written into Text2.
//
// A view copies Text1 in, calls the button's operation, and copies Text1, Text2 and Label1
// back out. The fixed texts of the window are in screens/screen_texts.h (texts::angles).

#include "engine/calc_value.h"
#include "engine/message_box.h"

#include <QString>

namespace cesuan {

class AngleScreen {
public:
    // The degree-minute-second conversions show their warnings (seconds or minutes above
    // 60) in boxes.
    explicit AngleScreen(MessageBoxService& messages);

    // --- The window's texts ---
    QString text1;   // the angle to convert
    QString text2;   // the converted angle; empty when the conversion failed
    QString label1;  // "原始角度数", or the last conversion's name

    // --- Operations, one per event ---
    // Each resets the journal, puts its name into Label1, rewrites Text1 with the number it
    // read (a text that is no number reads as 0) and writes the result into Text2. The
    // journal is not shown here; a result that leaves the decimal range leaves Text2 empty.
    void radianToDms();                // Command1 "弧度 ==> 度分秒"
    void radianToDecimalDegree();      // Command2 "弧度 ==> 百分度"
    void decimalDegreeToDms();         // Command3 "百分度 ==> 度分秒"
    void decimalDegreeToRadian();      // Command4 "百分度 ==> 弧  度"
    void dmsToRadian();                // Command5 "度分秒 ==> 弧  度"
    void dmsToDecimalDegree();         // Command6 "度分秒 ==> 百分度"
    void keyPressedInText1();          // Label1 back to "原始角度数"

private:
    // Steps shared by the six buttons: reads Text1, converts, writes both boxes.
    template <typename Conversion>
    void convert(const QString& name, Conversion conversion);

    MessageBoxService& messages_;
};

}  // namespace cesuan
