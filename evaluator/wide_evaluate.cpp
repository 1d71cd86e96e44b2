#include "evaluator/wide_evaluate.h"

#include "engine/journal.h"
#include "evaluator/formula_walk.h"

#include <cmath>
#include <unordered_map>
#include <vector>

namespace cesuan {
namespace {

// Digits of a wide number written out as text for the digit-by-digit D.MMSS rules: far
// more than any decimal holds, far fewer than the wide number carries.
constexpr int kTextDigits = 100;

const WideNumber& pi() {
    static thread_local const WideNumber value = WideNumber::pi();
    return value;
}

WideNumber times(const WideNumber& x, long k) { return x * WideNumber(k); }

// The whole number x stands for, when it lies within the wide numbers' own rounding of one
// (0.1 × 900 is 90 here as it is in decimals).
std::optional<WideNumber> nearInteger(const WideNumber& x, const WideNumber& tolerance) {
    WideNumber r;
    mpfr_round(r.get(), x.get());
    if (compare((x - r).abs(), tolerance) <= 0) return r;
    return std::nullopt;
}

std::optional<WideNumber> nearInteger(const WideNumber& x) {
    static thread_local const WideNumber relative = PowerOfTen(-100);
    const WideNumber scale = compare(x.abs(), WideNumber(1L)) > 0 ? x.abs() : WideNumber(1L);
    return nearInteger(x, scale * relative);
}

long smallInteger(const WideNumber& x) { return mpfr_get_si(x.get(), MPFR_RNDN); }

// Beyond the decimal range (or below its last place) the decimals hold a value as a double
// written with an exponent, which an angle conversion takes as 0.
bool inExponentForm(const WideNumber& x) {
    static thread_local const WideNumber largest = *WideNumber::fromText(u"7.92281625142642E+28");
    static thread_local const WideNumber smallest = PowerOfTen(-28);
    if (x.isZero()) return false;
    const WideNumber a = x.abs();
    return !(a < largest) || a < smallest;
}

// The quarter turn k (0..3) when angle a (radians) is k·π/2 plus whole turns: the exact
// points of sine and cosine.
std::optional<int> exactQuarter(const WideNumber& a) {
    static thread_local const WideNumber tolerance = PowerOfTen(-90);
    const WideNumber quarters = a / (pi() / WideNumber(2L));
    const std::optional<WideNumber> k = nearInteger(quarters, tolerance * (WideNumber(1L) + quarters.abs()));
    if (!k) return std::nullopt;
    const long turns = smallInteger(Remainder(*k, WideNumber(4L)));
    return int((turns + 4) % 4);
}

WideNumber sine(const WideNumber& a) {
    if (const std::optional<int> k = exactQuarter(a)) return WideNumber(long(*k == 1 ? 1 : *k == 3 ? -1 : 0));
    return Apply(mpfr_sin, a);
}

WideNumber cosine(const WideNumber& a) {
    if (const std::optional<int> k = exactQuarter(a)) return WideNumber(long(*k == 0 ? 1 : *k == 2 ? -1 : 0));
    return Apply(mpfr_cos, a);
}

// Degrees to D.MMSS as the angle conversion writes them: whole degrees, two digits of
// minutes, the seconds rounded half up to 24 places, carries from 60.
WideNumber degreesToDms(const WideNumber& degrees) {
    const QString t = degrees.toPlainText(kTextDigits);
    const qsizetype point = t.indexOf(u'.');
    if (point < 0) return degrees;
    QString deg = t.left(point);
    const WideNumber fraction = *WideNumber::fromText(QStringLiteral("0") + t.mid(point));
    const WideNumber allMinutes = times(fraction, 60);
    long minutes = smallInteger(Truncated(allMinutes));
    WideNumber seconds = times(allMinutes - WideNumber(minutes), 60);
    const WideNumber scale = PowerOfTen(24);
    WideNumber scaled = seconds * scale;
    mpfr_round(scaled.get(), scaled.get());  // half away from zero, as RoundHalfUp
    seconds = scaled / scale;
    if (seconds == WideNumber(60L)) {
        seconds = WideNumber();
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        const bool negative = deg.startsWith(u'-');
        const WideNumber whole = *WideNumber::fromText(deg);
        deg = (negative ? whole - WideNumber(1L) : whole + WideNumber(1L)).toPlainText(kTextDigits);
    }
    QString ss = seconds.toPlainText(26);
    if (seconds < WideNumber(10L)) ss.prepend(u'0');
    ss.remove(u'.');
    return *WideNumber::fromText(deg + u'.' + QStringLiteral("%1").arg(minutes, 2, 10, QLatin1Char('0')) + ss);
}

// The numbers of the wide twin. A value travels through the text as a token: an index into
// the table of values (their magnitudes), with a "-" in front when it is negative, so the
// text has the shape the decimal evaluation gives it and the scanners cut it the same way.
class WideNumbers {
public:
    explicit WideNumbers(const CalcSettings& settings) : settings_(settings) {}

