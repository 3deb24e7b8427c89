#include "shell/input.h"
#include "shell/text.h"
#include "world/exploration.h"
#include "world/world_screen.h"

namespace vv {
namespace {

// Enters the screen the party stands on, or the neighbour it walked into.
void EnterScreen(Game& g) {
  int* ps = g.PartyState;
  // Walking never leads out of the world, but a teleporter by the world's
  // edge could: the party then stays at the edge.
  const int dir = g.ExitDirection;
  const int column = ps[ScreenColumn] + (dir == 3) - (dir == 1);
  const int row = ps[ScreenRow] + (dir == 2) - (dir == 4);
  if (LevelOfScreen(g, column, row) == 0) g.ExitDirection = 0;
  switch (g.ExitDirection) {
    case 1:
      ps[ScreenColumn] -= 1, ps[PartyX] = 992;
      break;
    case 2:
      ps[ScreenRow] += 1, ps[PartyY] = 576;
      break;
    case 3:
      ps[ScreenColumn] += 1, ps[PartyX] = 0;
      break;
    case 4:
      ps[ScreenRow] -= 1, ps[PartyY] = 0;
      break;
    default:
      break;
  }
  g.ExitDirection = 0;
  // Banners belong to the visit that just ended.
  g.AttackBanner = 0;
  g.ChestBanner = 0;
  BuildScreen(g, ps[ScreenColumn], ps[ScreenRow]);
  g.ScreenReady = 1;
}

void CarryOutRequest(Game& g) {
  const int request = g.ScreenRequest;
  if (request == 0) return;
  g.ScreenRequest = 0;
  g.ScreenTiles.clear();
  g.ScreenReady = 0;
  if (request == REQUEST_MAIN_MENU) {
    StartFade(g, SCREEN_MAIN_MENU);
  } else if (request == REQUEST_COMBAT) {
    SwitchScreen(g, SCREEN_COMBAT);
  } else if (request >= REQUEST_SPELLS) {
    g.SelectedHero = request - REQUEST_SPELLS + 1;
    SwitchScreen(g, SCREEN_SPELLS);
  } else if (request >= REQUEST_CHARACTER) {
    g.SelectedHero = request - REQUEST_CHARACTER + 1;
    SwitchScreen(g, SCREEN_CHARACTER);
  } else {
    g.SelectedHero = request - REQUEST_INVENTORY + 1;
    SwitchScreen(g, SCREEN_INVENTORY);
  }
}

void TakeInput(Game& g) {
  OpenQuickPrompt(g);
  MoveParty(g);
  CheckPortal(g);
  CheckTeleporters(g);
  CheckChest(g);
  RestParty(g);
  // The menu button fades out at once and keeps the screen as it is.
  if (MouseHit(g, MOUSE_LEFT) && MouseOver(g, 880, 628, 128, 128)) {
    StartFade(g, SCREEN_MAIN_MENU);
    g.SoundEvent = SOUND_CLICK;
  }
}

void DrawExploration(Game& g) {
  Platform& p = g.platform;
  const LightColour light = WorldLight(g);
  DrawPlayField(g, light);
  DrawDisplay(g);
  DrawPartyFrameAndArrows(g);

  p.SetRotation(0);
  p.SetBlend(BLEND_MASKED);
  p.SetAlpha(1);
  p.SetColor(255, 255, 0);
  DrawQuickPrompt(g);
  DrawBanners(g);
  DrawSpeechBox(g);
  p.SetColor(255, 255, 255);
}

}  // namespace

bool ExplorationInputFree(const Game& g) {
  return g.AttackBanner == 0 && g.ChestBanner == 0 && g.SpeechKind == SPEECH_NONE && g.QuickPrompt == 0;
}

void RunExploration(Game& g) {
  if (!g.PendingNotice.empty()) {
    ShowMessage(g, g.PendingNotice, 255, 255, 0);
    g.PendingNotice.clear();
  }
  AnswerQuickPrompt(g);
  if (g.ScreenReady == 0) EnterScreen(g);

  for (int& hover : g.ArrowHover) hover = 0;
  g.MovedThisFrame = 0;
  CheckAreaIntro(g);
  DismissSpeechBox(g);

  if (ExplorationInputFree(g)) TakeInput(g);

  AdvancePulse(g);
  AdvanceClock(g);
  RevealAroundParty(g);
  CheckScreenEdge(g);
  RollEncounter(g);

  if (ExplorationInputFree(g)) {
    HeroButtons(g);
    if (KeyHit(g, KEY_ESCAPE)) {
      g.SoundEvent = SOUND_CLICK;
      g.ScreenRequest = REQUEST_MAIN_MENU;
    }
  }
  AdvanceBanners(g);

  DrawExploration(g);
  CarryOutRequest(g);
  FlushInput(g);
}

}  // namespace vv
