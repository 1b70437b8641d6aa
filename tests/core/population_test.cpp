#include "core/population.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "core/number_text.h"

namespace torvi::core {
namespace {

// The entry window's design range, -50 to 30 degrees Celsius, as its kelvin boxes show it.
CalculationInput defaultRange(std::vector<std::string> energies) {
    return {std::to_string(energies.size()), "223,15", "303,15", std::move(energies)};
}

double sumAt(const CalculationState& state, int j) {
    double sum = 0;
    for (int i = 1; i <= state.conformerCount; ++i) sum += state.population(j, i);
    return sum;
}

TEST(Calculation, TwoConformersOverTheDefaultRange) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), state).completed());
    EXPECT_EQ(state.conformerCount, 2);
    EXPECT_EQ(state.tempLow, 223.15);
    EXPECT_EQ(state.tempHigh, 303.15);
    EXPECT_NEAR(state.tempStep, 0.8, 1e-12);
    EXPECT_NEAR(state.partitionSum[0], 1.10486, 1e-5);
    EXPECT_NEAR(state.population(0, 1), 90.509, 1e-3);
    EXPECT_NEAR(state.population(0, 2), 9.491, 1e-3);
    EXPECT_NEAR(state.population(100, 1), 84.0, 0.05);
    EXPECT_NEAR(state.population(100, 2), 16.0, 0.05);
}

TEST(Calculation, FollowsTheStatedArithmeticToTheLastBit) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0,3", "1,25", "0,7"}), state).completed());
    // Point j stands for 223.15 + j x 0.7999999999999997 K, the product formed first: worked out
    // by hand, these doubles differ at points 38 and 68 from 223.15 + 80 x j / 100, whose
    // factors then differ in their last bits.
    const std::pair<int, double> temperatures[] = {{0, 223.15},
                                                   {1, 223.95000000000002},
                                                   {38, 253.54999999999998},
                                                   {68, 277.54999999999995},
                                                   {100, 303.15}};
    for (const auto& [j, temperature] : temperatures) {
        double sum = 0;
        for (int i = 1; i <= 3; ++i)
            sum += std::exp(-state.relativeEnergy[i] / (1.98717 * temperature));
        EXPECT_EQ(state.partitionSum[j], sum);
        for (int i = 1; i <= 3; ++i) {
            const double factor = std::exp(-state.relativeEnergy[i] / (1.98717 * temperature));
            EXPECT_EQ(state.population(j, i), factor * 100 / sum);
        }
    }
}

TEST(Calculation, TwentyFiveDegrees) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations({"2", "298,15", "298,16", {"0", "1"}}, state).completed());
    EXPECT_NEAR(state.population(0, 1), 84.4, 0.05);
    EXPECT_NEAR(state.population(0, 2), 15.6, 0.05);
}

TEST(Calculation, EnergiesRelativeToTheLowest) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"1,5", "0,5", "0,5"}), state).completed());
    EXPECT_EQ(state.minEnergy, 500);
    EXPECT_EQ(state.energy[1], 1500);
    EXPECT_EQ(state.relativeEnergy[1], 1000);
    EXPECT_EQ(state.relativeEnergy[2], 0);
    EXPECT_EQ(state.relativeEnergy[3], 0);
    EXPECT_NEAR(state.population(0, 1), 4.98, 0.01);
    EXPECT_NEAR(state.population(0, 2), 47.51, 0.01);
    EXPECT_EQ(state.population(0, 2), state.population(0, 3));
}

TEST(Calculation, OneConformerHoldsEverything) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"-7,25"}), state).completed());
    EXPECT_EQ(state.relativeEnergy[1], 0);
    for (int j = 0; j <= 100; ++j) {
        EXPECT_EQ(state.partitionSum[j], 1);
        EXPECT_EQ(state.population(j, 1), 100);
    }
}

TEST(Calculation, EqualEnergiesShareEqually) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"2", "2", "2", "2"}), state).completed());
    for (int j = 0; j <= 100; ++j) {
        for (int i = 1; i <= 4; ++i) EXPECT_EQ(state.population(j, i), 25);
    }
}

TEST(Calculation, LimitsInReverseOrderGiveTheSameResults) {
    CalculationState inOrder;
    CalculationState reversed;
    ASSERT_TRUE(calculatePopulations({"2", "223,15", "303,15", {"0", "1"}}, inOrder).completed());
    ASSERT_TRUE(calculatePopulations({"2", "303,15", "223,15", {"0", "1"}}, reversed).completed());
    EXPECT_EQ(reversed.tempLow, 223.15);
    EXPECT_EQ(reversed.tempHigh, 303.15);
    EXPECT_EQ(inOrder.population.block(), reversed.population.block());
    EXPECT_EQ(inOrder.tempStep, reversed.tempStep);
}

