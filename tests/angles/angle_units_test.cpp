#include "angles/angle_texts.h"
#include "angles/angle_units.h"
#include "evaluator/calc_context.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

const char16_t kHalfPi[] = u"1.5707963267948966192313216916";
const char16_t kPi[] = u"3.1415926535897932384626433833";
const char16_t kThreeHalvesPi[] = u"4.7123889803846898576939650749";

class AngleTest : public JournalTest {};

struct Case {
    const char16_t* x;
    const char16_t* want;
};

std::string traceOf(const char16_t* x) { return "argument \"" + q(x).toStdString() + "\""; }

TEST_F(AngleTest, UnitIsRadianAtStart) { EXPECT_EQ(CalcSettings().angleUnit, AngleUnit::Radian); }

TEST_F(AngleTest, DmsToDecimalDegree) {
    const Case cases[] = {
        {u"45.3", u"45.5"},
        {u"45.5", u"45.833333333333333333333333333"},   // 45°50′: missing digits are zeros
        {u"45.05", u"45.083333333333333333333333333"},  // 45°05′
        {u"45.595999", u"45.999997222222222222222222222"},
        {u"45.59599", u"45.999972222222222222222222222"},  // 59.9 seconds
        {u"90", u"90"},
        {u"-45.3", u"-45.5"},
        {u"-0.3", u"-0.5"},    // the degrees are -0, the sign of the whole angle counts
        {u"0.3", u"0.5"},
        {u"45.5960", u"46"},   // 60 seconds exactly: no box
        {u"45.6", u"46"},      // 60 minutes exactly: no box
        {u" 45.30 ", u"45.5"},
        {u"", u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        const CalcValue r = DmsToDecimalDegree(journal, q(c.x));
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(AngleTest, SecondsAbove60AreShownAndTakenAs60) {
    const CalcValue r = DmsToDecimalDegree(journal, q(u" 12.30750 "));
    EXPECT_EQ(r.text(), u"12.516666666666666666666666667");  // 12°31′
    ASSERT_EQ(NoticeTexts(journal.notices).size(), 1);
    EXPECT_EQ(NoticeTexts(journal.notices)[0],
              q(u"12.3075 度分秒格式的角度数据--[秒] 数据不能大于60！超出后按60计算。请检查是否角度类型选择错误。"));
    EXPECT_EQ(journal.notices[0], InformationNotice(journal.notices[0].text)) << "an information box with OK";
    EXPECT_EQ(journal.errorCount, 0);  // a box, not a failure
}

TEST_F(AngleTest, MinutesAbove60AreShownAndTakenAs60) {
    EXPECT_EQ(DmsToDecimalDegree(journal, q(u"-12.7")).text(), u"-13");  // 70 minutes taken as 60
    ASSERT_EQ(NoticeTexts(journal.notices).size(), 1);
    EXPECT_EQ(NoticeTexts(journal.notices)[0],
              q(u"-12.7 度分秒格式的角度数据--[分秒] 数据不能大于59599999....！超出后按60计算。请检查是否角度类型选择错误。"));
    EXPECT_EQ(journal.notices[0], InformationNotice(journal.notices[0].text)) << "an information box with OK";
    EXPECT_EQ(journal.errorCount, 0);
}

// Which boxes come, in order: "秒" for the seconds, "分秒" for minutes and seconds.
TEST_F(AngleTest, BoxesOnlyAboveSixty) {
    struct BoxCase { const char16_t* x; const char16_t* want; QStringList boxes; };
    const BoxCase cases[] = {
        {u"12.7", u"13", {q(u"分秒")}},
        {u"12.7075", u"13", {q(u"秒"), q(u"分秒")}},  // 75 seconds as 60, then 71 minutes
        {u"12.5975", u"13", {q(u"秒")}},              // 75″ as 60″: then 60′ exactly, no 分秒 box
        {u"12.596", u"13", {}},                        // 59′60″ exactly
        {u"12.6", u"13", {}},                          // 60′ exactly
        {u"12.6001", u"13", {q(u"分秒")}},             // 60′01″
        {u"12.596000000000000000000001", u"13", {q(u"秒")}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        journal.notices.clear();
        EXPECT_EQ(DmsToDecimalDegree(journal, q(c.x)).text(), q(c.want));
        ASSERT_EQ(NoticeTexts(journal.notices).size(), c.boxes.size());
        for (qsizetype i = 0; i < c.boxes.size(); ++i)
            EXPECT_TRUE(NoticeTexts(journal.notices)[i].startsWith(q(c.x) + q(u" 度分秒格式的角度数据--[") + c.boxes[i] + q(u"] ")))
                << NoticeTexts(journal.notices)[i].toStdString();
    }
}

TEST_F(AngleTest, DecimalDegreeToDms) {
    const Case cases[] = {
        {u"45.5", u"45.3"},
        {u"-0.5", u"-0.3"},      // degrees "-0"
        {u"10.25", u"10.15"},
        {u"30", u"30"},
        {u"1.0001", u"1.000036"},  // 0.36 seconds behind minutes 00
        {u"0.1", u"0.06"},
        {u"-12.345", u"-12.2042"},
        {u"123.456789", u"123.27244404"},
        {u"-0.0000001", u"-0.000000036"},
        // Seconds rounded to 60 at 24 places carry into the minutes ...
        {u"0.4999999999999999999999999999", u"0.3"},
        {u"-0.4999999999999999999999999999", u"-0.3"},
        // ... and minutes of 60 into the degrees, away from zero.
        {u"0.9999999999999999999999999999", u"1"},
        {u"-0.9999999999999999999999999999", u"-1"},
        {u"10.9999999999999999999999999", u"10.595999999999999999999999964"},  // no carry
        {u"", u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        const CalcValue r = DecimalDegreeToDms(journal, q(c.x));
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(c.want));
    }
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(AngleTest, DmsRoundTripsThroughDecimalDegrees) {
    for (const char16_t* dms : {u"45.3", u"-45.3", u"12.3456", u"0.0001", u"359.5959"}) {
        SCOPED_TRACE(traceOf(dms));
        EXPECT_EQ(DecimalDegreeToDms(journal, DmsToDecimalDegree(journal, q(dms))).text(), q(dms));
    }
}

TEST_F(AngleTest, DmsToRadian) {
    const Case cases[] = {
        {u"45.3", u"0.7941248096574199575002793004"},   // 45.5 × RadiansPerDegree
        {u"45.5", u"0.7999425738307343894233582696"},
        {u"-180.3", u"-3.1503192998497648863472618398"},
        {u"90", u"1.570796326794896619231321693"},      // the plain product, not π/2
        {u"0", u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        const CalcValue r = DmsToRadian(journal, q(c.x));
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());

    EXPECT_EQ(DmsToRadian(journal, q(u"12.7")).text(), u"0.2268928027592628450000798001");  // 13°
    ASSERT_EQ(NoticeTexts(journal.notices).size(), 1);
    EXPECT_TRUE(NoticeTexts(journal.notices)[0].startsWith(q(u"12.7 度分秒格式的角度数据--[分秒]")));
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(AngleTest, RadianArgumentsAreTakenAsTheyAre) {
    const AngleUnit unit = AngleUnit::Radian;
    for (const char16_t* x : {u"90", u"-90", u"180", u"0", u"3.14", u"1.5707963267948966192313216916"}) {
        SCOPED_TRACE(traceOf(x));
        const CalcValue r = AngleToRadian(journal, q(x), unit);
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(x));
    }
}

// Whole multiples of 90 degrees give 0, π/2, π and 3π/2 as the exact constants, reduced
// modulo 360 with the sign kept; everything else is the product with RadiansPerDegree.
TEST_F(AngleTest, DecimalDegreesToRadians) {
    const AngleUnit unit = AngleUnit::DecimalDegree;
    const Case cases[] = {
        {u"0", u"0"},
        {u"90", kHalfPi},
        {u"180", kPi},  // the product would be 3.141592653589793238462643386
        {u"270", kThreeHalvesPi},
        {u"360", u"0"},
        {u"450", kHalfPi},
        {u"720", u"0"},
        {u"90.000", kHalfPi},
        {u"900000000000000000000000090", kHalfPi},  // 90 × (10^25 + 1)
        // Negative multiples are taken modulo 360° too: -90° is 270°.
        {u"-90", kThreeHalvesPi},
        {u"-180", kPi},
        {u"-270", kHalfPi},
        {u"-360", u"0"},
        {u"-450", kThreeHalvesPi},
        {u"45", u"0.7853981633974483096156608465"},
        {u"180.5", u"3.1503192998497648863472618398"},
        {u"1", u"0.0174532925199432957692369077"},
        {u"30", u"0.523598775598298873077107231"},
        // Next to a right angle, but not one.
        {u"89.999999999999999999999999", u"1.5707963267948966192313216755"},
        {u"90.000000000000000000000001", u"1.5707963267948966192313217105"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        const CalcValue r = AngleToRadian(journal, q(c.x), unit);
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(AngleTest, DmsAnglesToRadians) {
    const AngleUnit unit = AngleUnit::Dms;
    const Case cases[] = {
        {u"90", kHalfPi},
        {u"-90", kThreeHalvesPi},
        {u"180", kPi},
        {u"450", kHalfPi},
        {u"-360", u"0"},
        {u"89.5960", kHalfPi},  // 89°59′60″ is 90 degrees exactly
        {u"45.3", u"0.7941248096574199575002793004"},
        {u"180.3", u"3.1503192998497648863472618398"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(traceOf(c.x));
        const CalcValue r = AngleToRadian(journal, q(c.x), unit);
        EXPECT_EQ(r.kind(), Kind::Decimal);
        EXPECT_EQ(r.text(), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());

    // The boxes of the D.MMSS reading go to the journal's notices; 89.7 is 90 degrees then.
    EXPECT_EQ(AngleToRadian(journal, q(u"89.7"), unit).text(), q(kHalfPi));
    ASSERT_EQ(NoticeTexts(journal.notices).size(), 1);
    EXPECT_TRUE(NoticeTexts(journal.notices)[0].startsWith(q(u"89.7 度分秒格式的角度数据--[分秒]")));
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(AngleTest, ExponentFormIsAngleZero) {
    for (const char16_t* x : {u"1E+30", u"-1E+30", u"1E-30", u"1.2345678901234E-25"}) {
        SCOPED_TRACE(traceOf(x));
        const CalcValue arg = q(x);
        for (AngleUnit unit : {AngleUnit::Radian, AngleUnit::Dms, AngleUnit::DecimalDegree}) {
            const CalcValue r = AngleToRadian(journal, arg, unit);
            EXPECT_EQ(r.kind(), Kind::Decimal);
            EXPECT_EQ(r.text(), u"0");
        }
        for (const CalcValue& r : {DmsToRadian(journal, arg), DmsToDecimalDegree(journal, arg), DecimalDegreeToDms(journal, arg)}) {
            EXPECT_EQ(r.kind(), Kind::Decimal);
            EXPECT_EQ(r.text(), u"0");
        }
    }
    // The double 1E+30 as a value, not a text, too.
    EXPECT_EQ(DecimalDegreeToDms(journal, 1e30).text(), u"0");
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

// A text that is no number is 0 after the one 数转数 message; the conversions add none.
TEST_F(AngleTest, NoNumberIsZeroAfterTheToCalcValueMessage) {
    const QString expected = q(u"  进行[Quv数转数]运算时， abc 数值超出计算范围，我无法计算！返回数值用[空值]表示。");
    const auto check = [&](const char* routine, const CalcValue& r) {
        SCOPED_TRACE(routine);
        EXPECT_EQ(r.text(), u"0");
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_EQ(journal.messageLog, expected + q(u"\r\n"));
        ResetJournal(journal);
    };
    check("DmsToDecimalDegree", DmsToDecimalDegree(journal, q(u" abc ")));
    check("DmsToRadian", DmsToRadian(journal, q(u" abc ")));
    check("DecimalDegreeToDms", DecimalDegreeToDms(journal, q(u" abc ")));
    for (AngleUnit unit : {AngleUnit::Radian, AngleUnit::Dms, AngleUnit::DecimalDegree}) {
        check("AngleToRadian", AngleToRadian(journal, q(u" abc "), unit));
    }
    EXPECT_TRUE(journal.notices.empty());
}

// No argument that 数转数 lets through makes these fail, so their journal texts are pinned here.
TEST(AngleTexts, FailureMessages) {
    EXPECT_EQ(texts::msgDmsToRadian(q(u"12.5")),
              q(u"  进行[度转弧度]运算时， 12.5 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"));
    EXPECT_EQ(texts::msgDmsToDecimalDegree(q(u"12.5")),
              q(u"  进行[度转梯度]运算时， 12.5 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"));
}

}  // namespace
}  // namespace cesuan
