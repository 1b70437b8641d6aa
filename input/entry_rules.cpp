// What happens when the user confirms an entry with Enter or leaves its box: checks, the decimal
// comma, the coupling of each Celsius box with its kelvin partner, focus moves and messages.

#include "core/messages.h"
#include "core/number_text.h"
#include "input/form1.h"

namespace torvi::input {

using core::formatNumber;
using core::parseNumber;

namespace {

constexpr int kEnter = 13;
using namespace core::messages;

}  // namespace

Form1::EnergyScan Form1::focusFirstEmptyEnergy() {
    for (int j = 1; j <= entryCount; ++j) {
        if (Text2(j).empty())
            return setFocus(Text2(j)) ? EnergyScan::FocusMoved : EnergyScan::FocusFailed;
    }
    return EnergyScan::AllEntered;
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

        for (int k = 0; k <= 5; ++k) Label3(k).setVisible(false);
        for (int i : {0, 1}) {
            Text3(i).setVisible(false);
            Text4(i).setVisible(false);
        }
        for (int i = 1; i <= 10; ++i) {
            Label2(i).setVisible(false);
            Text2(i).setVisible(false);
        }

        if (entryCount > 10) {
            application().messageBox(kTooManyConformers);
            Text1->setText("");
            return;
        }
        if (entryCount < 1) {
            Text1->setText("");
            return;
        }

        for (int i = 1; i <= entryCount; ++i) {
            Label2(i).setVisible(true);
            Text2(i).setVisible(true);
        }
        for (int k = 0; k <= 5; ++k) Label3(k).setVisible(true);
        for (int i : {0, 1}) {
            Text3(i).setVisible(true);
            Text4(i).setVisible(true);
        }
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
    if (*value < -273.14) {
        application().messageBox(kImpossibleTemperature);
        return;
    }
    kelvin.setText(formatNumber(*value + 273.15));
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
    if (*value < -273.15) {
        application().messageBox(kImpossibleTemperature);
        setFocus(celsius);
        return;
    }
    kelvin.setText(formatNumber(*value + 273.15));
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
        celsius.setText(formatNumber(*value - 273.15));
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
    celsius.setText(formatNumber(*value - 273.15));
    celsius.setEnabled(true);
    kelvin.setEnabled(true);
    EnMnuCalc();
}

}  // namespace torvi::input
