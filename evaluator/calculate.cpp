#include "evaluator/calculate.h"

#include "engine/rounding.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluate.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/honest_digits.h"
#include "evaluator/wide_evaluate.h"
#include "evaluator/normalise.h"

#include <QRegularExpression>

#include <algorithm>

namespace cesuan {

CalcOutcome Calculate(CalcContext& context, const QString& typed) {
    CalcErrorJournal& journal = context.journal;
    CalcOutcome outcome;
    ResetJournal(journal);
    journal.notices.clear();
    const QString normalised = NormaliseFormula(typed, &outcome.ignored);
    ResetJournal(journal);
    outcome.formula = DecomposeFormula(journal, normalised);
    outcome.result = journal.errorCount != 0 ? texts::kErrorResult
                                             : TrimBlanks(EvaluateFormula(context, outcome.formula));
    const int shown = SignificantDigitCount(outcome.result);
    if (journal.errorCount == 0 && shown > 0) {
        const int claim = std::min(shown, journal.reliableDigits);
        const int honest = HonestDigits(outcome.result, EvaluateWide(context.settings, outcome.formula), claim);
        if (honest < claim) CapReliableDigits(journal, honest);
    }
    outcome.reliableDigits = journal.reliableDigits;
    if (shown > journal.reliableDigits) {
        outcome.approximate = true;
        outcome.firstDoubtfulDigit = journal.reliableDigits + 1;
        outcome.result = TruncateSignificant(outcome.result, journal.reliableDigits);
    }
    outcome.errorCount = journal.errorCount;
    outcome.firstMessage = journal.firstMessage;
    outcome.messageLog = journal.messageLog;
    outcome.notices = journal.notices;
    return outcome;
}

QString AlignResultText(const QString& result, bool approximate, int places) {
    QString r = result;
    const qsizetype point = r.indexOf(u'.');
    const qsizetype n = point < 0 ? r.size() : point;
    if (n < 30) r.prepend(QString(30 - n, u' '));
    if (approximate && r.startsWith(QStringLiteral("    "))) r.replace(0, 4, texts::kApproximate);
    if (CountExponentMarks(r) == 0) {
        if (DisplayWidth(r) == 30) r.append(u'.');
        const int k = places + 31 - DisplayWidth(r);
        if (k > 0) r.append(QString(k, approximate ? u' ' : u'_'));
    }
    return r;
}

QString CleanResultText(const QString& shown) {
    const QString trimmed = shown.trimmed();
    QString number = trimmed.startsWith(texts::kApproximate) ? trimmed.mid(texts::kApproximate.size()) : trimmed;
    number.remove(u' ');
    number.remove(u'_');
    if (number.endsWith(u'.')) number.chop(1);
    if (number.isEmpty()) return number;
    static const QRegularExpression kNumber(QStringLiteral("^[-+]?(\\d+(\\.\\d*)?|\\.\\d+)([Ee][-+]?\\d+)?$"));
    return kNumber.match(number).hasMatch() ? number : trimmed;
}

}  // namespace cesuan
