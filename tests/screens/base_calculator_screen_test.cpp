// The base calculator window's controller: radix changes, operations, keypad and compute.
// Expected values are worked out by hand from the binary digits of the data.

#include "screens/base_calculator_screen.h"

#include "screens/base_calculator_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Op = BaseCalculatorScreen::Operation;
using Box = BaseCalculatorScreen::Box;

class BaseCalculatorTest : public testing::Test {
protected:
    const CalcErrorJournal& journal() const { return screen.journal(); }

    RecordingMessageBox boxes;
    RecordingPrinter printer;
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    BaseCalculatorScreen screen{boxes, printer, web, navigator};

    // Radix chosen on empty boxes, then the data typed in.
    static void enter(BaseCalculatorScreen& s, int radix, const char16_t* data1, const char16_t* data2) {
        if (radix != 2) s.radixClicked(radix);
        s.data1 = q(data1);
        s.data2 = q(data2);
    }
    void enter(int radix, const char16_t* data1, const char16_t* data2) { enter(screen, radix, data1, data2); }
};

TEST_F(BaseCalculatorTest, StartState) {
    EXPECT_EQ(screen.currentRadix, 2);
    EXPECT_EQ(screen.previousRadix, 0);
    EXPECT_EQ(screen.operationLabel, q(u"加法 +"));
    EXPECT_TRUE(screen.data1Visible);
    EXPECT_FALSE(screen.longResultVisible);
    for (int d = 0; d < 16; ++d) EXPECT_EQ(screen.digitKeyEnabled[std::size_t(d)], d < 2) << d;
}

