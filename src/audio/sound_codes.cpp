#include "audio/sound_codes.h"

#include <span>

namespace vv {
namespace {

std::span<const int> TableOf(const Shell& s, SoundSource source) {
  switch (source) {
    case SoundSource::Drop:
      return s.DropSounds;
    case SoundSource::Use:
      return s.UseSounds;
    case SoundSource::Take:
      return {&s.TakeSound, 1};
    case SoundSource::Miss:
      return s.MissSounds;
    case SoundSource::Death:
      return s.DeathSounds;
    case SoundSource::MonsterDeath:
      return s.MonsterDeathSounds;
    case SoundSource::Tick:
      return {&s.TickSound, 1};
    case SoundSource::Tick2:
      return {&s.Tick2Sound, 1};
    case SoundSource::Alarm:
      return {&s.AlarmSound, 1};
    case SoundSource::DropItem:
      return {&s.DropItemSound, 1};
    case SoundSource::Attack:
      return {&s.AttackSound, 1};
    case SoundSource::Tele:
      return {&s.TeleSound, 1};
    case SoundSource::Chest:
      return {&s.ChestSound, 1};
    case SoundSource::Hit:
      return s.HitSounds;
    case SoundSource::MonsterHit:
      return s.MonsterHitSounds;
    case SoundSource::Rest:
      return {&s.RestSound, 1};
    case SoundSource::Break:
      return s.BreakSounds;
    case SoundSource::Block:
      return {&s.BlockSound, 1};
    case SoundSource::Defend:
      return {&s.DefendSound, 1};
    case SoundSource::Spell:
      return s.SpellSounds;
    case SoundSource::DeepSink:
      return {&s.DeepSinkSound, 1};
    case SoundSource::Hop:
      return {&s.HopSound, 1};
  }
  return {};
}

}  // namespace

int SoundForCode(const Shell& shell, int code) {
  for (const SoundCodeRange& range : SOUND_CODES) {
    if (code < range.first || code > range.last) continue;
    const std::span<const int> table = TableOf(shell, range.source);
    // The wide ranges reach past the tables: those numbers have no sample.
    const std::size_t index = static_cast<std::size_t>(code - range.base);
    return index < table.size() ? table[index] : 0;
  }
  return 0;
}

void PlaySoundCode(Shell& shell, int code) {
  if (const int sound = SoundForCode(shell, code); sound != 0) shell.platform.PlaySound(sound);
}

}  // namespace vv
