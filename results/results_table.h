#pragma once
// The results table, written through a print target: on the table window and on paper, with
// the values the distribution graph shows handed over row by row as the table is written.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "ui/print_target.h"
#include "ui/printer.h"

namespace torvi::results {

// Where the table differs between the window and the page.
struct TableLayout {
    int emptyLinesBefore;
    int verticalRuleTop, verticalRuleBottom;
    int ruleLeft, ruleRight;
    int ruleOffsets[3];  // below the column mark's y
    bool headerAtMark;   // the header starts at the column mark's x, else at 0
    int labelTab;        // Tab column of the row labels, 0 for none
    const char* energyLabel;
    int degreeTab;       // Tab column of "°C"
    int temperatureTab;  // Tab column of the temperature cells
};

extern const TableLayout kWindowLayout;
// The table's font on the window and on paper: a condensed 8-point face. On paper a line is
// about 186 twips high (each rule falls inside an empty line) and a print zone about 1020 twips
// wide, so conformer 9 stands inside a portrait A4 or Letter page and conformer 10 on landscape;
// on the window the screen's font measures decide, in whole pixels.
extern const ui::Font kTableFont;
TableLayout paperLayout(int conformerCount);

// The values the distribution graph takes from the table as it is written.
class GraphValues {
  public:
    virtual ~GraphValues() = default;
    virtual void setEnergyText(int conformer, const std::string& text) = 0;
    virtual void setTemperatureText(int column, const std::string& text) = 0;
    virtual void setCellHeight(int conformer, int column, double population) = 0;
    virtual void stackColumn(int column, int conformerCount) = 0;
};

// The typed energy texts of conformers 1 to N are energyTexts[0] to energyTexts[N - 1]. A row
// stands for every tenth temperature point (the graph's columns), or every pointStep-th.
void writeTable(ui::PrintTarget& target, const TableLayout& layout,
                const core::CalculationState& state, const std::vector<std::string>& energyTexts,
                GraphValues* graph, int pointStep = 10);

// Writes the table as the one page of a print job (on a printer or into a file) and ends the
// document.
ui::PrintFailure printTableDocument(ui::PrintJob& job, const core::CalculationState& state,
                                    const std::vector<std::string>& energyTexts);

}  // namespace torvi::results
