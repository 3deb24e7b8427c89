// What interrupts the walk: area introductions, the speech box, chests,
// random attacks, teleporters and the portal, with their banners.

#include "items/item_database.h"
#include "shell/input.h"
#include "shell/text.h"
#include "world/exploration.h"
#include "world/level_table.h"
#include "world/world_screen.h"

namespace vv {
namespace {

constexpr const char* AREA_INTRO_TEXT[AREAS + 1] = {
    "",
    "You cautiously leave the town of Duduvi. After you reach the deeper parts of the forest, you suddenly "
    "notice that the way back has been sealed. You are on your own now.",
    "You try to keep your wits along while you enter the dark, damp cavern. You hear some high-pitched "
    "noises "
    "coming from the deeper recesses of the cave.",
    "Having found a way out, you find yourself in a desert. The great goper mountains loom in the distance "
    "as "
    "you prepare to make your way through this dry region.",
    "You have come to a garden of some type. The ground is filled with all sorts of vegetables. You remind "
    "yourself of the task at hand and prepare to journey onward.",
    "Judging by the looks of this place. you are certainly getting close to vorgash's hideout. Skulls and "
    "bones "
    "are strewn everywhere. This is it, the final challenge.",
};

constexpr const char* PORTAL_TEXT =
    "What is the purpose of this strange portal? 'ZZZZooommm!' Hey look, that must be vorgash! Maybe he "
    "wants "
    "to be friends with us?";

constexpr int PORTAL_LEVEL = 15;
constexpr int PORTAL_X = 288, PORTAL_Y = 288;
constexpr int SPEECH_DELAY = 60;
constexpr int CHEST_BANNER_FRAMES = 150;
constexpr int ATTACK_BANNER_FRAMES = 125;
constexpr int ENCOUNTER_CHANCE = 9;

bool PartyAt(const Game& g, int x, int y) {
  return g.PartyState[PartyX] == x && g.PartyState[PartyY] == y;
}

void ClearArrowHover(Game& g) {
  for (int& hover : g.ArrowHover) hover = 0;
}

int CurrentArea(const Game& g) {
  return g.CurrentLevel >= 1 && g.CurrentLevel <= LEVELS ? g.LevelArea[g.CurrentLevel] : 0;
}

// One item of a chest: the row r of level `level`.
void RollChestItem(Game& g, int level, int* record, int k) {
  const int r = Rand(g, 1, 100);
  record[2 * k - 1] = g.LevelTable[level][r][level::ItemCategory];
  record[2 * k] = g.LevelTable[level][r][level::ItemNumber];
}

}  // namespace

void InitAreaTexts(WorldTables& w) {
  for (int a = 0; a <= AREAS; ++a) w.AreaIntroText[a] = AREA_INTRO_TEXT[a];
}

void FillChests(Game& g) {
  for (int n = 1; n <= 20; ++n) {
    // Chests hold the loot of two levels further on.
    const int level = std::min(n + 2, LEVELS);
    int* record = ChestRecord(g, n);
    for (int i = 0; i < 8; ++i) record[i] = 0;
    RollChestItem(g, level, record, 1);
    Rand(g, 1, 100);  // drawn and not used
    RollChestItem(g, level, record, 2);
    int count = 2;
    if (Rand(g, 1, 100) <= 50) {
      RollChestItem(g, level, record, 3);
      count = 3;
    }
    record[chest::Count] = count;
    record[chest::Opened] = 0;
  }
}

void CheckAreaIntro(Game& g) {
  const int area = CurrentArea(g);
  if (area == 0 || g.AreaIntroShown[area] != 0) return;
  g.AreaIntroShown[area] = 1;
  OpenSpeechBox(g, SPEECH_AREA_INTRO, 0, 0);
}

void OpenSpeechBox(Game& g, int kind, int hero, int comment) {
  g.SpeechKind = kind;
  g.SpeechDelay = SPEECH_DELAY;
  g.SpeechHero = hero;
  g.SpeechComment = comment;
}

void DismissSpeechBox(Game& g) {
  if (g.SpeechKind == SPEECH_NONE) return;
  if (g.SpeechDelay > 0) {
    --g.SpeechDelay;
    return;
  }
  const bool dismissed =
      KeyHit(g, KEY_ENTER) || KeyHit(g, KEY_ESCAPE) || MouseHit(g, MOUSE_LEFT) || MouseHit(g, MOUSE_RIGHT);
  if (!dismissed) return;
  g.SpeechKind = SPEECH_NONE;
  FlushInput(g);
  if (g.PortalEventFlag == 1) StartAttackBanner(g);
}

void StartAttackBanner(Game& g) {
  ClearArrowHover(g);
  g.AttackBanner = 1;
  g.SoundEvent = SOUND_ATTACK;
}

void CheckPortal(Game& g) {
  if (g.CurrentLevel != PORTAL_LEVEL || !PartyAt(g, PORTAL_X, PORTAL_Y)) return;
  g.PortalEventFlag = 1;
  ClearArrowHover(g);
  OpenSpeechBox(g, SPEECH_HERO, 2, 0);
}

void CheckTeleporters(Game& g) {
  for (int k = 1; k <= 2; ++k) {
    if (!PartyAt(g, g.TeleporterPos[k][1], g.TeleporterPos[k][2])) continue;
    // Out of the other teleporter, one step on in the walking direction.
    int x = g.TeleporterPos[3 - k][1], y = g.TeleporterPos[3 - k][2];
    StepFrom(g.PartyState[Facing], x, y);
    g.PartyState[PartyX] = x;
    g.PartyState[PartyY] = y;
    g.SoundEvent = SOUND_TELEPORT;
  }
}

void CheckChest(Game& g) {
  if (ChestOpened(g, g.CurrentLevel) || !PartyAt(g, g.ChestPos[1], g.ChestPos[2])) return;
  ClearArrowHover(g);
  int* record = ChestRecord(g, g.CurrentLevel);
  g.LootCount = record[chest::Count];
  for (int k = 1; k <= 3; ++k) {
    const int category = record[2 * k - 1], number = record[2 * k];
    g.LootList[k][1] = category;
    g.LootList[k][2] = number;
    g.LootList[k][3] = ItemStats(category, number, item::MaxCondition);
  }
  record[chest::Opened] = 1;
  g.ChestBanner = 1;
  g.SoundEvent = SOUND_CHEST;
}

void RollEncounter(Game& g) {
  if (g.PortalEventFlag != 0 || g.ChestBanner != 0 || g.ScreenReady == 0 || g.AttackBanner != 0 ||
      g.MovedThisFrame == 0) {
    return;
  }
  const int r = Rand(g, 1, 100);
  if (r <= ENCOUNTER_CHANCE) StartAttackBanner(g);
  RollComment(g, r);
}

void AdvanceBanners(Game& g) {
  if (g.ChestBanner > 0 && ++g.ChestBanner >= CHEST_BANNER_FRAMES) {
    g.ChestBanner = 0;
    g.ScreenTiles.clear();
    g.ScreenReady = 0;
    SwitchScreen(g, SCREEN_LOOT);
  }
  if (g.AttackBanner > 0) {
    // The area music fades out under the banner.
    if (g.MusicLevel > 0) --g.MusicLevel;
    if (++g.AttackBanner == ATTACK_BANNER_FRAMES) g.ScreenRequest = REQUEST_COMBAT;
  }
}

void DrawBanners(Game& g) {
  if (g.AttackBanner > 0) DrawTextLarge(g, 512, 354, "YOU ARE ATTACKED!", 1, 0.66f, -1);
  if (g.ChestBanner > 0) DrawTextLarge(g, 512, 354, "YOU FOUND A CHEST!", 1, 0.66f, -1);
}

void DrawSpeechBox(Game& g) {
  if (g.SpeechKind == SPEECH_NONE) return;
  Platform& p = g.platform;
  p.SetColor(255, 255, 0);
  p.DrawImage(g.TalkMenuImage, 512, 384);
  std::string title, body;
  if (g.SpeechKind == SPEECH_AREA_INTRO) {
    const int area = CurrentArea(g);
    title = "Area " + std::to_string(area);
    body = g.AreaIntroText[area];
  } else {
    const int speaker = g.SpeechHero == 1 ? 1 : 2;
    title = g.HeroNames[speaker] + " speaks";
    body = g.SpeechComment == 0 ? std::string(PORTAL_TEXT) : CommentLine(g, speaker, g.SpeechComment);
  }
  p.SetColor(255, 0, 255);
  DrawTextQuarter(g, 512, 311, title, 1);
  WrapText(g, 402, body);
  p.SetColor(0, 255, 0);
  for (int line = 1; line <= 4; ++line) {
    DrawTextQuarter(g, 304, static_cast<float>(341 + 24 * (line - 1)), g.WrapLines[line], 0);
  }
  if (g.SpeechDelay == 0) {
    p.SetColor(255, 255, 0);
    DrawTextQuarter(g, 512, 443, "Click to continue", 1);
  }
  p.SetColor(255, 255, 0);
}

}  // namespace vv
