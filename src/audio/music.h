#pragma once
// Which music module plays: the title track while no game runs, the track of
// the party's area while exploring (faded out by the encounter banner and
// paused for the battle), and the battle track during a battle.

#include <string>

#include "game/game.h"

namespace vv {

constexpr int MUSIC_NONE = 0;
constexpr int MUSIC_TITLE = 1;
constexpr int MUSIC_AREA = 2;
constexpr int MUSIC_BATTLE = 3;

constexpr int TITLE_VOLUME = 200;
constexpr int AREA_VOLUME_CAP = 150;
constexpr int DESERT_VOLUME_CAP = 230;  // the desert track may play louder
constexpr int DESERT_MUSIC = 3;
constexpr int MUSIC_LEVEL_FULL = 1000;
constexpr int MUSIC_FADE_STEP = 8;       // 125 frames from silence to full
constexpr int BANNER_PAUSE_FRAME = 120;  // the area track pauses just before the battle
constexpr int FINAL_MONSTER = 16;        // fought to its own battle track, combat6.xm

// File names of the modules: track1.xm is the title, track2..track6 the
// areas 1..5; combat1..combat5 the areas' battles, combat6 the final one.
std::string TrackFile(int n);
std::string CombatFile(int m);

// Once per frame while MUSIC PLAYBACK is on.
void UpdateMusic(Game& game);

// MUSIC PLAYBACK switched off: the music stops at once, and starts again
// from its beginning when the option is switched back on.
void SwitchMusicOff(Game& game);

}  // namespace vv
