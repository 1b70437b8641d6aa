// The main window's design and loading.

#include "shell/mdi_form1.h"

namespace torvi::shell {

using ui::MenuItem;

MDIForm1::MDIForm1(ui::Application& application)
    : Window(application, "MDIForm1", ui::WindowKind::Main) {
    icon = version::kIcon;
    backColour = ui::colours::applicationWorkspace;
    createFileMenu();
    createCalculateCommand();
    createWindowMenu();
    createOptionsMenu();
    createHelpMenu();
    createHpgCommand();
    connectHandlers();
}

void MDIForm1::createFileMenu() {
    mnuFile = &add<MenuItem>("mnuFile", nullptr, "&File");
    mnuPrint = &add<MenuItem>("mnuPrint", mnuFile, "&Print Table");
    mnuPrint->setEnabled(false);
    mnuSep3 = &add<MenuItem>("mnuSep3", mnuFile, "-");
    mnuExit = &add<MenuItem>("mnuExit", mnuFile, "E&xit", 'Q');
    mnuSep2 = &add<MenuItem>("mnuSep2", mnuFile, "-");
    mnuSplash = &add<MenuItem>("mnuSplash", mnuFile, "S&how Splash");
    // Added after the design's items, so that its keys reach what they did.
    mnuSep4 = &add<MenuItem>("mnuSep4", mnuFile, "-");
    mnuOpenExercise = &add<MenuItem>("mnuOpenExercise", mnuFile, "&Open Exercise...", 'O');
    mnuSaveExercise = &add<MenuItem>("mnuSaveExercise", mnuFile, "Save &Exercise As...", 'S');
    mnuSep7 = &add<MenuItem>("mnuSep7", mnuFile, "-");
    mnuSaveGraph = &add<MenuItem>("mnuSaveGraph", mnuFile, "Save &Graph As...");
    mnuPrintGraph = &add<MenuItem>("mnuPrintGraph", mnuFile, "Print Gr&aph");
    for (MenuItem* graph : {mnuSaveGraph, mnuPrintGraph}) graph->setEnabled(false);
}

void MDIForm1::createCalculateCommand() {
    mnuCalc = &add<MenuItem>("mnuCalc", nullptr, "&Calculate");
    mnuCalc->setEnabled(false);
}

void MDIForm1::createWindowMenu() {
    mnuWindow = &add<MenuItem>("mnuWindow", nullptr, "&Window");
    mnuData = &add<MenuItem>("mnuData", mnuWindow, "&Data Input", 'D');
    mnuRes = &add<MenuItem>("mnuRes", mnuWindow, "Results (&Table)", 'T');
    mnuGraph = &add<MenuItem>("mnuGraph", mnuWindow, "Results (&Graph)", 'G');
    mnusep1 = &add<MenuItem>("mnusep1", mnuWindow, "-");
    mnuCasc = &add<MenuItem>("mnuCasc", mnuWindow, "Ca&scade");
    for (MenuItem* results : {mnuRes, mnuGraph, mnuCasc}) results->setEnabled(false);
}

void MDIForm1::createOptionsMenu() {
    mnuOptions = &add<MenuItem>("mnuOptions", nullptr, "O&ptions");
    mnuSGF = &add<MenuItem>("mnuSGF", mnuOptions, "Show G&raph First");
    mnuSGF->setChecked(true);
    mnuSTF = &add<MenuItem>("mnuSTF", mnuOptions, "Show Ta&ble First");
    mnuSep5 = &add<MenuItem>("mnuSep5", mnuOptions, "-");
    mnuKJ = &add<MenuItem>("mnuKJ", mnuOptions, "Energy in k&J/mol");
    mnuKelvin = &add<MenuItem>("mnuKelvin", mnuOptions, "Temperatures in &K");
    mnuSep6 = &add<MenuItem>("mnuSep6", mnuOptions, "-");
    mnuZoomIn = &add<MenuItem>("mnuZoomIn", mnuOptions, "Zoom &In", '+');
    mnuZoomOut = &add<MenuItem>("mnuZoomOut", mnuOptions, "Zoom &Out", '-');
    mnuActualSize = &add<MenuItem>("mnuActualSize", mnuOptions, "&Actual Size", '0');
}

void MDIForm1::createHelpMenu() {
    mnuHelp = &add<MenuItem>("mnuHelp", nullptr, "&Help");
    mnuAbout = &add<MenuItem>("mnuAbout", mnuHelp, "&About");
    mnuHowTo = &add<MenuItem>("mnuHowTo", mnuHelp, "How to &Use Torvi", ui::kF1Shortcut);
}

void MDIForm1::createHpgCommand() {
    mnuHPG = &add<MenuItem>("mnuHPG", nullptr, "HPG");
    mnuHPG->setVisible(false);
}

void MDIForm1::connectHandlers() {
    mnuPrint->onClick = [this] { mnuPrint_Click(); };
    mnuExit->onClick = [this] { mnuExit_Click(); };
    mnuSplash->onClick = [this] { mnuSplash_Click(); };
    mnuCalc->onClick = [this] { mnuCalc_Click(); };
    mnuData->onClick = [this] { mnuData_Click(); };
    mnuRes->onClick = [this] { mnuRes_Click(); };
    mnuGraph->onClick = [this] { mnuGraph_Click(); };
    mnuCasc->onClick = [this] { mnuCasc_Click(); };
    mnuSGF->onClick = [this] { mnuSGF_Click(); };
    mnuSTF->onClick = [this] { mnuSTF_Click(); };
    mnuAbout->onClick = [this] { mnuAbout_Click(); };
    mnuHowTo->onClick = [this] { mnuHowTo_Click(); };
    mnuHPG->onClick = [this] { mnuHPG_Click(); };
    mnuKJ->onClick = [this] { mnuKJ_Click(); };
    mnuOpenExercise->onClick = [this] { mnuOpenExercise_Click(); };
    mnuSaveExercise->onClick = [this] { mnuSaveExercise_Click(); };
    mnuSaveGraph->onClick = [this] { mnuSaveGraph_Click(); };
    mnuPrintGraph->onClick = [this] { mnuPrintGraph_Click(); };
    mnuKelvin->onClick = [this] { mnuKelvin_Click(); };
    mnuZoomIn->onClick = [this] { mnuZoomIn_Click(); };
    mnuZoomOut->onClick = [this] { mnuZoomOut_Click(); };
    mnuActualSize->onClick = [this] { mnuActualSize_Click(); };
}

void MDIForm1::MDIForm_Load() {
    setCaption(application().info().titleAndVersion());
    setHeight(7000);
    setWidth(10000);
    // The zoom the user left the program at.
    if (ui::Settings* settings = application().settings())
        application().setZoom(ui::validZoom(settings->number(kZoomSetting)));
}

}  // namespace torvi::shell
