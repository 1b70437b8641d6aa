// The Data Input window's controls at their design positions, captions and visibility.

#include "input/form1.h"

namespace torvi::input {

using ui::kNoIndex;
using ui::Rect;

namespace {

std::string rowCaption(int i) {
    return i < 10 ? "#   " + std::to_string(i) : "# " + std::to_string(i);
}

}  // namespace

void Form1::createControls() {
    Label1 =
        &add<ui::Label>("Label1", kNoIndex, Rect{720, 405, 1665, 195}, "Number of Conformers: ");
    Label1->fitted = true;
    Text1 = &add<ui::TextBox>("Text1", kNoIndex, Rect{2400, 360, 375, 285});
    Text1->accessibleName = "Number of Conformers";

    auto label3 = [this](int index, Rect geometry, const char* caption, bool fitted) {
        ui::Label& label = add<ui::Label>("Label3", index, geometry, caption);
        label.fitted = fitted;
        label.setVisible(false);
        Label3.add(index, label);
    };
    label3(0, {720, 840, 2790, 195}, "Energy of Each Conformer (kcal/mole): ", true);

    // Rows 1 to 5 in the left column, 6 to 10 in the right one, on the same five lines.
    for (int i = 1; i <= 10; ++i) {
        const int line = (i - 1) % 5;
        const bool left = i <= 5;
        ui::Label& caption = add<ui::Label>(
            "Label2", i, Rect{left ? 720 : 3000, 1245 + 360 * line, 330, 195}, rowCaption(i));
        caption.fitted = true;
        caption.setVisible(false);
        Label2.add(i, caption);
        ui::TextBox& box =
            add<ui::TextBox>("Text2", i, Rect{left ? 1200 : 3480, 1200 + 360 * line, 495, 285});
        box.setVisible(false);
        box.accessibleName = "Energy of conformer " + std::to_string(i) + " (kcal/mole)";
        Text2.add(i, box);
    }

    label3(1, {360, 3240, 1440, 195}, "Temperature range: ", true);
    auto temperatureBox = [this](ui::ControlArray<ui::TextBox>& array, const char* name, int index,
                                 int top, const char* text, const std::string& accessible) {
        ui::TextBox& box =
            add<ui::TextBox>(name, index, Rect{index == 0 ? 2040 : 3120, top, 615, 285}, text);
        box.setVisible(false);
        box.accessibleName = accessible;
        array.add(index, box);
    };
    temperatureBox(Text3, "Text3", 0, 3195, "-50", "Temperature range from (°C)");
    label3(2, {2760, 3240, 195, 195}, "To", true);
    temperatureBox(Text3, "Text3", 1, 3195, "30", "Temperature range to (°C)");
    label3(3, {3840, 3240, 165, 195}, "°C", true);
    temperatureBox(Text4, "Text4", 0, 3585, "", "Temperature range from (K)");
    label3(4, {2760, 3600, 255, 255}, "To", false);
    temperatureBox(Text4, "Text4", 1, 3585, "", "Temperature range to (K)");
    label3(5, {3840, 3600, 375, 255}, "  K", false);

    Command1 =
        &add<ui::CommandButton>("Command1", kNoIndex, Rect{5280, 3360, 855, 375}, "Calculate");

    tabOrder = {Text1};
    for (int i = 1; i <= 10; ++i) tabOrder.push_back(&Text2(i));
    tabOrder.insert(tabOrder.end(), {&Text3(0), &Text3(1), &Text4(0), &Text4(1), Command1});
}

void Form1::connectHandlers() {
    Text1->onKeyPress = [this](int key) { Text1_KeyPress(key); };
    Text1->onChange = [this] { Text1_Change(); };
    for (int i = 1; i <= 10; ++i) {
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

}  // namespace torvi::input
