#pragma once
// An exercise: what a student enters for a lesson (the energies with their unit and the
// temperature range), kept in a small UTF-8 text file (.torvi) that a teacher hands out.
//
//   Torvi exercise 1
//   # Butane: anti and two gauche conformers
//   unit kcal/mol
//   energies 0 0,6 0,6
//   from -50
//   to 30
//
// The first line names the format and its version. Then one entry a line, each once, in any
// order: "unit" (kcal/mol, the default, or kJ/mol), "energies" (1 to 10 numbers, apart by blanks),
// "from" and "to" (the range in °C). Numbers are written as the boxes show them, with the decimal
// comma. Blank lines and lines starting with "#" are ignored; lines may end in CR LF.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/units.h"

namespace torvi::core {

struct Exercise {
    EnergyUnit unit = EnergyUnit::KcalPerMol;
    std::vector<std::string> energies;  // as typed in the boxes
    std::string from = "-50";           // °C
    std::string to = "30";
    friend bool operator==(const Exercise&, const Exercise&) = default;
};

// Why a file is not an exercise, and the line (from 1) where that shows.
struct ExerciseError {
    int line = 0;
    std::string reason;
    friend bool operator==(const ExerciseError&, const ExerciseError&) = default;
};

inline constexpr int kExerciseFormat = 1;
inline constexpr std::size_t kLargestExercise = 64 * 1024;  // bytes: anything longer is foreign

std::variant<Exercise, ExerciseError> readExercise(std::string_view text);
// The file's text; reading it back gives the same exercise.
std::string writeExercise(const Exercise& exercise);

}  // namespace torvi::core