TEST_F(BaseCalculatorTest, Compute) {
    struct Case {
        int radix;
        Op op;
        const char16_t *data1, *data2, *result, *text1, *text2;
    };
    const Case cases[] = {
        {2, Op::Add, u"", u"", u"0", u"0", u"0"},  // empty boxes become "0"
        {2, Op::Add, u"101", u"11", u"1000", u"101", u"11"},
        // A digit the radix does not have is named, not dropped: the boxes keep the text.
        {2, Op::Add, u"12", u" ", u"数据有误或超出计算范围，请修改后再计算。", u"12", u"0"},
        {2, Op::Add, u"-0.1", u"00011", u"10.1", u"-0.1", u"11"},
        {10, Op::Divide, u"7", u"2", u"3.5", u"7", u"2"},
        {10, Op::Add, u"+5", u"1E3", u"1005", u"5", u"1000"},
        {10, Op::Subtract, u"1", u"3.25", u"-2.25", u"1", u"3.25"},
        {10, Op::Multiply, u"-1.5", u"4", u"-6", u"-1.5", u"4"},
        {10, Op::Power, u"2", u"10", u"1024", u"2", u"10"},
        {10, Op::Remainder, u"-7", u"3", u"-1", u"-7", u"3"},
        {8, Op::Add, u"07", u"1", u"10", u"7", u"1"},        // 000111 drops its 000
        {16, Op::Multiply, u"ff", u"-0.8", u"-7F.8", u"FF", u"-0.8"},
        // Logical operations on the absolute values, the sign apart.
        {16, Op::And, u"ff", u"1", u"1", u"FF", u"1"},
        {16, Op::Or, u"ff", u"1", u"FF", u"FF", u"1"},
        {10, Op::And, u"-5", u"-3", u"-1", u"-5", u"-3"},
        {10, Op::And, u"-5", u"3", u"1", u"-5", u"3"},
        {10, Op::Or, u"-5", u"3", u"-7", u"-5", u"3"},
        {10, Op::Xor, u"0", u"5", u"5", u"0", u"5"},
        {10, Op::Xor, u"-4", u"1", u"-5", u"-4", u"1"},
        {10, Op::Xor, u"-4", u"-1", u"5", u"-4", u"-1"},
        {10, Op::And, u"-4", u"-3", u"0", u"-4", u"-3"},        // a negated zero
        {10, Op::Or, u"2.5", u"0.5", u"2", u"2.5", u"0.5"},    // 2 OR 0: halves to even
        {10, Op::Or, u"2147483647", u"0", u"2147483647", u"2147483647", u"0"},
        {10, Op::Not, u"9", u"5", u"-2", u"9", u"5"},
        {2, Op::Not, u"", u"101", u"-10", u"0", u"101"},
        {10, Op::Not, u"", u"1", u"-0", u"0", u"1"},
        {10, Op::Not, u"", u"0", u"-1", u"0", u"0"},
        {10, Op::AndNot, u"6", u"3", u"-1", u"6", u"3"},      // 2, NOT 10 = -01
        {10, Op::OrNot, u"4", u"1", u"-2", u"4", u"1"},       // 5, NOT 101 = -010
        // Failures: "。" for run-time failures, "！" for the journal's.
        {10, Op::And, u"3000000000", u"1", u"数据有误或超出计算范围，请修改后再计算。", u"3000000000", u"1"},
        {10, Op::Or, u"2147483647.5", u"1", u"数据有误或超出计算范围，请修改后再计算。", u"2147483647.5", u"1"},
        {10, Op::Divide, u"1", u"0", u"数据有误或超出计算范围，请修改后再计算。", u"1", u"0"},
        {10, Op::Add, u"abc", u"1", u"数据有误或超出计算范围，请修改后再计算。", u"abc", u"1"},
        {10, Op::Multiply, u"79228162514264337593543950335", u"2", u"数据有误或超出计算范围，请修改后再计算。",
         u"79228162514264337593543950335", u"2"},
        {8, Op::Add, u"18", u"1", u"数据有误或超出计算范围，请修改后再计算。", u"18", u"1"},
        {10, Op::Power, u"0", u"-1", u"数据有误或超出计算范围，请修改后再计算！", u"0", u"-1"},
        {10, Op::Remainder, u"1", u"0", u"数据有误或超出计算范围，请修改后再计算！", u"1", u"0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radix << " " << int(c.op) << " "
                                        << q(c.data1).toStdString() << " " << q(c.data2).toStdString());
        boxes.shown.clear();
        BaseCalculatorScreen s{boxes, printer, web, navigator};
        enter(s, c.radix, c.data1, c.data2);
        s.operationClicked(c.op);
        s.compute();
        EXPECT_EQ(s.result, q(c.result));
        EXPECT_EQ(s.data1, q(c.text1));
        EXPECT_EQ(s.data2, q(c.text2));
    }
}

TEST_F(BaseCalculatorTest, ComputeClearsTheJournalExceptAfterARunTimeFailure) {
    enter(8, u"17", u"1");
    screen.compute();
    EXPECT_EQ(screen.result, q(u"20"));
    EXPECT_EQ(journal().errorCount, 0);
    // A failure logged on the way (a number too long for the decimal range): the "！" text,
    // the journal cleared, the boxes keep what was typed.
    screen.data1 = QString(40, u'7');
    screen.data2 = q(u"1");
    screen.operationClicked(Op::And);
    screen.compute();
    EXPECT_EQ(screen.result, q(u"数据有误或超出计算范围，请修改后再计算！"));
    EXPECT_EQ(journal().errorCount, 0);
    EXPECT_EQ(screen.data1, QString(40, u'7'));
}

TEST_F(BaseCalculatorTest, OneThirdInBinary) {
    enter(2, u"1", u"11");
    screen.operationClicked(Op::Divide);
    screen.compute();
    // 0.3333333333333333333333333333 in 92 fraction bits, trailing zeros removed.
    EXPECT_TRUE(screen.result.startsWith(q(u"0.010101010101010101010101010101"))) << screen.result.toStdString();
    EXPECT_LE(screen.result.size(), 94);
    EXPECT_TRUE(screen.longResultVisible);
    EXPECT_EQ(screen.longResultNote, QStringLiteral("计算结果为 %1 位，显示框不能完全显示，敬请注意！").arg(screen.result.size()));
}

