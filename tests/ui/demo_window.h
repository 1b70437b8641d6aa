#pragma once
// A small window for the toolkit tests: two text boxes in an array, a third box, a button, a
// frame holding a label, a picture box, a timer and a menu. Every event is written to a shared log.

#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/control_array.h"

namespace torvi::ui::testing {

class DemoWindow : public Window {
  public:
    explicit DemoWindow(Application& application);

    ControlArray<TextBox> Text1{*this, "Text1"};
    TextBox* Text2 = nullptr;
    CommandButton* Command1 = nullptr;
    Frame* Frame1 = nullptr;
    Label* Label1 = nullptr;
    PictureBox* Picture1 = nullptr;
    Timer* Timer1 = nullptr;
    MenuItem* mnuFile = nullptr;
    MenuItem* mnuGo = nullptr;

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyPress(int keyAscii) override;

    std::vector<std::string> log;
    // Hooks the tests set to act inside handlers.
    std::function<void(int index)> lostFocusAction;
    std::function<void(int index, int keyAscii)> keyAction;
    static int loads;
};

// A main window with a menu: Calculate-like command with a Ctrl+K shortcut.
class DemoMain : public Window {
  public:
    explicit DemoMain(Application& application);
    MenuItem* mnuRun = nullptr;
    MenuItem* mnuOption = nullptr;
    std::vector<std::string> log;
};

// A second window type that is not a child: shown only when asked.
class DemoTopLevel : public Window {
  public:
    explicit DemoTopLevel(Application& application);
    void Form_Load() override { ++loads; }
    int loads = 0;
};

}  // namespace torvi::ui::testing
