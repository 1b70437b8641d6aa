#include "core/calculation_state.h"

#include <gtest/gtest.h>

#include <memory>

namespace torvi::core {
namespace {

TEST(CalculationState, StartsAllZero) {
    const CalculationState state;
    EXPECT_EQ(state.conformerCount, 0);
    EXPECT_EQ(state.tempLow, 0);
    EXPECT_EQ(state.tempHigh, 0);
    EXPECT_EQ(state.tempStep, 0);
    EXPECT_EQ(state.minEnergy, 0);
    for (int i = 0; i < kConformerSlots; ++i) {
        EXPECT_EQ(state.energy.get(i), 0.0);
        EXPECT_EQ(state.relativeEnergy.get(i), 0.0);
    }
    ASSERT_EQ(state.population.block().size(), 2121u);
    for (double value : state.population.block()) EXPECT_EQ(value, 0);
}

TEST(CalculationState, RefusesIndexesOutsideTheDeclaredRanges) {
    CalculationState state;
    EXPECT_FALSE(state.energy.set(21, 1.0));
    EXPECT_FALSE(state.energy.set(-1, 1.0));
    EXPECT_FALSE(state.energy.get(21));
    EXPECT_FALSE(state.partitionSum.get(101));
    EXPECT_FALSE(state.partitionSum.set(-1, 1.0));
    EXPECT_FALSE(state.population.get(101, 1));
    EXPECT_FALSE(state.population.get(0, 21));
    EXPECT_FALSE(state.population.set(-1, 0, 1.0));
    EXPECT_FALSE(state.population.set(100, 21, 1.0));
    for (double value : state.population.block()) EXPECT_EQ(value, 0);

    EXPECT_TRUE(state.energy.set(20, 2.0));
    EXPECT_TRUE(state.partitionSum.set(100, 3.0));
    EXPECT_EQ(state.partitionSum.get(100), 3.0);
}

TEST(CalculationState, HoldsThePopulationRowByRow) {
    CalculationState state;
    ASSERT_TRUE(state.population.set(2, 3, 42.0));
    ASSERT_TRUE(state.population.set(100, 20, 7.0));
    EXPECT_EQ(state.population.block()[2 * 21 + 3], 42.0);
    EXPECT_EQ(state.population.block()[2120], 7.0);
    EXPECT_EQ(state.population(2, 3), 42.0);
}

TEST(HpgState, HasFiveThousandAndOnePoints) {
    const auto state = std::make_unique<HpgState>();
    EXPECT_EQ(HpgState::kPoints, 5001);
    EXPECT_EQ(state->population.block().size(), 5001u * 21u);
    EXPECT_TRUE(state->partitionSum.get(5000));
    EXPECT_FALSE(state->partitionSum.get(5001));
}

}  // namespace
}  // namespace torvi::core