TEST_F(BaseCalculatorTest, LongResultLabel) {
    // 2^35 has 36 binary digits, 2^39 has 40.
    enter(2, u"1", u"0");
    screen.data1 = q(u"1") + QString(35, QLatin1Char('0'));
    screen.compute();
    EXPECT_EQ(screen.result.size(), 36);
    EXPECT_FALSE(screen.longResultVisible);
    screen.data1 = q(u"1") + QString(39, QLatin1Char('0'));
    screen.compute();
    EXPECT_TRUE(screen.longResultVisible);
    EXPECT_EQ(screen.longResultNote, q(u"计算结果为 40 位，显示框不能完全显示，敬请注意！"));
    // A run-time failure leaves the label as it was.
    screen.operationClicked(Op::And);
    screen.data1 = q(u"1") + QString(40, QLatin1Char('0'));  // 2^40: too large for And
    screen.compute();
    EXPECT_EQ(screen.result, q(u"数据有误或超出计算范围，请修改后再计算。"));
    EXPECT_TRUE(screen.longResultVisible);
    screen.operationClicked(Op::Add);
    screen.data1 = q(u"1");
    screen.data2 = q(u"1");
    screen.compute();
    EXPECT_FALSE(screen.longResultVisible);
}

TEST_F(BaseCalculatorTest, RadixChangesConvertBothBoxes) {
    screen.radixClicked(10);
    screen.data1 = q(u"10");
    screen.data2 = q(u"-2.5");
    screen.result = q(u"old");
    struct Step { int radix; const char16_t *text1, *text2; };
    const Step steps[] = {
        {2, u"1010", u"-10.1"}, {16, u"A", u"-2.8"}, {8, u"12", u"-02.4"}, {10, u"10", u"-2.5"},
        {16, u"A", u"-2.8"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.radix);
        screen.radixClicked(s.radix);
        EXPECT_EQ(screen.data1, q(s.text1));
        EXPECT_EQ(screen.data2, q(s.text2));
        EXPECT_EQ(screen.result, QString());
    }
    // The radix already in force converts nothing; it rewrites the explanation only.
    screen.data1 = q(u"zz");
    screen.result = q(u"keep");
    screen.radixClicked(16);
    EXPECT_EQ(screen.data1, q(u"zz"));
    EXPECT_EQ(screen.result, q(u"keep"));
    EXPECT_EQ(screen.previousRadix, 16);
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(BaseCalculatorTest, RadixChangeOfEmptyAndFaultyBoxes) {
    screen.data2 = q(u"1.0.1");
    screen.radixClicked(16);
    EXPECT_EQ(screen.data1, q(u"0"));   // empty comes out as 0
    EXPECT_EQ(screen.data2, q(u"1.0.1"));  // a second point: the box keeps what was typed
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0], q(u"数据 2 1.0.1 中的 . 不是二进制数字，请修改后再计算。"));

    // Characters that are no digits of the old radix are named, never converted as nothing.
    boxes.shown.clear();
    screen.data1 = q(u"GZ!");
    screen.data2 = q(u"1F");
    screen.radixClicked(10);
    EXPECT_EQ(screen.data1, q(u"GZ!"));
    EXPECT_EQ(screen.data2, q(u"31"));
    EXPECT_EQ(boxes.shown, QStringList{q(u"数据 1 GZ! 中的 G、Z、! 不是十六进制数字，请修改后再计算。")});
}

// Characters that are no digits of the radix are named and never read as 0; after a failed
// computation the boxes keep what was typed.
TEST_F(BaseCalculatorTest, InvalidDigitsAreNamedAndTheDataStays) {
    screen.radixClicked(16);
    boxes.shown.clear();
    screen.data1 = q(u"GZ!");
    screen.data2 = q(u"1");
    screen.compute();
    EXPECT_EQ(boxes.shown, QStringList{q(u"数据 1 GZ! 中的 G、Z、! 不是十六进制数字，请修改后再计算。")});
    EXPECT_EQ(boxes.errors, boxes.shown);  // an error box: the warning icon
    EXPECT_EQ(screen.result, q(u"数据有误或超出计算范围，请修改后再计算。"));
    EXPECT_EQ(screen.data1, q(u"GZ!"));

    screen.radixClicked(10);
    boxes.shown.clear();
    screen.data1 = q(u"99999999");
    screen.data2 = q(u"99999999");
    screen.operationClicked(Op::Power);
    screen.compute();
    EXPECT_EQ(screen.data1, q(u"99999999"));  // not "-1"
    EXPECT_EQ(screen.data2, q(u"99999999"));
    EXPECT_NE(screen.result.left(1), q(u"-"));
}

