#pragma once
// Shapes shared by the item pictures: blades, grips, poles, metal colours.

#include "canvas.h"

namespace vv::gen {

namespace metal {
inline const Rgb kSteel = Hex("#b8c0cc"), kIron = Hex("#8a8e98"), kBronze = Hex("#c8863a"),
                 kGold = Hex("#e0b040"), kRust = Hex("#9a5a32"), kWood = Hex("#8a5a32"),
                 kDarkWood = Hex("#5a3a22"), kLeather = Hex("#7a4a2a"), kCloth = Hex("#6a3a2a");
}

// A straight double-edged blade standing upright, tip at the top.
void Blade(cairo_t* cr, double cx, double tip, double base, double width, Rgb steel);
void Guard(cairo_t* cr, double cx, double y, double w, double h, Rgb colour);
// A wrapped grip from y1 down to y2.
void Grip(cairo_t* cr, double cx, double y1, double y2, double w, Rgb colour);
void Pommel(cairo_t* cr, double cx, double cy, double r, Rgb colour);
// A wooden pole from (x1, y1) to (x2, y2).
void Pole(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb wood);
// A cut gem with a sparkle.
void Gem(cairo_t* cr, double cx, double cy, double r, Rgb colour);

}  // namespace vv::gen
