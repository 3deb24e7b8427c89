#include "items/item_descriptions.h"

#include <span>

namespace vv {
namespace {

// Each one to three sentences, short enough for the four lines of a panel.
constexpr const char* WEAPONS[] = {
    "A Dagger is a very basic weapon. Its lack of power is compensated by light weight and quick attack "
    "speed.",
    "Forged by elves who dislike heavy things, this blade is a little keener than a common dagger and every "
    "bit as quick.",
    "A stout branch with a knot at the business end. Nobody has ever complained that a club was too gentle.",
    "A long staff of seasoned oak. It hits with the same steady force every single time, which wizards find "
    "oddly comforting.",
    "A short, well-balanced blade favoured by town guards and travellers. Quick in the hand and easy to keep "
    "clean.",
    "A woodcutter's axe with a short haft. It splits kindling and skulls alike, though skulls take a harder "
    "swing.",
    "A long braided whip that cracks louder than thunder. It keeps monsters at a respectful distance and "
    "cattle in line.",
    "A curved harvesting blade, sharpened far beyond what any wheat field would need. Its hook bites deep on "
    "a fast swing.",
    "The jaw of a giant ant, hard as iron and edged like a saw. Its former owner would be most upset to see "
    "it used this way.",
    "Three rusty prongs on a long pole. Every angry village has one, and now so do you.",
    "A knightly blade with a long reach and a true edge. A sound weapon for anyone who means to become a "
    "legend.",
    "A heavy double-bitted axe. It is slow to lift, but whatever stands where it falls rarely stands up "
    "again.",
    "A boulder lashed to a tree trunk with strips of hide. It swings about as fast as a glacier and hits "
    "about as hard.",
    "A spiked iron ball on a chain. Once you can swing it without hitting yourself, it whirls fast and lands "
    "hard.",
    "The long blade of a reaper, honed to a wicked edge. It mows through foes as easily as through summer "
    "hay.",
    "A blacksmith's sledgehammer with a head like an anvil. Every blow is slow, loud and very final.",
    "A spear as long as two men, made to meet a charge. Its point always arrives well before its bearer "
    "does.",
    "An axe blade, a spike and a hook on one long pole. Castle guards carry it, mostly for the look of the "
    "thing.",
    "A sword forged for a giant, nearly as tall as its wielder. Few can lift it, and nothing survives its "
    "edge.",
    "A mountain of iron on a handle. It takes an age to swing, but when it lands the ground shakes and the "
    "monster does not.",
};

constexpr const char* SHIELDS[] = {
    "The buckler is a basic shield. Very small in size, it cannot block all the incoming attacks.",
    "A round shield of oak planks bound with iron. Cheap, light and good for a few honest knocks.",
    "A wide old shield flaking with rust. It still gets in the way of a blow, but blades often go straight "
    "through.",
    "A polished bronze shield that gleams like the sun. It blocks well and makes a handy mirror besides.",
    "A shield engraved with softly glowing runes. Strange forces turn aside blows that should have struck "
    "true.",
    "A tall, pointed shield that guards its bearer from chin to knee. A favourite of knights and careful "
    "adventurers.",
    "The shell of a giant tortoise with a strap on the inside. It has guarded someone for a hundred years "
    "and means to go on.",
    "A heavy shield studded with iron spikes. Any monster whose blow it blocks gets a painful lesson in "
    "manners.",
    "A slab of oak and iron as tall as a door. Hiding behind it is not cowardice, merely good sense.",
    "Less a shield than a piece of fortress wall with a handle. Very little gets past it, including the "
    "view.",
};

constexpr const char* ARMOURS[] = {
    "A thick woollen cape. It keeps out the rain and turns the odd scratch, but do not expect it to stop a "
    "sword.",
    "A jerkin of boiled and hardened leather. Light, quiet and tough enough to blunt claws and teeth.",
    "A shirt of thousands of riveted iron rings. It jingles with every step but stops most cuts cold.",
    "A shaped steel plate that guards chest and back. Light enough to wear all day and hard enough to "
    "trust.",
    "A full suit of steel plates fitted joint by joint. Its wearer clanks like a kitchen, but very little "
    "can hurt him.",
};

constexpr const char* HELMS[] = {
    "A black hood with two eye holes. It protects very little, but it is quite frightening to look at.",
    "A padded leather cap. It softens a knock on the head and keeps the ears warm on cold nights.",
    "A golden crown set with small gems. Not much of a helmet, but it makes any adventurer feel like "
    "royalty.",
    "A simple iron cap riveted over a leather lining. Honest protection for an honest skull.",
    "The hollowed head of a giant ant, worn as a helmet. Surprisingly sturdy, and the smell fades after a "
    "week or two.",
    "A hood of fine chain that covers head, neck and shoulders. Swords slide off it with a pleasing rattle.",
    "A rounded helm of good steel with a nose guard. The kind of helmet that comes home from every battle.",
    "A closed helm with a narrow visor, made for a knight. It turns heavy blows, though the view is rather "
    "limited.",
    "A heavy helm crowned with two great horns. It protects well and makes every doorway a new challenge.",
    "The skull of a minotaur fitted as a helm. No headgear is stronger, and monsters think twice before "
    "striking it.",
};

constexpr const char* AMULETS[] = {
    "A deep blue sapphire on a silver chain. Its calm glow softens every blow that reaches the wearer.",
    "A pendant of woven roots around a green stone. Rest comes easily to its wearer, and wounds close twice "
    "as fast.",
    "A glass eye once worn by Kaltias, the keenest hunter of the old tales. It guides its wearer's weapon to "
    "the mark.",
    "A string of monster teeth. Its wearer has a knack for finding a little something extra on every fallen "
    "foe.",
    "A golden sun disc, warm to the touch. Any monster that strikes its wearer gets its claws scorched.",
};

constexpr const char* POTIONS[] = {
    "Drinking this potion will heal all the wounds of a character. Save it for the tight spots when you "
    "don't have time for resting.",
    "A thick brown brew that tastes of iron. For a while after drinking it, the drinker could wrestle a "
    "bear.",
    "A fizzing blue tonic. It makes hands quick and feet light for a good while after the last drop.",
    "A clear violet draught that smells of old books. It sharpens the mind and makes every spell bite "
    "harder.",
};

std::span<const char* const> Descriptions(int category) {
  switch (category) {
    case 1:
      return WEAPONS;
    case 2:
      return SHIELDS;
    case 3:
      return ARMOURS;
    case 4:
      return HELMS;
    case 5:
      return AMULETS;
    case 6:
      return POTIONS;
    default:
      return {};
  }
}

}  // namespace

const char* ItemDescription(int category, int item) {
  const std::span<const char* const> texts = Descriptions(category);
  if (item < 1 || item > static_cast<int>(texts.size())) return "";
  return texts[static_cast<std::size_t>(item - 1)];
}

}  // namespace vv
