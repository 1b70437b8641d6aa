#pragma once
// The main window: the menu bar through which every command is reached, the one calculation
// state, and the operations other windows call (Calculate, the results display, Cascade).
// mdi_form1.cpp holds its design and loading, mdi_form1_rules.cpp its commands.

#include <string>
#include <vector>

#include "core/calculation_state.h"
#include "input/calculate_command.h"
#include "results/display_rules.h"
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
    ui::MenuItem* mnuSep4 = nullptr;
    ui::MenuItem* mnuOpenExercise = nullptr;
    ui::MenuItem* mnuSaveExercise = nullptr;
    ui::MenuItem* mnuSep7 = nullptr;
    ui::MenuItem* mnuSaveGraph = nullptr;
    ui::MenuItem* mnuPrintGraph = nullptr;
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
    ui::MenuItem* mnuSep5 = nullptr;
    ui::MenuItem* mnuKJ = nullptr;
    ui::MenuItem* mnuKelvin = nullptr;
    ui::MenuItem* mnuSep6 = nullptr;
    ui::MenuItem* mnuZoomIn = nullptr;
    ui::MenuItem* mnuZoomOut = nullptr;
    ui::MenuItem* mnuActualSize = nullptr;
    ui::MenuItem* mnuHelp = nullptr;
    ui::MenuItem* mnuAbout = nullptr;
    ui::MenuItem* mnuHowTo = nullptr;
    ui::MenuItem* mnuHPG = nullptr;

    // The setting the zoom is remembered in.
    static constexpr char kZoomSetting[] = "Zoom";

    // The record of the last calculation, for the life of the program.
    core::CalculationState state;
    // The run the results windows show, with its energies as they were typed: what Print Table
    // prints, whatever was typed or refused since.
    struct DisplayedRun {
        core::CalculationState state;
        std::vector<std::string> energyTexts;
        core::EnergyUnit energyUnit = core::EnergyUnit::KcalPerMol;
    };
    DisplayedRun displayed;

    void Form_Load() override { MDIForm_Load(); }
    void MDIForm_Load();

    void setCalculateMenuItemEnabled(bool enabled) override;
    void mnuCalc_Click() override;
    core::EnergyUnit energyUnit() const override;
    // The units the results show: the displayed run's energies and the chosen temperatures.
    results::ResultUnits resultUnits() const;
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
    void mnuHowTo_Click();
    void mnuSplash_Click();
    void mnuExit_Click();
    void mnuOpenExercise_Click();
    void mnuSaveExercise_Click();
    // The graph window's picture as a PNG picture, as shown, or an SVG drawing.
    void mnuSaveGraph_Click();
    // The graph window printed landscape, in colour, as large as the page takes it.
    void mnuPrintGraph_Click();
    // Opens an exercise file into the Data Input window, or says what is wrong with it and
    // changes nothing.
    void openExercise(const std::string& path);
    // Energies typed in kJ/mol instead of kcal/mol; temperatures shown in kelvin.
    void mnuKJ_Click();
    void mnuKelvin_Click();
    // Every window larger or smaller by a step, or at the design's size; remembered.
    void mnuZoomIn_Click();
    void mnuZoomOut_Click();
    void mnuActualSize_Click();

  private:
    void zoomTo(int percent);
    // A job on the default printer, or, without one, in a PDF file the user chooses after the
    // question; nothing (having said why) when there is neither.
    std::unique_ptr<ui::PrintJob> openPrintJob(const char* pdfQuestion, const char* pdfTitle,
                                               const char* pdfName);
    // Writes the displayed run into the table and the graph, in the units chosen.
    void showDisplayedRun();
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
