// The Data Input window's design and loading.

#include "input/form1.h"

#include "core/number_text.h"
#include "input/calculate_command.h"

namespace torvi::input {

using ui::kNoIndex;
using ui::LabelStyle;
using ui::Rect;

Form1::Form1(ui::Application& application) : Window(application, "Form1", ui::WindowKind::Child) {
    setCaption("Data Input");
    icon = version::kIcon;
    setClientSize(6570, 4200);
    createCountRow();
    createEnergyRows();
    createTemperatureRows();
    createButton();
    tabOrder = {Text1};
    for (int i = 1; i <= core::kMaxConformers; ++i) tabOrder.push_back(&Text2(i));
    tabOrder.insert(tabOrder.end(), {&Text3(0), &Text3(1), &Text4(0), &Text4(1), Command1});
    connectHandlers();
}

void Form1::createCountRow() {
    Label1 = &add<ui::Label>("Label1", kNoIndex, Rect{720, 405, 1665, 195},
                             "Number of Conformers: ", LabelStyle{.fitted = true});
    Text1 = &add<ui::TextBox>("Text1", kNoIndex, Rect{2400, 360, 375, 285});
    Text1->accessibleName = "Number of Conformers";
}

void Form1::createEnergyRows() {
    const LabelStyle hiddenFitted{.fitted = true, .visible = false};
    Label3.create(0, Rect{720, 840, 2790, 195},
                  "Energy of Each Conformer (kcal/mole): ", hiddenFitted);
    // Rows 1 to 5 in the left column, 6 to 10 in the right one, on the same five lines.
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        const int line = (i - 1) % 5;
        const bool left = i <= 5;
        const std::string caption = i < 10 ? "#   " + std::to_string(i) : "# " + std::to_string(i);
        Label2.create(i, Rect{left ? 720 : 3000, 1245 + 360 * line, 330, 195}, caption,
                      hiddenFitted);
        ui::TextBox& box = Text2.create(i, Rect{left ? 1200 : 3480, 1200 + 360 * line, 495, 285});
        box.setVisible(false);
        box.accessibleName = "Energy of conformer " + std::to_string(i) + " (kcal/mole)";
    }
}

void Form1::setEnergyUnit(core::EnergyUnit unit) {
    energyUnit_ = unit;
    // The design's words for its own unit, "kcal/mole", and the same form for the other one.
    const std::string unitText = unit == core::EnergyUnit::KjPerMol ? "kJ/mole" : "kcal/mole";
    Label3(0).setCaption("Energy of Each Conformer (" + unitText + "): ");
    for (int i = 1; i <= core::kMaxConformers; ++i)
        Text2(i).accessibleName =
            "Energy of conformer " + std::to_string(i) + " (" + unitText + ")";
}

void Form1::createTemperatureRows() {
    const LabelStyle hiddenFitted{.fitted = true, .visible = false};
    const LabelStyle hidden{.visible = false};
    auto box = [](ui::TextBox& created, const char* accessibleName) {
        created.setVisible(false);
        created.accessibleName = accessibleName;
    };
    Label3.create(1, Rect{360, 3240, 1440, 195}, "Temperature range: ", hiddenFitted);
    box(Text3.create(0, Rect{2040, 3195, 615, 285}, kDesignLowCelsius),
        "Temperature range from (°C)");
    Label3.create(2, Rect{2760, 3240, 195, 195}, "To", hiddenFitted);
    box(Text3.create(1, Rect{3120, 3195, 615, 285}, kDesignHighCelsius),
        "Temperature range to (°C)");
    Label3.create(3, Rect{3840, 3240, 165, 195}, "°C", hiddenFitted);
    box(Text4.create(0, Rect{2040, 3585, 615, 285}), "Temperature range from (K)");
    Label3.create(4, Rect{2760, 3600, 255, 255}, "To", hidden);
    box(Text4.create(1, Rect{3120, 3585, 615, 285}), "Temperature range to (K)");
    Label3.create(5, Rect{3840, 3600, 375, 255}, "  K", hidden);
}

void Form1::createButton() {
    Command1 =
        &add<ui::CommandButton>("Command1", kNoIndex, Rect{5280, 3360, 855, 375}, "Calculate");
}

