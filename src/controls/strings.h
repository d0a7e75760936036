#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Text helpers with the semantics the program's logic is written against: numbers read from boxes,
// rounding, and the replace, search, split and trim rules of its string functions. Positions are
// 1-based where a search result is concerned (0 = not found) and count UTF-16 units, CR and LF as one
// unit each.
namespace strings {

// Reads the decimal number at the start of a text: leading blanks, tabs and line feeds, then an
// optional sign, digits and an optional decimal point with digits. Reading stops at the first
// character that cannot continue the number (a blank inside it, an "e", a "&H"). An empty or
// non-numeric text gives 0.
double Val(const QString &text);

// Rounds to the nearest whole number, a half to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// The whole part of a number (its fraction dropped, towards zero) as a 32-bit whole number; empty
// when the number is not finite or its whole part does not fit. Every count, size and position read
// from a box or a stored value becomes a whole number through it (or through toWhole and
// toInteger16, which round, with the same guard), so that no text (a run of 400 digits) can make
// an undefined conversion: the caller treats an empty result as a value it refuses.
std::optional<int> truncated(double value);

// Rounds half to even and converts to a 32-bit whole number; empty when the result does not fit.
std::optional<int> toWhole(double value);

// Rounds half to even and converts to a 16-bit whole number, as a scroll bar value must be; empty when
// the result does not fit.
std::optional<int> toInteger16(double value);

// Decimal text of a whole number, no blanks, "-" for negatives.
QString str(long long value);

// Replaces every occurrence of `find` (exact, case-sensitive, left to right, not rescanned). An empty
// `find` leaves the text unchanged.
QString replace(const QString &text, const QString &find, const QString &with);

// 1-based position of the first occurrence of `find` at or after 1-based `start`, 0 when there is none.
// An empty `find` gives `start` when start lies within the text (or just after it), else 0.
int inStr(int start, const QString &text, const QString &find);
inline int inStr(const QString &text, const QString &find) { return inStr(1, text, find); }

// 1-based position of the last occurrence, 0 when none.
int inStrRev(const QString &text, const QString &find);

// Splits at every occurrence of `delimiter`. An empty text gives an empty list; an empty delimiter gives
// a list holding the whole text.
QStringList split(const QString &text, const QString &delimiter);

// Removes blanks (U+0020 only; tabs and line ends stay) at both ends, the start or the end.
QString trim(const QString &text);
QString ltrim(const QString &text);
QString rtrim(const QString &text);

// The substring from 1-based `start`, `length` units long (or to the end when length < 0); positions
// beyond the text give an empty text.
QString mid(const QString &text, int start, int length = -1);

// Number of non-overlapping occurrences of `find` in `text` (0 for an empty find).
int countOf(const QString &text, const QString &find);

} // namespace strings
