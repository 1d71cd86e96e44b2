#include "radix/radix_arithmetic.h"

#include "engine/arithmetic.h"
#include "engine/power.h"
#include "radix/radix.h"

#include <cstdint>
#include <optional>

namespace cesuan {
namespace {

// A non-negative decimal as a 32-bit signed integer: rounded to the nearest integer with
// halves to the even neighbour; empty when that is 2147483648 or more.
std::optional<std::int64_t> toInt32(Decimal96 d) {
    uint128 power = 1;
    for (int i = 0; i < d.scale(); ++i) power *= 10;
    uint128 q = d.coefficient() / power;
    const uint128 r = d.coefficient() % power;
    if (2 * r > power || (2 * r == power && (q & 1) != 0)) ++q;
    if (q >= (uint128(1) << 31)) return std::nullopt;
    return d.isNegative() ? -std::int64_t(q) : std::int64_t(q);
}

// The absolute value of a decimal, through its text without the leading "-".
std::optional<std::int64_t> absoluteInt32(const Decimal96& value) {
    const auto a = CalcValue(StripLeadingMinus(CalcValue(value).text())).toDecimal();
    if (!a) return std::nullopt;
    return toInt32(*a);
}

QString toBinary(CalcErrorJournal& journal, const QString& text, int radix) {
    switch (radix) {
    case 8: return OctToBin(journal, text);
    case 10: return DecToBin(journal, CalcValue(text)).text();
    case 16: return HexToBin(journal, text);
    default: return text;
    }
}

QString fromBinary(CalcErrorJournal& journal, const QString& binary, int radix) {
    switch (radix) {
    case 8: return BinToOct(journal, binary);
    case 10: return BinToDec(journal, binary).text();
    case 16: return BinToHex(journal, binary);
    default: return binary;
    }
}


}  // namespace

bool IsBitwise(RadixOperation op) {
    using Op = RadixOperation;
    return op == Op::And || op == Op::Or || op == Op::Not || op == Op::Xor || op == Op::AndNot || op == Op::OrNot;
}

QString ConvertRadix(CalcErrorJournal& journal, const QString& text, int from, int to) {
    if (from == to) return text;
    if (from == 2) return fromBinary(journal, text, to);
    const QString binary = toBinary(journal, text, from);
    return to == 2 ? binary : fromBinary(journal, binary, to);
}

bool ComputeInRadix(CalcErrorJournal& journal, int radix, RadixOperation operation, RadixComputation& c) {
    using Operation = RadixOperation;

    // Read the data and write it back in its normal form.
    std::optional<Decimal96> d1, d2;
    switch (radix) {
    case 2:
        if (!(d1 = BinToDec(journal, c.data1).toDecimal())) return false;
        c.value1 = *d1;
        if (!(d2 = BinToDec(journal, c.data2).toDecimal())) return false;
        c.value2 = *d2;
        c.data1 = DecToBin(journal, c.value1).text();
        c.data2 = DecToBin(journal, c.value2).text();
        break;
    case 8:
    case 16: {
        const QString b1 = toBinary(journal, c.data1, radix);
        const QString b2 = toBinary(journal, c.data2, radix);
        c.data1 = fromBinary(journal, b1, radix);
        c.data2 = fromBinary(journal, b2, radix);
        if (!(d1 = BinToDec(journal, b1).toDecimal())) return false;
        c.value1 = *d1;
        if (!(d2 = BinToDec(journal, b2).toDecimal())) return false;
        c.value2 = *d2;
        break;
    }
    default:  // 10
        if (!(d1 = CalcValue(c.data1).toDecimal())) return false;
        c.value1 = *d1;
        if (!(d2 = CalcValue(c.data2).toDecimal())) return false;
        c.value2 = *d2;
        c.data1 = c.value1.text();
        c.data2 = c.value2.text();
        break;
    }

    // Apply the operation.
    std::optional<Decimal96> decimal;
    const auto negated = [](std::int64_t r) { return multiply(Decimal96(-1), Decimal96(r)); };
    const auto logical = [&](auto bitwise, auto negate) -> std::optional<Decimal96> {
        const auto a1 = absoluteInt32(*d1);
        const auto a2 = absoluteInt32(*d2);
        if (!a1 || !a2) return std::nullopt;
        const std::int64_t r = bitwise(*a1, *a2);
        return negate(d1->isNegative(), d2->isNegative()) ? negated(r) : Decimal96(r);
    };
    const auto bitAnd = [](std::int64_t a, std::int64_t b) { return a & b; };
    const auto bitOr = [](std::int64_t a, std::int64_t b) { return a | b; };
    const auto bitXor = [](std::int64_t a, std::int64_t b) { return a ^ b; };
    const auto both = [](bool n1, bool n2) { return n1 && n2; };
    const auto either = [](bool n1, bool n2) { return n1 || n2; };
    const auto one = [](bool n1, bool n2) { return n1 != n2; };
    switch (operation) {
    case Operation::Add: decimal = add(*d1, *d2); break;
    case Operation::Subtract: decimal = subtract(*d1, *d2); break;
    case Operation::Multiply: decimal = multiply(*d1, *d2); break;
    case Operation::Divide: decimal = divide(*d1, *d2); break;
    case Operation::Power: c.result = PowerOf(journal, c.value1, c.value2); break;
    case Operation::Remainder: c.result = RemainderTwo(journal, c.value1, c.value2); break;
    case Operation::And: decimal = logical(bitAnd, both); break;
    case Operation::Or: decimal = logical(bitOr, either); break;
    case Operation::Xor: decimal = logical(bitXor, one); break;
    case Operation::Not: c.result = BinaryNot(journal, c.value2); break;
    case Operation::AndNot:
    case Operation::OrNot: {
        const auto inner = operation == Operation::AndNot ? logical(bitAnd, both) : logical(bitOr, either);
        if (!inner) return false;
        c.result = BinaryNot(journal, *inner);
        break;
    }
    }
    const bool decimalOperation = operation == Operation::Add || operation == Operation::Subtract ||
                                  operation == Operation::Multiply || operation == Operation::Divide ||
                                  operation == Operation::And || operation == Operation::Or ||
                                  operation == Operation::Xor;
    if (decimalOperation) {
        if (!decimal) return false;
        c.result = *decimal;
    }

    // Write the result in the data radix.
    if (radix == 10)
        c.resultText = c.result.trimmedText();
    else
        c.resultText = fromBinary(journal, DecToBin(journal, c.result).text(), radix);
    return true;
}

}  // namespace cesuan
