#pragma once
// The exploration screen (screen 10) and the pieces its frame is made of.
// The frame runs them in a fixed order; see RunExploration.

#include <string>

#include "game/game.h"
#include "shell/main_loop.h"

namespace vv {

// Screen requests the exploration frame carries out at its end.
constexpr int REQUEST_INVENTORY = 1;  // + hero - 1
constexpr int REQUEST_CHARACTER = 3;  // + hero - 1
constexpr int REQUEST_COMBAT = 6;
constexpr int REQUEST_SPELLS = 11;  // + hero - 1
constexpr int REQUEST_MAIN_MENU = 2000;

// One frame of the exploration screen.
void RunExploration(Game& game);

// Whether nothing (banner, speech box, quick prompt) keeps the player's
// hands off the screen.
bool ExplorationInputFree(const Game& game);

// ---- movement (exploration_movement.cpp)
// Whether a move of the party onto the cell at (x, y) is refused: an
// obstacle overlaps it, or it lies beyond the screen where there is no
// level to enter.
bool MoveBlocked(const Game& game, int x, int y);
// The cell one step from (x, y) in direction 1 up, 2 right, 3 down, 4 left.
void StepFrom(int direction, int& x, int& y);
// Arrow keys and clicks beside the party; sets the hover flags.
void MoveParty(Game& game);
// Space or the camp button.
void RestParty(Game& game);
// Heals a hero as one rest does.
void RestHeal(Game& game, int hero);
void AdvancePulse(Game& game);
void AdvanceClock(Game& game);
// Leaving over an edge: the next frame enters the neighbouring screen.
void CheckScreenEdge(Game& game);

// ---- light, darkness and fog (day_night.cpp)
struct LightColour {
  int red, green, blue;
};
void InitDayNightTables(WorldTables& world);
bool PartyInTheDark(const WorldTables& world);
// Marks the cells around the party as seen.
void RevealAroundParty(WorldTables& world);
LightColour WorldLight(const Game& game);
void DrawSunsetTint(Game& game);
void DrawFog(Game& game);
// The fog of one cell (the caller clips to the cell).
void DrawFogCell(Game& game, int x, int y);

// ---- the play field (play_field.cpp)
// Ground, tiles, the party marker, the sunset tint and the fog.
void DrawPlayField(Game& game, const LightColour& light);

// ---- the display below the play field (exploration_display.cpp)
void HeroButtons(Game& game);
void DrawPartyMarker(Game& game, const LightColour& light);
void DrawDisplay(Game& game);
void DrawPartyFrameAndArrows(Game& game);

// ---- quick save and load prompt (quick_prompt.cpp)
// F5 and F9: the quicksave or quickload prompt.
void OpenQuickPrompt(Game& game);
void AnswerQuickPrompt(Game& game);
void DrawQuickPrompt(Game& game);

// ---- world events (world_events.cpp)
void InitAreaTexts(WorldTables& world);
void FillChests(Game& game);
void CheckAreaIntro(Game& game);
void OpenSpeechBox(Game& game, int kind, int hero, int comment);
void DismissSpeechBox(Game& game);
void StartAttackBanner(Game& game);
// Portal, teleporters and the chest, after the movement.
void CheckPortal(Game& game);
void CheckTeleporters(Game& game);
void CheckChest(Game& game);
// The 9 percent attack (and the comment roll) after a move or rest.
void RollEncounter(Game& game);
void AdvanceBanners(Game& game);
void DrawBanners(Game& game);
void DrawSpeechBox(Game& game);

// ---- hero comments (comments.cpp)
void InitCommentTexts(WorldTables& world);
void RefillCommentPools(WorldTables& world);
// With roll r of the encounter test: r = 50 and comments on opens a comment.
void RollComment(Game& game, int r);
// The text of the comment in the speech box, "@" replaced by the other
// hero's name.
std::string CommentLine(const Game& game, int hero, int comment);

}  // namespace vv
