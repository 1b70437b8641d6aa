#include "qt/timer_view.h"

#include <QTimer>

#include "ui/user_input.h"

namespace torvi::qt {

TimerView::TimerView(ui::Timer& timer, QObject& context) : timer_(timer), ticker_(new QTimer) {
    ticker_->setTimerType(Qt::PreciseTimer);
    ticker_->setSingleShot(true);
    clock_.start();
    QObject::connect(ticker_, &QTimer::timeout, &context, [this] { tick(); });
    sync(ui::Property::Timer);
}

// The tick may be the one that closed the window: the QTimer goes once its signal returned.
TimerView::~TimerView() {
    ticker_->stop();
    ticker_->disconnect();
    ticker_->deleteLater();
}

void TimerView::sync(ui::Property) {
    if (!timer_.running()) {
        ticker_->stop();
    } else if (!ticker_->isActive() || schedule_.interval() != timer_.interval()) {
        start();
    }
}

void TimerView::start() {
    schedule_.start(clock_.elapsed(), timer_.interval());
    ticker_->start(timer_.interval());
}

void TimerView::tick() {
    const std::int64_t early = schedule_.early(clock_.elapsed());
    if (early > 0) return ticker_->start(static_cast<int>(early));
    ticker_->start(schedule_.interval());
    ui::deliverTimer(timer_);  // may close the window and delete this view
}

}  // namespace torvi::qt
