// Torvi: the Boltzmann distribution of up to ten conformers as a function of temperature.

#include <QApplication>
#include <QIcon>

#include "shell/mdi_form1.h"
#include "ui/application.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_message_boxes.h"
#include "ui/qt/qt_printers.h"
#include "ui/qt/qt_text_metrics.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("Torvi");
    QApplication::setApplicationVersion("1.0");
    QApplication::setDesktopFileName("org.torvi.Torvi");
    QApplication::setWindowIcon(QIcon(":/torvi/torvi-32.png"));

    torvi::ui::qt::QtTextMetrics metrics;
    torvi::ui::qt::QtMessageBoxes messageBoxes;
    torvi::ui::qt::QtPrinters printers;
    torvi::ui::Application application({"Torvi", 1, 0}, metrics, messageBoxes);
    application.setPrinters(&printers);
    torvi::ui::qt::QtBinding binding(application);
    messageBoxes.setBinding(&binding);

    application.dispatch([&] { application.form<torvi::shell::MDIForm1>().show(); });
    if (application.ended()) return 0;
    return QApplication::exec();
}
