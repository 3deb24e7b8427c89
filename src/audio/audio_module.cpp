#include "audio/audio_module.h"

#include "audio/music.h"
#include "audio/sound_codes.h"

namespace vv {
namespace {

void DumpSong(const Game& game, JsonWriter& json, std::string_view key, int song, std::string file) {
  const Platform::ModuleStatus status = game.platform.GetModuleStatus(song);
  json.BeginObject(key);
  json.Number("handle", song);
  json.String("file", file);
  json.Bool("loaded", status.loaded);
  json.Bool("playing", status.playing);
  json.Bool("paused", status.paused);
  json.Number("volume", status.volume);
  json.EndObject();
}

}  // namespace

void InitAudioTables(Game&) {}

void AddAudioScreens(Game& game, LoopHooks& hooks) {
  hooks.playSound = [&game](int code) { PlaySoundCode(game, code); };
  hooks.updateMusic = [&game] { UpdateMusic(game); };
  game.StopMusicNow = [&game] { SwitchMusicOff(game); };
}

void ResetAudioForNewGame(Game& game) {
  // A new game's first area track starts at full level, without a fade.
  game.MusicLevel = MUSIC_LEVEL_FULL;
}

void DumpAudioState(const Game& game, JsonWriter& json) {
  json.Number("MusicState", game.MusicState);
  json.Number("AreaTrackPlaying", game.AreaTrackPlaying);
  json.Number("MusicLevel", game.MusicLevel);
  json.Number("ResumeAreaMusic", game.ResumeAreaMusic);
  json.Number("AreaSong", game.AreaSong);
  json.Number("CombatSong", game.CombatSong);
  json.BeginObject("MusicModules");
  DumpSong(game, json, "AreaSong", game.AreaSong,
           game.AreaSongFile ? "track" + std::to_string(game.AreaSongFile) + ".xm" : "");
  DumpSong(game, json, "CombatSong", game.CombatSong,
           game.CombatSongFile ? "combat" + std::to_string(game.CombatSongFile) + ".xm" : "");
  json.EndObject();
}

void InitAudio(Game& game) {
  // The mixer is opened with the display; the music starts with the first
  // frame of the loop, from a clean state.
  game.AreaSong = game.CombatSong = 0;
  game.AreaSongFile = game.CombatSongFile = 0;
  game.MusicState = MUSIC_NONE;
}

}  // namespace vv
