// The number engine against two other decimal types on the same values.
//
// BM_<Op>/Decimal96, BM_<Op>/decimal128 (libstdc++'s std::decimal, 34 digits) and
// BM_<Op>/cpp_dec_float_50 (Boost.Multiprecision, 50 digits) run one operation per
// iteration over the same 1024 operand pairs: 28-digit coefficients at mixed scales, the
// scales of a pair adding up to at least 28 so that every product lies in the decimal
// range. BM_Power/x^y times PowerOf on a fresh journal.

#include "engine/calc_value.h"
#include "engine/decimal96.h"
#include "engine/journal.h"
#include "engine/power.h"

#include <benchmark/benchmark.h>

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <decimal/decimal>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using cesuan::Decimal96;
using cesuan::uint128;
using Float50 = boost::multiprecision::cpp_dec_float_50;
using std::decimal::decimal128;

constexpr std::size_t kPairs = 1024;  // a power of two: the index wraps with a mask

struct OperandPair {
    Decimal96 a, b;
};

// 28-digit coefficients, scale 0..28, random signs; sa + sb >= 28.
const std::vector<OperandPair>& operands() {
    static const std::vector<OperandPair> pairs = [] {
        std::mt19937_64 rng(20240611);
        auto coefficient = [&rng] {
            constexpr std::uint64_t kE14 = 100000000000000ULL;
            const std::uint64_t high = kE14 / 10 + rng() % (kE14 - kE14 / 10);  // 14 digits
            return uint128(high) * kE14 + rng() % kE14;
        };
        std::vector<OperandPair> v;
        for (std::size_t i = 0; i < kPairs; ++i) {
            const int sa = int(rng() % 29);
            const int sb = 28 - sa + int(rng() % std::uint64_t(sa + 1));
            v.push_back({Decimal96::fromParts(coefficient(), sa, rng() & 1),
                         Decimal96::fromParts(coefficient(), sb, rng() & 1)});
        }
        return v;
    }();
    return pairs;
}

decimal128 toDecimal128(Decimal96 d) {
    // Two exact pieces of 14 digits each; their sum has 28 digits, well inside 34.
    constexpr uint128 kE14 = 100000000000000ULL;
    const long long high = static_cast<long long>(d.coefficient() / kE14);
    const long long low = static_cast<long long>(d.coefficient() % kE14);
    const decimal128 value =
        std::decimal::make_decimal128(high, 14 - d.scale()) + std::decimal::make_decimal128(low, -d.scale());
    return d.signBit() ? -value : value;
}

Float50 toFloat50(Decimal96 d) {
    return Float50(d.toStdString());
}

template <typename T>
std::vector<std::pair<T, T>> convertedPairs(T (*convert)(Decimal96)) {
    std::vector<std::pair<T, T>> v;
    for (const OperandPair& p : operands()) v.emplace_back(convert(p.a), convert(p.b));
    return v;
}

// Every peer holds the same values: each operand read back as a double must agree.
void checkSameValues() {
    const auto d128 = convertedPairs(toDecimal128);
    const auto f50 = convertedPairs(toFloat50);
    for (std::size_t i = 0; i < kPairs; ++i) {
        const OperandPair& p = operands()[i];
        const double want[2] = {p.a.toDouble(), p.b.toDouble()};
        const double fromD128[2] = {std::decimal::decimal128_to_double(d128[i].first),
                                    std::decimal::decimal128_to_double(d128[i].second)};
        const double fromF50[2] = {f50[i].first.convert_to<double>(), f50[i].second.convert_to<double>()};
        for (int k = 0; k < 2; ++k) {
            if (std::abs(fromD128[k] - want[k]) > 1e-15 * std::abs(want[k]) ||
                std::abs(fromF50[k] - want[k]) > 1e-15 * std::abs(want[k])) {
                std::fprintf(stderr, "operand %zu differs between the peers: %.17g %.17g %.17g\n", i, want[k],
                             fromD128[k], fromF50[k]);
                std::abort();
            }
        }
    }
}

