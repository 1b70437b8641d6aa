#include "demo_window.h"

namespace torvi::ui::testing {

int DemoWindow::loads = 0;

DemoWindow::DemoWindow(Application& application) : Window(application, "Demo", WindowKind::Child) {
    for (int i : {1, 2}) {
        TextBox& box = Text1.create(i, Rect{100, 400 * i, 600, 285});
        box.onChange = [this, i] {
            log.push_back("Change " + std::to_string(i) + " " + Text1(i).text());
        };
        box.onKeyPress = [this, i](int key) {
            log.push_back("KeyPress " + std::to_string(i) + " " + std::to_string(key));
            if (keyAction) keyAction(i, key);
        };
        box.onGotFocus = [this, i] { log.push_back("GotFocus " + std::to_string(i)); };
        box.onLostFocus = [this, i] {
            log.push_back("LostFocus " + std::to_string(i));
            if (lostFocusAction) lostFocusAction(i);
        };
    }
    Text2 = &add<TextBox>("Text2", kNoIndex, Rect{100, 1200, 600, 285});
    Text2->onGotFocus = [this] { log.push_back("GotFocus Text2"); };
    Text2->onLostFocus = [this] { log.push_back("LostFocus Text2"); };
    Command1 = &add<CommandButton>("Command1", kNoIndex, Rect{1000, 400, 900, 375}, "Go");
    Command1->onClick = [this] { log.push_back("Click Command1"); };
    Command1->onGotFocus = [this] { log.push_back("GotFocus Command1"); };
    Frame1 = &add<Frame>("Frame1", kNoIndex, Rect{2000, 0, 1500, 1500});
    Frame1->onClick = [this] { log.push_back("Click Frame1"); };
    Label1 = &add<Label>("Label1", kNoIndex, Rect{100, 100, 500, 195}, "Label1");
    Label1->setContainer(Frame1);
    Label1->fitted = true;
    Picture1 = &add<PictureBox>("Picture1", kNoIndex, Rect{100, 1700, 1500, 600});
    Timer1 = &add<Timer>("Timer1", kNoIndex, 2000);
    Timer1->onTimer = [this] { log.push_back("Timer"); };
    mnuFile = &add<MenuItem>("mnuFile", nullptr, "&File");
    mnuGo = &add<MenuItem>("mnuGo", mnuFile, "&Go", 'G');
    mnuGo->onClick = [this] { log.push_back("Click mnuGo"); };
    tabOrder = {&Text1(1), &Text1(2), Text2, Command1};
}

void DemoWindow::Form_Load() {
    ++loads;
    log.push_back("Load");
}

void DemoWindow::Form_Unload() {
    log.push_back("Unload");
}

void DemoWindow::Form_KeyPress(int keyAscii) {
    log.push_back("Form_KeyPress " + std::to_string(keyAscii));
}

DemoMain::DemoMain(Application& application) : Window(application, "Main", WindowKind::Main) {
    setCaption("Demo 1.0");
    setGeometry({0, 0, 10000, 7000});
    MenuItem& menu = add<MenuItem>("mnuMenu", nullptr, "&Menu");
    mnuRun = &add<MenuItem>("mnuRun", &menu, "&Run", 'K');
    mnuRun->onClick = [this] { log.push_back("Run"); };
    mnuOption = &add<MenuItem>("mnuOption", &menu, "&Option");
    mnuOption->setChecked(true);
    mnuOption->onClick = [this] { log.push_back("Option"); };
}

DemoTopLevel::DemoTopLevel(Application& application)
    : Window(application, "Top", WindowKind::TopLevel) {}

}  // namespace torvi::ui::testing
