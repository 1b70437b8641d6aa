#include "qt/qt_dialogs.h"

#include "qt/conversions.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <algorithm>

#include "qt/qt_binding.h"
#include "qt/window_view.h"
#include "ui/files.h"

namespace torvi::qt {

QWidget* QtDialogs::owner() const {
    QWidget* parent = QApplication::activeWindow();
    if (parent == nullptr && binding_ != nullptr) {
        if (WindowView* main = binding_->windowView(binding_->application().mainWindow())) {
            parent = main->frame();
        }
    }
    return parent;
}

void QtDialogs::show(const std::string& title, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), QMessageBox::Ok,
                    owner());
    box.setObjectName("messageBox");
    box.exec();
}

bool QtDialogs::ask(const std::string& title, const std::string& question) {
    QMessageBox box(QMessageBox::Question, toQString(title), toQString(question),
                    QMessageBox::Yes | QMessageBox::No, owner());
    box.setObjectName("question");
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<ui::FileChoice> QtDialogs::chooseSaveFile(const std::string& title,
                                                        const std::string& proposedName,
                                                        const std::string& filter) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QString chosenType;
    QString file = QFileDialog::getSaveFileName(owner(), toQString(title),
                                                documents.filePath(toQString(proposedName)),
                                                toQString(filter), &chosenType);
    if (file.isEmpty()) return std::nullopt;
    const std::vector<std::string> types = ui::filterTypes(filter);
    const auto chosen = std::find(types.begin(), types.end(), toStdString(chosenType));
    const int type = chosen == types.end() ? 0 : static_cast<int>(chosen - types.begin());
    // A name typed without an extension gets the chosen type's, as the filter promises.
    const QString extension = chosen != types.end()
                                  ? toQString(ui::typeExtension(*chosen))
                                  : "." + QFileInfo(toQString(proposedName)).suffix();
    if (QFileInfo(file).suffix().isEmpty() && extension.size() > 1) file += extension;
    return ui::FileChoice{toStdString(file), type};
}

std::optional<std::string> QtDialogs::chooseOpenFile(const std::string& title,
                                                     const std::string& filter) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file =
        QFileDialog::getOpenFileName(owner(), toQString(title), documents, toQString(filter));
    if (file.isEmpty()) return std::nullopt;
    return toStdString(file);
}

}  // namespace torvi::qt
