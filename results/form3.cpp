#include "results/form3.h"

#include <algorithm>

#include "core/number_text.h"
#include "input/form1.h"
#include "results/display_rules.h"
#include "results/results_table.h"
#include "results/table_text.h"

namespace torvi::results {

Form3::Form3(ui::Application& application) : Window(application, "Form3", ui::WindowKind::Child) {
    setCaption("Results - Table");
    icon = version::kIcon;
    backColour = ui::colours::activeTitleText;
    font = kTableFont;
}

void Form3::Form_Load() {
    setHeight(5500);
    setWidth(8500);
    const input::Form1* entries = application().find<input::Form1>();
    if (entries == nullptr) return;
    const double count = core::leadingValue(entries->Text1->text());
    if (count > 7) {
        // Whatever the box holds, the window grows no wider than the widest table.
        setWidth(tableWidth(std::min(count, double(core::kMaxConformers))));
    }
}

Form3::Copy Form3::copy() const {
    TableCells cells = tableCells(drawing, application().metrics());
    if (cells.empty()) return {};
    // The rows hold no unit of temperature: kelvin, not the design's degrees, gets a line of its
    // own above the temperature rows.
    if (units.temperature == core::TemperatureUnit::Kelvin && cells.size() >= 2)
        cells.insert(cells.begin() + 2, {"Temperature (K)"});
    return {delimited(cells, '\t'), htmlTable(cells), false};
}

}  // namespace torvi::results
