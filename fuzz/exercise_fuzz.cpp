// Any bytes as an exercise file: the reader never fails other than with a reason and a line
// within the file, and what it accepts is written and read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace torvi::core;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = readExercise(text);
    if (const auto* error = std::get_if<ExerciseError>(&read)) {
        if (error->line < 1 || error->reason.empty()) std::abort();
        return 0;
    }
    const auto again = readExercise(writeExercise(std::get<Exercise>(read)));
    if (!std::holds_alternative<Exercise>(again) ||
        std::get<Exercise>(again) != std::get<Exercise>(read))
        std::abort();
    return 0;
}
