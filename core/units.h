#pragma once
// The units the results are read and shown in: energies in kcal/mol (the program's own) or kJ/mol,
// temperatures in degrees Celsius or kelvin.

namespace torvi::core {

enum class EnergyUnit { KcalPerMol, KjPerMol };
enum class TemperatureUnit { Celsius, Kelvin };

// The thermochemical calorie: 1 kcal = 4.184 kJ exactly.
inline constexpr double kKilojoulesPerKilocalorie = 4.184;

// An energy typed in a unit, in the kcal/mol the calculation uses.
inline double toKcalPerMol(double energy, EnergyUnit unit) {
    return unit == EnergyUnit::KjPerMol ? energy / kKilojoulesPerKilocalorie : energy;
}

// "kcal/mol" or "kJ/mol".
inline const char* unitName(EnergyUnit unit) {
    return unit == EnergyUnit::KjPerMol ? "kJ/mol" : "kcal/mol";
}
// "°C" or "K".
inline const char* unitName(TemperatureUnit unit) {
    return unit == TemperatureUnit::Kelvin ? "K" : "°C";
}

}  // namespace torvi::core
