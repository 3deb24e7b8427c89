#pragma once
// Every image and sound handle the game loads at start-up, in the tables
// the screens index them by. Each table is indexed from 1 (HitSounds from
// 0) and sized one larger than the highest number tried; a number with no
// file keeps handle 0, which draws or plays nothing.

namespace vv {

struct AssetHandles {
  // Fonts (the start-up window has its own copies).
  int FontImage = 0;
  int FontImage2 = 0;

  // Families.
  int TileImages[3][101] = {};  // [kind 1..2][image 1..100]
  int GroundImages[21] = {};
  int FogEdgeImages[9] = {};  // 1..4 edges, 5..8 corners
  int FaceImages[11] = {};
  int ItemImages[7][51] = {};   // [category 1..6][item]
  int EqSlotImages[6][3] = {};  // [slot 1..5][1 empty, 2 filled]
  int ArrowImages[5] = {};
  int BonusImages[4] = {};
  int StatTab[6] = {};  // stattab1..stattab5

  // Single pictures.
  int ArrowImage = 0, BlackImage = 0, BoardImage = 0, Board2Image = 0, BorderImage = 0, ButtBackImage = 0;
  int CampImage = 0, CaretImage = 0, CharTabImage = 0, DropBackImage = 0, ExitBackImage = 0;
  int FaceBackImage = 0, FaceBorderImage = 0, HpGauge1Image = 0, HpGauge2Image = 0, InvBackImage = 0;
  int InvSlotImage = 0, LootImage = 0, LootSlotImage = 0, LowBarImage = 0, MenImage = 0, MenuImage = 0;
  int MenuBackImage = 0, MonStatImage = 0, PointerImage = 0, RedneckImage = 0, SilhImage = 0;
  int SpellDescTabImage = 0, SpellTabImage = 0, SplatImage = 0, TalkMenuImage = 0, TitleTextImage = 0;
  int Trinkle1Image = 0, Trinkle2Image = 0, VerImage = 0;

  // Sounds.
  int DropSounds[51] = {};
  int UseSounds[51] = {};
  int HitSounds[21] = {};  // from 0
  int MonsterHitSounds[21] = {};
  int DeathSounds[4] = {};
  int MonsterDeathSounds[21] = {};
  int BreakSounds[5] = {};
  int SpellSounds[21] = {};
  int MissSounds[4] = {};
  int HopSound = 0, DeepSinkSound = 0, TeleSound = 0, ChestSound = 0, AttackSound = 0, BlockSound = 0;
  int DefendSound = 0, TakeSound = 0, TickSound = 0, Tick2Sound = 0, AlarmSound = 0, DropItemSound = 0;
  int RestSound = 0;
};

}  // namespace vv
