#pragma once
// The main window: the menu bar through which every command is reached, the one calculation
// state, and the operations other windows call (Calculate, the results display, Cascade).
// mdi_form1.cpp holds its design and loading, mdi_form1_rules.cpp its commands.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "input/calculate_command.h"
#include "ui/application.h"

namespace torvi::shell {

class MDIForm1 : public ui::Window, public input::CalculateCommand {
  public:
    explicit MDIForm1(ui::Application& application);

    ui::MenuItem* mnuFile = nullptr;
    ui::MenuItem* mnuPrint = nullptr;
    ui::MenuItem* mnuSep3 = nullptr;
    ui::MenuItem* mnuExit = nullptr;
    ui::MenuItem* mnuSep2 = nullptr;
    ui::MenuItem* mnuSplash = nullptr;
    ui::MenuItem* mnuCalc = nullptr;
    ui::MenuItem* mnuWindow = nullptr;
    ui::MenuItem* mnuData = nullptr;
    ui::MenuItem* mnuRes = nullptr;
    ui::MenuItem* mnuGraph = nullptr;
    ui::MenuItem* mnusep1 = nullptr;
    ui::MenuItem* mnuCasc = nullptr;
    ui::MenuItem* mnuOptions = nullptr;
    ui::MenuItem* mnuSGF = nullptr;
    ui::MenuItem* mnuSTF = nullptr;
    ui::MenuItem* mnuHelp = nullptr;
    ui::MenuItem* mnuAbout = nullptr;
    ui::MenuItem* mnuHPG = nullptr;

    // The record of the last calculation, for the life of the program.
    core::CalculationState state;
    // The run the results windows show, with its energies as they were typed: what Print Table
    // prints, whatever was typed or refused since.
    struct DisplayedRun {
        core::CalculationState state;
        std::vector<std::string> energyTexts;
    };
    DisplayedRun displayed;

    void Form_Load() override { MDIForm_Load(); }
    void MDIForm_Load();

    void setCalculateMenuItemEnabled(bool enabled) override;
    void mnuCalc_Click() override;
    // Shows the results of a completed calculation.
    void DispRes();
    void mnuCasc_Click();
    void mnuSGF_Click();
    void mnuSTF_Click();
    void mnuData_Click();
    void mnuRes_Click();
    void mnuGraph_Click();
    void mnuPrint_Click();
    void mnuHPG_Click();
    void mnuAbout_Click();
    void mnuSplash_Click();
    void mnuExit_Click();

  private:
    // The design: the menu bar, menu by menu.
    void createFileMenu();
    void createCalculateCommand();
    void createWindowMenu();
    void createOptionsMenu();
    void createHelpMenu();
    void createHpgCommand();
    void connectHandlers();
};

}  // namespace torvi::shell
