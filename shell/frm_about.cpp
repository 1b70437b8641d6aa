#include "shell/frm_about.h"

#include "core/messages.h"
#include "core/number_text.h"
#include "shell/mdi_form1.h"

namespace torvi::shell {

using ui::Font;
using ui::kNoIndex;
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

    picIcon = &add<ui::PictureBox>("picIcon", kNoIndex, Rect{240, 240, 540, 540});
    picIcon->picture = ui::Picture{"torvi-32.png", 32, 32};
    picIcon->fillColour = backColour;
    auto label = [this](const char* name, Rect geometry, const char* caption, Font font) {
        ui::Label& created = add<ui::Label>(name, kNoIndex, geometry, caption);
        created.font = std::move(font);
        return &created;
    };
    lblTitle =
        label("lblTitle", {1050, 240, 3885, 480}, "Application Title", Font{"Arial", 20.25, true});
    lblVersion = label("lblVersion", {1050, 780, 3885, 225}, "Version", Font{"Arial", 12, false});
    lblDescription = label("lblDescription", {1050, 1200, 3885, 930}, kDescription, Font{});
    lblDescription->foreColour = ui::colours::black;
    // The etched separator: the grey line lies over the top row of the 2-pixel white one, whose
    // second row shows below it.
    ui::LineElement& white = add<ui::LineElement>("Line1", 0, 120, 2280, 5669, 2280);
    white.colour = ui::colours::white;
    white.thickness = 2;
    ui::LineElement& grey = add<ui::LineElement>("Line1", 1, 90, 2280, 5654, 2280);
    grey.colour = ui::Rgb{128, 128, 128};
    Line1.add(1, grey);
    Line1.add(0, white);
    lblDisclaimer = label("lblDisclaimer", {120, 2385, 3870, 1065}, kDisclaimer, Font{});
    lblDisclaimer->foreColour = ui::colours::black;
    cmdOK = &add<ui::CommandButton>("cmdOK", kNoIndex, Rect{4245, 2625, 1260, 345}, "OK");
    cmdOK->isDefault = true;
    cmdOK->isCancel = true;
    cmdSysInfo = &add<ui::CommandButton>("cmdSysInfo", kNoIndex, Rect{4260, 3075, 1245, 345},
                                         "&System Info...");
    cmdSysInfo->accessibleName = "System Info...";
    tabOrder = {cmdOK, cmdSysInfo};

    cmdOK->onClick = [this] { cmdOK_Click(); };
    cmdSysInfo->onClick = [this] { cmdSysInfo_Click(); };
}

void frmAbout::Form_Load() {
    const ui::ApplicationInfo& info = application().info();
    setCaption("About " + info.title);
    lblVersion->setCaption("Version " + std::to_string(info.major) + "." +
                           std::to_string(info.minor));
    lblTitle->setCaption(info.title);
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

Registry& frmAbout::registry() const {
    auto* main = dynamic_cast<MDIForm1*>(application().mainWindow());
    static HostRegistry host;
    return main && main->registry ? *main->registry : host;
}

ProgramStarter& frmAbout::starter() const {
    auto* main = dynamic_cast<MDIForm1*>(application().mainWindow());
    static HostProgramStarter host;
    return main && main->programStarter ? *main->programStarter : host;
}

void frmAbout::StartSysInfo() {
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                    path)) {
        if (starter().start(path)) return;
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location",
                           "MSINFO", path)) {
        path += "\\MSINFO32.EXE";
        if (starter().fileExists(path) && starter().start(path)) return;
    }
    application().messageBox(core::messages::kNoSystemInformation);
}

bool frmAbout::GetKeyValue(std::uint32_t root, const std::string& keyPath,
                           const std::string& valueName, std::string& value) {
    Registry& keys = registry();
    std::uint32_t key = 0;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> buffer(1024, 0);
    std::uint32_t size = 1024;
    if (keys.openKey(root, keyPath, KEY_ALL_ACCESS, key) != ERROR_SUCCESS ||
        keys.queryValue(key, valueName, type, buffer, size) != ERROR_SUCCESS) {
        value.clear();
        keys.closeKey(key);
        return false;
    }
    std::string text(buffer.begin(), buffer.begin() + std::min<std::size_t>(size, buffer.size()));
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (type == REG_SZ) value = text;
    if (type == REG_DWORD) value = dwordText(text);
    keys.closeKey(key);
    return true;
}

}  // namespace torvi::shell