TEST(Calculation, ALaterSmallerRunLeavesTheHigherSlotsAsTheyWere) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1", "2"}), state).completed());
    const double energy3 = state.energy[3];
    const double relative3 = state.relativeEnergy[3];
    const double population3 = state.population(50, 3);
    ASSERT_TRUE(calculatePopulations(defaultRange({"0,5", "0"}), state).completed());
    EXPECT_EQ(state.conformerCount, 2);
    EXPECT_EQ(state.energy[3], energy3);
    EXPECT_EQ(state.relativeEnergy[3], relative3);
    EXPECT_EQ(state.population(50, 3), population3);
    EXPECT_EQ(state.energy[0], 0);
    EXPECT_NEAR(sumAt(state, 50), 100, 1e-9);
}

// A run refused for its range has replaced the count and both limits, and nothing else.
void expectOnlyCountAndLimitsChanged(const CalculationState& before,
                                     const CalculationState& after) {
    EXPECT_EQ(after.tempStep, before.tempStep);
    EXPECT_EQ(after.minEnergy, before.minEnergy);
    for (int i = 0; i < kConformerSlots; ++i) {
        EXPECT_EQ(after.energy[i], before.energy[i]);
        EXPECT_EQ(after.relativeEnergy[i], before.relativeEnergy[i]);
    }
    for (int j = 0; j <= 100; ++j) EXPECT_EQ(after.partitionSum[j], before.partitionSum[j]);
    EXPECT_EQ(after.population.block(), before.population.block());
}

TEST(CalculationRefusal, EqualLimitsReplaceOnlyCountAndLimits) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), state).completed());
    const CalculationState before = state;
    const auto outcome = calculatePopulations({"3", "300", "300,0", {"1", "2", "3"}}, state);
    EXPECT_EQ(outcome.refusal, Refusal::EqualLimits);
    EXPECT_EQ(state.conformerCount, 3);
    EXPECT_EQ(state.tempLow, 300);
    EXPECT_EQ(state.tempHigh, 300);
    expectOnlyCountAndLimitsChanged(before, state);
}

TEST(CalculationRefusal, RangesReachingZeroKelvinAreRefused) {
    for (const auto& [low, high, box] : {std::tuple{"0", "300", 0}, std::tuple{"300", "-10", 1},
                                         std::tuple{"-5", "-1", 0}, std::tuple{"0,01", "0", 1}}) {
        CalculationState state;
        ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), state).completed());
        const CalculationState before = state;
        const auto outcome = calculatePopulations({"2", low, high, {"0", "1"}}, state);
        EXPECT_EQ(outcome.refusal, Refusal::TemperatureNotPossible) << low << " " << high;
        EXPECT_EQ(outcome.box, EntryBox::Kelvin);
        EXPECT_EQ(outcome.boxIndex, box) << low << " " << high;
        expectOnlyCountAndLimitsChanged(before, state);
    }
}

TEST(CalculationRefusal, NonFiniteArithmeticIsRefusedAndPointsAtTheBox) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), state).completed());
    const CalculationState before = state;

    auto outcome = calculatePopulations(defaultRange({"0", "1e306"}), state);
    EXPECT_EQ(outcome.refusal, Refusal::NonFinite);
    EXPECT_EQ(outcome.box, EntryBox::Energy);
    EXPECT_EQ(outcome.boxIndex, 2);
    expectOnlyCountAndLimitsChanged(before, state);

    outcome = calculatePopulations(defaultRange({"-1,7e305", "1,7e305"}), state);
    EXPECT_EQ(outcome.refusal, Refusal::NonFinite);
    EXPECT_EQ(outcome.box, EntryBox::Energy);

    outcome = calculatePopulations({"2", "1e308", "1", {"0", "1"}}, state);
    EXPECT_EQ(outcome.refusal, Refusal::NonFinite);
    EXPECT_EQ(outcome.box, EntryBox::Kelvin);
    EXPECT_EQ(outcome.boxIndex, 0);  // the box the user typed the upper limit into
    expectOnlyCountAndLimitsChanged(before, state);
}

TEST(CalculationRefusal, CountsAndTextsThatDoNotConvertWriteNothing) {
    CalculationState state;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), state).completed());
    const CalculationState before = state;
    const std::vector<std::string> ten(10, "1");
    const struct {
        CalculationInput input;
        Refusal refusal;
        EntryBox box;
        int boxIndex;
    } cases[] = {
        {{"0", "223,15", "303,15", ten}, Refusal::CountOutOfRange, EntryBox::None, 0},
        {{"11", "223,15", "303,15", std::vector<std::string>(11, "1")},
         Refusal::CountOutOfRange,
         EntryBox::None,
         0},
        {{"65537", "223,15", "303,15", ten}, Refusal::CountOutOfRange, EntryBox::None, 0},
        {{"3", "223,15", "303,15", {"1", "2"}}, Refusal::CountOutOfRange, EntryBox::None, 0},
        {{"", "223,15", "303,15", ten}, Refusal::CountOutOfRange, EntryBox::None, 0},
        {{"2", "x", "303,15", ten}, Refusal::InvalidEntry, EntryBox::Kelvin, 0},
        {{"2", "223,15", "", ten}, Refusal::InvalidEntry, EntryBox::Kelvin, 1},
        {{"2", "223,15", "303,15", {"1", "1,2,3"}}, Refusal::InvalidEntry, EntryBox::Energy, 2},
    };
    for (const auto& c : cases) {
        const auto outcome = calculatePopulations(c.input, state);
        EXPECT_EQ(outcome.refusal, c.refusal) << c.input.countText;
        EXPECT_EQ(outcome.box, c.box) << c.input.countText;
        EXPECT_EQ(outcome.boxIndex, c.boxIndex) << c.input.countText;
        EXPECT_EQ(state.conformerCount, before.conformerCount);
        EXPECT_EQ(state.tempLow, before.tempLow);
        EXPECT_EQ(state.tempHigh, before.tempHigh);
        expectOnlyCountAndLimitsChanged(before, state);
    }
}

