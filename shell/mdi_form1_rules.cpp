// The main window's commands: Calculate and the display of its results, the arrangement of the
// child windows, Print Table, and the commands that open windows or end the program.

#include "core/population.h"
#include "input/form1.h"
#include "results/display_rules.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/form4.h"
#include "results/results_table.h"
#include "shell/frm_about.h"
#include "shell/frm_help.h"
#include "shell/frm_splash.h"
#include "shell/mdi_form1.h"
#include "shell/messages.h"
#include "ui/window_picture.h"

namespace torvi::shell {

namespace {

// Where the arrangements put the results windows, in twips: the one behind and the one in front.
constexpr ui::Rect kBackPlace{500, 300, 0, 0};
constexpr ui::Rect kFrontPlace{1000, 600, 0, 0};

// Moves a window to a place and brings it to the front.
void bringTo(ui::Window& window, const ui::Rect& place) {
    window.move(place.left, place.top);
    window.activate();
}

}  // namespace

void MDIForm1::setCalculateMenuItemEnabled(bool enabled) {
    mnuCalc->setEnabled(enabled);
}

void MDIForm1::mnuCalc_Click() {
    // Without the Data Input window there are no entries; a fresh one would hold none.
    input::Form1* form = application().find<input::Form1>();
    if (form == nullptr) return;

    const core::CalculationOutcome outcome =
        core::calculatePopulations(form->calculationInput(), state);
    ui::TextBox* focusBox = &form->Text3(0);
    switch (outcome.refusal) {
        case core::Refusal::None:
            DispRes();
            return;
        case core::Refusal::InvalidEntry:
        case core::Refusal::CountOutOfRange:
            // Calculate is never on for such entries; there is nothing to compute or to say.
            return;
        case core::Refusal::EqualLimits:
            break;
        case core::Refusal::TemperatureNotPossible:
            focusBox = form->Text3.find(outcome.boxIndex);
            break;
        case core::Refusal::NonFinite:
            focusBox = outcome.box == core::EntryBox::Energy ? form->Text2.find(outcome.boxIndex)
                                                             : form->Text4.find(outcome.boxIndex);
            break;
    }
    application().messageBox(messages::refusalText(outcome.refusal));
    if (form->closed()) return;
    form->show();
    if (focusBox != nullptr) form->setFocus(*focusBox);
}

core::EnergyUnit MDIForm1::energyUnit() const {
    return mnuKJ->checked() ? core::EnergyUnit::KjPerMol : core::EnergyUnit::KcalPerMol;
}

results::ResultUnits MDIForm1::resultUnits() const {
    return {displayed.energyUnit,
            mnuKelvin->checked() ? core::TemperatureUnit::Kelvin : core::TemperatureUnit::Celsius};
}

void MDIForm1::showDisplayedRun() {
    const results::ResultUnits units = resultUnits();
    results::Form3& table = application().form<results::Form3>();
    ui::PrintTarget target(table.drawing, application().metrics(), table.font);
    target.clear();
    results::writeTable(target, results::kWindowLayout, displayed.state, displayed.energyTexts, 10,
                        units);
    table.units = units;
    application().form<results::Form2>().showRun(displayed.state, displayed.energyTexts, units);
}

void MDIForm1::DispRes() {
    const input::Form1* entries = application().find<input::Form1>();
    displayed.state = state;
    displayed.energyTexts.clear();
    for (int i = 1; i <= state.conformerCount; ++i) {
        const ui::TextBox* box = entries ? entries->Text2.find(i) : nullptr;
        displayed.energyTexts.push_back(box ? box->text() : std::string());
    }
    displayed.energyUnit = entries ? entries->energyUnit() : energyUnit();
    showDisplayedRun();
    results::Form3& table = application().form<results::Form3>();
    results::Form2& graph = application().form<results::Form2>();

    const int width = results::tableWidth(state.conformerCount);
    if (mnuSGF->checked()) {
        table.move(kBackPlace.left, kBackPlace.top);
        graph.move(kFrontPlace.left, kFrontPlace.top);
        table.setWidth(width);
        table.activate();
        graph.activate();
        graph.PrepGraph();
    } else {
        graph.move(kBackPlace.left, kBackPlace.top);
        table.move(kFrontPlace.left, kFrontPlace.top);
        table.setWidth(width);
        graph.activate();
        graph.PrepGraph();
        table.activate();
    }
    mnuRes->setEnabled(true);
    mnuCasc->setEnabled(true);
    mnuGraph->setEnabled(true);
    mnuPrint->setEnabled(true);
    mnuSaveGraph->setEnabled(true);
    mnuPrintGraph->setEnabled(true);
}

void MDIForm1::mnuCasc_Click() {
    if (!mnuCasc->enabled()) return;
    bringTo(application().form<input::Form1>(), ui::Rect{0, 0, 0, 0});
    if (mnuSTF->checked()) {
        bringTo(application().form<results::Form2>(), kBackPlace);
        bringTo(application().form<results::Form3>(), kFrontPlace);
    } else {
        bringTo(application().form<results::Form3>(), kBackPlace);
        bringTo(application().form<results::Form2>(), kFrontPlace);
    }
}

void MDIForm1::mnuSGF_Click() {
    mnuSGF->setChecked(true);
    mnuSTF->setChecked(false);
    mnuCasc_Click();
}

void MDIForm1::mnuSTF_Click() {
    mnuSGF->setChecked(false);
    mnuSTF->setChecked(true);
    mnuCasc_Click();
}

void MDIForm1::mnuData_Click() {
    application().form<input::Form1>().activate();
}

void MDIForm1::mnuRes_Click() {
    application().form<results::Form3>().activate();
}

void MDIForm1::mnuGraph_Click() {
    application().form<results::Form2>().activate();
}

std::unique_ptr<ui::PrintJob> MDIForm1::openPrintJob(const char* pdfQuestion, const char* pdfTitle,
                                                     const char* pdfName) {
    ui::Printers* printers = application().printers();
    if (printers == nullptr) {
        application().messageBox(messages::kNoPrinter);
        return nullptr;
    }
    std::unique_ptr<ui::PrintJob> job = printers->openDefault();
    if (job != nullptr) return job;
    if (!printers->writesFiles()) {
        application().messageBox(messages::kNoPrinter);
        return nullptr;
    }
    // Without a printer the same page can go into a PDF file.
    if (!application().ask(pdfQuestion)) return nullptr;
    const std::optional<ui::FileChoice> file =
        application().chooseSaveFile(pdfTitle, pdfName, messages::kPdfFilter);
    return file ? printers->openFile(file->path) : nullptr;
}

void MDIForm1::mnuPrint_Click() {
    std::unique_ptr<ui::PrintJob> job = openPrintJob(
        messages::kSaveAsPdfInstead, messages::kSaveAsPdfTitle, messages::kPdfFileName);
    if (job == nullptr) return;
    const ui::PrintFailure failure =
        results::printTableDocument(*job, displayed.state, displayed.energyTexts, resultUnits());
    if (failure.failed()) application().messageBox(messages::printFailureText(failure));
}

void MDIForm1::mnuPrintGraph_Click() {
    const results::Form2* graph = application().find<results::Form2>();
    if (graph == nullptr) return application().messageBox(messages::kGraphClosed);
    std::unique_ptr<ui::PrintJob> job =
        openPrintJob(messages::kSaveGraphAsPdfInstead, messages::kSaveGraphAsPdfTitle,
                     messages::kGraphPdfFileName);
    if (job == nullptr) return;
    const ui::PrintFailure failure = results::printGraphDocument(*job, *graph);
    if (failure.failed()) application().messageBox(messages::printFailureText(failure, "graph"));
}

void MDIForm1::mnuHPG_Click() {
    application().form<results::Form4>().show();
}

void MDIForm1::mnuAbout_Click() {
    application().form<frmAbout>().show();
}

void MDIForm1::mnuHowTo_Click() {
    frmHelp& help = application().form<frmHelp>();
    help.show();
    help.activate();
}

void MDIForm1::mnuSplash_Click() {
    frmSplash& splash = application().form<frmSplash>();
    splash.show();
    splash.Label1->setCaption(frmSplash::kPinned);
}

void MDIForm1::mnuExit_Click() {
    application().end();
}

void MDIForm1::mnuOpenExercise_Click() {
    const std::optional<std::string> path =
        application().chooseOpenFile(messages::kOpenExerciseTitle, messages::kExerciseFilter);
    if (path) openExercise(*path);
}

void MDIForm1::openExercise(const std::string& path) {
    ui::Files* files = application().files();
    const std::optional<std::string> bytes =
        files ? files->read(path, core::kLargestExercise) : std::nullopt;
    const auto exercise = messages::exerciseFromFile(bytes, path);
    if (const auto* message = std::get_if<std::string>(&exercise))
        return application().messageBox(*message);
    const core::Exercise& opened = std::get<core::Exercise>(exercise);
    mnuKJ->setChecked(opened.unit == core::EnergyUnit::KjPerMol);
    input::Form1& form = application().form<input::Form1>();
    form.activate();
    form.loadExercise(opened);
}

void MDIForm1::mnuSaveExercise_Click() {
    const input::Form1* form = application().find<input::Form1>();
    const std::optional<core::Exercise> exercise = form ? form->exercise() : std::nullopt;
    if (!exercise) return application().messageBox(messages::kNothingToSave);
    const std::optional<ui::FileChoice> file = application().chooseSaveFile(
        messages::kSaveExerciseTitle, messages::kExerciseFileName, messages::kExerciseFilter);
    if (!file) return;
    ui::Files* files = application().files();
    if (files == nullptr || !files->write(file->path, core::writeExercise(*exercise)))
        application().messageBox(messages::cannotWriteText(file->path));
}

void MDIForm1::mnuZoomIn_Click() {
    zoomTo(ui::zoomedIn(application().zoom()));
}

void MDIForm1::mnuZoomOut_Click() {
    zoomTo(ui::zoomedOut(application().zoom()));
}

void MDIForm1::mnuActualSize_Click() {
    zoomTo(ui::kActualSize);
}

void MDIForm1::zoomTo(int percent) {
    application().setZoom(percent);
    if (ui::Settings* settings = application().settings())
        settings->setNumber(kZoomSetting, application().zoom());
}

void MDIForm1::mnuSaveGraph_Click() {
    const results::Form2* graph = application().find<results::Form2>();
    if (graph == nullptr) return application().messageBox(messages::kGraphClosed);
    const std::optional<ui::FileChoice> file = application().chooseSaveFile(
        messages::kSaveGraphTitle, messages::kGraphFileName, messages::kGraphFilter);
    if (!file) return;
    const std::string& path = file->path;
    // A name ending in .svg is a drawing, whichever type was chosen; otherwise the type decides
    // between the picture as shown and the picture of the printed graph.
    const bool drawing = path.size() >= 4 && path.compare(path.size() - 4, 4, ".svg") == 0;
    ui::PictureSource* pictures = application().pictures();
    std::optional<std::string> bytes;
    if (drawing) {
        bytes = ui::windowSvg(*graph, pictures);
    } else if (pictures != nullptr && file->type == messages::kGraphForPrintType) {
        bytes = results::graphPagePng(*graph, *pictures, application().metrics(),
                                      messages::kGraphForPrintDotsPerInch);
    } else if (pictures != nullptr) {
        bytes = pictures->windowPng(*graph);
    }
    ui::Files* files = application().files();
    if (!bytes || files == nullptr || !files->write(path, *bytes))
        application().messageBox(messages::cannotWriteText(path));
}

void MDIForm1::mnuKJ_Click() {
    mnuKJ->setChecked(!mnuKJ->checked());
    // The boxes keep what was typed and read it in the new unit; the results shown keep theirs.
    if (input::Form1* form = application().find<input::Form1>()) form->setEnergyUnit(energyUnit());
}

void MDIForm1::mnuKelvin_Click() {
    mnuKelvin->setChecked(!mnuKelvin->checked());
    if (mnuPrint->enabled()) showDisplayedRun();
}

}  // namespace torvi::shell
