#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

// Floating-point to_chars and from_chars where the standard library has them (libstdc++, on Linux
// and in the MinGW build); elsewhere (Emscripten's libc++) fast_float parses, with the same
// results, and printf's %.15g, which general 15-digit to_chars is defined as, formats: the
// browser's runtime writes it with a point whatever the locale.
#if (defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L) && \
    !defined(TORVI_PORTABLE_NUMBER_TEXTS)
#define TORVI_STANDARD_CHARCONV 1
#else
#include <fast_float/fast_float.h>

#include <cstdio>
#endif

namespace torvi::core {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Exponents beyond this are far outside the double range whatever the digits are; saturating
// here keeps the arithmetic on exponents free of overflow.
constexpr long kExponentLimit = 100000;

// The parts of a decimal number as read from a text.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long exponent = 0;
};

// Reads exponent digits starting at text[pos], saturating; returns the position after them.
std::size_t readExponentDigits(std::string_view text, std::size_t pos, long& value) {
    value = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        value = std::min(kExponentLimit, value * 10 + (text[pos] - '0'));
        ++pos;
    }
    return pos;
}

// The value of the parts, correctly rounded. Empty when the magnitude is beyond the largest
// double; a magnitude below the smallest one gives zero.
std::optional<double> toDouble(const DecimalParts& parts) {
    std::string digits = parts.integerDigits + parts.fractionDigits;
    const auto firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return parts.negative ? -0.0 : 0.0;

    // The value lies in [10^(decimalExponent - 1), 10^decimalExponent).
    const long significantIntegerDigits =
        static_cast<long>(parts.integerDigits.size()) - static_cast<long>(firstNonZero);
    const long decimalExponent = parts.exponent + significantIntegerDigits;

    std::string text;
    if (parts.negative) text += '-';
    text += parts.integerDigits.empty() ? "0" : parts.integerDigits;
    if (!parts.fractionDigits.empty()) text += "." + parts.fractionDigits;
    text += "e" + std::to_string(parts.exponent);

    double value = 0;
#ifdef TORVI_STANDARD_CHARCONV
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
#else
    // fast_float gives an overflow as infinity and an underflow as zero, without an error.
    const auto [end, error] = fast_float::from_chars(text.data(), text.data() + text.size(), value);
#endif
    if (error == std::errc::result_out_of_range) {
        if (decimalExponent < 0) return parts.negative ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

double leadingValue(std::string_view text) {
    // Blanks are skipped wherever they stand.
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!isBlank(c)) compact += c;
    }

    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < compact.size() && (compact[pos] == '+' || compact[pos] == '-')) {
        parts.negative = compact[pos] == '-';
        ++pos;
    }
    while (pos < compact.size() && isDigit(compact[pos])) parts.integerDigits += compact[pos++];
    if (pos < compact.size() && compact[pos] == '.') {
        ++pos;
        while (pos < compact.size() && isDigit(compact[pos]))
            parts.fractionDigits += compact[pos++];
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return 0;

    // An exponent counts only when digits follow the letter and its sign.
    if (pos < compact.size() && (compact[pos] == 'e' || compact[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        bool negativeExponent = false;
        if (exponentPos < compact.size() &&
            (compact[exponentPos] == '+' || compact[exponentPos] == '-')) {
            negativeExponent = compact[exponentPos] == '-';
            ++exponentPos;
        }
        if (exponentPos < compact.size() && isDigit(compact[exponentPos])) {
            readExponentDigits(compact, exponentPos, parts.exponent);
            if (negativeExponent) parts.exponent = -parts.exponent;
        }
    }

    if (const auto value = toDouble(parts)) return *value;
    const double largest = std::numeric_limits<double>::max();
    return parts.negative ? -largest : largest;
}

std::optional<double> parseNumber(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string_view body = text.substr(begin, end - begin);

    DecimalParts parts;
    std::size_t pos = 0;
    if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) {
        parts.negative = body[pos] == '-';
        ++pos;
    }
    // Digits among which "." stands as an ignored group separator, anywhere.
    while (pos < body.size() && (isDigit(body[pos]) || body[pos] == '.')) {
        if (body[pos] != '.') parts.integerDigits += body[pos];
        ++pos;
    }
    if (pos < body.size() && body[pos] == ',') {
        ++pos;
        while (pos < body.size() && isDigit(body[pos])) parts.fractionDigits += body[pos++];
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return std::nullopt;

    if (pos < body.size() && (body[pos] == 'e' || body[pos] == 'E')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < body.size() && (body[pos] == '+' || body[pos] == '-')) {
            negativeExponent = body[pos] == '-';
            ++pos;
        }
        if (pos >= body.size() || !isDigit(body[pos])) return std::nullopt;
        pos = readExponentDigits(body, pos, parts.exponent);
        if (negativeExponent) parts.exponent = -parts.exponent;
    }
    if (pos != body.size()) return std::nullopt;
    return toDouble(parts);
}

std::string generalNumberText(double value, char decimalSeparator, bool leadingZero) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";  // negative zero too

    char buffer[64];
#ifdef TORVI_STANDARD_CHARCONV
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
#else
    const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer, static_cast<std::size_t>(std::max(length, 0)));
#endif
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
        if (c == 'e') c = 'E';
    }
    if (!leadingZero) {
        const std::size_t zero = text[0] == '-' ? 1 : 0;
        if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == decimalSeparator) {
            text.erase(zero, 1);
        }
    }
    return text;
}

std::string formatNumber(double value) {
    return generalNumberText(value, ',', true);
}

std::string pointToComma(std::string_view text) {
    std::string result(text);
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

std::int16_t countFromText(std::string_view text) {
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const double rounded = std::nearbyint(leadingValue(text));
    const double low = std::numeric_limits<std::int16_t>::min();
    const double high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(rounded, low, high));
}

double powerOfTen(int k) {
    // The compiler turns each literal into the nearest double.
    static constexpr double kPowers[] = {
        1e-22, 1e-21, 1e-20, 1e-19, 1e-18, 1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11,
        1e-10, 1e-9,  1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,   1e1,
        1e2,   1e3,   1e4,   1e5,   1e6,   1e7,   1e8,   1e9,   1e10,  1e11,  1e12,  1e13,
        1e14,  1e15,  1e16,  1e17,  1e18,  1e19,  1e20,  1e21,  1e22};
    if (k >= -22 && k <= 22) return kPowers[k + 22];
    return std::pow(10.0, k);
}

}  // namespace torvi::core
