#pragma once
// Number and text rules of the forms' original run time, kept in one place.
#include <QString>
#include <optional>

namespace mf::vb {

// Numeric value of a text: leading number only, blanks skipped, 0 when there is none.
// "110. 名称" gives 110, "0101" gives 101, "abc" gives 0, " 1 2" gives 12.
// Spaces, tabs and line feeds are skipped anywhere; sign, digits, one point and an exponent
// (E or D) are read; no hex. A value beyond the range of a double gives 0.
double val(const QString& s);

// Removes ASCII blanks (space only, as the run time's Trim) at both ends.
QString trim(const QString& s);
QString ltrim(const QString& s);
QString rtrim(const QString& s);

// Rounds to the nearest whole number, halves to the even one. Empty when the result does
// not fit the given range (an overflow is an error, never a wrap).
std::optional<qint64> roundEven(double x, qint64 lo, qint64 hi);
std::optional<qint16> toInt16(double x);
std::optional<qint32> toInt32(double x);

// Format with a fixed number of decimals: formatFixed(2.5, 3) == "2.500".
// Format "0.000" and the like. The value's 15 significant decimal digits are rounded,
// halves away from zero (2.675 gives "2.68"); a result of zero never carries a sign.
QString formatFixed(double x, int decimals);

// The general number form: up to 15 significant digits, no trailing zeros, no exponent
// for ordinary magnitudes ("12.5", "0.1"; "1E+16" and "1.5E-07" outside 1E-4 to 1E+15).
QString formatGeneral(double x);
// The same for single precision values (7 significant digits).
QString formatGeneralSingle(float x);

// Length of a text in GBK/GB18030 bytes (a Chinese character counts 2).
int byteLength(const QString& s);

// A number as typed by a user: blanks, optional sign, digits with at most one point (or a
// point and digits), optional exponent, blanks. No separators, currency, hex, nan or inf.
bool isNumeric(const QString& s);

// A date as typed by a user: yyyy-M-d, yyyy/M/d, yyyy.M.d or yyyy年M月d日 (日 optional),
// optional " H:mm[:ss]", from 1900-01-01 to 4000-01-01 at midnight, both included.
bool isDate(const QString& s);

} // namespace mf::vb
