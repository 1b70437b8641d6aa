#include "results/table_text.h"

#include <algorithm>
#include <map>

#include "results/results_table.h"

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

std::string escapeHtml(const std::string& text) {
    std::string result;
    for (char c : text) {
        if (c == '&') {
            result += "&amp;";
        } else if (c == '<') {
            result += "&lt;";
        } else if (c == '>') {
            result += "&gt;";
        } else {
            result += c;
        }
    }
    return result;
}

}  // namespace

TableCells tableCells(const ui::Drawing& table, int zoneWidth) {
    std::map<int, std::map<int, std::string>> lines;  // y, then zone
    for (const ui::TextRun& run : table.texts()) lines[run.y][run.x / zoneWidth] += run.text;
    TableCells cells;
    for (const auto& [y, zones] : lines) {
        if (zones.size() < 2) continue;  // the header and the labels of the temperature column
        std::vector<std::string> row(static_cast<std::size_t>(zones.rbegin()->first) + 1);
        for (const auto& [zone, text] : zones) row[static_cast<std::size_t>(zone)] = tidy(text);
        cells.push_back(std::move(row));
    }
    return cells;
}

TableText tableText(const core::CalculationState& state,
                    const std::vector<std::string>& energyTexts, bool everyPoint) {
    const CharacterCells metrics;
    ui::Drawing drawing;
    ui::PrintTarget target(drawing, metrics, kTableFont);
    writeTable(target, kWindowLayout, state, energyTexts, nullptr, everyPoint ? 1 : 10);

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
    result.cells = tableCells(drawing, target.zoneWidth());
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

std::string htmlTable(const TableCells& cells) {
    std::string html = "<table>\n";
    for (const auto& row : cells) {
        html += "<tr>";
        for (const std::string& cell : row) html += "<td>" + escapeHtml(cell) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace torvi::results
