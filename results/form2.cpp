#include "results/form2.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "input/form1.h"
#include "results/display_rules.h"
#include "ui/units.h"
#include "ui/window_picture.h"

namespace torvi::results {

using ui::kNoIndex;
using ui::LabelStyle;
using ui::Rect;
using ui::Rgb;

const Rgb kCellColours[11] = {{0, 0, 0},     {255, 255, 0},   {0, 0, 255},     {255, 128, 0},
                              {255, 0, 255}, {0, 255, 255},   {224, 224, 224}, {0, 192, 192},
                              {192, 192, 0}, {192, 192, 255}, {255, 224, 192}};
const Rgb kSwatchColours[11] = {{0, 0, 0},     {255, 255, 128}, {0, 0, 255},     {255, 128, 0},
                                {255, 0, 255}, {0, 255, 255},   {224, 224, 224}, {0, 192, 192},
                                {192, 192, 0}, {192, 192, 255}, {255, 224, 192}};

Form2::Form2(ui::Application& application) : Window(application, "Form2", ui::WindowKind::Child) {
    setCaption("Results - Graph");
    icon = version::kIcon;
    backColour = ui::colours::buttonFace;
    createLegend();
    createBars();
    createCells();
    createTemperatureTexts();
    createScale();
    createThermometer();
}

void Form2::createLegend() {
    const LabelStyle hiddenFitted{.fitted = true, .visible = false};
    Label1.create(0, Rect{240, 120, 735, 195}, "Conformer", hiddenFitted);
    Label4.create(0, Rect{1440, 120, 495, 195}, "Energy", hiddenFitted);
    // Row i stands 360 twips above row i - 1, row 1 lowest.
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        const int top = 4080 - 360 * i;
        Label1.create(i, Rect{120, top, 375, 255}, "# " + std::to_string(i),
                      LabelStyle{.alignment = ui::Alignment::Centre, .visible = false});
        ui::PictureBox& swatch = Picture1.create(i, Rect{720, top, 495, 255});
        swatch.fillColour = kSwatchColours[i];
        swatch.setVisible(false);
        Label4.create(i, Rect{1440, top, 480, 195}, "", hiddenFitted);
    }
}

void Form2::createBars() {
    for (int k = 0; k <= kLastColumn; ++k) {
        Picture12.create(k, Rect{2160 + 480 * k, 840, 300, 2895}).fillColour =
            ui::colours::windowBackground;
    }
}

void Form2::createCells() {
    // Each bar holds its column's cells; DispRes sets their heights and tops.
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        for (int k = 0; k <= kLastColumn; ++k) {
            ui::Label& cell =
                Label3.create(cellIndex(i, k), Rect{0, 2760 - 240 * (i - 1), 495, 255}, "",
                              LabelStyle{.visible = false, .container = &Picture12(k)});
            cell.opaque = true;
            cell.fillColour = kCellColours[i];
            cell.bordered = true;
        }
    }
}

void Form2::createTemperatureTexts() {
    Label2.create(0, Rect{2160, 3960, 165, 195}, "°C", LabelStyle{.fitted = true});
    for (int k = 1; k <= kLastColumn; ++k) {
        Label2.create(k, Rect{2040 + 480 * k, k % 2 ? 3750 : 3960, 480, 195}, "Label2",
                      LabelStyle{.fitted = true});
    }
    Label2.create(11, Rect{7440, 3960, 195, 240}, "°C",
                  LabelStyle{.fitted = true, .font = ui::Font{"MS Sans Serif", 9.75, false}});
}

void Form2::createScale() {
    Line1 = &add<ui::LineElement>("Line1", kNoIndex, 7680, 840, 7680, 3720);
    Line3 = &add<ui::LineElement>("Line3", kNoIndex, 7680, 840, 7800, 840);
    Line4 = &add<ui::LineElement>("Line4", kNoIndex, 7680, 2280, 7800, 2280);
    Line2 = &add<ui::LineElement>("Line2", kNoIndex, 7680, 3720, 7800, 3720);
    const LabelStyle fitted{.fitted = true};
    Label7 = &add<ui::Label>("Label7", kNoIndex, Rect{7920, 840, 270, 195}, "100", fitted);
    Label6 = &add<ui::Label>("Label6", kNoIndex, Rect{7920, 2280, 180, 195}, "50", fitted);
    Label5 = &add<ui::Label>("Label5", kNoIndex, Rect{7920, 3720, 90, 195}, "0", fitted);
    Label8 =
        &add<ui::Label>("Label8", kNoIndex, Rect{7680, 240, 240, 300}, "%",
                        LabelStyle{.fitted = true, .font = ui::Font{"MS Sans Serif", 12, true}});
}

