#include "shell/frm_splash.h"

#include "input/form1.h"

namespace torvi::shell {

using ui::Font;
using ui::kNoIndex;
using ui::LabelStyle;
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
    createFrame();
    createTexts();
    createPictures();
    createPin();
    Frame1->onClick = [this] { Frame1_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
}

void frmSplash::createFrame() {
    Frame1 = &add<ui::Frame>("Frame1", kNoIndex, Rect{150, 50, 7080, 4050});
}

void frmSplash::createTexts() {
    const auto inFrame = [this](Font font, ui::Alignment alignment = ui::Alignment::Left) {
        return LabelStyle{
            .fitted = true, .alignment = alignment, .font = std::move(font), .container = Frame1};
    };
    lblCompanyProduct = &add<ui::Label>("lblCompanyProduct", kNoIndex, Rect{1800, 600, 3555, 435},
                                        "Chemistry Teaching", inFrame(Font{"Arial", 18, true}));
    lblProductName = &add<ui::Label>("lblProductName", kNoIndex, Rect{4080, 1080, 2340, 1125},
                                     "Product", inFrame(Font{"Arial", 48, true}));
    Label2 =
        &add<ui::Label>("Label2", kNoIndex, Rect{4680, 2450, 180, 195}, "for", inFrame(Font{}));
    lblPlatform =
        &add<ui::Label>("lblPlatform", kNoIndex, Rect{5025, 2340, 1830, 360}, "Windows 95",
                        inFrame(Font{"Arial", 15.75, true}, ui::Alignment::Right));
    lblVersion = &add<ui::Label>("lblVersion", kNoIndex, Rect{5970, 2700, 885, 285}, "Version",
                                 inFrame(Font{"Arial", 12, true}, ui::Alignment::Right));
    lblWarning =
        &add<ui::Label>("lblWarning", kNoIndex, Rect{1080, 3660, 4695, 195},
                        " Do you really believe that a free program can work correctly?",
                        LabelStyle{.font = Font{"Arial", 8.25, false}, .container = Frame1});
}

void frmSplash::createPictures() {
    Image1 = &add<ui::ImageElement>("Image1", kNoIndex, Rect{240, 240, 480, 480},
                                    ui::Picture{version::kIcon, 32, 32}, false);
    Image1->setContainer(Frame1);
    imgLogo = &add<ui::ImageElement>("imgLogo", kNoIndex, Rect{240, 1680, 3495, 1665},
                                     ui::Picture{"logo.png", 353, 201}, true);
    imgLogo->setContainer(Frame1);
}

void frmSplash::createPin() {
    Label1 = &add<ui::Label>("Label1", kNoIndex, Rect{4440, 3120, 495, 375}, "Label1",
                             LabelStyle{.visible = false, .container = Frame1});
    Timer1 = &add<ui::Timer>("Timer1", kNoIndex, 2000);
}

void frmSplash::Form_Load() {
    const ui::ApplicationInfo& info = application().info();
    lblVersion->setCaption(info.versionText());
    lblProductName->setCaption(info.title);
    Timer1->setRunning(true);
    application().form<input::Form1>();
}

void frmSplash::Timer1_Timer() {
    if (Label1->caption() == kPinned) return;
    close();
}

void frmSplash::Form_KeyPress(int) {
    close();
}

void frmSplash::Frame1_Click() {
    close();
}

}  // namespace torvi::shell
