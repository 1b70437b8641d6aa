#include "app/qt_program.h"

#include "qt/window_view.h"
#include "shell/mdi_form1.h"

namespace torvi::app {

QtProgram::QtProgram() : application_({}, metrics_, dialogs_), binding_(application_) {
    application_.setPrinters(&printers_);
    application_.setRegistry(&registry_);
    application_.setProgramStarter(&programStarter_);
    application_.setFiles(&files_);
    application_.setSettings(&settings_);
    application_.setPictures(&pictures_);
    dialogs_.setBinding(&binding_);
    application_.dispatch([&] { application_.form<shell::MDIForm1>().show(); });
}

void QtProgram::showHpgCommand() {
    if (auto* main = application_.find<shell::MDIForm1>()) main->mnuHPG->setVisible(true);
}

void QtProgram::openExercise(const std::string& path) {
    application_.dispatch([&] {
        if (auto* main = application_.find<shell::MDIForm1>()) main->openExercise(path);
    });
}

QWidget* QtProgram::mainFrame() const {
    qt::WindowView* view = binding_.windowView(application_.mainWindow());
    return view ? view->frame() : nullptr;
}

}  // namespace torvi::app
