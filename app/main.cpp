// Torvi: the Boltzmann distribution of up to ten conformers as a function of temperature.

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/torvi_program.h"
#include "torvi/version.h"

int main(int argc, char* argv[]) {
    using torvi::app::CommandLine;

    // The command line is read without a display: help, version, tables and mistakes need none.
    const CommandLine command =
        torvi::app::readCommandLine(std::vector<std::string>(argv, argv + argc));
    switch (command.action) {
        case CommandLine::Action::Print:
            std::fputs(command.output.c_str(), stdout);
            return 0;
        case CommandLine::Action::Table:
            return torvi::app::runTableCommand(command);
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s\n", command.output.c_str());
            return 2;
        case CommandLine::Action::Window:
            break;
    }
    // Without a display Qt would abort; say what the command line can do instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(
            "There is no display to open the window on; torvi --help lists what needs none.\n",
            stderr);
        return 2;
    }

    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(torvi::version::kTitle);
    QApplication::setApplicationVersion(torvi::version::kNumber);
    QApplication::setDesktopFileName("org.torvi.Torvi");
    QApplication::setWindowIcon(QIcon(QString(":/torvi/") + torvi::version::kIcon));
    torvi::app::TorviProgram program;
    if (program.application().ended()) return 0;
    if (command.showHpg) program.showHpgCommand();
    return QApplication::exec();
}
