#pragma once
// Conversions between doubles and text, written once for both builds so that the native program
// and the Windows DLL show the same digits byte for byte, whatever their C runtimes would print.
// Every finite text written here reads back through ParseDecimal to exactly the decimal value it
// shows, rounded to the nearest double.
//
// Every text is written into pszOut as far as cbOut bytes allow with the terminator: a longer one
// is cut short, and it is always terminated unless cbOut is 0. A precision outside its range is
// taken as the nearest end of the range.

#include "engine/text.h"

#include <cstddef>
#include <cstdint>

// The text of the platform's _gcvt with nDigits significant digits (1 to 17): the notation C's
// "%.<nDigits>g" chooses after rounding, fixed for decimal exponents -4 to nDigits - 1, otherwise
// exponential; trailing zeros and a trailing point dropped; an exponent written with its sign
// and at least three digits ("1e-005"). Rounds to nearest, ties to even.
void FormatGeneral(double dblValue, int nDigits, char* pszOut, size_t cbOut);

// C's "%.<nPrecision>e" (nPrecision 0 to 16) with an exponent of at least three digits:
// 1e16 with 14 gives "1.00000000000000e+016", 0 gives "0.00000000000000e+000".
void FormatExponential(double dblValue, int nPrecision, char* pszOut, size_t cbOut);

// C's "%.<nDecimals>f" (nDecimals 0 to 16), exact for every magnitude: 1e300 has 301 digits.
void FormatFixed(double dblValue, int nDecimals, char* pszOut, size_t cbOut);

// Non-finite values give "1.#INF", "-1.#INF", "1.#QNAN" or "-1.#QNAN" in all three formats, as
// the platform's runtime writes them; a text with '#' is never a number.

// wcstod: leading white space, an optional sign, decimal digits with an optional point and an
// optional exponent, the longest valid prefix, correctly rounded (to nearest, ties to even).
// No valid prefix ("", ".", "-") gives 0; "2e+" reads as 2; beyond the double range gives an
// infinite value, below it 0 or a subnormal.
double ParseDecimal(const WideChar* pszText);

// wcstoul for a 32-bit unsigned long with base 2, 8, 10 or 16: leading white space, an optional
// sign, an optional "0x" in base 16, the longest run of digits of the base (letters in either
// case). A magnitude above 4294967295 gives 4294967295; otherwise a leading '-' negates modulo
// 2^32. No digits give 0. Any base from 2 to 36 works alike; others give 0.
uint32_t ParseUnsigned(const WideChar* pszText, int nBase);

// A finite value truncated toward zero and wrapped modulo 2^32; non-finite values give 0.
uint32_t DoubleToUnsigned32(double dblValue);

// "%u", "%X" and "%o" for bases 10, 16 and 8, and the binary digits from the highest set bit
// ("0" for 0) for base 2; any other base writes decimal.
void FormatUnsigned(uint32_t uValue, int nBase, char* pszOut, size_t cbOut);

// "%d".
void FormatSigned(long nValue, char* pszOut, size_t cbOut);
