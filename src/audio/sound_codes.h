#pragma once
// Sound requests: the code a screen writes into SoundEvent and the sample it
// names. Codes 10000 and 10001 play nothing; they stop the battle music.

#include "game/game.h"

namespace vv {

// Where a code range finds its sample.
enum class SoundSource {
  Drop,
  Use,
  Take,
  Miss,
  Death,
  MonsterDeath,
  Tick,
  Tick2,
  Alarm,
  DropItem,
  Attack,
  Tele,
  Chest,
  Hit,
  MonsterHit,
  Rest,
  Break,
  Block,
  Defend,
  Spell,
  DeepSink,
  Hop,
};

// Codes first..last play entry code - base of the source's table (a single
// sound is a table of one entry, so its base is its code).
struct SoundCodeRange {
  int first, last, base;
  SoundSource source;
};

// clang-format off
constexpr SoundCodeRange SOUND_CODES[] = {
    //  first,   last,   base,  plays
    {       1,     50,      0, SoundSource::Drop},          // item placed, by its sound kind
    {      51,     99,     50, SoundSource::Use},           // potion used
    {     100,    100,    100, SoundSource::Take},          // item picked up
    {     201,    204,    200, SoundSource::Miss},          // an attack missed
    {    2001,   2999,   2000, SoundSource::Death},         // the party is defeated
    {    3001,   3999,   3000, SoundSource::MonsterDeath},  // the monster dies
    {    4000,   4000,   4000, SoundSource::Tick},          // button click
    {    4001,   4001,   4001, SoundSource::Tick2},         // main-menu choice
    {    5000,   5000,   5000, SoundSource::Alarm},         // refusal or error
    {    6000,   6000,   6000, SoundSource::DropItem},      // item dropped out of the inventory
    {    7000,   7000,   7000, SoundSource::Attack},        // an encounter begins
    {    7001,   7001,   7001, SoundSource::Tele},          // portal
    {    7002,   7002,   7002, SoundSource::Chest},         // chest found
    {    8001,   8999,   8001, SoundSource::Hit},           // a hero's hit, by weapon kind from 0
    {    9001,   9999,   9000, SoundSource::MonsterHit},    // a monster's hit
    {   11000,  11000,  11000, SoundSource::Rest},
    {   12001,  12999,  12000, SoundSource::Break},         // equipment breaks, by slot
    {   13000,  13000,  13000, SoundSource::Block},
    {   13001,  13001,  13001, SoundSource::Defend},
    {   20001,  50000,  20000, SoundSource::Spell},         // a spell is cast, by spell number
    {  500000, 500000, 500000, SoundSource::DeepSink},
    {  500001, 500001, 500001, SoundSource::Hop},
};
// clang-format on

// The sound handle a code plays: 0 for 0, for codes outside every range and
// for numbers beyond the end of their table.
int SoundForCode(const Shell& shell, int code);

// Plays the frame's sound request, if it names a loaded sample.
void PlaySoundCode(Shell& shell, int code);

}  // namespace vv
