#pragma once
// The splash window: name, version, platform, logo and a warning line, without a title bar.
// A key or a click on its frame closes it; unless pinned, it also closes at its timer's tick.

#include "ui/application.h"

namespace torvi::shell {

class frmSplash : public ui::Window {
  public:
    explicit frmSplash(ui::Application& application);

    ui::Frame* Frame1 = nullptr;
    ui::Label* lblCompanyProduct = nullptr;
    ui::Label* lblProductName = nullptr;
    ui::Label* Label2 = nullptr;
    ui::Label* lblPlatform = nullptr;
    ui::Label* lblVersion = nullptr;
    ui::Label* lblWarning = nullptr;
    ui::ImageElement* Image1 = nullptr;
    ui::ImageElement* imgLogo = nullptr;
    // The pin: this caption keeps the splash open.
    static constexpr char kPinned[] = "Fixed";
    ui::Label* Label1 = nullptr;
    ui::Timer* Timer1 = nullptr;

    void Form_Load() override;
    void Form_KeyPress(int keyAscii) override;
    void Timer1_Timer();
    void Frame1_Click();

  private:
    // The design: the frame, its texts and pictures, the hidden pin and the timer.
    void createFrame();
    void createTexts();
    void createPictures();
    void createPin();
};

}  // namespace torvi::shell
