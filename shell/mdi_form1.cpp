#include "shell/mdi_form1.h"

#include "input/form1.h"
#include "results/form4.h"
#include "shell/frm_about.h"
#include "shell/frm_splash.h"

namespace torvi::shell {

using ui::MenuItem;

MDIForm1::MDIForm1(ui::Application& application)
    : Window(application, "MDIForm1", ui::WindowKind::Main) {
    icon = "torvi-32.png";
    backColour = ui::colours::applicationWorkspace;
    createMenus();
}

void MDIForm1::createMenus() {
    auto item = [this](const char* name, MenuItem* parent, const char* caption, char shortcut = 0) {
        return &add<MenuItem>(name, parent, caption, shortcut);
    };
    mnuFile = item("mnuFile", nullptr, "&File");
    mnuPrint = item("mnuPrint", mnuFile, "&Print Table");
    mnuSep3 = item("mnuSep3", mnuFile, "-");
    mnuExit = item("mnuExit", mnuFile, "E&xit", 'Q');
    mnuSep2 = item("mnuSep2", mnuFile, "-");
    mnuSplash = item("mnuSplash", mnuFile, "S&how Splash");
    mnuCalc = item("mnuCalc", nullptr, "&Calculate");
    mnuWindow = item("mnuWindow", nullptr, "&Window");
    mnuData = item("mnuData", mnuWindow, "&Data Input", 'D');
    mnuRes = item("mnuRes", mnuWindow, "Results (&Table)", 'T');
    mnuGraph = item("mnuGraph", mnuWindow, "Results (&Graph)", 'G');
    mnusep1 = item("mnusep1", mnuWindow, "-");
    mnuCasc = item("mnuCasc", mnuWindow, "Ca&scade");
    mnuOptions = item("mnuOptions", nullptr, "O&ptions");
    mnuSGF = item("mnuSGF", mnuOptions, "Show G&raph First");
    mnuSTF = item("mnuSTF", mnuOptions, "Show Ta&ble First");
    mnuHelp = item("mnuHelp", nullptr, "&Help");
    mnuAbout = item("mnuAbout", mnuHelp, "&About");
    mnuHPG = item("mnuHPG", nullptr, "HPG");

    for (MenuItem* disabled : {mnuPrint, mnuCalc, mnuRes, mnuGraph, mnuCasc})
        disabled->setEnabled(false);
    mnuSGF->setChecked(true);
    mnuHPG->setVisible(false);

    mnuPrint->onClick = [this] { mnuPrint_Click(); };
    mnuExit->onClick = [this] { mnuExit_Click(); };
    mnuSplash->onClick = [this] { mnuSplash_Click(); };
    mnuCalc->onClick = [this] { mnuCalc_Click(); };
    mnuData->onClick = [this] { mnuData_Click(); };
    mnuRes->onClick = [this] { mnuRes_Click(); };
    mnuGraph->onClick = [this] { mnuGraph_Click(); };
    mnuCasc->onClick = [this] { mnuCasc_Click(); };
    mnuSGF->onClick = [this] { mnuSGF_Click(); };
    mnuSTF->onClick = [this] { mnuSTF_Click(); };
    mnuAbout->onClick = [this] { mnuAbout_Click(); };
    mnuHPG->onClick = [this] { mnuHPG_Click(); };
}

void MDIForm1::MDIForm_Load() {
    const ui::ApplicationInfo& info = application().info();
    setCaption(info.title + " " + std::to_string(info.major) + "." + std::to_string(info.minor));
    setHeight(7000);
    setWidth(10000);
}

void MDIForm1::setCalculateMenuItemEnabled(bool enabled) {
    mnuCalc->setEnabled(enabled);
}

void MDIForm1::mnuSGF_Click() {
    mnuSGF->setChecked(true);
    mnuSTF->setChecked(false);
    mnuCasc_Click();
}

void MDIForm1::mnuSTF_Click() {
    mnuSGF->setChecked(false);
    mnuSTF->setChecked(true);
    mnuCasc_Click();
}

void MDIForm1::mnuData_Click() {
    application().form<input::Form1>().activate();
}

void MDIForm1::mnuExit_Click() {
    application().end();
}

}  // namespace torvi::shell

namespace torvi::shell {

void MDIForm1::mnuHPG_Click() {
    application().form<results::Form4>().show();
}

void MDIForm1::mnuAbout_Click() {
    application().form<frmAbout>().show();
}

void MDIForm1::mnuSplash_Click() {
    frmSplash& splash = application().form<frmSplash>();
    splash.show();
    splash.Label1->setCaption("Fixed");
}

}  // namespace torvi::shell
