#pragma once
// When a running timer's next tick is due, on a system's millisecond clock. A system's timer may
// fire a little before its interval has passed (it rounds to its clock's resolution); such a tick
// is not delivered, and the timer waits for the rest. Every binding times its ticks with this.

#include <cstdint>

namespace torvi::ui {

class TickSchedule {
  public:
    // The timer starts (again) at now with this interval.
    void start(std::int64_t now, int interval) {
        interval_ = interval;
        due_ = now + interval;
    }
    // A system tick at now: the milliseconds still to wait, or 0 when the tick is due, and then
    // the next one is due an interval from now.
    std::int64_t early(std::int64_t now) {
        if (now < due_) return due_ - now;
        start(now, interval_);
        return 0;
    }
    int interval() const { return interval_; }

  private:
    std::int64_t due_ = 0;
    int interval_ = 0;
};

}  // namespace torvi::ui
