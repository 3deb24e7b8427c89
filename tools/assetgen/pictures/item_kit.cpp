#include "item_kit.h"

#include <cmath>

namespace vv::gen {

void Blade(cairo_t* cr, double cx, double tip, double base, double width, Rgb steel) {
  double hw = width / 2;
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx, tip},
                    {cx + hw, tip + width * 1.2},
                    {cx + hw, base},
                    {cx - hw, base},
                    {cx - hw, tip + width * 1.2}});
      },
      steel, {.outline = 1.5, .shade = 0.35, .light = 0.4, .offset = std::max(1.0, hw * 0.5)});
  Line(cr, cx, tip + width, cx, base - 2, Darker(steel, 0.35), std::max(1.0, width * 0.12), 0.8);
}

void Guard(cairo_t* cr, double cx, double y, double w, double h, Rgb colour) {
  Cel(cr, [&](cairo_t* c) { RoundRect(c, cx - w / 2, y - h / 2, w, h, h / 2); }, colour, {.outline = 1.4});
}

void Grip(cairo_t* cr, double cx, double y1, double y2, double w, Rgb colour) {
  Cel(cr, [&](cairo_t* c) { RoundRect(c, cx - w / 2, y1, w, y2 - y1, w / 3); }, colour, {.outline = 1.4});
  for (double y = y1 + 3; y < y2 - 1; y += 4)
    Line(cr, cx - w / 2 + 1, y + 1.5, cx + w / 2 - 1, y - 1.5, Darker(colour, 0.45), 1.1);
}

void Pommel(cairo_t* cr, double cx, double cy, double r, Rgb colour) {
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r, r); }, colour, {.outline = 1.3});
}

void Pole(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb wood) {
  double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
  double nx = -dy / len * w / 2, ny = dx / len * w / 2;
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}});
      },
      wood, {.outline = 1.3, .offset = std::max(1.0, w * 0.3)});
}

void Gem(cairo_t* cr, double cx, double cy, double r, Rgb colour) {
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx, cy - r},
                    {cx + r * 0.9, cy - r * 0.3},
                    {cx + r * 0.6, cy + r},
                    {cx - r * 0.6, cy + r},
                    {cx - r * 0.9, cy - r * 0.3}});
      },
      colour, {.outline = std::max(0.8, r * 0.15), .light = 0.5});
  Fill(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx - r * 0.3, cy - r * 0.55}, {cx + r * 0.1, cy - r * 0.55}, {cx - r * 0.2, cy}});
      },
      Grey(245), 0.85);
}

}  // namespace vv::gen