void Form1::connectHandlers() {
    Text1->onKeyPress = [this](int key) { Text1_KeyPress(key); };
    Text1->onChange = [this] { Text1_Change(); };
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        Text2(i).onKeyPress = [this, i](int key) { Text2_KeyPress(i, key); };
        Text2(i).onLostFocus = [this, i] { Text2_LostFocus(i); };
        Text2(i).onChange = [this, i] { Text2_Change(i); };
    }
    for (int i : {0, 1}) {
        Text3(i).onKeyPress = [this, i](int key) { Text3_KeyPress(i, key); };
        Text3(i).onLostFocus = [this, i] { Text3_LostFocus(i); };
        Text3(i).onChange = [this, i] { Text3_Change(i); };
        Text3(i).onGotFocus = [this, i] { Text3_GotFocus(i); };
        Text4(i).onKeyPress = [this, i](int key) { Text4_KeyPress(i, key); };
        Text4(i).onLostFocus = [this, i] { Text4_LostFocus(i); };
        Text4(i).onChange = [this, i] { Text4_Change(i); };
    }
    Command1->onClick = [this] { Command1_Click(); };
}

void Form1::Form_Load() {
    setHeight(5000);
    for (int i : {0, 1}) {
        Text4(i).setText(core::formatNumber(core::parseNumber(Text3(i).text()).value_or(0) +
                                            core::kKelvinOffset));
        Text3(i).setEnabled(true);
    }
    skipNextEnergyCheck = false;
    if (const CalculateCommand* command = calculateCommand()) {
        if (command->energyUnit() != energyUnit_) setEnergyUnit(command->energyUnit());
    }
    setCalculate(false);
}

void Form1::Form_Unload() {
    // The boxes go with the window, so Calculate has nothing left to read.
    if (CalculateCommand* command = calculateCommand()) command->setCalculateMenuItemEnabled(false);
}

std::optional<core::Exercise> Form1::exercise() const {
    if (entryCount < 1 || entryCount > core::kMaxConformers ||
        core::countFromText(Text1->text()) != entryCount)
        return std::nullopt;
    core::Exercise exercise{energyUnit_, {}, {}, {}};
    for (int i = 1; i <= entryCount; ++i) {
        const std::string text = core::pointToComma(Text2(i).text());
        if (!core::parseNumber(text)) return std::nullopt;
        exercise.energies.push_back(text);
    }
    for (int i : {0, 1}) {
        // A kelvin box typed in and not confirmed yet holds the newer limit.
        std::optional<double> celsius = core::parseNumber(Text3(i).text());
        if (!Text3(i).enabled()) {
            const std::optional<double> kelvin = core::parseNumber(Text4(i).text());
            celsius = kelvin ? std::optional(*kelvin - core::kKelvinOffset) : std::nullopt;
        }
        if (!celsius) return std::nullopt;
        (i == 0 ? exercise.from : exercise.to) = core::formatNumber(*celsius);
    }
    return exercise;
}

void Form1::loadExercise(const core::Exercise& exercise) {
    const int count = static_cast<int>(exercise.energies.size());
    setEnergyUnit(exercise.unit);
    Text1->setText(std::to_string(count));
    entryCount = static_cast<std::int16_t>(count);
    showRows(count);
    for (int i = 1; i <= core::kMaxConformers; ++i)
        Text2(i).setText(i <= count ? exercise.energies[i - 1] : std::string());
    for (int i : {0, 1}) {
        const std::string& celsius = i == 0 ? exercise.from : exercise.to;
        Text3(i).setText(celsius);
        Text4(i).setText(
            core::formatNumber(core::parseNumber(celsius).value_or(0) + core::kKelvinOffset));
        Text3(i).setEnabled(true);
        Text4(i).setEnabled(true);
    }
    skipNextEnergyCheck = false;
    EnMnuCalc();
    if (Command1->enabled()) {
        setFocus(*Command1);
    } else {
        setFocus(*Text1);
    }
}

core::CalculationInput Form1::calculationInput() const {
    core::CalculationInput input{Text1->text(), Text4(0).text(), Text4(1).text(), {}, energyUnit_};
    for (int i = 1; i <= core::kMaxConformers; ++i) input.energyTexts.push_back(Text2(i).text());
    return input;
}

}  // namespace torvi::input