    CalcErrorJournal journal;
    bool undefined = false;  // the formula has no value
    bool lost = false;       // the text held something the twin cannot read

    QString token(const WideNumber& v) {
        values_.push_back(v.abs());
        return (v.sign() < 0 ? QStringLiteral("-") : QString()) + QString::number(values_.size() - 1);
    }

    // The value of an operand as the scanners cut it, and the index it came from.
    std::optional<WideNumber> read(const QString& operand, qsizetype* index = nullptr) {
        const QString t = TrimBlanks(operand);
        qsizetype i = 0;
        bool negative = false;
        while (i < t.size() && walk::IsSign(t[i])) negative ^= t[i++] == u'-';
        bool ok = false;
        const qsizetype n = i < t.size() ? t.mid(i).toLongLong(&ok) : -1;
        if (!ok || n < 0 || n >= qsizetype(values_.size()) || !walk::IsDigit(t[i])) {
            lose();
            return std::nullopt;
        }
        if (index) *index = n;
        return negative ? -values_[std::size_t(n)] : values_[std::size_t(n)];
    }

    // Tokens in place of the formula's number literals; empty when one is no number.
    std::optional<QString> tokenise(const QString& formula) {
        QString out;
        const qsizetype size = formula.size();
        for (qsizetype i = 0; i < size;) {
            const QChar c = formula[i];
            const bool starts = walk::IsDigit(c) || (c == u'.' && i + 1 < size && walk::IsDigit(formula[i + 1]));
            if (!starts) {
                out += c;
                ++i;
                continue;
            }
            qsizetype j = i;
            const auto digitsAndPoints = [&] {
                while (j < size && (walk::IsDigit(formula[j]) || formula[j] == u'.')) ++j;
            };
            digitsAndPoints();
            if (j + 1 < size && formula[j] == u'e' && walk::StartsNumber(formula[j + 1]) && formula[j + 1] != u' ') {
                ++j;
                if (walk::IsSign(formula[j])) ++j;
                digitsAndPoints();
            }
            const std::optional<WideNumber> v = WideNumber::fromText(formula.mid(i, j - i));
            if (!v) return std::nullopt;
            out += token(*v);
            i = j;
        }
        return out;
    }

    QString constant(QChar c) { return token(c == u'π' ? pi() : WideNumber::e()); }

    std::optional<QString> variable(QChar letter) {
        const CalcValue* v = settings_.memoryVariable(letter);
        if (!v) return std::nullopt;
        const std::optional<WideNumber> w = WideNumber::fromText(TrimBlanks(v->text()));
        if (!w) lose();
        return token(w.value_or(WideNumber()));
    }

    std::optional<QString> function(const QString& name, const QString& argument) {
        const std::optional<WideNumber> x = read(argument);
        if (!x) return std::nullopt;
        if (name.startsWith(u"arc")) return inverse(name, *x);
        if (name == u"lg" || name == u"ln") {
            if (x->sign() <= 0) return fail();
            return token(Apply(name == u"lg" ? mpfr_log10 : mpfr_log, *x));
        }
        if (name == u"sh") return token(Apply(mpfr_sinh, *x));
        if (name == u"ch") return token(Apply(mpfr_cosh, *x));
        if (name == u"th") return token(Apply(mpfr_tanh, *x));
        if (name == u"cth") return token(x->isZero() ? pole() : Apply(mpfr_coth, *x));

        const std::optional<WideNumber> a = radians(*x);
        if (!a) return std::nullopt;
        const WideNumber s = sine(*a), c = cosine(*a);
        if (name == u"sin") return token(s);
        if (name == u"cos") return token(c);
        if (name == u"tan") return c.isZero() ? fail() : token(s / c);
        if (name == u"cot") return s.isZero() ? fail() : token(c / s);
        const WideNumber& d = name == u"sec" ? c : s;  // sec, csc
        return token(d.isZero() ? pole() : WideNumber(1L) / d);
    }

