#include "shell/asset_catalogue.h"

#include <algorithm>
#include <array>

namespace vv {
namespace {

struct Size {
  int w;
  int h;
};

// Item picture sizes, by category letter a..f and item number: the item
// table's widths and heights.
constexpr std::array<Size, 20> WEAPON_SIZES = {{{40, 80},  {40, 80},   {40, 120}, {40, 200}, {40, 120},
                                                {40, 120}, {120, 120}, {80, 120}, {80, 120}, {80, 160},
                                                {40, 160}, {80, 160},  {40, 160}, {80, 120}, {80, 160},
                                                {80, 120}, {40, 200},  {40, 200}, {40, 200}, {120, 200}}};
constexpr std::array<Size, 10> SHIELD_SIZES = {{{80, 80},
                                                {120, 120},
                                                {160, 120},
                                                {120, 120},
                                                {120, 120},
                                                {120, 160},
                                                {120, 160},
                                                {160, 160},
                                                {120, 200},
                                                {160, 200}}};
constexpr std::array<Size, 5> ARMOUR_SIZES = {{{160, 200}, {160, 160}, {160, 200}, {120, 160}, {200, 200}}};
constexpr std::array<Size, 10> HELM_SIZES = {
    {{80, 80}, {80, 80}, {80, 40}, {80, 80}, {80, 80}, {80, 80}, {80, 80}, {80, 80}, {80, 80}, {80, 80}}};

struct NamedSize {
  const char* name;
  int w;
  int h;
};

constexpr NamedSize SINGLE_PICTURES[] = {
    {"arrow.png", 60, 64},        {"black.png", 32, 32},      {"board.png", 560, 364},
    {"board2.png", 362, 160},     {"border.png", 32, 32},     {"buttback.png", 700, 88},
    {"camp.png", 114, 114},       {"caret.png", 8, 30},       {"chartab.png", 512, 508},
    {"dropback.png", 114, 114},   {"exitback.png", 114, 114}, {"faceback.png", 114, 114},
    {"faceborder.png", 128, 128}, {"hpgauge1.png", 31, 108},  {"hpgauge2.png", 35, 112},
    {"invback.png", 100, 100},    {"invslot.png", 40, 40},    {"loot.png", 114, 114},
    {"lootslot.png", 260, 260},   {"lowbar.png", 1024, 154},  {"medfont.png", 420, 540},
    {"medfont2.png", 420, 540},   {"men.png", 32, 32},        {"menu.png", 114, 114},
    {"menuback.png", 128, 128},   {"monstat.png", 384, 80},   {"pointer.png", 17, 24},
    {"redneck.png", 32, 32},      {"silh.png", 138, 361},     {"spelldesctab.png", 378, 287},
    {"spelltab.png", 286, 372},   {"splat.png", 128, 133},    {"talkmenu.png", 442, 171},
    {"titletext.png", 899, 103},  {"trinkle1.png", 29, 501},  {"trinkle2.png", 258, 29},
    {"ver.png", 38, 26},          {"sm_back.png", 480, 360},  {"sm_tab.png", 303, 52},
    {"sm_ticker.png", 34, 17},    {"stattab1.png", 234, 52},  {"stattab2.png", 269, 52},
    {"stattab3.png", 210, 52},    {"stattab4.png", 509, 52},  {"stattab5.png", 63, 52},
};

constexpr const char* SINGLE_SOUNDS[] = {"hop.wav",   "deepsink.wav", "tele.wav", "chest.wav", "attack.wav",
                                         "block.wav", "defend.wav",   "take.wav", "tick.wav",  "tick2.wav",
                                         "alarm.wav", "dropitem.wav", "rest.wav"};

constexpr Size EQSLOT_SIZES[] = {{120, 240}, {160, 200}, {200, 200}, {80, 80}, {40, 40}};

SoundFormat FormatOf(std::string_view file) {
  if (file == "alarm.wav" || file == "tick.wav" || file == "tick2.wav") return {22050, 8, 1};
  if (file == "hop.wav") return {48000, 16, 1};
  if (file == "deepsink.wav") return {48000, 16, 2};
  return {11025, 8, 1};
}

std::vector<AssetEntry> Build() {
  std::vector<AssetEntry> list;
  auto picture = [&](const std::string& file, int w, int h) {
    list.push_back({"data/gfx/" + file, AssetKind::Picture, w, h, {}});
  };
  auto sound = [&](const std::string& file) {
    list.push_back({"data/sfx/" + file, AssetKind::Sound, 0, 0, FormatOf(file)});
  };
  auto n = [](int i) { return std::to_string(i); };

  for (const NamedSize& p : SINGLE_PICTURES) picture(p.name, p.w, p.h);
  for (int i = 1; i <= 25; ++i) picture("tile1_" + n(i) + ".png", 32, 32);
  for (int i = 1; i <= 40; ++i) {
    Size s{32, 32};
    if (i == 6) s = {128, 128};
    if (i == 7 || i == 33) s = {64, 64};
    if (i == 30) s = {256, 200};
    picture("tile2_" + n(i) + ".png", s.w, s.h);
  }
  for (int i = 1; i <= 5; ++i) picture("ground_" + n(i) + ".png", 32, 32);
  for (int i = 1; i <= 4; ++i) picture("fadex_" + n(i) + ".png", 32, 32);
  for (int i = 1; i <= 4; ++i) picture("fadez_" + n(i) + ".png", 32, 32);
  for (int i = 1; i <= 7; ++i) picture("face_" + n(i) + ".png", 114, 114);
  for (int i = 1; i <= 20; ++i)
    picture("item_a" + n(i) + ".png", WEAPON_SIZES[i - 1].w, WEAPON_SIZES[i - 1].h);
  for (int i = 1; i <= 10; ++i)
    picture("item_b" + n(i) + ".png", SHIELD_SIZES[i - 1].w, SHIELD_SIZES[i - 1].h);
  for (int i = 1; i <= 5; ++i)
    picture("item_c" + n(i) + ".png", ARMOUR_SIZES[i - 1].w, ARMOUR_SIZES[i - 1].h);
  for (int i = 1; i <= 10; ++i) picture("item_d" + n(i) + ".png", HELM_SIZES[i - 1].w, HELM_SIZES[i - 1].h);
  for (int i = 1; i <= 5; ++i) picture("item_e" + n(i) + ".png", 40, 40);
  for (int i = 1; i <= 4; ++i) picture("item_f" + n(i) + ".png", 40, 80);
  for (int i = 1; i <= 5; ++i) {
    picture("eqslot_" + n(i) + "x.png", EQSLOT_SIZES[i - 1].w, EQSLOT_SIZES[i - 1].h);
    picture("eqslot_" + n(i) + ".png", EQSLOT_SIZES[i - 1].w, EQSLOT_SIZES[i - 1].h);
  }
  for (int i = 1; i <= 4; ++i) picture("lilarrow_" + n(i) + ".png", 24, 24);
  for (int i = 1; i <= 3; ++i) picture("bonus_" + n(i) + ".png", 24, 24);
  for (int i = 1; i <= 5; ++i) picture("comback_" + n(i) + ".png", 1024, 614);
  for (int i = 1; i <= 16; ++i) {
    picture("monster_" + n(i) + ".png", 0, 0);
    picture("monster_" + n(i) + "a.png", 0, 0);
    picture("monster_" + n(i) + "d.png", 0, 0);
  }
  for (int i = 1; i <= 14; ++i) picture("spell_" + n(i) + ".png", 0, 0);

  for (const char* s : SINGLE_SOUNDS) sound(s);
  for (int i = 1; i <= 25; ++i) sound("drop_" + n(i) + ".wav");
  sound("use_1.wav");
  for (int i = 0; i <= 12; ++i) sound("hit_" + n(i) + ".wav");
  for (int i = 1; i <= 16; ++i) sound("mhit_" + n(i) + ".wav");
  for (int i = 1; i <= 3; ++i) sound("death_" + n(i) + ".wav");
  for (int i = 1; i <= 16; ++i) sound("mdeath_" + n(i) + ".wav");
  for (int i = 1; i <= 4; ++i) sound("break_" + n(i) + ".wav");
  for (int i = 1; i <= 15; ++i) sound("spell_" + n(i) + ".wav");
  for (int i = 1; i <= 3; ++i) sound("miss_" + n(i) + ".wav");

  for (int i = 1; i <= 6; ++i)
    list.push_back({"data/music/track" + n(i) + ".xm", AssetKind::Module, 0, 0, {}});
  for (int i = 1; i <= 6; ++i)
    list.push_back({"data/music/combat" + n(i) + ".xm", AssetKind::Module, 0, 0, {}});
  list.push_back({"data/map.kqm", AssetKind::Map, 0, 0, {}});
  return list;
}

}  // namespace

const std::vector<AssetEntry>& AssetCatalogue() {
  static const std::vector<AssetEntry> catalogue = Build();
  return catalogue;
}

std::string NormaliseAssetName(std::string_view name) {
  std::string out(name);
  std::replace(out.begin(), out.end(), '\\', '/');
  return out;
}

const AssetEntry* FindCatalogueEntry(std::string_view name) {
  const std::string wanted = NormaliseAssetName(name);
  for (const AssetEntry& e : AssetCatalogue()) {
    if (e.name == wanted) return &e;
  }
  return nullptr;
}

std::string_view AssetFileName(std::string_view name) {
  const auto slash = name.find_last_of("/\\");
  return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

}  // namespace vv
