#pragma once
// The results table outside the windows: as lines of text, as a line printer would write it, and
// as cells for the clipboard and for spreadsheets. Every number is the text the table shows.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "results/display_rules.h"
#include "ui/drawing.h"
#include "ui/text_metrics.h"

namespace torvi::results {

using TableCells = std::vector<std::vector<std::string>>;

// The lines of a table drawing that hold more than one cell (the conformer numbers, the
// energies and the temperature rows), each cell's texts joined and trimmed. A cell is what the
// table printed up to the next zone: texts that follow each other without a gap, however far a
// long one reaches.
TableCells tableCells(const ui::Drawing& table, const ui::TextMetrics& metrics);

// The table written one character to a column: its lines of text, and its cells. The rows are
// every tenth temperature point, as on the window, or every point.
struct TableText {
    std::string lines;
    TableCells cells;
};
TableText tableText(const core::CalculationState& state,
                    const std::vector<std::string>& energyTexts, bool everyPoint,
                    const ResultUnits& units = {});

// Cells with a separator between them and a line break after each row.
std::string delimited(const TableCells& cells, char separator);
// The table for spreadsheets: a header line that names the temperature column with its unit and
// each conformer with its energy, then one row per temperature, in fields a spreadsheet with
// the decimal comma reads as numbers.
std::string spreadsheetTable(const TableCells& cells, char separator,
                             const ResultUnits& units = {});
// Cells as an HTML table, for office programs.
std::string htmlTable(const TableCells& cells);

}  // namespace torvi::results
