#pragma once
// The record a population calculation fills: conformer energies, the temperature range and, for
// every temperature point, the partition sum and the population of every conformer.

#include <cstdint>

#include "core/indexed_array.h"

namespace torvi::core {

// The most conformers a run takes: the Data Input window offers ten energy boxes.
inline constexpr int kMaxConformers = 10;
// Conformer slots 0..20; slots 1..conformerCount are used, slot 0 never.
inline constexpr int kConformerSlots = 21;
// Gas constant in cal/(mol K).
inline constexpr double kGasConstant = 1.98717;
// Kelvin = degrees Celsius + this.
inline constexpr double kKelvinOffset = 273.15;

// Steps is the number of temperature steps; the record holds Steps + 1 points, point j standing
// for the temperature tempLow + j x tempStep kelvin.
template <int Steps>
struct PopulationRecord {
    static constexpr int kSteps = Steps;
    static constexpr int kPoints = Steps + 1;

    std::int16_t conformerCount = 0;                            // N of the last run
    IndexedArray<double, kConformerSlots> energy;               // cal/mol, 1..N
    IndexedArray<double, kConformerSlots> relativeEnergy;       // energy - minEnergy, cal/mol
    double minEnergy = 0;                                       // cal/mol
    double tempLow = 0;                                         // kelvin
    double tempHigh = 0;                                        // kelvin
    double tempStep = 0;                                        // (tempHigh - tempLow) / Steps
    IndexedArray<double, kPoints> partitionSum;                 // [j]
    IndexedTable<double, kPoints, kConformerSlots> population;  // [j][i]
};

// The main window's record: 101 points, populations in percent.
using CalculationState = PopulationRecord<100>;
// The private record of the HPG (high-precision graph) window: 5001 points, populations as
// fractions.
using HpgState = PopulationRecord<5000>;

}  // namespace torvi::core
