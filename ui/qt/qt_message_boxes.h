#pragma once
// Message boxes as modal QMessageBoxes: the text, an OK button only, no icon.

#include "ui/application.h"

namespace torvi::ui::qt {

class QtBinding;

class QtMessageBoxes : public MessageBoxes {
  public:
    void setBinding(QtBinding* binding) { binding_ = binding; }
    void show(const std::string& title, const std::string& text) override;

  private:
    QtBinding* binding_ = nullptr;
};

}  // namespace torvi::ui::qt
