#include "shell/frm_splash.h"

#include "input/form1.h"

namespace torvi::shell {

using ui::Font;
using ui::kNoIndex;
using ui::Rect;

frmSplash::frmSplash(ui::Application& application)
    : Window(application, "frmSplash", ui::WindowKind::TopLevel) {
    // A fixed dialog border without caption or control box: no title bar.
    setBorderStyle(ui::BorderStyle::FixedDialog);
    controlBox = false;
    setClientSize(7380, 4245);
    centredOnScreen = true;
    keyPreview = true;
    showInTaskbar = false;

    Frame1 = &add<ui::Frame>("Frame1", kNoIndex, Rect{150, 50, 7080, 4050});
    auto label = [this](const char* name, Rect geometry, const char* caption, Font font,
                        bool fitted, ui::Alignment alignment = ui::Alignment::Left) {
        ui::Label& created = add<ui::Label>(name, kNoIndex, geometry, caption);
        created.setContainer(Frame1);
        created.font = std::move(font);
        created.fitted = fitted;
        created.alignment = alignment;
        return &created;
    };
    lblCompanyProduct = label("lblCompanyProduct", {1800, 600, 3555, 435}, "Chemistry Teaching",
                              Font{"Arial", 18, true}, true);
    lblProductName =
        label("lblProductName", {4080, 1080, 2340, 1125}, "Product", Font{"Arial", 48, true}, true);
    Label2 = label("Label2", {4680, 2450, 180, 195}, "for", Font{}, true);
    lblPlatform = label("lblPlatform", {5025, 2340, 1830, 360}, "Windows 95",
                        Font{"Arial", 15.75, true}, true, ui::Alignment::Right);
    lblVersion = label("lblVersion", {5970, 2700, 885, 285}, "Version", Font{"Arial", 12, true},
                       true, ui::Alignment::Right);
    lblWarning = label("lblWarning", {1080, 3660, 4695, 195},
                       " Do you really believe that a free program can work correctly?",
                       Font{"Arial", 8.25, false}, false);
    Image1 = &add<ui::ImageElement>("Image1", kNoIndex, Rect{240, 240, 480, 480},
                                    ui::Picture{"torvi-32.png", 32, 32}, false);
    Image1->setContainer(Frame1);
    imgLogo = &add<ui::ImageElement>("imgLogo", kNoIndex, Rect{240, 1680, 3495, 1665},
                                     ui::Picture{"logo.png", 353, 201}, true);
    imgLogo->setContainer(Frame1);
    Label1 = label("Label1", {4440, 3120, 495, 375}, "Label1", Font{}, false);
    Label1->setVisible(false);
    Timer1 = &add<ui::Timer>("Timer1", kNoIndex, 2000);

    Frame1->onClick = [this] { Frame1_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
}

void frmSplash::Form_Load() {
    const ui::ApplicationInfo& info = application().info();
    lblVersion->setCaption("Version " + std::to_string(info.major) + "." +
                           std::to_string(info.minor));
    lblProductName->setCaption(info.title);
    Timer1->setRunning(true);
    application().form<input::Form1>();
}

void frmSplash::Timer1_Timer() {
    if (Label1->caption() == "Fixed") return;
    close();
}

void frmSplash::Form_KeyPress(int) {
    close();
}

void frmSplash::Frame1_Click() {
    close();
}

}  // namespace torvi::shell
