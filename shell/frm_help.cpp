#include "shell/frm_help.h"

#include <algorithm>

#include "shell/help_text.h"

namespace torvi::shell {

namespace {

constexpr int kMargin = 240;      // twips around the text
constexpr int kHeadingGap = 120;  // twips above a heading
constexpr ui::Rect kButton{0, 0, 1260, 345};

}  // namespace

frmHelp::frmHelp(ui::Application& application)
    : Window(application, "frmHelp", ui::WindowKind::TopLevel) {
    setBorderStyle(ui::BorderStyle::FixedDialog);
    setCaption("How to Use Torvi");
    showInTaskbar = false;
    centredOnScreen = true;
    const ui::TextMetrics& metrics = application.metrics();
    int top = kMargin;
    int right = 0;
    int index = 0;
    for (const HelpLine& line : helpLines()) {
        const ui::Font font{ui::Font{}.family, ui::Font{}.pointSize, line.heading};
        if (line.heading && index > 0) top += kHeadingGap;
        const ui::Rect place{kMargin, top, metrics.textWidth(font, line.text),
                             metrics.lineHeight(font)};
        ui::Label& label =
            lblLine.create(index++, place, line.text, ui::LabelStyle{.fitted = true, .font = font});
        right = std::max(right, label.geometry().right());
        top += metrics.lineHeight(font) + 30;
    }
    const int width = right + kMargin;
    cmdOK = &add<ui::CommandButton>(
        "cmdOK", ui::kNoIndex,
        ui::Rect{width - kMargin - kButton.width, top + kMargin / 2, kButton.width, kButton.height},
        "OK");
    cmdOK->isDefault = true;
    cmdOK->isCancel = true;
    cmdOK->onClick = [this] { cmdOK_Click(); };
    tabOrder = {cmdOK};
    setClientSize(width, cmdOK->geometry().bottom() + kMargin);
}

void frmHelp::cmdOK_Click() {
    close();
}

}  // namespace torvi::shell
