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

// What the entry texts say, read and checked before the record is touched.
struct Entries {
    int count = 0;
    double first = 0;            // the lower kelvin box
    double second = 0;           // the upper kelvin box
    std::vector<double> energy;  // kcal/mol, conformers 1..count
};

CalculationOutcome readEntries(const CalculationInput& input, const CalculationOptions& options,
                               Entries& entries) {
    entries.count = countFromText(input.countText);
    const int maxConformers = std::min(options.maxConformers, kConformerSlots - 1);
    if (entries.count < 1 || entries.count > maxConformers ||
        entries.count > static_cast<int>(input.energyTexts.size())) {
        return refuse(Refusal::CountOutOfRange);
    }
    const std::optional<double> first = parseNumber(input.lowKelvinText);
    if (!first) return refuse(Refusal::InvalidEntry, EntryBox::Kelvin, 0);
    const std::optional<double> second = parseNumber(input.highKelvinText);
    if (!second) return refuse(Refusal::InvalidEntry, EntryBox::Kelvin, 1);
    entries.first = *first;
    entries.second = *second;
    entries.energy.assign(static_cast<std::size_t>(entries.count) + 1, 0.0);
    for (int i = 1; i <= entries.count; ++i) {
        const std::optional<double> value = parseNumber(input.energyTexts[i - 1]);
        if (!value) return refuse(Refusal::InvalidEntry, EntryBox::Energy, i);
        entries.energy[i] = toKcalPerMol(*value, input.unit);
    }
    return {};
}

// The count and the limits go into the record, the limits in order (the boxes keep the user's);
// then the range must be one the arithmetic can use.
template <int Steps>
CalculationOutcome takeRange(const Entries& entries, const CalculationOptions& options,
                             PopulationRecord<Steps>& record) {
    record.conformerCount = static_cast<std::int16_t>(entries.count);
    record.tempLow = entries.first;
    record.tempHigh = entries.second;
    int lowBox = 0;
    if (record.tempHigh < record.tempLow) {
        std::swap(record.tempLow, record.tempHigh);
        lowBox = 1;
    }
    if (record.tempHigh == record.tempLow && !options.acceptEqualLimits) {
        return refuse(Refusal::EqualLimits, EntryBox::Kelvin, 0);
    }
    if (record.tempLow <= 0)
        return refuse(Refusal::TemperatureNotPossible, EntryBox::Kelvin, lowBox);
    if (!std::isfinite(kGasConstant * record.tempHigh)) {
        return refuse(Refusal::NonFinite, EntryBox::Kelvin, 1 - lowBox);
    }
    return {};
}

// Energies in cal/mol must stay finite, and so must their spread.
CalculationOutcome checkEnergies(const Entries& entries) {
    double lowest = entries.energy[1] * 1000;
    double highest = lowest;
    for (int i = 1; i <= entries.count; ++i) {
        const double energy = entries.energy[i] * 1000;
        if (!std::isfinite(energy)) return refuse(Refusal::NonFinite, EntryBox::Energy, i);
        lowest = std::min(lowest, energy);
        highest = std::max(highest, energy);
    }
    if (!std::isfinite(highest - lowest)) return refuse(Refusal::NonFinite, EntryBox::Energy, 1);
    return {};
}

// The arithmetic: the step between two points, the energies in cal/mol, the lowest one and each
// relative to it, and at every point the partition sum, then each conformer's share of it.
template <int Steps>
void fillPopulations(const Entries& entries, const CalculationOptions& options,
                     PopulationRecord<Steps>& record) {
    const int count = entries.count;
    record.tempStep = (record.tempHigh - record.tempLow) / Steps;
    for (int i = 1; i <= count; ++i) record.energy.set(i, entries.energy[i] * 1000);
    record.minEnergy = record.energy[1];
    for (int i = 1; i <= count; ++i) {
        if (record.energy[i] < record.minEnergy) record.minEnergy = record.energy[i];
    }
    for (int i = 1; i <= count; ++i)
        record.relativeEnergy.set(i, record.energy[i] - record.minEnergy);

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
}

}  // namespace

template <int Steps>
CalculationOutcome calculatePopulations(const CalculationInput& input,
                                        PopulationRecord<Steps>& record,
                                        const CalculationOptions& options) {
    Entries entries;
    CalculationOutcome outcome = readEntries(input, options, entries);
    if (outcome.completed()) outcome = takeRange(entries, options, record);
    if (outcome.completed()) outcome = checkEnergies(entries);
    if (outcome.completed()) fillPopulations(entries, options, record);
    return outcome;
}

template CalculationOutcome calculatePopulations<100>(const CalculationInput&,
                                                      PopulationRecord<100>&,
                                                      const CalculationOptions&);
template CalculationOutcome calculatePopulations<5000>(const CalculationInput&,
                                                       PopulationRecord<5000>&,
                                                       const CalculationOptions&);

}  // namespace torvi::core
