#include "loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vv::gen {

namespace {

constexpr double kPi = std::numbers::pi;

// Direct-form biquad with the usual cookbook designs.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  double Run(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
  void Set(double n0, double n1, double n2, double d0, double d1, double d2) {
    b0 = n0 / d0;
    b1 = n1 / d0;
    b2 = n2 / d0;
    a1 = d1 / d0;
    a2 = d2 / d0;
  }
  static Biquad LowPass(double f, double q, double rate) {
    Biquad b;
    const double w = 2 * kPi * f / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    b.Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    return b;
  }
  static Biquad HighPass(double f, double q, double rate) {
    Biquad b;
    const double w = 2 * kPi * f / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w);
    b.Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
    return b;
  }
  static Biquad HighShelf(double f, double gainDb, double rate) {
    Biquad b;
    const double a = std::pow(10, gainDb / 40), w = 2 * kPi * f / rate, c = std::cos(w);
    const double alpha = std::sin(w) / 2 * std::sqrt(2.0), s = 2 * std::sqrt(a) * alpha;
    b.Set(a * ((a + 1) + (a - 1) * c + s), -2 * a * ((a - 1) + (a + 1) * c), a * ((a + 1) + (a - 1) * c - s),
          (a + 1) - (a - 1) * c + s, 2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - s);
    return b;
  }
};

double Db(double power) {
  return power > 1e-12 ? 10 * std::log10(power) : -120;
}

}  // namespace

double ShortTermLoudness(const std::vector<std::vector<float>>& channels, int rate) {
  if (channels.empty() || channels[0].empty()) return -120;
  // K-weighting: a gentle high-pass and a lift of the presence range.
  const std::size_t n = channels[0].size();
  std::vector<double> power(n, 0.0);
  for (const auto& ch : channels) {
    Biquad hp = Biquad::HighPass(38, 0.5, rate), shelf = Biquad::HighShelf(1681, 4, rate);
    for (std::size_t i = 0; i < n; ++i) {
      const double v = shelf.Run(hp.Run(ch[i]));
      power[i] += v * v;
    }
  }
  const std::size_t window = static_cast<std::size_t>(0.4 * rate), hop = std::max<std::size_t>(1, window / 8);
  double best = 0, running = 0;
  std::vector<double> prefix(n + 1, 0.0);
  for (std::size_t i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + power[i];
  for (std::size_t start = 0;; start += hop) {
    const std::size_t end = std::min(n, start + window);
    running = (prefix[end] - prefix[std::min(start, end)]) / static_cast<double>(window);
    best = std::max(best, running);
    if (end == n) break;
  }
  return -0.691 + Db(best);
}

std::string EffectFamily(std::string_view name) {
  auto starts = [&](std::string_view prefix) { return name.rfind(prefix, 0) == 0; };
  if (starts("spell_")) return "spells";
  if (starts("drop_") || starts("break_") || name == "use_1" || name == "take" || name == "dropitem")
    return "inventory";
  if (starts("hit_") || starts("mhit_") || starts("death_") || starts("mdeath_") || starts("miss_") ||
      name == "block" || name == "defend" || name == "deepsink")
    return "hits";
  return "interface";
}

double FamilyLoudness(const std::string& family) {
  // Hits and spells lead; picking things up and clicking sit under them.
  if (family == "hits") return -13;
  if (family == "spells") return -13;
  if (family == "inventory") return -16;
  return -17;
}

void MatchLoudness(std::vector<std::vector<float>>& channels, int rate, double target, float ceiling,
                   double maxLimitDb) {
  const double loudness = ShortTermLoudness(channels, rate);
  if (loudness <= -100) return;
  float peak = 0;
  for (const auto& c : channels) {
    for (float v : c) peak = std::max(peak, std::abs(v));
  }
  double gain = std::pow(10.0, (target - loudness) / 20);
  const double most = ceiling * std::pow(10.0, maxLimitDb / 20) / std::max(peak, 1e-6f);
  gain = std::min(gain, most);
  const std::size_t n = channels.empty() ? 0 : channels[0].size();
  // Gain each sample needs to stay under the ceiling, then the lowest of
  // the next 2 ms, smoothed over 2 ms, so the limiter closes before a peak.
  std::vector<double> need(n, 1.0);
  for (const auto& c : channels) {
    for (std::size_t i = 0; i < n; ++i) {
      const double v = std::abs(c[i]) * gain;
      if (v > ceiling) need[i] = std::min(need[i], ceiling / v);
    }
  }
  const std::size_t ahead = std::max<std::size_t>(1, static_cast<std::size_t>(0.002 * rate));
  std::vector<double> low(n, 1.0);
  for (std::size_t i = 0; i < n; ++i) {
    double m = 1.0;
    for (std::size_t k = i; k < std::min(n, i + 2 * ahead); ++k) m = std::min(m, need[k]);
    low[i] = m;
  }
  std::vector<double> smooth(n, 1.0);
  const double release = std::exp(-1.0 / (0.05 * rate));
  double held = 1.0;
  for (std::size_t i = 0; i < n; ++i) {
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t k = i >= ahead ? i - ahead : 0; k <= i; ++k, ++count) sum += low[k];
    const double attack = sum / static_cast<double>(count);
    held = std::min(attack, 1.0 - (1.0 - held) * release);
    smooth[i] = held;
  }
  for (auto& c : channels) {
    for (std::size_t i = 0; i < n; ++i) {
      c[i] = static_cast<float>(
          std::clamp(c[i] * gain * smooth[i], -static_cast<double>(ceiling), static_cast<double>(ceiling)));
    }
  }
}

}  // namespace vv::gen
