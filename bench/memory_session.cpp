// A scripted session through the Qt binding: 1,000 Calculate runs with varying counts, a print,
// and every window opened and closed again along the way. Prints the peak resident memory after
// 10, 100 and 1,000 runs, in KiB: every window has been open once by run 100, so growth after
// that would be a leak.

#include <sys/resource.h>
#include <QApplication>
#include <QPrinterInfo>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "input/form1.h"
#include "qt/qt_binding.h"
#include "qt/qt_printers.h"
#include "qt/qt_text_metrics.h"
#include "results/form2.h"
#include "results/form3.h"
#include "results/form4.h"
#include "shell/frm_about.h"
#include "shell/frm_splash.h"
#include "shell/mdi_form1.h"
#include "tests/support/assembly.h"
#include "tests/support/user.h"

namespace {

long peakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qtApplication(argc, argv);
    using namespace torvi;
    torvi::testing::Assembly<qt::QtTextMetrics> assembly;
    ui::Application& application = assembly.application;
    // The real printer when there is one, else the assembly's recording one.
    qt::QtPrinters printers;
    if (!QPrinterInfo::defaultPrinter().isNull()) application.setPrinters(&printers);
    qt::QtBinding binding(application);
    ui::User user(application);
    shell::MDIForm1* main = nullptr;
    application.dispatch([&] {
        main = &application.form<shell::MDIForm1>();
        main->show();
    });

    long afterTen = 0;
    long afterHundred = 0;
    for (int run = 1; run <= 1000; ++run) {
        const int count = 1 + run % 10;
        user.shortcut('D');
        input::Form1& form = *application.find<input::Form1>();
        user.click(*form.Text1);
        application.dispatch([&] { form.Text1->setText(""); });
        user.type(std::to_string(count));
        user.enter();
        for (int i = 1; i <= count; ++i) {
            application.dispatch(
                [&] { form.Text2(i).setText(std::to_string((run * i) % 7) + ",5"); });
        }
        user.click(form.Text3(0));
        user.choose(*main->mnuCalc);
        if (run == 500) user.choose(*main->mnuPrint);
        if (run % 50 == 0) {
            // Every window once, then all closed again.
            user.choose(*main->mnuSplash);
            user.choose(*main->mnuAbout);
            application.dispatch([&] { main->mnuHPG_Click(); });
            user.choose(*main->mnuRes);
            user.choose(*main->mnuGraph);
            std::vector<ui::Window*> open;
            for (ui::Window* window : application.stackingOrder()) {
                if (window->kind() != ui::WindowKind::Main) open.push_back(window);
            }
            for (ui::Window* window : open) user.close(*window);
        }
        // Widgets of closed windows go with deleteLater, as they would in the event loop.
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (run == 10) afterTen = peakKiB();
        if (run == 100) afterHundred = peakKiB();
    }
    std::printf("%ld %ld %ld\n", afterTen, afterHundred, peakKiB());
    return main->displayed.state.conformerCount > 0 ? 0 : 1;
}
