// Starts like the program and exits as soon as the main window has been shown and painted:
// the cold-start figure. With --bare, a plain Qt Widgets program with one empty QMainWindow and
// a QMdiArea does the same, as the anchor; with --bare-menu that window also has a one-item menu
// bar, which is the first text it draws.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <cstring>

#include "app/qt_program.h"

int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    if (argc > 1 && std::strncmp(argv[1], "--bare", 6) == 0) {
        QMainWindow window;
        window.setCentralWidget(new QMdiArea(&window));
        if (std::strcmp(argv[1], "--bare-menu") == 0)
            window.menuBar()->addMenu("&File")->addAction("E&xit");
        window.resize(667, 467);
        window.show();
        window.grab();
        return 0;
    }
    torvi::app::QtProgram program;
    program.mainFrame()->grab();
    return 0;
}
