#include "shell/frm_about.h"

#include "shell/messages.h"

#include "core/number_text.h"

namespace torvi::shell {

using ui::Font;
using ui::kLocalMachine;
using ui::kNoIndex;
using ui::kNumberType;
using ui::kReadAccess;
using ui::kStringType;
using ui::kSuccess;
using ui::LabelStyle;
using ui::Rect;

namespace {

constexpr char kDescription[] =
    "This program is useful to illustrate the Boltzmann distribution of several (up to 10) "
    "conformers, "
    "according to their ground state energies, as a function of temperature.";
constexpr char kDisclaimer[] =
    "Developed in a university chemistry teaching laboratory for exclusively didactic purposes. "
    "It is free to use.";

// The text of a 32-bit value: its bytes from the last to the first, each in hexadecimal without
// leading zeros, read as one hexadecimal number and written in the usual number format.
std::string dwordText(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        if (value >= 16) hex += digits[value / 16];
        hex += digits[value % 16];
    }
    double number = 0;
    for (char digit : hex)
        number = number * 16 + static_cast<double>(std::string(digits).find(digit));
    return core::formatNumber(number);
}

}  // namespace

frmAbout::frmAbout(ui::Application& application)
    : Window(application, "frmAbout", ui::WindowKind::TopLevel) {
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setClientSize(5730, 3555);
    // The client area stands at its design place on the screen.
    move(2340 - frame().side, 1935 - frame().top);
    showInTaskbar = false;
    createTexts();
    createSeparator();
    createButtons();
    tabOrder = {cmdOK, cmdSysInfo};
    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdSysInfo->onClick = [this] { cmdSysInfo_Click(); };
}

void frmAbout::createTexts() {
    picIcon = &add<ui::PictureBox>("picIcon", kNoIndex, Rect{240, 240, 540, 540});
    picIcon->picture = ui::Picture{version::kIcon, 32, 32};
    picIcon->fillColour = backColour;
    lblTitle = &add<ui::Label>("lblTitle", kNoIndex, Rect{1050, 240, 3885, 480},
                               "Application Title", LabelStyle{.font = Font{"Arial", 20.25, true}});
    lblVersion = &add<ui::Label>("lblVersion", kNoIndex, Rect{1050, 780, 3885, 225}, "Version",
                                 LabelStyle{.font = Font{"Arial", 12, false}});
    lblDescription = &add<ui::Label>("lblDescription", kNoIndex, Rect{1050, 1200, 3885, 930},
                                     kDescription, LabelStyle{.foreColour = ui::colours::black});
}

void frmAbout::createSeparator() {
    // The etched separator: the grey line lies over the top row of the 2-pixel white one, whose
    // second row shows below it.
    ui::LineElement& white = Line1.create(0, 120, 2280, 5669, 2280);
    white.colour = ui::colours::white;
    white.thickness = 2;
    Line1.create(1, 90, 2280, 5654, 2280).colour = ui::colours::grey;
    lblDisclaimer = &add<ui::Label>("lblDisclaimer", kNoIndex, Rect{120, 2385, 3870, 1065},
                                    kDisclaimer, LabelStyle{.foreColour = ui::colours::black});
}

void frmAbout::createButtons() {
    cmdOK = &add<ui::CommandButton>("cmdOK", kNoIndex, Rect{4245, 2625, 1260, 345}, "OK");
    cmdOK->isDefault = true;
    cmdOK->isCancel = true;
    cmdSysInfo = &add<ui::CommandButton>("cmdSysInfo", kNoIndex, Rect{4260, 3075, 1245, 345},
                                         "&System Info...");
    cmdSysInfo->accessibleName = "System Info...";
}

void frmAbout::Form_Load() {
    const ui::ApplicationInfo& info = application().info();
    setCaption("About " + info.title);
    lblVersion->setCaption(info.versionText());
    lblTitle->setCaption(info.title);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    std::string path;
    ui::ProgramStarter* starter = application().programStarter();
    if (GetKeyValue(kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
        if (starter != nullptr && starter->start(path)) return;
    } else if (GetKeyValue(kLocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                           path)) {
        path += "\\MSINFO32.EXE";
        if (starter != nullptr && starter->fileExists(path) && starter->start(path)) return;
    }
    application().messageBox(messages::kNoSystemInformation);
}

bool frmAbout::GetKeyValue(std::uint32_t root, const std::string& keyPath,
                           const std::string& valueName, std::string& value) {
    ui::Registry* keys = application().registry();
    if (keys == nullptr) {  // a platform without a registry
        value.clear();
        return false;
    }
    std::uint32_t key = 0;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> buffer(1024, 0);
    std::uint32_t size = 1024;
    if (keys->openKey(root, keyPath, kReadAccess, key) != kSuccess ||
        keys->queryValue(key, valueName, type, buffer, size) != kSuccess) {
        value.clear();
        keys->closeKey(key);
        return false;
    }
    std::string text(buffer.begin(), buffer.begin() + std::min<std::size_t>(size, buffer.size()));
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (type == kStringType) value = text;
    if (type == kNumberType) value = dwordText(text);
    keys->closeKey(key);
    return true;
}

}  // namespace torvi::shell
