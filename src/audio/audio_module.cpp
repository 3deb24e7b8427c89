#include "audio/audio_module.h"

namespace vv {

void InitAudioTables(Game&) {}
void AddAudioScreens(Game&, LoopHooks&) {}
void ResetAudioForNewGame(Game&) {}
void DumpAudioState(const Game&, JsonWriter&) {}

}  // namespace vv

namespace vv {
void InitAudio(Game&) {}
}  // namespace vv
