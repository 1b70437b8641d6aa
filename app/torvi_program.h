#pragma once
// Torvi as it runs: the window model's application with Qt's text metrics, message boxes and the
// default printer, bound to Qt Widgets, with the main window shown. Needs a QApplication.

#include "ui/application.h"
#include "ui/qt/host_services.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/qt_dialogs.h"
#include "ui/qt/qt_printers.h"
#include "ui/qt/qt_text_metrics.h"

class QWidget;

namespace torvi::app {

class TorviProgram {
  public:
    TorviProgram();
    TorviProgram(const TorviProgram&) = delete;
    TorviProgram& operator=(const TorviProgram&) = delete;

    ui::Application& application() { return application_; }
    ui::qt::QtBinding& binding() { return binding_; }
    // The main window's Qt frame.
    QWidget* mainFrame() const;
    // Makes the hidden HPG command visible on the menu bar.
    void showHpgCommand();

  private:
    ui::qt::QtTextMetrics metrics_;
    ui::qt::QtDialogs dialogs_;
    ui::qt::QtPrinters printers_;
    ui::qt::HostRegistry registry_;
    ui::qt::HostProgramStarter programStarter_;
    ui::Application application_;
    ui::qt::QtBinding binding_;
};

}  // namespace torvi::app