TEST_F(BaseCalculatorTest, RadixKeysAndExplanations) {
    // A run that failed keeps its count in the journal (a binary number beyond the decimal
    // range, then a division by zero); choosing a radix clears it.
    screen.data1 = QString(100, u'1');
    screen.data2 = q(u"0");
    screen.operationClicked(Op::Divide);
    screen.compute();
    ASSERT_EQ(screen.result, q(u"数据有误或超出计算范围，请修改后再计算。"));
    ASSERT_EQ(journal().errorCount, 1);
    screen.operationClicked(Op::Add);
    screen.data1 = screen.data2 = QString();
    screen.radixClicked(8);
    EXPECT_EQ(journal().errorCount, 0);
    EXPECT_EQ(journal().lastMessage, QString());
    EXPECT_EQ(screen.explanation,
              q(u"    [八进制]--比较简单，会数 0 - 7 就可以了！书写比较简单、也容易记忆，进行二进制换算比较容易！\r\n"
                u"    以前为 2进制，当前为 8进制。"));
    struct Case { int radix; int enabledDigits; const char16_t* firstLine; };
    const Case cases[] = {
        {2, 2, u"    [二进制]--太简单了，会数 0 和 1 就可以了！一个数由太多0和1组成会让你数的头晕， 逻辑运算时有点麻烦！"},
        {10, 10, u"    [十进制]--太简单了，从婴儿一直学习到现在，有十个手指就够了！但不是科学的记数法，而且和其它进制换算有点麻烦！"},
        {16, 16, u"    [十六进制]--有点复杂了，把两只手和两只脚用上后有点富余！不过进行二进制换算比较简单！你想学电脑的话，必须好好学习、天天向上。"},
        {8, 8, u"    [八进制]--比较简单，会数 0 - 7 就可以了！书写比较简单、也容易记忆，进行二进制换算比较容易！"},
    };
    int previous = 8;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radix);
        screen.radixClicked(c.radix);
        for (int d = 0; d < 16; ++d) EXPECT_EQ(screen.digitKeyEnabled[std::size_t(d)], d < c.enabledDigits) << d;
        EXPECT_EQ(screen.explanation, q(c.firstLine) + QStringLiteral("\r\n    以前为 %1进制，当前为 %2进制。").arg(previous).arg(c.radix));
        previous = c.radix;
    }
}

