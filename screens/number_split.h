#pragma once
// The number split window as a controller over plain texts: the number typed into its box is
// split into its integer digits and the digits after its point.
//
// A view copies the number in, calls split(), and copies both parts back out. The fixed
// texts of the window are in screens/number_split_texts.h.

#include "engine/journal.h"

#include <QString>

namespace cesuan {

class NumberSplit {
public:
    NumberSplit();

    // --- The window's texts ---
    QString number;          // the number
    QString integerPart;     // the integer part; "整数部分" at the start
    QString fractionDigits;  // the fractional digits; "小数部分" at the start
    bool failed = false;     // the last split found no number (integerPart says why)

    // --- Operations ---
    // "运  行": the integer part (with the sign, "-0" above -1) and the fractional digits of
    // the number as typed, for any number of digits and with an exponent written out. A
    // text that is no number is named in the integer box, the fraction box left empty.
    void split();

    // The readings' failures, kept and never reset.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    CalcErrorJournal journal_;
};

}  // namespace cesuan
