// Feeds arbitrary texts and doubles to the number text conversions and checks their promises.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/number_text.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// The value as formatNumber means it: rounded to 15 significant digits.
double roundedTo15Digits(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torvi::core;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    check(pointToComma(text).size() == text.size(), "pointToComma keeps the length");
    check(pointToComma(text).find('.') == std::string::npos, "pointToComma leaves no point");
    check(!std::isnan(leadingValue(text)), "leadingValue gives a number");
    countFromText(text);

    if (const auto parsed = parseNumber(text)) {
        check(std::isfinite(*parsed), "parseNumber gives finite values only");
        const std::string written = formatNumber(*parsed);
        const double rounded = roundedTo15Digits(*parsed);
        if (std::isfinite(rounded))
            check(parseNumber(written) == rounded, "formatNumber parses back");
    }

    // The raw bytes as a double, when there are enough of them.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const std::string written = formatNumber(value);
            const auto back = parseNumber(written);
            const double rounded = roundedTo15Digits(value);
            // Only the very ends of the range round to a value beyond it.
            if (std::isfinite(rounded)) {
                check(back == rounded, "formatNumber round trip to 15 digits");
            } else {
                check(!back.has_value(), "a text beyond the double range does not parse");
            }
            check(written.find('.') == std::string::npos, "formatNumber writes no point");
        }
    }
    return 0;
}
