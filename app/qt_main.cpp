// Torvi on Linux: the command line, or the windows on the Qt binding.

#include <QApplication>
#include <QIcon>
#include <cstdio>

#include "app/entry.h"
#include "app/qt_program.h"
#include "qt/qt_files.h"
#include "torvi/version.h"

namespace {

int runWindows(int argc, char* argv[], const torvi::app::CommandLine& command) {
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
    torvi::app::QtProgram program;
    if (program.application().ended()) return 0;
    if (command.showHpg) program.showHpgCommand();
    if (command.openFile) program.openExercise(*command.openFile);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    torvi::qt::QtFiles files;
    return torvi::app::runTorvi({argv, argv + argc},
                                {.prepareOutput = {},
                                 .runWindows =
                                     [&](const torvi::app::CommandLine& command) {
                                         return runWindows(argc, argv, command);
                                     },
                                 .files = &files});
}
