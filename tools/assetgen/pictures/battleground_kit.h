#pragma once
// Building blocks of the battle backgrounds (1024 x 614): skies, layered
// ridges, clouds, a ground in perspective, trees and the light that frames
// the place where the monster stands, (512, 591).

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

#include "canvas.h"

namespace vv::gen::battle {

constexpr int kW = 1024, kH = 614;
constexpr double kFootX = 512, kFootY = 591;

// A vertical gradient through (position 0..1, colour) stops over y0..y1.
void Sky(cairo_t* cr, double y0, double y1, std::initializer_list<std::pair<double, Rgb>> stops);
// A band that fades from transparent at y0 to `alpha` at y1 (aerial haze).
void Haze(cairo_t* cr, double y0, double y1, Rgb colour, double alpha);
// A skyline from noise, filled down to the picture's bottom; `sharp` mixes in
// ridged noise for crags. Returns nothing; `lit` paints a sunlit rim.
void Ridge(cairo_t* cr, double y, double amp, double scale, std::uint32_t seed, Rgb colour, double sharp = 0,
           double lit = 0);
// A cumulus cloud: lit puffs on top, a cool shade under them.
void Cloud(cairo_t* cr, double cx, double cy, double w, std::uint32_t seed, Rgb light, Rgb shade);
// Soft rays of light falling from (x, y) down towards the ground.
void Rays(cairo_t* cr, double x, double y, double spread, double length, Rgb colour, double alpha,
          std::uint32_t seed);
// Darkens the corners and edges, so the eye goes to the monster.
void Vignette(cairo_t* cr, double strength);
// A pool of light on the ground where the monster stands and its shadow.
void Stage(cairo_t* cr, Rgb light, double lightAlpha, double shadowAlpha);

// The ground in perspective: fn(wx, wz, x, y) gives the colour at world
// position wx (across, 0 under the monster) and depth wz (1 at the bottom
// edge, growing towards the horizon). Pixels from y0 down are painted.
void Ground(Canvas& c, double horizon, int y0,
            const std::function<Rgb(double wx, double wz, int x, int y)>& fn);
// The screen y of a point of depth wz on that ground.
double GroundY(double horizon, double wz);

// Scenery.
void Pine(cairo_t* cr, double x, double base, double h, Rgb leaf, Rgb trunk, double outline = 1.5);
void Oak(cairo_t* cr, double x, double base, double h, Rgb leaf, Rgb trunk, std::uint32_t seed);
// A flat silhouette of many pines (a far forest edge).
void PineRow(cairo_t* cr, double y, double hMin, double hMax, double step, Rgb colour, std::uint32_t seed);
void Boulder(cairo_t* cr, double cx, double base, double rx, double ry, Rgb colour, std::uint32_t seed);
// Soft radial glow in additive light (for fire, crystals, lava).
void AddGlow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, double alpha);

}  // namespace vv::gen::battle
