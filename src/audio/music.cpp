#include "audio/music.h"

#include <algorithm>

#include "audio/sound_codes.h"

namespace vv {
namespace {

void Release(Game& g, int& song, int& file) {
  g.platform.StopModule(song);
  g.platform.FreeModule(song);
  song = 0;
  file = 0;
}

int Start(Game& g, const std::string& name) {
  const int song = g.platform.LoadModule(name);
  g.platform.PlayModule(song);
  return song;
}

// The music number of the level the party stands on (its area, 1..5).
int LevelMusic(const Game& g) {
  const int level = g.CurrentLevel;
  return level >= 1 && level <= 20 ? g.LevelTable[level][0][0] : 0;
}

int LevelAreaOf(const Game& g) {
  const int level = g.CurrentLevel;
  return level >= 1 && level <= 15 ? g.LevelArea[level] : 0;
}

// Area n plays trackn+1.xm; a number outside the five areas plays nothing.
void StartAreaTrack(Game& g, int n) {
  if (n < 1 || n > 5) return;
  g.AreaSong = Start(g, TrackFile(n + 1));
  g.AreaSongFile = g.AreaSong != 0 ? n + 1 : 0;
}

void SetAreaVolumeFromFade(Game& g) {
  g.platform.SetModuleVolume(g.AreaSong, g.MusicLevel * 255 / MUSIC_LEVEL_FULL);
}

void PlayTitle(Game& g) {
  Platform& p = g.platform;
  if (g.MusicState != MUSIC_TITLE) {
    Release(g, g.CombatSong, g.CombatSongFile);
    Release(g, g.AreaSong, g.AreaSongFile);
    g.AreaSong = Start(g, TrackFile(1));
    g.AreaSongFile = g.AreaSong != 0 ? 1 : 0;
    p.SetModuleVolume(g.AreaSong, TITLE_VOLUME);
    g.MusicState = MUSIC_TITLE;
  }
  if (p.GetModuleVolume(g.AreaSong) > TITLE_VOLUME) p.SetModuleVolume(g.AreaSong, TITLE_VOLUME);
}

void PlayArea(Game& g) {
  Platform& p = g.platform;

  // The area track fades in while nothing threatens and out under the
  // encounter banner. The exploration screen also takes 1 a frame during
  // the banner; the level never leaves 0..1000.
  const bool banner = g.AttackBanner > 0;
  const int before = g.MusicLevel;
  if (!banner && g.MusicLevel < MUSIC_LEVEL_FULL) {
    g.MusicLevel = std::min(MUSIC_LEVEL_FULL, g.MusicLevel + MUSIC_FADE_STEP);
  }
  if (banner && g.MusicLevel > 0) g.MusicLevel = std::max(0, g.MusicLevel - MUSIC_FADE_STEP);
  const bool faded = g.MusicLevel != before;
  if (faded) SetAreaVolumeFromFade(g);

  if (g.AttackBanner == BANNER_PAUSE_FRAME) p.SetModulePaused(g.AreaSong, true);

  const int n = LevelMusic(g);
  if (g.MusicState != MUSIC_AREA) {
    if (g.ResumeAreaMusic == 1) {
      // Back from a won battle: the track goes on where it stopped.
      p.SetModulePaused(g.AreaSong, false);
      g.ResumeAreaMusic = 0;
    } else {
      Release(g, g.AreaSong, g.AreaSongFile);
      StartAreaTrack(g, n);
      if (faded) SetAreaVolumeFromFade(g);
    }
    g.MusicState = MUSIC_AREA;
    g.AreaTrackPlaying = n;
  }

  // Crossing into another area changes the track; moving within one does not.
  if (g.MusicState == MUSIC_AREA && n != g.AreaTrackPlaying) {
    Release(g, g.AreaSong, g.AreaSongFile);
    StartAreaTrack(g, n);
    g.AreaTrackPlaying = n;
  }

  const int cap = g.AreaTrackPlaying == DESERT_MUSIC ? DESERT_VOLUME_CAP : AREA_VOLUME_CAP;
  if (p.GetModuleVolume(g.AreaSong) > cap) p.SetModuleVolume(g.AreaSong, cap);
}

void PlayBattle(Game& g) {
  if (g.MusicState != MUSIC_BATTLE) {
    // Chosen once per battle; the paused area track stays loaded.
    const int m = g.CombatMonster >= FINAL_MONSTER ? 6 : LevelAreaOf(g);
    Release(g, g.CombatSong, g.CombatSongFile);
    if (m >= 1 && m <= 6) {
      g.CombatSong = Start(g, CombatFile(m));
      g.CombatSongFile = g.CombatSong != 0 ? m : 0;
    }
    g.MusicState = MUSIC_BATTLE;
  }
  if (g.SoundEvent == SOUND_BATTLE_WON || g.SoundEvent == SOUND_PARTY_DEFEATED) {
    Release(g, g.CombatSong, g.CombatSongFile);
  }
}

}  // namespace

std::string TrackFile(int n) {
  return "data/music/track" + std::to_string(n) + ".xm";
}

std::string CombatFile(int m) {
  return "data/music/combat" + std::to_string(m) + ".xm";
}

void UpdateMusic(Game& game) {
  if (game.GameInProgress == 0) {
    PlayTitle(game);
  } else if (game.GameScreen != SCREEN_COMBAT) {
    PlayArea(game);
  } else {
    PlayBattle(game);
  }
}

void SwitchMusicOff(Game& game) {
  Release(game, game.AreaSong, game.AreaSongFile);
  game.MusicState = MUSIC_NONE;
}

}  // namespace vv
