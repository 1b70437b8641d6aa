#pragma once
// A timer: a QTimer that follows the model timer's interval and running flag. Qt's timers may fire
// a little early; a tick waits until its whole interval has passed (ui::TickSchedule).

#include <QElapsedTimer>

#include "qt/element_view.h"
#include "ui/controls.h"
#include "ui/tick_schedule.h"

class QObject;
class QTimer;

namespace torvi::qt {

class TimerView : public ElementView {
  public:
    // The ticks' connection belongs to the context, the window's view.
    TimerView(ui::Timer& timer, QObject& context);
    ~TimerView() override;
    void sync(ui::Property property) override;

  private:
    void start();
    void tick();

    ui::Timer& timer_;
    QTimer* ticker_;
    QElapsedTimer clock_;
    ui::TickSchedule schedule_;
};

}  // namespace torvi::qt