// --- One operation per iteration over the shared pairs ------------------------------

template <typename T, typename Op>
void runBinary(benchmark::State& state, const std::vector<std::pair<T, T>>& pairs, Op op) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& p = pairs[i++ & (kPairs - 1)];
        auto r = op(p.first, p.second);
        benchmark::DoNotOptimize(r);
    }
    state.SetItemsProcessed(state.iterations());
}

template <typename Op>
void decimal96Op(benchmark::State& state, Op op) {
    std::vector<std::pair<Decimal96, Decimal96>> pairs;
    int empty = 0;
    for (const OperandPair& p : operands()) {
        pairs.emplace_back(p.a, p.b);
        empty += !op(p.a, p.b).has_value();
    }
    runBinary(state, pairs, op);
    state.counters["empty"] = empty;  // results that overflow (should be none)
}

template <typename Op>
void decimal128Op(benchmark::State& state, Op op) {
    runBinary(state, convertedPairs(toDecimal128), op);
}

template <typename Op>
void float50Op(benchmark::State& state, Op op) {
    runBinary(state, convertedPairs(toFloat50), op);
}

struct Add {
    template <typename T>
    auto operator()(const T& a, const T& b) const {
        if constexpr (std::is_same_v<T, Decimal96>) {
            return add(a, b);
        } else {
            return T(a + b);
        }
    }
};
struct Subtract {
    template <typename T>
    auto operator()(const T& a, const T& b) const {
        if constexpr (std::is_same_v<T, Decimal96>) {
            return subtract(a, b);
        } else {
            return T(a - b);
        }
    }
};
struct Multiply {
    template <typename T>
    auto operator()(const T& a, const T& b) const {
        if constexpr (std::is_same_v<T, Decimal96>) {
            return multiply(a, b);
        } else {
            return T(a * b);
        }
    }
};
struct Divide {
    template <typename T>
    auto operator()(const T& a, const T& b) const {
        if constexpr (std::is_same_v<T, Decimal96>) {
            return divide(a, b);
        } else {
            return T(a / b);
        }
    }
};

template <typename Op>
void registerOperation(const std::string& name, Op op) {
    benchmark::RegisterBenchmark(("BM_" + name + "/Decimal96").c_str(),
                                 [op](benchmark::State& s) { decimal96Op(s, op); });
    benchmark::RegisterBenchmark(("BM_" + name + "/decimal128").c_str(),
                                 [op](benchmark::State& s) { decimal128Op(s, op); });
    benchmark::RegisterBenchmark(("BM_" + name + "/cpp_dec_float_50").c_str(),
                                 [op](benchmark::State& s) { float50Op(s, op); });
}

// --- Power ---------------------------------------------------------------------------

void registerPower(const char16_t* x, const char16_t* y) {
    const std::string name =
        "BM_Power/" + QString::fromUtf16(x).toStdString() + "^" + QString::fromUtf16(y).toStdString();
    benchmark::RegisterBenchmark(name.c_str(), [x, y](benchmark::State& state) {
        const cesuan::CalcValue base(x), exponent(y);
        cesuan::CalcErrorJournal journal;
        for (auto _ : state) {
            cesuan::ResetJournal(journal);
            cesuan::CalcValue r = cesuan::PowerOf(journal, base, exponent);
            benchmark::DoNotOptimize(r);
        }
        cesuan::ResetJournal(journal);
        const cesuan::CalcValue r = cesuan::PowerOf(journal, base, exponent);
        state.SetLabel("= " + r.text().toStdString() + (journal.errorCount ? " (failed)" : ""));
    });
}

}  // namespace

int main(int argc, char** argv) {
    checkSameValues();
    registerOperation("Add", Add{});
    registerOperation("Subtract", Subtract{});
    registerOperation("Multiply", Multiply{});
    registerOperation("Divide", Divide{});
    registerPower(u"1.0000001", u"100000000");
    registerPower(u"2", u"0.5");
    registerPower(u"1.0001", u"5000");

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
