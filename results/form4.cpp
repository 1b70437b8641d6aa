#include "results/form4.h"

#include <cmath>

#include "core/population.h"
#include "input/form1.h"

namespace torvi::results {

const ui::Rgb kHpgColours[11] = {{0, 0, 0},     {255, 255, 0}, {0, 0, 255},   {255, 0, 0},
                                 {0, 255, 0},   {255, 0, 255}, {192, 192, 0}, {0, 0, 0},
                                 {0, 255, 255}, {128, 64, 0},  {0, 255, 0}};

Form4::Form4(ui::Application& application) : Window(application, "Form4", ui::WindowKind::Child) {
    setCaption("HPG");
    icon = version::kIcon;
    setClientSize(7320, 4695);
    // Resized or maximised, the plot grows to fill the window.
    fillFrom(7320, 4695);
    createPlot();
    createColourKey();
}

void Form4::createPlot() {
    Picture1 = &add<ui::PictureBox>("Picture1", ui::kNoIndex, ui::Rect{1440, 600, 5760, 3255});
    Picture1->fillColour = ui::colours::buttonFace;
    Line1 = &add<ui::LineElement>("Line1", ui::kNoIndex, 120, 2520, 5521, 2520);
    Line1->setContainer(Picture1);
    Line1->thickness = 5;
}

void Form4::createColourKey() {
    // Conformer 1 lowest, conformer 10 highest.
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        ui::LineElement& key = Line2.create(i, 360, 3120 - 240 * i, 840, 3120 - 240 * i);
        key.thickness = 10;
        key.colour = kHpgColours[i];
    }
}

void Form4::Form_Load() {
    const input::Form1& entries = application().form<input::Form1>();
    // Inputs the plot cannot use (no count of 1 to 10, a box without a number, a range at or
    // below 0 K) leave the plot area empty.
    const core::CalculationOptions fine{.scale = 1, .acceptEqualLimits = true};
    if (!core::calculatePopulations(entries.calculationInput(), *fineRecord, fine).completed())
        return;

    ui::Drawing& plot = Picture1->drawing;
    const int count = fineRecord->conformerCount;
    plot.reserve(static_cast<std::size_t>(count) * core::HpgState::kPoints);
    // Column j stands at x = 320 + j, its bands stacked downward from y = 520, conformer N on top.
    plot.currentX = 319;
    for (int j = 0; j <= core::HpgState::kSteps; ++j) {
        plot.currentY = 520;
        plot.currentX = plot.currentX + 1;
        // The bottom of the bands so far, unrounded, so that rounding does not add up.
        double y = plot.currentY;
        for (int i = count; i >= 1; --i) {
            y += fineRecord->population(j, i) * 2000;
            plot.lineTo(plot.currentX, static_cast<int>(std::lround(y)), Line2(i).colour);
        }
    }
}

}  // namespace torvi::results
