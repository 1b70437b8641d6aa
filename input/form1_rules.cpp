// The Data Input window's rules: what happens when the user confirms an entry with Enter or
// leaves its box (checks, the decimal comma, the coupling of each Celsius box with its kelvin
// partner, focus moves and messages), the change rules, and the rule that switches Calculate.

#include "core/number_text.h"
#include "input/calculate_command.h"
#include "input/form1.h"
#include "input/messages.h"
#include "ui/keys.h"

namespace torvi::input {

using core::formatNumber;
using core::parseNumber;

namespace {

using ui::keys::kEnter;
using namespace messages;

}  // namespace

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
    if (count != entryCount || count < 1 || count > core::kMaxConformers)
        return setCalculate(false);
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

void Form1::rewriteWithComma(ui::TextBox& box) {
    box.setText(core::pointToComma(box.text()));
}

Form1::EnergyScan Form1::focusFirstEmptyEnergy() {
    for (int j = 1; j <= entryCount; ++j) {
        if (Text2(j).empty())
            return setFocus(Text2(j)) ? EnergyScan::FocusMoved : EnergyScan::FocusFailed;
    }
    return EnergyScan::AllEntered;
}

void Form1::showRows(int count) {
    const bool range = count >= 1 && count <= core::kMaxConformers;
    for (int k = 0; k <= 5; ++k) Label3(k).setVisible(range);
    for (int i : {0, 1}) {
        Text3(i).setVisible(range);
        Text4(i).setVisible(range);
    }
    for (int i = 1; i <= core::kMaxConformers; ++i) {
        Label2(i).setVisible(range && i <= count);
        Text2(i).setVisible(range && i <= count);
    }
}

void Form1::Text1_KeyPress(int keyAscii) {
    if (keyAscii == kEnter) {
        const std::string count = Text1->text();
        if (count.find_first_of(",.") != std::string::npos) {
            application().messageBox(kNotAnInteger);
            Text1->setText("");
            return;
        }
        // Counts beyond the 16-bit range saturate, so they count as too many or too few.
        entryCount = core::countFromText(count);

        showRows(0);
        if (entryCount > core::kMaxConformers) {
            application().messageBox(kTooManyConformers);
            Text1->setText("");
            return;
        }
        if (entryCount < 1) {
            Text1->setText("");
            return;
        }

        showRows(entryCount);
        if (focusFirstEmptyEnergy() != EnergyScan::AllEntered) return;
    }
    // Every key, Enter or not, before its character reaches the box.
    EnMnuCalc();
    if (Command1->enabled()) setFocus(*Command1);
}

void Form1::Text2_KeyPress(int index, int keyAscii) {
    ui::TextBox& box = Text2(index);
    if (box.empty() || keyAscii != kEnter) return;
    const auto failure = [&] { setFocus(box); };

    if (!parseNumber(box.text())) return failure();
    rewriteWithComma(box);
    // A point read as a digit-group mark ("0.6.1") can leave a comma form no rule reads.
    if (!parseNumber(box.text())) return failure();
    if (index < entryCount) {
        if (!setFocus(Text2(index + 1))) return failure();
        for (int j = 1; j <= entryCount; ++j) {
            if (Text2(j).empty()) return;
        }
        EnMnuCalc();
    } else {
        if (!setFocus(Text3(0))) return failure();
        EnMnuCalc();
    }
}

void Form1::Text2_LostFocus(int index) {
    if (skipNextEnergyCheck) {
        skipNextEnergyCheck = false;
        return;
    }
    ui::TextBox& box = Text2(index);
    const auto failure = [&] {
        application().messageBox(kWrongNumber);
        skipNextEnergyCheck = true;
        setFocus(box);
    };

    if (!parseNumber(box.text())) return failure();
    rewriteWithComma(box);
    // A point read as a digit-group mark ("0.6.1") can leave a comma form no rule reads.
    if (!parseNumber(box.text())) return failure();
    for (int j = 1; j <= entryCount; ++j) {
        if (Text2(j).empty()) {
            skipNextEnergyCheck = true;
            if (!setFocus(Text2(j))) return failure();
            return;
        }
    }
    EnMnuCalc();
}

void Form1::Text3_KeyPress(int index, int keyAscii) {
    if (keyAscii != kEnter) return;
    ui::TextBox& celsius = Text3(index);
    ui::TextBox& kelvin = Text4(index);
    const auto failure = [&] {
        kelvin.setEnabled(false);
        setFocus(celsius);
    };

    rewriteWithComma(celsius);
    const auto value = parseNumber(celsius.text());
    if (!value) return failure();
    // Enter takes no limit below 0,01 K (-273.14 °C); leaving the box takes 0 K itself.
    if (*value < -273.14) {
        application().messageBox(kImpossibleTemperature);
        return;
    }
    kelvin.setText(formatNumber(*value + core::kKelvinOffset));
    if (index == 0) {
        if (!setFocus(Text3(1))) return failure();
    } else {
        const EnergyScan scan = focusFirstEmptyEnergy();
        if (scan == EnergyScan::FocusFailed) return failure();
        if (scan == EnergyScan::AllEntered) {
            EnMnuCalc();
            if (Command1->enabled() && !setFocus(*Command1)) return failure();
        }
    }
    kelvin.setEnabled(true);
    celsius.setEnabled(true);
}

void Form1::Text3_LostFocus(int index) {
    ui::TextBox& celsius = Text3(index);
    ui::TextBox& kelvin = Text4(index);

    rewriteWithComma(celsius);
    const auto value = parseNumber(celsius.text());
    if (!value) {
        kelvin.setEnabled(false);
        setFocus(celsius);
        setCalculate(false);
        return;
    }
    // Leaving the box takes 0 K (-273.15 °C); Enter stops at 0,01 K.
    if (*value < -core::kKelvinOffset) {
        application().messageBox(kImpossibleTemperature);
        setFocus(celsius);
        return;
    }
    kelvin.setText(formatNumber(*value + core::kKelvinOffset));
    kelvin.setEnabled(true);
    celsius.setEnabled(true);
    EnMnuCalc();
}

void Form1::Text4_KeyPress(int index, int keyAscii) {
    ui::TextBox& kelvin = Text4(index);
    ui::TextBox& celsius = Text3(index);
    if (keyAscii == kEnter) {
        const auto failure = [&] {
            celsius.setEnabled(false);
            setFocus(kelvin);
        };
        rewriteWithComma(kelvin);
        const auto value = parseNumber(kelvin.text());
        if (!value) return failure();
        celsius.setText(formatNumber(*value - core::kKelvinOffset));
        if (index == 0) {
            if (!setFocus(Text4(1))) return failure();
        } else {
            const EnergyScan scan = focusFirstEmptyEnergy();
            if (scan == EnergyScan::FocusFailed) return failure();
            if (scan == EnergyScan::AllEntered && Command1->enabled() && !setFocus(*Command1))
                return failure();
        }
        celsius.setEnabled(true);
        kelvin.setEnabled(true);
    }
    EnMnuCalc();
}

void Form1::Text4_LostFocus(int index) {
    ui::TextBox& kelvin = Text4(index);
    ui::TextBox& celsius = Text3(index);

    rewriteWithComma(kelvin);
    const auto value = parseNumber(kelvin.text());
    if (!value) {
        celsius.setEnabled(false);
        setFocus(kelvin);
        return;
    }
    celsius.setText(formatNumber(*value - core::kKelvinOffset));
    celsius.setEnabled(true);
    kelvin.setEnabled(true);
    EnMnuCalc();
}

}  // namespace torvi::input
