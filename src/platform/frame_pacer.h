#pragma once
// Keeping 60 frames per second. A display that reports 60 Hz is asked to
// wait for the vertical blank, but whether its presents really keep that
// pace is measured, never assumed: the presents right after the display
// opens, and after every change of the window, are timed. When they come
// much faster than 60 a second (they do not wait) or slower than about 55
// (the display does not run at 60 Hz), the 60 Hz frame timer paces the
// frames instead and the display is told not to wait. Either way each
// frame waits once: on the present, or on the timer.

#include <cstdint>

namespace vv {

// Microseconds from an arbitrary start, and a way to pass time. The game
// uses SDL's performance counter; tests use a clock they move themselves.
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual std::uint64_t Micros() = 0;
  // Sleeps at most `micros` (it may return early; the caller looks again).
  virtual void Sleep(std::uint64_t micros) = 0;
};

class FramePacer {
 public:
  // Presents timed before deciding, and the average intervals between
  // which the display counts as keeping the pace itself (65 to 55 Hz).
  static constexpr int MEASURED_INTERVALS = 8;
  static constexpr std::uint64_t FASTEST_PACED_INTERVAL = 1000000 / 65;
  static constexpr std::uint64_t SLOWEST_PACED_INTERVAL = 1000000 / 55;

  enum class Pacing { Measuring, Display, Timer };

  explicit FramePacer(FrameClock& clock) : clock_(clock) {}

  // A display was opened or its window changed. `displayWaits`: the
  // renderer was asked to wait for the vertical blank (it is then measured);
  // without it the timer paces from the first frame.
  void Restart(bool displayWaits);
  // The frame's wait on the 60 Hz frame timer. Only the timer pacing waits,
  // and only once between two presents.
  void WaitFrameTimer();
  // Around every present: before it the frame waits if it has not yet;
  // after it the interval since the last present is taken.
  void BeforePresent() { WaitFrameTimer(); }
  void AfterPresent();

  Pacing Mode() const { return mode_; }
  // Whether the display should wait for the vertical blank: while it is
  // measured or trusted, not once the timer paces.
  bool DisplayWaits() const { return mode_ != Pacing::Timer; }

 private:
  void WaitForNextTick();

  FrameClock& clock_;
  Pacing mode_ = Pacing::Timer;
  bool waitedThisFrame_ = false;
  // The intervals between presents, the newest MEASURED_INTERVALS of them.
  std::uint64_t intervals_[MEASURED_INTERVALS] = {};
  int measured_ = 0;
  std::uint64_t lastPresent_ = 0;
  bool havePresent_ = false;
  // The timer: ticks counted from `tickStart_` so rounding never drifts.
  std::uint64_t tickStart_ = 0;
  std::uint64_t ticks_ = 0;
};

}  // namespace vv
