// vizid-audiorender: renders a module or an effect to a 44.1 kHz stereo WAV
// for listening and measuring; --game-files writes the files as the game
// embeds them.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "audio_assets.h"
#include "module_measures.h"
#include "module_review.h"
#include "sound_effects.h"

namespace {

namespace fs = std::filesystem;
using vv::gen::ModuleReview;

bool WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool RenderOne(const std::string& name, const fs::path& out, const fs::path& assets) {
  std::vector<std::uint8_t> xm = vv::gen::MakeModule(name + ".xm", assets);
  if (!xm.empty()) {
    ModuleReview r = vv::gen::ReviewModule(xm, true);
    if (!r.loaded) {
      std::fprintf(stderr, "%s: libxmp refused the module\n", name.c_str());
      return false;
    }
    std::printf("%-9s %2d channels %6.1f s  %7zu bytes  peak %.3f rms %.3f clipped %zu\n", name.c_str(),
                r.channels, r.durationMs / 1000.0, xm.size(), r.peak, r.rms, r.clipped);
    return WriteFile(out, vv::gen::StereoWav44(r.audio));
  }
  const auto& names = vv::gen::SoundNames();
  if (std::find(names.begin(), names.end(), name) == names.end()) {
    std::fprintf(stderr, "%s: neither a module nor an effect\n", name.c_str());
    return false;
  }
  const auto sounds = vv::gen::LoadSounds(assets / "sfx");
  for (const auto& s : sounds) {
    if (s.name != name) continue;
    auto format = vv::gen::SoundFormat(name);
    return WriteFile(out,
                     vv::gen::StereoWav44(vv::gen::EffectTo44(vv::gen::RenderSound(s, format), format.rate)));
  }
  std::fprintf(stderr, "%s: no block in %s\n", name.c_str(), (assets / "sfx").c_str());
  return false;
}

std::vector<std::string> ModuleNames() {
  std::vector<std::string> names;
  for (const char* family : {"track", "combat"}) {
    for (int i = 1; i <= 6; ++i) names.push_back(family + std::to_string(i));
  }
  return names;
}

// The review figures: per module its in-game level, low end, lead level,
// clashes and top partial; per effect family the loudness spread; the
// closest pairs of monster voices. With a folder of files written by
// --game-files, measures those instead of building afresh.
int Measure(const fs::path& assets, const fs::path& filesDir, const std::string& only = {}) {
  std::printf("%-8s %7s %7s %7s %6s %7s %11s %8s %7s  %s\n", "module", "bytes", "game dB", "peak dB", "<60Hz",
              "lead dB", "clashes", "top kHz", "alias", "top partial from");
  for (const std::string& name : ModuleNames()) {
    if (!only.empty() && name != only) continue;
    const vv::gen::ModuleMeasures m = vv::gen::MeasureGameModule(name, assets, filesDir);
    std::printf("%-8s %7zu %7.1f %7.1f %5.1f%% %7.1f %4d/%-3d%3.0f%% %8.1f %7.0f  %s\n", name.c_str(),
                m.bytes, m.gameRmsDb, m.gamePeakDb, 100 * m.below60, m.leadToMixDb, m.clashes, m.leadOnsets,
                100 * m.ClashRate(), m.topPartialHz / 1000, m.aliasedDb, m.topWhere.c_str());
  }
  if (!only.empty()) return 0;
  std::map<std::string, std::vector<std::pair<double, std::string>>> families;
  std::vector<std::pair<std::string, std::vector<double>>> voices;
  for (const std::string& name : vv::gen::SoundNames()) {
    int rate = 0;
    std::vector<std::uint8_t> wav;
    if (filesDir.empty()) {
      wav = vv::gen::MakeSound(name + ".wav", assets);
    } else {
      std::ifstream in(filesDir / (name + ".wav"), std::ios::binary);
      wav.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto channels = vv::gen::DecodeWav(wav, rate);
    const double loudness = vv::gen::ShortTermLoudness(channels, rate);
    families[vv::gen::EffectFamily(name)].push_back({loudness, name});
    if (std::getenv("VIZID_MEASURE_EFFECTS"))
      std::printf("%-10s %-9s %6.1f\n", name.c_str(), vv::gen::EffectFamily(name).c_str(), loudness);
    if (name.rfind("mhit_", 0) == 0 || name.rfind("mdeath_", 0) == 0)
      voices.push_back({name, vv::gen::VoiceProfile(channels, rate)});
  }
  std::printf("\n%-10s %7s %7s %7s  %-10s %s\n", "family", "min", "max", "spread", "quietest", "loudest");
  for (auto& [family, list] : families) {
    std::sort(list.begin(), list.end());
    std::printf("%-10s %7.1f %7.1f %7.1f  %-10s %s\n", family.c_str(), list.front().first, list.back().first,
                list.back().first - list.front().first, list.front().second.c_str(),
                list.back().second.c_str());
  }
  std::printf("\nclosest monster voices (profile distance, dB):\n");
  for (const char* kind : {"mhit_", "mdeath_"}) {
    std::vector<std::tuple<double, std::string, std::string>> pairs;
    for (std::size_t a = 0; a < voices.size(); ++a) {
      for (std::size_t b = a + 1; b < voices.size(); ++b) {
        if (voices[a].first.rfind(kind, 0) != 0 || voices[b].first.rfind(kind, 0) != 0) continue;
        pairs.push_back(
            {vv::gen::ProfileDistance(voices[a].second, voices[b].second), voices[a].first, voices[b].first});
      }
    }
    std::sort(pairs.begin(), pairs.end());
    for (std::size_t i = 0; i < 4 && i < pairs.size(); ++i) {
      std::printf("  %-9s %-9s %5.1f\n", std::get<1>(pairs[i]).c_str(), std::get<2>(pairs[i]).c_str(),
                  std::get<0>(pairs[i]));
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  fs::path assets = VIZID_ASSETS_DIR;
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == "--assets") {
      assets = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
      break;
    }
  }
  try {
    if (!args.empty() && args[0] == "--measure" && args.size() <= 2) {
      const auto names = ModuleNames();
      if (args.size() == 2 && std::find(names.begin(), names.end(), args[1]) != names.end())
        return Measure(assets, {}, args[1]);
      return Measure(assets, args.size() == 2 ? fs::path(args[1]) : fs::path());
    }
    if (args.size() == 2 && args[0] == "--all") {
      fs::create_directories(args[1]);
      bool ok = true;
      for (int i = 1; i <= 6; ++i) {
        for (const char* family : {"track", "combat"}) {
          std::string name = family + std::to_string(i);
          ok = RenderOne(name, fs::path(args[1]) / (name + ".wav"), assets) && ok;
        }
      }
      for (const auto& name : vv::gen::SoundNames()) {
        ok = RenderOne(name, fs::path(args[1]) / (name + ".wav"), assets) && ok;
      }
      return ok ? 0 : 1;
    }
    if (args.size() == 2 && args[0] == "--game-files") {
      // The files exactly as the game gets them, for format checks with soxi.
      fs::create_directories(args[1]);
      bool ok = true;
      for (int i = 1; i <= 6; ++i) {
        for (const char* family : {"track", "combat"}) {
          std::string name = family + std::to_string(i) + ".xm";
          ok = WriteFile(fs::path(args[1]) / name, vv::gen::MakeModule(name, assets)) && ok;
        }
      }
      for (const auto& name : vv::gen::SoundNames()) {
        ok = WriteFile(fs::path(args[1]) / (name + ".wav"), vv::gen::MakeSound(name + ".wav", assets)) && ok;
      }
      return ok ? 0 : 1;
    }
    if (args.size() == 2) return RenderOne(args[0], args[1], assets) ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: vizid-audiorender NAME OUT.wav [--assets DIR]\n"
               "       vizid-audiorender --all OUTDIR [--assets DIR]\n"
               "       vizid-audiorender --game-files OUTDIR [--assets DIR]\n"
               "       vizid-audiorender --measure [GAME-FILES-DIR | MODULE] [--assets DIR]\n");
  return 2;
}