    std::optional<QString> percent(const QString& operand) {
        const std::optional<WideNumber> x = read(operand);
        if (!x) return std::nullopt;
        return token(*x / WideNumber(100L));
    }

    // The operand read as a double and rounded half to even, as the factorial does.
    std::optional<QString> factorial(const QString& operand) {
        const std::optional<WideNumber> x = read(operand);
        if (!x) return std::nullopt;
        const double d = x->toDouble();
        WideNumber product(long(d >= 1 ? 1 : 0));
        static thread_local const WideNumber limit = PowerOfTen(28);
        for (double k = 1; k <= std::nearbyint(d); ++k) {
            product = times(product, long(k));
            if (limit < product) return fail();
        }
        return token(product);
    }

    QString power(const QString& left, const QString& right) {
        const std::optional<WideNumber> x = read(left), y = read(right);
        if (!x || !y) return token(WideNumber());
        if (y->isZero()) return token(WideNumber(1L));
        if (x->isZero()) return y->sign() < 0 ? failed() : token(WideNumber());
        const std::optional<WideNumber> whole = nearInteger(*y);
        if (x->sign() < 0 && !whole) return failed();
        return token(Power(*x, whole.value_or(*y)));
    }

    QString multiply(const QString& l, const QString& r) { return binary(l, r, [](auto& x, auto& y) { return x * y; }); }
    QString add(const QString& l, const QString& r) { return binary(l, r, [](auto& x, auto& y) { return x + y; }); }
    QString subtract(const QString& l, const QString& r) { return binary(l, r, [](auto& x, auto& y) { return x - y; }); }
    QString divide(const QString& l, const QString& r) { return binary(l, r, [](auto& x, auto& y) { return x / y; }); }

    // x − trunc(x / y)·y, the quotient taken whole where it lies within rounding of a whole.
    QString remainder(const QString& left, const QString& right) {
        const std::optional<WideNumber> x = read(left), y = read(right);
        if (!x || !y) return token(WideNumber());
        if (y->isZero()) return failed();
        const WideNumber q = *x / *y;
        const WideNumber whole = nearInteger(q).value_or(Truncated(q));
        return token(*x - whole * *y);
    }

    bool isZero(const QString& y) {
        const std::optional<WideNumber> v = read(y);
        if (v && v->isZero()) undefined = true;
        return !v || v->isZero();
    }

    // The canonical text of the last number: the same token, so that an angle keeps its mark.
    QString value(const QString& scanned) {
        qsizetype index = 0;
        const std::optional<WideNumber> v = read(scanned, &index);
        if (!v) return QStringLiteral("0");
        return (v->sign() < 0 ? QStringLiteral("-") : QString()) + QString::number(index);
    }

    QString rounded(const QString& value) { return value; }

    // The truth of the formula's result token.
    WideTruth truth(const QString& result) {
        WideTruth t;
        if (lost || (!undefined && journal.errorCount > 0)) return t;
        if (undefined) {
            t.kind = WideTruth::Kind::Undefined;
            return t;
        }
        qsizetype index = 0;
        const std::optional<WideNumber> v = read(result, &index);
        if (!v || lost) return t;
        t.kind = WideTruth::Kind::Value;
        t.value = *v;
        if (const auto angle = angles_.find(index); angle != angles_.end())
            t.angleDegrees = v->sign() < 0 ? -angle->second : angle->second;
        return t;
    }

private:
    const CalcSettings& settings_;
    std::vector<WideNumber> values_;
    std::unordered_map<qsizetype, WideNumber> angles_;  // D.MMSS tokens of inverse functions: degrees

