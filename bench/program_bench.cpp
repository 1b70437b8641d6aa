// The program's own figures on the offscreen platform: a key press through the binding, a
// Calculate to both results windows painted, opening the HPG window, the graph maximised at
// 1920 x 1080, and Print Table to the document handed to the spooler (when the system has a
// default printer).

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QTest>
#include <cstdlib>

#include "app/qt_program.h"
#include "input/form1.h"
#include "qt/client_area_view.h"
#include "qt/window_view.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/form4.h"
#include "shell/mdi_form1.h"
#include "tests/support/typed_entries.h"
#include "tests/support/user.h"
#include "ui/units.h"

namespace {

using namespace torvi;

const std::vector<std::string> kTenEnergies = {"0",   "0,3", "0,6", "0,9", "1,2",
                                               "1,5", "1,8", "2,1", "2,4", "2,7"};

// The program as it starts, plus the entries of a run typed into Data Input.
struct Program {
    app::QtProgram torvi;
    ui::Application& application = torvi.application();
    qt::QtBinding* binding = &torvi.binding();
    shell::MDIForm1* main = dynamic_cast<shell::MDIForm1*>(application.mainWindow());

    Program() { QApplication::processEvents(); }
    ~Program() { QApplication::processEvents(); }
    input::Form1& enter(const std::vector<std::string>& energies) {
        ui::User user(application);
        torvi::testing::typeEntries(user, energies);
        return *application.find<input::Form1>();
    }
    void paint(ui::Window& window) {
        benchmark::DoNotOptimize(binding->windowView(&window)->frame()->grab());
    }
};

void keyPressEnterInLastKelvinBox(benchmark::State& state) {
    Program program;
    input::Form1& form = program.enter({"0", "1"});
    auto* box = static_cast<QLineEdit*>(program.binding->widgetFor(&form.Text4(1)));
    for (auto _ : state) {
        state.PauseTiming();
        program.application.dispatch([&] {
            form.setFocus(form.Text4(1));
            form.Text4(1).setText("303.15");
        });
        box->setFocus();
        state.ResumeTiming();
        QTest::keyClick(box, Qt::Key_Return);
    }
}
BENCHMARK(keyPressEnterInLastKelvinBox)->Unit(benchmark::kMicrosecond);

void calculateToResultsPainted(benchmark::State& state) {
    Program program;
    program.enter(kTenEnergies);
    for (auto _ : state) {
        program.application.dispatch([&] { program.main->mnuCalc_Click(); });
        program.paint(*program.application.find<results::Form3>());
        program.paint(*program.application.find<results::Form2>());
    }
}
BENCHMARK(calculateToResultsPainted)->Unit(benchmark::kMillisecond);

void openHpgWindow(benchmark::State& state) {
    Program program;
    program.enter(kTenEnergies);
    for (auto _ : state) {
        program.application.dispatch([&] { program.main->mnuHPG_Click(); });
        program.paint(*program.application.find<results::Form4>());
        state.PauseTiming();
        program.application.dispatch([&] { program.application.find<results::Form4>()->close(); });
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(openHpgWindow)->Unit(benchmark::kMillisecond);

// The graph maximised in a main window of 1920 x 1080: painted again as it is, and grown from its
// design size (the relayout at the new scale and the paint).
void maximisedGraph(benchmark::State& state, bool grow) {
    Program program;
    program.enter(kTenEnergies);
    program.application.dispatch([&] { program.main->mnuCalc_Click(); });
    auto* graph = program.application.find<results::Form2>();
    program.torvi.mainFrame()->resize(1920, 1080);
    QMdiSubWindow* sub = program.binding->windowView(graph)->subWindow();
    sub->showMaximized();
    QApplication::processEvents();
    for (auto _ : state) {
        if (grow) {
            state.PauseTiming();
            graph->setShownClientSize(graph->clientWidth(), graph->clientHeight());
            QApplication::processEvents();
            state.ResumeTiming();
            const QSize shown = program.binding->windowView(graph)->clientArea()->size();
            graph->setShownClientSize(ui::pixelsToTwips(shown.width()),
                                      ui::pixelsToTwips(shown.height()));
        }
        program.paint(*graph);
    }
    state.counters["scale"] = graph->contentScale();
}
void maximisedGraphRepainted(benchmark::State& state) {
    maximisedGraph(state, false);
}
void graphGrownToFillAndPainted(benchmark::State& state) {
    maximisedGraph(state, true);
}
BENCHMARK(maximisedGraphRepainted)->Unit(benchmark::kMillisecond);
BENCHMARK(graphGrownToFillAndPainted)->Unit(benchmark::kMillisecond);

// A zoom step with the Data Input, table and graph windows open: every window laid out again at
// the new scale, then the event loop's turn that repaints the main window, children and all, into
// what the screen shows, once.
void zoomStep(benchmark::State& state) {
    Program program;
    program.enter(kTenEnergies);
    program.application.dispatch([&] { program.main->mnuCalc_Click(); });
    QApplication::processEvents();
    bool in = true;
    for (auto _ : state) {
        program.application.dispatch(
            [&] { in ? program.main->mnuZoomIn_Click() : program.main->mnuZoomOut_Click(); });
        in = !in;
        QApplication::processEvents();
    }
}
BENCHMARK(zoomStep)->Unit(benchmark::kMillisecond);

void printTable(benchmark::State& state) {
    if (QPrinterInfo::defaultPrinter().isNull()) {
        state.SkipWithError("no default printer");
        return;
    }
    Program program;
    program.enter({"0", "1"});
    program.application.dispatch([&] { program.main->mnuCalc_Click(); });
    for (auto _ : state) program.application.dispatch([&] { program.main->mnuPrint_Click(); });
}
BENCHMARK(printTable)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
