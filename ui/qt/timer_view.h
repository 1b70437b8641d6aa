#pragma once
// A timer: a QTimer that follows the model timer's interval and running flag. Qt's timers may fire
// a little early; a tick waits until its whole interval has passed.

#include <QElapsedTimer>

#include "ui/controls.h"
#include "ui/qt/element_view.h"

class QObject;
class QTimer;

namespace torvi::ui::qt {

class TimerView : public ElementView {
  public:
    // The ticks' connection belongs to the context, the window's view.
    TimerView(Timer& timer, QObject& context);
    ~TimerView() override;
    void sync(Property property) override;

  private:
    void start();
    void tick();

    Timer& timer_;
    QTimer* ticker_;
    QElapsedTimer sinceStart_;
    int interval_ = 0;
};

}  // namespace torvi::ui::qt
