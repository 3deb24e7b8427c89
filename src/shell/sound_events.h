#pragma once
// The sound requests screens write into SoundEvent, by name. The audio side
// turns every code into its sample (audio/sound_codes.h); these are the
// single codes the screens ask for by themselves.

namespace vv {

constexpr int SOUND_CLICK = 4000;        // a button or key acted on
constexpr int SOUND_MENU_CHOICE = 4001;  // a main menu row chosen
constexpr int SOUND_ALARM = 5000;        // something refused
constexpr int SOUND_ATTACK = 7000;       // the encounter banner
constexpr int SOUND_TELEPORT = 7001;
constexpr int SOUND_CHEST = 7002;
constexpr int SOUND_HOP = 500001;  // the special hero steps forward
// These two play nothing; they stop the battle music.
constexpr int SOUND_BATTLE_WON = 10000;
constexpr int SOUND_PARTY_DEFEATED = 10001;

}  // namespace vv
