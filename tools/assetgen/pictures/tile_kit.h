#pragma once
// Building blocks of the world tiles: seamless ground textures and the small
// shapes (rocks, trees, bones, flames) shared by the five areas.

#include <cstdint>

#include "canvas.h"

namespace vv::gen {

// A seamless texture: fn(u, v) gives the colour at a wrapped position; noise
// lattices must divide the picture size.
void Texture(Canvas& c, const std::function<Rgb(int x, int y)>& fn);

// Hard-edged contact shadow in a ground's own dark colour (tiles are drawn
// masked, so a soft alpha shadow would vanish).
void Shadow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb ground);

void Rock(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, std::uint32_t seed);
void Canopy(cairo_t* cr, double cx, double cy, double r, Rgb leaf, std::uint32_t seed, int puffs = 7);
void Trunk(cairo_t* cr, double cx, double top, double bottom, double w, Rgb bark);
void Skull(cairo_t* cr, double cx, double cy, double s, Rgb bone);
void Bone(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb bone);
void Crystal(cairo_t* cr, double x, double y, double h, double w, double angle, Rgb colour);
void Flame(cairo_t* cr, double cx, double base, double h, double w);
void Pumpkin(cairo_t* cr, double cx, double cy, double rx, double ry, bool carved);
// A full-cell block of masonry that tiles into walls.
void Masonry(Canvas& c, Rgb stone, Rgb mortar, std::uint32_t seed, int courses);
// A raised wall block seen from above and a little from the front: a lit top
// face with a bright rim, a darker front face and, in the last rows, a soft
// cast shadow on the ground (translucent, so the floor shows through).
void RaisedBlock(Canvas& c, Rgb top, Rgb front, Rgb rim, std::uint32_t seed);
// A chasm running north-south: lit lips on both banks, the west wall in
// shadow, the east wall lit, ledges and a depth that fades to a dark (never
// black) bottom. Tiles seamlessly down its length.
void ChasmCell(Canvas& c, Rgb lip, Rgb wall, Rgb deep, std::uint32_t seed);

// Area palettes.
namespace pal {
inline const Rgb kGrass = Hex("#4a8a3a"), kGrassLight = Hex("#7cb65a"), kGrassDark = Hex("#2f5d2a"),
                 kBark = Hex("#8a5a32"), kBarkDark = Hex("#5a3a22"), kLeaf = Hex("#3f8a36"),
                 kLeafLight = Hex("#a8d47a"), kFlowerRed = Hex("#c8423a"), kFlowerYellow = Hex("#e8c84a"),
                 kWater = Hex("#3a6aa8");
inline const Rgb kCaveStone = Hex("#2e3848"), kCaveStoneLight = Hex("#4a5668"), kCaveDeep = Hex("#1e2430"),
                 kCaveHigh = Hex("#6a7a8e"), kCaveHigher = Hex("#9aa8ba"), kCrystal = Hex("#4ad0e0"),
                 kMoss = Hex("#3a5a3a");
inline const Rgb kSand = Hex("#d8b070"), kSandDark = Hex("#c89a58"), kSandRock = Hex("#9a6a48"),
                 kSandShadow = Hex("#a87a40"), kSandDeep = Hex("#6a4a32"), kSandLight = Hex("#e8cc90"),
                 kCactus = Hex("#5a8a3a");
inline const Rgb kSoil = Hex("#6a4630"), kSoilDark = Hex("#4a3020"), kSoilDeep = Hex("#2e1e14"),
                 kPumpkin = Hex("#e07a20"), kCabbage = Hex("#7ab04a"), kCarrot = Hex("#e8782a"),
                 kWood = Hex("#8a6a40");
inline const Rgb kHideStone = Hex("#2e1a38"), kHideStoneLight = Hex("#4a2a58"), kHideDeep = Hex("#1a1020"),
                 kBone = Hex("#d8ceb0"), kLava = Hex("#e84a1a"), kLavaHot = Hex("#ffb040"),
                 kTorch = Hex("#ffd070"), kPortal = Hex("#40ff80");
}  // namespace pal

}  // namespace vv::gen

namespace vv::gen {
// Calls fn(dx, dy) for the nine wrapped copies of a seamless cell of size s,
// so that shapes crossing an edge come back on the other side.
void Wrapped(cairo_t* cr, int s, const std::function<void(cairo_t*)>& fn);
// Adds a tile to the list.
struct PictureDef;
}  // namespace vv::gen
