// The Qt binding's cost: creating, showing and first painting a window of 150 elements, and
// mirroring 200 model property changes into the widgets. Runs on the offscreen platform.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdlib>

#include "qt/qt_binding.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_text_metrics.h"
#include "qt/window_view.h"
#include "ui/application.h"

namespace {

using namespace torvi::ui;
namespace qt = torvi::qt;

class MainWindow : public Window {
  public:
    explicit MainWindow(Application& application) : Window(application, "Main", WindowKind::Main) {
        setGeometry({0, 0, 10000, 7000});
    }
};

// 50 labels, 50 text boxes, 25 bars each holding a cell: 150 elements.
class BusyWindow : public Window {
  public:
    explicit BusyWindow(Application& application) : Window(application, "Busy", WindowKind::Child) {
        setGeometry({0, 0, 8500, 5500});
        for (int i = 0; i < 50; ++i) {
            labels.push_back(&add<Label>("Label1", i,
                                         Rect{120 + 1500 * (i % 5), 200 * (i / 5), 900, 195},
                                         "Label " + std::to_string(i)));
            boxes.push_back(
                &add<TextBox>("Text1", i, Rect{1100 + 1500 * (i % 5), 200 * (i / 5), 400, 195}));
        }
        for (int k = 0; k < 25; ++k) {
            PictureBox& bar = add<PictureBox>("Picture1", k, Rect{300 * k, 2200, 250, 2000});
            Label& cell = add<Label>("Label3", k, Rect{0, 0, 495, 1000}, "");
            cell.setContainer(&bar);
            cell.opaque = true;
            cells.push_back(&cell);
        }
    }
    std::vector<Label*> labels;
    std::vector<TextBox*> boxes;
    std::vector<Label*> cells;
};

struct Fixture {
    qt::QtTextMetrics metrics;
    qt::QtDialogs messages;
    Application application{{"Bench", 1, 0}, metrics, messages};
    qt::QtBinding binding{application};
    Fixture() {
        application.form<MainWindow>().show();
        QApplication::processEvents();
    }
};

void createShowAndPaint(benchmark::State& state) {
    Fixture fixture;
    for (auto _ : state) {
        BusyWindow& window = fixture.application.form<BusyWindow>();
        QWidget* frame = fixture.binding.windowView(&window)->frame();
        benchmark::DoNotOptimize(frame->grab());
        state.PauseTiming();
        fixture.application.close(window);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(createShowAndPaint)->Unit(benchmark::kMillisecond);

void mirrorPropertyChanges(benchmark::State& state) {
    Fixture fixture;
    BusyWindow& window = fixture.application.form<BusyWindow>();
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        ++round;
        fixture.application.dispatch([&] {
            for (int i = 0; i < 50; ++i) {
                window.boxes[i]->setText(std::to_string(round + i));
                window.labels[i]->setCaption(std::to_string(round * i));
                window.labels[i]->setVisible((round + i) % 2 == 0);
            }
            for (int k = 0; k < 25; ++k) {
                window.cells[k]->setHeight(500 + (round + k) % 1000);
                window.cells[k]->setTop((round * k) % 500);
            }
        });
        QApplication::processEvents();
    }
    state.counters["changes"] = 200;
}
BENCHMARK(mirrorPropertyChanges)->Unit(benchmark::kMillisecond);

}  // namespace
