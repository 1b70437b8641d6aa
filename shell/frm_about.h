#pragma once
// The About box: what the program is for, its version and origin, and a button that starts the
// system's System Information tool.

#include <cstdint>
#include <string>

#include "ui/application.h"
#include "ui/control_array.h"

namespace torvi::shell {

class frmAbout : public ui::Window {
  public:
    explicit frmAbout(ui::Application& application);

    ui::PictureBox* picIcon = nullptr;
    ui::Label* lblTitle = nullptr;
    ui::Label* lblVersion = nullptr;
    ui::Label* lblDescription = nullptr;
    ui::ControlArray<ui::LineElement> Line1{*this, "Line1"};  // the etched separator
    ui::Label* lblDisclaimer = nullptr;
    ui::CommandButton* cmdOK = nullptr;
    ui::CommandButton* cmdSysInfo = nullptr;

    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads a registry value as text; false (and an empty text) when it cannot.
    bool GetKeyValue(std::uint32_t root, const std::string& keyPath, const std::string& valueName,
                     std::string& value);

  private:
    // The design: the icon and the texts, the separator, the buttons.
    void createTexts();
    void createSeparator();
    void createButtons();
};

}  // namespace torvi::shell
