// Timer switching.
#include "event_pump.h"

namespace quarn {

void Timer::set_enabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    if (host_) host_->timer_changed(*this);
}

void Timer::set_interval(int ms) {
    if (interval_ms_ == ms) return;
    interval_ms_ = ms;
    if (host_) host_->timer_changed(*this);
}

} // namespace quarn
