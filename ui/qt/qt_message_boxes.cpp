#include "ui/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/qt/qt_binding.h"
#include "ui/qt/window_view.h"

namespace torvi::ui::qt {

void QtMessageBoxes::show(const std::string& title, const std::string& text) {
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && binding_ != nullptr) {
        if (WindowView* main = binding_->viewFor(binding_->application().mainWindow())) {
            parent = main->frame();
        }
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, parent);
    box.setObjectName("messageBox");
    box.exec();
}

}  // namespace torvi::ui::qt
