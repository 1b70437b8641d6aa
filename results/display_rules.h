#pragma once
// How the results show numbers: typed energies in plain or mantissa-and-exponent form, and the
// two-decimal rounding of temperatures and populations.

#include <string>

#include "core/calculation_state.h"
#include "core/units.h"

namespace torvi::results {

// An energy as the results show it: the value itself when its short text has at most 7
// characters, else a mantissa with two decimals (floored) and a decimal exponent.
struct EnergyDisplay {
    double shown = 0;
    bool longForm = false;
    int exponent = 0;
};
EnergyDisplay energyDisplay(double energy);

// A typed energy as the graph's legend writes it: the shown value, and in the long form " E" and
// the exponent ("1,23 E 4").
std::string energyLegendText(const std::string& typed);

// Rounds to hundredths, an exact half upward (toward plus infinity), on the double as it is.
double roundHalfUp2(double value);

// The units a run's results name: the energies' as typed, the temperatures' as chosen to show.
struct ResultUnits {
    core::EnergyUnit energy = core::EnergyUnit::KcalPerMol;
    core::TemperatureUnit temperature = core::TemperatureUnit::Celsius;
};

// The cells of temperature point j (0 to 100): its temperature in degrees Celsius (or kelvin) and
// the population of a conformer, each rounded to hundredths.
double temperatureCell(const core::CalculationState& state, int point,
                       core::TemperatureUnit unit = core::TemperatureUnit::Celsius);
double populationCell(const core::CalculationState& state, int point, int conformer);

// Table width in twips for N conformers: 8500, and 950 more for each conformer beyond 7 (a count
// read from a box may have a fraction, which widens it in proportion).
int tableWidth(double conformerCount);

}  // namespace torvi::results
