#include "evaluator/format_result.h"

#include "engine/calc_value.h"
#include "evaluator/normalise.h"

namespace cesuan {

QString FormatCalcResult(CalcErrorJournal& journal, const QString& text) {
    const QString t = ToCalcValue(journal, NormaliseFormula(text)).trimmedText();
    if (t == u"0") return QStringLiteral("0E+0");
    if (CountExponentMarks(t) > 0) return t;

    // 1-based positions of the point and of the first significant digit.
    qsizetype point = 0, first = 0;
    QString mantissa;
    for (qsizetype i = 1; i <= t.size(); ++i) {
        const QChar c = t[i - 1];
        if (c == u'.') {
            if (point == 0) point = i;
        } else if (c == u'-') {
            mantissa += c;
        } else if (c >= u'0' && c <= u'9') {
            if (first == 0 && c != u'0') first = i;
            if (first != 0) {
                mantissa += c;
                if (first == i) mantissa += u'.';
            }
        }
    }
    if (mantissa.endsWith(u'.')) mantissa.chop(1);
    if (point == 0) point = t.size() + 1;
    const qsizetype exponent = first < point ? point - first - 1 : point - first;
    return mantissa + u'E' + (exponent > 0 ? u'+' + QString::number(exponent) : QString::number(exponent));
}

}  // namespace cesuan