TEST(FineCalculation, FiveThousandStepsOfFractions) {
    auto record = std::make_unique<HpgState>();
    const CalculationOptions fine{1.0, true};
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), *record, fine).completed());
    EXPECT_NEAR(record->tempStep, 80.0 / 5000, 1e-15);
    CalculationState coarse;
    ASSERT_TRUE(calculatePopulations(defaultRange({"0", "1"}), coarse).completed());
    // Point 50 j of the fine grid is point j of the coarse one, up to the step's rounding.
    EXPECT_NEAR(record->population(0, 1) * 100, coarse.population(0, 1), 1e-12);
    EXPECT_NEAR(record->population(5000, 2) * 100, coarse.population(100, 2), 1e-9);
    EXPECT_EQ(record->population(10, 1), std::exp(-0.0) / record->partitionSum[10]);
}

TEST(FineCalculation, AcceptsEqualLimitsAsIdenticalColumns) {
    auto record = std::make_unique<HpgState>();
    ASSERT_TRUE(
        calculatePopulations({"2", "300", "300", {"0", "1"}}, *record, {1.0, true}).completed());
    EXPECT_EQ(record->tempStep, 0);
    EXPECT_EQ(record->population(0, 2), record->population(5000, 2));
}

TEST(FineCalculation, LargeGapsUnderflowToZero) {
    auto record = std::make_unique<HpgState>();
    ASSERT_TRUE(
        calculatePopulations({"2", "1", "2", {"0", "1000"}}, *record, {1.0, true}).completed());
    EXPECT_EQ(record->population(0, 2), 0);
    EXPECT_EQ(record->population(0, 1), 1);
}

// An independent evaluation: p_i = 100 / sum_k exp(-(E_k - E_i) / RT), in long double.
long double referencePopulation(const std::vector<double>& energies, int i, long double kelvin) {
    long double sum = 0;
    for (double energy : energies) {
        sum += std::exp(-(static_cast<long double>(energy) - energies[i]) * 1000 /
                        (1.98717L * kelvin));
    }
    return 100 / sum;
}

TEST(CalculationProperty, AgreesWithAnIndependentEvaluationOnRandomInputs) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> countDistribution(1, 10);
    std::uniform_real_distribution<double> energyDistribution(-5, 5);
    std::uniform_real_distribution<double> kelvinDistribution(20, 1500);
    for (int run = 0; run < 300; ++run) {
        const int count = countDistribution(random);
        std::vector<double> energies;
        CalculationInput input;
        input.countText = std::to_string(count);
        for (int i = 0; i < count; ++i) {
            energies.push_back(energyDistribution(random));
            input.energyTexts.push_back(formatNumber(energies.back()));
            energies.back() = *parseNumber(input.energyTexts.back());
        }
        const double first = kelvinDistribution(random);
        const double second = kelvinDistribution(random);
        input.lowKelvinText = formatNumber(first);
        input.highKelvinText = formatNumber(second);

        CalculationState state;
        ASSERT_TRUE(calculatePopulations(input, state).completed());
        const auto lowest =
            std::min_element(energies.begin(), energies.end()) - energies.begin() + 1;
        const auto highest =
            std::max_element(energies.begin(), energies.end()) - energies.begin() + 1;
        for (int j = 0; j <= 100; ++j) {
            const long double kelvin = state.tempLow + j * state.tempStep;
            EXPECT_NEAR(sumAt(state, j), 100, 1e-9);
            for (int i = 1; i <= count; ++i) {
                const double p = state.population(j, i);
                ASSERT_TRUE(std::isfinite(p));
                EXPECT_GE(p, 0);
                EXPECT_LE(p, 100);
                EXPECT_NEAR(p, static_cast<double>(referencePopulation(energies, i - 1, kelvin)),
                            1e-9);
            }
            if (j > 0) {
                // The most stable conformer loses share as it warms, the least stable one gains.
                EXPECT_LE(state.population(j, lowest), state.population(j - 1, lowest) + 1e-12);
                EXPECT_GE(state.population(j, highest), state.population(j - 1, highest) - 1e-12);
            }
        }
    }
}

}  // namespace
}  // namespace torvi::core
