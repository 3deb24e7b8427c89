#pragma once
// Mixes sound effects and music modules in the SDL audio callback. Effects
// are converted whole to the device format when loaded; modules are played
// by libxmp at the device's own rate. Every call from the game locks the
// device, so the callback never sees a half-changed voice or module.

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// libxmp calls its context a char pointer.

namespace vv {

class AudioMixer {
 public:
  // Opens the default audio device; null when there is none.
  static std::unique_ptr<AudioMixer> Open();
  ~AudioMixer();

  int LoadSound(std::span<const std::uint8_t> wav);
  void PlaySound(int sound);

  int LoadModule(std::span<const std::uint8_t> xm);
  void PlayModule(int module);
  void StopModule(int module);
  void FreeModule(int module);
  void SetModulePaused(int module, bool paused);
  void SetModuleVolume(int module, int volume);
  int GetModuleVolume(int module);

  struct ModuleStatus {
    bool loaded = false, playing = false, paused = false;
    int volume = 0;
  };
  ModuleStatus Status(int module);
  int DeviceRate() const { return rate_; }

 private:
  AudioMixer() = default;
  static void Callback(void* self, Uint8* stream, int len);
  void Mix(std::int16_t* out, int frames);

  struct Sound {
    std::vector<std::int16_t> samples;  // interleaved stereo at the device rate
  };
  struct Voice {
    int sound = 0;
    std::size_t position = 0;  // in samples
  };
  struct Module {
    char* context = nullptr;  // an xmp_context
    bool playing = false, paused = false;
    int volume = 256;
  };
  Module* FindModule(int module);

  SDL_AudioDeviceID device_ = 0;
  int rate_ = 44100;
  std::vector<Sound> sounds_{1};
  std::vector<Voice> voices_ = std::vector<Voice>(32);
  std::vector<Module> modules_{1};
  std::vector<std::int16_t> scratch_;  // one module's output, reused every callback
  std::vector<int> accumulator_;
};

}  // namespace vv
