#include "tests/support/program_promises.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "core/number_text.h"
#include "input/form1.h"
#include "results/form2.h"
#include "results/form3.h"

namespace torvi::testing {
namespace {

const std::set<std::string> kKnownMessages = {
    "Number of conformers must be an Integer",
    "Maximum number of conformers in this mode is 10!",
    "Something is wrong with your number!",
    "This temperature is not possible. Please check!",
    "The temperature limits must be different!",
    "System Information Is Unavailable At This Time",
    "No printer is available. Print Table needs a default printer.",
};

// Hundredths, an exact half going up: floor of a hundred times the value, plus one when the
// rest is a half or more.
double hundredths(double value) {
    const double scaled = value * 100;
    if (!std::isfinite(scaled)) return value;  // too large to have hundredths
    const double whole = std::floor(scaled);
    return (scaled - whole >= 0.5 ? whole + 1 : whole) / 100;
}

// At most fifteen significant digits, as printf writes them, with the decimal comma and an "E"
// before an exponent.
std::string decimals(double magnitude, bool zeroBeforeComma) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.15g", magnitude);
    std::string text = digits;
    if (!zeroBeforeComma && text.rfind("0.", 0) == 0) text.erase(0, 1);
    for (char& c : text) {
        if (c == '.') c = ',';
        if (c == 'e') c = 'E';
    }
    return text;
}

// The run the results show, worked out afresh from its inputs with the Boltzmann formula at the
// eleven points the results show: percent[k][i] for point 10 k and conformer i, and the
// temperature of that point in kelvin.
struct Oracle {
    std::vector<std::vector<double>> percent;
    std::vector<double> kelvin;
};

Oracle workOut(const core::CalculationState& run, const std::vector<std::string>& energyTexts) {
    const int count = run.conformerCount;
    std::vector<double> energy(static_cast<std::size_t>(count) + 1);
    for (int i = 1; i <= count; ++i)
        energy[i] = core::parseNumber(energyTexts[i - 1]).value_or(0) * 1000;
    double lowest = energy[1];
    for (int i = 1; i <= count; ++i) lowest = energy[i] < lowest ? energy[i] : lowest;
    const double step = (run.tempHigh - run.tempLow) / 100;
    Oracle oracle;
    for (int j = 0; j <= 100; j += 10) {
        const double kelvin = run.tempLow + j * step;
        std::vector<double> factor(static_cast<std::size_t>(count) + 1);
        double sum = 0;
        for (int i = 1; i <= count; ++i) {
            factor[i] = std::exp(-(energy[i] - lowest) / (1.98717 * kelvin));
            sum += factor[i];
        }
        std::vector<double> percent(static_cast<std::size_t>(count) + 1);
        for (int i = 1; i <= count; ++i) percent[i] = factor[i] * 100 / sum;
        oracle.percent.push_back(percent);
        oracle.kelvin.push_back(kelvin);
    }
    return oracle;
}

void checkCalculateReadsOnlyGoodEntries(ProgramWorld& world, std::vector<std::string>& broken) {
    if (!world.main->mnuCalc->enabled()) return;
    const input::Form1* form = world.application.find<input::Form1>();
    if (form == nullptr) return broken.push_back("Calculate is on without the Data Input window");
    if (!form->Command1->enabled()) broken.push_back("the menu item and the button disagree");
    const int count = core::countFromText(form->Text1->text());
    if (count < 1 || count > 10 || count != form->entryCount ||
        !core::parseNumber(form->Text1->text()))
        return broken.push_back("Calculate is on for the count text '" + form->Text1->text() + "'");
    for (int i : {0, 1}) {
        if (!core::parseNumber(form->Text4(i).text()))
            broken.push_back("Calculate is on for the kelvin text '" + form->Text4(i).text() + "'");
    }
    for (int i = 1; i <= count; ++i) {
        if (!core::parseNumber(form->Text2(i).text()))
            broken.push_back("Calculate is on for the energy text '" + form->Text2(i).text() + "'");
    }
}

void checkTable(const results::Form3& table, const core::CalculationState& run,
                const Oracle& oracle, const ui::TextMetrics& metrics,
                std::vector<std::string>& broken) {
    const ui::Font font = table.font;
    const int line = metrics.lineHeight(font);
    const int column = metrics.averageCharWidth(font);
    const int zone = 14 * column;
    // The start of the first print zone beyond a text written at x.
    auto nextZone = [&](int x, const std::string& text) {
        return ((x + metrics.textWidth(font, text)) / zone + 1) * zone;
    };
    const int top = line;  // after the one empty line
    const std::vector<ui::TextRun> texts = table.drawing.texts();
    auto runsAt = [&](int y) {
        std::vector<ui::TextRun> runs;
        for (const ui::TextRun& run : texts) {
            if (run.y == y) runs.push_back(run);
        }
        return runs;
    };
    const auto numbers = runsAt(top + 2 * line);
    if (numbers.size() != static_cast<std::size_t>(run.conformerCount) + 1)
        broken.push_back("the conformer numbers are not one per conformer");
    for (int k = 0; k <= 10; ++k) {
        const auto row = runsAt(top + (8 + k) * line);
        if (row.size() != static_cast<std::size_t>(run.conformerCount) + 1) {
            broken.push_back("table row " + std::to_string(k) + " has not one cell per conformer");
            continue;
        }
        const std::string temperature = expectedCellText(hundredths(oracle.kelvin[k] - 273.15));
        if (row[0].text != temperature || row[0].x != 3 * column ||
            row[0].colour != ui::colours::red)
            broken.push_back("table row " + std::to_string(k) + " shows the temperature '" +
                             row[0].text + "', not '" + temperature + "'");
        // Each cell in the next print zone after what stands before it.
        int x = nextZone(3 * column, temperature);
        for (int i = 1; i <= run.conformerCount; ++i) {
            const ui::TextRun& cell = row[static_cast<std::size_t>(i)];
            const std::string expected = expectedCellText(hundredths(oracle.percent[k][i]));
            if (cell.text != expected || cell.x != x || cell.colour != ui::colours::blue)
                broken.push_back("table cell " + std::to_string(k) + "," + std::to_string(i) +
                                 " shows '" + cell.text + "' at " + std::to_string(cell.x) +
                                 ", not '" + expected + "' at " + std::to_string(x));
            x = nextZone(x, expected);
        }
    }
}

void checkGraph(const results::Form2& graph, const core::CalculationState& run,
                const Oracle& oracle, std::vector<std::string>& broken) {
    const int count = run.conformerCount;
    if (graph.graphCount != count) return broken.push_back("the graph has another count");
    for (int k = 0; k <= 10; ++k) {
        const double celsius = hundredths(oracle.kelvin[k] - 273.15);
        const std::string caption = (celsius < 0 ? "-" : "") + decimals(std::fabs(celsius), true);
        if (graph.Label2(k).caption() != caption)
            broken.push_back("graph column " + std::to_string(k) + " is captioned '" +
                             graph.Label2(k).caption() + "', not '" + caption + "'");
        int top = 0;
        for (int i = count; i >= 1; --i) {
            const ui::Label& cell = graph.Label3(100 * i + k);
            const int height = static_cast<int>(std::floor(oracle.percent[k][i] / 100 * 2895));
            if (!cell.visible() || cell.height() != height || cell.top() != top)
                broken.push_back("graph cell " + std::to_string(k) + "," + std::to_string(i) +
                                 " is not where its share puts it");
            top += cell.height() - 1;
        }
        if (count < 10 && graph.Label3(100 * (count + 1) + k).visible())
            broken.push_back("a graph cell beyond the count is shown");
    }
}

void checkDisplayedRun(ProgramWorld& world, std::vector<std::string>& broken) {
    const core::CalculationState& run = world.main->displayed.state;
    const int count = run.conformerCount;
    if (count == 0) return;
    if (count > 10) return broken.push_back("a run of more than ten conformers is shown");
    for (int j = 0; j <= 100; ++j) {
        double sum = 0;
        for (int i = 1; i <= count; ++i) {
            const double p = run.population(j, i);
            if (!std::isfinite(p) || p < 0 || p > 100)
                return broken.push_back("a shown population is not a percentage");
            sum += p;
        }
        if (std::fabs(sum - 100) > 1e-9) return broken.push_back("shown populations do not add up");
    }
    const Oracle oracle = workOut(run, world.main->displayed.energyTexts);
    // The table shows that run, or nothing when its window was opened afresh.
    if (const auto* table = world.application.find<results::Form3>();
        table != nullptr && !table->drawing.items().empty()) {
        checkTable(*table, run, oracle, world.metrics, broken);
    }
    if (const auto* graph = world.application.find<results::Form2>();
        graph != nullptr && graph->graphCount > 0) {
        checkGraph(*graph, run, oracle, broken);
    }
}

}  // namespace

std::string expectedCellText(double value) {
    return (value < 0 ? "-" : " ") + decimals(std::fabs(value), false) + " ";
}

std::vector<std::string> brokenPromises(ProgramWorld& world) {
    std::vector<std::string> broken;
    checkCalculateReadsOnlyGoodEntries(world, broken);
    checkDisplayedRun(world, broken);
    for (const std::string& text : world.messages.texts) {
        if (kKnownMessages.count(text) == 0) broken.push_back("an unknown message: " + text);
    }
    return broken;
}

}  // namespace torvi::testing