TEST_F(BaseCalculatorTest, OperationLabelsAndExplanations) {
    const char16_t* labels[] = {u"加法 +", u"减法 -", u"乘法 *", u"除法 /", u"乘方 ^", u"求余数\\",
                                u"与 And", u"或 Or", u"非 Not", u"异或 Xor", u"与非 AndNot", u"或非  OrNot"};
    for (int i = 0; i < 12; ++i) {
        screen.result = q(u"x");
        screen.operationClicked(Op(i));
        EXPECT_EQ(screen.operationLabel, q(labels[i]));
        EXPECT_EQ(screen.data1Visible, Op(i) != Op::Not);
        EXPECT_EQ(screen.result, QString());
    }
    const QString tail = q(u"\r\n原始数据最好采用正整数，否则虽有实际意义，但可能不是你想得到的结果。"
                           u"\r\n其它进制的逻辑计算都化为二进制，进行逻辑运算得到结果后，再转回原进制。");
    screen.operationClicked(Op::And);
    EXPECT_EQ(screen.explanation, q(u"逻辑运算--[与 And]：当两个数位都为[真]才输出[真]，有一个为[假]就输出[假]。\r\n"
                              u"    例如：0  1 ==> 0        1  0 ==> 0        0  0 ==> 0 \r\n"
                              u"    例如：1  1 ==> 1        （0代表假，1代表真）。") + tail);
    screen.operationClicked(Op::Not);
    EXPECT_EQ(screen.explanation, q(u"逻辑运算--[非 Not]：数位为[真]就输出[假]，当数位为[假]就输出[真]。\r\n"
                              u"例如： 1 <==> 0 （0代表假，1代表真），最前符号位 - <==> 正 。") + tail);
    screen.operationClicked(Op::Xor);
    EXPECT_EQ(screen.explanation, q(u"逻辑运算--[异或 Xor]：两个数位相同就输出[假]，都不同时才输出[真]。\r\n"
                              u"    例如：0  1 ==> 1        1  0 ==> 1      \r\n"
                              u"    例如：1  1 ==> 0        0  0 ==> 0      （0代表假，1代表真）。") + tail);
    const QString xorText = screen.explanation;
    screen.operationClicked(Op::Power);  // arithmetic leaves the explanation
    EXPECT_EQ(screen.explanation, xorText);
}

TEST_F(BaseCalculatorTest, DigitKeyCaretRules) {
    struct Case {
        int radix;
        const char16_t* text;
        int caret, selLength;
        char16_t key;
        const char16_t* want;
        int wantCaret;
        bool focus;
    };
    const Case cases[] = {
        {2, u"", 0, 0, u'1', u"1", 1, true},
        {2, u"1001", 1, 2, u'1', u"111", 2, true},     // the selection is replaced
        {2, u"101", 10, 0, u'0', u"1010", 4, true},    // the saved caret is clamped
        {2, u"-101", 0, 0, u'1', u"-101", 4, false},   // before the minus: caret to the end
        {2, u"-101", 1, 0, u'1', u"-1101", 2, true},
        {16, u"-A", 0, 0, u'.', u"-A", 2, true},       // the point key focuses the box again
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.want).toStdString());
        if (screen.currentRadix != c.radix) screen.radixClicked(c.radix);
        screen.boxGotFocus(Box::Data1);
        screen.data1 = q(c.text);
        screen.boxLostFocus(Box::Data1, c.caret, c.selLength);
        if (c.key == u'.')
            screen.pointKey();
        else
            screen.digitKey(QChar(c.key));
        EXPECT_EQ(screen.data1, q(c.want));
        EXPECT_EQ(screen.caret1, c.wantCaret);
        EXPECT_EQ(screen.focusRequest.has_value(), c.focus);
    }
    // After the caret moved to the end, the next digit is appended.
    screen.radixClicked(2);
    screen.data1 = q(u"-101");
    screen.boxLostFocus(Box::Data1, 0, 0);
    screen.digitKey(u'1');
    screen.digitKey(u'1');
    EXPECT_EQ(screen.data1, q(u"-1011"));
}

TEST_F(BaseCalculatorTest, LengthLimits) {
    struct Case { int radix; Box box; int length; const char16_t* text3; };
    const Case cases[] = {
        {10, Box::Data1, 28, u""},
        {10, Box::Data1, 29, u"第一个数字太长了！"},
        {10, Box::Data2, 29, u"第二个数字太长了！"},
        {16, Box::Data1, 30, u""},                    // the 31st character is accepted
        {16, Box::Data2, 31, u"第二个数字太长了！"},  // the 32nd is refused
        {8, Box::Data1, 31, u"第一个数字太长了！"},
        {2, Box::Data1, 200, u""},                    // binary has no limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radix << " " << c.length);
        if (screen.currentRadix != c.radix) screen.radixClicked(c.radix);
        screen.boxGotFocus(c.box);
        const QString text(c.length, QLatin1Char('1'));
        (c.box == Box::Data1 ? screen.data1 : screen.data2) = text;
        screen.boxLostFocus(c.box, c.length, 0);
        screen.result = q(u"x");
        screen.digitKey(u'1');
        const QString& after = c.box == Box::Data1 ? screen.data1 : screen.data2;
        EXPECT_EQ(screen.result, q(c.text3));
        EXPECT_EQ(after.size(), c.length + (screen.result.isEmpty() ? 1 : 0));
    }
    // Decimal: at most 29 digits, but a sign and a point still fit.
    screen.radixClicked(10);
    screen.boxGotFocus(Box::Data1);
    screen.data1 = q(u"-1.") + QString(27, QLatin1Char('1'));
    screen.boxLostFocus(Box::Data1, int(screen.data1.size()), 0);
    screen.digitKey(u'1');
    screen.digitKey(u'1');
    EXPECT_EQ(screen.data1, q(u"-1.") + QString(28, QLatin1Char('1')));
    EXPECT_EQ(screen.result, q(u"第一个数字太长了！"));
}

