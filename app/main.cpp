// Torvi: the Boltzmann distribution of up to ten conformers as a function of temperature.

#include <QApplication>
#include <QIcon>

#include "app/torvi_program.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName("Torvi");
    QApplication::setApplicationVersion("1.0");
    QApplication::setDesktopFileName("org.torvi.Torvi");
    QApplication::setWindowIcon(QIcon(":/torvi/torvi-32.png"));

    torvi::app::TorviProgram program;
    if (program.application().ended()) return 0;
    return QApplication::exec();
}
