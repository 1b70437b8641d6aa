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

const Font kTableFont{"DejaVu Sans Condensed", 8, false};

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

}  // namespace

void writeTable(PrintTarget& target, const TableLayout& layout, const core::CalculationState& state,
                const std::vector<std::string>& energyTexts, GraphValues* graph, int pointStep) {
    const int count = state.conformerCount;
    target.setColour(colours::black);
    emptyLines(target, layout.emptyLinesBefore);
    target.print({NextZone{}});

    // The column mark: the start of the second zone.
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

    target.setColour(colours::black);
    printLabel(target, layout, "Conformer #");
    for (int i = 1; i <= count; ++i) target.print({Number{double(i)}, NextZone{}});
    emptyLines(target, 2);

    target.setColour(colours::green);
    printLabel(target, layout, layout.energyLabel);
    for (int i = 1; i <= count; ++i) {
        const std::string& typed =
            static_cast<std::size_t>(i) <= energyTexts.size() ? energyTexts[i - 1] : "";
        const EnergyDisplay display = energyDisplay(core::parseNumber(typed).value_or(0));
        const std::string shown = core::formatNumber(display.shown);
        if (graph) graph->setEnergyText(i, shown);
        target.print({Number{display.shown}, NoSpace{}});
        if (display.longForm) {
            if (graph) graph->setEnergyText(i, shown + " E" + shortText(display.exponent));
            target.print({Text{" E"}, NoSpace{}, Number{double(display.exponent)}, NoSpace{}});
        }
        target.print({NextZone{}});
    }
    emptyLines(target, 2);

    target.setColour(colours::red);
    if (layout.labelTab > 0) {
        target.print({Tab{layout.labelTab}, NoSpace{}, Text{"Temperature"}});
    } else {
        target.print({Spc{1}, NoSpace{}, Text{"Temperature"}});
    }
    target.print({Tab{layout.degreeTab}, NoSpace{}, Text{"°C"}});

    for (int j = 0; j <= 100; j += pointStep) {
        const int row = j / 10;  // the graph's column, when the rows are every tenth point
        const double temperature = temperatureCell(state, j);
        target.setColour(colours::red);
        target.print({Tab{layout.temperatureTab}, NoSpace{}, Number{temperature}, NextZone{}});
        if (graph) graph->setTemperatureText(row, core::formatNumber(temperature));
        for (int i = 1; i <= count; ++i) {
            target.setColour(colours::blue);
            target.print({Number{populationCell(state, j, i)}, NextZone{}});
            if (graph) graph->setCellHeight(i, row, state.population(j, i));
        }
        target.print({});
        if (graph) graph->stackColumn(row, count);
    }
}

PrintFailure printTableDocument(PrintJob& job, const core::CalculationState& state,
                                const std::vector<std::string>& energyTexts) {
    job.setOrientation(state.conformerCount == core::kMaxConformers ? Orientation::Landscape
                                                                    : Orientation::Portrait);
    PrintTarget target(job, job.metrics(), kTableFont);
    writeTable(target, paperLayout(state.conformerCount), state, energyTexts, nullptr);
    return job.endDocument();
}

}  // namespace torvi::results