TEST_F(BaseCalculatorTest, SignPointDeleteAndClearKeys) {
    screen.boxGotFocus(Box::Data2);
    screen.data2 = q(u" 12 ");
    screen.boxLostFocus(Box::Data2, 1, 0);
    screen.signKey();
    EXPECT_EQ(screen.data2, q(u"-12"));
    EXPECT_EQ(screen.caret2, 2);
    EXPECT_EQ(screen.focusRequest, Box::Data2);
    screen.signKey();  // never removes the sign
    EXPECT_EQ(screen.data2, q(u"-12"));
    EXPECT_EQ(screen.caret2, 2);

    screen.data2 = q(u"1.1");
    screen.boxLostFocus(Box::Data2, 1, 0);
    screen.pointKey();
    EXPECT_EQ(screen.data2, q(u"1.1"));
    EXPECT_EQ(screen.focusRequest, Box::Data2);
    screen.data2 = q(u"11");
    screen.pointKey();
    EXPECT_EQ(screen.data2, q(u"1.1"));
    EXPECT_EQ(screen.caret2, 2);

    struct Case { const char16_t* text; int caret, selLength; const char16_t* want; int wantCaret; };
    const Case deletes[] = {
        {u"1234", 2, 0, u"134", 1},
        {u"12345", 2, 2, u"15", 1},  // the selection goes with the character before it
        {u"12345", 0, 2, u"345", 0},
        {u"", 0, 0, u"", 0},
        {u"12", 9, 0, u"1", 1},
    };
    for (const auto& c : deletes) {
        SCOPED_TRACE(q(c.text).toStdString());
        screen.data2 = q(c.text);
        screen.boxLostFocus(Box::Data2, c.caret, c.selLength);
        screen.result = q(u"x");
        screen.deleteKey();
        EXPECT_EQ(screen.data2, q(c.want));
        EXPECT_EQ(screen.caret2, c.wantCaret);
        EXPECT_EQ(screen.selLength2, 0);
        EXPECT_EQ(screen.result, QString());
    }

    screen.data1 = q(u"101");
    screen.data2 = q(u"11");
    screen.boxLostFocus(Box::Data2, 2, 0);
    screen.result = q(u"x");
    screen.clearKey();
    EXPECT_EQ(screen.data1, q(u"101"));
    EXPECT_EQ(screen.data2, QString());
    EXPECT_EQ(screen.caret2, 0);
    EXPECT_EQ(screen.result, QString());
}

TEST_F(BaseCalculatorTest, OtherCommands) {
    navigator.missing = {ScreenId::ModuleMenu};
    screen.showMenu();
    EXPECT_EQ(screen.statusLine, q(u"[其它功能]模块即将推出，敬请期待。"));
    navigator.missing.clear();
    screen.showMenu();
    EXPECT_EQ(screen.statusLine, QString());
    screen.showMain();
    EXPECT_EQ(navigator.shown.back(), ScreenId::Main);
    screen.printScreen();
    EXPECT_EQ(printer.printed, 1);
    screen.openHomePage();
    EXPECT_EQ(web.opened.size(), 1);
}

}  // namespace
}  // namespace cesuan
