#include "screens/main_screen.h"

#include "angles/angle_units.h"
#include "screens/main_screen_texts.h"
#include "tests/support/journal_fixture.h"

#include <QRegularExpression>

namespace cesuan {
namespace {

class MainScreenTest : public testing::Test {
protected:
    void SetUp() override { screen.load(); }
    // The result box without its alignment: blanks, "_" padding and a lone trailing point
    // removed; a leading 约数 kept, one blank after it.
    static QString unaligned(QString text) {
        text = text.trimmed();
        while (text.endsWith(u'_')) text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
        if (text.startsWith(u"约数")) text = QStringLiteral("约数 ") + text.mid(2).trimmed();
        return text;
    }

    RecordingMessageBox messages;
    RecordingWebPageOpener web;
    FixedRandomSource random{{0.7055475f, 0.533424f, 0.5795186f}};
    RecordingNavigator navigator;
    CalcSettings settings;
    MainScreen screen{settings, messages, web, random, navigator};
};

TEST_F(MainScreenTest, StartsWithTheExamplesAndDefaults) {
    EXPECT_EQ(screen.slotNumber, u"018");
    EXPECT_EQ(screen.unitCaption, u"弧度角");
    EXPECT_EQ(screen.placesIndex, 15);
    EXPECT_EQ(settings.decimalPlaces, 15);
    EXPECT_EQ(screen.formulaHistory[18], texts::main::kExamples[17]);
    EXPECT_EQ(screen.formulaHistory[19], u"");
    EXPECT_EQ(MainScreen::decimalPlacesItems().first(), u"0 位小数");
    EXPECT_EQ(MainScreen::decimalPlacesItems()[9], u"9 位小数");
    EXPECT_EQ(MainScreen::decimalPlacesItems()[10], u"10位小数");
    EXPECT_EQ(MainScreen::decimalPlacesItems().size(), 29);
}

TEST_F(MainScreenTest, HistoryFirstPressShowsWithoutMoving) {
    screen.historyBack();
    EXPECT_EQ(screen.slotNumber, u"18");
    EXPECT_EQ(screen.result, u" 362880 ");
    EXPECT_EQ(screen.formula, texts::main::kExamples[17]);
    EXPECT_EQ(screen.status, u"向前显示已经存储的算式，以便你重复利用算式进行计算。");
    screen.historyBack();
    EXPECT_EQ(screen.slotNumber, u"17");
    EXPECT_EQ(screen.result, u"约数        479001558.464642617773159716");

    MainScreen other{settings, messages, web, random, navigator};
    other.load();
    other.historyForward();
    EXPECT_EQ(other.slotNumber, u"18");
    other.historyForward();
    EXPECT_EQ(other.slotNumber, u"1");  // wraps to the oldest slot
    EXPECT_EQ(other.result, u"2.4059120570021821219456683533");
    EXPECT_EQ(other.status, u"向后显示已经存储的算式，以便你重复利用算式进行计算。");
}

TEST_F(MainScreenTest, SlotNineHasADifferentReferenceEachWay) {
    for (int i = 0; i < 10; ++i) screen.historyBack();  // shows 18, then 17 … 9
    EXPECT_EQ(screen.slotNumber, u"9");
    EXPECT_EQ(screen.result, u"度分秒 -0.174953980558103538960814575     百分度 -0.1495352280195320427937116182");
    screen.historyBack();
    screen.historyForward();  // 8, then 9 from the other side
    EXPECT_EQ(screen.slotNumber, u"9");
    EXPECT_EQ(screen.result, u"度分秒 -0.174953980558103538960814578     百分度 -0.149535228019532042793711622");
}

TEST_F(MainScreenTest, ClearStoresOnlyARealFormula) {
    for (const QString& box : {QString(), QString(11, u' ')}) {
        screen.formula = box;
        screen.result = QStringLiteral("x");
        screen.clear();
        EXPECT_EQ(screen.lastStoredSlot, 18);
        EXPECT_EQ(screen.formula, u"");
        EXPECT_EQ(screen.result, u"");
        EXPECT_EQ(screen.slotNumber, u"18");
        EXPECT_EQ(screen.status,
                  u"直角可表示为90度0分0秒(90.0000度)、90.0000百分度、π/2（=1.570796327）。45度59分59.99秒可表示为45.595999度(60进制)。");
    }
    screen.formula = QStringLiteral("1+1");
    screen.clear();
    EXPECT_EQ(screen.lastStoredSlot, 19);
    EXPECT_EQ(screen.slotNumber, u"19");
    screen.historyBack();
    EXPECT_EQ(screen.slotNumber, u"19");
    EXPECT_EQ(screen.formula, u"1+1");
    EXPECT_EQ(screen.result, u" ");
    screen.historyBack();
    EXPECT_EQ(screen.slotNumber, u"18");
    screen.historyForward();
    EXPECT_EQ(screen.slotNumber, u"19");
}

TEST_F(MainScreenTest, HistoryWrapsAfter999) {
    for (int i = 0; i < 981; ++i) {
        screen.formula = QStringLiteral("%1+1").arg(i);
        screen.clear();
    }
    EXPECT_EQ(screen.lastStoredSlot, 999);
    screen.formula = QStringLiteral("wrapped");
    screen.clear();
    EXPECT_EQ(screen.lastStoredSlot, 1);
    EXPECT_EQ(screen.formulaHistory[1], u"wrapped");
    screen.historyBack();  // shows slot 1
    EXPECT_EQ(screen.result, u"2.4059120570021821219456683533");  // the reference belongs to the slot
    screen.historyBack();  // wraps to the newest: 1
    EXPECT_EQ(screen.slotNumber, u"1");
    screen.historyForward();  // beyond the newest: back to 1
    EXPECT_EQ(screen.slotNumber, u"1");
}

TEST_F(MainScreenTest, TheFormulaInTheBoxIsKeptAsClearingWouldKeepIt) {
    const FormulaHistory started = screen.history();
    EXPECT_EQ(screen.history(QStringLiteral(" 1 / 7 * 100 ")).lastStoredSlot, 19);
    EXPECT_EQ(screen.history(QStringLiteral(" 1 / 7 * 100 ")).formulas[19], u" 1 / 7 * 100 ");
    EXPECT_EQ(screen.history(QStringLiteral(" 1 / 7 * 100 ")).shownSlot, 19);
    // Nothing to keep: an empty box, the formula on show from the history, or blanks only.
    EXPECT_EQ(screen.history(QString()), started);
    EXPECT_EQ(screen.history(screen.formulaHistory[18]), started);
    EXPECT_EQ(screen.history(QStringLiteral("   ")), started);
    EXPECT_EQ(screen.lastStoredSlot, 18);  // the window's own history is not changed
}

TEST_F(MainScreenTest, ResumeGoesOnFromWhatTheLastRunKept) {
    const FormulaHistory started = screen.history();
    screen.resume(CalcSettings(), std::nullopt, {});  // a first start: nothing changes
    EXPECT_EQ(screen.history(), started);
    EXPECT_EQ(screen.slotNumber, u"018");
    EXPECT_EQ(screen.status, texts::main::kStatusAtStart);

    CalcSettings kept;
    kept.decimalPlaces = 4;
    kept.angleUnit = AngleUnit::Dms;
    kept.memoryVariables[0] = 7;
    FormulaHistory history;
    history.formulas[0] = history.formulas[1000] = QStringLiteral("never a slot");
    history.formulas[5] = QStringLiteral("5*5");
    history.lastStoredSlot = history.shownSlot = 5;
    screen.resume(kept, history, {QStringLiteral("甲"), QStringLiteral("乙")});

    EXPECT_EQ(screen.slotNumber, u"005");
    EXPECT_EQ(screen.status, QStringLiteral("甲\r\n乙\r\n") + texts::main::kStatusAtStart);
    EXPECT_EQ(screen.placesIndex, 4);
    EXPECT_EQ(settings.decimalPlaces, 4);
    EXPECT_EQ(screen.unitCaption, u"度分秒.5959");
    EXPECT_EQ(settings.angleUnit, AngleUnit::Dms);
    EXPECT_EQ(settings.memoryVariables[0].text(), u"7");
    EXPECT_EQ(screen.formulaHistory[0], u"");
    EXPECT_EQ(screen.formulaHistory[1000], u"");
    EXPECT_EQ(screen.formulaHistory[18], u"");  // the examples are gone
    screen.historyBack();
    EXPECT_EQ(screen.formula, u"5*5");
    screen.historyForward();  // beyond the newest kept slot: back to 1
    EXPECT_EQ(screen.slotNumber, u"1");
}

TEST_F(MainScreenTest, AngleUnitCycles) {
    struct Step { const char16_t* caption; AngleUnit unit; Rgb colour; };
    const Step steps[] = {
        {u"百分度.9999", AngleUnit::DecimalDegree, {255, 192, 255}},
        {u"度分秒.5959", AngleUnit::Dms, {192, 255, 255}},
        {u"弧度角", AngleUnit::Radian, {255, 192, 192}},
    };
    for (const Step& s : steps) {
        screen.cycleAngleUnit();
        EXPECT_EQ(screen.unitCaption, QString::fromUtf16(s.caption));
        EXPECT_EQ(settings.angleUnit, s.unit);
        EXPECT_EQ(screen.unitColour, s.colour);
    }
    EXPECT_TRUE(screen.status.startsWith(u"循环改变角度的计量单位"));
}

TEST_F(MainScreenTest, ComputeShowsTheAlignedResult) {
    screen.formula = QStringLiteral("１＋２");
    screen.compute();
    EXPECT_EQ(screen.formula, u" 1 + 2 ");
    EXPECT_EQ(screen.result, QString(29, u' ') + QStringLiteral("3.") + QString(15, u'_'));
    EXPECT_EQ(screen.status, QString::fromUtf16(u"\u3000\u3000请在重要计算时仔细核对运算成果，多次运算后尾部采用近似值表示。如有计算错误，给您带来不便请谅解，本人不承担法律责任。"));
    EXPECT_EQ(screen.caretPosition, 7);
    EXPECT_EQ(screen.savedSelStart, 7);
    EXPECT_FALSE(screen.lastApproximate);
    EXPECT_EQ(screen.lastErrorCount, 0);
}

TEST_F(MainScreenTest, ComputeCutsAnApproximateResult) {
    // lg1 is a double step: 15 reliable digits; the sum has 16 after rounding to 15 places.
    screen.formula = QStringLiteral("1.2345678901234567890+lg1");
    screen.compute();
    EXPECT_EQ(screen.result, QStringLiteral("约数") + QString(25, u' ') + QStringLiteral("1.23456789012345 "));
    EXPECT_EQ(screen.status,
              u"在运算中，某函数运算结果的有效数字较少，经混合运算后，可能从第16位有效数字后不能满足精度要求，后部应于删除。");
    EXPECT_TRUE(screen.lastApproximate);
}

// Characters left out of the formula are named first in the status box, then what the box
// would show anyway.
TEST_F(MainScreenTest, ComputeNamesTheCharactersLeftOut) {
    screen.formula = QStringLiteral("5斤+3斤吧");
    screen.compute();
    EXPECT_EQ(unaligned(screen.result), u"8");
    EXPECT_EQ(screen.status, QStringLiteral("以下字符未能计入算式，已忽略：斤、吧\r\n") + texts::main::kComputeNotice);

    screen.formula = QStringLiteral("5斤/0");
    screen.compute();
    EXPECT_EQ(screen.status, QStringLiteral("以下字符未能计入算式，已忽略：斤\r\n") + q(
                                 u"5/0   除数为0错误！请修改算式后计算。\r\n  表达式计算过程中，5 / 0出现超出计算范围错误，我无法计算！返回数值用 error 表示。\r\n"));

    screen.formula = QStringLiteral("三的平方加四的平方再开平方");
    screen.compute();
    EXPECT_EQ(unaligned(screen.result), u"5");
    EXPECT_EQ(screen.status, texts::main::kComputeNotice);
}

TEST_F(MainScreenTest, ComputeShowsTheFirstFailure) {
    screen.formula = QStringLiteral("1/0");
    screen.compute();
    EXPECT_EQ(screen.result, u" 1/0   除数为0错误！请修改算式后计算。");
    EXPECT_EQ(screen.status,
              u"1/0   除数为0错误！请修改算式后计算。\r\n  表达式计算过程中，1 / 0出现超出计算范围错误，我无法计算！返回数值用 error 表示。\r\n");

    screen.formula = QStringLiteral("5+*3");  // rejected by the check: never evaluated
    screen.compute();
    EXPECT_EQ(screen.result, u" 算式中存在多个运算符相临的错误，请修改算式。");
    EXPECT_EQ(screen.lastErrorCount, 2);
}

TEST_F(MainScreenTest, HistoryExamplesThroughCompute) {
    struct Example { int slot; AngleUnit unit; const char16_t* shown; };
    const Example examples[] = {
        {1, AngleUnit::Radian, u"2.4059120570021821219456683533"},
        {2, AngleUnit::Radian, u"约数 -1.458550153546744806316377515"},
        {3, AngleUnit::Radian, u"-12.667296497264118870946634755"},
        {7, AngleUnit::Dms, u"约数 -139.339136444862"},
        // 8 and 9 are cut where their digits go wrong (see the evaluator's history test).
        {8, AngleUnit::Radian, u"约数 -0.7967147778592"},
        {9, AngleUnit::Dms, u"约数 -0.17495398055810353896081457"},
        {9, AngleUnit::DecimalDegree, u"约数 -0.14953522801953204279371162"},
        {10, AngleUnit::Radian, u"2.8233333333333333333333333333"},
        {11, AngleUnit::Radian, u"-1156149999999985185280000000.1"},
        {12, AngleUnit::Radian, u"2.10590514306334E+125"},
        {17, AngleUnit::Radian, u"约数 479001558.464642617773159716"},
        {18, AngleUnit::Radian, u"362880"},
    };
    screen.chooseDecimalPlaces(28);
    for (const Example& e : examples) {
        SCOPED_TRACE("slot " + std::to_string(e.slot));
        screen.setAngleUnit(e.unit);
        screen.formula = screen.formulaHistory[std::size_t(e.slot)];
        screen.compute();
        EXPECT_EQ(unaligned(screen.result), QString::fromUtf16(e.shown)) << screen.result.toStdString();
    }
}

// Keypad cases: the text, the caret and selection saved when the box lost the focus.
TEST_F(MainScreenTest, KeysInsertAtTheSavedCaret) {
    struct Case { const char16_t* text; int start, length; int key; const char16_t* after; int caret; };
    const Case cases[] = {
        {u"12+34", 2, 0, 23, u"12^+34", 3},
        {u"12+34", 2, 2, 16, u"12*4", 3},            // the selection is replaced
        {u"", 0, 0, 31, u"sin()", 4},                 // inside the brackets
        {u"", 0, 0, 28, u"( lg()/lg() )", 5},
        {u"8", 1, 0, 27, u"8^(1/)", 5},
        {u"12", 9, 0, 1, u"121", 3},                  // a caret beyond the end is pulled back
        {u"", 0, 0, 51, u" r ", 3},
        {u"2", 1, 0, 25, u"2^(1/2)", 7},
        {u"ab", 0, 0, 19, u"1/ab", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.key));
        screen.formula = QString::fromUtf16(c.text);
        screen.result = QStringLiteral("old result");
        screen.formulaLostFocus(c.start, c.length, screen.formula.mid(c.start, c.length));
        screen.pressKey(c.key);
        EXPECT_EQ(screen.formula, QString::fromUtf16(c.after));
        EXPECT_EQ(screen.savedSelStart, c.caret);
        EXPECT_EQ(screen.caretPosition, c.caret);
        EXPECT_EQ(screen.result, u"");
    }
    screen.formula.clear();
    screen.formulaLostFocus(0, 0, QString());
    screen.pressKey(31);
    screen.pressKey(39);
    EXPECT_EQ(screen.formula, u"sin(π)");
    EXPECT_EQ(screen.status,
              u"圆周率 π 的值为 3.1415926535897932384626433833 。 附带学习：度分秒格式的角度数 45.59598999 代表45度59分59.8999秒。");
}

TEST_F(MainScreenTest, ExponentKeyAndRandomKey) {
    screen.result = QString(28, u' ') + QStringLiteral("123.45___");
    screen.pressKey(50);
    EXPECT_EQ(screen.result, u"1.2345E+2");
    EXPECT_EQ(screen.status,
              u"  将计算结果从[浮点数]变化为[科学记数], 例如: 612345000 = 6.12345E+8       -0.0000000612345 = -6.12345E-8 ");

    screen.formula = QStringLiteral("x");
    screen.result = QStringLiteral(" ");
    screen.formulaLostFocus(1, 0, QString());
    screen.pressKey(50);  // nothing to convert: only the status and the cleared result
    EXPECT_EQ(screen.formula, u"x");
    EXPECT_EQ(screen.result, u"");

    screen.pressKey(60);
    // 0.7055475, then the digits of 0.533424 and the first six of 0.5795186.
    EXPECT_EQ(screen.formula, u"x0.7055475533424579518");
    EXPECT_EQ(screen.savedSelStart, 22);
    EXPECT_EQ(screen.status, u" 随机数 0 - 1 之间");
}

TEST_F(MainScreenTest, ButtonsOpenScreensAndPages) {
    screen.editVariables();
    EXPECT_EQ(navigator.shown.back(), ScreenId::Variables);
    EXPECT_TRUE(screen.status.startsWith(u"一个直角可表示为"));
    navigator.missing = {ScreenId::Statistics};
    screen.showScreen(ScreenId::Statistics);
    EXPECT_EQ(screen.status, u"[数理统计]模块即将推出，敬请期待。");
    screen.openCommunityPage();
    screen.openDownloadPage();
    EXPECT_EQ(web.opened.size(), 2);
    EXPECT_TRUE(web.opened[0].startsWith(u"https://example.org/"));
}

TEST_F(MainScreenTest, KeysAndActivationClearTheResult) {
    screen.result = QStringLiteral("3");
    screen.focus = MainScreen::Control::Other;
    screen.keyDown();
    EXPECT_EQ(screen.result, u"");
    EXPECT_EQ(screen.focus, MainScreen::Control::Formula);
    screen.placesChosenByUser(7);
    EXPECT_EQ(settings.decimalPlaces, 7);
    EXPECT_EQ(screen.status, u"选择计算结果保留的小数位数（0 - 28 位）。");
    screen.result = QStringLiteral("3");
    screen.activate();
    EXPECT_EQ(screen.result, u"");
    EXPECT_EQ(screen.placesIndex, 7);
}

TEST_F(MainScreenTest, OtherPlacesComputeTheShownResultAgain) {
    screen.formula = QStringLiteral("2/8");
    screen.compute();
    const QString formula = screen.formula;
    const int stored = screen.lastStoredSlot;
    EXPECT_EQ(unaligned(screen.result), u"0.25");
    screen.placesChosenByUser(5);
    EXPECT_EQ(screen.result, QString(29, u' ') + QStringLiteral("0.25___"));
    EXPECT_EQ(screen.status, texts::main::kComputeNotice);
    EXPECT_EQ(screen.formula, formula);
    EXPECT_EQ(screen.lastStoredSlot, stored);  // the history is not touched

    // The caret and the focus stay where the user left them.
    screen.caretPosition = -1;
    screen.focus = MainScreen::Control::Places;
    screen.savedSelStart = 1;
    screen.placesChosenByUser(1);
    EXPECT_EQ(screen.result, QString(29, u' ') + QStringLiteral("0.3"));
    EXPECT_EQ(screen.caretPosition, -1);
    EXPECT_EQ(screen.focus, MainScreen::Control::Places);
    EXPECT_EQ(screen.savedSelStart, 1);

    // Nothing more once the result is gone, the formula was changed, or for a failure.
    screen.keyDown();
    screen.placesChosenByUser(3);
    EXPECT_EQ(screen.result, u"");
    EXPECT_EQ(screen.status, texts::main::kPlacesStatus);
    screen.compute();
    screen.formula += QStringLiteral("+1");
    const QString shown = screen.result;
    screen.placesChosenByUser(4);
    EXPECT_EQ(screen.result, shown);
    screen.formula = QStringLiteral("1/0");
    screen.compute();
    const QString failure = screen.result;
    screen.placesChosenByUser(6);
    EXPECT_EQ(screen.result, failure);
    EXPECT_EQ(screen.status, texts::main::kPlacesStatus);
}

TEST_F(MainScreenTest, CopyingTheResultGivesTheCleanNumber) {
    screen.formula = QStringLiteral("2-8");
    screen.compute();
    EXPECT_EQ(screen.resultToCopy(QString()), u"-6");
    EXPECT_EQ(screen.resultToCopy(screen.result.mid(27, 5)), u"-6");  // the part picked out: " -6._"
    EXPECT_EQ(screen.resultToCopy(screen.result.right(4)), u"");     // padding only
    screen.historyBack();
    screen.historyBack();  // slot 17 shows an approximate reference
    EXPECT_EQ(screen.resultToCopy(QString()), u"479001558.464642617773159716");
}

}  // namespace
}  // namespace cesuan
