#include "platform/frame_pacer.h"

namespace vv {

void FramePacer::Restart(bool displayWaits) {
  mode_ = displayWaits ? Pacing::Measuring : Pacing::Timer;
  measured_ = 0;
  havePresent_ = false;
}

void FramePacer::WaitFrameTimer() {
  if (mode_ != Pacing::Timer || waitedThisFrame_) return;
  waitedThisFrame_ = true;
  WaitForNextTick();
}

void FramePacer::WaitForNextTick() {
  std::uint64_t now = clock_.Micros();
  const auto tickTime = [this](std::uint64_t n) { return tickStart_ + n * 1000000 / 60; };
  // Start afresh at the first wait, and after falling far behind (a long
  // load) rather than racing to catch up.
  if (ticks_ == 0 || now > tickTime(ticks_ + 4)) {
    tickStart_ = now;
    ticks_ = 0;
  }
  ++ticks_;
  const std::uint64_t due = tickTime(ticks_);
  while (now < due) {
    clock_.Sleep(due - now);
    now = clock_.Micros();
  }
}

void FramePacer::AfterPresent() {
  waitedThisFrame_ = false;
  if (mode_ == Pacing::Timer) return;
  const std::uint64_t now = clock_.Micros();
  if (havePresent_) {
    intervals_[measured_ % MEASURED_INTERVALS] = now - lastPresent_;
    ++measured_;
  }
  lastPresent_ = now;
  havePresent_ = true;
  if (measured_ < MEASURED_INTERVALS) return;
  // The newest intervals on average: a display that does not wait shows
  // frames as fast as they are drawn.
  std::uint64_t sum = 0;
  for (std::uint64_t interval : intervals_) sum += interval;
  const bool tooFast = sum < FASTEST_PACED_INTERVAL * MEASURED_INTERVALS;
  const bool tooSlow = sum > SLOWEST_PACED_INTERVAL * MEASURED_INTERVALS;
  if (mode_ == Pacing::Measuring) {
    mode_ = tooFast || tooSlow ? Pacing::Timer : Pacing::Display;
  } else if (tooFast) {
    // A trusted display that stops waiting. (Slow frames later on are the
    // game's drawing, not the display: the timer could not help them.)
    mode_ = Pacing::Timer;
  }
}

}  // namespace vv
