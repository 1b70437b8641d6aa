#pragma once
// Torvi as it runs: the window model's application with Qt's text metrics, message boxes and the
// default printer, bound to Qt Widgets, with the main window shown. Needs a QApplication.

#include "qt/host_services.h"
#include "qt/qt_binding.h"
#include "qt/qt_dialogs.h"
#include "qt/qt_files.h"
#include "qt/qt_pictures.h"
#include "qt/qt_printers.h"
#include "qt/qt_settings.h"
#include "qt/qt_text_metrics.h"
#include "ui/application.h"

class QWidget;

namespace torvi::app {

class QtProgram {
  public:
    QtProgram();
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

    ui::Application& application() { return application_; }
    qt::QtBinding& binding() { return binding_; }
    // The main window's Qt frame.
    QWidget* mainFrame() const;
    // Makes the hidden HPG command visible on the menu bar.
    void showHpgCommand();
    // Opens an exercise file into the Data Input window, as File > Open Exercise does.
    void openExercise(const std::string& path);

  private:
    qt::QtTextMetrics metrics_;
    qt::QtDialogs dialogs_;
    qt::QtPrinters printers_;
    qt::HostRegistry registry_;
    qt::HostProgramStarter programStarter_;
    qt::QtFiles files_;
    qt::QtSettings settings_;
    ui::Application application_;
    qt::QtBinding binding_;
    qt::QtPictures pictures_{binding_};
};

}  // namespace torvi::app
