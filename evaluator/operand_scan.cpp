#include "evaluator/operand_scan.h"

#include "engine/calc_value.h"
#include "evaluator/evaluator_texts.h"

namespace cesuan {

namespace {

// Text positions are 1-based, as the formula walks count them.
QChar at(const QString& s, qsizetype position) { return s[position - 1]; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isSign(QChar c) { return c == u'+' || c == u'-'; }

// A scanner's error: the text and the error go to lastMessage and the log without
// counting; then the scanner's own failure is logged.
void logScanError(CalcErrorJournal& journal, const QString& t, const QString& error, const QString& scannerFailure) {
    journal.lastMessage = t + error;
    journal.messageLog += journal.lastMessage + QStringLiteral("\r\n");
    LogFailure(journal, scannerFailure);
}

}  // namespace

QString ScanOperandBefore(CalcErrorJournal& journal, const QString& s, qsizetype b) {
    const auto failure = [&journal, &s](const QString& t, const QString& error) {
        logScanError(journal, t, error, texts::msgScanBefore(TrimBlanks(s)));
        return t;
    };
    if (b > s.size()) b = s.size();
    if (b <= 0) return failure(QString(), QString());
    const QString t = s.left(b).toLower();
    int points = 0, digits = 0, signs = 0, exponents = 0;
    qsizetype c = b + 1;
    for (qsizetype d = b; d >= 1; --d) {
        const QChar ch = at(t, d);
        if (ch == u' ' && digits == 0) {
            c = d;
            continue;
        }
        if (isSign(ch)) {
            ++signs;
            if (digits >= 1) {
                if (d == 1) {
                    c = 1;
                    break;
                }
                const QChar before = at(t, d - 1);
                if (before == u' ' || before == u'-' || before == u'+' || before == u'*' ||
                    before == u'/' || before == u'\\') {
                    c = d;  // a unary sign belongs to the number
                    break;
                }
                if (before == u'e') {
                    c = d;  // the exponent's sign
                    continue;
                }
                c = d + 1;  // a binary operator
                break;
            }
            if (signs > 1) {
                c = d + 1;
                break;
            }
            c = d;
            continue;
        }
        if (ch == u'e') {
            ++exponents;
            points = digits = signs = 0;
        } else if (isDigit(ch)) {
            ++digits;
        } else if (ch == u'.') {
            ++points;
        } else {
            c = d + 1;
            break;
        }
        c = d;
    }
    if (points >= 2) return failure(t, texts::kScanTooManyPoints);
    if (digits == 0) return failure(t, texts::kScanNoDigit);
    if (signs >= 3) return failure(t, texts::kScanTooManySigns);
    if (exponents >= 2) return failure(t, texts::kScanTooManyExponents);
    return c > b ? QString() : t.mid(c - 1, b - c + 1);
}

QString ScanOperandAfter(CalcErrorJournal& journal, const QString& s, qsizetype a) {
    const auto failure = [&journal, &s](const QString& t, const QString& error) {
        logScanError(journal, t, error, texts::msgScanAfter(TrimBlanks(s)));
        return t;
    };
    if (a > s.size()) a = s.size();
    if (a <= 0) return failure(QString(), QString());
    const QString t = s.mid(a - 1).toLower();
    int points = 0, digits = 0, signs = 0, exponents = 0;
    qsizetype end = 0;
    for (qsizetype i = 1; i <= t.size(); ++i) {
        const QChar ch = at(t, i);
        if (ch == u' ' && digits == 0) {
            end = i;
            continue;
        }
        if (isSign(ch)) {
            if (digits >= 1) {
                end = i - 1;
                break;
            }
            if (++signs > 1) return failure(t, texts::kScanSignsTooMany);
            continue;
        }
        if (ch == u'.') {
            end = i;
            if (++points > 1) return failure(t, texts::kScanTooManyPoints);
            continue;
        }
        if (isDigit(ch)) {
            end = i;
            ++digits;
            continue;
        }
        if (ch == u'e') {
            ++exponents;
            points = digits = signs = 0;
            continue;
        }
        end = i - 1;
        break;
    }
    if (digits == 0) return failure(t, texts::kScanNoDigit);
    if (signs >= 2) return failure(t, texts::kScanTooManySigns);
    if (exponents >= 2) return failure(t, texts::kScanTooManyExponents);
    return t.left(end);
}

}  // namespace cesuan
