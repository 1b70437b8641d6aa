#pragma once
// The Boltzmann population calculation: from the entry texts to a filled PopulationRecord.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "core/units.h"

namespace torvi::core {

// The entry texts a run reads: the count box, the two kelvin boxes in the user's order and the
// energy boxes, energyTexts[i - 1] holding conformer i in the unit given.
struct CalculationInput {
    std::string countText;
    std::string lowKelvinText;
    std::string highKelvinText;
    std::vector<std::string> energyTexts;
    EnergyUnit unit = EnergyUnit::KcalPerMol;
};

// What a run is refused for.
enum class Refusal {
    None,
    InvalidEntry,            // a text does not convert
    CountOutOfRange,         // the count is not 1 to maxConformers, or names missing energies
    EqualLimits,             // both limits the same temperature
    TemperatureNotPossible,  // the range reaches 0 K or goes below it
    NonFinite,               // the arithmetic would leave the finite doubles
};

// Which entry box a refusal points at.
enum class EntryBox { None, Energy, Kelvin };

struct CalculationOutcome {
    Refusal refusal = Refusal::None;
    EntryBox box = EntryBox::None;  // none for a count out of range
    int boxIndex = 0;               // energy conformer 1..10, or kelvin box 0 and 1

    bool completed() const { return refusal == Refusal::None; }
};

struct CalculationOptions {
    double scale = 100;              // 100 for percent, 1 for fractions
    bool acceptEqualLimits = false;  // the fine plot draws equal limits as identical columns
    int maxConformers = kMaxConformers;
};

// Runs the calculation on the texts and writes the record. The count, the texts and the range
// are checked before any field is written, except that a range refused as equal, at or below
// 0 K or too large has already replaced conformerCount, tempLow and tempHigh, as the equal-limits
// refusal always has. A completed run holds only finite numbers.
template <int Steps>
CalculationOutcome calculatePopulations(const CalculationInput& input,
                                        PopulationRecord<Steps>& record,
                                        const CalculationOptions& options = {});

}  // namespace torvi::core
