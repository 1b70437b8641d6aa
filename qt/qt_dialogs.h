#pragma once
// Message boxes as modal QMessageBoxes (the text, an OK button only, no icon), questions with Yes
// and No, and the save and open dialogs as QFileDialogs.

#include "ui/application.h"

class QWidget;

namespace torvi::qt {

class QtBinding;

class QtDialogs : public ui::Dialogs {
  public:
    void setBinding(QtBinding* binding) { binding_ = binding; }
    void show(const std::string& title, const std::string& text) override;
    bool ask(const std::string& title, const std::string& question) override;
    std::optional<ui::FileChoice> chooseSaveFile(const std::string& title,
                                                 const std::string& proposedName,
                                                 const std::string& filter) override;
    std::optional<std::string> chooseOpenFile(const std::string& title,
                                              const std::string& filter) override;

  private:
    // The window a dialog belongs to: the active one, else the main window.
    QWidget* owner() const;

    QtBinding* binding_ = nullptr;
};

}  // namespace torvi::qt
