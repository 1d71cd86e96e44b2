#include "screens/variable_editor.h"

#include "evaluator/evaluate.h"
#include "evaluator/settings.h"
#include "screens/screen_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

// A fresh journal, and the nine variables put back after the test.
class VariableEditorTest : public JournalTest {
protected:
    void SetUp() override {
        JournalTest::SetUp();
        saved_ = MemoryVariables();
    }
    void TearDown() override { MemoryVariables() = saved_; }

    QStringList boxes(const VariableEditor& e) {
        return {e.text1, e.text2, e.text3, e.text4, e.text5, e.text6, e.text7, e.text8, e.text9};
    }

    RecordingWebPageOpener web;

private:
    std::array<CalcValue, 9> saved_;
};

TEST_F(VariableEditorTest, TextToNumberReadsWhatASurveyorTypes) {
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
        ResetJournal();
        const CalcValue r = TextToNumber(q(c.typed));
        EXPECT_EQ(r.text(), q(c.want));
        EXPECT_EQ(r.kind(), c.kind);
        EXPECT_EQ(journal().errorCount, 0);
    }
}

TEST_F(VariableEditorTest, TextToNumberOfAnExpressionIsTheTextZeroWithAMessage) {
    const CalcValue r = TextToNumber(q(u" 1加2 "));
    EXPECT_TRUE(r.isText());
    EXPECT_EQ(r.text(), u"0");
    EXPECT_EQ(journal().errorCount, 1);
    EXPECT_EQ(journal().lastMessage,
              q(u"  进行[Quv数转数]运算时， 1+2 数值超出计算范围，我无法计算！返回数值用[空值]表示。"));
}

TEST_F(VariableEditorTest, TextToNumberMapsEveryAcceptedCharacter) {
    for (const CharacterMapping& row : NumberCharacterTable()) {
        for (const QChar c : q(row.characters)) {
            SCOPED_TRACE(QString(c).toStdString());
            const CalcValue want = ToCalcValue(q(row.result) + u'5');
            EXPECT_EQ(TextToNumber(c + QStringLiteral("5")).text(), want.text());
        }
    }
    EXPECT_EQ(journal().errorCount, 0);
}

TEST_F(VariableEditorTest, LoadShowsTheVariablesWithTheirSign) {
    MemoryVariables()[0] = Decimal96(-3);
    MemoryVariables()[1] = 1e30;
    MemoryVariables()[2] = q(u"0");  // the text a failed reading leaves
    MemoryVariables()[3] = CalcValue();
    const VariableEditor editor(web);
    EXPECT_EQ(boxes(editor), (QStringList{q(u"-3"), q(u" 1E+30"), q(u" 0"), q(u""), q(u" 5"), q(u" 6"),
                                          q(u" 7"), q(u" 8"), q(u" 9")}));
}

TEST_F(VariableEditorTest, SaveReadsEveryBoxAndShowsTheValuesBack) {
    VariableEditor editor(web);
    editor.text1 = q(u"2.5");
    editor.text2 = q(u"负三");
    editor.text3 = q(u"abc");
    editor.text4 = q(u"1+2");
    editor.text5 = q(u"１e３０");
    editor.text6 = q(u"");
    editor.text7 = q(u" 7 ");
    editor.text8 = q(u"0.10");
    editor.text9 = q(u"-0");
    editor.save();
    EXPECT_EQ(boxes(editor), (QStringList{q(u" 2.5"), q(u"-3"), q(u" 0"), q(u" 0"), q(u" 1E+30"), q(u" 0"),
                                          q(u" 7"), q(u" 0.1"), q(u" 0")}));
    EXPECT_EQ(MemoryVariables()[0].text(), u"2.5");
    EXPECT_EQ(MemoryVariables()[1].text(), u"-3");
    EXPECT_TRUE(MemoryVariables()[3].isText());  // "1+2" is no number
    EXPECT_TRUE(MemoryVariables()[4].isDouble());
    EXPECT_EQ(journal().errorCount, 1);  // kept in the journal, not shown
    EXPECT_FALSE(editor.closeRequested);
}

TEST_F(VariableEditorTest, DefaultButtonsSetTheVariablesThatFormulasUse) {
    VariableEditor editor(web);
    RecordingMessageBox box;
    const QString product = QStringLiteral(" r * s * t * u * v * w * x * y * z ");

    editor.setAllToOne();
    EXPECT_EQ(boxes(editor), QStringList(9, q(u"1")));
    EXPECT_EQ(TrimBlanks(EvaluateFormula(product, box)), u"1");

    editor.setOneToNine();
    EXPECT_EQ(boxes(editor), (QStringList{q(u"1"), q(u"2"), q(u"3"), q(u"4"), q(u"5"), q(u"6"), q(u"7"),
                                          q(u"8"), q(u"9")}));
    ResetJournal();
    EXPECT_EQ(TrimBlanks(EvaluateFormula(product, box)), u"362880");
    EXPECT_EQ(journal().errorCount, 0);
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(VariableEditorTest, SaveAndCloseSavesAndAsksTheViewToClose) {
    VariableEditor editor(web);
    editor.text9 = q(u"九十九");
    editor.saveAndClose();
    EXPECT_TRUE(editor.closeRequested);
    EXPECT_EQ(MemoryVariables()[8].text(), u"99");

    editor.text9 = q(u"typed but not saved");
    editor.load();  // opened again
    EXPECT_FALSE(editor.closeRequested);
    EXPECT_EQ(editor.text9, u" 99");
}

TEST_F(VariableEditorTest, LinksOpenWebPages) {
    VariableEditor editor(web);
    editor.openMakerPlatform();
    editor.openHeadingPage();
    editor.openGreetingPage();
    EXPECT_EQ(web.opened, (QStringList{web::kCommunity, web::kPartner, web::kHome}));
}

TEST_F(VariableEditorTest, Texts) {
    using namespace texts::variables;
    EXPECT_TRUE(kWindowTitle.startsWith(q(u"修改变量")));
    EXPECT_EQ(kVariableLabels[0], u"变量  r =");
    EXPECT_EQ(kVariableLabels[8], u"变量  z =");
    EXPECT_EQ(kDecoration, u"＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊＊");
    EXPECT_EQ(kDecoration.size(), 26);
    EXPECT_EQ((QStringList{kAllToOne, kOneToNine, kSave, kSaveAndClose}),
              (QStringList{q(u"默认为 1"), q(u"默认1-9"), q(u"保存修改"), q(u"保存退出")}));
    EXPECT_EQ(texts::msgTextToNumber(q(u"1.2")),
              q(u"  进行[Quv串转数]运算时， 1.2 数值超出计算范围，无法计算！返回数值用 [空值] 表示。"));
}

}  // namespace
}  // namespace cesuan
