#pragma once
// Radix conversions through binary text, for the base calculator.
//
// A radix text is an optional "-" in the first place, digits of its radix, and optionally
// one "." followed by more digits. Numbers are signed magnitudes: the "-" is carried
// through and the digits describe the absolute value; there is no two's complement.
// Octal and hexadecimal go to and from binary digit group by digit group (3 or 4 bits, no
// arithmetic); decimal goes to and from binary by summing or subtracting powers of two in
// decimal arithmetic (powers from PowerOf). Upper-case letters in every result.
//
// The routines that read a radix text first take its accepted prefix: blanks trimmed
// (HexToBin also upper-cases), then the characters from the first while they belong to the
// routine's alphabet, "." anywhere and however often, "-" in the first place only; the rest
// is ignored. Alphabets: "0" "1" for BinToHex, BinToOct and BinToDec; "0".."9" "A".."F"
// for HexToBin and OctToBin (octal meets 8, 9 and letters later, as a failure). An empty
// prefix gives "0" (BinToDec: the number 0).
//
// A failed conversion adds a notice naming the number and both radixes, raises errorCount
// of the journal by one (nothing else) and returns the text "-1"; the caller learns of the
// failure only through errorCount, since "-1" is also a valid number text.

#include "engine/calc_value.h"
#include "engine/journal.h"

#include <QString>

namespace cesuan {

// Binary to hexadecimal: groups of four bits from the point outwards; a short last fraction
// group is read padded with zeros on the right, and writes nothing when it holds zeros only.
// Leading zeros stay (00001 gives 01).
QString BinToHex(CalcErrorJournal& journal, const QString& binary);
// Hexadecimal to binary: every digit becomes four bits, leading zeros included.
QString HexToBin(CalcErrorJournal& journal, const QString& hexadecimal);
// Binary to octal: as BinToHex with groups of three, after dropping one leading "000" of
// the magnitude when it is not followed by "."; an empty magnitude gives "0".
QString BinToOct(CalcErrorJournal& journal, const QString& binary);
// Octal to binary: every digit becomes three bits.
QString OctToBin(CalcErrorJournal& journal, const QString& octal);

// Binary to decimal: the sum of the powers PowerOf(2, j-1) of the integer digits, then of
// PowerOf(0.5, k) of the fraction digits, in decimal. The number 0 for an empty accepted
// prefix, else the sum's text with the prefix's "-" ("-0" for a negative zero).
CalcValue BinToDec(CalcErrorJournal& journal, const QString& binary);
// Decimal to binary: up to 96 integer bits and 92 fraction bits (weights halved in decimal,
// so rounded to 28 places beyond 2^-28), trailing fraction zeros removed. The number 0
// when the trimmed text form is empty.
CalcValue DecToBin(CalcErrorJournal& journal, const CalcValue& x);

// The NOT of the base calculator: the binary digits of x inverted and its sign toggled
// (5 gives -2, -5 gives 2, 0 gives -1, 1 gives "-0"), as the text form of a decimal.
CalcValue BinaryNot(CalcErrorJournal& journal, const CalcValue& x);

// The trimmed text without its first character when that is "-" (blanks after it stay).
QString StripLeadingMinus(const QString& text);

// 减号数: the "-" of the trimmed text before its first "e" or "E".
int CountMinusSigns(CalcErrorJournal& journal, const QString& text);
// 点号数: the "." of the trimmed text before its first "e" or "E".
int CountPoints(CalcErrorJournal& journal, const QString& text);
// 判断数的有效019字符长度: the digits of the trimmed text, leading zeros included, up to its
// first character other than a digit, blank, ".", "+" or "-" (-00012.50 gives 7).
int DigitCharCount(CalcErrorJournal& journal, const QString& text);

// The characters of a number text that are no digits of the radix, each once, in order: a
// "-" first and one point are digits' company; a decimal may be any number text (sign,
// point, exponent), and when it is none its characters that cannot be part of one are named
// (the whole text when they all could). Empty for a text the radix reads whole.
QString InvalidRadixDigits(const QString& text, int radix);

}  // namespace cesuan
