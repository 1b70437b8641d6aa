// The results of a completed calculation on screen and on paper, and the commands that bring
// the results windows forward.

#include "core/messages.h"
#include "input/form1.h"
#include "results/display_rules.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/results_table.h"
#include "shell/mdi_form1.h"

namespace torvi::shell {

namespace {

// Hands the graph values on to the graph window, creating it at the first value.
class GraphWindowValues : public results::GraphValues {
  public:
    explicit GraphWindowValues(ui::Application& application) : application_(application) {}
    void setEnergyText(int conformer, const std::string& text) override {
        graph().setEnergyText(conformer, text);
    }
    void setTemperatureText(int column, const std::string& text) override {
        graph().setTemperatureText(column, text);
    }
    void setCellHeight(int conformer, int column, double population) override {
        graph().setCellHeight(conformer, column, population);
    }
    void stackColumn(int column, int conformerCount) override {
        graph().stackColumn(column, conformerCount);
    }

  private:
    results::Form2& graph() { return application_.form<results::Form2>(); }
    ui::Application& application_;
};

}  // namespace

void MDIForm1::DispRes() {
    const input::Form1* entries = application().find<input::Form1>();
    displayed.state = state;
    displayed.energyTexts.clear();
    for (int i = 1; i <= state.conformerCount; ++i) {
        const ui::TextBox* box = entries ? entries->Text2.find(i) : nullptr;
        displayed.energyTexts.push_back(box ? box->text() : std::string());
    }

    results::Form3& table = application().form<results::Form3>();
    ui::PrintTarget target(table.drawing, application().metrics(), table.font);
    target.clear();
    GraphWindowValues graphValues(application());
    results::writeTable(target, results::kWindowLayout, state, displayed.energyTexts, &graphValues);

    results::Form2& graph = application().form<results::Form2>();
    const int width = results::tableWidth(state.conformerCount);
    if (mnuSGF->checked()) {
        table.move(500, 300);
        graph.move(1000, 600);
        table.setWidth(width);
        table.activate();
        graph.activate();
        graph.PrepGraph();
    } else {
        graph.move(500, 300);
        table.move(1000, 600);
        table.setWidth(width);
        graph.activate();
        graph.PrepGraph();
        table.activate();
    }
    mnuRes->setEnabled(true);
    mnuCasc->setEnabled(true);
    mnuGraph->setEnabled(true);
    mnuPrint->setEnabled(true);
}

void MDIForm1::mnuCasc_Click() {
    if (!mnuCasc->enabled()) return;
    input::Form1& entries = application().form<input::Form1>();
    entries.move(0, 0);
    entries.activate();
    if (mnuSTF->checked()) {
        results::Form2& graph = application().form<results::Form2>();
        graph.move(500, 300);
        graph.activate();
        results::Form3& table = application().form<results::Form3>();
        table.move(1000, 600);
        table.activate();
    } else {
        results::Form3& table = application().form<results::Form3>();
        table.move(500, 300);
        table.activate();
        results::Form2& graph = application().form<results::Form2>();
        graph.move(1000, 600);
        graph.activate();
    }
}

void MDIForm1::mnuRes_Click() {
    application().form<results::Form3>().activate();
}

void MDIForm1::mnuGraph_Click() {
    application().form<results::Form2>().activate();
}

void MDIForm1::mnuPrint_Click() {
    namespace messages = core::messages;
    ui::Printers* printers = application().printers();
    if (printers == nullptr) return application().messageBox(messages::kNoPrinter);
    std::unique_ptr<ui::PrintJob> job = printers->openDefault();
    if (job == nullptr) {
        // Without a printer the same page can go into a PDF file.
        if (!application().ask(messages::kSaveAsPdfInstead)) return;
        const std::optional<std::string> file = application().chooseSaveFile(
            messages::kSaveAsPdfTitle, messages::kPdfFileName, messages::kPdfFilter);
        if (!file) return;
        job = printers->openFile(*file);
    }
    const std::string problem = results::printTable(*job, displayed.state, displayed.energyTexts);
    if (!problem.empty()) application().messageBox(problem);
}

}  // namespace torvi::shell
