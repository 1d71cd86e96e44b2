#pragma once
// The number split window (Form210) as a controller over plain texts: the number typed into
// Text1 is split into its integer digits (Text2) and the digits after its point (Text3).
//
// A view copies Text1 in, calls split(), and copies Text2 and Text3 back out. The fixed
// texts of the window are in screens/number_split_texts.h.

#include <QString>

namespace cesuan {

class NumberSplit {
public:
    NumberSplit();

    // --- The window's texts ---
    QString text1;  // the number
    QString text2;  // the integer part; "整数部分" at the start
    QString text3;  // the fractional digits; "小数部分" at the start

    // --- Operations ---
    // Command1 "运  行": Text2 ← IntegerPartText(Text1), Text3 ← FractionDigitsText(Text1)
    // (engine/rounding.h). Nothing else: the journal is neither reset nor shown, and a
    // failure leaves those routines' substitute results in the boxes.
    void split();
};

}  // namespace cesuan
