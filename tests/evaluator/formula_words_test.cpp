// Formulas the way people write them: Chinese numbers with place words, fractions, powers
// and roots, function and operator words, the ASCII names sqrt, exp and log; formulas
// without these words normalise as they always did, and nothing is left out in silence.

#include "evaluator/calculate.h"
#include "evaluator/formula_words.h"
#include "evaluator/normalise.h"

#include "tests/support/journal_fixture.h"

#include <QFile>
#include <QTextStream>

namespace cesuan {
namespace {

// The inverse functions and logarithms carry 15 digits, so 反余切0 is 90.0000000000001 as
// arccot0 is.
struct Phrase {
    const char16_t* typed;
    const char16_t* result;  // at 15 places, as the result box holds it before alignment
    AngleUnit unit = AngleUnit::Radian;
};

const Phrase kPhrases[] = {
    // Chinese numbers: positional with a place word, digit by digit without one.
    {u"三十", u"30"}, {u"十五", u"15"}, {u"一百零五", u"105"}, {u"两千三百", u"2300"}, {u"一万二千", u"12000"},
    {u"十万", u"100000"}, {u"三亿五千万", u"350000000"}, {u"壹佰", u"100"}, {u"叁拾", u"30"}, {u"伍仟", u"5000"},
    {u"贰萬", u"20000"}, {u"壹億", u"100000000"}, {u"三点一四", u"3.14"}, {u"十二点五", u"12.5"},
    {u"一二三", u"123"}, {u"二零二六", u"2026"}, {u"二〇二六", u"2026"}, {u"两", u"2"}, {u"两百", u"200"},
    {u"3万", u"30000"}, {u"1.5万", u"15000"}, {u"2亿", u"200000000"}, {u"3千", u"3000"}, {u"3万5千", u"35000"},
    {u"5百", u"500"}, {u"十", u"10"},
    // Fractions and percents.
    {u"三分之一", u"0.333333333333333"}, {u"四分之三", u"0.75"}, {u"百分之五", u"0.05"}, {u"千分之三", u"0.003"},
    // Powers and roots.
    {u"2的3次方", u"8"}, {u"2乘方3", u"8"}, {u"五的平方", u"25"}, {u"5平方", u"25"}, {u"3的立方", u"27"},
    {u"3立方", u"27"}, {u"2的10次幂", u"1024"}, {u"(1+1)3次方", u"8"}, {u"根号2", u"1.414213562373095"},
    {u"开平方2", u"1.414213562373095"}, {u"平方根2", u"1.414213562373095"}, {u"9开平方", u"3"},
    {u"9的平方根", u"3"}, {u"开立方27", u"3"}, {u"立方根27", u"3"}, {u"27开立方", u"3"}, {u"27的立方根", u"3"},
    {u"开4次方16", u"2"}, {u"16开4次方", u"2"}, {u"16的4次方根", u"2"}, {u"5的阶乘", u"120"}, {u"5阶乘", u"120"},
    // 再 and 然后 close the group before them.
    {u"三的平方加四的平方再开平方", u"5"}, {u"2加3再乘4", u"20"}, {u"2加3然后乘4", u"20"},
    // Function words take the screen's angle unit.
    {u"正弦30", u"0.5", AngleUnit::DecimalDegree}, {u"余弦60", u"0.5", AngleUnit::DecimalDegree},
    {u"正切45", u"1", AngleUnit::DecimalDegree}, {u"余切45", u"1", AngleUnit::DecimalDegree},
    {u"正割60", u"2", AngleUnit::DecimalDegree}, {u"余割30", u"2", AngleUnit::DecimalDegree},
    {u"反正弦1", u"90", AngleUnit::DecimalDegree}, {u"反余弦1", u"0", AngleUnit::DecimalDegree},
    {u"反正切0", u"0", AngleUnit::DecimalDegree}, {u"反余切0", u"90.0000000000001", AngleUnit::DecimalDegree},
    {u"反正割2", u"60.0000000000001", AngleUnit::DecimalDegree}, {u"反余割2", u"30.0000000000000", AngleUnit::DecimalDegree},
    {u"双曲正弦0", u"0"}, {u"双曲余弦0", u"1"}, {u"双曲正切0", u"0"}, {u"双曲余切(-800)加1", u"error"},
    {u"常用对数100", u"2"}, {u"对数1000", u"3"}, {u"自然对数1", u"0"}, {u"圆周率", u"3.141592653589793"},
    {u"正弦(圆周率/2)", u"1"}, {u"正弦30的平方", u"0.25", AngleUnit::DecimalDegree},
    // ASCII names.
    {u"sqrt(16)", u"4"}, {u"sqrt16", u"4"}, {u"exp(0)", u"1"}, {u"exp1", u"2.718281828459045"},
    {u"log3(9)", u"2.00000000000000"}, {u"log 3 （27）", u"3.00000000000000"}, {u"log(100)", u"2"}, {u"以2为底8的对数", u"3"},
    // Operator and connective words.
    {u"2加上3", u"5"}, {u"10减去4", u"6"}, {u"3乘以4", u"12"}, {u"8除以2", u"4"}, {u"求2加3等于", u"5"},
    {u"2加3是多少", u"5"}, {u"2加3得", u"5"}, {u"2的3次方得多少", u"8"},
    // Mixed with ASCII.
    {u"2的3次方+1", u"9"}, {u"根号(3的平方+4的平方)", u"5"}, {u"(三十+5)*2", u"70"}, {u"x的平方", u"49"},
    // As they always were.
    {u"一二三", u"123"}, {u"负三乘二", u"-6"}, {u"１加２乘三", u"7"}, {u"（１＋２）×３", u"9"}, {u"2sin30", u"1", AngleUnit::DecimalDegree},
};

TEST(FormulaWords, PhrasesComputeWhatTheyMean) {
    for (const Phrase& p : kPhrases) {
        SCOPED_TRACE(q(p.typed).toStdString());
        CalcContext context;
        context.settings.angleUnit = p.unit;
        EXPECT_EQ(Calculate(context, q(p.typed)).result, q(p.result));
    }
}

TEST(FormulaWords, EveryWordOfTheTableIsExercised) {
    for (const FormulaWord& w : FormulaWordTable()) {
        const QString word = QString::fromUtf16(w.word);
        bool used = false;
        for (const Phrase& p : kPhrases) used = used || q(p.typed).contains(word);
        EXPECT_TRUE(used) << word.toStdString();
    }
}

// 1,500 random texts of the characters the character table knows, ASCII formula characters
// and a few unknown ones, without any word of the table, with the text the normaliser gave
// them before the word pass existed (written by that normaliser).
TEST(FormulaWords, FormulasWithoutWordsNormaliseAsBefore) {
    QFile file(QStringLiteral(CESUAN_TEST_DATA "/normalise_today.tsv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    int checked = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(u'#')) continue;
        const qsizetype tab = line.indexOf(u'\t');
        ASSERT_GT(tab, 0) << line.toStdString();
        const QString typed = line.left(tab), today = line.mid(tab + 1);
        EXPECT_FALSE(HasFormulaWord(typed.toLower())) << typed.toStdString();
        EXPECT_EQ(NormaliseFormula(typed), today) << typed.toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, 1500);
}

TEST(FormulaWords, LeftOutCharactersAreNamed) {
    struct Case {
        const char16_t *typed, *ignored;
    };
    const Case cases[] = {
        {u"5斤吧", u"斤吧"},
        {u"5斤+3斤", u"斤"},          // each character once
        {u"5+3*", u"*"},              // an unfinished tail
        {u"*5", u"*"},                // a head that cannot start a formula
        {u"2.5e", u"e"},
        {u"平方", u"平方"},           // a word without its operand is not understood
        {u"1+2=", u""},               // understood: the equals sign and blanks
        {u"求2加3等于多少", u"多少"},
        {u"三的平方 加 四的平方", u""},
        {u"１加２乘三", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.typed).toStdString());
        QString ignored;
        NormaliseFormula(q(c.typed), &ignored);
        EXPECT_EQ(ignored, q(c.ignored));
    }
}

}  // namespace
}  // namespace cesuan
