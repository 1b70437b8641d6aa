// Exercise files: what a teacher's file gives back, and for a damaged, truncated or foreign file
// the line and the reason the message names.

#include <gtest/gtest.h>

#include "core/exercise.h"

namespace torvi::core {
namespace {

TEST(Exercise, WrittenAndReadBack) {
    const Exercise exercise{EnergyUnit::KjPerMol, {"0", "2,51", "-1,5E-3"}, "-20,5", "80"};
    const std::string text = writeExercise(exercise);
    EXPECT_EQ(text, "Torvi exercise 1\nunit kJ/mol\nenergies 0 2,51 -1,5E-3\nfrom -20,5\nto 80\n");
    const auto read = readExercise(text);
    ASSERT_TRUE(std::holds_alternative<Exercise>(read)) << std::get<ExerciseError>(read).reason;
    EXPECT_EQ(std::get<Exercise>(read), exercise);
}

TEST(Exercise, AsATeacherMightWriteIt) {
    const auto read = readExercise(
        "Torvi exercise 1\r\n# Butane\r\n\r\n  to 30 \r\nenergies\t0  0,6 0,6\r\nfrom -50");
    ASSERT_TRUE(std::holds_alternative<Exercise>(read)) << std::get<ExerciseError>(read).reason;
    EXPECT_EQ(std::get<Exercise>(read),
              (Exercise{EnergyUnit::KcalPerMol, {"0", "0,6", "0,6"}, "-50", "30"}));
}

TEST(Exercise, DamagedTruncatedOrForeignFilesNameTheLine) {
    const std::string head = "Torvi exercise 1\n";
    const std::string whole = head + "energies 0 1\nfrom -50\nto 30\n";
    const struct {
        std::string text;
        ExerciseError error;
    } rows[] = {
        {"", {1, "it is not a Torvi exercise"}},
        {"<html>\n", {1, "it is not a Torvi exercise"}},
        {"Torvi exercise 2\n" + whole.substr(head.size()),
         {1, "it has a format this Torvi does not know (2)"}},
        {head + "energies 0 1\nfrom -50\n", {4, "the file ends without \"to\""}},
        {head + "from -50\nto 30", {3, "the file ends without \"energies\""}},
        {head + "energies 0 1\nenergies 2\n", {3, "\"energies\" is given twice"}},
        {head + "energy 0\n", {2, "\"energy\" is no entry of an exercise"}},
        {head + "energies\n", {2, "an exercise has 1 to 10 energies"}},
        {head + "energies 0 1 2 3 4 5 6 7 8 9 10\n", {2, "an exercise has 1 to 10 energies"}},
        {head + "energies 0 one\n", {2, "\"one\" is not a number"}},
        {head + "\nfrom -50 30\n", {3, "\"from\" needs one number (°C)"}},
        {head + "unit kcal\n", {2, "the unit must be kcal/mol or kJ/mol"}},
        {head + "energies 0\nto -273,16\n", {3, "\"to\" is below absolute zero"}},
        {head + "# \xC3\xA9t\xC3\xA9\nfrom \xFF\n", {3, "it is not UTF-8 text"}},
        {head + "# cut \xE2\x82", {2, "it is not UTF-8 text"}},
        {head + "# overlong \xC0\xAF\n", {2, "it is not UTF-8 text"}},
        {head + std::string(kLargestExercise, '#'), {1, "it is too large for an exercise"}},
    };
    for (const auto& row : rows) {
        const auto read = readExercise(row.text);
        ASSERT_TRUE(std::holds_alternative<ExerciseError>(read)) << row.text;
        EXPECT_EQ(std::get<ExerciseError>(read), row.error) << row.text;
    }
}

}  // namespace
}  // namespace torvi::core
