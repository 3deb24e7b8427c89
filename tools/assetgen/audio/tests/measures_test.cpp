// The review measures as guards: what a listener would notice in the built
// modules and effects, measured the way the game plays them.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "audio_assets.h"
#include "module_measures.h"
#include "sound_effects.h"
#include "tune.h"
#include "xm_write.h"

namespace vv::gen {
namespace {

const std::filesystem::path kAssets = VIZID_ASSETS_DIR;

TEST(Measures, ModulesAreBalancedClearAndFreeOfFoldBack) {
  std::map<std::string, ModuleMeasures> m;
  for (const char* family : {"track", "combat"}) {
    for (int i = 1; i <= 6; ++i) {
      const std::string name = family + std::to_string(i);
      SCOPED_TRACE(name);
      m[name] = MeasureGameModule(name, kAssets);
      EXPECT_LT(m[name].below60, 0.10);          // speakers play the bass line
      EXPECT_LT(m[name].topPartialHz, 20000.0);  // nothing folds back at the top notes
      EXPECT_LT(m[name].aliasedDb, -60.0);
      EXPECT_GT(m[name].leadToMixDb, -4.0);  // the melody is on top
      EXPECT_LT(m[name].gamePeakDb, -1.0);
      // Battle riffs are spelled in their keys: what rubs is left is colour.
      EXPECT_LT(m[name].ClashRate(), family == std::string("combat") ? 0.05 : 0.10);
    }
  }
  // The five areas play within 2 dB of each other; each battle a few dB
  // above its area, the battles within 2 dB of each other.
  for (int i = 3; i <= 6; ++i)
    EXPECT_NEAR(m["track" + std::to_string(i)].gameRmsDb, m["track2"].gameRmsDb, 2.0);
  for (int i = 1; i <= 5; ++i) {
    const double lift =
        m["combat" + std::to_string(i)].gameRmsDb - m["track" + std::to_string(i + 1)].gameRmsDb;
    EXPECT_GT(lift, 1.5) << "combat" << i;
    EXPECT_LT(lift, 5.0) << "combat" << i;
    EXPECT_NEAR(m["combat" + std::to_string(i)].gameRmsDb, m["combat6"].gameRmsDb, 2.0);
  }
}

// A riff shifted chromatically rubs against the melody; the same riff moved
// along the key's scale does not, and passing notes are colour, not clashes.
TEST(Measures, ClashesAreHeldSemitonesUnderTheMelodyNotPassingNotes) {
  auto clashes = [](const std::string& riff, const std::string& lead) {
    const std::string tune =
        "tempo 120\nkey C major\ninstrument tone\nwave sine\nenv 0 2 64 2\n"
        "part lead channels 1 instrument tone\npart riff channels 1 instrument tone\n"
        "phrase arp = C-3:q E-3:q G-3:q E-3:q\n"
        "pattern A bars 1\nchords x:w\nlead " +
        lead + "\nriff " + riff + "\nend\norder A\n";
    TuneLayout layout;
    const XmModule m = CompileTune(tune, "t.tune", &layout);
    return MeasureModule(EncodeXm(m), layout, 1.0).clashes;
  };
  const std::string melody = "A-4:q C-5:q E-5:q C-5:q";
  EXPECT_EQ(clashes("$arp-3", melody), 2);   // C# under both Cs
  EXPECT_EQ(clashes("$arp^-2", melody), 0);  // A C E C
  EXPECT_EQ(clashes("C-3:w", "C-5:e Db5:e D-5:e Eb5:e E-5:h"), 0);
  EXPECT_EQ(clashes("C-3:w", "C-5:h Db5:h"), 1);
}

TEST(Measures, EffectFamiliesShareALoudnessAndMonstersTheirOwnVoices) {
  std::map<std::string, std::pair<double, double>> range;  // family: quietest, loudest
  std::map<std::string, std::vector<double>> voices;
  for (const std::string& name : SoundNames()) {
    int rate = 0;
    const auto channels = DecodeWav(MakeSound(name + ".wav", kAssets), rate);
    const double l = ShortTermLoudness(channels, rate);
    if (name.rfind("mhit_", 0) == 0 || name.rfind("mdeath_", 0) == 0)
      voices[name] = VoiceProfile(channels, rate);
    auto [it, fresh] = range.try_emplace(EffectFamily(name), l, l);
    it->second = {std::min(it->second.first, l), std::max(it->second.second, l)};
  }
  ASSERT_EQ(range.size(), 4u);
  for (const auto& [family, r] : range) {
    SCOPED_TRACE(family);
    EXPECT_LT(r.second - r.first, 10.0);
  }
  // Dropping an item never outdoes a weapon hit.
  EXPECT_LT(range["inventory"].second, range["hits"].second + 0.5);

  // No two monsters share a voice, and Vorgash's death stands apart.
  for (int a = 1; a <= 16; ++a) {
    for (int b = a + 1; b <= 16; ++b) {
      const std::string x = std::to_string(a), y = std::to_string(b);
      EXPECT_GT(ProfileDistance(voices["mhit_" + x], voices["mhit_" + y]), 4.0) << a << " " << b;
      EXPECT_GT(ProfileDistance(voices["mdeath_" + x], voices["mdeath_" + y]), b == 16 ? 6.0 : 5.0)
          << a << " " << b;
    }
  }
}

}  // namespace
}  // namespace vv::gen
