#include "module_review.h"

#include <xmp.h>

#include <algorithm>
#include <cmath>

#include "sound_effects.h"

namespace vv::gen {

ModuleReview ReviewModule(const std::vector<std::uint8_t>& xm, bool keepAudio, double fadeSeconds) {
  ModuleReview review;
  xmp_context ctx = xmp_create_context();
  if (xmp_load_module_from_memory(ctx, xm.data(), static_cast<long>(xm.size())) != 0) {
    xmp_free_context(ctx);
    return review;
  }
  review.loaded = true;
  xmp_module_info info;
  xmp_get_module_info(ctx, &info);
  review.channels = info.mod->chn;
  review.durationMs = info.seq_data[0].duration;
  xmp_start_player(ctx, 44100, 0);
  double sumSquares = 0;
  std::size_t count = 0;
  const std::size_t fadeFrames = static_cast<std::size_t>(fadeSeconds * 44100);
  std::size_t tail = 0;
  xmp_frame_info fi;
  // Guard against a module that never reports its loop.
  for (int frame = 0; frame < 200 * 60 * 50; ++frame) {
    if (xmp_play_frame(ctx) != 0) break;
    xmp_get_frame_info(ctx, &fi);
    const auto* samples = static_cast<const std::int16_t*>(fi.buffer);
    const std::size_t n = static_cast<std::size_t>(fi.buffer_size) / 2;
    if (fi.loop_count == 0) {
      for (std::size_t i = 0; i < n; ++i) {
        double v = samples[i] / 32768.0;
        review.peak = std::max(review.peak, std::abs(v));
        sumSquares += v * v;
        if (samples[i] >= 32767 || samples[i] <= -32768) ++review.clipped;
      }
      count += n;
      if (keepAudio) review.audio.insert(review.audio.end(), samples, samples + n);
    } else {
      // After the loop point: a short fade shows that the loop joins cleanly.
      if (!keepAudio || tail >= fadeFrames) break;
      for (std::size_t i = 0; i + 1 < n && tail < fadeFrames; i += 2, ++tail) {
        double g = 1.0 - static_cast<double>(tail) / fadeFrames;
        review.audio.push_back(static_cast<std::int16_t>(samples[i] * g));
        review.audio.push_back(static_cast<std::int16_t>(samples[i + 1] * g));
      }
    }
  }
  review.rms = count ? std::sqrt(sumSquares / count) : 0;
  xmp_end_player(ctx);
  xmp_release_module(ctx);
  xmp_free_context(ctx);
  return review;
}

std::vector<std::uint8_t> StereoWav44(const std::vector<std::int16_t>& interleaved) {
  std::vector<float> left, right;
  for (std::size_t i = 0; i + 1 < interleaved.size(); i += 2) {
    left.push_back(interleaved[i] / 32767.0f);
    right.push_back(interleaved[i + 1] / 32767.0f);
  }
  return EncodeWav({left, right}, 44100, 16);
}

std::vector<std::int16_t> EffectTo44(const std::vector<std::vector<float>>& channels, int rate) {
  std::vector<std::int16_t> out;
  if (channels.empty() || channels[0].empty()) return out;
  // Band-limited (Lanczos) interpolation, so that listening to a low-rate
  // effect at 44.1 kHz adds no mirror images of its spectrum.
  constexpr int kTaps = 8;
  constexpr double kPi = 3.14159265358979323846;
  auto kernel = [](double x) {
    if (x == 0) return 1.0;
    if (std::abs(x) >= kTaps) return 0.0;
    return kTaps * std::sin(kPi * x) * std::sin(kPi * x / kTaps) / (kPi * kPi * x * x);
  };
  const long size = static_cast<long>(channels[0].size());
  const std::size_t frames = channels[0].size() * 44100 / rate;
  for (std::size_t i = 0; i < frames; ++i) {
    double pos = static_cast<double>(i) * rate / 44100.0;
    long centre = static_cast<long>(pos);
    for (int c = 0; c < 2; ++c) {
      const auto& ch = channels[std::min<std::size_t>(c, channels.size() - 1)];
      double acc = 0;
      for (long k = centre - kTaps + 1; k <= centre + kTaps; ++k) {
        if (k >= 0 && k < size) acc += ch[k] * kernel(pos - static_cast<double>(k));
      }
      out.push_back(static_cast<std::int16_t>(std::lround(std::clamp(acc, -1.0, 1.0) * 32767)));
    }
  }
  return out;
}

}  // namespace vv::gen
