#pragma once
// The texts the entry rules of Data Input show, each written once here.

namespace torvi::input::messages {

inline constexpr char kNotAnInteger[] = "Number of conformers must be an Integer";
inline constexpr char kTooManyConformers[] = "Maximum number of conformers in this mode is 10!";
inline constexpr char kWrongNumber[] = "Something is wrong with your number!";
inline constexpr char kImpossibleTemperature[] = "This temperature is not possible. Please check!";

}  // namespace torvi::input::messages
