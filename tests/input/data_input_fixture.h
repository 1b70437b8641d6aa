#pragma once
// The Data Input window under a stand-in main window that records what Calculate is asked to do.

#include <gtest/gtest.h>

#include "input/calculate_command.h"
#include "input/form1.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"

namespace torvi::input::testing {

class StandInMain : public ui::Window, public CalculateCommand {
  public:
    explicit StandInMain(ui::Application& application)
        : Window(application, "Main", ui::WindowKind::Main) {}
    void setCalculateMenuItemEnabled(bool enabled) override { calculateEnabled = enabled; }
    void mnuCalc_Click() override { ++calculations; }
    core::EnergyUnit energyUnit() const override { return core::EnergyUnit::KcalPerMol; }
    bool calculateEnabled = true;
    int calculations = 0;
};

class DataInput : public ::testing::Test, protected torvi::testing::Assembly<> {
  protected:
    void SetUp() override {
        main = &application.form<StandInMain>();
        main->show();
        form = &application.form<Form1>();
    }

    // Types a text into the focused box, then presses Enter.
    void enter(std::string_view text) {
        user.type(text);
        user.enter();
    }
    // Confirms a count and energies, leaving the focus in the lower Celsius box.
    void enterCountAndEnergies(const std::vector<std::string>& energies) {
        enter(std::to_string(energies.size()));
        for (const std::string& energy : energies) enter(energy);
    }
    bool calculateOn() const { return form->Command1->enabled() && main->calculateEnabled; }
    bool calculateOff() const { return !form->Command1->enabled() && !main->calculateEnabled; }
    std::vector<int> visibleEnergyRows() const {
        std::vector<int> rows;
        for (int i = 1; i <= 10; ++i) {
            EXPECT_EQ(form->Text2(i).visible(), form->Label2(i).visible());
            if (form->Text2(i).visible()) rows.push_back(i);
        }
        return rows;
    }
    bool temperatureBlockVisible() const {
        bool all = true, any = false;
        for (int k = 0; k <= 5; ++k) {
            all = all && form->Label3(k).visible();
            any = any || form->Label3(k).visible();
        }
        for (int i : {0, 1}) {
            for (const ui::TextBox* box : {&form->Text3(i), &form->Text4(i)}) {
                all = all && box->visible();
                any = any || box->visible();
            }
        }
        EXPECT_EQ(all, any) << "the temperature block shows or hides as a whole";
        return all;
    }

    ui::User user{application};
    StandInMain* main = nullptr;
    Form1* form = nullptr;
};

}  // namespace torvi::input::testing
