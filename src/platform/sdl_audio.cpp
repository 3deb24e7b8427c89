#include "platform/sdl_audio.h"

#include <xmp.h>

#include <algorithm>
#include <cstring>

namespace vv {
namespace {

class DeviceLock {
 public:
  explicit DeviceLock(SDL_AudioDeviceID d) : device_(d) { SDL_LockAudioDevice(device_); }
  ~DeviceLock() { SDL_UnlockAudioDevice(device_); }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;

 private:
  SDL_AudioDeviceID device_;
};

}  // namespace

std::unique_ptr<AudioMixer> AudioMixer::Open() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  std::unique_ptr<AudioMixer> mixer(new AudioMixer());
  SDL_AudioSpec want{}, have{};
  want.freq = 44100;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = &AudioMixer::Callback;
  want.userdata = mixer.get();
  // A fixed rate that libxmp supports; SDL converts for the device if it must.
  mixer->device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  // The mixer lets go of the audio system as it goes.
  if (mixer->device_ == 0) return nullptr;
  mixer->rate_ = have.freq;
  SDL_PauseAudioDevice(mixer->device_, 0);
  return mixer;
}

AudioMixer::~AudioMixer() {
  if (device_) SDL_CloseAudioDevice(device_);
  for (Module& m : modules_) {
    if (!m.context) continue;
    if (m.playing) xmp_end_player(m.context);
    xmp_release_module(m.context);
    xmp_free_context(m.context);
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioMixer::LoadSound(std::span<const std::uint8_t> wav) {
  if (wav.empty()) return 0;
  SDL_AudioSpec clip;
  Uint8* data = nullptr;
  Uint32 length = 0;
  SDL_RWops* rw = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
  if (!rw || !SDL_LoadWAV_RW(rw, 1, &clip, &data, &length)) return 0;
  // Whole-clip conversion: a streaming converter would drop the clip's tail.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, clip.format, clip.channels, clip.freq, AUDIO_S16SYS, 2, rate_) < 0) {
    SDL_FreeWAV(data);
    return 0;
  }
  std::vector<Uint8> buffer(static_cast<std::size_t>(length) * std::max(1, cvt.len_mult));
  std::memcpy(buffer.data(), data, length);
  SDL_FreeWAV(data);
  cvt.buf = buffer.data();
  cvt.len = static_cast<int>(length);
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return 0;
  const int bytes = cvt.needed ? cvt.len_cvt : static_cast<int>(length);
  Sound sound;
  sound.samples.resize(static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
  std::memcpy(sound.samples.data(), buffer.data(), sound.samples.size() * sizeof(std::int16_t));
  DeviceLock lock(device_);
  sounds_.push_back(std::move(sound));
  return static_cast<int>(sounds_.size()) - 1;
}

void AudioMixer::PlaySound(int sound) {
  if (sound <= 0 || sound >= static_cast<int>(sounds_.size())) return;
  DeviceLock lock(device_);
  // A free voice, or else the one that has played the longest.
  Voice* best = &voices_[0];
  for (Voice& v : voices_) {
    if (v.sound == 0) {
      best = &v;
      break;
    }
    if (v.position > best->position) best = &v;
  }
  best->sound = sound;
  best->position = 0;
}

int AudioMixer::LoadModule(std::span<const std::uint8_t> xm) {
  if (xm.empty()) return 0;
  xmp_context ctx = xmp_create_context();
  if (!ctx) return 0;
  if (xmp_load_module_from_memory(ctx, const_cast<std::uint8_t*>(xm.data()), static_cast<long>(xm.size())) !=
      0) {
    xmp_free_context(ctx);
    return 0;
  }
  DeviceLock lock(device_);
  for (std::size_t i = 1; i < modules_.size(); ++i) {
    if (!modules_[i].context) {
      modules_[i] = Module{ctx, false, false, 256};
      return static_cast<int>(i);
    }
  }
  modules_.push_back(Module{ctx, false, false, 256});
  return static_cast<int>(modules_.size()) - 1;
}

AudioMixer::Module* AudioMixer::FindModule(int module) {
  if (module <= 0 || module >= static_cast<int>(modules_.size()) || !modules_[module].context) return nullptr;
  return &modules_[module];
}

void AudioMixer::PlayModule(int module) {
  DeviceLock lock(device_);
  Module* m = FindModule(module);
  if (!m) return;
  if (m->playing) xmp_end_player(m->context);
  m->playing = xmp_start_player(m->context, rate_, 0) == 0;
  m->paused = false;
}

void AudioMixer::StopModule(int module) {
  DeviceLock lock(device_);
  Module* m = FindModule(module);
  if (!m || !m->playing) return;
  xmp_end_player(m->context);
  m->playing = false;
  m->paused = false;
}

void AudioMixer::FreeModule(int module) {
  DeviceLock lock(device_);
  Module* m = FindModule(module);
  if (!m) return;
  if (m->playing) xmp_end_player(m->context);
  xmp_release_module(m->context);
  xmp_free_context(m->context);
  *m = Module{};
}

void AudioMixer::SetModulePaused(int module, bool paused) {
  DeviceLock lock(device_);
  // A paused module is simply not rendered, so it resumes exactly where it stopped.
  if (Module* m = FindModule(module)) m->paused = paused;
}

void AudioMixer::SetModuleVolume(int module, int volume) {
  DeviceLock lock(device_);
  if (Module* m = FindModule(module)) m->volume = std::clamp(volume, 0, 256);
}

int AudioMixer::GetModuleVolume(int module) {
  DeviceLock lock(device_);
  Module* m = FindModule(module);
  return m ? m->volume : 0;
}

AudioMixer::ModuleStatus AudioMixer::Status(int module) {
  DeviceLock lock(device_);
  Module* m = FindModule(module);
  if (!m) return {};
  return {true, m->playing, m->paused, m->volume};
}

void AudioMixer::Callback(void* self, Uint8* stream, int len) {
  static_cast<AudioMixer*>(self)->Mix(reinterpret_cast<std::int16_t*>(stream),
                                      len / static_cast<int>(2 * sizeof(std::int16_t)));
}

void AudioMixer::Mix(std::int16_t* out, int frames) {
  const std::size_t count = static_cast<std::size_t>(frames) * 2;
  std::vector<int>& acc = accumulator_;
  acc.assign(count, 0);
  for (Voice& v : voices_) {
    if (v.sound == 0) continue;
    const std::vector<std::int16_t>& s = sounds_[v.sound].samples;
    const std::size_t n = std::min(count, s.size() - std::min(s.size(), v.position));
    for (std::size_t i = 0; i < n; ++i) acc[i] += s[v.position + i];
    v.position += n;
    if (v.position >= s.size()) v = Voice{};
  }
  scratch_.resize(count);
  for (Module& m : modules_) {
    if (!m.context || !m.playing || m.paused) continue;
    if (xmp_play_buffer(m.context, scratch_.data(), static_cast<int>(count * sizeof(std::int16_t)), 0) != 0) {
      continue;
    }
    for (std::size_t i = 0; i < count; ++i) acc[i] += scratch_[i] * m.volume / 256;
  }
  for (std::size_t i = 0; i < count; ++i)
    out[i] = static_cast<std::int16_t>(std::clamp(acc[i], -32768, 32767));
}

}  // namespace vv
