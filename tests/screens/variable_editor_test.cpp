#include "screens/variable_editor.h"

#include "evaluator/evaluate.h"
#include "screens/screen_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

// Calculator settings of the test's own.
class VariableEditorTest : public testing::Test {
protected:
    QStringList boxes(const VariableEditor& e) {
        return QStringList(e.values.begin(), e.values.end());
    }

    CalcSettings settings;
    RecordingWebPageOpener web;
};

TEST_F(VariableEditorTest, LoadShowsTheVariablesWithTheirSign) {
    settings.memoryVariables[0] = Decimal96(-3);
    settings.memoryVariables[1] = 1e30;
    settings.memoryVariables[2] = q(u"0");  // the text a failed reading leaves
    settings.memoryVariables[3] = CalcValue();
    const VariableEditor editor(settings, web);
    EXPECT_EQ(boxes(editor), (QStringList{q(u"-3"), q(u" 1E+30"), q(u" 0"), q(u""), q(u" 5"), q(u" 6"),
                                          q(u" 7"), q(u" 8"), q(u" 9")}));
}

TEST_F(VariableEditorTest, SaveReadsEveryBoxAndShowsTheValuesBack) {
    VariableEditor editor(settings, web);
    editor.values[0] = q(u"2.5");
    editor.values[1] = q(u"负三");
    editor.values[2] = q(u"abc");
    editor.values[3] = q(u"1+2");
    editor.values[4] = q(u"１e３０");
    editor.values[5] = q(u"");
    editor.values[6] = q(u" 7 ");
    editor.values[7] = q(u"0.10");
    editor.values[8] = q(u"-0");
    editor.save();
    EXPECT_EQ(boxes(editor), (QStringList{q(u" 2.5"), q(u"-3"), q(u" 0"), q(u" 0"), q(u" 1E+30"), q(u" 0"),
                                          q(u" 7"), q(u" 0.1"), q(u" 0")}));
    EXPECT_EQ(settings.memoryVariables[0].text(), u"2.5");
    EXPECT_EQ(settings.memoryVariables[1].text(), u"-3");
    EXPECT_TRUE(settings.memoryVariables[3].isText());  // "1+2" is no number
    EXPECT_TRUE(settings.memoryVariables[4].isDouble());
    EXPECT_EQ(editor.journal().errorCount, 1);  // kept in the journal, not shown
    EXPECT_FALSE(editor.closeRequested);
}

TEST_F(VariableEditorTest, DefaultButtonsSetTheVariablesThatFormulasUse) {
    VariableEditor editor(settings, web);
    const QString product = QStringLiteral(" r * s * t * u * v * w * x * y * z ");
    const auto evaluate = [&] {
        CalcContext context{settings, {}};
        const QString result = TrimBlanks(EvaluateFormula(context, product));
        EXPECT_EQ(context.journal.errorCount, 0);
        EXPECT_TRUE(context.journal.notices.empty());
        return result;
    };

    editor.setAllToOne();
    EXPECT_EQ(boxes(editor), QStringList(9, q(u"1")));
    EXPECT_EQ(evaluate(), u"1");

    editor.setOneToNine();
    EXPECT_EQ(boxes(editor), (QStringList{q(u"1"), q(u"2"), q(u"3"), q(u"4"), q(u"5"), q(u"6"), q(u"7"),
                                          q(u"8"), q(u"9")}));
    EXPECT_EQ(evaluate(), u"362880");
}

TEST_F(VariableEditorTest, SaveAndCloseSavesAndAsksTheViewToClose) {
    VariableEditor editor(settings, web);
    editor.values[8] = q(u"九十九");
    editor.saveAndClose();
    EXPECT_TRUE(editor.closeRequested);
    EXPECT_EQ(settings.memoryVariables[8].text(), u"99");

    editor.values[8] = q(u"typed but not saved");
    editor.load();  // opened again
    EXPECT_FALSE(editor.closeRequested);
    EXPECT_EQ(editor.values[8], u" 99");
}

TEST_F(VariableEditorTest, LinksOpenWebPages) {
    VariableEditor editor(settings, web);
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
}

}  // namespace
}  // namespace cesuan
