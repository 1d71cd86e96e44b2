#include "evaluator/text_to_number.h"

#include "evaluator/evaluator_texts.h"

#include <exception>

namespace cesuan {
namespace {

const CharacterMapping kNumberCharacters[] = {
    {u"1", u"一１壹"}, {u"2", u"二２贰"}, {u"3", u"三３叁"}, {u"4", u"四４肆"},
    {u"5", u"五５伍"}, {u"6", u"六６陆"}, {u"7", u"七７柒"}, {u"8", u"八８捌"},
    {u"9", u"九９玖"}, {u"0", u"另０零"},
    {u".", u"。点．.·、"},
    {u"+", u"正加＋╋┼+"},
    {u"-", u"负减_＿－±―-—─━"},
};

QChar mapped(QChar c) {
    for (const CharacterMapping& row : kNumberCharacters) {
        if (QStringView(row.characters).contains(c)) return QChar(row.result[0]);
    }
    return c;
}

bool isKept(QChar c) {
    return c == u'-' || c == u'+' || c == u'.' || (c >= u'0' && c <= u'9') || c == u'e';
}

CalcValue textToNumber(CalcErrorJournal& journal, const QString& x) {
    const QString t = TrimBlanks(x).toLower();
    if (!(t > QStringLiteral(" "))) return Decimal96(0);  // binary comparison: t is empty

    QString u;
    u.reserve(t.size());
    for (const QChar c : t) {
        const QChar m = mapped(c);
        if (isKept(m)) u.append(m);
    }

    // An exponent mark takes away the sign, point or mark just before it (one each), and a
    // mark at either end goes.
    for (qsizetype i = 1; i < u.size(); ++i) {
        if (u[i] == u'e' && QStringView(u"+.-e").contains(u[i - 1])) {
            u.remove(i - 1, 1);
            --i;  // the mark now stands at i; go on after it
        }
    }
    if (u.startsWith(u'e')) u.remove(0, 1);
    if (u.endsWith(u'e')) u.chop(1);
    if (u.isEmpty()) return Decimal96(0);

    // Pairs of signs and points collapse; the same position is looked at again after each.
    for (qsizetype i = 0; i + 1 < u.size();) {
        const QStringView pair = QStringView(u).mid(i, 2);
        QChar single;
        if (pair == u"++" || pair == u"--") {
            single = u'+';
        } else if (pair == u"+-" || pair == u"-+") {
            single = u'-';
        } else if (pair == u"..") {
            single = u'.';
        } else {
            ++i;
            continue;
        }
        u.replace(i, 2, single);
    }

    // A second point, a point inside the exponent, or a second mark ends the number.
    int points = 0, marks = 0;
    for (qsizetype i = 0; i < u.size(); ++i) {
        if (u[i] == u'.') {
            if (++points == 2 || marks > 0) {
                u.truncate(i);
                break;
            }
        } else if (u[i] == u'e') {
            if (++marks == 2) {
                u.truncate(i);
                break;
            }
        }
    }
    return ToCalcValue(journal, u);
}

}  // namespace

std::span<const CharacterMapping> NumberCharacterTable() { return kNumberCharacters; }

CalcValue TextToNumber(CalcErrorJournal& journal, const QString& x) {
    // None of the steps is expected to fail (ToCalcValue substitutes "0" on its own); should
    // one throw all the same, the typed value counts as empty, as the message says.
    try {
        return textToNumber(journal, x);
    } catch (const std::exception&) {
        LogFailure(journal, texts::msgTextToNumber(QString(x).remove(u' ')));
        return CalcValue();
    }
}

}  // namespace cesuan
