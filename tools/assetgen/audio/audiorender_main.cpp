// vizid-audiorender: renders a module or an effect to a 44.1 kHz stereo WAV
// for listening and measuring; --game-files writes the files as the game
// embeds them.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audio_assets.h"
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
               "       vizid-audiorender --all OUTDIR [--assets DIR]\n");
  return 2;
}