void Form2::createThermometer() {
    Picture11 = &add<ui::PictureBox>("Picture11", kNoIndex, Rect{720, 4200, 7335, 495});
    Picture11->picture = ui::Picture{"thermometer.png", 533, 135};
    Picture11->bordered = false;
}

void Form2::Form_Load() {
    setHeight(5500);
    setWidth(8500);
    // Resized or maximised, the graph grows to fill the window, for a projector.
    fillFrom(clientWidth(), clientHeight());
}

void Form2::PrepGraph() {
    const input::Form1* entries = application().find<input::Form1>();
    if (entries == nullptr) return;
    const std::int16_t count = core::countFromText(entries->Text1->text());
    // Only counts the design has rows for; anything else leaves the graph as it is.
    if (count < 1 || count > core::kMaxConformers) return;
    graphCount = count;

    Label1(0).setTop(Label1(graphCount).top() - 400);
    Label1(0).setVisible(true);
    Label4(0).setTop(Label1(0).top());
    Label4(0).setVisible(true);
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        const bool used = i <= graphCount;
        Label1(i).setVisible(used);
        Label4(i).setVisible(used);
        Picture1(i).setVisible(used);
        for (int k = 0; k <= kLastColumn; ++k) cell(i, k).setVisible(used);
    }
}

void Form2::showRun(const core::CalculationState& state,
                    const std::vector<std::string>& energyTexts, const ResultUnits& units) {
    const int count = state.conformerCount;
    // The design's units go unnamed over the legend; kJ/mol is named there instead of "Energy".
    Label4(0).setCaption(units.energy == core::EnergyUnit::KjPerMol ? "kJ/mol" : "Energy");
    Label2(11).setCaption(core::unitName(units.temperature));
    for (int i = 1; i <= count; ++i) {
        const std::size_t typed = static_cast<std::size_t>(i) - 1;
        const std::string text = typed < energyTexts.size() ? energyTexts[typed] : std::string();
        if (ui::Label* label = Label4.find(i)) label->setCaption(energyLegendText(text));
    }
    for (int k = 0; k <= kLastColumn; ++k) {
        const int point = 10 * k;
        Label2(k).setCaption(core::formatNumber(temperatureCell(state, point, units.temperature)));
        for (int i = 1; i <= count; ++i) setCellHeight(i, k, state.population(point, i));
        stackColumn(k, count);
    }
}

void Form2::setCellHeight(int conformer, int column, double population) {
    ui::Label* cell = Label3.find(cellIndex(conformer, column));
    ui::PictureBox* bar = Picture12.find(column);
    if (cell == nullptr || bar == nullptr || conformer < 1 || column > kLastColumn) return;
    cell->setHeight(static_cast<int>(std::floor(population / 100 * bar->height())));
}

void Form2::stackColumn(int column, int conformerCount) {
    if (conformerCount < 1 || conformerCount > core::kMaxConformers || column < 0 ||
        column > kLastColumn)
        return;
    cell(conformerCount, column).setTop(0);
    int top = 0;
    for (int i = conformerCount - 1; i >= 1; --i) {
        top = top + cell(i + 1, column).height() - 1;
        cell(i, column).setTop(top);
    }
}

namespace {

// The area of a landscape page the graph fills: 9,5 x 6,5 inches from an inch in.
constexpr int kInch = ui::kTwipsPerInch;
constexpr ui::Rect kGraphArea{kInch, kInch, 19 * kInch / 2, 13 * kInch / 2};

// How far the graph grows to fill that area, keeping its proportions.
double graphPageScale(const Form2& graph) {
    return std::min(kGraphArea.width / double(graph.clientWidth()),
                    kGraphArea.height / double(graph.clientHeight()));
}

}  // namespace

ui::PrintFailure printGraphDocument(ui::PrintJob& job, const Form2& graph) {
    job.setOrientation(ui::Orientation::Landscape);
    ui::drawWindow(graph, job, job.metrics(), graphPageScale(graph),
                   {kGraphArea.left, kGraphArea.top});
    return job.endDocument();
}

std::optional<std::string> graphPagePng(const Form2& graph, ui::PictureSource& pictures,
                                        const ui::TextMetrics& metrics, int dotsPerInch) {
    const double scale = graphPageScale(graph);
    ui::Drawing page;
    ui::drawWindow(graph, page, metrics, scale, {0, 0});
    return pictures.pagePng(
        page.items(), static_cast<int>(std::lround(graph.clientWidth() * scale)),
        static_cast<int>(std::lround(graph.clientHeight() * scale)), dotsPerInch);
}

}  // namespace torvi::results
