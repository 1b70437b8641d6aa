#include "core/population.h"

#include <cmath>
#include <optional>
#include <utility>

#include "core/number_text.h"
#include "core/vector_unit.h"

namespace torvi::core {
namespace {

CalculationOutcome refuse(Refusal refusal, EntryBox box = EntryBox::None, int boxIndex = 0) {
    return CalculationOutcome{refusal, box, boxIndex};
}

}  // namespace

template <int Steps>
CalculationOutcome calculatePopulations(const CalculationInput& input,
                                        PopulationRecord<Steps>& record,
                                        const CalculationOptions& options) {
    // The count and every text are checked before the record is touched.
    const int count = countFromText(input.countText);
    const int maxConformers = std::min(options.maxConformers, kConformerSlots - 1);
    if (count < 1 || count > maxConformers || count > static_cast<int>(input.energyTexts.size())) {
        return refuse(Refusal::CountOutOfRange);
    }
    const std::optional<double> first = parseNumber(input.lowKelvinText);
    if (!first) return refuse(Refusal::InvalidEntry, EntryBox::Kelvin, 0);
    const std::optional<double> second = parseNumber(input.highKelvinText);
    if (!second) return refuse(Refusal::InvalidEntry, EntryBox::Kelvin, 1);
    std::vector<double> typedEnergy(static_cast<std::size_t>(count) + 1, 0.0);
    for (int i = 1; i <= count; ++i) {
        const std::optional<double> value = parseNumber(input.energyTexts[i - 1]);
        if (!value) return refuse(Refusal::InvalidEntry, EntryBox::Energy, i);
        typedEnergy[i] = *value;
    }

    // Steps 1 to 3: the count and the limits, put in order; the boxes keep the user's order.
    record.conformerCount = static_cast<std::int16_t>(count);
    record.tempLow = *first;
    record.tempHigh = *second;
    int lowBox = 0;
    if (record.tempHigh < record.tempLow) {
        std::swap(record.tempLow, record.tempHigh);
        lowBox = 1;
    }

    // Step 4: the range must be usable before anything else is written.
    if (record.tempHigh == record.tempLow && !options.acceptEqualLimits) {
        return refuse(Refusal::EqualLimits, EntryBox::Kelvin, 0);
    }
    if (record.tempLow <= 0)
        return refuse(Refusal::TemperatureNotPossible, EntryBox::Kelvin, lowBox);
    if (!std::isfinite(kGasConstant * record.tempHigh)) {
        return refuse(Refusal::NonFinite, EntryBox::Kelvin, 1 - lowBox);
    }
    double lowestEnergy = typedEnergy[1] * 1000;
    double highestEnergy = lowestEnergy;
    for (int i = 1; i <= count; ++i) {
        const double energy = typedEnergy[i] * 1000;
        if (!std::isfinite(energy)) return refuse(Refusal::NonFinite, EntryBox::Energy, i);
        lowestEnergy = std::min(lowestEnergy, energy);
        highestEnergy = std::max(highestEnergy, energy);
    }
    if (!std::isfinite(highestEnergy - lowestEnergy)) {
        return refuse(Refusal::NonFinite, EntryBox::Energy, 1);
    }

    // The step between two temperature points.
    record.tempStep = (record.tempHigh - record.tempLow) / Steps;

    // Steps 6 to 8: energies in cal/mol, the lowest one, and each relative to it.
    for (int i = 1; i <= count; ++i) record.energy.set(i, typedEnergy[i] * 1000);
    record.minEnergy = record.energy[1];
    for (int i = 1; i <= count; ++i) {
        if (record.energy[i] < record.minEnergy) record.minEnergy = record.energy[i];
    }
    for (int i = 1; i <= count; ++i)
        record.relativeEnergy.set(i, record.energy[i] - record.minEnergy);

    // Step 9: at every point the partition sum, then each conformer's share of it.
    prepareVectorUnit();
    for (int j = 0; j <= Steps; ++j) {
        const double temperature = record.tempLow + j * record.tempStep;
        double partitionSum = 0;
        for (int i = 1; i <= count; ++i) {
            partitionSum += std::exp((-record.relativeEnergy[i]) / (kGasConstant * temperature));
        }
        record.partitionSum.set(j, partitionSum);
        for (int i = 1; i <= count; ++i) {
            const double factor =
                std::exp((-record.relativeEnergy[i]) / (kGasConstant * temperature));
            record.population.set(j, i, (factor * options.scale) / partitionSum);
        }
    }
    return {};
}

template CalculationOutcome calculatePopulations<100>(const CalculationInput&,
                                                      PopulationRecord<100>&,
                                                      const CalculationOptions&);
template CalculationOutcome calculatePopulations<5000>(const CalculationInput&,
                                                       PopulationRecord<5000>&,
                                                       const CalculationOptions&);

}  // namespace torvi::core
