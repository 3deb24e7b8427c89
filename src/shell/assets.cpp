#include "shell/assets.h"

#include <string>

#include "shell/embedded_assets.h"

namespace vv {
namespace {

std::string Gfx(const std::string& file) {
  return "data/gfx/" + file;
}
std::string Sfx(const std::string& file) {
  return "data/sfx/" + file;
}
std::string N(int i) {
  return std::to_string(i);
}

}  // namespace

void RegisterAssets(Platform& platform) {
  for (const EmbeddedAsset& a : EmbeddedAssets()) platform.RegisterAsset(a.name, a.bytes);
}

void LoadFonts(Shell& shell) {
  Platform& p = shell.platform;
  shell.FontImage = p.LoadAnimImage(Gfx("medfont.png"), 60, 60, 0, 63, IMAGE_MASKED);
  shell.FontImage2 = p.LoadAnimImage(Gfx("medfont2.png"), 60, 60, 0, 63, IMAGE_MASKED | IMAGE_FILTERED);
}

void LoadGameImages(Shell& s) {
  Platform& p = s.platform;
  auto load = [&](const std::string& file) { return p.LoadImage(Gfx(file), IMAGE_MASKED); };

  for (int kind = 1; kind <= 2; ++kind) {
    for (int n = 1; n <= 100; ++n) s.TileImages[kind][n] = load("tile" + N(kind) + "_" + N(n) + ".png");
  }
  for (int n = 1; n <= 20; ++n) s.GroundImages[n] = load("ground_" + N(n) + ".png");
  for (int n = 1; n <= 4; ++n) {
    s.FogEdgeImages[n] = load("fadex_" + N(n) + ".png");
    s.FogEdgeImages[4 + n] = load("fadez_" + N(n) + ".png");
  }
  for (int n = 1; n <= 10; ++n) s.FaceImages[n] = load("face_" + N(n) + ".png");
  const char letters[] = "abcdef";
  for (int c = 1; c <= 6; ++c) {
    for (int n = 1; n <= 50; ++n)
      s.ItemImages[c][n] = load("item_" + std::string(1, letters[c - 1]) + N(n) + ".png");
  }
  for (int n = 1; n <= 5; ++n) {
    s.EqSlotImages[n][1] = load("eqslot_" + N(n) + "x.png");
    s.EqSlotImages[n][2] = load("eqslot_" + N(n) + ".png");
  }
  for (int n = 1; n <= 4; ++n) s.ArrowImages[n] = load("lilarrow_" + N(n) + ".png");
  for (int n = 1; n <= 3; ++n) s.BonusImages[n] = load("bonus_" + N(n) + ".png");
  for (int n = 1; n <= 5; ++n) s.StatTab[n] = load("stattab" + N(n) + ".png");

  s.ArrowImage = load("arrow.png");
  s.BlackImage = load("black.png");
  s.BoardImage = load("board.png");
  s.Board2Image = load("board2.png");
  s.BorderImage = load("border.png");
  s.ButtBackImage = load("buttback.png");
  s.CampImage = load("camp.png");
  s.CaretImage = load("caret.png");
  s.CharTabImage = load("chartab.png");
  s.DropBackImage = load("dropback.png");
  s.ExitBackImage = load("exitback.png");
  s.FaceBackImage = load("faceback.png");
  s.FaceBorderImage = load("faceborder.png");
  s.HpGauge1Image = load("hpgauge1.png");
  s.HpGauge2Image = load("hpgauge2.png");
  s.InvBackImage = load("invback.png");
  s.InvSlotImage = load("invslot.png");
  s.LootImage = load("loot.png");
  s.LootSlotImage = load("lootslot.png");
  s.LowBarImage = load("lowbar.png");
  s.MenImage = load("men.png");
  s.MenuImage = load("menu.png");
  s.MenuBackImage = load("menuback.png");
  s.MonStatImage = load("monstat.png");
  s.PointerImage = load("pointer.png");
  s.RedneckImage = load("redneck.png");
  s.SilhImage = load("silh.png");
  s.SpellDescTabImage = load("spelldesctab.png");
  s.SpellTabImage = load("spelltab.png");
  s.SplatImage = load("splat.png");
  s.TalkMenuImage = load("talkmenu.png");
  s.TitleTextImage = load("titletext.png");
  s.Trinkle1Image = load("trinkle1.png");
  s.Trinkle2Image = load("trinkle2.png");
  s.VerImage = p.LoadImage(Gfx("ver.png"), IMAGE_DEFAULT);

  // Handle points the layouts rely on.
  p.MidHandle(s.TitleTextImage);
  p.MidHandle(s.TalkMenuImage);
  p.MidHandle(s.SplatImage);
  p.SetImageHandle(s.PointerImage, 0, -2);
  p.SetImageHandle(s.VerImage, 0, 26);
  p.SetImageHandle(s.Trinkle2Image, 258, 0);
  p.SetImageHandle(s.MonStatImage, 192, 0);
  p.SetImageHandle(s.HpGauge1Image, 0, 108);
  p.SetImageHandle(s.ArrowImages[1], 12, 24);
  p.SetImageHandle(s.ArrowImages[2], 0, 12);
  p.SetImageHandle(s.ArrowImages[3], 12, 0);
  p.SetImageHandle(s.ArrowImages[4], 24, 12);
}

void LoadGameSounds(Shell& s) {
  Platform& p = s.platform;
  auto load = [&](const std::string& file) { return p.LoadSound(Sfx(file)); };
  for (int n = 1; n <= 50; ++n) s.DropSounds[n] = load("drop_" + N(n) + ".wav");
  for (int n = 1; n <= 50; ++n) s.UseSounds[n] = load("use_" + N(n) + ".wav");
  for (int n = 0; n <= 20; ++n) s.HitSounds[n] = load("hit_" + N(n) + ".wav");
  for (int n = 1; n <= 20; ++n) s.MonsterHitSounds[n] = load("mhit_" + N(n) + ".wav");
  for (int n = 1; n <= 3; ++n) s.DeathSounds[n] = load("death_" + N(n) + ".wav");
  for (int n = 1; n <= 20; ++n) s.MonsterDeathSounds[n] = load("mdeath_" + N(n) + ".wav");
  for (int n = 1; n <= 4; ++n) s.BreakSounds[n] = load("break_" + N(n) + ".wav");
  for (int n = 1; n <= 20; ++n) s.SpellSounds[n] = load("spell_" + N(n) + ".wav");
  for (int n = 1; n <= 3; ++n) s.MissSounds[n] = load("miss_" + N(n) + ".wav");
  s.HopSound = load("hop.wav");
  s.DeepSinkSound = load("deepsink.wav");
  s.TeleSound = load("tele.wav");
  s.ChestSound = load("chest.wav");
  s.AttackSound = load("attack.wav");
  s.BlockSound = load("block.wav");
  s.DefendSound = load("defend.wav");
  s.TakeSound = load("take.wav");
  s.TickSound = load("tick.wav");
  s.Tick2Sound = load("tick2.wav");
  s.AlarmSound = load("alarm.wav");
  s.DropItemSound = load("dropitem.wav");
  s.RestSound = load("rest.wav");
}

}  // namespace vv
