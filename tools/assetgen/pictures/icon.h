#pragma once
// The game's icon for desktop menus and the package: a sword before the
// green portal of the hideout, on a purple stone plate with a gold rim.

#include <cairo.h>

#include <string>

namespace vv::gen {

// Draws the icon into a square of `size` units with its top left at the origin.
void DrawGameIcon(cairo_t* cr, double size);
// Writes the icon as a size by size PNG, or as an SVG of that nominal size.
bool WriteGameIconPng(int size, const std::string& path);
bool WriteGameIconSvg(int size, const std::string& path);

}  // namespace vv::gen
