// Torvi: the Boltzmann distribution of up to ten conformers as a function of temperature.

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Torvi");
    QApplication::setApplicationVersion("1.0");

    QMainWindow mainWindow;
    mainWindow.setWindowTitle("Torvi 1.0");
    mainWindow.setCentralWidget(new QMdiArea(&mainWindow));
    mainWindow.resize(667, 467);  // 10000 x 7000 twips at 15 twips per pixel
    mainWindow.show();
    return application.exec();
}
