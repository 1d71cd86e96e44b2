// 串转数: numbers typed into a box as people type them.

#include "evaluator/text_to_number.h"

#include "evaluator/evaluator_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

class TextToNumberTest : public JournalTest {};

TEST_F(TextToNumberTest, ReadsWhatASurveyorTypes) {
    struct Case { const char16_t* typed; const char16_t* want; Kind kind; };
    const Case cases[] = {
        {u"三点五", u"3.5", Kind::Decimal},
        {u"负二", u"-2", Kind::Decimal},
        {u"１２．５", u"12.5", Kind::Decimal},   // full-width digits and point
        {u"壹万", u"1", Kind::Decimal},          // 万 is dropped, not multiplied
        {u"零点零五", u"0.05", Kind::Decimal},
        {u"1,234", u"1234", Kind::Decimal},      // the comma is dropped
        {u"1.2.3", u"1.2", Kind::Decimal},       // cut before the second point
        {u"2e3", u"2000", Kind::Decimal},
        {u"  2E3  ", u"2000", Kind::Decimal},    // trimmed and lower-cased
        {u"e5", u"5", Kind::Decimal},            // a mark at either end goes
        {u"5e", u"5", Kind::Decimal},
        {u"1.5e2e3", u"150", Kind::Decimal},     // cut before the second mark
        {u"2e3.5", u"2000", Kind::Decimal},      // a point in the exponent cuts
        {u"1.e2", u"100", Kind::Decimal},        // the mark takes the point before it
        {u"1-e2", u"100", Kind::Decimal},        // ... or the sign
        {u"--5", u"5", Kind::Decimal},
        {u"+-5", u"-5", Kind::Decimal},
        {u"---5", u"-5", Kind::Decimal},         // "--" to "+", then "+-" to "-"
        {u"5..5", u"5.5", Kind::Decimal},
        {u"1e30", u"1E+30", Kind::Double},       // outside the decimal range
        {u"abc", u"0", Kind::Decimal},           // nothing kept: 0 without a message
        {u"万", u"0", Kind::Decimal},
        {u"", u"0", Kind::Decimal},
        {u"   ", u"0", Kind::Decimal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.typed).toStdString());
        ResetJournal(journal);
        const CalcValue r = TextToNumber(journal, q(c.typed));
        EXPECT_EQ(r.text(), q(c.want));
        EXPECT_EQ(r.kind(), c.kind);
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(TextToNumberTest, OfAnExpressionIsTheTextZeroWithAMessage) {
    const CalcValue r = TextToNumber(journal, q(u" 1加2 "));
    EXPECT_TRUE(r.isText());
    EXPECT_EQ(r.text(), u"0");
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_EQ(journal.lastMessage,
              q(u"  进行[Quv数转数]运算时， 1+2 数值超出计算范围，我无法计算！返回数值用[空值]表示。"));
}

TEST_F(TextToNumberTest, MapsEveryAcceptedCharacter) {
    for (const CharacterMapping& row : NumberCharacterTable()) {
        for (const QChar c : q(row.characters)) {
            SCOPED_TRACE(QString(c).toStdString());
            const CalcValue want = ToCalcValue(journal, q(row.result) + u'5');
            EXPECT_EQ(TextToNumber(journal, c + QStringLiteral("5")).text(), want.text());
        }
    }
    EXPECT_EQ(journal.errorCount, 0);
}

TEST(TextToNumberTexts, FailureMessage) {
    EXPECT_EQ(texts::msgTextToNumber(q(u"1.2")),
              q(u"  进行[Quv串转数]运算时， 1.2 数值超出计算范围，无法计算！返回数值用 [空值] 表示。"));
}

}  // namespace
}  // namespace cesuan
