#include "core/exercise.h"

#include <algorithm>
#include <array>
#include <optional>

#include "core/calculation_state.h"
#include "core/number_text.h"

namespace torvi::core {
namespace {

constexpr std::string_view kMagic = "Torvi exercise ";

// Where the bytes stop being UTF-8 (a stray continuation byte, a cut or overlong sequence, a
// surrogate, a code beyond U+10FFFF), or npos when they never do.
std::size_t firstNonUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int extra = lead < 0x80                   ? 0
                          : lead >= 0xC2 && lead < 0xE0 ? 1
                          : lead >= 0xE0 && lead < 0xF0 ? 2
                          : lead >= 0xF0 && lead < 0xF5 ? 3
                                                        : -1;
        if (extra < 0 || at + extra >= text.size()) return at;
        unsigned code = lead & (0x7F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80) return at;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::array<unsigned, 4> smallest{0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return at;
        at += 1 + extra;
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::size_t at = 0; (at = text.find_first_not_of(" \t", at)) != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
        result.push_back(text.substr(at, end - at));
        at = end;
    }
    return result;
}

std::optional<std::string> number(std::string_view word) {
    if (!parseNumber(word)) return std::nullopt;
    return std::string(word);
}

}  // namespace

std::variant<Exercise, ExerciseError> readExercise(std::string_view text) {
    if (text.size() > kLargestExercise) return ExerciseError{1, "it is too large for an exercise"};
    if (const std::size_t bad = firstNonUtf8(text); bad != std::string_view::npos) {
        const auto lines = std::count(text.begin(), text.begin() + bad, '\n');
        return ExerciseError{1 + static_cast<int>(lines), "it is not UTF-8 text"};
    }
    Exercise exercise;
    bool seen[4] = {};  // unit, energies, from, to
    int line = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view content = text.substr(at, end - at);
        at = end + 1;
        ++line;
        if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
        content = trimmed(content);
        if (line == 1) {
            if (content.substr(0, kMagic.size()) != kMagic)
                return ExerciseError{1, "it is not a Torvi exercise"};
            const std::string_view version = content.substr(kMagic.size());
            if (version != std::to_string(kExerciseFormat))
                return ExerciseError{
                    1, "it has a format this Torvi does not know (" + std::string(version) + ")"};
            continue;
        }
        if (content.empty() || content.front() == '#') continue;
        const std::vector<std::string_view> parts = words(content);
        const std::string key(parts.front());
        const std::vector<std::string_view> values(parts.begin() + 1, parts.end());
        static constexpr std::array<std::string_view, 4> keys{"unit", "energies", "from", "to"};
        int which = -1;
        for (int k = 0; k < 4; ++k) {
            if (keys[k] == key) which = k;
        }
        if (which < 0) return ExerciseError{line, "\"" + key + "\" is no entry of an exercise"};
        if (seen[which]) return ExerciseError{line, "\"" + key + "\" is given twice"};
        seen[which] = true;
        if (which == 0) {
            if (values.size() != 1 || (values[0] != "kcal/mol" && values[0] != "kJ/mol"))
                return ExerciseError{line, "the unit must be kcal/mol or kJ/mol"};
            exercise.unit = values[0] == "kJ/mol" ? EnergyUnit::KjPerMol : EnergyUnit::KcalPerMol;
        } else if (which == 1) {
            if (values.empty() || values.size() > static_cast<std::size_t>(kMaxConformers))
                return ExerciseError{line, "an exercise has 1 to 10 energies"};
            for (const std::string_view value : values) {
                const auto energy = number(value);
                if (!energy)
                    return ExerciseError{line, "\"" + std::string(value) + "\" is not a number"};
                exercise.energies.push_back(*energy);
            }
        } else {
            const auto limit = values.size() == 1 ? number(values[0]) : std::nullopt;
            if (!limit) return ExerciseError{line, "\"" + key + "\" needs one number (°C)"};
            if (parseNumber(*limit).value_or(0) < -kKelvinOffset)
                return ExerciseError{line, "\"" + key + "\" is below absolute zero"};
            (which == 2 ? exercise.from : exercise.to) = *limit;
        }
    }
    for (int k = 1; k < 4; ++k) {
        static constexpr std::array<const char*, 4> names{"", "energies", "from", "to"};
        if (!seen[k])
            return ExerciseError{line, std::string("the file ends without \"") + names[k] + "\""};
    }
    return exercise;
}

std::string writeExercise(const Exercise& exercise) {
    std::string text = std::string(kMagic) + std::to_string(kExerciseFormat) + "\n";
    text += exercise.unit == EnergyUnit::KjPerMol ? "unit kJ/mol\n" : "unit kcal/mol\n";
    text += "energies";
    for (const std::string& energy : exercise.energies) text += " " + energy;
    return text + "\nfrom " + exercise.from + "\nto " + exercise.to + "\n";
}

}  // namespace torvi::core
