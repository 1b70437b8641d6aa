#include "results/table_text.h"

#include <algorithm>
#include <map>

#include "results/results_table.h"
#include "ui/window_picture.h"

namespace torvi::results {
namespace {

// Every character one column wide and every line one unit high, as on a line printer.
class CharacterCells : public ui::TextMetrics {
  public:
    int textWidth(const ui::Font&, std::string_view text) const override {
        return ui::characterCount(text);
    }
    int lineHeight(const ui::Font&) const override { return 1; }
    int averageCharWidth(const ui::Font&) const override { return 1; }
};

// Blanks at both ends dropped and each run of blanks inside made one.
std::string tidy(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == ' ' && (result.empty() || result.back() == ' ')) continue;
        result += c;
    }
    if (!result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

}  // namespace

TableCells tableCells(const ui::Drawing& table, const ui::TextMetrics& metrics) {
    const std::vector<ui::TextRun> texts = table.texts();
    std::map<int, std::map<int, const ui::TextRun*>> lines;  // y, then x
    for (const ui::TextRun& run : texts) lines[run.y][run.x] = &run;
    TableCells cells;
    for (const auto& [y, runs] : lines) {
        std::vector<std::string> row;
        int end = -1;  // where the last text ended
        for (const auto& [x, run] : runs) {
            if (x != end) row.emplace_back();
            row.back() += run->text;
            end = x + metrics.textWidth(run->font, run->text);
        }
        if (row.size() < 2) continue;  // the header and the labels of the temperature column
        for (std::string& cell : row) cell = tidy(cell);
        cells.push_back(std::move(row));
    }
    return cells;
}

TableText tableText(const core::CalculationState& state,
                    const std::vector<std::string>& energyTexts, bool everyPoint,
                    const ResultUnits& units) {
    const CharacterCells metrics;
    ui::Drawing drawing;
    ui::PrintTarget target(drawing, metrics, kTableFont);
    writeTable(target, kWindowLayout, state, energyTexts, everyPoint ? 1 : 10, units);

    std::vector<std::string> lines;
    std::vector<int> widths;  // in characters
    for (const ui::TextRun& run : drawing.texts()) {
        const auto line = static_cast<std::size_t>(run.y);
        if (lines.size() <= line) {
            lines.resize(line + 1);
            widths.resize(line + 1);
        }
        if (widths[line] < run.x) {
            lines[line].append(static_cast<std::size_t>(run.x - widths[line]), ' ');
            widths[line] = run.x;
        }
        lines[line] += run.text;
        widths[line] += ui::characterCount(run.text);
    }
    TableText result;
    bool started = false;  // the table begins with its header, not with the empty line above it
    for (std::string& line : lines) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        started = started || !line.empty();
        if (started) result.lines += line + "\n";
    }
    result.cells = tableCells(drawing, metrics);
    return result;
}

std::string delimited(const TableCells& cells, char separator) {
    std::string text;
    for (const auto& row : cells) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) text += separator;
            text += row[k];
        }
        text += "\n";
    }
    return text;
}

std::string spreadsheetTable(const TableCells& cells, char separator, const ResultUnits& units) {
    if (cells.size() < 2) return {};
    // A long-form energy, "1,23 E-4" on the window, is "1,23E-4" to a spreadsheet.
    const auto number = [](std::string text) {
        const std::size_t blank = text.find(" E");
        if (blank != std::string::npos) text.erase(blank, 1);
        return text;
    };
    const std::vector<std::string>& conformers = cells[0];
    const std::vector<std::string>& energies = cells[1];
    TableCells rows{{"Temperature (" + std::string(core::unitName(units.temperature)) + ")"}};
    for (std::size_t i = 1; i < conformers.size() && i < energies.size(); ++i)
        rows[0].push_back("Conformer " + conformers[i] + " (" + number(energies[i]) + " " +
                          core::unitName(units.energy) + ")");
    rows.insert(rows.end(), cells.begin() + 2, cells.end());
    return delimited(rows, separator);
}

std::string htmlTable(const TableCells& cells) {
    std::string html = "<table>\n";
    for (const auto& row : cells) {
        html += "<tr>";
        for (const std::string& cell : row) html += "<td>" + ui::escapedMarkup(cell) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace torvi::results
