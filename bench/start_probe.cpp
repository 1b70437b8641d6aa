// Starts like the program and exits as soon as the main window has been shown and painted:
// the cold-start figure. With --bare, a plain Qt Widgets program with one empty QMainWindow and
// a QMdiArea does the same, as the anchor.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <cstring>

#include "shell/mdi_form1.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/qt_printers.h"
#include "ui/qt/qt_text_metrics.h"
#include "ui/qt/window_view.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
        QMainWindow window;
        window.setCentralWidget(new QMdiArea(&window));
        window.resize(667, 467);
        window.show();
        window.grab();
        return 0;
    }
    torvi::ui::qt::QtTextMetrics metrics;
    torvi::ui::qt::QtMessageBoxes messageBoxes;
    torvi::ui::qt::QtPrinters printers;
    torvi::ui::Application application({"Torvi", 1, 0}, metrics, messageBoxes);
    application.setPrinters(&printers);
    torvi::ui::qt::QtBinding binding(application);
    application.dispatch([&] { application.form<torvi::shell::MDIForm1>().show(); });
    binding.viewFor(application.mainWindow())->frame()->grab();
    return 0;
}
