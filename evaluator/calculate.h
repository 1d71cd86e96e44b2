#pragma once
// The road of one calculation, the one entry point for computing a typed formula: normalise,
// check and space, evaluate, round to the decimal places, and cut the result to the digits
// the calculation can vouch for. The main window, the command line, the tests, the fuzz
// targets and the benchmarks all compute through it.

#include "evaluator/calc_context.h"

#include <QString>

namespace cesuan {

struct CalcOutcome {
    // The formula as the formula box shows it afterwards: normalised, checked and spaced.
    QString formula;
    // The result without alignment: the value (cut to its reliable digits when approximate),
    // "Error" when the check failed, "error" when the evaluation failed.
    QString result;
    // The value had more significant digits than the calculation vouches for and was cut
    // after the reliable ones (约数); firstDoubtfulDigit is the first one cut (else 0).
    bool approximate = false;
    int firstDoubtfulDigit = 0;
    // The leading significant digits the calculation vouches for, which the cut used: the
    // steps' own count (29, lowered by double steps, powers, roots and the decimal sine),
    // lowered further to the digits the wide twin of the evaluation proves right.
    int reliableDigits = 29;
    // The typed characters left out unread (no rule maps them, or an unfinished tail or head),
    // each once, in order; empty when every character was used.
    QString ignored;
    // What the journal holds at the end: the failures and the notices, in order.
    int errorCount = 0;
    QString firstMessage;
    QString messageLog;  // every failure's message, each followed by CR LF
    Notices notices;
};

// Computes the typed formula in the context. The journal is reset and its notices cleared at
// the start; at the end it holds the failures of this calculation and its notices, which the
// outcome repeats. A result is checked against the formula's wide value: its reliable
// digits are never more than the digits that are right.
CalcOutcome Calculate(CalcContext& context, const QString& typed);

// The result box's text: the result aligned on its decimal point in display column 31 and
// padded to `places` decimal places with "_" (with blanks, and 约数 in front, when
// approximate). A result in exponent form is not padded.
QString AlignResultText(const QString& result, bool approximate, int places);

// The number a result box text shows, as copying it gives: the alignment blanks, the "_"
// padding, the 约数 mark and a lone trailing point left out (nothing when only they are
// there). A text that reads as no number once they are gone (a message, two values side by
// side) comes back as shown, without the blanks round it.
QString CleanResultText(const QString& shown);

}  // namespace cesuan
