#include "results/display_rules.h"

#include <cmath>

#include "core/number_text.h"
#include "ui/print_target.h"

namespace torvi::results {

EnergyDisplay energyDisplay(double energy) {
    if (ui::characterCount(ui::shortText(energy)) <= 7) return {energy, false, 0};
    const double magnitude = std::fabs(energy);
    int exponent = 0;
    if (magnitude >= 1) {
        double q = 100;
        int k = 0;
        while (q > 10) {
            q = magnitude / core::powerOfTen(k);
            ++k;
        }
        exponent = k - 1;
    } else {
        double q = 0.01;
        int k = 0;
        while (q < 1) {
            q = magnitude / core::powerOfTen(k);
            --k;
        }
        exponent = k + 1;
    }
    const double mantissa = std::floor(energy / core::powerOfTen(exponent) * 100) / 100;
    return {mantissa, true, exponent};
}

std::string energyLegendText(const std::string& typed) {
    const EnergyDisplay display = energyDisplay(core::parseNumber(typed).value_or(0));
    const std::string shown = core::formatNumber(display.shown);
    return display.longForm ? shown + " E" + ui::shortText(display.exponent) : shown;
}

double roundHalfUp2(double value) {
    const double hundredths = value * 100;
    // A value too large to be scaled has no hundredths to round: it stays as it is, not infinite.
    if (!std::isfinite(hundredths)) return value;
    double rounded = std::floor(hundredths);
    if (hundredths - rounded >= 0.5) rounded += 1;
    return rounded / 100;
}

double temperatureCell(const core::CalculationState& state, int point, core::TemperatureUnit unit) {
    const double kelvin = state.tempLow + point * state.tempStep;
    if (unit == core::TemperatureUnit::Kelvin) return roundHalfUp2(kelvin);
    return roundHalfUp2(kelvin - core::kKelvinOffset);
}

double populationCell(const core::CalculationState& state, int point, int conformer) {
    return roundHalfUp2(state.population(point, conformer));
}

int tableWidth(double conformerCount) {
    return conformerCount <= 7 ? 8500 : static_cast<int>(8500 + 950 * (conformerCount - 7));
}

}  // namespace torvi::results
