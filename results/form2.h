#pragma once
// The distribution graph: eleven bars of stacked cells, one cell per conformer, with a legend,
// a percent scale, the temperatures under the bars and a thermometer picture.

#include <cstdint>

#include <optional>
#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "results/display_rules.h"
#include "ui/application.h"
#include "ui/control_array.h"
#include "ui/printer.h"
#include "ui/window_picture.h"

namespace torvi::results {

// Cell colours of conformers 1 to 10; the legend swatch of conformer 1 is paler.
extern const ui::Rgb kCellColours[11];
extern const ui::Rgb kSwatchColours[11];

class Form2 : public ui::Window {
  public:
    explicit Form2(ui::Application& application);

    // Bars 0 to kLastColumn, one for every tenth temperature point.
    static constexpr int kLastColumn = 10;
    // The cell of a conformer in a bar: Label3(100 conformer + column).
    static constexpr int cellIndex(int conformer, int column) { return 100 * conformer + column; }
    ui::Label& cell(int conformer, int column) { return Label3(cellIndex(conformer, column)); }

    ui::ControlArray<ui::Label> Label1{*this, "Label1"};           // legend header 0, rows 1 to 10
    ui::ControlArray<ui::PictureBox> Picture1{*this, "Picture1"};  // swatches 1 to 10
    ui::ControlArray<ui::Label> Label4{*this, "Label4"};  // energy header 0, energies 1 to 10
    ui::ControlArray<ui::PictureBox> Picture12{*this, "Picture12"};  // bars 0 to 10
    ui::ControlArray<ui::Label> Label3{*this, "Label3"};             // cell 100 i + k
    ui::ControlArray<ui::Label> Label2{*this, "Label2"};  // temperatures 0 to 10, unit 11
    ui::LineElement* Line1 = nullptr;
    ui::LineElement* Line2 = nullptr;
    ui::LineElement* Line3 = nullptr;
    ui::LineElement* Line4 = nullptr;
    ui::Label* Label5 = nullptr;
    ui::Label* Label6 = nullptr;
    ui::Label* Label7 = nullptr;
    ui::Label* Label8 = nullptr;
    ui::PictureBox* Picture11 = nullptr;

    // The count the legend and cells were last prepared for.
    std::int16_t graphCount = 0;

    void Form_Load() override;
    Copy copy() const override { return {.text = {}, .html = {}, .picture = true}; }
    // Shows the legend rows and cells of the conformers in use and hides the others.
    void PrepGraph();

    // Writes a run's values into the design: the legend's energies, the temperatures under the
    // bars and, in every bar, the heights and places of the stacked cells; PrepGraph then shows
    // the conformers in use.
    void showRun(const core::CalculationState& state, const std::vector<std::string>& energyTexts,
                 const ResultUnits& units = {});

  private:
    void setCellHeight(int conformer, int column, double population);
    void stackColumn(int column, int conformerCount);
    // The design: the legend at the left, the bars and their cells, the temperatures under
    // them, the percent scale at the right and the thermometer at the bottom.
    void createLegend();
    void createBars();
    void createCells();
    void createTemperatureTexts();
    void createScale();
    void createThermometer();
};

// The graph as shown, printed as the one page of a job: landscape, in colour, grown to fill
// 9,5 x 6,5 inches an inch from the corner of the printable area (within A4 and Letter alike).
ui::PrintFailure printGraphDocument(ui::PrintJob& job, const Form2& graph);
// The graph as Print Graph puts it on the page, as a PNG picture of that size at this many
// pixels an inch; nothing where the system makes no such picture.
std::optional<std::string> graphPagePng(const Form2& graph, ui::PictureSource& pictures,
                                        const ui::TextMetrics& metrics, int dotsPerInch);

}  // namespace torvi::results
