#pragma once
// The results table outside the windows: as lines of text, as a line printer would write it, and
// as cells for the clipboard and for spreadsheets. Every number is the text the table shows.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "ui/drawing.h"

namespace torvi::results {

using TableCells = std::vector<std::vector<std::string>>;

// The lines of a table drawing that hold more than one print zone (the conformer numbers, the
// energies and the temperature rows), each zone's texts joined and trimmed.
TableCells tableCells(const ui::Drawing& table, int zoneWidth);

// The table written one character to a column: its lines of text, and its cells. The rows are
// every tenth temperature point, as on the window, or every point.
struct TableText {
    std::string lines;
    TableCells cells;
};
TableText tableText(const core::CalculationState& state,
                    const std::vector<std::string>& energyTexts, bool everyPoint);

// Cells with a separator between them and a line break after each row.
std::string delimited(const TableCells& cells, char separator);
// Cells as an HTML table, for office programs.
std::string htmlTable(const TableCells& cells);

}  // namespace torvi::results
