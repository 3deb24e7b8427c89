#pragma once
// The fifteen attack spells a Sorcerer can learn. Constant for the whole run.

namespace vv {

constexpr int SPELL_COUNT = 15;

// Fields of SpellStats[spell][field].
namespace spell {
enum Field : int {
  HealthDrain = 1,  // health the caster pays per cast
  DamageMin = 2,    // base damage before the caster's intelligence
  DamageMax = 3,
  CastDelay = 4,     // the caster's turn delay after casting
  ShadeMonster = 5,  // 1: the effect shades the monster instead of showing a picture
  LightBlend = 6,    // 1: the effect picture is drawn with additive blending
};
// Fields of SpellText[spell][field].
enum TextField : int { Name = 1, Description = 2 };
}  // namespace spell

// SpellStats[spell 1..20][field 1..20]; 0 outside spells 1..15, fields 1..6.
int SpellStats(int spell, int field);
// SpellText[spell 1..20][1..2]; "" outside spells 1..15.
const char* SpellText(int spell, int field);

// How many spells a hero of this level knows: spell k is known from level
// 2k - 1 on (k <= level / 2 + 0.5), never more than the table holds.
int KnownSpellCount(int level);

// The widest line of the description panel, and how many lines it shows.
constexpr int SPELL_DESCRIPTION_WIDTH = 344;
constexpr int SPELL_DESCRIPTION_LINES = 3;

}  // namespace vv
