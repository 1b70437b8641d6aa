#include "app/torvi_program.h"

#include "shell/mdi_form1.h"
#include "ui/qt/window_view.h"

namespace torvi::app {

TorviProgram::TorviProgram() : application_({}, metrics_, dialogs_), binding_(application_) {
    application_.setPrinters(&printers_);
    application_.setRegistry(&registry_);
    application_.setProgramStarter(&programStarter_);
    dialogs_.setBinding(&binding_);
    application_.dispatch([&] { application_.form<shell::MDIForm1>().show(); });
}

void TorviProgram::showHpgCommand() {
    if (auto* main = application_.find<shell::MDIForm1>()) main->mnuHPG->setVisible(true);
}

QWidget* TorviProgram::mainFrame() const {
    ui::qt::WindowView* view = binding_.viewFor(application_.mainWindow());
    return view ? view->frame() : nullptr;
}

}  // namespace torvi::app
