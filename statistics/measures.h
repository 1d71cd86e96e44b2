#pragma once
// The ten measures of a column of numbers. Each takes the count n of a value list and its
// items (number texts) and returns a value: a decimal where the arithmetic stays in the
// decimal range, a double where a step had to leave it, or the empty value when even the
// double arithmetic fails (then the screen shows that the data cannot be computed).

#include "engine/calc_value.h"

#include <QStringList>

namespace cesuan {

CalcValue StatSum(CalcErrorJournal& journal, int n, const QStringList& items);
CalcValue StatMin(CalcErrorJournal& journal, int n, const QStringList& items);
CalcValue StatMax(CalcErrorJournal& journal, int n, const QStringList& items);
CalcValue StatMean(CalcErrorJournal& journal, int n, const QStringList& items);
CalcValue StatStdDev(CalcErrorJournal& journal, int n, const QStringList& items);   // divisor n - 1
CalcValue StatStdDevN(CalcErrorJournal& journal, int n, const QStringList& items);  // divisor n
CalcValue StatCv(CalcErrorJournal& journal, int n, const QStringList& items);       // StatStdDev / StatMean
CalcValue StatCvN(CalcErrorJournal& journal, int n, const QStringList& items);      // StatStdDevN / StatMean

// Every measure of one column at once, each computed as its routine computes it, sharing the
// mean and the deviations instead of computing them again.
struct ColumnMeasures {
    int count = 0;
    CalcValue min, max, mean, sum, stdDev, stdDevN, cv, cvN;
};
ColumnMeasures MeasureColumn(CalcErrorJournal& journal, int n, const QStringList& items);

}  // namespace cesuan