    void lose() {
        lost = true;
        LogFailure(journal, QStringLiteral("lost"));
    }
    std::optional<QString> fail() {
        undefined = true;
        LogFailure(journal, QStringLiteral("undefined"));
        return std::nullopt;
    }
    QString failed() {
        fail();
        return token(WideNumber());
    }
    static WideNumber pole() { return PowerOfTen(28); }

    template <typename Op>
    QString binary(const QString& left, const QString& right, Op op) {
        const std::optional<WideNumber> x = read(left), y = read(right);
        if (!x || !y) return token(WideNumber());
        return token(op(*x, *y));
    }

    // The argument of sin … csc in radians: a right angle exactly, D.MMSS read digit by digit.
    std::optional<WideNumber> radians(const WideNumber& x) {
        if (inExponentForm(x)) return WideNumber();
        WideNumber degrees;
        switch (settings_.angleUnit) {
        case AngleUnit::Radian: return x;
        case AngleUnit::DecimalDegree: degrees = x; break;
        case AngleUnit::Dms: {
            const std::optional<WideNumber> d = WideDmsToDegrees(x.toPlainText(kTextDigits), x.sign());
            if (!d) {
                lose();
                return std::nullopt;
            }
            degrees = *d;
            break;
        }
        }
        if (const std::optional<WideNumber> whole = nearInteger(degrees)) {
            if (Remainder(*whole, WideNumber(90L)).isZero()) {
                const long quarter = (smallInteger(Remainder(*whole / WideNumber(90L), WideNumber(4L))) + 4) % 4;
                return times(pi(), quarter) / WideNumber(2L);
            }
        }
        return degrees * pi() / WideNumber(180L);
    }

    std::optional<QString> inverse(const QString& name, const WideNumber& x) {
        const WideNumber one(1L);
        WideNumber a;
        if (name == u"arctan") {
            a = Apply(mpfr_atan, x);
        } else if (name == u"arccot") {
            a = pi() / WideNumber(2L) - Apply(mpfr_atan, x);
        } else if (name == u"arcsin" || name == u"arccos") {
            if (one < x.abs()) return fail();
            a = Apply(name == u"arcsin" ? mpfr_asin : mpfr_acos, x);
        } else {  // arcsec, arccsc
            if (!(one < x.abs())) return fail();
            a = Apply(name == u"arcsec" ? mpfr_acos : mpfr_asin, one / x);
        }
        if (settings_.angleUnit == AngleUnit::Radian) return token(a);
        const WideNumber degrees = a * WideNumber(180L) / pi();
        if (settings_.angleUnit == AngleUnit::DecimalDegree) return token(degrees);
        const QString t = token(degreesToDms(degrees));
        angles_.emplace(qsizetype(values_.size() - 1), degrees);
        return t;
    }
};

}  // namespace

std::optional<WideNumber> WideDmsToDegrees(const QString& text, int sign) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return WideNumber::fromText(text);
    QString deg = text.left(point);
    if (TrimBlanks(deg).isEmpty() || deg == u"-") deg = QStringLiteral("0");
    QString fraction = text.mid(point);
    if (fraction.size() < 6) fraction += QStringLiteral("0000000");
    const std::optional<WideNumber> minutes = WideNumber::fromText(fraction.mid(1, 2));
    QString secondsText = fraction.mid(3);
    if (secondsText.size() > 2) secondsText = secondsText.left(2) + u'.' + secondsText.mid(2);
    std::optional<WideNumber> seconds = WideNumber::fromText(secondsText);
    const std::optional<WideNumber> degrees = WideNumber::fromText(deg);
    if (!minutes || !seconds || !degrees) return std::nullopt;
    const WideNumber sixty(60L);
    if (sixty < *seconds) seconds = sixty;
    WideNumber m = *minutes + *seconds / sixty;
    if (sixty < m) m = sixty;
    const WideNumber fractionOfDegree = m / sixty;
    return sign >= 0 ? *degrees + fractionOfDegree : *degrees - fractionOfDegree;
}

WideTruth EvaluateWide(const CalcSettings& settings, const QString& formula) {
    WideNumbers numbers(settings);
    const std::optional<QString> tokens = numbers.tokenise(formula.toLower());
    if (!tokens) return {};
    const QString result = walk::EvaluateFormula(numbers, *tokens);
    return numbers.truth(result);
}

}  // namespace cesuan
