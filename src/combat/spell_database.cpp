#include "combat/spell_database.h"

namespace vv {
namespace {

struct SpellRow {
  const char* name;
  int drain, damageMin, damageMax, delay, shade, light;
  const char* description;
};

// clang-format off
constexpr SpellRow SPELLS[SPELL_COUNT] = {
    // name            drain min  max delay F5 F6
    {"BEESTING",          1,   1,   3, 150, 0, 1,
     "CAUSES A STINGING PAIN IN THE TARGET, AS IF AN ANGRY BEE HAD STUNG IT."},
    {"MIND BLAST",        2,   3,   4, 200, 0, 1,
     "CREATES A PSYCHIC EXPLOSION IN THE TARGET'S BRAIN, POWERFUL ENOUGH TO CAUSE SOME ACTUAL DAMAGE."},
    {"LAVA BOLT",         3,   4,   6, 200, 0, 1,
     "HURLS A GLOB OF MOLTEN ROCK AT THE TARGET. IT BURNS ON THE WAY IN AND KEEPS ON BURNING."},
    {"ROCK BLAST",        4,   6,   6, 160, 0, 0,
     "SMASHES A BOULDER INTO THE TARGET. NOT SUBTLE, BUT ALWAYS THE SAME SOLID THUMP."},
    {"ZAP",               6,   1,  15, 200, 0, 1,
     "CALLS DOWN A FICKLE BOLT OF LIGHTNING. SOMETIMES IT TICKLES, SOMETIMES IT FRIES."},
    {"COLOR SPRAY",       4,   3,   5,  60, 0, 1,
     "BLASTS THE TARGET WITH DAZZLING COLORS. WEAK, BUT SO QUICK THAT THE CASTER HARDLY PAUSES."},
    {"SNOWBREEZE",        8,  12,  16, 200, 0, 1,
     "WRAPS THE TARGET IN A WIND OF BITING ICE THAT FREEZES FLESH TO THE BONE."},
    {"DUST CLOUD",       10,  14,  20, 140, 0, 1,
     "RAISES A CHOKING CLOUD OF SCOURING DUST AROUND THE TARGET AND STRIPS IT RAW."},
    {"SHOCKBOLT",        12,  20,  24, 180, 0, 1,
     "FIRES A CRACKLING BOLT OF LIGHTNING THAT LEAPS STRAIGHT INTO THE TARGET'S HEART."},
    {"FIREWORKS",        14,  24,  28, 200, 0, 1,
     "SETS OFF A BURST OF EXPLODING STARS AROUND THE TARGET. PRETTY TO WATCH, PAINFUL TO RECEIVE."},
    {"FIREBALL",         16,  28,  34, 200, 0, 1,
     "LAUNCHES A ROARING BALL OF FLAME THAT SWALLOWS THE TARGET WHOLE."},
    {"SWARM",            18,  24,  60, 180, 0, 1,
     "SUMMONS A BUZZING SWARM OF HORNETS. ON A GOOD DAY THEY ALL STING AT ONCE."},
    {"JELLY BLOB",       20,  40,  50, 160, 0, 1,
     "DROPS A HUGE BLOB OF ACID JELLY ON THE TARGET. IT DISSOLVES WHATEVER IT TOUCHES."},
    {"GIANT'S FART",     22,  50,  75, 160, 0, 1,
     "RELEASES A GREEN, ROLLING STENCH OF GIGANTIC PROPORTIONS. NOTHING THAT BREATHES IS SAFE."},
    {"ENLIGHTENMENT",    24,  75, 175, 200, 1, 0,
     "FILLS THE TARGET'S MIND WITH THE WHOLE TRUTH OF THE UNIVERSE AT ONCE. FEW MINDS SURVIVE IT."},
};
// clang-format on

const SpellRow* Row(int spell) {
  return spell >= 1 && spell <= SPELL_COUNT ? &SPELLS[spell - 1] : nullptr;
}

}  // namespace

int SpellStats(int spell, int field) {
  const SpellRow* row = Row(spell);
  if (!row) return 0;
  switch (field) {
    case spell::HealthDrain:
      return row->drain;
    case spell::DamageMin:
      return row->damageMin;
    case spell::DamageMax:
      return row->damageMax;
    case spell::CastDelay:
      return row->delay;
    case spell::ShadeMonster:
      return row->shade;
    case spell::LightBlend:
      return row->light;
    default:
      return 0;
  }
}

int KnownSpellCount(int level) {
  const float known = static_cast<float>(level) / 2.0f + 0.5f;
  if (known < 1.0f) return 0;
  return known >= static_cast<float>(SPELL_COUNT) ? SPELL_COUNT : static_cast<int>(known);
}

const char* SpellText(int spell, int field) {
  const SpellRow* row = Row(spell);
  if (!row) return "";
  if (field == spell::Name) return row->name;
  if (field == spell::Description) return row->description;
  return "";
}

}  // namespace vv
