#include "results/results_table.h"

#include "core/number_text.h"
#include "results/display_rules.h"

namespace torvi::results {

using namespace ui;

const TableLayout kWindowLayout{.emptyLinesBefore = 1,
                                .verticalRuleTop = 100,
                                .verticalRuleBottom = 4000,
                                .ruleLeft = 0,
                                .ruleRight = 11200,
                                .ruleOffsets = {275, 655, 1035},
                                .headerAtMark = false,
                                .labelTab = 0,
                                .energyLabel = "Conf. Energy",
                                .degreeTab = 5,
                                .temperatureTab = 4};

const Font kTableFont{kInterfaceFamily, 8, false};

TableLayout paperLayout(int conformerCount) {
    return {.emptyLinesBefore = 5,
            .verticalRuleTop = 1000,
            .verticalRuleBottom = 5000,
            .ruleLeft = 700,
            .ruleRight = conformerCount == core::kMaxConformers ? 12200 : 11200,  // landscape
            .ruleOffsets = {285, 665, 1045},
            .headerAtMark = true,
            .labelTab = 12,
            .energyLabel = "Conf.Energy",
            .degreeTab = 17,
            .temperatureTab = 16};
}

namespace {

void printLabel(PrintTarget& target, const TableLayout& layout, const std::string& label) {
    if (layout.labelTab > 0) {
        target.print({Tab{layout.labelTab}, NoSpace{}, Text{label}, NextZone{}});
    } else {
        target.print({Text{label}, NextZone{}});
    }
}

void emptyLines(PrintTarget& target, int count) {
    for (int line = 0; line < count; ++line) target.print({});
}

// The column mark at the start of the second zone, the four rules from it, and the blue bold
// header above the conformers.
void writeHeader(PrintTarget& target, const TableLayout& layout) {
    target.setColour(colours::black);
    emptyLines(target, layout.emptyLinesBefore);
    target.print({NextZone{}});
    const int x0 = target.currentX;
    const int y0 = target.currentY;
    target.drawLine(x0 - 30, layout.verticalRuleTop, x0 - 30, layout.verticalRuleBottom);
    for (int offset : layout.ruleOffsets) {
        target.drawLine(layout.ruleLeft, y0 + offset, layout.ruleRight, y0 + offset);
    }
    target.currentX = layout.headerAtMark ? x0 : 0;
    target.currentY = y0;

    target.setColour(colours::blue);
    target.setBold(true);
    target.print({Tab{40}, NoSpace{}, Text{"Distribution, %"}, NextZone{}});
    target.setBold(false);
    emptyLines(target, 2);
}

void writeConformerNumbers(PrintTarget& target, const TableLayout& layout, int count) {
    target.setColour(colours::black);
    printLabel(target, layout, "Conformer #");
    for (int i = 1; i <= count; ++i) target.print({Number{double(i)}, NextZone{}});
    emptyLines(target, 2);
}

// Each energy as typed, plain or as a mantissa with " E" and its exponent.
void writeEnergies(PrintTarget& target, const TableLayout& layout, int count,
                   const std::vector<std::string>& energyTexts, core::EnergyUnit unit) {
    target.setColour(colours::green);
    // The design's energies are kcal/mol and say nothing; others name their unit.
    printLabel(target, layout,
               unit == core::EnergyUnit::KcalPerMol ? layout.energyLabel : core::unitName(unit));
    for (int i = 1; i <= count; ++i) {
        const std::string& typed =
            static_cast<std::size_t>(i) <= energyTexts.size() ? energyTexts[i - 1] : "";
        const EnergyDisplay display = energyDisplay(core::parseNumber(typed).value_or(0));
        target.print({Number{display.shown}, NoSpace{}});
        if (display.longForm)
            target.print({Text{" E"}, NoSpace{}, Number{double(display.exponent)}, NoSpace{}});
        target.print({NextZone{}});
    }
    emptyLines(target, 2);
}

// "Temperature" and its unit, then a row for every pointStep-th point: its temperature in red and
// the populations in blue.
void writeTemperatureRows(PrintTarget& target, const TableLayout& layout,
                          const core::CalculationState& state, int pointStep,
                          core::TemperatureUnit unit) {
    target.setColour(colours::red);
    if (layout.labelTab > 0) {
        target.print({Tab{layout.labelTab}, NoSpace{}, Text{"Temperature"}});
    } else {
        target.print({Spc{1}, NoSpace{}, Text{"Temperature"}});
    }
    target.print({Tab{layout.degreeTab}, NoSpace{}, Text{core::unitName(unit)}});
    for (int j = 0; j <= 100; j += pointStep) {
        target.setColour(colours::red);
        target.print({Tab{layout.temperatureTab}, NoSpace{},
                      Number{temperatureCell(state, j, unit)}, NextZone{}});
        for (int i = 1; i <= state.conformerCount; ++i) {
            target.setColour(colours::blue);
            target.print({Number{populationCell(state, j, i)}, NextZone{}});
        }
        target.print({});
    }
}

}  // namespace

void writeTable(PrintTarget& target, const TableLayout& layout, const core::CalculationState& state,
                const std::vector<std::string>& energyTexts, int pointStep,
                const ResultUnits& units) {
    writeHeader(target, layout);
    writeConformerNumbers(target, layout, state.conformerCount);
    writeEnergies(target, layout, state.conformerCount, energyTexts, units.energy);
    writeTemperatureRows(target, layout, state, pointStep, units.temperature);
}

PrintFailure printTableDocument(PrintJob& job, const core::CalculationState& state,
                                const std::vector<std::string>& energyTexts,
                                const ResultUnits& units) {
    job.setOrientation(state.conformerCount == core::kMaxConformers ? Orientation::Landscape
                                                                    : Orientation::Portrait);
    PrintTarget target(job, job.metrics(), kTableFont);
    writeTable(target, paperLayout(state.conformerCount), state, energyTexts, 10, units);
    return job.endDocument();
}

}  // namespace torvi::results
