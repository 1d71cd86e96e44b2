#include "evaluator/normalise.h"
#include "tests/support/journal_fixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>

namespace cesuan {
namespace {

struct Case {
    const char16_t* in;
    const char16_t* want;
};

class NormaliseTest : public JournalTest {};

TEST_F(NormaliseTest, TypedFormulas) {
    const Case cases[] = {
        {u"负三乘二", u"-3*2"},
        {u"（１＋２）×３", u"(1+2)*3"},
        {u"【2+3】÷4", u"(2+3)/4"},
        {u"3加4等于", u"3+4"},           // 等于 is not in the table; the filter drops it
        {u"1+2=", u"1+2"},
        {u"  2 ＋ 3 ", u"2+3"},
        {u"\u3000１\u3000", u"1"},         // ideographic blanks survive the trim, not the table
        {u"1／2：3｜4÷5", u"1/2/3/4/5"},
        {u"5余2", u"5\\2"},
        {u"壹点伍", u"1.5"},
        {u"ＳＩＮ３０", u"sin30"},           // full-width capitals are lowered first
        {u"2Π", u"2*π"},                   // Greek capital pi
        {u"2∏", u"2*π"},
        {u"3Χ4", u"3*4"},                  // Greek capital chi lowers to the times sign χ
        {u"〈1〉《2》「3」『4』〔5〕〖6〗［7］｛8｝<9>{0}＜1＞[2]", u"(1)*(2)*(3)*(4)*(5)*(6)*(7)*(8)*(9)*(0)*(1)*(2)"},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseFormula(q(c.in)), q(c.want)) << q(c.in).toStdString();
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(NormaliseTest, DoubledSymbolsAndEnds) {
    const Case cases[] = {
        {u"5--3", u"5+3"},   {u"5+-3", u"5-3"},   {u"5-+3", u"5-3"},   {u"5---3", u"5-3"},
        {u"---5", u"-5"},    {u"5+--3", u"5+3"},  {u"2**3", u"2*3"},   {u"2^^3", u"2^3"},
        {u"6//3", u"6/3"},   {u"7\\\\2", u"7\\2"}, {u"5%%", u"5%"},    {u"3!!", u"3!"},
        {u"1..5", u"1.5"},   {u"2++3", u"2+3"},
        {u"1+.+2", u"1++2"},  // the point goes after the doubled symbols are merged
        {u"*5", u"5"},       {u"5*", u"5"},       {u".5", u".5"},      {u"3.5.", u"3.5"},
        {u"2.5e", u"2.5"},   {u"5+3*", u"5+3"},   {u"5\\", u"5"},      {u"5^", u"5"},
        {u")%!5", u"5"},     {u"\\/^*5", u"5"},   {u"-5", u"-5"},      {u"+5", u"+5"},
        {u"(5", u"(5"},      {u"5)", u"5)"},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseFormula(q(c.in)), q(c.want)) << q(c.in).toStdString();
}

TEST_F(NormaliseTest, ImpliedMultiplication) {
    const Case cases[] = {
        {u"2PI", u"2*π"},       {u"2pi3", u"2*π*3"},    {u"2π", u"2*π"},        {u"π2", u"π*2"},
        {u"ππ", u"π*π"},        {u"3ε", u"3*ε"},        {u"ε.5", u"ε*.5"},      {u"2(3)", u"2*(3)"},
        {u"(1)(2)", u"(1)*(2)"}, {u"(2)3", u"(2)*3"},   {u"5!2", u"5!*2"},      {u"50%3", u"50%*3"},
        {u"2x", u"2*x"},        {u"x2", u"x*2"},        {u"2x3", u"2*x*3"},     {u"r(1+2)", u"r*(1+2)"},
        {u"(2)x", u"(2)*x"},    {u"3!x", u"3!*x"},      {u"πx", u"π*x"},        {u"x.5", u"x*.5"},
        {u"2sin30", u"2*sin30"}, {u"sin30", u"sin30"},  {u"sin(30)", u"sin(30)"}, {u"2e5", u"2e5"},
        {u"2e-5", u"2e-5"},     {u"xe2", u"xe2"},       {u"2xy", u"2*xy"},      {u"ab2", u"ab2"},
        {u"5.+3", u"5+3"},      {u"2.x", u"2*x"},       {u"2.(3)", u"2*(3)"},   {u"1.π", u"1*π"},
    };
    for (const Case& c : cases) EXPECT_EQ(NormaliseFormula(q(c.in)), q(c.want)) << q(c.in).toStdString();
}

TEST_F(NormaliseTest, NothingUsableGivesZero) {
    const char16_t* inputs[] = {u"", u"   ", u"等于", u"?=≈", u"\u3000\u3000", u"***", u"...", u"e", u"+-+",
                                u"))", u"\\"};
    for (const char16_t* in : inputs) EXPECT_EQ(NormaliseFormula(q(in)), u"0") << q(in).toStdString();
}

// Every typed character of the table behaves exactly as the character it stands for.
TEST_F(NormaliseTest, EveryTableCharacterActsAsItsResult) {
    QSet<QChar> seen;
    for (const CharacterMapping& row : FormulaCharacterTable()) {
        const QString result = QString::fromUtf16(row.result);
        const QString expected = NormaliseFormula(q(u"2") + result + q(u"3"));
        for (const QChar c : QString::fromUtf16(row.characters)) {
            EXPECT_FALSE(seen.contains(c)) << "twice in the table: " << QString(c).toStdString();
            seen.insert(c);
            EXPECT_EQ(NormaliseFormula(q(u"2") + QString(c) + q(u"3")), expected)
                << QString(c).toStdString() << " should act as " << result.toStdString();
        }
    }
}

TEST_F(NormaliseTest, CollapseSigns) {
    const Case cases[] = {
        {u"- - 5", u"+5"},     {u"5---3", u"5-3"},    {u"5--3", u"5+3"},    {u"5+-3", u"5-3"},
        {u"5-+3", u"5-3"},     {u"5++3", u"5+3"},     {u"+-+-5", u"+5"},    {u"5 * - 3", u"5*-3"},
        {u"2E-5", u"2e-5"},    {u"1\u3000+\u3000+2", u"1+2"},
        {u"", u"0"},           {u"   ", u"0"},        {u"空算式错误", u"0"}, {u" 空算式错误 ", u"0"},
        {u"\u3000", u""},      // not empty when trimmed; nothing left after the blanks go
        // Texts that are already collapsed come back as they are; one upper-case letter,
        // blank or sign pair anywhere is enough to rewrite them.
        {u"sin1+2-3e-5*π", u"sin1+2-3e-5*π"}, {u"1+2+3+4-", u"1+2+3+4-"}, {u"1+2+3+-4", u"1+2+3-4"},
        {u"1+2+3+4E", u"1+2+3+4e"},          {u"Π+ε", u"π+ε"},            {u"ǅ+1", u"ǆ+1"},
        {u"\U00010400+1", u"\U00010428+1"}, {u"1+2 ", u"1+2"},            {u"1\u3000+2", u"1+2"},
    };
    for (const Case& c : cases) EXPECT_EQ(CollapseSigns(q(c.in)), q(c.want)) << q(c.in).toStdString();
    EXPECT_EQ(journal.errorCount, 0);
}

QString randomText(QRandomGenerator& rng, int length) {
    static const QString pool =
        q(u"0123456789.+-*/\\^!%()πεexsinpiABCＸ１２（）【】—＿±点加减乘除余零一二三四五六七八九测算表达式?=≡ \u3000\t");
    QString s;
    for (int i = 0; i < length; ++i) {
        const quint32 pick = rng.bounded(20);
        if (pick == 0)
            s.append(QChar(char16_t(rng.bounded(0x10000u))));  // anything, lone surrogates too
        else
            s.append(pool[rng.bounded(pool.size())]);
    }
    return s;
}

TEST_F(NormaliseTest, GarbageGivesFormulaLanguageOnly) {
    const QString language = q(u"0123456789abcdefghijklmnopqrstuvwxyz%!^*()-+./\\πε");
    QRandomGenerator rng(20240601);
    for (int n = 0; n < 2000; ++n) {
        const QString in = randomText(rng, int(rng.bounded(1, 40)));
        const QString out = NormaliseFormula(in);
        ASSERT_FALSE(out.isEmpty()) << in.toStdString();
        for (const QChar c : out) ASSERT_TRUE(language.contains(c)) << in.toStdString() << " -> " << out.toStdString();
        const QString collapsed = CollapseSigns(in);
        ASSERT_FALSE(collapsed.contains(u"++") || collapsed.contains(u"--") || collapsed.contains(u"+-") ||
                     collapsed.contains(u"-+") || collapsed.contains(u' '))
            << in.toStdString();
    }
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(NormaliseTest, LongInputsAreQuick) {
    QRandomGenerator rng(7);
    const QString inputs[] = {
        q(u"x1").repeated(5000),    // a star on either side of every letter
        q(u"π").repeated(10000),    // a star after every constant
        q(u"-").repeated(9999) + q(u"5"),
        q(u"2.(").repeated(3400),
        randomText(rng, 10000),
    };
    QElapsedTimer timer;
    timer.start();
    for (const QString& in : inputs) {
        NormaliseFormula(in);
        CollapseSigns(in);
    }
    EXPECT_EQ(NormaliseFormula(inputs[0]), q(u"x*1*").repeated(5000).chopped(1));
    EXPECT_EQ(NormaliseFormula(inputs[2]), u"-5");
    EXPECT_LT(timer.elapsed(), 2000);
}

}  // namespace
}  // namespace cesuan
