#include "qt/timer_view.h"

#include <QTimer>

#include "ui/user_input.h"

namespace torvi::qt {

TimerView::TimerView(ui::Timer& timer, QObject& context) : timer_(timer), ticker_(new QTimer) {
    ticker_->setTimerType(Qt::PreciseTimer);
    ticker_->setSingleShot(true);
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
    } else if (!ticker_->isActive() || interval_ != timer_.interval()) {
        start();
    }
}

void TimerView::start() {
    interval_ = timer_.interval();
    sinceStart_.start();
    ticker_->start(interval_);
}

void TimerView::tick() {
    const qint64 early = interval_ - sinceStart_.elapsed();
    if (early > 0) return ticker_->start(static_cast<int>(early));
    start();
    ui::deliverTimer(timer_);  // may close the window and delete this view
}

}  // namespace torvi::qt
