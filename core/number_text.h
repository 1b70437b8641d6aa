#pragma once
// The conversions between numbers and texts. Energies and temperatures are written with the
// decimal comma; the count box is read with the decimal point.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torvi::core {

// Reads the number at the start of a text ("." is the decimal point, blanks are skipped, an
// exponent is allowed) and ignores the rest; 0 when the text does not start with a number.
// Never fails: magnitudes beyond the double range saturate at the largest finite double.
double leadingValue(std::string_view text);

// Reads a whole text as a number with "," as decimal separator and "." as an ignored digit-group
// separator; blanks around it, a leading sign and an exponent are allowed. Empty when the text is
// not such a number or its value does not fit a double.
std::optional<double> parseNumber(std::string_view text);

// Writes a value rounded to 15 significant digits with "," as decimal separator, no trailing
// zeros and no group separators; exponent form (1E+15, 1E-05) for very large and small values.
std::string formatNumber(double value);

// Replaces every "." with ","; the length and every other character stay the same.
std::string pointToComma(std::string_view text);

// A count typed as text: leadingValue rounded to the nearest integer, halves to the even one,
// as a 16-bit signed integer. Values beyond the 16-bit range saturate at its ends, never wrap.
std::int16_t countFromText(std::string_view text);

// The general numeric text behind formatNumber and the displays' short number texts: at most 15
// significant digits, the given decimal separator, and a zero before the separator for
// magnitudes below 1 only when leadingZero is set.
std::string generalNumberText(double value, char decimalSeparator, bool leadingZero);

// 10 to the power k, the double nearest to it wherever a double can hold it, on every system (a
// C library's pow may miss it by a unit in the last place, and 0,000123 would then show as
// 1,22 E-4).
double powerOfTen(int k);

}  // namespace torvi::core
