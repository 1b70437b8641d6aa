#pragma once
// The results table, written through a print target: on the table window and on paper.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "results/display_rules.h"
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
// The table's font on the window and on paper: the system's 8-point interface font. On paper a line
// is about 186 twips high (each rule falls inside an empty line) and a print zone about 1020 twips
// wide, so conformer 9 stands inside a portrait A4 or Letter page and conformer 10 on landscape;
// on the window the screen's font measures decide, in whole pixels.
extern const ui::Font kTableFont;
TableLayout paperLayout(int conformerCount);

// Writes the table: the header and its rules, the conformer numbers, the energies as typed
// (energyTexts[i - 1] for conformer i) and a row for every tenth temperature point, or every
// pointStep-th. Energies in kJ/mol are labelled so; temperatures are in the unit asked.
void writeTable(ui::PrintTarget& target, const TableLayout& layout,
                const core::CalculationState& state, const std::vector<std::string>& energyTexts,
                int pointStep = 10, const ResultUnits& units = {});

// Writes the table as the one page of a print job (on a printer or into a file) and ends the
// document.
ui::PrintFailure printTableDocument(ui::PrintJob& job, const core::CalculationState& state,
                                    const std::vector<std::string>& energyTexts,
                                    const ResultUnits& units = {});

}  // namespace torvi::results
