#include "audio_assets.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>

#include "sound_effects.h"
#include "source_text.h"
#include "tune.h"

namespace vv::gen {

namespace {

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The effect sources are read once per assets folder; the generator asks for
// the 109 sounds one by one.
const std::vector<SoundDef>& CachedSounds(const std::filesystem::path& assetsDir) {
  static std::mutex lock;
  static std::map<std::filesystem::path, std::vector<SoundDef>> cache;
  std::lock_guard<std::mutex> guard(lock);
  auto it = cache.find(assetsDir);
  if (it == cache.end()) it = cache.emplace(assetsDir, LoadSounds(assetsDir / "sfx")).first;
  return it->second;
}

}  // namespace

std::vector<std::uint8_t> MakeSound(std::string_view fileName, const std::filesystem::path& assetsDir) {
  if (!EndsWith(fileName, ".wav")) return {};
  const std::string name(fileName.substr(0, fileName.size() - 4));
  const auto& names = SoundNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) return {};
  const auto& sounds = CachedSounds(assetsDir);
  auto found = std::find_if(sounds.begin(), sounds.end(), [&](const SoundDef& s) { return s.name == name; });
  if (found == sounds.end()) {
    throw std::runtime_error((assetsDir / "sfx").string() + ":1: no [" + name + "] block for " +
                             std::string(fileName));
  }
  const WavFormat format = SoundFormat(name);
  return EncodeWav(RenderSound(*found, format), format.rate, format.bits);
}

std::vector<std::uint8_t> MakeModule(std::string_view fileName, const std::filesystem::path& assetsDir) {
  if (!EndsWith(fileName, ".xm")) return {};
  const std::string name(fileName.substr(0, fileName.size() - 3));
  bool known = false;
  for (int i = 1; i <= 6; ++i) {
    known = known || name == "track" + std::to_string(i) || name == "combat" + std::to_string(i);
  }
  if (!known) return {};
  const std::filesystem::path source = assetsDir / "music" / (name + ".tune");
  return EncodeXm(CompileTune(ReadTextFile(source), "music/" + name + ".tune"));
}

}  // namespace vv::gen
