// The Data Input window: loading, the change rules and the rule that switches Calculate.

#include "input/form1.h"

#include "core/number_text.h"
#include "input/calculate_command.h"

namespace torvi::input {

using core::formatNumber;
using core::parseNumber;

Form1::Form1(ui::Application& application) : Window(application, "Form1", ui::WindowKind::Child) {
    setCaption("Data Input");
    icon = "torvi-32.png";
    setClientSize(6570, 4200);
    createControls();
    connectHandlers();
}

void Form1::Form_Load() {
    setHeight(5000);
    for (int i : {0, 1}) {
        Text4(i).setText(formatNumber(parseNumber(Text3(i).text()).value_or(0) + 273.15));
        Text3(i).setEnabled(true);
    }
    skipNextEnergyCheck = false;
    setCalculate(false);
}

void Form1::Form_Unload() {
    // The boxes go with the window, so Calculate has nothing left to read.
    if (CalculateCommand* command = calculateCommand()) command->setCalculateMenuItemEnabled(false);
}

CalculateCommand* Form1::calculateCommand() const {
    return dynamic_cast<CalculateCommand*>(application().mainWindow());
}

void Form1::setCalculate(bool on) {
    if (CalculateCommand* command = calculateCommand()) command->setCalculateMenuItemEnabled(on);
    Command1->setEnabled(on);
}

void Form1::EnMnuCalc() {
    if (Text1->empty()) return;
    if (!parseNumber(Text1->text())) return setCalculate(false);
    // The count in the box must be the one whose rows are shown, so that Calculate never reads
    // a hidden or unchecked energy box.
    const std::int16_t count = core::countFromText(Text1->text());
    if (count != entryCount || count < 1 || count > 10) return setCalculate(false);
    for (int i : {0, 1}) {
        if (Text3(i).empty() || Text4(i).empty()) return;
        if (!Text3(i).enabled() || !Text4(i).enabled()) return;
        if (!parseNumber(Text3(i).text()) || !parseNumber(Text4(i).text()))
            return setCalculate(false);
    }
    for (int i = 1; i <= entryCount; ++i) {
        if (Text2(i).empty()) return;
        if (!parseNumber(Text2(i).text())) return setCalculate(false);
    }
    setCalculate(true);
}

void Form1::Command1_Click() {
    if (CalculateCommand* command = calculateCommand()) command->mnuCalc_Click();
}

void Form1::Text1_Change() {
    setCalculate(false);
}

void Form1::Text2_Change(int) {
    setCalculate(false);
}

void Form1::Text3_Change(int index) {
    Text4(index).setEnabled(false);
    setCalculate(false);
}

void Form1::Text4_Change(int index) {
    Text3(index).setEnabled(false);
    setCalculate(false);
}

void Form1::Text3_GotFocus(int) {
    EnMnuCalc();
}

core::CalculationInput Form1::calculationInput() const {
    core::CalculationInput input{Text1->text(), Text4(0).text(), Text4(1).text(), {}};
    for (int i = 1; i <= 10; ++i) input.energyTexts.push_back(Text2(i).text());
    return input;
}

void Form1::rewriteWithComma(ui::TextBox& box) {
    box.setText(core::pointToComma(box.text()));
}

}  // namespace torvi::input
